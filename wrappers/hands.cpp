// Quon::Hand: its module functions.
#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::Frame;
using Quon::Hand;
using Quon::Vector;

float rotation_angle(const Hand* hand, const Frame& since) { return hand->rotationAngle(since); }
float rotation_angle_about(const Hand* hand, const Frame& since, const Vector& axis) {
  return hand->rotationAngle(since, axis);
}

}  // namespace

Block hand() {
  return {
      ctor<"new_Hand", Hand>,
      method<"Hand_pointable", &Hand::pointable, Int<"int32_t">>,
      method<"Hand_finger", &Hand::finger, Int<"int32_t">>,
      method<"Hand_tool", &Hand::tool, Int<"int32_t">>,
      method<"Hand_translation", &Hand::translation, Ref<Frame>>,
      method<"Hand_translation_probability", &Hand::translationProbability, Ref<Frame>>,
      method<"Hand_rotation_axis", &Hand::rotationAxis, Ref<Frame>>,
      overload<"Hand_rotation_angle",
               "Quon::Hand::rotationAngle(Quon::Frame const &) const\n"
               "Quon::Hand::rotationAngle(Quon::Frame const &,Quon::Vector const &) const",
               variant<"Hand_rotation_angle", &rotation_angle, Self<Hand>, Ref<Frame>>,
               variant<"Hand_rotation_angle", &rotation_angle_about, Self<Hand>, Ref<Frame>,
                       Ref<Vector>>>,
      method<"Hand_rotation_matrix", &Hand::rotationMatrix, Ref<Frame>>,
      method<"Hand_rotation_probability", &Hand::rotationProbability, Ref<Frame>>,
      method<"Hand_scale_factor", &Hand::scaleFactor, Ref<Frame>>,
      method<"Hand_scale_probability", &Hand::scaleProbability, Ref<Frame>>,
      equal<"Hand___eq__", Hand>,
      not_equal<"Hand___ne__", Hand>,
      str<"Hand___str__", Hand>,
      getter<"Hand_id_get", &Hand::id>,
      getter<"Hand_pointables_get", &Hand::pointables>,
      getter<"Hand_fingers_get", &Hand::fingers>,
      getter<"Hand_tools_get", &Hand::tools>,
      getter<"Hand_palm_position_get", &Hand::palmPosition>,
      getter<"Hand_palm_velocity_get", &Hand::palmVelocity>,
      getter<"Hand_palm_normal_get", &Hand::palmNormal>,
      getter<"Hand_direction_get", &Hand::direction>,
      getter<"Hand_basis_get", &Hand::basis>,
      getter<"Hand_is_valid_get", &Hand::isValid>,
      getter<"Hand_sphere_center_get", &Hand::sphereCenter>,
      getter<"Hand_sphere_radius_get", &Hand::sphereRadius>,
      getter<"Hand_grab_strength_get", &Hand::grabStrength>,
      getter<"Hand_pinch_strength_get", &Hand::pinchStrength>,
      getter<"Hand_palm_width_get", &Hand::palmWidth>,
      getter<"Hand_stabilized_palm_position_get", &Hand::stabilizedPalmPosition>,
      getter<"Hand_wrist_position_get", &Hand::wristPosition>,
      getter<"Hand_time_visible_get", &Hand::timeVisible>,
      getter<"Hand_confidence_get", &Hand::confidence>,
      getter<"Hand_is_left_get", &Hand::isLeft>,
      getter<"Hand_is_right_get", &Hand::isRight>,
      getter<"Hand_frame_get", &Hand::frame>,
      getter<"Hand_arm_get", &Hand::arm>,
      dtor<"delete_Hand", Hand>,
      registration<"Hand_swigregister", Hand>,
  };
}

}  // namespace quon::blocks
