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
