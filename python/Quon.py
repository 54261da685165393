"""Quon: the Python face of the Quon hand-tracking library.

The classes here map Python classes, properties, operators and iteration onto
the flat functions of the extension module QuonPython. Each class registers
itself with its <Class>_swigregister function, so that module functions
returning objects of its type hand out instances of it.
"""

import atexit as _atexit
import functools as _functools
import itertools as _itertools
import operator as _operator
import types as _types
import weakref as _weakref

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


def _invalid_of(variable):
    """X.invalid(): the library's invalid instance, borrowed."""
    return staticmethod(lambda: getattr(cvar, variable))


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
    setattr(Vector, _name, _method(_function))
_compare(Vector, _Q.Vector___eq__, _Q.Vector___ne__)
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
    setattr(Matrix, _name, _method(_function))
_compare(Matrix, _Q.Matrix___eq__, _Q.Matrix___ne__)
_Q.Matrix_swigregister(Matrix)
del _name, _function


# ---- tracking data ----------------------------------------------------------

class Pointable(_Object):
    """A tracked finger or tool."""

    __swig_destroy__ = _Q.delete_Pointable
    ZONE_NONE = _Q.Pointable_ZONE_NONE
    ZONE_HOVERING = _Q.Pointable_ZONE_HOVERING
    ZONE_TOUCHING = _Q.Pointable_ZONE_TOUCHING

    def __init__(self):
        self.this = _Q.new_Pointable()

    __str__ = _method(_Q.Pointable___str__)
    id = property(_Q.Pointable_id_get)
    hand = property(_Q.Pointable_hand_get)
    tip_position = property(_Q.Pointable_tip_position_get)
    tip_velocity = property(_Q.Pointable_tip_velocity_get)
    direction = property(_Q.Pointable_direction_get)
    width = property(_Q.Pointable_width_get)
    length = property(_Q.Pointable_length_get)
    is_tool = property(_Q.Pointable_is_tool_get)
    is_finger = property(_Q.Pointable_is_finger_get)
    is_extended = property(_Q.Pointable_is_extended_get)
    is_valid = property(_Q.Pointable_is_valid_get)
    touch_zone = property(_Q.Pointable_touch_zone_get)
    touch_distance = property(_Q.Pointable_touch_distance_get)
    stabilized_tip_position = property(_Q.Pointable_stabilized_tip_position_get)
    time_visible = property(_Q.Pointable_time_visible_get)
    frame = property(_Q.Pointable_frame_get)
    invalid = _invalid_of("Pointable_invalid")


_compare(Pointable, _Q.Pointable___eq__, _Q.Pointable___ne__)
_Q.Pointable_swigregister(Pointable)


class Arm(_Object):
    """The forearm of a hand."""

    __swig_destroy__ = _Q.delete_Arm

    def __init__(self):
        self.this = _Q.new_Arm()

    __str__ = _method(_Q.Arm___str__)
    width = property(_Q.Arm_width_get)
    center = property(_Q.Arm_center_get)
    direction = property(_Q.Arm_direction_get)
    basis = property(_Q.Arm_basis_get)
    elbow_position = property(_Q.Arm_elbow_position_get)
    wrist_position = property(_Q.Arm_wrist_position_get)
    is_valid = property(_Q.Arm_is_valid_get)
    invalid = _invalid_of("Arm_invalid")


_compare(Arm, _Q.Arm___eq__, _Q.Arm___ne__)
_Q.Arm_swigregister(Arm)


class Bone(_Object):
    """One of the four bones of a finger."""

    __swig_destroy__ = _Q.delete_Bone
    TYPE_METACARPAL = _Q.Bone_TYPE_METACARPAL
    TYPE_PROXIMAL = _Q.Bone_TYPE_PROXIMAL
    TYPE_INTERMEDIATE = _Q.Bone_TYPE_INTERMEDIATE
    TYPE_DISTAL = _Q.Bone_TYPE_DISTAL

    def __init__(self):
        self.this = _Q.new_Bone()

    __str__ = _method(_Q.Bone___str__)
    prev_joint = property(_Q.Bone_prev_joint_get)
    next_joint = property(_Q.Bone_next_joint_get)
    center = property(_Q.Bone_center_get)
    direction = property(_Q.Bone_direction_get)
    length = property(_Q.Bone_length_get)
    width = property(_Q.Bone_width_get)
    type = property(_Q.Bone_type_get)
    basis = property(_Q.Bone_basis_get)
    is_valid = property(_Q.Bone_is_valid_get)
    invalid = _invalid_of("Bone_invalid")


_compare(Bone, _Q.Bone___eq__, _Q.Bone___ne__)
_Q.Bone_swigregister(Bone)


class Finger(Pointable):
    """A finger: a pointable with four bones and four joints. Finger(pointable)
    views a pointable as a finger."""

    __swig_destroy__ = _Q.delete_Finger
    JOINT_MCP = _Q.Finger_JOINT_MCP
    JOINT_PIP = _Q.Finger_JOINT_PIP
    JOINT_DIP = _Q.Finger_JOINT_DIP
    JOINT_TIP = _Q.Finger_JOINT_TIP
    TYPE_THUMB = _Q.Finger_TYPE_THUMB
    TYPE_INDEX = _Q.Finger_TYPE_INDEX
    TYPE_MIDDLE = _Q.Finger_TYPE_MIDDLE
    TYPE_RING = _Q.Finger_TYPE_RING
    TYPE_PINKY = _Q.Finger_TYPE_PINKY

    def __init__(self, *args):
        self.this = _Q.new_Finger(*args)

    __str__ = _method(_Q.Finger___str__)
    joint_position = _method(_Q.Finger_joint_position)
    bone = _method(_Q.Finger_bone)
    type = property(_Q.Finger_type_get)
    invalid = _invalid_of("Finger_invalid")


_Q.Finger_swigregister(Finger)


class Tool(Pointable):
    """A tool held by the hand. Tool(pointable) views a pointable as a tool."""

    __swig_destroy__ = _Q.delete_Tool

    def __init__(self, *args):
        self.this = _Q.new_Tool(*args)

    __str__ = _method(_Q.Tool___str__)
    invalid = _invalid_of("Tool_invalid")


_Q.Tool_swigregister(Tool)


class Hand(_Object):
    """A tracked hand."""

    __swig_destroy__ = _Q.delete_Hand

    def __init__(self):
        self.this = _Q.new_Hand()

    __str__ = _method(_Q.Hand___str__)
    pointable = _method(_Q.Hand_pointable)
    finger = _method(_Q.Hand_finger)
    tool = _method(_Q.Hand_tool)
    translation = _method(_Q.Hand_translation)
    translation_probability = _method(_Q.Hand_translation_probability)
    rotation_axis = _method(_Q.Hand_rotation_axis)
    rotation_angle = _method(_Q.Hand_rotation_angle)
    rotation_matrix = _method(_Q.Hand_rotation_matrix)
    rotation_probability = _method(_Q.Hand_rotation_probability)
    scale_factor = _method(_Q.Hand_scale_factor)
    scale_probability = _method(_Q.Hand_scale_probability)
    id = property(_Q.Hand_id_get)
    pointables = property(_Q.Hand_pointables_get)
    fingers = property(_Q.Hand_fingers_get)
    tools = property(_Q.Hand_tools_get)
    palm_position = property(_Q.Hand_palm_position_get)
    palm_velocity = property(_Q.Hand_palm_velocity_get)
    palm_normal = property(_Q.Hand_palm_normal_get)
    direction = property(_Q.Hand_direction_get)
    basis = property(_Q.Hand_basis_get)
    is_valid = property(_Q.Hand_is_valid_get)
    sphere_center = property(_Q.Hand_sphere_center_get)
    sphere_radius = property(_Q.Hand_sphere_radius_get)
    grab_strength = property(_Q.Hand_grab_strength_get)
    pinch_strength = property(_Q.Hand_pinch_strength_get)
    palm_width = property(_Q.Hand_palm_width_get)
    stabilized_palm_position = property(_Q.Hand_stabilized_palm_position_get)
    wrist_position = property(_Q.Hand_wrist_position_get)
    time_visible = property(_Q.Hand_time_visible_get)
    confidence = property(_Q.Hand_confidence_get)
    is_left = property(_Q.Hand_is_left_get)
    is_right = property(_Q.Hand_is_right_get)
    frame = property(_Q.Hand_frame_get)
    arm = property(_Q.Hand_arm_get)
    invalid = _invalid_of("Hand_invalid")


_compare(Hand, _Q.Hand___eq__, _Q.Hand___ne__)
_Q.Hand_swigregister(Hand)


class Gesture(_Object):
    """A recognised movement. Gesture(gesture) copies a gesture of any kind."""

    __swig_destroy__ = _Q.delete_Gesture
    TYPE_INVALID = _Q.Gesture_TYPE_INVALID
    TYPE_SWIPE = _Q.Gesture_TYPE_SWIPE
    TYPE_CIRCLE = _Q.Gesture_TYPE_CIRCLE
    TYPE_SCREEN_TAP = _Q.Gesture_TYPE_SCREEN_TAP
    TYPE_KEY_TAP = _Q.Gesture_TYPE_KEY_TAP
    STATE_INVALID = _Q.Gesture_STATE_INVALID
    STATE_START = _Q.Gesture_STATE_START
    STATE_UPDATE = _Q.Gesture_STATE_UPDATE
    STATE_STOP = _Q.Gesture_STATE_STOP

    def __init__(self, *args):
        self.this = _Q.new_Gesture(*args)

    __str__ = _method(_Q.Gesture___str__)
    type = property(_Q.Gesture_type_get)
    state = property(_Q.Gesture_state_get)
    id = property(_Q.Gesture_id_get)
    duration = property(_Q.Gesture_duration_get)
    duration_seconds = property(_Q.Gesture_duration_seconds_get)
    frame = property(_Q.Gesture_frame_get)
    hands = property(_Q.Gesture_hands_get)
    pointables = property(_Q.Gesture_pointables_get)
    is_valid = property(_Q.Gesture_is_valid_get)
    invalid = _invalid_of("Gesture_invalid")


_compare(Gesture, _Q.Gesture___eq__, _Q.Gesture___ne__)
_Q.Gesture_swigregister(Gesture)


class SwipeGesture(Gesture):
    """A swipe: SwipeGesture(gesture) turns a generic gesture into one."""

    __swig_destroy__ = _Q.delete_SwipeGesture
    class_type = staticmethod(_Q.SwipeGesture_class_type)

    def __init__(self, *args):
        self.this = _Q.new_SwipeGesture(*args)

    start_position = property(_Q.SwipeGesture_start_position_get)
    position = property(_Q.SwipeGesture_position_get)
    direction = property(_Q.SwipeGesture_direction_get)
    speed = property(_Q.SwipeGesture_speed_get)
    pointable = property(_Q.SwipeGesture_pointable_get)


_Q.SwipeGesture_swigregister(SwipeGesture)


class CircleGesture(Gesture):
    """A circle: CircleGesture(gesture) turns a generic gesture into one."""

    __swig_destroy__ = _Q.delete_CircleGesture
    class_type = staticmethod(_Q.CircleGesture_class_type)

    def __init__(self, *args):
        self.this = _Q.new_CircleGesture(*args)

    center = property(_Q.CircleGesture_center_get)
    normal = property(_Q.CircleGesture_normal_get)
    progress = property(_Q.CircleGesture_progress_get)
    radius = property(_Q.CircleGesture_radius_get)
    pointable = property(_Q.CircleGesture_pointable_get)


_Q.CircleGesture_swigregister(CircleGesture)


class ScreenTapGesture(Gesture):
    """A screen tap: ScreenTapGesture(gesture) turns a generic gesture into one."""

    __swig_destroy__ = _Q.delete_ScreenTapGesture
    class_type = staticmethod(_Q.ScreenTapGesture_class_type)

    def __init__(self, *args):
        self.this = _Q.new_ScreenTapGesture(*args)

    position = property(_Q.ScreenTapGesture_position_get)
    direction = property(_Q.ScreenTapGesture_direction_get)
    progress = property(_Q.ScreenTapGesture_progress_get)
    pointable = property(_Q.ScreenTapGesture_pointable_get)


_Q.ScreenTapGesture_swigregister(ScreenTapGesture)


class KeyTapGesture(Gesture):
    """A key tap: KeyTapGesture(gesture) turns a generic gesture into one."""

    __swig_destroy__ = _Q.delete_KeyTapGesture
    class_type = staticmethod(_Q.KeyTapGesture_class_type)

    def __init__(self, *args):
        self.this = _Q.new_KeyTapGesture(*args)

    position = property(_Q.KeyTapGesture_position_get)
    direction = property(_Q.KeyTapGesture_direction_get)
    progress = property(_Q.KeyTapGesture_progress_get)
    pointable = property(_Q.KeyTapGesture_pointable_get)


_Q.KeyTapGesture_swigregister(KeyTapGesture)


class InteractionBox(_Object):
    """The box of space in which positions are normalised."""

    __swig_destroy__ = _Q.delete_InteractionBox

    def __init__(self):
        self.this = _Q.new_InteractionBox()

    __str__ = _method(_Q.InteractionBox___str__)
    normalize_point = _method(_Q.InteractionBox_normalize_point)
    denormalize_point = _method(_Q.InteractionBox_denormalize_point)
    center = property(_Q.InteractionBox_center_get)
    width = property(_Q.InteractionBox_width_get)
    height = property(_Q.InteractionBox_height_get)
    depth = property(_Q.InteractionBox_depth_get)
    is_valid = property(_Q.InteractionBox_is_valid_get)
    invalid = _invalid_of("InteractionBox_invalid")


_compare(InteractionBox, _Q.InteractionBox___eq__, _Q.InteractionBox___ne__)
_Q.InteractionBox_swigregister(InteractionBox)


class Frame(_Object):
    """One snapshot of tracking data."""

    __swig_destroy__ = _Q.delete_Frame

    def __init__(self):
        self.this = _Q.new_Frame()

    __str__ = _method(_Q.Frame___str__)
    hand = _method(_Q.Frame_hand)
    pointable = _method(_Q.Frame_pointable)
    finger = _method(_Q.Frame_finger)
    tool = _method(_Q.Frame_tool)
    gesture = _method(_Q.Frame_gesture)
    gestures = _method(_Q.Frame_gestures)
    translation = _method(_Q.Frame_translation)
    translation_probability = _method(_Q.Frame_translation_probability)
    rotation_axis = _method(_Q.Frame_rotation_axis)
    rotation_angle = _method(_Q.Frame_rotation_angle)
    rotation_matrix = _method(_Q.Frame_rotation_matrix)
    rotation_probability = _method(_Q.Frame_rotation_probability)
    scale_factor = _method(_Q.Frame_scale_factor)
    scale_probability = _method(_Q.Frame_scale_probability)
    id = property(_Q.Frame_id_get)
    timestamp = property(_Q.Frame_timestamp_get)
    current_frames_per_second = property(_Q.Frame_current_frames_per_second_get)
    pointables = property(_Q.Frame_pointables_get)
    fingers = property(_Q.Frame_fingers_get)
    tools = property(_Q.Frame_tools_get)
    hands = property(_Q.Frame_hands_get)
    images = property(_Q.Frame_images_get)
    is_valid = property(_Q.Frame_is_valid_get)
    interaction_box = property(_Q.Frame_interaction_box_get)
    serialize_length = property(_Q.Frame_serialize_length_get)
    tracked_quad = property(_Q.Frame_tracked_quad_get)
    invalid = _invalid_of("Frame_invalid")

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


_compare(Frame, _Q.Frame___eq__, _Q.Frame___ne__)
_Q.Frame_swigregister(Frame)


# ---- lists --------------------------------------------------------------------

class _List(_Object):
    """A library list as a Python sequence: len(), indexing with negative
    indexes counted from the end, IndexError past the end, slices, and
    iteration bounded by the length. Subclasses name their module functions
    in _new, _len and _getitem."""

    def __init__(self):
        self.this = self._new()

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
    """A list that can take the elements of another (named in _append)."""

    def append(self, other):
        """Appends other's elements to this list; returns this list."""
        self._append(self, other)
        return self


class PointableList(_AppendableList):
    __swig_destroy__ = _Q.delete_PointableList
    _new = staticmethod(_Q.new_PointableList)
    _len = _Q.PointableList___len__
    _getitem = _Q.PointableList___getitem__
    _append = _Q.PointableList_append
    __len__ = _method(_Q.PointableList___len__)
    extended = _method(_Q.PointableList_extended)
    is_empty = property(_Q.PointableList_is_empty_get)
    leftmost = property(_Q.PointableList_leftmost_get)
    rightmost = property(_Q.PointableList_rightmost_get)
    frontmost = property(_Q.PointableList_frontmost_get)


_Q.PointableList_swigregister(PointableList)


class FingerList(_AppendableList):
    __swig_destroy__ = _Q.delete_FingerList
    _new = staticmethod(_Q.new_FingerList)
    _len = _Q.FingerList___len__
    _getitem = _Q.FingerList___getitem__
    _append = _Q.FingerList_append
    __len__ = _method(_Q.FingerList___len__)
    extended = _method(_Q.FingerList_extended)
    finger_type = _method(_Q.FingerList_finger_type)
    is_empty = property(_Q.FingerList_is_empty_get)
    leftmost = property(_Q.FingerList_leftmost_get)
    rightmost = property(_Q.FingerList_rightmost_get)
    frontmost = property(_Q.FingerList_frontmost_get)


_Q.FingerList_swigregister(FingerList)


class ToolList(_AppendableList):
    __swig_destroy__ = _Q.delete_ToolList
    _new = staticmethod(_Q.new_ToolList)
    _len = _Q.ToolList___len__
    _getitem = _Q.ToolList___getitem__
    _append = _Q.ToolList_append
    __len__ = _method(_Q.ToolList___len__)
    is_empty = property(_Q.ToolList_is_empty_get)
    leftmost = property(_Q.ToolList_leftmost_get)
    rightmost = property(_Q.ToolList_rightmost_get)
    frontmost = property(_Q.ToolList_frontmost_get)


_Q.ToolList_swigregister(ToolList)


class HandList(_AppendableList):
    __swig_destroy__ = _Q.delete_HandList
    _new = staticmethod(_Q.new_HandList)
    _len = _Q.HandList___len__
    _getitem = _Q.HandList___getitem__
    _append = _Q.HandList_append
    __len__ = _method(_Q.HandList___len__)
    is_empty = property(_Q.HandList_is_empty_get)
    leftmost = property(_Q.HandList_leftmost_get)
    rightmost = property(_Q.HandList_rightmost_get)
    frontmost = property(_Q.HandList_frontmost_get)


_Q.HandList_swigregister(HandList)


class GestureList(_AppendableList):
    __swig_destroy__ = _Q.delete_GestureList
    _new = staticmethod(_Q.new_GestureList)
    _len = _Q.GestureList___len__
    _getitem = _Q.GestureList___getitem__
    _append = _Q.GestureList_append
    __len__ = _method(_Q.GestureList___len__)
    is_empty = property(_Q.GestureList_is_empty_get)


_Q.GestureList_swigregister(GestureList)


# ---- images, screens, devices, configuration --------------------------------


class Image(_Object):
    """One camera picture: pixels, geometry, distortion grid and ray conversions."""

    INFRARED = _Q.Image_INFRARED
    __swig_destroy__ = _Q.delete_Image

    def __init__(self):
        self.this = _Q.new_Image()

    rectify = _method(_Q.Image_rectify)
    warp = _method(_Q.Image_warp)
    __str__ = _method(_Q.Image___str__)

    sequence_id = property(_Q.Image_sequence_id_get)
    id = property(_Q.Image_id_get)
    width = property(_Q.Image_width_get)
    height = property(_Q.Image_height_get)
    bytes_per_pixel = property(_Q.Image_bytes_per_pixel_get)
    format = property(_Q.Image_format_get)
    distortion_width = property(_Q.Image_distortion_width_get)
    distortion_height = property(_Q.Image_distortion_height_get)
    ray_offset_x = property(_Q.Image_ray_offset_x_get)
    ray_offset_y = property(_Q.Image_ray_offset_y_get)
    ray_scale_x = property(_Q.Image_ray_scale_x_get)
    ray_scale_y = property(_Q.Image_ray_scale_y_get)
    timestamp = property(_Q.Image_timestamp_get)
    is_valid = property(_Q.Image_is_valid_get)
    data_pointer = property(_Q.Image_data_pointer_get)
    distortion_pointer = property(_Q.Image_distortion_pointer_get)

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
        buffer = self.data
        return str(bytearray(buffer[i] for i in xrange(self.width * self.height * self.bytes_per_pixel)))

    data_string = property(pixels)


_compare(Image, _Q.Image___eq__, _Q.Image___ne__)
_Q.Image_swigregister(Image)


class Mask(_Object):
    """A rectangular patch of one-byte pixels at an offset."""

    __swig_destroy__ = _Q.delete_Mask

    def __init__(self):
        self.this = _Q.new_Mask()

    invalid = staticmethod(_Q.Mask_invalid)
    __str__ = _method(_Q.Mask___str__)

    sequence_id = property(_Q.Mask_sequence_id_get)
    id = property(_Q.Mask_id_get)
    width = property(_Q.Mask_width_get)
    height = property(_Q.Mask_height_get)
    offset_x = property(_Q.Mask_offset_x_get)
    offset_y = property(_Q.Mask_offset_y_get)
    is_valid = property(_Q.Mask_is_valid_get)
    data_pointer = property(_Q.Mask_data_pointer_get)

    @property
    def data(self):
        """A new byte_array holding a copy of the mask's width * height bytes."""
        buffer = byte_array(max(self.width * self.height, 0))
        _Q.Mask_data(self, buffer)
        return buffer


_compare(Mask, _Q.Mask___eq__, _Q.Mask___ne__)
_Q.Mask_swigregister(Mask)


class TrackedQuad(_Object):
    """A tracked quadrilateral with its position, orientation, images and masks."""

    __swig_destroy__ = _Q.delete_TrackedQuad

    def __init__(self):
        self.this = _Q.new_TrackedQuad()

    __str__ = _method(_Q.TrackedQuad___str__)

    width = property(_Q.TrackedQuad_width_get)
    height = property(_Q.TrackedQuad_height_get)
    resolution_x = property(_Q.TrackedQuad_resolution_x_get)
    resolution_y = property(_Q.TrackedQuad_resolution_y_get)
    visible = property(_Q.TrackedQuad_visible_get)
    orientation = property(_Q.TrackedQuad_orientation_get)
    position = property(_Q.TrackedQuad_position_get)
    masks = property(_Q.TrackedQuad_masks_get)
    images = property(_Q.TrackedQuad_images_get)
    is_valid = property(_Q.TrackedQuad_is_valid_get)


_compare(TrackedQuad, _Q.TrackedQuad___eq__, _Q.TrackedQuad___ne__)
_Q.TrackedQuad_swigregister(TrackedQuad)


class Screen(_Object):
    """A display located by the tracking service."""

    __swig_destroy__ = _Q.delete_Screen

    def __init__(self):
        self.this = _Q.new_Screen()

    def intersect(self, *args):
        """intersect(pointable, normalize, clamp_ratio=1.0) or
        intersect(position, direction, normalize, clamp_ratio=1.0)."""
        return _Q.Screen_intersect(self, *args)

    def project(self, position, normalize, clamp_ratio=1.0):
        return _Q.Screen_project(self, position, normalize, clamp_ratio)

    normal = _method(_Q.Screen_normal)
    distance_to_point = _method(_Q.Screen_distance_to_point)
    __str__ = _method(_Q.Screen___str__)

    id = property(_Q.Screen_id_get)
    horizontal_axis = property(_Q.Screen_horizontal_axis_get)
    vertical_axis = property(_Q.Screen_vertical_axis_get)
    bottom_left_corner = property(_Q.Screen_bottom_left_corner_get)
    width_pixels = property(_Q.Screen_width_pixels_get)
    height_pixels = property(_Q.Screen_height_pixels_get)
    is_valid = property(_Q.Screen_is_valid_get)


_compare(Screen, _Q.Screen___eq__, _Q.Screen___ne__)
_Q.Screen_swigregister(Screen)


class Device(_Object):
    """An attached tracking device."""

    TYPE_PERIPHERAL = _Q.Device_TYPE_PERIPHERAL
    TYPE_LAPTOP = _Q.Device_TYPE_LAPTOP
    TYPE_KEYBOARD = _Q.Device_TYPE_KEYBOARD
    __swig_destroy__ = _Q.delete_Device

    def __init__(self):
        self.this = _Q.new_Device()

    distance_to_boundary = _method(_Q.Device_distance_to_boundary)
    __str__ = _method(_Q.Device___str__)

    horizontal_view_angle = property(_Q.Device_horizontal_view_angle_get)
    vertical_view_angle = property(_Q.Device_vertical_view_angle_get)
    range = property(_Q.Device_range_get)
    baseline = property(_Q.Device_baseline_get)
    is_valid = property(_Q.Device_is_valid_get)
    is_embedded = property(_Q.Device_is_embedded_get)
    is_streaming = property(_Q.Device_is_streaming_get)
    is_flipped = property(_Q.Device_is_flipped_get)
    type = property(_Q.Device_type_get)
    serial_number = property(_Q.Device_serial_number_get)
    position = property(_Q.Device_position_get)
    orientation = property(_Q.Device_orientation_get)


_compare(Device, _Q.Device___eq__, _Q.Device___ne__)
_Q.Device_swigregister(Device)


class ScreenList(_List):
    __swig_destroy__ = _Q.delete_ScreenList
    _new = staticmethod(_Q.new_ScreenList)
    _len = _Q.ScreenList___len__
    _getitem = _Q.ScreenList___getitem__
    __len__ = _method(_Q.ScreenList___len__)

    def closest_screen_hit(self, *args):
        """closest_screen_hit(pointable) or closest_screen_hit(position, direction)."""
        return _Q.ScreenList_closest_screen_hit(self, *args)

    closest_screen = _method(_Q.ScreenList_closest_screen)
    is_empty = property(_Q.ScreenList_is_empty_get)


_Q.ScreenList_swigregister(ScreenList)


class DeviceList(_AppendableList):
    __swig_destroy__ = _Q.delete_DeviceList
    _new = staticmethod(_Q.new_DeviceList)
    _len = _Q.DeviceList___len__
    _getitem = _Q.DeviceList___getitem__
    _append = _Q.DeviceList_append
    __len__ = _method(_Q.DeviceList___len__)

    is_empty = property(_Q.DeviceList_is_empty_get)


_Q.DeviceList_swigregister(DeviceList)


class ImageList(_AppendableList):
    __swig_destroy__ = _Q.delete_ImageList
    _new = staticmethod(_Q.new_ImageList)
    _len = _Q.ImageList___len__
    _getitem = _Q.ImageList___getitem__
    _append = _Q.ImageList_append
    __len__ = _method(_Q.ImageList___len__)

    is_empty = property(_Q.ImageList_is_empty_get)


_Q.ImageList_swigregister(ImageList)


class MaskList(_AppendableList):
    __swig_destroy__ = _Q.delete_MaskList
    _new = staticmethod(_Q.new_MaskList)
    _len = _Q.MaskList___len__
    _getitem = _Q.MaskList___getitem__
    _append = _Q.MaskList_append
    __len__ = _method(_Q.MaskList___len__)

    is_empty = property(_Q.MaskList_is_empty_get)


_Q.MaskList_swigregister(MaskList)


class BugReport(_Object):
    """Starts and stops the service's bug-report recording."""

    __swig_destroy__ = _Q.delete_BugReport

    def __init__(self):
        self.this = _Q.new_BugReport()

    begin_recording = _method(_Q.BugReport_begin_recording)
    end_recording = _method(_Q.BugReport_end_recording)
    is_active = property(_Q.BugReport_is_active_get)
    progress = property(_Q.BugReport_progress_get)
    duration = property(_Q.BugReport_duration_get)


_Q.BugReport_swigregister(BugReport)


class Config(_Object):
    """The service's configuration: typed values by key (a str)."""

    TYPE_UNKNOWN = _Q.Config_TYPE_UNKNOWN
    TYPE_BOOLEAN = _Q.Config_TYPE_BOOLEAN
    TYPE_INT32 = _Q.Config_TYPE_INT32
    TYPE_FLOAT = _Q.Config_TYPE_FLOAT
    TYPE_STRING = _Q.Config_TYPE_STRING
    __swig_destroy__ = _Q.delete_Config

    def __init__(self):
        self.this = _Q.new_Config()

    type = _method(_Q.Config_type)
    get_bool = _method(_Q.Config_get_bool)
    set_bool = _method(_Q.Config_set_bool)
    get_int_32 = _method(_Q.Config_get_int_32)
    set_int_32 = _method(_Q.Config_set_int_32)
    get_float = _method(_Q.Config_get_float)
    set_float = _method(_Q.Config_set_float)
    get_string = _method(_Q.Config_get_string)
    set_string = _method(_Q.Config_set_string)
    save = _method(_Q.Config_save)

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
        if kind == self.TYPE_UNKNOWN:
            if isinstance(value, bool):
                kind = self.TYPE_BOOLEAN
            elif isinstance(value, (int, long)):
                kind = self.TYPE_INT32
            elif isinstance(value, float):
                kind = self.TYPE_FLOAT
            elif isinstance(value, str):
                kind = self.TYPE_STRING
            else:
                raise TypeError("no configuration type for %s" % type(value).__name__)
        setter = self._SETTERS.get(kind)
        if setter is None:
            raise TypeError("key %r has the unsupported type %d" % (key, kind))
        return setter(self, key, value)


_Q.Config_swigregister(Config)


# ---- raw arrays and iterator ----------------------------------------------------


class byte_array(_Object):
    """A native block of unsigned bytes, passed where an 'unsigned char *' is expected.

    byte_array(n) allocates n elements; indexing beyond them raises IndexError."""

    __swig_destroy__ = _Q.delete_byte_array

    def __init__(self, nelements):
        self.this = _Q.new_byte_array(nelements)

    __getitem__ = _method(_Q.byte_array___getitem__)
    __setitem__ = _method(_Q.byte_array___setitem__)
    cast = _method(_Q.byte_array_cast)
    frompointer = staticmethod(_Q.byte_array_frompointer)


_Q.byte_array_swigregister(byte_array)


class float_array(_Object):
    """A native block of single-precision floats, passed where a 'float *' is expected."""

    __swig_destroy__ = _Q.delete_float_array

    def __init__(self, nelements):
        self.this = _Q.new_float_array(nelements)

    __getitem__ = _method(_Q.float_array___getitem__)
    __setitem__ = _method(_Q.float_array___setitem__)
    cast = _method(_Q.float_array_cast)
    frompointer = staticmethod(_Q.float_array_frompointer)


_Q.float_array_swigregister(float_array)


class SwigPyIterator(object):
    """A bidirectional iterator over Python objects, made by other modules."""

    __swig_destroy__ = _Q.delete_SwigPyIterator

    def __init__(self, *args, **kwargs):
        raise AttributeError("No constructor defined - class is abstract")

    __repr__ = _swig_repr

    value = _method(_Q.SwigPyIterator_value)
    distance = _method(_Q.SwigPyIterator_distance)
    equal = _method(_Q.SwigPyIterator_equal)
    copy = _method(_Q.SwigPyIterator_copy)
    next = _method(_Q.SwigPyIterator_next)
    __next__ = _method(_Q.SwigPyIterator___next__)
    previous = _method(_Q.SwigPyIterator_previous)
    advance = _method(_Q.SwigPyIterator_advance)
    __eq__ = _method(_Q.SwigPyIterator___eq__)
    __ne__ = _method(_Q.SwigPyIterator___ne__)
    __iadd__ = _method(_Q.SwigPyIterator___iadd__)
    __isub__ = _method(_Q.SwigPyIterator___isub__)
    __add__ = _method(_Q.SwigPyIterator___add__)
    __sub__ = _method(_Q.SwigPyIterator___sub__)

    def incr(self, *n):
        return _Q.SwigPyIterator_incr(self, *n)

    def decr(self, *n):
        return _Q.SwigPyIterator_decr(self, *n)

    def __iter__(self):
        return self


_Q.SwigPyIterator_swigregister(SwigPyIterator)


# ---- controller and listener --------------------------------------------------


class Listener(object):
    """Receives a controller's events on the tracking library's threads.

    Subclass it and override any of on_init, on_connect, on_disconnect,
    on_exit, on_frame, on_focus_gained, on_focus_lost, on_service_connect,
    on_service_disconnect, on_device_change and on_images; each receives the
    Controller. A subclass with its own __init__ must call the base's
    (Listener.__init__(self) or super(...).__init__()). A plain Listener()
    receives nothing in Python, and the base methods do nothing.
    """

    __swig_destroy__ = _Q.delete_Listener

    def __init__(self):
        served = None if type(self) is Listener else self
        self.this = _Q.new_Listener(served)

    def disown(self):
        """Hands this listener to the native side, which then keeps it alive."""
        self.this.disown()
        _Q.disown_Listener(self)

    def on_init(self, controller):
        _Q.Listener_on_init(self, controller)

    def on_connect(self, controller):
        _Q.Listener_on_connect(self, controller)

    def on_disconnect(self, controller):
        _Q.Listener_on_disconnect(self, controller)

    def on_exit(self, controller):
        _Q.Listener_on_exit(self, controller)

    def on_frame(self, controller):
        _Q.Listener_on_frame(self, controller)

    def on_focus_gained(self, controller):
        _Q.Listener_on_focus_gained(self, controller)

    def on_focus_lost(self, controller):
        _Q.Listener_on_focus_lost(self, controller)

    def on_service_connect(self, controller):
        _Q.Listener_on_service_connect(self, controller)

    def on_service_disconnect(self, controller):
        _Q.Listener_on_service_disconnect(self, controller)

    def on_device_change(self, controller):
        _Q.Listener_on_device_change(self, controller)

    def on_images(self, controller):
        _Q.Listener_on_images(self, controller)

    __repr__ = _swig_repr


_Q.Listener_swigregister(Listener)


class Controller(_Object):
    """The connection to the tracking service.

    Controller() or Controller(listener). frame(history=0) is the latest
    frame or an earlier one; listeners receive events on the library's
    threads while registered.
    """

    POLICY_DEFAULT = _Q.Controller_POLICY_DEFAULT
    POLICY_BACKGROUND_FRAMES = _Q.Controller_POLICY_BACKGROUND_FRAMES
    POLICY_IMAGES = _Q.Controller_POLICY_IMAGES
    POLICY_OPTIMIZE_HMD = _Q.Controller_POLICY_OPTIMIZE_HMD

    __swig_destroy__ = _Q.delete_Controller

    def __init__(self, *listener):
        self.this = _Q.new_Controller(*listener)
        _live_controllers[id(self)] = self

    def frame(self, history=0):
        return _Q.Controller_frame(self, history)

    def add_listener(self, listener):
        """Registers listener; True when it was added.

        While registered, the listener is kept alive by the registration
        itself, so it cannot be freed while the controller may still call it;
        the registration ends when remove_listener returns or the controller
        ends (the listener then receives on_exit), and the listener is
        released then. Keep your own reference if you use it afterwards.
        """
        return _Q.Controller_add_listener(self, listener)

    def remove_listener(self, listener):
        """Unregisters listener; when this returns it receives no further event."""
        return _Q.Controller_remove_listener(self, listener)

    def enable_gesture(self, gesture_type, enable=True):
        return _Q.Controller_enable_gesture(self, gesture_type, enable)

    is_gesture_enabled = _method(_Q.Controller_is_gesture_enabled)
    is_service_connected = _method(_Q.Controller_is_service_connected)
    set_policy_flags = _method(_Q.Controller_set_policy_flags)
    set_policy = _method(_Q.Controller_set_policy)
    clear_policy = _method(_Q.Controller_clear_policy)
    is_policy_set = _method(_Q.Controller_is_policy_set)
    now = _method(_Q.Controller_now)

    is_connected = property(_Q.Controller_is_connected_get)
    has_focus = property(_Q.Controller_has_focus_get)
    policy_flags = property(_Q.Controller_policy_flags_get)
    config = property(_Q.Controller_config_get)
    images = property(_Q.Controller_images_get)
    located_screens = property(_Q.Controller_located_screens_get)
    devices = property(_Q.Controller_devices_get)
    tracked_quad = property(_Q.Controller_tracked_quad_get)
    bug_report = property(_Q.Controller_bug_report_get)


_Q.Controller_swigregister(Controller)

# Controllers still alive when the program ends are stopped before the
# interpreter shuts down, so no callback can arrive while it does.
_live_controllers = _weakref.WeakValueDictionary()


@_atexit.register
def _stop_controllers():
    for controller in list(_live_controllers.values()):
        try:
            _Q.delete_Controller(controller)
        except Exception:
            pass

