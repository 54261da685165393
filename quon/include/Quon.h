// Public API of the Quon tracking library.
#ifndef QUON_H
#define QUON_H

#include <cstdint>

#include "QuonMath.h"

#if defined(_WIN32)
#  if defined(QUON_BUILDING_LIBRARY)
#    define QUON_API __declspec(dllexport)
#  else
#    define QUON_API __declspec(dllimport)
#  endif
#else
#  define QUON_API __attribute__((visibility("default")))
#endif

namespace Quon {

// Base of every handle class: a small value sharing the library's object.
class QUON_API Interface {
 public:
  Interface(const Interface& other);
  Interface& operator=(const Interface& other);
  virtual ~Interface();
  static void deleteCString(const char* cstr);

 protected:
  struct Implementation;
  explicit Interface(Implementation* reference);
  Implementation* m_object;
};

}  // namespace Quon

#endif  // QUON_H
