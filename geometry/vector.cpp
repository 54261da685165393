// Quon::Vector: its module functions, the numeric constants and the fixed
// vectors under cvar.
#include "../runtime/blocks.h"
#include "QuonMath.h"

namespace quon::blocks {
namespace {

using namespace tk;
using V = Quon::Vector;

// The fixed instances. Several variables share one instance (backward is the
// z axis, right the x axis, up the y axis); programs may write into them, but
// no computation of the module reads them. They are constant-initialised,
// so every thread sees their values from the start.
V g_zero = V::zero();
V g_x_axis = V::xAxis();
V g_y_axis = V::yAxis();
V g_z_axis = V::zAxis();
V g_forward = V::forward();
V g_left = V::left();
V g_down = V::down();

// A fixed instance is handed out borrowed and marked as held by the module
// (its proxy's owner is None), so delete_Vector never frees it.
template <V* Instance>
PyObject* fixed_vector() {
  return borrow(Instance);
}

template <float Value>
PyObject* number() {
  return PyFloat_FromDouble(static_cast<double>(Value));
}

NewObject<V> make_zero() { return {new V()}; }
NewObject<V> make_copy(const V& v) { return {new V(v)}; }
NewObject<V> make_components(float x, float y, float z) { return {new V(x, y, z)}; }

V negate(const V* v) { return -*v; }
V add(const V* v, const V& o) { return *v + o; }
V subtract(const V* v, const V& o) { return *v - o; }
V multiply(const V* v, float s) { return *v * s; }
V divide(const V* v, float s) { return *v / s; }
InPlace<V> add_in_place(V* v, const V& o) { *v += o; return {v}; }
InPlace<V> subtract_in_place(V* v, const V& o) { *v -= o; return {v}; }
InPlace<V> multiply_in_place(V* v, float s) { *v *= s; return {v}; }
InPlace<V> divide_in_place(V* v, float s) { *v /= s; return {v}; }
float component(const V* v, unsigned int index) { return (*v)[index]; }

// Component setters ignore a null vector; getters read through the receiver.
template <float V::*Member>
void set_component(V* v, float value) {
  if (v) v->*Member = value;
}
template <float V::*Member>
float get_component(V* v) {
  return v->*Member;
}

}  // namespace

Block vector() {
  return {
      overload<"new_Vector",
               "Quon::Vector::Vector()\n"
               "Quon::Vector::Vector(float,float,float)\n"
               "Quon::Vector::Vector(Quon::Vector const &)",
               variant<"new_Vector", &make_zero>,
               variant<"new_Vector", &make_copy, Ref<V>>,
               variant<"new_Vector", &make_components, Float, Float, Float>>,
      method<"Vector_distance_to", &V::distanceTo, Ref<V>>,
      method<"Vector_angle_to", &V::angleTo, Ref<V>>,
      method<"Vector_dot", &V::dot, Ref<V>>,
      method<"Vector_cross", &V::cross, Ref<V>>,
      fn<"Vector___neg__", &negate, Self<V>>,
      fn<"Vector___add__", &add, Self<V>, Ref<V>>,
      fn<"Vector___sub__", &subtract, Self<V>, Ref<V>>,
      fn<"Vector___mul__", &multiply, Self<V>, Float>,
      fn<"Vector___div__", &divide, Self<V>, Float>,
      fn<"Vector___iadd__", &add_in_place, SelfMut<V>, Ref<V>>,
      fn<"Vector___isub__", &subtract_in_place, SelfMut<V>, Ref<V>>,
      fn<"Vector___imul__", &multiply_in_place, SelfMut<V>, Float>,
      fn<"Vector___idiv__", &divide_in_place, SelfMut<V>, Float>,
      fn<"Vector___str__", &V::toString, Self<V>>,
      equal<"Vector___eq__", V>,
      not_equal<"Vector___ne__", V>,
      method<"Vector_is_valid", &V::isValid>,
      fn<"Vector___getitem__", &component, Self<V>, UInt<>>,
      fn<"Vector_x_set", &set_component<&V::x>, NullableSelf<V>, Float>,
      fn<"Vector_x_get", &get_component<&V::x>, SelfMut<V>>,
      fn<"Vector_y_set", &set_component<&V::y>, NullableSelf<V>, Float>,
      fn<"Vector_y_get", &get_component<&V::y>, SelfMut<V>>,
      fn<"Vector_z_set", &set_component<&V::z>, NullableSelf<V>, Float>,
      fn<"Vector_z_get", &get_component<&V::z>, SelfMut<V>>,
      getter<"Vector_magnitude_get", &V::magnitude>,
      getter<"Vector_magnitude_squared_get", &V::magnitudeSquared>,
      getter<"Vector_pitch_get", &V::pitch>,
      getter<"Vector_roll_get", &V::roll>,
      getter<"Vector_yaw_get", &V::yaw>,
      getter<"Vector_normalized_get", &V::normalized>,
      dtor<"delete_Vector", V>,
      registration<"Vector_swigregister", V>,
  };
}

Variables geometry_numbers() {
  return {
      variable<"PI", &number<Quon::PI>>,
      variable<"DEG_TO_RAD", &number<Quon::DEG_TO_RAD>>,
      variable<"RAD_TO_DEG", &number<Quon::RAD_TO_DEG>>,
      variable<"EPSILON", &number<Quon::EPSILON>>,
  };
}

Variables fixed_vectors() {
  return {
      variable<"Vector_zero", &fixed_vector<&g_zero>>,
      variable<"Vector_x_axis", &fixed_vector<&g_x_axis>>,
      variable<"Vector_y_axis", &fixed_vector<&g_y_axis>>,
      variable<"Vector_z_axis", &fixed_vector<&g_z_axis>>,
      variable<"Vector_forward", &fixed_vector<&g_forward>>,
      variable<"Vector_backward", &fixed_vector<&g_z_axis>>,
      variable<"Vector_left", &fixed_vector<&g_left>>,
      variable<"Vector_right", &fixed_vector<&g_x_axis>>,
      variable<"Vector_up", &fixed_vector<&g_y_axis>>,
      variable<"Vector_down", &fixed_vector<&g_down>>,
  };
}

}  // namespace quon::blocks
