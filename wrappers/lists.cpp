#include "../runtime/blocks.h"
#include "Quon.h"

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

namespace {

using Quon::Screen;
using Quon::ScreenList;

// append changes the receiver's list and hands back that same list, not owned.
template <class L>
Alias<L> appended_list(L* list, const L& other) {
  return {&list->append(other)};
}

Screen closest_hit_pointable(const ScreenList* list, const Quon::Pointable& pointable) {
  return list->closestScreenHit(pointable);
}
Screen closest_hit_ray(const ScreenList* list, const Quon::Vector& position,
                       const Quon::Vector& direction) {
  return list->closestScreenHit(position, direction);
}

}  // namespace

Block screen_list() {
  using L = ScreenList;
  return {
      ctor<"new_ScreenList", L>,
      method<"ScreenList___len__", &L::count>,
      method<"ScreenList___getitem__", &L::operator[], Int<>>,
      overload<"ScreenList_closest_screen_hit",
               "Quon::ScreenList::closestScreenHit(Quon::Pointable const &) const\n"
               "Quon::ScreenList::closestScreenHit(Quon::Vector const &,Quon::Vector const &) const",
               variant<"ScreenList_closest_screen_hit", &closest_hit_pointable, Self<L>,
                       Ref<Quon::Pointable>>,
               variant<"ScreenList_closest_screen_hit", &closest_hit_ray, Self<L>, Ref<Quon::Vector>,
                       Ref<Quon::Vector>>>,
      method<"ScreenList_closest_screen", &L::closestScreen, Ref<Quon::Vector>>,
      getter<"ScreenList_is_empty_get", &L::isEmpty>,
      dtor<"delete_ScreenList", L>,
      registration<"ScreenList_swigregister", L>,
  };
}

Block device_list() {
  using L = Quon::DeviceList;
  return {
      ctor<"new_DeviceList", L>,
      method<"DeviceList___len__", &L::count>,
      method<"DeviceList___getitem__", &L::operator[], Int<>>,
      fn<"DeviceList_append", &appended_list<L>, SelfMut<L>, Ref<L>>,
      getter<"DeviceList_is_empty_get", &L::isEmpty>,
      dtor<"delete_DeviceList", L>,
      registration<"DeviceList_swigregister", L>,
  };
}

Block image_list() {
  using L = Quon::ImageList;
  return {
      ctor<"new_ImageList", L>,
      method<"ImageList___len__", &L::count>,
      method<"ImageList___getitem__", &L::operator[], Int<>>,
      fn<"ImageList_append", &appended_list<L>, SelfMut<L>, Ref<L>>,
      getter<"ImageList_is_empty_get", &L::isEmpty>,
      dtor<"delete_ImageList", L>,
      registration<"ImageList_swigregister", L>,
  };
}

Block mask_list() {
  using L = Quon::MaskList;
  return {
      ctor<"new_MaskList", L>,
      method<"MaskList___len__", &L::count>,
      method<"MaskList___getitem__", &L::operator[], Int<>>,
      fn<"MaskList_append", &appended_list<L>, SelfMut<L>, Ref<L>>,
      getter<"MaskList_is_empty_get", &L::isEmpty>,
      dtor<"delete_MaskList", L>,
      registration<"MaskList_swigregister", L>,
  };
}

}  // namespace quon::blocks
