// Quon::Matrix: its module functions and Matrix_identity under cvar.
#include "../runtime/blocks.h"
#include "QuonMath.h"

namespace quon::blocks {
namespace {

using namespace tk;
using V = Quon::Vector;
using M = Quon::Matrix;

M g_identity = M::identity();

PyObject* identity_matrix() { return borrow(&g_identity); }

NewObject<M> make_identity() { return {new M()}; }
NewObject<M> make_copy(const M& m) { return {new M(m)}; }
NewObject<M> make_rotation(const V& axis, float angle) { return {new M(axis, angle)}; }
NewObject<M> make_bases(const V& x, const V& y, const V& z) { return {new M(x, y, z)}; }
NewObject<M> make_moved_rotation(const V& axis, float angle, const V& translation) {
  return {new M(axis, angle, translation)};
}
NewObject<M> make_transform(const V& x, const V& y, const V& z, const V& origin) {
  return {new M(x, y, z, origin)};
}

M multiply(const M* m, const M& other) { return *m * other; }
InPlace<M> multiply_in_place(M* m, const M& other) {
  *m *= other;
  return {m};
}

// Basis and origin: setters copy a vector in (a null matrix is ignored);
// getters return a view into the matrix that keeps it alive.
template <V M::*Member>
void set_member(M* m, V* value) {
  if (m) m->*Member = *value;
}
template <V M::*Member>
Alias<V> view_member(M* m) {
  return {&(m->*Member)};
}

}  // namespace

Block matrix() {
  return {
      overload<"new_Matrix",
               "Quon::Matrix::Matrix()\n"
               "Quon::Matrix::Matrix(Quon::Matrix const &)\n"
               "Quon::Matrix::Matrix(Quon::Vector const &,Quon::Vector const &,Quon::Vector const &)\n"
               "Quon::Matrix::Matrix(Quon::Vector const &,Quon::Vector const &,Quon::Vector const &,Quon::Vector const &)\n"
               "Quon::Matrix::Matrix(Quon::Vector const &,float)\n"
               "Quon::Matrix::Matrix(Quon::Vector const &,float,Quon::Vector const &)",
               variant<"new_Matrix", &make_identity>,
               variant<"new_Matrix", &make_copy, Ref<M>>,
               variant<"new_Matrix", &make_rotation, Ref<V>, Float>,
               variant<"new_Matrix", &make_bases, Ref<V>, Ref<V>, Ref<V>>,
               variant<"new_Matrix", &make_moved_rotation, Ref<V>, Float, Ref<V>>,
               variant<"new_Matrix", &make_transform, Ref<V>, Ref<V>, Ref<V>, Ref<V>>>,
      fn<"Matrix_set_rotation", &M::setRotation, SelfMut<M>, Ref<V>, Float>,
      method<"Matrix_transform_point", &M::transformPoint, Ref<V>>,
      method<"Matrix_transform_direction", &M::transformDirection, Ref<V>>,
      method<"Matrix_rigid_inverse", &M::rigidInverse>,
      fn<"Matrix___mul__", &multiply, Self<M>, Ref<M>>,
      fn<"Matrix___imul__", &multiply_in_place, SelfMut<M>, Ref<M>>,
      equal<"Matrix___eq__", M>,
      not_equal<"Matrix___ne__", M>,
      fn<"Matrix___str__", &M::toString, Self<M>>,
      fn<"Matrix_x_basis_set", &set_member<&M::xBasis>, NullableSelf<M>, SelfMut<V>>,
      fn<"Matrix_x_basis_get", &view_member<&M::xBasis>, SelfMut<M>>,
      fn<"Matrix_y_basis_set", &set_member<&M::yBasis>, NullableSelf<M>, SelfMut<V>>,
      fn<"Matrix_y_basis_get", &view_member<&M::yBasis>, SelfMut<M>>,
      fn<"Matrix_z_basis_set", &set_member<&M::zBasis>, NullableSelf<M>, SelfMut<V>>,
      fn<"Matrix_z_basis_get", &view_member<&M::zBasis>, SelfMut<M>>,
      fn<"Matrix_origin_set", &set_member<&M::origin>, NullableSelf<M>, SelfMut<V>>,
      fn<"Matrix_origin_get", &view_member<&M::origin>, SelfMut<M>>,
      dtor<"delete_Matrix", M>,
      registration<"Matrix_swigregister", M>,
  };
}

Variables fixed_matrices() { return {variable<"Matrix_identity", &identity_matrix>}; }

}  // namespace quon::blocks
