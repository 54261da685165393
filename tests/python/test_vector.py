"""Vector: the flat module functions, the cvar constants and fixed vectors,
and the companion class Vector."""

import math
import operator
import unittest

import quontest

import QuonPython as Q
import Quon
from Quon import Vector
from quontest import address, components, run_python

INF = float("inf")
NAN = float("nan")
HALF_PI = 1.5707963705062866  # the float nearest pi/2, widened
NEW_VECTOR_PROTOTYPES = (
    "Wrong number or type of arguments for overloaded function 'new_Vector'.\n"
    "  Possible C/C++ prototypes are:\n"
    "    Quon::Vector::Vector()\n"
    "    Quon::Vector::Vector(float,float,float)\n"
    "    Quon::Vector::Vector(Quon::Vector const &)\n")


class ConstructionTest(quontest.TestCase):
    def test_constructor_forms(self):
        zero = Q.new_Vector()
        self.assertEqual(type(zero).__name__, "SwigPyObject")  # bare owning proxy
        self.assertTrue(zero.own())
        self.assertEqual(Q.Vector___str__(zero), "(0, 0, 0)")
        self.assertEqual(Q.Vector___str__(Q.new_Vector(1, 2.5, -3)), "(1, 2.5, -3)")
        self.assertEqual(components(Q.new_Vector(True, 2L, 0.1)), (1.0, 2.0, 0.10000000149011612))
        self.assertEqual(components(Q.new_Vector(INF, 0, 0)), (INF, 0.0, 0.0))
        source = Vector(1, 2, 3)
        copy = Vector(source)
        copy.x = 7
        self.assertEqual(source.to_tuple(), (1.0, 2.0, 3.0))
        self.assertEqual(copy.to_tuple(), (7.0, 2.0, 3.0))

    def test_unmatched_arguments(self):
        for args in [(1, 2), ("a", 0, 0), (1e39, 0, 0), (0, 0, 2 ** 200), (1, 2, 3, 4), (3,)]:
            self.assertRaisesMessage(NotImplementedError, NEW_VECTOR_PROTOTYPES, Q.new_Vector, *args)
        self.assertRaisesMessage(
            ValueError,
            "invalid null reference in method 'new_Vector', argument 1 of type 'Quon::Vector const &'",
            Q.new_Vector, None)
        self.assertRaisesMessage(NotImplementedError, NEW_VECTOR_PROTOTYPES, Vector, 1, 2)


class ArithmeticTest(unittest.TestCase):
    def test_lengths_products_and_distances(self):
        v = Vector(3, 4, 0)
        self.assertEqual(Q.Vector_magnitude_get(v), 5.0)
        self.assertEqual(Q.Vector_magnitude_squared_get(v), 25.0)
        self.assertEqual(components(Q.Vector_cross(Vector(1, 0, 0), Vector(0, 1, 0))), (0.0, 0.0, 1.0))
        a, b = Vector(-9.43, 6.72, -1.34), Vector(5.2, -10.0, -1.1)
        # Single precision in the documented order, not double arithmetic.
        self.assertEqual(Q.Vector_magnitude_squared_get(a), 135.87889099121094)
        self.assertEqual(Q.Vector_dot(a, b), -114.76199340820312)
        self.assertEqual(Q.Vector_distance_to(a, b), 22.218299865722656)
        self.assertEqual(components(Q.Vector_cross(a, b)),
                         (-20.79199981689453, -17.340999603271484, 59.35600662231445))

    def test_angle_to(self):
        x = Vector(1, 0, 0)
        self.assertEqual(Q.Vector_angle_to(x, Vector(0, 0, 0)), 0.0)
        self.assertEqual(Q.Vector_angle_to(x, Vector(-1, 0, 0)), 3.1415927410125732)
        self.assertEqual(Q.Vector_angle_to(x, Vector(0, 1, 0)), HALF_PI)
        self.assertEqual(Q.Vector_angle_to(x, Vector(2, 0, 0)), 0.0)
        self.assertEqual(Q.Vector_angle_to(Vector(0.001, 0, 0), Vector(0, 0.001, 0)), 0.0)
        self.assertEqual(Q.Vector_angle_to(Vector(0.0001, 0, 0), Vector(0, 1000, 0)), HALF_PI)
        self.assertEqual(Vector(-9.43, 6.72, -1.34).angle_to(Vector(5.2, -10.0, -1.1)),
                         2.6246769428253174)
        self.assertTrue(math.isnan(x.angle_to(Vector(NAN, 0, 0))))

    def test_normalized(self):
        self.assertEqual(Vector(0, 0, 0).normalized.to_tuple(), (0.0, 0.0, 0.0))
        self.assertEqual(Vector(0.0001, 0, 0).normalized.to_tuple(), (0.0, 0.0, 0.0))
        self.assertEqual(Vector(0.001, 0, 0).normalized.to_tuple(), (1.0, 0.0, 0.0))
        # One reciprocal, then three products (dividing would give other floats).
        self.assertEqual(Vector(5.2, -10.0, -1.1).normalized.to_tuple(),
                         (0.45917120575904846, -0.8830215930938721, -0.0971323773264885))
        self.assertTrue(all(math.isnan(c) for c in Vector(NAN, 1, 1).normalized))
        n = Vector(INF, 1, 0).normalized
        self.assertTrue(math.isnan(n.x))
        self.assertEqual((n.y, n.z), (0.0, 0.0))

    def test_angles(self):
        self.assertEqual(Vector(0, 0, -1).pitch, 0.0)
        self.assertEqual(Vector(0, 1, 0).pitch, HALF_PI)
        self.assertEqual(Vector(1, 0, 0).yaw, HALF_PI)
        self.assertEqual(Vector(1, 0, 0).roll, HALF_PI)
        zero = Vector()
        self.assertEqual((zero.pitch, zero.yaw, zero.roll), (Quon.PI,) * 3)

    def test_scalar_division_and_sign(self):
        self.assertEqual(Q.Vector___div__(Vector(1, 2, 3), 0).to_tuple(), (INF, INF, INF))
        q = Q.Vector___div__(Vector(0, 1, -1), 0.0)
        self.assertTrue(math.isnan(q.x))
        self.assertEqual((q.y, q.z), (INF, -INF))
        # Reciprocal then product: 5 * (1/3) is not the float nearest 5/3.
        self.assertEqual(Q.Vector___div__(Vector(5, 0, 0), 3).x, 1.6666667461395264)
        self.assertEqual(repr(-Vector(0, 1, 0)), "Vector(-0.0, -1.0, -0.0)")
        self.assertEqual(Q.Vector___mul__(Vector(1, 2, 3), -2).to_tuple(), (-2.0, -4.0, -6.0))

    def test_equality_validity_and_index(self):
        v = Vector(NAN, 0, 0)
        self.assertIs(Q.Vector___eq__(v, v), False)
        self.assertIs(Q.Vector___ne__(v, v), True)
        self.assertIs(Q.Vector_is_valid(v), False)
        self.assertIs(Q.Vector_is_valid(Vector(0, -INF, 0)), False)
        self.assertIs(Q.Vector_is_valid(Vector(3.4028234663852886e38, 0, 0)), True)
        self.assertIs(Q.Vector___eq__(Vector(0, 0, 0), Vector(-0.0, 0, 0)), True)
        w = Vector(1, 2, 3)
        self.assertEqual([Q.Vector___getitem__(w, i) for i in range(5)], [1.0, 2.0, 3.0, 0.0, 0.0])
        self.assertEqual(Q.Vector___getitem__(w, 4294967295L), 0.0)

    def test_string_form(self):
        self.assertEqual(str(Vector(1234567, 0, 0)), "(1.23457e+06, 0, 0)")
        self.assertEqual(str(Vector(1, 0.5, -2)), "(1, 0.5, -2)")
        self.assertEqual(str(Vector(0.0001, 0.00001, 123456)), "(0.0001, 1e-05, 123456)")


class MessagesTest(quontest.TestCase):
    def test_argument_messages(self):
        v = Vector(1, 2, 3)
        self.assertRaisesMessage(TypeError, "in method 'Vector_dot', argument 2 of type 'Quon::Vector const &'",
                                 Q.Vector_dot, v, 1)
        self.assertRaisesMessage(TypeError, "in method 'Vector_dot', argument 2 of type 'Quon::Vector const &'",
                                 Q.Vector_dot, v, Quon.cvar.Matrix_identity)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector_cross', "
                                 "argument 2 of type 'Quon::Vector const &'", Q.Vector_cross, v, None)
        self.assertRaisesMessage(TypeError, "in method 'Vector___mul__', argument 2 of type 'float'",
                                 Q.Vector___mul__, v, "2")
        self.assertRaisesMessage(OverflowError, "in method 'Vector___mul__', argument 2 of type 'float'",
                                 Q.Vector___mul__, v, 1e39)
        self.assertRaisesMessage(TypeError, "in method 'Vector_x_set', argument 2 of type 'float'",
                                 Q.Vector_x_set, v, None)
        self.assertRaisesMessage(OverflowError,
                                 "in method 'Vector___getitem__', argument 2 of type 'unsigned int'",
                                 Q.Vector___getitem__, v, -1)
        for index in (1.0, 2 ** 40, -1L):
            self.assertRaisesMessage(TypeError,
                                     "in method 'Vector___getitem__', argument 2 of type 'unsigned int'",
                                     Q.Vector___getitem__, v, index)
        self.assertRaisesMessage(TypeError, "in method 'Vector_angle_to', argument 1 of type "
                                 "'Quon::Vector const *'", Q.Vector_angle_to, "v", v)
        self.assertRaises(TypeError, Q.Vector_dot, v)  # the interpreter's own count check
        self.assertEqual(v.to_tuple(), (1.0, 2.0, 3.0))

    def test_none_receiver(self):
        v = Vector(1, 2, 3)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector_dot', "
                                 "argument 1 of type 'Quon::Vector const *'", Q.Vector_dot, None, v)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector_x_get', "
                                 "argument 1 of type 'Quon::Vector *'", Q.Vector_x_get, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector___iadd__', "
                                 "argument 1 of type 'Quon::Vector *'", Q.Vector___iadd__, None, v)
        # The component setters ignore a null vector.
        self.assertIsNone(Q.Vector_x_set(None, 1.0))
        self.assertIsNone(Q.delete_Vector(None))

    def test_constants_and_read_only_variables(self):
        cvar = Q.cvar
        self.assertEqual((cvar.PI, cvar.DEG_TO_RAD, cvar.RAD_TO_DEG, cvar.EPSILON),
                         (3.1415927410125732, 0.01745329238474369, 57.295780181884766,
                          1.1920928955078125e-07))
        self.assertEqual((Quon.PI, Quon.DEG_TO_RAD, Quon.RAD_TO_DEG, Quon.EPSILON),
                         (cvar.PI, cvar.DEG_TO_RAD, cvar.RAD_TO_DEG, cvar.EPSILON))
        for name in ("PI", "EPSILON", "Vector_zero", "Vector_right"):
            with self.assertRaises(AttributeError) as caught:
                setattr(cvar, name, 3)
            self.assertEqual(str(caught.exception), "Variable %s is read-only." % name)
        self.assertEqual(cvar.PI, 3.1415927410125732)


class FixedVectorsTest(unittest.TestCase):
    NAMES = ("zero", "x_axis", "y_axis", "z_axis", "forward", "backward", "left", "right", "up", "down")
    VALUES = ((0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1), (0, 0, -1), (0, 0, 1), (-1, 0, 0), (1, 0, 0),
              (0, 1, 0), (0, -1, 0))

    def test_values_and_shared_instances(self):
        for name, value in zip(self.NAMES, self.VALUES):
            fixed = getattr(Q.cvar, "Vector_" + name)
            self.assertIsInstance(fixed, Vector)
            self.assertFalse(fixed.this.own())
            self.assertEqual(fixed.to_tuple(), value)
            self.assertEqual(address(getattr(Vector, name)), address(fixed))
        same = {"backward": "z_axis", "right": "x_axis", "up": "y_axis"}
        for name, instance in same.items():
            self.assertEqual(address(getattr(Q.cvar, "Vector_" + name)),
                             address(getattr(Q.cvar, "Vector_" + instance)))
        addresses = set(address(getattr(Vector, name)) for name in self.NAMES)
        self.assertEqual(len(addresses), 7)
        first, second = Q.cvar.Vector_zero, Q.cvar.Vector_zero
        self.assertIsNot(first, second)
        self.assertEqual(first.this, second.this)

    def test_store_through_one_name_is_seen_through_the_other(self):
        right = Q.cvar.Vector_right
        try:
            right.y = 5
            self.assertEqual(Q.cvar.Vector_x_axis.to_tuple(), (1.0, 5.0, 0.0))
            self.assertEqual(Vector.x_axis.y, 5.0)
            # The module's own results never read the fixed instances.
            Vector.zero.x = 9
            self.assertEqual(Vector(0, 0, 0).normalized.to_tuple(), (0.0, 0.0, 0.0))
            self.assertEqual(Q.Matrix_x_basis_get(Quon.Matrix(Vector(), 0.0)).to_tuple(), (1.0, 0.0, 0.0))
        finally:
            right.y = 0
            Vector.zero.x = 0
        self.assertEqual(Q.cvar.Vector_right.to_tuple(), (1.0, 0.0, 0.0))


class InPlaceOwnershipTest(quontest.TestCase):
    def test_second_name_sees_change_and_no_longer_owns(self):
        a = Vector(1, 2, 3)
        b = a
        a += Vector(1, 1, 1)
        self.assertIsNot(a, b)
        self.assertEqual(address(a), address(b))
        self.assertEqual(b.to_tuple(), (2.0, 3.0, 4.0))
        self.assertTrue(a.this.own())
        self.assertFalse(b.this.own())
        for operation, argument, expected in ((operator.isub, Vector(2, 2, 2), (0.0, 1.0, 2.0)),
                                              (operator.imul, 4, (0.0, 4.0, 8.0)),
                                              (operator.idiv, 8, (0.0, 0.5, 1.0)),
                                              (operator.itruediv, 0.5, (0.0, 1.0, 2.0))):
            c = a
            a = operation(a, argument)
            self.assertEqual(a.to_tuple(), expected)
            self.assertEqual(b.to_tuple(), expected)
            self.assertTrue(a.this.own())
            self.assertFalse(c.this.own())

    def test_failed_in_place_keeps_ownership(self):
        a = Vector(1, 2, 3)
        self.assertRaisesMessage(TypeError, "in method 'Vector___iadd__', argument 2 of type "
                                 "'Quon::Vector const &'", Q.Vector___iadd__, a, 3)
        self.assertRaisesMessage(OverflowError, "in method 'Vector___imul__', argument 2 of type 'float'",
                                 Q.Vector___imul__, a, -1e39)
        self.assertTrue(a.this.own())
        self.assertEqual(a.to_tuple(), (1.0, 2.0, 3.0))

    def test_in_place_on_borrowed_vectors_moves_no_ownership(self):
        fixed = Q.cvar.Vector_down
        result = Q.Vector___imul__(fixed, 1.0)
        self.assertFalse(result.this.own())
        self.assertEqual(address(result), address(fixed))
        m = Quon.Matrix()
        view = m.x_basis
        view += Vector(0, 1, 0)
        self.assertFalse(view.this.own())
        self.assertEqual(m.x_basis.to_tuple(), (1.0, 1.0, 0.0))

    def test_old_and_new_proxies_never_reach_freed_memory(self):
        status, out, err = run_python("""
            import gc
            import QuonPython as Q
            from Quon import Vector, Matrix
            a = Vector(1, 2, 3)
            b = a
            a += Vector(1, 1, 1)
            del a                      # the new, owning proxy goes first
            gc.collect()
            junk = [Vector(7, 7, 7) for i in range(1000)]
            print b
            b *= 2                     # in place again through the old proxy
            print b
            c = Vector(1, 1, 1)
            d = c
            c += c
            Q.delete_Vector(d)         # detaches the old proxy, frees nothing
            print c
            del c
            e = Vector(5, 5, 5)
            f = e
            e -= Vector(1, 1, 1)
            Q.delete_Vector(e)         # frees; the old proxy is refused from now on
            try:
                f.x
            except ValueError as error:
                print error
            m = Matrix()
            Q.delete_Vector(m.x_basis) # a view is detached, never freed
            Q.delete_Vector(Vector.zero)
            Q.delete_Matrix(Matrix.identity)
            print m, Vector.zero
        """)
        self.assertEqual(status, 0, err)
        self.assertEqual(out.splitlines(), [
            "(2, 3, 4)", "(4, 6, 8)", "(2, 2, 2)",
            "invalid null reference in method 'Vector_x_get', argument 1 of type 'Quon::Vector *'",
            "xBasis:(1, 0, 0) yBasis:(0, 1, 0) zBasis:(0, 0, 1) origin:(0, 0, 0) (0, 0, 0)"])


class CompanionTest(unittest.TestCase):
    def test_properties_and_methods(self):
        v = Vector(3, 4, 0)
        self.assertEqual((v.x, v.y, v.z), (3.0, 4.0, 0.0))
        v.z = 0.1
        self.assertEqual(v.z, 0.10000000149011612)
        self.assertEqual((v.magnitude_squared, Vector(3, 4, 0).magnitude), (25.010000228881836, 5.0))
        self.assertEqual(v.dot(Vector(1, 1, 1)), 7.099999904632568)
        self.assertEqual(Vector(1, 0, 0).cross(Vector(0, 1, 0)).to_tuple(), (0.0, 0.0, 1.0))
        self.assertEqual(Vector(0, 0, 0).distance_to(Vector(3, 4, 0)), 5.0)
        self.assertIs(v.is_valid(), True)
        self.assertIsInstance(v.normalized, Vector)
        self.assertIsInstance(v.this, type(Q.new_Vector()))

    def test_operators(self):
        a, b = Vector(1, 2, 3), Vector(0.5, -1, 2)
        self.assertEqual((a + b).to_tuple(), (1.5, 1.0, 5.0))
        self.assertEqual((a - b).to_tuple(), (0.5, 3.0, 1.0))
        self.assertEqual((a * 2).to_tuple(), (2.0, 4.0, 6.0))
        self.assertEqual((2 * a).to_tuple(), (2.0, 4.0, 6.0))
        self.assertEqual((a / 2).to_tuple(), (0.5, 1.0, 1.5))
        self.assertEqual(operator.truediv(a, 4).to_tuple(), (0.25, 0.5, 0.75))
        self.assertEqual((-a).to_tuple(), (-1.0, -2.0, -3.0))
        self.assertEqual((a[0], a[1], a[2], a[3]), (1.0, 2.0, 3.0, 0.0))
        self.assertTrue(a == Vector(1, 2, 3))
        self.assertFalse(a != Vector(1, 2, 3))
        self.assertTrue(a != b)
        self.assertFalse(a == None)
        self.assertTrue(a != "text")
        self.assertNotIn(a, [None, 1, "x"])
        self.assertIn(a, [None, Vector(1, 2, 3)])
        self.assertRaises(TypeError, hash, a)
        with self.assertRaises(TypeError):
            a * a
        with self.assertRaises(TypeError):
            a + 1
        self.assertEqual(Vector.__add__(a, b).to_tuple(), (1.5, 1.0, 5.0))

    def test_conversions_and_iteration(self):
        v = Vector(1, 2.5, -3)
        self.assertEqual(repr(v), "Vector(1.0, 2.5, -3.0)")
        self.assertEqual(eval(repr(Vector(0.1, 1e-45, -INF)), {"Vector": Vector, "inf": INF}),
                         Vector(0.1, 1e-45, -INF))
        self.assertEqual(str(v), "(1, 2.5, -3)")
        self.assertEqual(v.to_tuple(), (1.0, 2.5, -3.0))
        self.assertEqual(v.to_float_array(), [1.0, 2.5, -3.0])
        self.assertEqual(tuple(v), (1.0, 2.5, -3.0))
        self.assertEqual(list(v), [1.0, 2.5, -3.0])
        x, y, z = v
        self.assertEqual((x, y, z), (1.0, 2.5, -3.0))
        with self.assertRaises(ValueError):
            x, y, z, w = v


if __name__ == "__main__":
    unittest.main()
