#include "convert.h"

#include <cstdio>
#include <cstring>

#include "module_types.h"
#include "proxy.h"

namespace quon::rt {

PyObject* error_type(int code) {
  switch (code) {
    case kIOError: return PyExc_IOError;
    case kRuntimeError: return PyExc_RuntimeError;
    case kIndexError: return PyExc_IndexError;
    case kTypeError: return PyExc_TypeError;
    case kDivisionByZero: return PyExc_ZeroDivisionError;
    case kOverflowError: return PyExc_OverflowError;
    case kSyntaxError: return PyExc_SyntaxError;
    case kValueError: return PyExc_ValueError;
    case kSystemError: return PyExc_SystemError;
    case kAttributeError: return PyExc_AttributeError;
    case kMemoryError: return PyExc_MemoryError;
    default: return PyExc_RuntimeError;
  }
}

void set_error(PyObject* type, const char* message) {
  PyGILState_STATE state = PyGILState_Ensure();
  PyErr_SetString(type, message);
  PyGILState_Release(state);
}

void raise_object(PyObject* type, PyObject* value) {
  PyGILState_STATE state = PyGILState_Ensure();
  PyErr_SetObject(type, value);
  PyGILState_Release(state);
  Py_XDECREF(value);
}

void report_argument(int code, const char* function, int index, const char* type_name,
                     const char* type_suffix) {
  char message[512];
  const bool null_reference = code == kNullReference;
  const bool shared = code == kSharedObject;
  std::snprintf(message, sizeof message, "%sin method '%s', argument %d of type '%s%s'%s",
                null_reference ? "invalid null reference " : "", function, index, type_name,
                type_suffix, shared ? " is shared and cannot be changed" : "");
  PyObject* type = null_reference || shared ? PyExc_ValueError
                                            : error_type(code == kError ? kTypeError : code);
  set_error(type, message);
}

int as_char_ptr(PyObject* obj, char** out, std::size_t* size) {
  if (PyString_Check(obj)) {
    char* buffer;
    Py_ssize_t length;
    PyString_AsStringAndSize(obj, &buffer, &length);
    if (out) *out = buffer;
    if (size) *size = static_cast<std::size_t>(length) + 1;
    return kOk;
  }
  if (obj == Py_None) {
    if (out) *out = nullptr;
    if (size) *size = 0;
    return kOk;
  }
  static SwigTypeDescriptor* char_type = type_query_by_name(&swig_module, &swig_module, "_p_char");
  void* address = nullptr;
  if (char_type && from_python(obj, &address, char_type, 0) == 0) {
    char* text = static_cast<char*>(address);
    if (out) *out = text;
    if (size) *size = text ? std::strlen(text) + 1 : 0;
    return kOk;
  }
  return kTypeError;
}

int as_std_string(PyObject* obj, std::string* out, bool* is_null) {
  char* text = nullptr;
  std::size_t size = 0;
  if (ok(as_char_ptr(obj, &text, &size))) {
    if (!text) {
      *is_null = true;
      return kOk;
    }
    *is_null = false;
    if (out) out->assign(text, size - 1);
    return kNewObjectCode;
  }
  // No other string type is known to this module.
  static SwigTypeDescriptor* string_type = type_query(&swig_module, &swig_module, "std::string *");
  void* address = nullptr;
  if (string_type && from_python(obj, &address, string_type, 0) == 0 && address) {
    *is_null = false;
    if (out) *out = *static_cast<std::string*>(address);
    return kOk;
  }
  return kError;
}

PyObject* from_chars(const char* data, std::size_t size) {
  if (!data) Py_RETURN_NONE;
  if (size > static_cast<std::size_t>(INT_MAX)) {
    static SwigTypeDescriptor* char_type = type_query_by_name(&swig_module, &swig_module, "_p_char");
    if (!char_type) Py_RETURN_NONE;
    return to_python(const_cast<char*>(data), char_type, 0);
  }
  return PyString_FromStringAndSize(data, static_cast<Py_ssize_t>(size));
}

}  // namespace quon::rt
