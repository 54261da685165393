// A result that a callable computes with the interpreter lock released and
// that may instead be a Python exception. The callable cannot raise while
// unlocked, so it records the exception type and message here; the toolkit
// converts the value, or raises the exception, once the lock is held again.
#ifndef QUON_CONTAINERS_CHECKED_H
#define QUON_CONTAINERS_CHECKED_H

#include <string>
#include <type_traits>

#include "../runtime/toolkit.h"

namespace quon::checked {

// The value of a function whose Python result is None.
struct NoValue {};

template <class T>
struct Checked {
  T value{};
  PyObject* error = nullptr;  // a PyExc_* type, or null for success
  std::string message;

  void fail(PyObject* type, std::string text) {
    error = type;
    message = std::move(text);
  }
};

template <class T>
PyObject* pointer_result(Checked<T> r, SwigPyObject* receiver) {
  if (r.error) {
    PyErr_SetString(r.error, r.message.c_str());
    return nullptr;
  }
  if constexpr (std::is_same_v<T, NoValue>) {
    Py_RETURN_NONE;
  } else if constexpr (tk::IsPointerResult<T>::value) {
    return pointer_result(r.value, receiver);
  } else {
    return tk::to_py(r.value);
  }
}

}  // namespace quon::checked

namespace quon::tk {
template <class T>
struct IsPointerResult<checked::Checked<T>> : std::true_type {};
}  // namespace quon::tk

#endif
