#include "toolkit.h"

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <new>
#include <string>

namespace quon::tk {

void raise_error(PyObject* type, const char* format, ...) {
  char message[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(message, sizeof message, format, arguments);
  va_end(arguments);
  throw PythonError(type, message);
}

PyObject* translate_exception() {
  try {
    throw;
  } catch (const PythonError& e) {
    set_error(e.type(), e.message().c_str());
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  } catch (const std::exception& e) {
    set_error(PyExc_RuntimeError, e.what());
  } catch (...) {
    set_error(PyExc_RuntimeError, "unknown C++ exception");
  }
  return nullptr;
}

void report_overload(const char* function, const char* prototypes) {
  std::string message = "Wrong number or type of arguments for overloaded function '";
  message += function;
  message += "'.\n  Possible C/C++ prototypes are:\n";
  for (const char* line = prototypes; *line;) {
    const char* end = line;
    while (*end && *end != '\n') ++end;
    message += "    ";
    message.append(line, static_cast<std::size_t>(end - line));
    message += '\n';
    line = *end ? end + 1 : end;
  }
  set_error(PyExc_NotImplementedError, message.c_str());
}

PyObject* register_class(PyObject* args, SwigTypeDescriptor* descriptor) {
  PyObject* cls;
  if (!PyArg_ParseTuple(args, "O:swigregister", &cls)) return nullptr;
  // Registering the registered class again changes nothing (and makes no
  // new record: records are never freed, since a call may be using one).
  if (!(descriptor->owns_binding && descriptor->binding && descriptor->binding->cls == cls))
    type_attach_binding(descriptor, binding_new(cls));
  Py_RETURN_NONE;
}

int refuse_assignment(const char* variable) {
  char message[256];
  std::snprintf(message, sizeof message, "Variable %s is read-only.", variable);
  set_error(PyExc_AttributeError, message);
  return 1;
}

}  // namespace quon::tk
