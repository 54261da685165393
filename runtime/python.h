// The Python 2.7 C API. Included through here so that every file sees it the
// same way; its headers are on the system include path, so their warnings
// are not reported as ours.
#ifndef QUON_RUNTIME_PYTHON_H
#define QUON_RUNTIME_PYTHON_H

#include <Python.h>

#if defined(_WIN32)
#if !defined(MS_WINDOWS) || !defined(Py_ENABLE_SHARED)
#error "Python.h was configured by a pyconfig.h that is not for Windows (see cmake/win32/pyconfig.h)"
#endif
// Python 2.7's headers define snprintf as Microsoft's _snprintf when the
// compiler's library lacks it; this code means the C99 function everywhere.
#undef snprintf
#undef vsnprintf
#endif

#include <cstring>

namespace quon::rt {

// Starts one of the runtime's static type objects: zeroed, a type, with its
// name and instance size; the caller fills its slots and readies it.
inline void start_static_type(PyTypeObject& type, const char* name, Py_ssize_t size) {
  std::memset(&type, 0, sizeof type);
  Py_TYPE(&type) = &PyType_Type;
  Py_REFCNT(&type) = 1;
  type.tp_name = name;
  type.tp_basicsize = size;
}

}  // namespace quon::rt

#endif
