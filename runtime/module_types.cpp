// The descriptors of this module's 49 types, sorted by name, and the lists of
// types whose pointers each one accepts.
#include "module_types.h"

namespace quon::rt {
namespace {

// Every accepted conversion has its own converter; in this single-inheritance
// tree (and for the raw arrays, whose blocks are their elements) a pointer of
// the source type is already a pointer of the target type.
template <int Conversion>
void* same_address(void* address) {
  return address;
}

SwigTypeDescriptor descriptors[kTypeCount] = {
    {"_p_Quon__Arm", "Quon::Arm *", nullptr, nullptr, 0},
    {"_p_Quon__Bone", "Quon::Bone *", nullptr, nullptr, 0},
    {"_p_Quon__BugReport", "Quon::BugReport *", nullptr, nullptr, 0},
    {"_p_Quon__CircleGesture", "Quon::CircleGesture *", nullptr, nullptr, 0},
    {"_p_Quon__Config", "Quon::Config *", nullptr, nullptr, 0},
    {"_p_Quon__Controller", "Quon::Controller *", nullptr, nullptr, 0},
    {"_p_Quon__Device", "Quon::Device *", nullptr, nullptr, 0},
    {"_p_Quon__DeviceList", "Quon::DeviceList *", nullptr, nullptr, 0},
    {"_p_Quon__Finger", "Quon::Finger *", nullptr, nullptr, 0},
    {"_p_Quon__FingerList", "Quon::FingerList *", nullptr, nullptr, 0},
    {"_p_Quon__Frame", "Quon::Frame *", nullptr, nullptr, 0},
    {"_p_Quon__Gesture", "Quon::Gesture *", nullptr, nullptr, 0},
    {"_p_Quon__GestureList", "Quon::GestureList *", nullptr, nullptr, 0},
    {"_p_Quon__Hand", "Quon::Hand *", nullptr, nullptr, 0},
    {"_p_Quon__HandList", "Quon::HandList *", nullptr, nullptr, 0},
    {"_p_Quon__Image", "Quon::Image *", nullptr, nullptr, 0},
    {"_p_Quon__ImageList", "Quon::ImageList *", nullptr, nullptr, 0},
    {"_p_Quon__InteractionBox", "Quon::InteractionBox *", nullptr, nullptr, 0},
    {"_p_Quon__Interface", "Quon::Interface *", nullptr, nullptr, 0},
    {"_p_Quon__KeyTapGesture", "Quon::KeyTapGesture *", nullptr, nullptr, 0},
    {"_p_Quon__Listener", "Quon::Listener *", nullptr, nullptr, 0},
    {"_p_Quon__Mask", "Quon::Mask *", nullptr, nullptr, 0},
    {"_p_Quon__MaskList", "Quon::MaskList *", nullptr, nullptr, 0},
    {"_p_Quon__Matrix", "Quon::Matrix *", nullptr, nullptr, 0},
    {"_p_Quon__Pointable", "Quon::Pointable *", nullptr, nullptr, 0},
    {"_p_Quon__PointableList", "Quon::PointableList *", nullptr, nullptr, 0},
    {"_p_Quon__Screen", "Quon::Screen *", nullptr, nullptr, 0},
    {"_p_Quon__ScreenList", "Quon::ScreenList *", nullptr, nullptr, 0},
    {"_p_Quon__ScreenTapGesture", "Quon::ScreenTapGesture *", nullptr, nullptr, 0},
    {"_p_Quon__SwipeGesture", "Quon::SwipeGesture *", nullptr, nullptr, 0},
    {"_p_Quon__Tool", "Quon::Tool *", nullptr, nullptr, 0},
    {"_p_Quon__ToolList", "Quon::ToolList *", nullptr, nullptr, 0},
    {"_p_Quon__TrackedQuad", "Quon::TrackedQuad *", nullptr, nullptr, 0},
    {"_p_Quon__Vector", "Quon::Vector *", nullptr, nullptr, 0},
    {"_p_byteArray", "byteArray *", nullptr, nullptr, 0},
    {"_p_char", "char *", nullptr, nullptr, 0},
    {"_p_float", "float *", nullptr, nullptr, 0},
    {"_p_floatArray", "floatArray *", nullptr, nullptr, 0},
    {"_p_int", "intptr_t *|int *|int_least32_t *|int_fast32_t *|int32_t *|int_fast16_t *", nullptr, nullptr, 0},
    {"_p_long_long", "int_least64_t *|int_fast64_t *|int64_t *|long long *|intmax_t *", nullptr, nullptr, 0},
    {"_p_short", "short *|int_least16_t *|int16_t *", nullptr, nullptr, 0},
    {"_p_signed_char", "signed char *|int_least8_t *|int_fast8_t *|int8_t *", nullptr, nullptr, 0},
    {"_p_std__invalid_argument", "std::invalid_argument *", nullptr, nullptr, 0},
    {"_p_swig__SwigPyIterator", "swig::SwigPyIterator *", nullptr, nullptr, 0},
    {"_p_unsigned_char", "unsigned char *|uint_least8_t *|uint_fast8_t *|uint8_t *", nullptr, nullptr, 0},
    {"_p_unsigned_int", "uintptr_t *|uint_least32_t *|uint_fast32_t *|uint32_t *|unsigned int *|uint_fast16_t *", nullptr, nullptr, 0},
    {"_p_unsigned_long_long", "uint_least64_t *|uint_fast64_t *|uint64_t *|unsigned long long *|uintmax_t *", nullptr, nullptr, 0},
    {"_p_unsigned_short", "unsigned short *|uint_least16_t *|uint16_t *", nullptr, nullptr, 0},
    {"_p_void", "void *", nullptr, nullptr, 0},
};

SwigTypeDescriptor* own_types[kTypeCount];

#define SELF(ID) {&descriptors[ID], nullptr, nullptr, nullptr}
#define FROM(ID, N) {&descriptors[ID], same_address<N>, nullptr, nullptr}
#define END {nullptr, nullptr, nullptr, nullptr}

SwigCastEntry interface_casts[] = {
    SELF(kInterface),
    FROM(kHandList, 0), FROM(kFrame, 1), FROM(kInteractionBox, 2), FROM(kImageList, 3),
    FROM(kFingerList, 4), FROM(kBone, 5), FROM(kMaskList, 6), FROM(kGesture, 7),
    FROM(kKeyTapGesture, 8), FROM(kScreenTapGesture, 9), FROM(kCircleGesture, 10),
    FROM(kSwipeGesture, 11), FROM(kScreenList, 12), FROM(kGestureList, 13), FROM(kMask, 14),
    FROM(kPointable, 15), FROM(kPointableList, 16), FROM(kConfig, 17), FROM(kFinger, 18),
    FROM(kTrackedQuad, 19), FROM(kToolList, 20), FROM(kDeviceList, 21), FROM(kDevice, 22),
    FROM(kBugReport, 23), FROM(kController, 24), FROM(kScreen, 25), FROM(kArm, 26),
    FROM(kTool, 27), FROM(kHand, 28), FROM(kImage, 29),
    END};
SwigCastEntry gesture_casts[] = {SELF(kGesture), FROM(kSwipeGesture, 30), FROM(kCircleGesture, 31),
                                 FROM(kScreenTapGesture, 32), FROM(kKeyTapGesture, 33), END};
SwigCastEntry pointable_casts[] = {SELF(kPointable), FROM(kFinger, 34), FROM(kTool, 35), END};
SwigCastEntry float_casts[] = {SELF(kFloat), FROM(kFloatArray, 36), END};
SwigCastEntry unsigned_char_casts[] = {SELF(kUnsignedChar), FROM(kByteArray, 37), END};

// Types that accept only themselves.
SwigCastEntry self_casts[kTypeCount][2];
SwigCastEntry* initial_casts[kTypeCount];

#undef SELF
#undef FROM
#undef END

}  // namespace

SwigModuleRegistry swig_module = {{}, kTypeCount, nullptr, nullptr, nullptr};

void module_registry_initialise() {
  if (!swig_module.next) {
    for (unsigned i = 0; i < kTypeCount; ++i) {
      own_types[i] = &descriptors[i];
      self_casts[i][0] = {&descriptors[i], nullptr, nullptr, nullptr};
      self_casts[i][1] = {nullptr, nullptr, nullptr, nullptr};
      initial_casts[i] = self_casts[i];
    }
    initial_casts[kInterface] = interface_casts;
    initial_casts[kGesture] = gesture_casts;
    initial_casts[kPointable] = pointable_casts;
    initial_casts[kFloat] = float_casts;
    initial_casts[kUnsignedChar] = unsigned_char_casts;
  }
  registry_initialise(swig_module, own_types, initial_casts);
}

}  // namespace quon::rt
