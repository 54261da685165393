#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block pointable() {
  return {
      registration<"Pointable_swigregister", Quon::Pointable>,
  };
}

Block arm() {
  return {
      registration<"Arm_swigregister", Quon::Arm>,
  };
}

Block bone() {
  return {
      registration<"Bone_swigregister", Quon::Bone>,
  };
}

Block finger() {
  return {
      registration<"Finger_swigregister", Quon::Finger>,
  };
}

Block tool() {
  return {
      registration<"Tool_swigregister", Quon::Tool>,
  };
}

}  // namespace quon::blocks
