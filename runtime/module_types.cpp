// The descriptors of this module's 49 types, sorted by name, and the lists of
// types whose pointers each one accepts.
#include "module_types.h"

namespace quon::rt {
namespace {

// Every accepted conversion has its own converter: the upcast from the
// library class to its base (which the compiler checks; in this single-
// inheritance tree it keeps the address), or for the raw arrays, whose
// blocks are their elements, the same address.
template <class From, class To>
void* upcast(void* address) {
  return static_cast<To*>(static_cast<From*>(address));
}
template <class Array>
void* elements_of(void* address) {
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
#define FROM(CLASS, BASE) {&descriptors[k##CLASS], upcast<Quon::CLASS, Quon::BASE>, nullptr, nullptr}
#define END {nullptr, nullptr, nullptr, nullptr}

SwigCastEntry interface_casts[] = {
    SELF(kInterface),
    FROM(HandList, Interface), FROM(Frame, Interface), FROM(InteractionBox, Interface),
    FROM(ImageList, Interface), FROM(FingerList, Interface), FROM(Bone, Interface),
    FROM(MaskList, Interface), FROM(Gesture, Interface), FROM(KeyTapGesture, Interface),
    FROM(ScreenTapGesture, Interface), FROM(CircleGesture, Interface), FROM(SwipeGesture, Interface),
    FROM(ScreenList, Interface), FROM(GestureList, Interface), FROM(Mask, Interface),
    FROM(Pointable, Interface), FROM(PointableList, Interface), FROM(Config, Interface),
    FROM(Finger, Interface), FROM(TrackedQuad, Interface), FROM(ToolList, Interface),
    FROM(DeviceList, Interface), FROM(Device, Interface), FROM(BugReport, Interface),
    FROM(Controller, Interface), FROM(Screen, Interface), FROM(Arm, Interface),
    FROM(Tool, Interface), FROM(Hand, Interface), FROM(Image, Interface),
    END};
SwigCastEntry gesture_casts[] = {SELF(kGesture), FROM(SwipeGesture, Gesture), FROM(CircleGesture, Gesture),
                                 FROM(ScreenTapGesture, Gesture), FROM(KeyTapGesture, Gesture), END};
SwigCastEntry pointable_casts[] = {SELF(kPointable), FROM(Finger, Pointable), FROM(Tool, Pointable), END};
SwigCastEntry float_casts[] = {
    SELF(kFloat), {&descriptors[kFloatArray], elements_of<floatArray>, nullptr, nullptr}, END};
SwigCastEntry unsigned_char_casts[] = {
    SELF(kUnsignedChar), {&descriptors[kByteArray], elements_of<byteArray>, nullptr, nullptr}, END};

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
