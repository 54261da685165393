// The 49 native types of this module, by position in its registry, and the
// mapping from C++ types to them.
#ifndef QUON_RUNTIME_MODULE_TYPES_H
#define QUON_RUNTIME_MODULE_TYPES_H

#include <stdexcept>

#include "Quon.h"
#include "registry.h"

namespace swig {
class SwigPyIterator;
}

// The raw element blocks: opaque types whose address is element 0.
struct byteArray;
struct floatArray;

namespace quon::rt {

// This module's registry; `types[i]` is the descriptor in use for type i.
extern SwigModuleRegistry swig_module;
void module_registry_initialise();

enum TypeId : unsigned {
  kArm, kBone, kBugReport, kCircleGesture, kConfig, kController, kDevice, kDeviceList,
  kFinger, kFingerList, kFrame, kGesture, kGestureList, kHand, kHandList, kImage,
  kImageList, kInteractionBox, kInterface, kKeyTapGesture, kListener, kMask, kMaskList,
  kMatrix, kPointable, kPointableList, kScreen, kScreenList, kScreenTapGesture,
  kSwipeGesture, kTool, kToolList, kTrackedQuad, kVector,
  kByteArray, kChar, kFloat, kFloatArray, kInt, kLongLong, kShort, kSignedChar,
  kInvalidArgument, kSwigPyIterator, kUnsignedChar, kUnsignedInt, kUnsignedLongLong,
  kUnsignedShort, kVoid,
};

inline SwigTypeDescriptor* type_of(TypeId id) { return swig_module.types[id]; }

// TypeOf<T>: the registry position of T and the name messages use for it.
template <class T> struct TypeOf;
#define QUON_TYPE_OF(T, ID, NAME)                     \
  template <> struct TypeOf<T> {                      \
    static constexpr TypeId id = ID;                  \
    static constexpr const char* name = NAME;         \
  };
QUON_TYPE_OF(Quon::Arm, kArm, "Quon::Arm")
QUON_TYPE_OF(Quon::Bone, kBone, "Quon::Bone")
QUON_TYPE_OF(Quon::BugReport, kBugReport, "Quon::BugReport")
QUON_TYPE_OF(Quon::CircleGesture, kCircleGesture, "Quon::CircleGesture")
QUON_TYPE_OF(Quon::Config, kConfig, "Quon::Config")
QUON_TYPE_OF(Quon::Controller, kController, "Quon::Controller")
QUON_TYPE_OF(Quon::Device, kDevice, "Quon::Device")
QUON_TYPE_OF(Quon::DeviceList, kDeviceList, "Quon::DeviceList")
QUON_TYPE_OF(Quon::Finger, kFinger, "Quon::Finger")
QUON_TYPE_OF(Quon::FingerList, kFingerList, "Quon::FingerList")
QUON_TYPE_OF(Quon::Frame, kFrame, "Quon::Frame")
QUON_TYPE_OF(Quon::Gesture, kGesture, "Quon::Gesture")
QUON_TYPE_OF(Quon::GestureList, kGestureList, "Quon::GestureList")
QUON_TYPE_OF(Quon::Hand, kHand, "Quon::Hand")
QUON_TYPE_OF(Quon::HandList, kHandList, "Quon::HandList")
QUON_TYPE_OF(Quon::Image, kImage, "Quon::Image")
QUON_TYPE_OF(Quon::ImageList, kImageList, "Quon::ImageList")
QUON_TYPE_OF(Quon::InteractionBox, kInteractionBox, "Quon::InteractionBox")
QUON_TYPE_OF(Quon::Interface, kInterface, "Quon::Interface")
QUON_TYPE_OF(Quon::KeyTapGesture, kKeyTapGesture, "Quon::KeyTapGesture")
QUON_TYPE_OF(Quon::Listener, kListener, "Quon::Listener")
QUON_TYPE_OF(Quon::Mask, kMask, "Quon::Mask")
QUON_TYPE_OF(Quon::MaskList, kMaskList, "Quon::MaskList")
QUON_TYPE_OF(Quon::Matrix, kMatrix, "Quon::Matrix")
QUON_TYPE_OF(Quon::Pointable, kPointable, "Quon::Pointable")
QUON_TYPE_OF(Quon::PointableList, kPointableList, "Quon::PointableList")
QUON_TYPE_OF(Quon::Screen, kScreen, "Quon::Screen")
QUON_TYPE_OF(Quon::ScreenList, kScreenList, "Quon::ScreenList")
QUON_TYPE_OF(Quon::ScreenTapGesture, kScreenTapGesture, "Quon::ScreenTapGesture")
QUON_TYPE_OF(Quon::SwipeGesture, kSwipeGesture, "Quon::SwipeGesture")
QUON_TYPE_OF(Quon::Tool, kTool, "Quon::Tool")
QUON_TYPE_OF(Quon::ToolList, kToolList, "Quon::ToolList")
QUON_TYPE_OF(Quon::TrackedQuad, kTrackedQuad, "Quon::TrackedQuad")
QUON_TYPE_OF(Quon::Vector, kVector, "Quon::Vector")
QUON_TYPE_OF(swig::SwigPyIterator, kSwigPyIterator, "swig::SwigPyIterator")
QUON_TYPE_OF(std::invalid_argument, kInvalidArgument, "std::invalid_argument")
QUON_TYPE_OF(void, kVoid, "void")
QUON_TYPE_OF(byteArray, kByteArray, "byteArray")
QUON_TYPE_OF(floatArray, kFloatArray, "floatArray")
QUON_TYPE_OF(char, kChar, "char")
QUON_TYPE_OF(float, kFloat, "float")
QUON_TYPE_OF(unsigned char, kUnsignedChar, "unsigned char")
#undef QUON_TYPE_OF

}  // namespace quon::rt

#endif
