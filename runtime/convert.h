// Value conversions between Python objects and native values, result codes,
// and the reporting of failed arguments as Python exceptions.
#ifndef QUON_RUNTIME_CONVERT_H
#define QUON_RUNTIME_CONVERT_H

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "python.h"

namespace quon::rt {

// Result codes of every conversion: 0 (or the kNewObject bit) is success.
enum Code : int {
  kOk = 0,
  kNewObjectCode = 512,
  kError = -1,
  kIOError = -2,
  kRuntimeError = -3,
  kIndexError = -4,
  kTypeError = -5,
  kDivisionByZero = -6,
  kOverflowError = -7,
  kSyntaxError = -8,
  kValueError = -9,
  kSystemError = -10,
  kAttributeError = -11,
  kMemoryError = -12,
  // Internal: a reference or receiver given as None (reported as ValueError
  // with the "invalid null reference" message).
  kNullReference = -1000,
  // Internal: an object the library or the module shares with everyone (an
  // invalid instance) given where the call would change it (ValueError).
  kSharedObject = -1001,
};

inline bool ok(int code) { return code >= 0; }

PyObject* error_type(int code);
// Sets a Python exception; safe on threads that do not hold the interpreter lock.
void set_error(PyObject* type, const char* message);
// Raises `value` (a reference this call consumes) as an exception of `type`.
void raise_object(PyObject* type, PyObject* value);

// Reports argument `index` (1-based) of `function` that failed with `code`.
void report_argument(int code, const char* function, int index, const char* type_name,
                     const char* type_suffix = "");

// ---- Python to native --------------------------------------------------------

// A Python long read by `read` (PyLong_AsLong and its kin): a value that
// does not fit raises there, which becomes a type error here.
template <class T>
inline int read_long(PyObject* obj, T (*read)(PyObject*), T* out) {
  const T v = read(obj);
  if (PyErr_Occurred()) {
    PyErr_Clear();
    return kTypeError;
  }
  if (out) *out = v;
  return kOk;
}

// A C long: Python int (bool included) or long.
inline int as_long(PyObject* obj, long* out) {
  if (PyInt_Check(obj)) {
    if (out) *out = PyInt_AS_LONG(obj);
    return kOk;
  }
  if (PyLong_Check(obj)) return read_long(obj, &PyLong_AsLong, out);
  return kTypeError;
}

// A signed integer of type T; values beyond its range are refused as the
// 32-bit build refuses them (a type error), never truncated.
template <class T>
inline int as_signed(PyObject* obj, T* out) {
  long v;
  int code = as_long(obj, &v);
  if (!ok(code)) return code;
  if constexpr (sizeof(T) < sizeof(long)) {
    if (v < static_cast<long>(std::numeric_limits<T>::min()) ||
        v > static_cast<long>(std::numeric_limits<T>::max()))
      return kTypeError;
  }
  if (out) *out = static_cast<T>(v);
  return kOk;
}

inline int as_unsigned_long(PyObject* obj, unsigned long* out) {
  if (PyInt_Check(obj)) {
    long v = PyInt_AS_LONG(obj);
    if (v < 0) return kOverflowError;
    if (out) *out = static_cast<unsigned long>(v);
    return kOk;
  }
  if (PyLong_Check(obj)) return read_long(obj, &PyLong_AsUnsignedLong, out);
  return kTypeError;
}

template <class T>
inline int as_unsigned(PyObject* obj, T* out) {
  unsigned long v;
  int code = as_unsigned_long(obj, &v);
  if (!ok(code)) return code;
  if constexpr (sizeof(T) < sizeof(unsigned long)) {
    if (v > static_cast<unsigned long>(std::numeric_limits<T>::max())) return kTypeError;
  }
  if (out) *out = static_cast<T>(v);
  return kOk;
}

inline int as_unsigned_char(PyObject* obj, unsigned char* out) {
  unsigned long v;
  int code = as_unsigned_long(obj, &v);
  if (!ok(code)) return code;
  if (v > UCHAR_MAX) return kOverflowError;
  if (out) *out = static_cast<unsigned char>(v);
  return kOk;
}

inline int as_double(PyObject* obj, double* out) {
  if (PyFloat_Check(obj)) {
    if (out) *out = PyFloat_AS_DOUBLE(obj);
    return kOk;
  }
  if (PyInt_Check(obj)) {
    if (out) *out = static_cast<double>(PyInt_AS_LONG(obj));
    return kOk;
  }
  if (PyLong_Check(obj)) return read_long(obj, &PyLong_AsDouble, out);
  return kTypeError;
}

// A double that fits single precision (infinities and NaN pass), narrowed.
inline int as_float(PyObject* obj, float* out) {
  double v;
  int code = as_double(obj, &v);
  if (!ok(code)) return code;
  if (std::isfinite(v) && (v < -3.4028234663852886e+38 || v > 3.4028234663852886e+38))
    return kOverflowError;
  if (out) *out = static_cast<float>(v);
  return kOk;
}

// Only a real bool: the integers 0 and 1 are refused.
inline int as_bool(PyObject* obj, bool* out) {
  if (Py_TYPE(obj) != &PyBool_Type) return kError;
  int truth = PyObject_IsTrue(obj);
  if (truth < 0) {
    PyErr_Clear();
    return kError;
  }
  if (out) *out = truth != 0;
  return kOk;
}

// A character string: a Python str (its own buffer, not copied), a proxy of
// "char *", or None (null). `size` is the length plus the terminating zero.
int as_char_ptr(PyObject* obj, char** out, std::size_t* size);

// A native string copied from a str; None gives `*is_null` = true with kOk.
// Returns kNewObjectCode when a string was made.
int as_std_string(PyObject* obj, std::string* out, bool* is_null);

// ---- native to Python ----------------------------------------------------------

inline PyObject* from_bool(bool v) { return PyBool_FromLong(v ? 1 : 0); }
inline PyObject* from_int(long v) { return PyInt_FromLong(v); }
inline PyObject* from_double(double v) { return PyFloat_FromDouble(v); }
// 64-bit values are always Python longs.
inline PyObject* from_int64(long long v) {
  if (v >= INT32_MIN && v <= INT32_MAX) return PyLong_FromLong(static_cast<long>(v));
  return PyLong_FromLongLong(v);
}
inline PyObject* from_unsigned_long(unsigned long v) {
  if (v <= 2147483647UL) return PyLong_FromLong(static_cast<long>(v));
  return PyLong_FromUnsignedLong(v);
}
inline PyObject* from_uint64(unsigned long long v) {
  if (v <= 2147483647ULL) return PyLong_FromLong(static_cast<long>(v));
  return PyLong_FromUnsignedLongLong(v);
}
PyObject* from_chars(const char* data, std::size_t size);
inline PyObject* from_string(const std::string& s) { return from_chars(s.data(), s.size()); }

}  // namespace quon::rt

#endif
