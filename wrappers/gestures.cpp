// Quon::Gesture and its four kinds: their module functions. A generic
// gesture becomes its kind through the kind's constructor; the kind getters
// accept only proxies of their own kind.
#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::CircleGesture;
using Quon::Gesture;
using Quon::KeyTapGesture;
using Quon::ScreenTapGesture;
using Quon::SwipeGesture;


// The kind's type number, a constant of the kind.
template <class Kind>
int class_type() {
  return Kind::classType();
}

}  // namespace

Block gesture() {
  return {
      overload<"new_Gesture",
               "Quon::Gesture::Gesture()\n"
               "Quon::Gesture::Gesture(Quon::Gesture const &)",
               variant<"new_Gesture", &construct<Gesture>>,
               variant<"new_Gesture", &construct_from<Gesture, Gesture>, Ref<Gesture>>>,
      equal<"Gesture___eq__", Gesture>,
      not_equal<"Gesture___ne__", Gesture>,
      str<"Gesture___str__", Gesture>,
      getter<"Gesture_type_get", &Gesture::type>,
      getter<"Gesture_state_get", &Gesture::state>,
      getter<"Gesture_id_get", &Gesture::id>,
      getter<"Gesture_duration_get", &Gesture::duration>,
      getter<"Gesture_duration_seconds_get", &Gesture::durationSeconds>,
      getter<"Gesture_frame_get", &Gesture::frame>,
      getter<"Gesture_hands_get", &Gesture::hands>,
      getter<"Gesture_pointables_get", &Gesture::pointables>,
      getter<"Gesture_is_valid_get", &Gesture::isValid>,
      dtor<"delete_Gesture", Gesture>,
      registration<"Gesture_swigregister", Gesture>,
  };
}

Block swipe_gesture() {
  using K = SwipeGesture;
  return {
      fn<"SwipeGesture_class_type", &class_type<K>>,
      overload<"new_SwipeGesture",
               "Quon::SwipeGesture::SwipeGesture()\n"
               "Quon::SwipeGesture::SwipeGesture(Quon::Gesture const &)",
               variant<"new_SwipeGesture", &construct<K>>,
               variant<"new_SwipeGesture", &construct_from<K, Gesture>, Ref<Gesture>>>,
      getter<"SwipeGesture_start_position_get", &K::startPosition>,
      getter<"SwipeGesture_position_get", &K::position>,
      getter<"SwipeGesture_direction_get", &K::direction>,
      getter<"SwipeGesture_speed_get", &K::speed>,
      getter<"SwipeGesture_pointable_get", &K::pointable>,
      dtor<"delete_SwipeGesture", K>,
      registration<"SwipeGesture_swigregister", K>,
  };
}

Block circle_gesture() {
  using K = CircleGesture;
  return {
      fn<"CircleGesture_class_type", &class_type<K>>,
      overload<"new_CircleGesture",
               "Quon::CircleGesture::CircleGesture()\n"
               "Quon::CircleGesture::CircleGesture(Quon::Gesture const &)",
               variant<"new_CircleGesture", &construct<K>>,
               variant<"new_CircleGesture", &construct_from<K, Gesture>, Ref<Gesture>>>,
      getter<"CircleGesture_center_get", &K::center>,
      getter<"CircleGesture_normal_get", &K::normal>,
      getter<"CircleGesture_progress_get", &K::progress>,
      getter<"CircleGesture_radius_get", &K::radius>,
      getter<"CircleGesture_pointable_get", &K::pointable>,
      dtor<"delete_CircleGesture", K>,
      registration<"CircleGesture_swigregister", K>,
  };
}

Block screen_tap_gesture() {
  using K = ScreenTapGesture;
  return {
      fn<"ScreenTapGesture_class_type", &class_type<K>>,
      overload<"new_ScreenTapGesture",
               "Quon::ScreenTapGesture::ScreenTapGesture()\n"
               "Quon::ScreenTapGesture::ScreenTapGesture(Quon::Gesture const &)",
               variant<"new_ScreenTapGesture", &construct<K>>,
               variant<"new_ScreenTapGesture", &construct_from<K, Gesture>, Ref<Gesture>>>,
      getter<"ScreenTapGesture_position_get", &K::position>,
      getter<"ScreenTapGesture_direction_get", &K::direction>,
      getter<"ScreenTapGesture_progress_get", &K::progress>,
      getter<"ScreenTapGesture_pointable_get", &K::pointable>,
      dtor<"delete_ScreenTapGesture", K>,
      registration<"ScreenTapGesture_swigregister", K>,
  };
}

Block key_tap_gesture() {
  using K = KeyTapGesture;
  return {
      fn<"KeyTapGesture_class_type", &class_type<K>>,
      overload<"new_KeyTapGesture",
               "Quon::KeyTapGesture::KeyTapGesture()\n"
               "Quon::KeyTapGesture::KeyTapGesture(Quon::Gesture const &)",
               variant<"new_KeyTapGesture", &construct<K>>,
               variant<"new_KeyTapGesture", &construct_from<K, Gesture>, Ref<Gesture>>>,
      getter<"KeyTapGesture_position_get", &K::position>,
      getter<"KeyTapGesture_direction_get", &K::direction>,
      getter<"KeyTapGesture_progress_get", &K::progress>,
      getter<"KeyTapGesture_pointable_get", &K::pointable>,
      dtor<"delete_KeyTapGesture", K>,
      registration<"KeyTapGesture_swigregister", K>,
  };
}

}  // namespace quon::blocks
