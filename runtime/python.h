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

#endif
