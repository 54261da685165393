// swig::SwigPyIterator: the abstract bidirectional iterator over Python
// objects whose interface the module exposes. Concrete iterators come from
// other modules built on the same runtime; they implement the virtual
// operations below (in this slot order) and signal the ends of the iteration
// with swig::stop_iteration, incomparable iterators with std::invalid_argument.
#ifndef QUON_CONTAINERS_ITERATOR_H
#define QUON_CONTAINERS_ITERATOR_H

#include <cstddef>
#include <stdexcept>

#include "../runtime/python.h"

namespace swig {

// Thrown by an iterator operation that would run past either end.
struct stop_iteration {};

// Holds the interpreter lock for its scope, from any thread.
class GilHold {
 public:
  GilHold() : state_(PyGILState_Ensure()) {}
  ~GilHold() { PyGILState_Release(state_); }
  GilHold(const GilHold&) = delete;
  GilHold& operator=(const GilHold&) = delete;

 private:
  PyGILState_STATE state_;
};

class SwigPyIterator {
 public:
  virtual ~SwigPyIterator() = default;

  // The current element, a new reference.
  virtual PyObject* value() const = 0;
  // Move n steps and return an iterator (this one or another).
  virtual SwigPyIterator* incr(std::size_t n = 1) = 0;
  virtual SwigPyIterator* decr(std::size_t n = 1) = 0;
  // Signed steps from this iterator to `other`.
  virtual std::ptrdiff_t distance(const SwigPyIterator& other) const = 0;
  virtual bool equal(const SwigPyIterator& other) const = 0;
  // A new heap iterator at the same position, owned by the caller.
  virtual SwigPyIterator* copy() const = 0;

  // The value, then one step forward. Called with the interpreter lock
  // released; the value is made with the lock held.
  PyObject* next() {
    GilHold hold;
    PyObject* result = value();
    try {
      incr();
    } catch (...) {
      Py_DECREF(result);
      throw;
    }
    return result;
  }
  PyObject* __next__() { return next(); }
  // One step back, then the value.
  PyObject* previous() {
    GilHold hold;
    decr();
    return value();
  }
  SwigPyIterator* advance(std::ptrdiff_t n) {
    return n > 0 ? incr(static_cast<std::size_t>(n)) : decr(static_cast<std::size_t>(-n));
  }

  bool operator==(const SwigPyIterator& other) const { return equal(other); }
  bool operator!=(const SwigPyIterator& other) const { return !equal(other); }
  SwigPyIterator& operator+=(std::ptrdiff_t n) { return *advance(n); }
  SwigPyIterator& operator-=(std::ptrdiff_t n) { return *advance(-n); }
  std::ptrdiff_t operator-(const SwigPyIterator& other) const { return other.distance(*this); }

 protected:
  SwigPyIterator() = default;
  SwigPyIterator(const SwigPyIterator&) = default;
  SwigPyIterator& operator=(const SwigPyIterator&) = default;
};

}  // namespace swig

#endif
