// C strings the tracking library hands out belong to the caller, who gives
// them back with Interface::deleteCString.
#ifndef QUON_WRAPPERS_LIBRARY_STRING_H
#define QUON_WRAPPERS_LIBRARY_STRING_H

#include <memory>
#include <string>

#include "Quon.h"

namespace quon::blocks {

// Copies such a string (up to its terminating zero; null gives "") and gives
// it back to the library.
inline std::string take_library_string(const char* text) {
  std::unique_ptr<const char, void (*)(const char*)> held(text, &Quon::Interface::deleteCString);
  return held ? std::string(held.get()) : std::string();
}

}  // namespace quon::blocks

#endif
