// The wrapper toolkit. Every module function is one declaration:
//
//   fn<"Frame_hand", &Quon::Frame::hand, Self<Quon::Frame>, Int<"int32_t">>
//
// names the Python function, the callable (a member pointer or a captureless
// lambda), and one parameter kind per Python argument. From that the toolkit
// derives the parse format ("OO:Frame_hand"), converts each argument in order
// with its kind, reports the first failure with the function's message for
// that argument, releases the interpreter lock around the call only, and
// converts the result by its C++ type. A class family is a list of such
// declarations (see the sugar at the end: ctor, dtor, getter, method, equal,
// not_equal, str, registration), and an overloaded function is an Overload of
// variant declarations tried in order.
#ifndef QUON_RUNTIME_TOOLKIT_H
#define QUON_RUNTIME_TOOLKIT_H

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "convert.h"
#include "module_types.h"
#include "proxy.h"
#include "python.h"

#if defined(_WIN32)
#define QUON_MODULE_EXPORT __declspec(dllexport)
#else
#define QUON_MODULE_EXPORT __attribute__((visibility("default")))
#endif

namespace quon::tk {

using namespace quon::rt;

// ---- compile-time names ------------------------------------------------------------

template <std::size_t N>
struct Name {
  char value[N];
  constexpr Name(const char (&text)[N]) {
    for (std::size_t i = 0; i < N; ++i) value[i] = text[i];
  }
  static constexpr std::size_t length = N - 1;
};

// "OO:Frame_hand": one O per argument, a colon and the function's name.
template <std::size_t Arity, Name N>
constexpr auto make_format() {
  std::array<char, Arity + 1 + N.length + 1> format{};
  std::size_t i = 0;
  for (; i < Arity; ++i) format[i] = 'O';
  format[i++] = ':';
  for (std::size_t j = 0; j < N.length; ++j) format[i++] = N.value[j];
  format[i] = '\0';
  return format;
}

// ---- the interpreter lock ------------------------------------------------------------

// Releases the interpreter lock for its scope; takes it back on every exit.
class Unlocked {
 public:
  Unlocked() : state_(PyEval_SaveThread()) {}
  ~Unlocked() { PyEval_RestoreThread(state_); }
  Unlocked(const Unlocked&) = delete;
  Unlocked& operator=(const Unlocked&) = delete;

 private:
  PyThreadState* state_;
};

// A Python exception raised by code that runs with the interpreter lock
// released: thrown there, and set as the Python exception by the invoker once
// the lock is held again.
class PythonError {
 public:
  PythonError(PyObject* type, std::string message) : type_(type), message_(std::move(message)) {}
  PyObject* type() const { return type_; }
  const std::string& message() const { return message_; }

 private:
  PyObject* type_;
  std::string message_;
};

// Throws a PythonError whose message is formatted like printf.
[[noreturn]] void raise_error(PyObject* type, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Turns the C++ exception being handled into a Python exception; returns null.
PyObject* translate_exception();

// ---- result forms ---------------------------------------------------------------------

// A callable returns one of these to choose how a pointer result is wrapped.
template <class T> struct NewObject { T* ptr; };  // bare owning proxy (constructors)
template <class T> struct Owned { T* ptr; };      // owning instance of the registered class
template <class T> struct Borrowed { T* ptr; };   // non-owning instance
template <class T> struct Alias { T* ptr; };      // non-owning, keeps argument 1's proxy alive
template <class T> struct InPlace { T* ptr; };    // argument 1's object, ownership moved over

template <class T>
concept Registered = requires { TypeOf<T>::id; };

template <class T>
SwigTypeDescriptor* descriptor() {
  return type_of(TypeOf<T>::id);
}

// Wraps a heap object that the caller owns until this returns: on failure
// the object is deleted here, so nothing leaks.
template <class T>
PyObject* wrap_new(T* heap, int flags) {
  PyObject* proxy = proxy_new(heap, descriptor<T>(), flags & kOwn);
  if (!proxy) {
    delete heap;
    return nullptr;
  }
  return shadow_or_bare(proxy, descriptor<T>(), flags);
}

template <class R>
PyObject* to_py(const R& value) {
  if constexpr (std::is_same_v<R, bool>) {
    return from_bool(value);
  } else if constexpr (std::is_enum_v<R>) {
    return from_int(static_cast<long>(value));
  } else if constexpr (std::is_same_v<R, int> || std::is_same_v<R, short>) {
    return from_int(value);
  } else if constexpr (std::is_same_v<R, long> || std::is_same_v<R, long long>) {
    return from_int64(value);
  } else if constexpr (std::is_unsigned_v<R> && sizeof(R) <= sizeof(unsigned long)) {
    // unsigned char, unsigned int, size_t and unsigned long: size_t is
    // unsigned int on 32-bit Windows and unsigned long elsewhere.
    return from_unsigned_long(value);
  } else if constexpr (std::is_unsigned_v<R> && sizeof(R) == 8) {
    return from_uint64(value);
  } else if constexpr (std::is_floating_point_v<R>) {
    return from_double(static_cast<double>(value));
  } else if constexpr (std::is_same_v<R, std::string>) {
    return from_string(value);
  } else if constexpr (std::is_same_v<R, PyObject*>) {
    return value;  // already a new reference
  } else {
    static_assert(sizeof(R) == 0, "no conversion to Python for this result type");
  }
}

// ---- parameter kinds ------------------------------------------------------------------
//
// A kind converts one Python argument: `load` fills its slot and returns a
// result code, `test` is the overload dispatch's check, `get` hands the value
// to the callable, and `name`/`suffix` make up the type in messages.

template <class T>
struct PointerSlot {
  T* ptr = nullptr;
  SwigPyObject* proxy = nullptr;
};

template <class T>
int load_pointer(PyObject* obj, PointerSlot<T>& slot, int flags = 0) {
  void* address = nullptr;
  if (from_python(obj, &address, descriptor<T>(), flags, &slot.proxy) != 0) return kError;
  slot.ptr = static_cast<T*>(address);
  return kOk;
}

template <class T>
bool test_pointer(PyObject* obj) {
  return from_python(obj, nullptr, descriptor<T>(), 0) == 0;
}

// The receiver: a pointer that may not be null.
template <class T, bool Const = true>
struct Self {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) {
    int code = load_pointer(obj, slot);
    return ok(code) && !slot.ptr ? kNullReference : code;
  }
  static bool test(PyObject* obj) { return test_pointer<T>(obj); }
  static T* get(Slot& slot) { return slot.ptr; }
  static const char* name() { return TypeOf<T>::name; }
  static const char* suffix() { return Const ? " const *" : " *"; }
};
template <class T> using SelfMut = Self<T, false>;

// A receiver the call changes: a borrowed object that everyone shares (the
// library's invalid instance of a class) is refused, so that no call can
// change what every later reader of it sees.
template <class T>
struct Changed : SelfMut<T> {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) {
    int code = SelfMut<T>::load(obj, slot);
    return ok(code) && slot.proxy && slot.proxy->owner == Py_None ? kSharedObject : code;
  }
};

// A receiver that may be null (the component and basis setters ignore it).
template <class T>
struct NullableSelf {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) { return load_pointer(obj, slot); }
  static bool test(PyObject* obj) { return test_pointer<T>(obj); }
  static T* get(Slot& slot) { return slot.ptr; }
  static const char* name() { return TypeOf<T>::name; }
  static const char* suffix() { return " *"; }
};

// A reference: None is refused with the null-reference message.
template <class T, bool Const = true>
struct Ref {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) {
    int code = load_pointer(obj, slot);
    return ok(code) && !slot.ptr ? kNullReference : code;
  }
  static bool test(PyObject* obj) { return test_pointer<T>(obj); }
  static T& get(Slot& slot) { return *slot.ptr; }
  static const char* name() { return TypeOf<T>::name; }
  static const char* suffix() { return Const ? " const &" : " &"; }
};
template <class T> using MutRef = Ref<T, false>;

// A plain pointer: None gives null.
template <class T, Name TypeName = "">
struct Ptr {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) { return load_pointer(obj, slot); }
  static bool test(PyObject* obj) { return test_pointer<T>(obj); }
  static T* get(Slot& slot) { return slot.ptr; }
  static const char* name() { return TypeName.length ? TypeName.value : TypeOf<T>::name; }
  static const char* suffix() { return TypeName.length ? "" : " *"; }
};

// The object a destructor deletes: converted with the disown flag.
template <class T>
struct Disowned {
  using Slot = PointerSlot<T>;
  static int load(PyObject* obj, Slot& slot) { return load_pointer(obj, slot, kDisown); }
  static bool test(PyObject* obj) { return test_pointer<T>(obj); }
  static T* get(Slot& slot) { return slot.ptr; }
  static const char* name() { return TypeOf<T>::name; }
  static const char* suffix() { return " *"; }
};

// A value converted by `Convert` into a T, named `TypeName` in messages.
template <class T, int (*Convert)(PyObject*, T*), Name TypeName>
struct Value {
  using Slot = T;
  static int load(PyObject* obj, Slot& slot) { return Convert(obj, &slot); }
  static bool test(PyObject* obj) { return ok(Convert(obj, nullptr)); }
  static T get(Slot& slot) { return slot; }
  static const char* name() { return TypeName.value; }
  static const char* suffix() { return ""; }
};

template <Name TypeName = "int">
using Int = Value<int, as_signed<int>, TypeName>;
template <Name TypeName = "unsigned int">
using UInt = Value<unsigned int, as_unsigned<unsigned int>, TypeName>;
using SizeT = Value<std::size_t, as_unsigned<std::size_t>, "size_t">;
using PtrDiff = Value<std::ptrdiff_t, as_signed<std::ptrdiff_t>, "ptrdiff_t">;
using UChar = Value<unsigned char, as_unsigned_char, "unsigned char">;
using Float = Value<float, as_float, "float">;
using Bool = Value<bool, as_bool, "bool">;

// An enumeration passed as a plain int, named by its library type.
template <class E, Name TypeName>
struct Enum {
  using Slot = int;
  static int load(PyObject* obj, Slot& slot) { return as_signed<int>(obj, &slot); }
  static bool test(PyObject* obj) { return ok(as_signed<int>(obj, nullptr)); }
  static E get(Slot& slot) { return static_cast<E>(slot); }
  static const char* name() { return TypeName.value; }
  static const char* suffix() { return ""; }
};

// 'std::string const &': a str copied for the call; None is a null reference.
struct String {
  using Slot = std::string;
  static int load(PyObject* obj, Slot& slot) {
    bool is_null = false;
    int code = as_std_string(obj, &slot, &is_null);
    return ok(code) && is_null ? kNullReference : code;
  }
  static bool test(PyObject* obj) {
    bool is_null = false;
    return ok(as_std_string(obj, nullptr, &is_null));
  }
  static const std::string& get(Slot& slot) { return slot; }
  static const char* name() { return "std::string const &"; }
  static const char* suffix() { return ""; }
};

// ---- the generic invoker ----------------------------------------------------------------

template <std::size_t Arity, std::size_t... I>
bool parse_tuple(PyObject* args, const char* format, PyObject** objects, std::index_sequence<I...>) {
  return PyArg_ParseTuple(args, format, &objects[I]...) != 0;
}

template <class T> struct IsPointerResult : std::false_type {};
template <class T> struct IsPointerResult<NewObject<T>> : std::true_type {};
template <class T> struct IsPointerResult<Owned<T>> : std::true_type {};
template <class T> struct IsPointerResult<Borrowed<T>> : std::true_type {};
template <class T> struct IsPointerResult<Alias<T>> : std::true_type {};
template <class T> struct IsPointerResult<InPlace<T>> : std::true_type {};

// Wraps a pointer result; `receiver` is argument 1's matched proxy, if any.
template <class T>
PyObject* pointer_result(NewObject<T> r, SwigPyObject*) { return wrap_new(r.ptr, kNewObject); }
template <class T>
PyObject* pointer_result(Owned<T> r, SwigPyObject*) { return wrap_new(r.ptr, kOwn); }
// A non-owning instance of an object that someone else keeps (a static of
// the module, an object the library owns): marked as held elsewhere, so that
// delete_<Class> only detaches it and never frees it.
template <class T>
PyObject* borrow(T* ptr) {
  PyObject* result = to_python(ptr, descriptor<T>(), 0);
  proxy_keep_alive(result, Py_None);
  return result;
}

template <class T>
PyObject* pointer_result(Borrowed<T> r, SwigPyObject*) {
  return borrow(r.ptr);
}
// Keeps a Python object alive for a scope (the receiver's proxy while a
// result is made: making it runs the class's __new__, which may be any code).
class Hold {
 public:
  explicit Hold(SwigPyObject* proxy) : object_(reinterpret_cast<PyObject*>(proxy)) {
    Py_XINCREF(object_);
  }
  ~Hold() { Py_XDECREF(object_); }
  Hold(const Hold&) = delete;
  Hold& operator=(const Hold&) = delete;

 private:
  PyObject* object_;
};

template <class T>
PyObject* pointer_result(Alias<T> r, SwigPyObject* receiver) {
  Hold hold(receiver);
  PyObject* result = to_python(r.ptr, descriptor<T>(), 0);
  if (result && receiver) proxy_keep_alive(result, reinterpret_cast<PyObject*>(receiver));
  return result;
}
// In-place operators hand argument 1's object back under a new proxy. The
// ownership moves only where there is ownership to move, and the old proxy
// keeps the new one alive, so a second name bound to it never dangles.
template <class T>
PyObject* pointer_result(InPlace<T> r, SwigPyObject* receiver) {
  Hold hold(receiver);
  const bool owned = receiver && receiver->own == 1 && receiver->ptr == r.ptr;
  if (owned) receiver->own = 0;
  PyObject* result = to_python(r.ptr, descriptor<T>(), owned ? kOwn : 0);
  if (!result) {
    if (owned) receiver->own = 1;
    return nullptr;
  }
  if (receiver) {
    if (owned) {
      SwigPyObject* fresh = get_this(result);
      if (fresh) proxy_keep_alive(reinterpret_cast<PyObject*>(receiver), reinterpret_cast<PyObject*>(fresh));
    } else if (receiver->owner) {
      proxy_keep_alive(result, receiver->owner);
    }
  }
  return result;
}

template <class Slot>
SwigPyObject* receiver_proxy(Slot& slot) {
  if constexpr (requires { slot.proxy; }) return slot.proxy;
  else return nullptr;
}

// Calls F with the lock released and converts what it returns.
template <auto F, class FirstSlot, class... A>
PyObject* invoke(FirstSlot* first, A&&... args) {
  using R = std::invoke_result_t<decltype(F), A...>;
  try {
    if constexpr (std::is_void_v<R>) {
      {
        Unlocked unlocked;
        std::invoke(F, std::forward<A>(args)...);
      }
      Py_RETURN_NONE;
    } else if constexpr (IsPointerResult<R>::value) {
      R result;
      {
        Unlocked unlocked;
        result = std::invoke(F, std::forward<A>(args)...);
      }
      return pointer_result(result, first ? receiver_proxy(*first) : nullptr);
    } else if constexpr (std::is_class_v<R> && Registered<R>) {
      // A value of a wrapped class: copied to the heap, owned by the result.
      R* heap;
      {
        Unlocked unlocked;
        heap = new R(std::invoke(F, std::forward<A>(args)...));
      }
      return wrap_new(heap, kOwn);
    } else {
      std::optional<R> result;
      {
        Unlocked unlocked;
        result.emplace(std::invoke(F, std::forward<A>(args)...));
      }
      return to_py(*result);
    }
  } catch (...) {
    return translate_exception();
  }
}

template <Name N, auto F, class... P>
struct Function {
  static constexpr std::size_t arity = sizeof...(P);
  static constexpr auto format = make_format<arity, N>();
  static constexpr const char* name = N.value;

  static PyObject* call(PyObject*, PyObject* args) {
    PyObject* objects[arity ? arity : 1];
    if (!parse_tuple<arity>(args, format.data(), objects, std::index_sequence_for<P...>{}))
      return nullptr;
    return convert_and_call(objects, std::index_sequence_for<P...>{});
  }

  // The overload dispatch's test: does every item pass its kind's check?
  static bool test(PyObject* const* items) {
    return test_all(items, std::index_sequence_for<P...>{});
  }

 private:
  using Slots = std::tuple<typename P::Slot...>;

  template <std::size_t... I>
  static bool test_all(PyObject* const* items, std::index_sequence<I...>) {
    return (true && ... && std::tuple_element_t<I, std::tuple<P...>>::test(items[I]));
  }

  template <std::size_t I>
  static bool load_one(PyObject* obj, Slots& slots) {
    using Kind = std::tuple_element_t<I, std::tuple<P...>>;
    const int code = Kind::load(obj, std::get<I>(slots));
    if (ok(code)) return true;
    report_argument(code, N.value, static_cast<int>(I) + 1, Kind::name(), Kind::suffix());
    return false;
  }

  template <std::size_t... I>
  static PyObject* convert_and_call(PyObject** objects, std::index_sequence<I...>) {
    Slots slots;
    if (!(true && ... && load_one<I>(objects[I], slots))) return nullptr;
    if constexpr (arity > 0) {
      return invoke<F>(&std::get<0>(slots), P::get(std::get<I>(slots))...);
    } else {
      return invoke<F, int>(nullptr);
    }
  }
};

// ---- overload dispatch -----------------------------------------------------------------

// Sets NotImplementedError listing the prototypes (given one per line).
void report_overload(const char* function, const char* prototypes);

enum class NoMatch { Raise, ReturnNotImplemented };

template <Name N, Name Prototypes, NoMatch OnNoMatch, class... Variants>
struct Overload {
  static PyObject* call(PyObject* self, PyObject* args) {
    if (PyTuple_Check(args)) {
      const Py_ssize_t n = PyTuple_GET_SIZE(args);
      PyObject* const* items = &PyTuple_GET_ITEM(args, 0);
      PyObject* result = nullptr;
      if ((false || ... ||
           (static_cast<Py_ssize_t>(Variants::arity) == n && Variants::test(items) &&
            (result = Variants::call(self, args), true))))
        return result;
    }
    if constexpr (OnNoMatch == NoMatch::ReturnNotImplemented) {
      Py_INCREF(Py_NotImplemented);
      return Py_NotImplemented;
    } else {
      report_overload(N.value, Prototypes.value);
      return nullptr;
    }
  }
};

// ---- method-table entries --------------------------------------------------------------

using Block = std::vector<PyMethodDef>;

template <Name N, auto F, class... P>
inline constexpr PyMethodDef fn = {N.value, &Function<N, F, P...>::call, METH_VARARGS, nullptr};

// An overloaded function: variants are Function<N, ...> types, tried in order.
template <Name N, Name Prototypes, class... Variants>
inline constexpr PyMethodDef overload = {
    N.value, &Overload<N, Prototypes, NoMatch::Raise, Variants...>::call, METH_VARARGS, nullptr};

template <Name N, auto F, class... P>
using variant = Function<N, F, P...>;

// <Class>_swigregister: binds a Python class to the type's descriptor.
PyObject* register_class(PyObject* args, SwigTypeDescriptor* descriptor);
template <TypeId Id>
PyObject* registration_function(PyObject*, PyObject* args) {
  return register_class(args, type_of(Id));
}
template <Name N, class T>
inline constexpr PyMethodDef registration = {N.value, &registration_function<TypeOf<T>::id>,
                                             METH_VARARGS, nullptr};

// new_<Class>: the default constructor, returned as a bare owning proxy.
template <class T>
NewObject<T> construct() {
  return {new T()};
}
template <Name N, class T>
inline constexpr PyMethodDef ctor = fn<N, &construct<T>>;

// The converting constructor T(const From&) (a finger from a pointable, a
// gesture kind from a gesture), returned like construct's result.
template <class T, class From>
NewObject<T> construct_from(const From& from) {
  return {new T(from)};
}

// How delete_<Class> frees an object: true when it was freed.
template <class T>
struct PlainDelete {
  static bool release(T* object) {
    delete object;
    return true;
  }
};

// delete_<Class>: disowns argument 1 and frees its object. The proxy then
// points nowhere (a later use is refused as a null reference, never a use
// of freed memory). A proxy kept alive by another object (a matrix view, the
// old proxy of an in-place operator, a fixed or library-owned instance)
// points at memory it does not hold: it is detached, never freed through.
template <class T, class Delete>
PyObject* destroy_function(PyObject* args, const char* format, const char* function) {
  PyObject* obj;
  if (!PyArg_ParseTuple(args, format, &obj)) return nullptr;
  PointerSlot<T> slot;
  if (!ok(load_pointer(obj, slot, kDisown))) {
    report_argument(kError, function, 1, TypeOf<T>::name, " *");
    return nullptr;
  }
  if (slot.ptr) {
    bool released = true;
    if (!slot.proxy || !slot.proxy->owner) {
      Unlocked unlocked;
      released = Delete::release(slot.ptr);
    }
    if (released && slot.proxy) slot.proxy->ptr = nullptr;
  }
  Py_RETURN_NONE;
}
template <Name N, class T, class Delete>
struct Destructor {
  static constexpr auto format = make_format<1, N>();
  static PyObject* call(PyObject*, PyObject* args) {
    return destroy_function<T, Delete>(args, format.data(), N.value);
  }
};
template <Name N, class T, class Delete = PlainDelete<T>>
inline constexpr PyMethodDef dtor = {N.value, &Destructor<N, T, Delete>::call, METH_VARARGS,
                                     nullptr};

// Property getters name their receiver without const; methods with const.
template <class M> struct MemberOf;
template <class R, class C, class... A> struct MemberOf<R (C::*)(A...) const> { using type = C; };
template <class R, class C, class... A> struct MemberOf<R (C::*)(A...)> { using type = C; };

template <Name N, auto M, class C = typename MemberOf<decltype(M)>::type>
inline constexpr PyMethodDef getter = fn<N, M, SelfMut<C>>;

template <Name N, auto M, class... P>
inline constexpr PyMethodDef method = fn<N, M, Self<typename MemberOf<decltype(M)>::type>, P...>;

template <class T> bool equal_to(const T* a, const T& b) { return *a == b; }
template <class T> bool not_equal_to(const T* a, const T& b) { return *a != b; }
template <class T> std::string string_form(const T* a) { return a->toString(); }

template <Name N, class T>
inline constexpr PyMethodDef equal = fn<N, &equal_to<T>, Self<T>, Ref<T>>;
template <Name N, class T>
inline constexpr PyMethodDef not_equal = fn<N, &not_equal_to<T>, Self<T>, Ref<T>>;
template <Name N, class T>
inline constexpr PyMethodDef str = fn<N, &string_form<T>, Self<T>>;

// ---- cvar variables and constants --------------------------------------------------------

struct VariableDef {
  const char* name;
  PyObject* (*get)();
  int (*set)(PyObject*);
};

int refuse_assignment(const char* variable);
template <Name N>
int read_only(PyObject*) {
  return refuse_assignment(N.value);
}
template <Name N, PyObject* (*Get)()>
inline constexpr VariableDef variable = {N.value, Get, &read_only<N>};

// The library's static invalid instance of T, borrowed.
template <class T>
PyObject* invalid_instance() {
  return borrow(const_cast<T*>(&T::invalid()));
}

struct ConstantDef {
  const char* name;
  long value;
};

}  // namespace quon::tk

#endif
