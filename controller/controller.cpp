// Quon::Controller: the program's connection to the tracking service.
#include "../runtime/blocks.h"
#include "Quon.h"
#include "listener.h"

namespace quon::blocks {
namespace {

using namespace tk;
using C = Quon::Controller;
using L = Quon::Listener;
using Flag = Enum<C::PolicyFlag, "Quon::Controller::PolicyFlag">;
using GestureType = Enum<Quon::Gesture::Type, "Quon::Gesture::Type">;

NewObject<C> make_controller() { return {new C()}; }
Quon::Frame latest_frame(const C* c) { return c->frame(0); }
Quon::Frame frame_at(const C* c, int history) { return c->frame(history); }
void enable_gesture(const C* c, Quon::Gesture::Type type) { c->enableGesture(type, true); }
void enable_gesture_flag(const C* c, Quon::Gesture::Type type, bool enable) {
  c->enableGesture(type, enable);
}

template <class Kind>
bool load(PyObject* obj, typename Kind::Slot& slot, const char* function, int index) {
  const int code = Kind::load(obj, slot);
  if (ok(code)) return true;
  report_argument(code, function, index, Kind::name(), Kind::suffix());
  return false;
}

// Registering a listener keeps the Python object given for it alive until the
// library ends that registration (listener.h), so a listener can never be
// freed while a controller may still call it.
struct NewWithListener {
  static constexpr std::size_t arity = 1;
  static bool test(PyObject* const* items) { return MutRef<L>::test(items[0]); }
  static PyObject* call(PyObject*, PyObject* args) {
    PyObject* obj;
    if (!PyArg_ParseTuple(args, "O:new_Controller", &obj)) return nullptr;
    MutRef<L>::Slot listener;
    if (!load<MutRef<L>>(obj, listener, "new_Controller", 1)) return nullptr;
    listener_registration_begin(listener.ptr, obj);
    C* controller = nullptr;
    try {
      Unlocked unlocked;
      controller = new C(*listener.ptr);
    } catch (...) {
      listener_registration_cancel(listener.ptr);
      return translate_exception();
    }
    return wrap_new(controller, kNewObject);
  }
};

template <bool Add>
PyObject* change_listener(PyObject* args, const char* format, const char* function) {
  PyObject *controller_obj, *listener_obj;
  if (!PyArg_ParseTuple(args, format, &controller_obj, &listener_obj)) return nullptr;
  SelfMut<C>::Slot controller;
  MutRef<L>::Slot listener;
  if (!load<SelfMut<C>>(controller_obj, controller, function, 1) ||
      !load<MutRef<L>>(listener_obj, listener, function, 2))
    return nullptr;
  if (Add) listener_registration_begin(listener.ptr, listener_obj);
  bool done;
  try {
    Unlocked unlocked;
    done = Add ? controller.ptr->addListener(*listener.ptr)
               : controller.ptr->removeListener(*listener.ptr);
  } catch (...) {
    if (Add) listener_registration_cancel(listener.ptr);
    return translate_exception();
  }
  if (Add && !done) listener_registration_cancel(listener.ptr);
  return from_bool(done);
}

PyObject* add_listener(PyObject*, PyObject* args) {
  return change_listener<true>(args, "OO:Controller_add_listener", "Controller_add_listener");
}
PyObject* remove_listener(PyObject*, PyObject* args) {
  return change_listener<false>(args, "OO:Controller_remove_listener", "Controller_remove_listener");
}

using NewController = Overload<"new_Controller",
                               "Quon::Controller::Controller()\n"
                               "Quon::Controller::Controller(Quon::Listener &)",
                               NoMatch::Raise, variant<"new_Controller", &make_controller>,
                               NewWithListener>;

}  // namespace

Block controller() {
  return {
      dtor<"delete_Controller", C>,
      {"new_Controller", &NewController::call, METH_VARARGS, nullptr},
      method<"Controller_is_service_connected", &C::isServiceConnected>,
      method<"Controller_set_policy_flags", &C::setPolicyFlags, Flag>,
      method<"Controller_set_policy", &C::setPolicy, Flag>,
      method<"Controller_clear_policy", &C::clearPolicy, Flag>,
      method<"Controller_is_policy_set", &C::isPolicySet, Flag>,
      {"Controller_add_listener", &add_listener, METH_VARARGS, nullptr},
      {"Controller_remove_listener", &remove_listener, METH_VARARGS, nullptr},
      overload<"Controller_frame",
               "Quon::Controller::frame(int) const\n"
               "Quon::Controller::frame() const",
               variant<"Controller_frame", &latest_frame, Self<C>>,
               variant<"Controller_frame", &frame_at, Self<C>, Int<"int">>>,
      overload<"Controller_enable_gesture",
               "Quon::Controller::enableGesture(Quon::Gesture::Type,bool) const\n"
               "Quon::Controller::enableGesture(Quon::Gesture::Type) const",
               variant<"Controller_enable_gesture", &enable_gesture, Self<C>, GestureType>,
               variant<"Controller_enable_gesture", &enable_gesture_flag, Self<C>, GestureType, Bool>>,
      method<"Controller_is_gesture_enabled", &C::isGestureEnabled, GestureType>,
      method<"Controller_now", &C::now>,
      getter<"Controller_is_connected_get", &C::isConnected>,
      getter<"Controller_has_focus_get", &C::hasFocus>,
      getter<"Controller_policy_flags_get", &C::policyFlags>,
      getter<"Controller_config_get", &C::config>,
      getter<"Controller_images_get", &C::images>,
      getter<"Controller_located_screens_get", &C::locatedScreens>,
      getter<"Controller_devices_get", &C::devices>,
      getter<"Controller_tracked_quad_get", &C::trackedQuad>,
      getter<"Controller_bug_report_get", &C::bugReport>,
      registration<"Controller_swigregister", C>,
  };
}

}  // namespace quon::blocks
