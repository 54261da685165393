// Quon::Pointable, Arm, Bone, Finger and Tool: their module functions.
#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::Arm;
using Quon::Bone;
using Quon::Finger;
using Quon::Pointable;
using Quon::Tool;

}  // namespace

Block pointable() {
  return {
      ctor<"new_Pointable", Pointable>,
      equal<"Pointable___eq__", Pointable>,
      not_equal<"Pointable___ne__", Pointable>,
      str<"Pointable___str__", Pointable>,
      getter<"Pointable_id_get", &Pointable::id>,
      getter<"Pointable_hand_get", &Pointable::hand>,
      getter<"Pointable_tip_position_get", &Pointable::tipPosition>,
      getter<"Pointable_tip_velocity_get", &Pointable::tipVelocity>,
      getter<"Pointable_direction_get", &Pointable::direction>,
      getter<"Pointable_width_get", &Pointable::width>,
      getter<"Pointable_length_get", &Pointable::length>,
      getter<"Pointable_is_tool_get", &Pointable::isTool>,
      getter<"Pointable_is_finger_get", &Pointable::isFinger>,
      getter<"Pointable_is_extended_get", &Pointable::isExtended>,
      getter<"Pointable_is_valid_get", &Pointable::isValid>,
      getter<"Pointable_touch_zone_get", &Pointable::touchZone>,
      getter<"Pointable_touch_distance_get", &Pointable::touchDistance>,
      getter<"Pointable_stabilized_tip_position_get", &Pointable::stabilizedTipPosition>,
      getter<"Pointable_time_visible_get", &Pointable::timeVisible>,
      getter<"Pointable_frame_get", &Pointable::frame>,
      dtor<"delete_Pointable", Pointable>,
      registration<"Pointable_swigregister", Pointable>,
  };
}

Block arm() {
  return {
      ctor<"new_Arm", Arm>,
      equal<"Arm___eq__", Arm>,
      not_equal<"Arm___ne__", Arm>,
      str<"Arm___str__", Arm>,
      getter<"Arm_width_get", &Arm::width>,
      getter<"Arm_center_get", &Arm::center>,
      getter<"Arm_direction_get", &Arm::direction>,
      getter<"Arm_basis_get", &Arm::basis>,
      getter<"Arm_elbow_position_get", &Arm::elbowPosition>,
      getter<"Arm_wrist_position_get", &Arm::wristPosition>,
      getter<"Arm_is_valid_get", &Arm::isValid>,
      dtor<"delete_Arm", Arm>,
      registration<"Arm_swigregister", Arm>,
  };
}

Block bone() {
  return {
      ctor<"new_Bone", Bone>,
      equal<"Bone___eq__", Bone>,
      not_equal<"Bone___ne__", Bone>,
      str<"Bone___str__", Bone>,
      getter<"Bone_prev_joint_get", &Bone::prevJoint>,
      getter<"Bone_next_joint_get", &Bone::nextJoint>,
      getter<"Bone_center_get", &Bone::center>,
      getter<"Bone_direction_get", &Bone::direction>,
      getter<"Bone_length_get", &Bone::length>,
      getter<"Bone_width_get", &Bone::width>,
      getter<"Bone_type_get", &Bone::type>,
      getter<"Bone_basis_get", &Bone::basis>,
      getter<"Bone_is_valid_get", &Bone::isValid>,
      dtor<"delete_Bone", Bone>,
      registration<"Bone_swigregister", Bone>,
  };
}

Block finger() {
  return {
      overload<"new_Finger",
               "Quon::Finger::Finger()\n"
               "Quon::Finger::Finger(Quon::Pointable const &)",
               variant<"new_Finger", &construct<Finger>>,
               variant<"new_Finger", &construct_from<Finger, Pointable>, Ref<Pointable>>>,
      method<"Finger_joint_position", &Finger::jointPosition,
             Enum<Finger::Joint, "Quon::Finger::Joint">>,
      method<"Finger_bone", &Finger::bone, Enum<Bone::Type, "Quon::Bone::Type">>,
      str<"Finger___str__", Finger>,
      getter<"Finger_type_get", &Finger::type>,
      dtor<"delete_Finger", Finger>,
      registration<"Finger_swigregister", Finger>,
  };
}

Block tool() {
  return {
      overload<"new_Tool",
               "Quon::Tool::Tool()\n"
               "Quon::Tool::Tool(Quon::Pointable const &)",
               variant<"new_Tool", &construct<Tool>>,
               variant<"new_Tool", &construct_from<Tool, Pointable>, Ref<Pointable>>>,
      str<"Tool___str__", Tool>,
      dtor<"delete_Tool", Tool>,
      registration<"Tool_swigregister", Tool>,
  };
}

}  // namespace quon::blocks
