// Quon::Screen and Quon::Device: located screens with their ray intersection
// and projection overloads, and attached devices with their serial number.
#include "../runtime/blocks.h"
#include "Quon.h"
#include "library_string.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::Device;
using Quon::Pointable;
using Quon::Screen;
using V = Quon::Vector;

V intersect_pointable(const Screen* s, const Pointable& p, bool normalize) {
  return s->intersect(p, normalize, 1.0f);
}
V intersect_pointable_clamped(const Screen* s, const Pointable& p, bool normalize, float clamp) {
  return s->intersect(p, normalize, clamp);
}
V intersect_ray(const Screen* s, const V& position, const V& direction, bool normalize) {
  return s->intersect(position, direction, normalize, 1.0f);
}
V intersect_ray_clamped(const Screen* s, const V& position, const V& direction, bool normalize,
                        float clamp) {
  return s->intersect(position, direction, normalize, clamp);
}
V project(const Screen* s, const V& position, bool normalize) {
  return s->project(position, normalize, 1.0f);
}
V project_clamped(const Screen* s, const V& position, bool normalize, float clamp) {
  return s->project(position, normalize, clamp);
}

std::string serial_number(Device* device) {
  return take_library_string(device->serialNumberCString());
}

}  // namespace

Block screen() {
  return {
      ctor<"new_Screen", Screen>,
      overload<"Screen_intersect",
               "Quon::Screen::intersect(Quon::Pointable const &,bool,float) const\n"
               "Quon::Screen::intersect(Quon::Pointable const &,bool) const\n"
               "Quon::Screen::intersect(Quon::Vector const &,Quon::Vector const &,bool,float) const\n"
               "Quon::Screen::intersect(Quon::Vector const &,Quon::Vector const &,bool) const",
               variant<"Screen_intersect", &intersect_pointable, Self<Screen>, Ref<Pointable>, Bool>,
               variant<"Screen_intersect", &intersect_pointable_clamped, Self<Screen>,
                       Ref<Pointable>, Bool, Float>,
               variant<"Screen_intersect", &intersect_ray, Self<Screen>, Ref<V>, Ref<V>, Bool>,
               variant<"Screen_intersect", &intersect_ray_clamped, Self<Screen>, Ref<V>, Ref<V>,
                       Bool, Float>>,
      overload<"Screen_project",
               "Quon::Screen::project(Quon::Vector const &,bool,float) const\n"
               "Quon::Screen::project(Quon::Vector const &,bool) const",
               variant<"Screen_project", &project, Self<Screen>, Ref<V>, Bool>,
               variant<"Screen_project", &project_clamped, Self<Screen>, Ref<V>, Bool, Float>>,
      method<"Screen_normal", &Screen::normal>,
      method<"Screen_distance_to_point", &Screen::distanceToPoint, Ref<V>>,
      equal<"Screen___eq__", Screen>,
      not_equal<"Screen___ne__", Screen>,
      str<"Screen___str__", Screen>,
      getter<"Screen_id_get", &Screen::id>,
      getter<"Screen_horizontal_axis_get", &Screen::horizontalAxis>,
      getter<"Screen_vertical_axis_get", &Screen::verticalAxis>,
      getter<"Screen_bottom_left_corner_get", &Screen::bottomLeftCorner>,
      getter<"Screen_width_pixels_get", &Screen::widthPixels>,
      getter<"Screen_height_pixels_get", &Screen::heightPixels>,
      getter<"Screen_is_valid_get", &Screen::isValid>,
      dtor<"delete_Screen", Screen>,
      registration<"Screen_swigregister", Screen>,
  };
}

Block device() {
  return {
      ctor<"new_Device", Device>,
      method<"Device_distance_to_boundary", &Device::distanceToBoundary, Ref<V>>,
      equal<"Device___eq__", Device>,
      not_equal<"Device___ne__", Device>,
      str<"Device___str__", Device>,
      getter<"Device_horizontal_view_angle_get", &Device::horizontalViewAngle>,
      getter<"Device_vertical_view_angle_get", &Device::verticalViewAngle>,
      getter<"Device_range_get", &Device::range>,
      getter<"Device_baseline_get", &Device::baseline>,
      getter<"Device_is_valid_get", &Device::isValid>,
      getter<"Device_is_embedded_get", &Device::isEmbedded>,
      getter<"Device_is_streaming_get", &Device::isStreaming>,
      getter<"Device_is_flipped_get", &Device::isFlipped>,
      getter<"Device_type_get", &Device::type>,
      fn<"Device_serial_number_get", &serial_number, SelfMut<Device>>,
      getter<"Device_position_get", &Device::position>,
      getter<"Device_orientation_get", &Device::orientation>,
      dtor<"delete_Device", Device>,
      registration<"Device_swigregister", Device>,
  };
}

}  // namespace quon::blocks
