"""Quon: the Python face of the Quon hand-tracking library.

The classes here map Python classes, properties, operators and iteration onto
the flat functions of the extension module QuonPython. Each class registers
itself with its <Class>_swigregister function, so that module functions
returning objects of its type hand out instances of it.

A class gets its members from the module by name (see _bind): every
<Class>_<p>_get (with <Class>_<p>_set) becomes the property p, every other
<Class>_<m> function the method m, <Class>_<CONSTANT> the class constant
CONSTANT, and cvar.<Class>_invalid the static method invalid(). The classes
below only add what is particular to them.
"""

import atexit as _atexit
import ctypes as _ctypes
import functools as _functools
import itertools as _itertools
import operator as _operator
import types as _types
import weakref as _weakref

import QuonPython as _Q

cvar = _Q.cvar
_VARIABLES = frozenset(str(cvar)[1:-1].split(', '))
_STATIC = frozenset(['class_type', 'invalid', 'frompointer'])


def _swig_repr(self):
    try:
        strthis = "proxy of " + self.this.__repr__()
    except Exception:
        strthis = ""
    return "<%s.%s; %s >" % (self.__class__.__module__, self.__class__.__name__, strthis)


class _Object(object):
    """Base of the wrapped classes: keeps the native proxy under "this"."""

    __swig_destroy__ = None
    __repr__ = _swig_repr


def _method(function):
    """Makes a module function a method: the instance becomes argument 1.

    A builtin stored on a class is not bound to instances; wrapped as an
    unbound method it is, without an extra Python frame per call."""
    return _types.MethodType(function, None, object)


def _compare(cls, eq, ne):
    """== and != through the module for objects of cls; with anything else
    Python's default applies (so a hand is never equal to None)."""

    def __eq__(self, other):
        if isinstance(other, cls):
            return eq(self, other)
        return NotImplemented

    def __ne__(self, other):
        if isinstance(other, cls):
            return ne(self, other)
        return NotImplemented

    cls.__eq__ = __eq__
    cls.__ne__ = __ne__


def _constructor(new):
    def __init__(self, *args):
        self.this = new(*args)
    return __init__


def _invalid(variable):
    return staticmethod(lambda: getattr(cvar, variable))


def _bind(name):
    """Class decorator: gives the class the module's members of `name` (the
    class's own definitions win) and registers it."""

    def bind(cls):
        prefix = name + '_'
        own = cls.__dict__
        keep = getattr(cls, '_keeps', ())

        def put(attribute, value):
            if attribute not in own and attribute not in keep:
                setattr(cls, attribute, value)

        put('__swig_destroy__', getattr(_Q, 'delete_' + name, None))
        new = getattr(_Q, 'new_' + name, None)
        if new is not None:
            put('__init__', _constructor(new))
        if prefix + 'invalid' in _VARIABLES:
            put('invalid', _invalid(prefix + 'invalid'))
        for full in sorted(dir(_Q)):
            if not full.startswith(prefix):
                continue
            member, value = full[len(prefix):], getattr(_Q, full)
            if member == 'swigregister' or member in ('__eq__', '__ne__'):
                continue
            if isinstance(value, int):
                put(member, value)
            elif member in _STATIC:
                put(member, staticmethod(value))
            elif member.endswith('_get'):
                put(member[:-4], property(value, getattr(_Q, full[:-4] + '_set', None)))
            elif not (member.endswith('_set') and hasattr(_Q, full[:-4] + '_get')):
                put(member, _method(value))
        if hasattr(_Q, prefix + '__len__'):  # a list: the sequence protocol's functions
            cls._new = staticmethod(new)
            cls._len = getattr(_Q, prefix + '__len__')
            cls._getitem = getattr(_Q, prefix + '__getitem__')
            cls._append = getattr(_Q, prefix + 'append', None)
        if hasattr(_Q, prefix + '__eq__') and '__eq__' not in own:
            _compare(cls, getattr(_Q, prefix + '__eq__'), getattr(_Q, prefix + '__ne__'))
        getattr(_Q, prefix + 'swigregister')(cls)
        return cls

    return bind


class _List(_Object):
    """A library list as a Python sequence: len(), indexing with negative
    indexes counted from the end, IndexError past the end, slices, and
    iteration bounded by the length."""

    _keeps = ('__getitem__', 'append')

    def __getitem__(self, index):
        count = self._len(self)
        if type(index) is not int:
            if isinstance(index, slice):
                getitem = self._getitem
                return [getitem(self, i) for i in xrange(*index.indices(count))]
            index = _operator.index(index)
        if index < 0:
            index += count
        if index < 0 or index >= count:
            raise IndexError("%s index out of range" % self.__class__.__name__)
        return self._getitem(self, index)

    def __iter__(self):
        return _itertools.imap(_functools.partial(self._getitem, self), xrange(self._len(self)))


class _AppendableList(_List):
    def append(self, other):
        """Appends other's elements to this list in place; returns this list."""
        self._append(self, other)
        return self


# ---- geometry ---------------------------------------------------------------

PI = cvar.PI
DEG_TO_RAD = cvar.DEG_TO_RAD
RAD_TO_DEG = cvar.RAD_TO_DEG
EPSILON = cvar.EPSILON


class _Shared(object):
    """Class attribute reading a fixed instance from cvar on each access, so
    it is always the module's one shared instance."""

    def __init__(self, name):
        self.name = name

    def __get__(self, instance, owner):
        return getattr(cvar, self.name)


@_bind('Vector')
class Vector(_Object):
    """Three single-precision components x, y, z: Vector(), Vector(x, y, z)
    or Vector(other)."""

    __hash__ = None  # mutable, compared by value

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

    __rmul__ = _method(_Q.Vector___mul__)
    __truediv__ = _method(_Q.Vector___div__)
    __itruediv__ = _method(_Q.Vector___idiv__)

    def __iter__(self):
        return iter((_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self)))

    def to_tuple(self):
        return (_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self))

    def to_float_array(self):
        return [_Q.Vector_x_get(self), _Q.Vector_y_get(self), _Q.Vector_z_get(self)]

    def __repr__(self):
        try:
            return "Vector(%r, %r, %r)" % self.to_tuple()
        except (TypeError, ValueError, AttributeError):  # deleted, or no "this"
            return _swig_repr(self)


@_bind('Matrix')
class Matrix(_Object):
    """An affine transform: a point p maps to
    x_basis * p.x + y_basis * p.y + z_basis * p.z + origin.

    The basis and origin properties are views that write through to the
    matrix and keep it alive; assigning one copies a vector in.
    to_array_3x3() and to_array_4x4() give row lists whose rows are the bases
    (and, for 4x4, the origin as the fourth row), each padded with 0 (1 for the
    origin row): a point as the row [x, y, z, 1] multiplied by the 4x4 array
    gives transform_point's result.
    """

    __hash__ = None  # mutable, compared by value

    identity = _Shared("Matrix_identity")

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
        try:
            return "Matrix(%r, %r, %r, %r)" % (_Q.Matrix_x_basis_get(self), _Q.Matrix_y_basis_get(self),
                                               _Q.Matrix_z_basis_get(self), _Q.Matrix_origin_get(self))
        except (TypeError, ValueError, AttributeError):  # deleted, or no "this"
            return _swig_repr(self)


# ---- tracking data ----------------------------------------------------------


@_bind('Interface')
class Interface(_Object):
    """Base of the library's handle classes."""


@_bind('Pointable')
class Pointable(Interface):
    """A tracked finger or tool."""


@_bind('Arm')
class Arm(Interface):
    """The forearm of a hand."""


@_bind('Bone')
class Bone(Interface):
    """One of the four bones of a finger."""


@_bind('Finger')
class Finger(Pointable):
    """A finger: a pointable with four bones and four joints. Finger(pointable)
    views a pointable as a finger."""


@_bind('Tool')
class Tool(Pointable):
    """A tool held by the hand. Tool(pointable) views a pointable as a tool."""


@_bind('Hand')
class Hand(Interface):
    """A tracked hand."""


@_bind('Gesture')
class Gesture(Interface):
    """A recognised movement. Gesture(gesture) copies a gesture of any kind."""


@_bind('SwipeGesture')
class SwipeGesture(Gesture):
    """A swipe: SwipeGesture(gesture) turns a generic gesture into one."""


@_bind('CircleGesture')
class CircleGesture(Gesture):
    """A circle: CircleGesture(gesture) turns a generic gesture into one."""


@_bind('ScreenTapGesture')
class ScreenTapGesture(Gesture):
    """A screen tap: ScreenTapGesture(gesture) turns a generic gesture into one."""


@_bind('KeyTapGesture')
class KeyTapGesture(Gesture):
    """A key tap: KeyTapGesture(gesture) turns a generic gesture into one."""


@_bind('InteractionBox')
class InteractionBox(Interface):
    """The box of space in which positions are normalised."""


@_bind('Frame')
class Frame(Interface):
    """One snapshot of tracking data."""

    def serialize_into(self, buffer):
        """Writes the serialised frame into buffer (an 'unsigned char *' block
        of at least serialize_length bytes, such as a byte_array)."""
        _Q.Frame_serialize(self, buffer)

    def deserialize_from(self, buffer, length):
        """Replaces this frame by the one serialised in the first length bytes
        of buffer (an invalid frame when they are not a whole frame)."""
        _Q.Frame_deserialize(self, buffer, length)

    @property
    def serialize(self):
        """The serialised frame as (byte_array, length)."""
        length = _Q.Frame_serialize_length_get(self)
        buffer = byte_array(length)
        _Q.Frame_serialize(self, buffer)
        return (buffer, length)

    def deserialize(self, data):
        """Replaces this frame by one serialised as (buffer, length)."""
        buffer, length = data
        _Q.Frame_deserialize(self, buffer, length)


# ---- lists --------------------------------------------------------------------


@_bind('PointableList')
class PointableList(_AppendableList, Interface):
    """The pointables of a hand or frame."""


@_bind('FingerList')
class FingerList(_AppendableList, Interface):
    """The fingers of a hand or frame."""


@_bind('ToolList')
class ToolList(_AppendableList, Interface):
    """The tools of a hand or frame."""


@_bind('HandList')
class HandList(_AppendableList, Interface):
    """The hands of a frame."""


@_bind('GestureList')
class GestureList(_AppendableList, Interface):
    """The gestures of a frame."""


# ---- images, screens, devices, configuration --------------------------------


@_bind('Image')
class Image(Interface):
    """One camera picture: pixels, geometry, distortion grid and ray conversions."""

    @property
    def data(self):
        """A new byte_array holding a copy of the pixels (width * height * bytes_per_pixel)."""
        buffer = byte_array(max(self.width * self.height * self.bytes_per_pixel, 0))
        _Q.Image_data(self, buffer)
        return buffer

    @property
    def distortion(self):
        """A new float_array holding a copy of the distortion grid."""
        buffer = float_array(max(self.distortion_width * self.distortion_height, 0))
        _Q.Image_distortion(self, buffer)
        return buffer

    def pixels(self):
        """The pixels as a str of width * height * bytes_per_pixel bytes."""
        size = max(self.width * self.height * self.bytes_per_pixel, 0)
        address = _Q.Image_data_pointer_get(self)
        if address is None or size == 0:
            return ''
        # The library's buffer holds exactly that many bytes while this image lives.
        return _ctypes.string_at(int(address), size)

    data_string = property(pixels)


@_bind('Mask')
class Mask(Interface):
    """A rectangular patch of one-byte pixels at an offset."""

    @property
    def data(self):
        """A new byte_array holding a copy of the mask's width * height bytes."""
        buffer = byte_array(max(self.width * self.height, 0))
        _Q.Mask_data(self, buffer)
        return buffer


@_bind('TrackedQuad')
class TrackedQuad(Interface):
    """A tracked quadrilateral with its position, orientation, images and masks."""


@_bind('Screen')
class Screen(Interface):
    """A display located by the tracking service.

    intersect(pointable, normalize[, clamp_ratio]) or
    intersect(position, direction, normalize[, clamp_ratio]);
    project(position, normalize[, clamp_ratio]).
    """


@_bind('Device')
class Device(Interface):
    """An attached tracking device."""


@_bind('ScreenList')
class ScreenList(_List, Interface):
    """The located screens. closest_screen_hit(pointable) or
    closest_screen_hit(position, direction); closest_screen(position)."""


@_bind('DeviceList')
class DeviceList(_AppendableList, Interface):
    """The attached devices."""


@_bind('ImageList')
class ImageList(_AppendableList, Interface):
    """The camera images of a frame or controller."""


@_bind('MaskList')
class MaskList(_AppendableList, Interface):
    """The masks of a tracked quad."""


@_bind('BugReport')
class BugReport(Interface):
    """Starts and stops the service's bug-report recording."""


@_bind('Config')
class Config(Interface):
    """The service's configuration: typed values by key (a str)."""

    _GETTERS = {
        _Q.Config_TYPE_BOOLEAN: _Q.Config_get_bool,
        _Q.Config_TYPE_INT32: _Q.Config_get_int_32,
        _Q.Config_TYPE_FLOAT: _Q.Config_get_float,
        _Q.Config_TYPE_STRING: _Q.Config_get_string,
    }
    _SETTERS = {
        _Q.Config_TYPE_BOOLEAN: _Q.Config_set_bool,
        _Q.Config_TYPE_INT32: _Q.Config_set_int_32,
        _Q.Config_TYPE_FLOAT: _Q.Config_set_float,
        _Q.Config_TYPE_STRING: _Q.Config_set_string,
    }

    def get(self, key):
        """The value of key, read with the accessor of its type; KeyError if unknown."""
        getter = self._GETTERS.get(_Q.Config_type(self, key))
        if getter is None:
            raise KeyError(key)
        return getter(self, key)

    def set(self, key, value):
        """Stores value with the setter of key's type (an int for a float key
        is stored as a float); a new key takes the type of the value. Returns
        the library's success flag."""
        kind = _Q.Config_type(self, key)
        if kind == _Q.Config_TYPE_UNKNOWN:
            if isinstance(value, bool):
                kind = _Q.Config_TYPE_BOOLEAN
            elif isinstance(value, (int, long)):
                kind = _Q.Config_TYPE_INT32
            elif isinstance(value, float):
                kind = _Q.Config_TYPE_FLOAT
            elif isinstance(value, str):
                kind = _Q.Config_TYPE_STRING
            else:
                raise TypeError("no configuration type for %s" % type(value).__name__)
        setter = self._SETTERS.get(kind)
        if setter is None:
            raise TypeError("key %r has the unsupported type %d" % (key, kind))
        return setter(self, key, value)


# ---- raw arrays and iterator ----------------------------------------------------


@_bind('byte_array')
class byte_array(_Object):
    """A native block of unsigned bytes, passed where an 'unsigned char *' is
    expected. byte_array(n) allocates n elements; indexing beyond them raises
    IndexError. cast() gives the block's address, frompointer(p) a view of it."""


@_bind('float_array')
class float_array(_Object):
    """A native block of single-precision floats, passed where a 'float *' is
    expected; otherwise like byte_array."""


@_bind('SwigPyIterator')
class SwigPyIterator(_Object):
    """A bidirectional iterator over Python objects, made by other modules."""

    def __init__(self, *args, **kwargs):
        raise AttributeError("No constructor defined - class is abstract")

    def __iter__(self):
        return self


# ---- controller and listener --------------------------------------------------


@_bind('Listener')
class Listener(_Object):
    """Receives a controller's events on the tracking library's threads.

    Subclass it and override any of on_init, on_connect, on_disconnect,
    on_exit, on_frame, on_focus_gained, on_focus_lost, on_service_connect,
    on_service_disconnect, on_device_change and on_images; each receives the
    Controller. A subclass with its own __init__ must call the base's
    (Listener.__init__(self) or super(...).__init__()). A plain Listener()
    receives nothing in Python, and the base methods do nothing.
    """

    def __init__(self):
        served = None if type(self) is Listener else self
        self.this = _Q.new_Listener(served)

    def disown(self):
        """Hands this listener to the native side, which then keeps it alive."""
        self.this.disown()
        _Q.disown_Listener(self)


@_bind('Controller')
class Controller(Interface):
    """The connection to the tracking service.

    Controller() or Controller(listener). frame(history=0) is the latest
    frame or an earlier one; listeners receive events on the library's
    threads while registered.
    """

    _listeners = []  # those registered through this instance (a callback's has none)

    def __init__(self, *listener):
        if _shutting_down:
            raise RuntimeError("the interpreter is shutting down")
        self.this = _Q.new_Controller(*listener)
        self._listeners = list(listener)
        _live_controllers[id(self)] = self

    def add_listener(self, listener):
        """Registers listener; True when it was added.

        While registered, the listener is kept alive by the registration
        itself, so it cannot be freed while the controller may still call it;
        the registration ends when remove_listener returns or the controller
        ends (the listener then receives on_exit), and the listener is
        released then. Keep your own reference if you use it afterwards.
        """
        if _shutting_down:
            raise RuntimeError("the interpreter is shutting down")
        added = _Q.Controller_add_listener(self, listener)
        if added:
            self._listeners = self._listeners + [listener]
        return added

    def remove_listener(self, listener):
        """Unregisters listener; when this returns it receives no further event."""
        removed = _Q.Controller_remove_listener(self, listener)
        self._listeners = [l for l in self._listeners if l is not listener]
        return removed


# When the program ends, the listeners of controllers still alive are removed
# before the interpreter shuts down, so no callback can arrive while it does.
# The controllers themselves are left to the end of the process, not freed:
# a thread of the program may still be inside a call on one.
_live_controllers = _weakref.WeakValueDictionary()
_shutting_down = False


@_atexit.register
def _stop_controllers():
    global _shutting_down
    _shutting_down = True  # threads still running may not start new ones
    for controller in list(_live_controllers.values()):
        try:
            for listener in controller._listeners:
                _Q.Controller_remove_listener(controller, listener)
            controller.this.disown()
        except Exception:
            pass
