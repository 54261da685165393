// Quon::Listener and its director: the library's callbacks reach Python
// methods of the object a listener serves, on whatever thread the library uses.
#include "listener.h"

#include <string_view>

#include "../runtime/blocks.h"
#include "director.h"

namespace quon::blocks {
namespace {

using namespace tk;
using L = Quon::Listener;
using C = Quon::Controller;

// Listener_on_exit marks the one onExit it runs for Python, so that the
// override does not take it for the library ending a registration. The mark
// is consumed by that call: a library onExit nested inside it still counts.
thread_local const L* t_exit_from_python = nullptr;

bool exit_from_python(const L* listener) {
  const bool marked = t_exit_from_python == listener;
  if (marked) t_exit_from_python = nullptr;
  return marked;
}

int drop_reference(void* object) {
  Py_DECREF(static_cast<PyObject*>(object));
  return 0;
}

// Counts a listener's registrations with controllers and keeps the Python
// object given at registration alive while there is at least one. The
// library's onExit ends a registration (removal, or the controller ending).
class Registrations {
 public:
  // All three run with the interpreter lock held.
  void begin(PyObject* keep) {
    if (count_++ == 0) {
      Py_INCREF(keep);
      keep_ = keep;
    }
  }
  void cancel() {
    if (count_ > 0 && --count_ == 0) release();
  }
  bool registered() const { return count_ > 0; }

 private:
  void release() {
    PyObject* keep = keep_;
    keep_ = nullptr;
    if (!keep) return;
    if (Py_REFCNT(keep) > 1) {
      Py_DECREF(keep);
    } else if (Py_AddPendingCall(&drop_reference, keep) != 0) {
      // The last reference may not die inside the listener's own callback;
      // if it cannot be handed to the main thread, it is kept (a leak, not
      // a crash).
    }
  }

  int count_ = 0;
  PyObject* keep_ = nullptr;
};

// A listener made for None: the library's callbacks, which do nothing, plus
// the registration bookkeeping.
class PlainListener : public L, public Registrations {
 public:
  void onExit(const C& controller) override {
    const bool from_python = exit_from_python(this);
    L::onExit(controller);
    if (!from_python) {
      Swig::GilBlock block;
      cancel();
    }
  }
};

}  // namespace

// Forwards each of the library's callbacks to the Python method of the same
// meaning on the served object.
class SwigDirector_Listener : public L, public Swig::Director, public Registrations {
 public:
  // `watch` is a weak reference to self (or null): the served object owns
  // this director, but a program using the module functions directly may let
  // it die first, and then no callback may reach it.
  SwigDirector_Listener(PyObject* self, PyObject* watch) : L(), Swig::Director(self), watch_(watch) {}
  ~SwigDirector_Listener() override {
    if (watch_) {
      Swig::GilBlock block;
      Py_DECREF(watch_);
    }
  }

  void onInit(const C& c) override { forward<"on_init">(c); }
  void onConnect(const C& c) override { forward<"on_connect">(c); }
  void onDisconnect(const C& c) override { forward<"on_disconnect">(c); }
  void onExit(const C& c) override {
    const bool from_python = exit_from_python(this);
    forward<"on_exit">(c);
    if (!from_python) {
      Swig::GilBlock block;
      cancel();
    }
  }
  void onFrame(const C& c) override { forward<"on_frame">(c); }
  void onFocusGained(const C& c) override { forward<"on_focus_gained">(c); }
  void onFocusLost(const C& c) override { forward<"on_focus_lost">(c); }
  void onServiceConnect(const C& c) override { forward<"on_service_connect">(c); }
  void onServiceDisconnect(const C& c) override { forward<"on_service_disconnect">(c); }
  void onDeviceChange(const C& c) override { forward<"on_device_change">(c); }
  void onImages(const C& c) override { forward<"on_images">(c); }

 private:
  // Calls the served object's method `Method` with a proxy of the controller,
  // as PyObject_CallMethod(self, Method, "(O)", proxy) would, but with the
  // name interned once and no format to parse. Everything inside runs under
  // the one interpreter lock taken here.
  template <Name Method>
  void forward(const C& controller) {
    static PyObject* name = nullptr;  // set under the lock
    const char* text = Method.value;
    Swig::GilBlock block;
    if (watch_ && PyWeakref_GET_OBJECT(watch_) == Py_None) return;  // served object gone
    auto* native = const_cast<C*>(&controller);
    Swig::HeldRef argument(borrow(native));
    if (!self_object())
      Swig::DirectorException::raise(PyExc_RuntimeError,
                                     "'self' uninitialized, maybe you forgot to call Listener.__init__.");
    if (!argument.get()) {
      PyErr_Print();
      return;
    }
    if (!name) name = PyString_InternFromString(text);
    if (!name) {
      PyErr_Print();
      return;
    }
    {
      Swig::HeldRef method(PyObject_GetAttr(self_object(), name));
      if (method.get() && !PyCallable_Check(method.get()))
        PyErr_Format(PyExc_TypeError, "attribute of type '%.200s' is not callable", Py_TYPE(method.get())->tp_name);
      else if (method.get()) {
        Swig::HeldRef result(PyObject_CallFunctionObjArgs(method.get(), argument.get(), nullptr));
      }
      if (PyErr_Occurred()) PyErr_Print();
    }
    keep_retained_controller(argument.get(), native);
  }

  PyObject* watch_;

  // The controller handed to a callback belongs to the library and lives only
  // as long as the library keeps it. A Python program that kept it beyond the
  // callback gets its proxy turned into an owned copy of the handle, so later
  // use can never reach a controller the library has freed.
  static void keep_retained_controller(PyObject* argument, C* native) {
    SwigPyObject* proxy = get_this(argument);
    if (!proxy || proxy->ptr != native || proxy->owner != Py_None) return;  // not the borrowed one
    const bool bare = reinterpret_cast<PyObject*>(proxy) == argument;
    const bool retained = bare ? Py_REFCNT(argument) > 1
                               : Py_REFCNT(argument) > 1 || Py_REFCNT(proxy) > 1;
    if (!retained) return;
    try {
      proxy->ptr = new C(*native);
      proxy->own = 1;
      Py_CLEAR(proxy->owner);  // the copy is its own
    } catch (...) {
      proxy->ptr = nullptr;  // refused as a null reference from now on
    }
  }
};

namespace {

Registrations* registrations_of(L* listener) { return dynamic_cast<Registrations*>(listener); }

// new_Listener: a plain listener for None, else a director serving the
// object. The director watches the object through a weak reference; an object
// that cannot be weakly referenced is held strongly instead (a leak at worst,
// never a call into a freed object).
PyObject* new_listener(PyObject*, PyObject* args) {
  PyObject* served;
  if (!PyArg_ParseTuple(args, "O:new_Listener", &served)) return nullptr;
  PyObject* watch = nullptr;
  if (served != Py_None) {
    watch = PyWeakref_NewRef(served, nullptr);
    if (!watch) PyErr_Clear();
  }
  L* listener = nullptr;
  try {
    Unlocked unlocked;
    if (served == Py_None) {
      listener = new PlainListener();
    } else {
      listener = new SwigDirector_Listener(served, watch);
    }
  } catch (...) {
    Py_XDECREF(watch);
    return translate_exception();
  }
  if (served != Py_None && !watch) dynamic_cast<Swig::Director*>(listener)->disown();
  return wrap_new(listener, kNewObject);
}

// delete_Listener refuses to free a listener that a controller may still call.
PyObject* delete_listener(PyObject*, PyObject* args) {
  PyObject* obj;
  if (!PyArg_ParseTuple(args, "O:delete_Listener", &obj)) return nullptr;
  PointerSlot<L> slot;
  if (!ok(load_pointer(obj, slot))) {
    report_argument(kError, "delete_Listener", 1, "Quon::Listener", " *");
    return nullptr;
  }
  if (slot.ptr) {
    Registrations* registrations = registrations_of(slot.ptr);
    if (registrations && registrations->registered()) {
      PyErr_SetString(PyExc_RuntimeError,
                      "in method 'delete_Listener': the listener is still registered with a "
                      "controller; remove it first");
      return nullptr;
    }
  }
  static constexpr auto format = make_format<1, "delete_Listener">();
  return destroy_function<L, PlainDelete<L>>(args, format.data(), "delete_Listener");
}

void disown(L* listener) {
  if (auto* director = dynamic_cast<Swig::Director*>(listener)) director->disown();
}

// Listener_on_<event>: when the served object itself calls its base-class
// method (an up-call), the library's own callback runs, which does nothing;
// otherwise the virtual callback runs, which may call into Python. The
// interpreter lock is held throughout.
template <void (L::*Virtual)(const C&), void (*Base)(L*, const C&), bool IsExit>
PyObject* run_event(PyObject* args, const char* format, const char* function) {
  PyObject *listener_obj, *controller_obj;
  if (!PyArg_ParseTuple(args, format, &listener_obj, &controller_obj)) return nullptr;
  SelfMut<L>::Slot listener;
  Ref<C>::Slot controller;
  int code = SelfMut<L>::load(listener_obj, listener);
  if (!ok(code)) {
    report_argument(code, function, 1, "Quon::Listener", " *");
    return nullptr;
  }
  code = Ref<C>::load(controller_obj, controller);
  if (!ok(code)) {
    report_argument(code, function, 2, "Quon::Controller", " const &");
    return nullptr;
  }
  auto* director = dynamic_cast<Swig::Director*>(listener.ptr);
  const bool upcall = director && director->self_object() == listener_obj;
  try {
    if (upcall) {
      Base(listener.ptr, *controller.ptr);
    } else {
      if (IsExit) t_exit_from_python = listener.ptr;
      (listener.ptr->*Virtual)(*controller.ptr);
      if (IsExit) t_exit_from_python = nullptr;
    }
  } catch (const Swig::DirectorException&) {
    t_exit_from_python = nullptr;
    return nullptr;
  }
  Py_RETURN_NONE;
}

#define QUON_LISTENER_EVENT(NAME, METHOD)                                              \
  void base_##METHOD(L* l, const C& c) { l->L::METHOD(c); }                            \
  PyObject* event_##METHOD(PyObject*, PyObject* args) {                               \
    return run_event<&L::METHOD, &base_##METHOD, std::string_view(NAME) == "on_exit">(        \
        args, "OO:Listener_" NAME, "Listener_" NAME);                                 \
  }
QUON_LISTENER_EVENT("on_init", onInit)
QUON_LISTENER_EVENT("on_connect", onConnect)
QUON_LISTENER_EVENT("on_disconnect", onDisconnect)
QUON_LISTENER_EVENT("on_exit", onExit)
QUON_LISTENER_EVENT("on_frame", onFrame)
QUON_LISTENER_EVENT("on_focus_gained", onFocusGained)
QUON_LISTENER_EVENT("on_focus_lost", onFocusLost)
QUON_LISTENER_EVENT("on_service_connect", onServiceConnect)
QUON_LISTENER_EVENT("on_service_disconnect", onServiceDisconnect)
QUON_LISTENER_EVENT("on_device_change", onDeviceChange)
QUON_LISTENER_EVENT("on_images", onImages)
#undef QUON_LISTENER_EVENT

}  // namespace

void listener_registration_begin(L* listener, PyObject* keep) {
  if (Registrations* r = registrations_of(listener)) r->begin(keep);
}

void listener_registration_cancel(L* listener) {
  if (Registrations* r = registrations_of(listener)) r->cancel();
}

Block listener() {
  return {
      {"new_Listener", &new_listener, METH_VARARGS, nullptr},
      {"delete_Listener", &delete_listener, METH_VARARGS, nullptr},
      {"Listener_on_init", &event_onInit, METH_VARARGS, nullptr},
      {"Listener_on_connect", &event_onConnect, METH_VARARGS, nullptr},
      {"Listener_on_disconnect", &event_onDisconnect, METH_VARARGS, nullptr},
      {"Listener_on_exit", &event_onExit, METH_VARARGS, nullptr},
      {"Listener_on_frame", &event_onFrame, METH_VARARGS, nullptr},
      {"Listener_on_focus_gained", &event_onFocusGained, METH_VARARGS, nullptr},
      {"Listener_on_focus_lost", &event_onFocusLost, METH_VARARGS, nullptr},
      {"Listener_on_service_connect", &event_onServiceConnect, METH_VARARGS, nullptr},
      {"Listener_on_service_disconnect", &event_onServiceDisconnect, METH_VARARGS, nullptr},
      {"Listener_on_device_change", &event_onDeviceChange, METH_VARARGS, nullptr},
      {"Listener_on_images", &event_onImages, METH_VARARGS, nullptr},
      fn<"disown_Listener", &disown, SelfMut<L>>,
      registration<"Listener_swigregister", L>,
  };
}

}  // namespace quon::blocks
