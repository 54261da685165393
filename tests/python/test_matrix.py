"""Matrix: the flat module functions, Matrix_identity, member views and the
companion class Matrix; and the memory of a long run of geometry."""

import math
import os
import unittest

import quontest

import QuonPython as Q
import Quon
from Quon import Matrix, Vector
from quontest import address, run_python

HALF_PI = 1.5707963705062866
TINY = -4.371138828673793e-08  # cos of the float nearest pi/2
IDENTITY_TEXT = "xBasis:(1, 0, 0) yBasis:(0, 1, 0) zBasis:(0, 0, 1) origin:(0, 0, 0)"
NEW_MATRIX_PROTOTYPES = (
    "Wrong number or type of arguments for overloaded function 'new_Matrix'.\n"
    "  Possible C/C++ prototypes are:\n"
    "    Quon::Matrix::Matrix()\n"
    "    Quon::Matrix::Matrix(Quon::Matrix const &)\n"
    "    Quon::Matrix::Matrix(Quon::Vector const &,Quon::Vector const &,Quon::Vector const &)\n"
    "    Quon::Matrix::Matrix(Quon::Vector const &,Quon::Vector const &,Quon::Vector const &,"
    "Quon::Vector const &)\n"
    "    Quon::Matrix::Matrix(Quon::Vector const &,float)\n"
    "    Quon::Matrix::Matrix(Quon::Vector const &,float,Quon::Vector const &)\n")


def bases(m):
    return tuple(getattr(Q, "Matrix_%s_get" % name)(m).to_tuple()
                 for name in ("x_basis", "y_basis", "z_basis", "origin"))


def axes(origin=(0, 0, 0)):
    return Matrix(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(*origin))


class ConstructionTest(quontest.TestCase):
    def test_identity_and_copies(self):
        m = Q.new_Matrix()
        self.assertEqual(type(m).__name__, "SwigPyObject")
        self.assertIs(Q.Matrix___eq__(m, Q.cvar.Matrix_identity), True)
        self.assertEqual(Q.Matrix___str__(m), IDENTITY_TEXT)
        self.assertEqual(str(Matrix.identity), IDENTITY_TEXT)
        source = axes((1, 2, 3))
        copy = Matrix(source)
        copy.origin.x = 9
        self.assertEqual(source.origin.to_tuple(), (1.0, 2.0, 3.0))
        self.assertEqual(bases(Matrix(Vector(1, 2, 3), Vector(4, 5, 6), Vector(7, 8, 9))),
                         ((1.0, 2.0, 3.0), (4.0, 5.0, 6.0), (7.0, 8.0, 9.0), (0.0, 0.0, 0.0)))

    def test_rotations(self):
        m = Matrix(Vector(0, 0, 1), HALF_PI)
        self.assertEqual(bases(m), ((TINY, -1.0, 0.0), (1.0, TINY, 0.0), (0.0, 0.0, 0.9999999403953552),
                                    (0.0, 0.0, 0.0)))
        moved = Matrix(Vector(0, 0, 1), HALF_PI, Vector(5, 0, 0))
        self.assertEqual(bases(moved)[:3], bases(m)[:3])
        self.assertEqual(moved.origin.to_tuple(), (5.0, 0.0, 0.0))
        self.assertEqual(m.transform_direction(Vector(1, 0, 0)).to_tuple(), (TINY, -1.0, 0.0))
        c = 0.5403022766113281  # cos(1) in single precision
        self.assertEqual(bases(Matrix(Vector(0, 0, 0), 1.0))[:3], ((c, 0.0, 0.0), (0.0, c, 0.0), (0.0, 0.0, c)))
        general = Matrix(Vector(1, 2, 3), 0.5, Vector(0.1, -7.3, 2.2))
        self.assertEqual(bases(general)[0], (0.8863266706466675, -0.36690735816955566, 0.28249603509902954))
        translated = axes((1, 2, 3))
        Q.Matrix_set_rotation(translated, Vector(0, 0, 1), HALF_PI)
        self.assertEqual(bases(translated), bases(m)[:3] + ((1.0, 2.0, 3.0),))
        # An axis that is a view of the matrix itself is read before it changes.
        aliased = axes()
        aliased.set_rotation(aliased.z_basis, HALF_PI)
        self.assertEqual(bases(aliased), bases(m))

    def test_unmatched_arguments_and_conversion_messages(self):
        v = Vector(1, 0, 0)
        for args in [(v, v), (v, v, 1.0), (v, 1.0, 1.0), (v, v, v, v, v), (1,), (v, 1e39), (v,)]:
            self.assertRaisesMessage(NotImplementedError, NEW_MATRIX_PROTOTYPES, Q.new_Matrix, *args)
        self.assertRaisesMessage(NotImplementedError, NEW_MATRIX_PROTOTYPES, Matrix, v, v)
        null = "invalid null reference in method 'new_Matrix', argument %d of type '%s'"
        self.assertRaisesMessage(ValueError, null % (1, "Quon::Matrix const &"), Q.new_Matrix, None)
        self.assertRaisesMessage(ValueError, null % (1, "Quon::Vector const &"), Q.new_Matrix, None, 1.0)
        self.assertRaisesMessage(ValueError, null % (3, "Quon::Vector const &"), Q.new_Matrix, v, 1.0, None)
        self.assertRaisesMessage(ValueError, null % (3, "Quon::Vector const &"), Q.new_Matrix, v, v, None)
        self.assertRaisesMessage(ValueError, null % (4, "Quon::Vector const &"), Q.new_Matrix, v, v, v, None)


class OperationsTest(quontest.TestCase):
    def test_translation_transforms_and_inverse(self):
        m = axes((1, 2, 3))
        self.assertEqual(m.transform_point(Vector(0, 0, 0)).to_tuple(), (1.0, 2.0, 3.0))
        self.assertEqual(m.transform_direction(Vector(0, 0, 0)).to_tuple(), (0.0, 0.0, 0.0))
        inverse = m.rigid_inverse()
        self.assertIsInstance(inverse, Matrix)
        self.assertEqual(bases(inverse), bases(axes((-1, -2, -3))))

    def test_single_precision_order(self):
        m = Matrix(Vector(1, 2, 3), 0.5, Vector(0.1, -7.3, 2.2))
        p = Vector(-9.43, 6.72, -1.34)
        # The origin is added last.
        self.assertEqual(m.transform_point(p).to_tuple(),
                         (-5.249159812927246, 2.050333023071289, -2.2538363933563232))
        self.assertEqual(m.rigid_inverse().origin.to_tuple(),
                         (-3.388547897338867, 6.787960529327393, -0.7624573707580566))

    def test_products(self):
        m = Matrix(Vector(0, 1, 0), Vector(-1, 0, 0), Vector(0, 0, 2), Vector(1, 2, 3))
        n = Matrix(Vector(2, 0, 0), Vector(0, 0, 1), Vector(0, -1, 0), Vector(-4, 5, 6))
        p = Vector(3, -2, 7)
        product = m * n
        self.assertEqual(product.transform_point(p), m.transform_point(n.transform_point(p)))
        self.assertEqual(bases(product), ((0.0, 2.0, 0.0), (0.0, 0.0, 2.0), (1.0, 0.0, 0.0), (-4.0, -2.0, 15.0)))
        old = Matrix(m)
        alias = m
        m *= m
        self.assertEqual(m, old * old)
        self.assertEqual(alias, old * old)
        self.assertTrue(m.this.own())
        self.assertFalse(alias.this.own())
        self.assertEqual(address(m), address(alias))

    def test_equality(self):
        m = axes((0, 0, float("nan")))
        self.assertIs(Q.Matrix___eq__(m, m), False)
        self.assertIs(Q.Matrix___ne__(m, m), True)
        self.assertTrue(axes((-0.0, 0, 0)) == Matrix())
        self.assertFalse(Matrix() == None)
        self.assertTrue(Matrix() != Vector())
        self.assertRaises(TypeError, hash, Matrix())

    def test_messages(self):
        m, v = Matrix(), Vector(1, 2, 3)
        self.assertRaisesMessage(TypeError, "in method 'Matrix_transform_point', argument 2 of type "
                                 "'Quon::Vector const &'", Q.Matrix_transform_point, m, m)
        self.assertRaisesMessage(TypeError, "in method 'Matrix_set_rotation', argument 3 of type 'float'",
                                 Q.Matrix_set_rotation, m, v, "1")
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Matrix_set_rotation', "
                                 "argument 2 of type 'Quon::Vector const &'", Q.Matrix_set_rotation, m, None, 1.0)
        self.assertRaisesMessage(TypeError, "in method 'Matrix___mul__', argument 2 of type "
                                 "'Quon::Matrix const &'", Q.Matrix___mul__, m, v)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Matrix___eq__', "
                                 "argument 2 of type 'Quon::Matrix const &'", Q.Matrix___eq__, m, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Matrix_rigid_inverse', "
                                 "argument 1 of type 'Quon::Matrix const *'", Q.Matrix_rigid_inverse, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Matrix_x_basis_get', "
                                 "argument 1 of type 'Quon::Matrix *'", Q.Matrix_x_basis_get, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Matrix_origin_set', "
                                 "argument 2 of type 'Quon::Vector *'", Q.Matrix_origin_set, m, None)
        self.assertRaisesMessage(TypeError, "in method 'Matrix_y_basis_set', argument 2 of type "
                                 "'Quon::Vector *'", Q.Matrix_y_basis_set, m, (1, 2, 3))
        self.assertIsNone(Q.Matrix_x_basis_set(None, v))  # a null matrix is ignored
        self.assertIsNone(Q.delete_Matrix(None))
        self.assertEqual(str(m), IDENTITY_TEXT)
        with self.assertRaises(AttributeError) as caught:
            Q.cvar.Matrix_identity = m
        self.assertEqual(str(caught.exception), "Variable Matrix_identity is read-only.")


class ViewsTest(unittest.TestCase):
    def test_views_write_through_and_setters_copy(self):
        m = Matrix()
        view = m.x_basis
        self.assertFalse(view.this.own())
        view.x = 4
        self.assertEqual(m.x_basis.to_tuple(), (4.0, 0.0, 0.0))
        source = Vector(7, 8, 9)
        m.origin = source
        source.x = 0
        self.assertEqual(m.origin.to_tuple(), (7.0, 8.0, 9.0))
        m.y_basis = m.origin
        self.assertEqual(m.y_basis.to_tuple(), (7.0, 8.0, 9.0))
        identity_view = Matrix.identity.z_basis
        self.assertFalse(identity_view.this.own())
        self.assertEqual(identity_view.to_tuple(), (0.0, 0.0, 1.0))
        self.assertEqual(address(Matrix.identity), address(Q.cvar.Matrix_identity))

    def test_views_keep_their_matrix_alive(self):
        status, out, err = run_python("""
            import gc
            import QuonPython as Q
            from Quon import Matrix, Vector
            view = Matrix(Vector(1, 2, 3), Vector(4, 5, 6), Vector(7, 8, 9)).y_basis
            gc.collect()
            junk = [Matrix() for i in range(1000)]
            print view
            view.z = 60
            view += Vector(1, 1, 1)    # a non-owning result that still keeps the matrix
            m = Matrix()
            grown = m.origin
            del m
            grown += Vector(1, 2, 3)
            del grown
            print view
            m = Matrix()
            alias = m
            m *= Matrix(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(1, 1, 1))
            origin = alias.origin
            del m, alias
            junk = [Matrix() for i in range(1000)]
            print origin
            n = Matrix()
            basis = n.x_basis
            Q.delete_Matrix(n)         # explicit deletion: the view is refused from now on
            try:
                basis.x
            except ValueError as error:
                print error
        """)
        self.assertEqual(status, 0, err)
        self.assertEqual(out.splitlines(), [
            "(4, 5, 6)", "(5, 6, 61)", "(1, 1, 1)",
            "invalid null reference in method 'Vector_x_get', argument 1 of type 'Quon::Vector *'"])


class CompanionTest(unittest.TestCase):
    def test_arrays_follow_transform_point(self):
        m = Matrix(Vector(0, 1, 0), Vector(-1, 0, 0), Vector(0, 0, 2), Vector(1, 2, 3))
        self.assertEqual(m.to_array_3x3(), [[0.0, 1.0, 0.0], [-1.0, 0.0, 0.0], [0.0, 0.0, 2.0]])
        rows = m.to_array_4x4()
        self.assertEqual(rows, [[0.0, 1.0, 0.0, 0.0], [-1.0, 0.0, 0.0, 0.0], [0.0, 0.0, 2.0, 0.0],
                                [1.0, 2.0, 3.0, 1.0]])
        point = [3.0, -2.0, 7.0, 1.0]
        row_times_matrix = [sum(point[i] * rows[i][j] for i in range(4)) for j in range(4)]
        self.assertEqual(row_times_matrix[:3], m.transform_point(Vector(*point[:3])).to_float_array())
        self.assertEqual(row_times_matrix[3], 1.0)

    def test_repr_properties_and_class_attributes(self):
        m = Matrix(Vector(0, 0, 1), HALF_PI)
        self.assertEqual(repr(m), "Matrix(Vector(%r, -1.0, 0.0), Vector(1.0, %r, 0.0), "
                                  "Vector(0.0, 0.0, 0.9999999403953552), Vector(0.0, 0.0, 0.0))" % (TINY, TINY))
        self.assertEqual(eval(repr(m), {"Matrix": Matrix, "Vector": Vector}), m)
        self.assertIsInstance(m.x_basis, Vector)
        self.assertIsInstance(Matrix.identity, Matrix)
        self.assertFalse(Matrix.identity.this.own())
        self.assertEqual(str(m.rigid_inverse() * m), str(Matrix(Vector(1, 0, 0), Vector(0, 1, 0),
                                                                Vector(0, 0, 0.9999999403953552))))


class MemoryTest(unittest.TestCase):
    @unittest.skipUnless(os.path.exists("/proc/self/statm"), "needs /proc/self/statm")
    @unittest.skipIf(os.environ.get("QUON_SANITIZED"),
                     "the address sanitizer holds freed memory in quarantine")
    def test_a_million_operations_leave_memory_where_it_was(self):
        status, out, err = run_python("""
            from Quon import Matrix, Vector

            def resident_kib():
                with open("/proc/self/statm") as statm:
                    return int(statm.read().split()[1]) * 4

            def work(rounds):
                a, b = Vector(1, 2, 3), Vector(-0.5, 0.25, 4)
                m = Matrix(Vector(0, 0, 1), 0.5, Vector(1, 2, 3))
                for i in xrange(rounds):
                    c = a + b
                    c += a
                    c = c.cross(b).normalized * 2
                    d = m.transform_point(c)
                    view = m.origin
                    view -= d - d
                    n = m * m
                    n *= m
                    n = n.rigid_inverse()
                    str(n)
                    x, y, z = d
                    m.x_basis = n.x_basis

            work(20000)                # warm the allocators up
            before = resident_kib()
            work(100000)               # 1.3 million vector and matrix operations
            print resident_kib() - before
        """)
        self.assertEqual(status, 0, err)
        growth_kib = int(out)
        self.assertLess(growth_kib, 1024, "resident memory grew by %d KiB" % growth_kib)


if __name__ == "__main__":
    unittest.main()
