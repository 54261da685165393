#include "Quon.h"

namespace Quon {

struct Interface::Implementation {
  int references = 1;
};

Interface::Interface(Implementation* reference) : m_object(reference) {}
Interface::Interface(const Interface& other) : m_object(other.m_object) {
  if (m_object) ++m_object->references;
}
Interface& Interface::operator=(const Interface& other) {
  if (other.m_object) ++other.m_object->references;
  if (m_object && --m_object->references == 0) delete m_object;
  m_object = other.m_object;
  return *this;
}
Interface::~Interface() {
  if (m_object && --m_object->references == 0) delete m_object;
}
void Interface::deleteCString(const char* cstr) { delete[] cstr; }

}  // namespace Quon
