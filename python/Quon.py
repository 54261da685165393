"""Quon: the Python face of the Quon hand-tracking library.

The classes here map Python classes, properties, operators and iteration onto
the flat functions of the extension module QuonPython. Each class registers
itself with its <Class>_swigregister function, so that module functions
returning objects of its type hand out instances of it.
"""

import QuonPython as _Q

cvar = _Q.cvar


def _swig_repr(self):
    try:
        strthis = "proxy of " + self.this.__repr__()
    except Exception:
        strthis = ""
    return "<%s.%s; %s >" % (self.__class__.__module__, self.__class__.__name__, strthis)


class _Object(object):
    """Base of the wrapped classes: keeps the native proxy under "this"."""

    __swig_destroy__ = None

    def __init__(self, this):
        self.this = this

    __repr__ = _swig_repr


def _property(getter, setter=None, doc=None):
    if setter is None:
        return property(lambda self: getter(self), doc=doc)
    return property(lambda self: getter(self), lambda self, value: setter(self, value), doc=doc)


# ---- geometry ---------------------------------------------------------------

PI = cvar.PI
DEG_TO_RAD = cvar.DEG_TO_RAD
RAD_TO_DEG = cvar.RAD_TO_DEG
EPSILON = cvar.EPSILON

import types as _types


def _method(function, cls):
    # A flat function as a method: an unbound method object passes the
    # instance as argument 1 without an extra Python frame. (A builtin stored
    # directly as a class attribute would not be bound to the instance.)
    return _types.MethodType(function, None, cls)


class _Shared(object):
    """Class attribute reading a fixed instance from cvar on each access, so
    it is always the module's one shared instance."""

    def __init__(self, name):
        self.name = name

    def __get__(self, instance, owner):
        return getattr(cvar, self.name)


class Vector(_Object):
    """Three single-precision components x, y, z."""

    __swig_destroy__ = _Q.delete_Vector
    __hash__ = None  # mutable, compared by value

    def __init__(self, *args):
        self.this = _Q.new_Vector(*args)

    x = property(_Q.Vector_x_get, _Q.Vector_x_set)
    y = property(_Q.Vector_y_get, _Q.Vector_y_set)
    z = property(_Q.Vector_z_get, _Q.Vector_z_set)
    magnitude = property(_Q.Vector_magnitude_get)
    magnitude_squared = property(_Q.Vector_magnitude_squared_get)
    pitch = property(_Q.Vector_pitch_get)
    roll = property(_Q.Vector_roll_get)
    yaw = property(_Q.Vector_yaw_get)
    normalized = property(_Q.Vector_normalized_get)

    zero = _Shared("Vector_zero")
    x_axis = _Shared("Vector_x_axis")
    y_axis = _Shared("Vector_y_axis")
    z_axis = _Shared("Vector_z_axis")
    forward = _Shared("Vector_forward")
    backward = _Shared("Vector_backward")
    left = _Shared("Vector_left")
    right = _Shared("Vector_right")
    up = _Shared("Vector_up")
    down = _Shared("Vector_down")

    # Comparison with anything that is not a vector is simply unequal.
    def __eq__(self, other):
        if isinstance(other, Vector):
            return _Q.Vector___eq__(self, other)
        return NotImplemented

    def __ne__(self, other):
        if isinstance(other, Vector):
            return _Q.Vector___ne__(self, other)
        return NotImplemented

    def __iter__(self):
        return iter((_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self)))

    def to_tuple(self):
        return (_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self))

    def to_float_array(self):
        return [_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self)]

    def __repr__(self):
        return "Vector(%r, %r, %r)" % self.to_tuple()


for _name, _function in (
        ("distance_to", _Q.Vector_distance_to), ("angle_to", _Q.Vector_angle_to),
        ("dot", _Q.Vector_dot), ("cross", _Q.Vector_cross), ("is_valid", _Q.Vector_is_valid),
        ("__neg__", _Q.Vector___neg__), ("__add__", _Q.Vector___add__),
        ("__sub__", _Q.Vector___sub__), ("__mul__", _Q.Vector___mul__),
        ("__rmul__", _Q.Vector___mul__), ("__div__", _Q.Vector___div__),
        ("__truediv__", _Q.Vector___div__), ("__iadd__", _Q.Vector___iadd__),
        ("__isub__", _Q.Vector___isub__), ("__imul__", _Q.Vector___imul__),
        ("__idiv__", _Q.Vector___idiv__), ("__itruediv__", _Q.Vector___idiv__),
        ("__getitem__", _Q.Vector___getitem__), ("__str__", _Q.Vector___str__)):
    setattr(Vector, _name, _method(_function, Vector))
_Q.Vector_swigregister(Vector)


class Matrix(_Object):
    """An affine transform: a point p maps to
    x_basis * p.x + y_basis * p.y + z_basis * p.z + origin.

    to_array_3x3() and to_array_4x4() give row lists whose rows are the bases
    (and, for 4x4, the origin as the fourth row), each padded with 0 (1 for the
    origin row): a point as the row [x, y, z, 1] multiplied by the 4x4 array
    gives transform_point's result.
    """

    __swig_destroy__ = _Q.delete_Matrix
    __hash__ = None  # mutable, compared by value

    def __init__(self, *args):
        self.this = _Q.new_Matrix(*args)

    # The getters return views that write through to this matrix and keep it
    # alive; the setters copy a vector in.
    x_basis = property(_Q.Matrix_x_basis_get, _Q.Matrix_x_basis_set)
    y_basis = property(_Q.Matrix_y_basis_get, _Q.Matrix_y_basis_set)
    z_basis = property(_Q.Matrix_z_basis_get, _Q.Matrix_z_basis_set)
    origin = property(_Q.Matrix_origin_get, _Q.Matrix_origin_set)

    identity = _Shared("Matrix_identity")

    def __eq__(self, other):
        if isinstance(other, Matrix):
            return _Q.Matrix___eq__(self, other)
        return NotImplemented

    def __ne__(self, other):
        if isinstance(other, Matrix):
            return _Q.Matrix___ne__(self, other)
        return NotImplemented

    def to_array_3x3(self):
        return [_Q.Matrix_x_basis_get(self).to_float_array(),
                _Q.Matrix_y_basis_get(self).to_float_array(),
                _Q.Matrix_z_basis_get(self).to_float_array()]

    def to_array_4x4(self):
        rows = self.to_array_3x3()
        rows.append(_Q.Matrix_origin_get(self).to_float_array())
        for row in rows:
            row.append(0.0)
        rows[3][3] = 1.0
        return rows

    def __repr__(self):
        return "Matrix(%r, %r, %r, %r)" % (_Q.Matrix_x_basis_get(self), _Q.Matrix_y_basis_get(self),
                                           _Q.Matrix_z_basis_get(self), _Q.Matrix_origin_get(self))


for _name, _function in (
        ("set_rotation", _Q.Matrix_set_rotation), ("transform_point", _Q.Matrix_transform_point),
        ("transform_direction", _Q.Matrix_transform_direction),
        ("rigid_inverse", _Q.Matrix_rigid_inverse), ("__mul__", _Q.Matrix___mul__),
        ("__imul__", _Q.Matrix___imul__), ("__str__", _Q.Matrix___str__)):
    setattr(Matrix, _name, _method(_function, Matrix))
_Q.Matrix_swigregister(Matrix)
del _name, _function


# ---- tracking data ----------------------------------------------------------


# ---- lists --------------------------------------------------------------------


# ---- images, screens, devices, configuration --------------------------------


# ---- raw arrays and iterator ----------------------------------------------------


# ---- controller and listener --------------------------------------------------

