#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {

using namespace tk;

// Appends `other` to `list` in place; the result is the receiver itself,
// wrapped without ownership and keeping the receiver's proxy alive.
template <class List, class Other = List>
static Alias<List> append_to(List* list, const Other& other) {
  return {&list->append(other)};
}

Block pointable_list() {
  using L = Quon::PointableList;
  return {
      ctor<"new_PointableList", L>,
      method<"PointableList___len__", &L::count>,
      method<"PointableList___getitem__", &L::operator[], Int<>>,
      overload<"PointableList_append",
               "Quon::PointableList::append(Quon::PointableList const &)\n"
               "Quon::PointableList::append(Quon::FingerList const &)\n"
               "Quon::PointableList::append(Quon::ToolList const &)",
               variant<"PointableList_append", &append_to<L>, SelfMut<L>, Ref<L>>,
               variant<"PointableList_append", &append_to<L, Quon::FingerList>, SelfMut<L>,
                       Ref<Quon::FingerList>>,
               variant<"PointableList_append", &append_to<L, Quon::ToolList>, SelfMut<L>,
                       Ref<Quon::ToolList>>>,
      method<"PointableList_extended", &L::extended>,
      getter<"PointableList_is_empty_get", &L::isEmpty>,
      getter<"PointableList_leftmost_get", &L::leftmost>,
      getter<"PointableList_rightmost_get", &L::rightmost>,
      getter<"PointableList_frontmost_get", &L::frontmost>,
      dtor<"delete_PointableList", L>,
      registration<"PointableList_swigregister", L>,
  };
}

Block finger_list() {
  using L = Quon::FingerList;
  return {
      ctor<"new_FingerList", L>,
      method<"FingerList___len__", &L::count>,
      method<"FingerList___getitem__", &L::operator[], Int<>>,
      fn<"FingerList_append", &append_to<L>, SelfMut<L>, Ref<L>>,
      method<"FingerList_extended", &L::extended>,
      method<"FingerList_finger_type", &L::fingerType,
             Enum<Quon::Finger::Type, "Quon::Finger::Type">>,
      getter<"FingerList_is_empty_get", &L::isEmpty>,
      getter<"FingerList_leftmost_get", &L::leftmost>,
      getter<"FingerList_rightmost_get", &L::rightmost>,
      getter<"FingerList_frontmost_get", &L::frontmost>,
      dtor<"delete_FingerList", L>,
      registration<"FingerList_swigregister", L>,
  };
}

Block tool_list() {
  using L = Quon::ToolList;
  return {
      ctor<"new_ToolList", L>,
      method<"ToolList___len__", &L::count>,
      method<"ToolList___getitem__", &L::operator[], Int<>>,
      fn<"ToolList_append", &append_to<L>, SelfMut<L>, Ref<L>>,
      getter<"ToolList_is_empty_get", &L::isEmpty>,
      getter<"ToolList_leftmost_get", &L::leftmost>,
      getter<"ToolList_rightmost_get", &L::rightmost>,
      getter<"ToolList_frontmost_get", &L::frontmost>,
      dtor<"delete_ToolList", L>,
      registration<"ToolList_swigregister", L>,
  };
}

Block hand_list() {
  using L = Quon::HandList;
  return {
      ctor<"new_HandList", L>,
      method<"HandList___len__", &L::count>,
      method<"HandList___getitem__", &L::operator[], Int<>>,
      fn<"HandList_append", &append_to<L>, SelfMut<L>, Ref<L>>,
      getter<"HandList_is_empty_get", &L::isEmpty>,
      getter<"HandList_leftmost_get", &L::leftmost>,
      getter<"HandList_rightmost_get", &L::rightmost>,
      getter<"HandList_frontmost_get", &L::frontmost>,
      dtor<"delete_HandList", L>,
      registration<"HandList_swigregister", L>,
  };
}

Block gesture_list() {
  using L = Quon::GestureList;
  return {
      ctor<"new_GestureList", L>,
      method<"GestureList___len__", &L::count>,
      method<"GestureList___getitem__", &L::operator[], Int<>>,
      fn<"GestureList_append", &append_to<L>, SelfMut<L>, Ref<L>>,
      getter<"GestureList_is_empty_get", &L::isEmpty>,
      dtor<"delete_GestureList", L>,
      registration<"GestureList_swigregister", L>,
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
