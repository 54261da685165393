// The Python 2.7 C API. Included through here so that every file sees it the
// same way; its headers are on the system include path, so their warnings
// are not reported as ours.
#ifndef QUON_RUNTIME_PYTHON_H
#define QUON_RUNTIME_PYTHON_H

#include <Python.h>

#endif
