#include "../runtime/blocks.h"

namespace quon::blocks {

using namespace tk;

Block pointable_list() {
  return {
      registration<"PointableList_swigregister", Quon::PointableList>,
  };
}

Block finger_list() {
  return {
      registration<"FingerList_swigregister", Quon::FingerList>,
  };
}

Block tool_list() {
  return {
      registration<"ToolList_swigregister", Quon::ToolList>,
  };
}

Block hand_list() {
  return {
      registration<"HandList_swigregister", Quon::HandList>,
  };
}

Block gesture_list() {
  return {
      registration<"GestureList_swigregister", Quon::GestureList>,
  };
}

Block screen_list() {
  return {
      registration<"ScreenList_swigregister", Quon::ScreenList>,
  };
}

Block device_list() {
  return {
      registration<"DeviceList_swigregister", Quon::DeviceList>,
  };
}

Block image_list() {
  return {
      registration<"ImageList_swigregister", Quon::ImageList>,
  };
}

Block mask_list() {
  return {
      registration<"MaskList_swigregister", Quon::MaskList>,
  };
}

}  // namespace quon::blocks
