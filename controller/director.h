// The director runtime: what a native object that forwards the library's
// virtual calls to a Python object needs on any thread.
#ifndef QUON_CONTROLLER_DIRECTOR_H
#define QUON_CONTROLLER_DIRECTOR_H

#include <exception>
#include <string>

#include "../runtime/python.h"

namespace Swig {

// A thread the interpreter does not know gets a Python thread state the
// first time it needs the lock, and keeps it until the thread ends, instead
// of making and freeing one for every callback.
void keep_thread_state();

// Holds the interpreter lock for its scope, on any thread.
class GilBlock {
 public:
  GilBlock() : active_(true), state_((keep_thread_state(), PyGILState_Ensure())) {}
  ~GilBlock() { end(); }
  void end() {
    if (active_) {
      PyGILState_Release(state_);
      active_ = false;
    }
  }
  GilBlock(const GilBlock&) = delete;
  GilBlock& operator=(const GilBlock&) = delete;

 private:
  bool active_;
  PyGILState_STATE state_;
};

// Owns one Python reference and drops it under the interpreter lock.
class PyRef {
 public:
  explicit PyRef(PyObject* object = nullptr) : object_(object) {}
  ~PyRef() {
    if (object_) {
      GilBlock block;
      Py_DECREF(object_);
    }
  }
  PyObject* get() const { return object_; }
  PyRef(const PyRef&) = delete;
  PyRef& operator=(const PyRef&) = delete;

 private:
  PyObject* object_;
};

// Owns one Python reference in a scope that already holds the interpreter
// lock for its whole life, so dropping it needs no lock round trip.
class HeldRef {
 public:
  explicit HeldRef(PyObject* object) : object_(object) {}
  ~HeldRef() { Py_XDECREF(object_); }
  PyObject* get() const { return object_; }
  HeldRef(const HeldRef&) = delete;
  HeldRef& operator=(const HeldRef&) = delete;

 private:
  PyObject* object_;
};

// A director failure; constructing it sets the Python exception unless one
// is already pending.
class DirectorException : public std::exception {
 public:
  DirectorException(PyObject* type, const char* header, const char* detail = "")
      : message_(header ? header : "") {
    if (detail && *detail) {
      message_ += ' ';
      message_ += detail;
    }
    GilBlock block;
    if (!PyErr_Occurred()) PyErr_SetString(type, message_.c_str());
  }
  const char* what() const noexcept override { return message_.c_str(); }
  [[noreturn]] static void raise(PyObject* type, const char* text) {
    throw DirectorException(type, text);
  }

 private:
  std::string message_;
};

// Ties a native object to the Python object it serves. Until disown() the
// Python object owns the native one; afterwards the native one holds a
// reference to the Python object.
class Director {
 public:
  explicit Director(PyObject* self) : self_(self), disowned_(false) {}
  virtual ~Director() {
    if (disowned_) {
      GilBlock block;
      Py_DECREF(self_);
    }
  }
  PyObject* self_object() const { return self_; }
  void disown() {
    if (disowned_) return;
    GilBlock block;
    disowned_ = true;
    Py_INCREF(self_);
  }
  bool disowned() const { return disowned_; }

 private:
  PyObject* self_;
  bool disowned_;
};

}  // namespace Swig

#endif
