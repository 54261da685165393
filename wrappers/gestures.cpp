#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block gesture() {
  return {
      registration<"Gesture_swigregister", Quon::Gesture>,
  };
}

Block swipe_gesture() {
  return {
      registration<"SwipeGesture_swigregister", Quon::SwipeGesture>,
  };
}

Block circle_gesture() {
  return {
      registration<"CircleGesture_swigregister", Quon::CircleGesture>,
  };
}

Block screen_tap_gesture() {
  return {
      registration<"ScreenTapGesture_swigregister", Quon::ScreenTapGesture>,
  };
}

Block key_tap_gesture() {
  return {
      registration<"KeyTapGesture_swigregister", Quon::KeyTapGesture>,
  };
}

}  // namespace quon::blocks
