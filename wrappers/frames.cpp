// Quon::InteractionBox and Quon::Frame: their module functions, including
// the copying of a frame's serialised bytes into and out of a caller's buffer.
#include <cstddef>
#include <cstdio>

#include "../containers/arrays.h"
#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::Frame;
using Quon::GestureList;
using Quon::InteractionBox;
using Quon::Vector;

Vector normalize_point(const InteractionBox* box, const Vector& point) {
  return box->normalizePoint(point, true);
}
Vector normalize_point_clamped(const InteractionBox* box, const Vector& point, bool clamp) {
  return box->normalizePoint(point, clamp);
}

GestureList gestures(const Frame* frame) { return frame->gestures(); }
GestureList gestures_since(const Frame* frame, const Frame& since) {
  return frame->gestures(since);
}

float rotation_angle(const Frame* frame, const Frame& since) { return frame->rotationAngle(since); }
float rotation_angle_about(const Frame* frame, const Frame& since, const Vector& axis) {
  return frame->rotationAngle(since, axis);
}

// The buffer that Frame_deserialize reads, named as the library declares it.
struct ConstBuffer : arrays::Buffer<unsigned char> {
  static const char* name() { return "unsigned char const *"; }
  static const char* suffix() { return ""; }
};

// A byte count: an int that may not be negative (the library takes it
// unsigned, so -1 would mean four gigabytes).
int as_byte_count(PyObject* obj, int* out) {
  int value;
  int code = as_signed<int>(obj, &value);
  if (!ok(code)) return code;
  if (value < 0) return kOverflowError;
  if (out) *out = value;
  return kOk;
}
using ByteCount = Value<int, as_byte_count, "int">;

// Copies the serialised frame into the buffer (refused when a known block is
// too short for it).
void serialize(const Frame* frame, unsigned char* buffer) {
  unsigned int length = 0;
  const char* bytes = frame->serializeCString(length);
  arrays::copy_into("Frame_serialize", buffer, bytes, length);
}

void deserialize(Frame* frame, const unsigned char* buffer, int length) {
  arrays::check_size("Frame_deserialize", buffer, static_cast<std::size_t>(length));
  frame->deserializeCString(reinterpret_cast<const char*>(buffer), static_cast<unsigned int>(length));
}

int serialize_length(Frame* frame) {
  unsigned int length = 0;
  frame->serializeCString(length);
  return static_cast<int>(length);
}

}  // namespace

Block interaction_box() {
  using B = InteractionBox;
  return {
      ctor<"new_InteractionBox", B>,
      overload<"InteractionBox_normalize_point",
               "Quon::InteractionBox::normalizePoint(Quon::Vector const &,bool) const\n"
               "Quon::InteractionBox::normalizePoint(Quon::Vector const &) const",
               variant<"InteractionBox_normalize_point", &normalize_point, Self<B>, Ref<Vector>>,
               variant<"InteractionBox_normalize_point", &normalize_point_clamped, Self<B>,
                       Ref<Vector>, Bool>>,
      method<"InteractionBox_denormalize_point", &B::denormalizePoint, Ref<Vector>>,
      equal<"InteractionBox___eq__", B>,
      not_equal<"InteractionBox___ne__", B>,
      str<"InteractionBox___str__", B>,
      getter<"InteractionBox_center_get", &B::center>,
      getter<"InteractionBox_width_get", &B::width>,
      getter<"InteractionBox_height_get", &B::height>,
      getter<"InteractionBox_depth_get", &B::depth>,
      getter<"InteractionBox_is_valid_get", &B::isValid>,
      dtor<"delete_InteractionBox", B>,
      registration<"InteractionBox_swigregister", B>,
  };
}

Block frame() {
  return {
      ctor<"new_Frame", Frame>,
      method<"Frame_hand", &Frame::hand, Int<"int32_t">>,
      method<"Frame_pointable", &Frame::pointable, Int<"int32_t">>,
      method<"Frame_finger", &Frame::finger, Int<"int32_t">>,
      method<"Frame_tool", &Frame::tool, Int<"int32_t">>,
      method<"Frame_gesture", &Frame::gesture, Int<"int32_t">>,
      overload<"Frame_gestures",
               "Quon::Frame::gestures() const\n"
               "Quon::Frame::gestures(Quon::Frame const &) const",
               variant<"Frame_gestures", &gestures, Self<Frame>>,
               variant<"Frame_gestures", &gestures_since, Self<Frame>, Ref<Frame>>>,
      method<"Frame_translation", &Frame::translation, Ref<Frame>>,
      method<"Frame_translation_probability", &Frame::translationProbability, Ref<Frame>>,
      method<"Frame_rotation_axis", &Frame::rotationAxis, Ref<Frame>>,
      overload<"Frame_rotation_angle",
               "Quon::Frame::rotationAngle(Quon::Frame const &) const\n"
               "Quon::Frame::rotationAngle(Quon::Frame const &,Quon::Vector const &) const",
               variant<"Frame_rotation_angle", &rotation_angle, Self<Frame>, Ref<Frame>>,
               variant<"Frame_rotation_angle", &rotation_angle_about, Self<Frame>, Ref<Frame>,
                       Ref<Vector>>>,
      method<"Frame_rotation_matrix", &Frame::rotationMatrix, Ref<Frame>>,
      method<"Frame_rotation_probability", &Frame::rotationProbability, Ref<Frame>>,
      method<"Frame_scale_factor", &Frame::scaleFactor, Ref<Frame>>,
      method<"Frame_scale_probability", &Frame::scaleProbability, Ref<Frame>>,
      equal<"Frame___eq__", Frame>,
      not_equal<"Frame___ne__", Frame>,
      fn<"Frame_serialize", &serialize, Self<Frame>, arrays::Buffer<unsigned char>>,
      fn<"Frame_deserialize", &deserialize, Changed<Frame>, ConstBuffer, ByteCount>,
      str<"Frame___str__", Frame>,
      getter<"Frame_id_get", &Frame::id>,
      getter<"Frame_timestamp_get", &Frame::timestamp>,
      getter<"Frame_current_frames_per_second_get", &Frame::currentFramesPerSecond>,
      getter<"Frame_pointables_get", &Frame::pointables>,
      getter<"Frame_fingers_get", &Frame::fingers>,
      getter<"Frame_tools_get", &Frame::tools>,
      getter<"Frame_hands_get", &Frame::hands>,
      getter<"Frame_images_get", &Frame::images>,
      getter<"Frame_is_valid_get", &Frame::isValid>,
      getter<"Frame_interaction_box_get", &Frame::interactionBox>,
      fn<"Frame_serialize_length_get", &serialize_length, SelfMut<Frame>>,
      getter<"Frame_tracked_quad_get", &Frame::trackedQuad>,
      dtor<"delete_Frame", Frame>,
      registration<"Frame_swigregister", Frame>,
  };
}

}  // namespace quon::blocks
