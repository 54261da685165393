// cvar: the object whose attributes are the module's read-only variables.
#ifndef QUON_RUNTIME_VARLINK_H
#define QUON_RUNTIME_VARLINK_H

#include "python.h"

namespace quon::rt {

// The process's one link object (a borrowed reference), made on first call.
PyObject* varlink_get();
// Puts a variable at the head of the link's list.
void varlink_add(PyObject* link, const char* name, PyObject* (*get)(), int (*set)(PyObject*));

}  // namespace quon::rt

#endif
