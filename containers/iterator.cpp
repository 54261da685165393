// The module functions of swig::SwigPyIterator. No iterator is made here:
// they serve any concrete iterator that reaches them through the shared type
// registry. The end of an iteration becomes StopIteration, and incomparable
// iterators a RuntimeError whose value is the std::invalid_argument thrown.
#include "iterator.h"

#include <memory>
#include <new>

#include "../runtime/blocks.h"

namespace quon::blocks {
namespace {

using namespace tk;
using It = swig::SwigPyIterator;

// A result computed with the interpreter lock released, or the iterator
// signal that replaced it.
template <class T>
struct Guarded {
  enum class Fault { None, Stop, Invalid };
  T value{};
  Fault fault = Fault::None;
  std::invalid_argument* thrown = nullptr;  // heap copy, handed to Python
};

}  // namespace
}  // namespace quon::blocks

template <class T>
struct quon::tk::IsPointerResult<quon::blocks::Guarded<T>> : std::true_type {};

namespace quon::blocks {
namespace {

template <class T, class F>
Guarded<T> guarded(F&& operation) {
  Guarded<T> result;
  try {
    result.value = operation();
  } catch (const swig::stop_iteration&) {
    result.fault = Guarded<T>::Fault::Stop;
  } catch (const std::invalid_argument& e) {
    result.fault = Guarded<T>::Fault::Invalid;
    result.thrown = new std::invalid_argument(e);
  }
  return result;
}

void free_thrown(PyObject* capsule) {
  delete static_cast<std::invalid_argument*>(PyCapsule_GetPointer(capsule, nullptr));
}

// Raises the copied exception as the value of the class bound to its type, or
// of RuntimeError. The proxy does not own the copy; a capsule it keeps alive
// frees it when the exception value goes.
PyObject* raise_invalid_argument(std::invalid_argument* thrown) {
  SwigTypeDescriptor* type = descriptor<std::invalid_argument>();
  PyObject* capsule = PyCapsule_New(thrown, nullptr, &free_thrown);
  if (!capsule) {
    delete thrown;
    return nullptr;
  }
  PyObject* value = to_python(thrown, type, 0);
  if (value) proxy_keep_alive(value, capsule);
  Py_DECREF(capsule);
  if (!value) return nullptr;
  PyObject* exception_type =
      type->binding && type->binding->cls ? type->binding->cls : PyExc_RuntimeError;
  raise_object(exception_type, value);
  return nullptr;
}

template <class T>
PyObject* pointer_result(Guarded<T> r, SwigPyObject* receiver) {
  switch (r.fault) {
    case Guarded<T>::Fault::Stop:
      Py_INCREF(Py_None);
      raise_object(PyExc_StopIteration, Py_None);
      return nullptr;
    case Guarded<T>::Fault::Invalid:
      return raise_invalid_argument(r.thrown);
    case Guarded<T>::Fault::None:
      break;
  }
  if constexpr (IsPointerResult<T>::value) {
    return pointer_result(r.value, receiver);
  } else {
    return to_py(r.value);
  }
}

Guarded<PyObject*> value(const It* it) {
  return guarded<PyObject*>([&] { return it->value(); });
}
Guarded<Borrowed<It>> incr_one(It* it) {
  return guarded<Borrowed<It>>([&] { return Borrowed<It>{it->incr()}; });
}
Guarded<Borrowed<It>> incr(It* it, std::size_t n) {
  return guarded<Borrowed<It>>([&] { return Borrowed<It>{it->incr(n)}; });
}
Guarded<Borrowed<It>> decr_one(It* it) {
  return guarded<Borrowed<It>>([&] { return Borrowed<It>{it->decr()}; });
}
Guarded<Borrowed<It>> decr(It* it, std::size_t n) {
  return guarded<Borrowed<It>>([&] { return Borrowed<It>{it->decr(n)}; });
}
// Distances are Python longs on every platform.
Guarded<long long> distance(const It* it, const It& other) {
  return guarded<long long>([&] { return static_cast<long long>(it->distance(other)); });
}
Guarded<bool> equal(const It* it, const It& other) {
  return guarded<bool>([&] { return *it == other; });
}
Guarded<bool> not_equal(const It* it, const It& other) {
  return guarded<bool>([&] { return *it != other; });
}
Guarded<Owned<It>> copy(const It* it) {
  return guarded<Owned<It>>([&] { return Owned<It>{it->copy()}; });
}
Guarded<PyObject*> next(It* it) {
  return guarded<PyObject*>([&] { return it->next(); });
}
Guarded<PyObject*> next_alias(It* it) {
  return guarded<PyObject*>([&] { return it->__next__(); });
}
Guarded<PyObject*> previous(It* it) {
  return guarded<PyObject*>([&] { return it->previous(); });
}
Guarded<Borrowed<It>> advance(It* it, std::ptrdiff_t n) {
  return guarded<Borrowed<It>>([&] { return Borrowed<It>{it->advance(n)}; });
}
// The in-place forms hand argument 1's iterator back; its ownership moves to
// the result only when the step succeeded.
Guarded<InPlace<It>> add_in_place(It* it, std::ptrdiff_t n) {
  return guarded<InPlace<It>>([&] { return InPlace<It>{&(*it += n)}; });
}
Guarded<InPlace<It>> subtract_in_place(It* it, std::ptrdiff_t n) {
  return guarded<InPlace<It>>([&] { return InPlace<It>{&(*it -= n)}; });
}
// A copy moved n steps; the copy is freed if the step fails.
Owned<It> moved_copy(const It* it, std::ptrdiff_t n) {
  std::unique_ptr<It> result(it->copy());
  result->advance(n);
  return {result.release()};
}
Guarded<Owned<It>> add(const It* it, std::ptrdiff_t n) {
  return guarded<Owned<It>>([&] { return moved_copy(it, n); });
}
Guarded<Owned<It>> subtract(const It* it, std::ptrdiff_t n) {
  return guarded<Owned<It>>([&] { return moved_copy(it, -n); });
}
Guarded<long long> difference(const It* it, const It& other) {
  return guarded<long long>([&] { return static_cast<long long>(*it - other); });
}

// __sub__ returns NotImplemented when neither form fits, so that Python can
// try the reflected operation.
constexpr PyMethodDef subtract_entry = {
    "SwigPyIterator___sub__",
    &Overload<"SwigPyIterator___sub__", "", NoMatch::ReturnNotImplemented,
              variant<"SwigPyIterator___sub__", &difference, Self<It>, Ref<It>>,
              variant<"SwigPyIterator___sub__", &subtract, Self<It>, PtrDiff>>::call,
    METH_VARARGS, nullptr};

}  // namespace

Block iterator() {
  return {
      dtor<"delete_SwigPyIterator", It>,
      fn<"SwigPyIterator_value", &value, Self<It>>,
      overload<"SwigPyIterator_incr",
               "swig::SwigPyIterator::incr(size_t)\n"
               "swig::SwigPyIterator::incr()",
               variant<"SwigPyIterator_incr", &incr_one, SelfMut<It>>,
               variant<"SwigPyIterator_incr", &incr, SelfMut<It>, SizeT>>,
      overload<"SwigPyIterator_decr",
               "swig::SwigPyIterator::decr(size_t)\n"
               "swig::SwigPyIterator::decr()",
               variant<"SwigPyIterator_decr", &decr_one, SelfMut<It>>,
               variant<"SwigPyIterator_decr", &decr, SelfMut<It>, SizeT>>,
      fn<"SwigPyIterator_distance", &distance, Self<It>, Ref<It>>,
      fn<"SwigPyIterator_equal", &equal, Self<It>, Ref<It>>,
      fn<"SwigPyIterator_copy", &copy, Self<It>>,
      fn<"SwigPyIterator_next", &next, SelfMut<It>>,
      fn<"SwigPyIterator___next__", &next_alias, SelfMut<It>>,
      fn<"SwigPyIterator_previous", &previous, SelfMut<It>>,
      fn<"SwigPyIterator_advance", &advance, SelfMut<It>, PtrDiff>,
      fn<"SwigPyIterator___eq__", &equal, Self<It>, Ref<It>>,
      fn<"SwigPyIterator___ne__", &not_equal, Self<It>, Ref<It>>,
      fn<"SwigPyIterator___iadd__", &add_in_place, SelfMut<It>, PtrDiff>,
      fn<"SwigPyIterator___isub__", &subtract_in_place, SelfMut<It>, PtrDiff>,
      fn<"SwigPyIterator___add__", &add, Self<It>, PtrDiff>,
      subtract_entry,
      registration<"SwigPyIterator_swigregister", It>,
  };
}

}  // namespace quon::blocks
