"""The method table: exactly 516 entries, with the names and in the order of
its class blocks. A builtin function points at its method-table entry, so
sorting the module's functions by that address gives the table's order."""

import ctypes
import unittest

import QuonPython as Q


class _CFunction(ctypes.Structure):
    _fields_ = [("refcnt", ctypes.c_ssize_t), ("type", ctypes.c_void_p), ("ml", ctypes.c_void_p)]


def table_order():
    functions = [(name, value) for name, value in vars(Q).items()
                 if type(value).__name__ == "builtin_function_or_method"]
    return [name for name, _ in sorted(functions, key=lambda item: _CFunction.from_address(id(item[1])).ml)]


def block(cls, members, first="new"):
    head = ["new_" + cls] if first == "new" else []
    return head + [m if m.startswith(("new_", "delete_")) else cls + "_" + m for m in members] + \
        ["delete_" + cls, cls + "_swigregister"]


def getters(*names):
    return [n + "_get" for n in names]


COMPARE = ["__eq__", "__ne__", "__str__"]
KIND = lambda cls, *names: ["%s_class_type" % cls] + block(cls, ["new_" + cls] + getters(*names), first="")

# (table position of the first entry, the block's names)
TRACKING = [
    (88, block("Pointable", COMPARE + getters(
        "id", "hand", "tip_position", "tip_velocity", "direction", "width", "length", "is_tool",
        "is_finger", "is_extended", "is_valid", "touch_zone", "touch_distance",
        "stabilized_tip_position", "time_visible", "frame"))),
    (110, block("Arm", COMPARE + getters(
        "width", "center", "direction", "basis", "elbow_position", "wrist_position", "is_valid"))),
    (123, block("Bone", COMPARE + getters(
        "prev_joint", "next_joint", "center", "direction", "length", "width", "type", "basis",
        "is_valid"))),
    (138, block("Finger", ["joint_position", "bone", "__str__", "type_get"])),
    (145, block("Tool", ["__str__"])),
    (149, block("Hand", ["pointable", "finger", "tool", "translation", "translation_probability",
                         "rotation_axis", "rotation_angle", "rotation_matrix",
                         "rotation_probability", "scale_factor", "scale_probability"] + COMPARE +
                getters("id", "pointables", "fingers", "tools", "palm_position", "palm_velocity",
                        "palm_normal", "direction", "basis", "is_valid", "sphere_center",
                        "sphere_radius", "grab_strength", "pinch_strength", "palm_width",
                        "stabilized_palm_position", "wrist_position", "time_visible",
                        "confidence", "is_left", "is_right", "frame", "arm"))),
    (189, block("Gesture", COMPARE + getters(
        "type", "state", "id", "duration", "duration_seconds", "frame", "hands", "pointables",
        "is_valid"))),
    (204, KIND("SwipeGesture", "start_position", "position", "direction", "speed", "pointable")),
    (213, KIND("CircleGesture", "center", "normal", "progress", "radius", "pointable")),
    (222, KIND("ScreenTapGesture", "position", "direction", "progress", "pointable")),
    (230, KIND("KeyTapGesture", "position", "direction", "progress", "pointable")),
    (316, block("PointableList", ["__len__", "__getitem__", "append", "extended"] +
                getters("is_empty", "leftmost", "rightmost", "frontmost"))),
    (327, block("FingerList", ["__len__", "__getitem__", "append", "extended", "finger_type"] +
                getters("is_empty", "leftmost", "rightmost", "frontmost"))),
    (339, block("ToolList", ["__len__", "__getitem__", "append"] +
                getters("is_empty", "leftmost", "rightmost", "frontmost"))),
    (349, block("HandList", ["__len__", "__getitem__", "append"] +
                getters("is_empty", "leftmost", "rightmost", "frontmost"))),
    (359, block("GestureList", ["__len__", "__getitem__", "append", "is_empty_get"])),
    (411, block("InteractionBox", ["normalize_point", "denormalize_point"] + COMPARE +
                getters("center", "width", "height", "depth", "is_valid"))),
    (424, block("Frame", ["hand", "pointable", "finger", "tool", "gesture", "gestures",
                          "translation", "translation_probability", "rotation_axis",
                          "rotation_angle", "rotation_matrix", "rotation_probability",
                          "scale_factor", "scale_probability", "__eq__", "__ne__", "serialize",
                          "deserialize", "__str__"] +
                getters("id", "timestamp", "current_frames_per_second", "pointables", "fingers",
                        "tools", "hands", "images", "is_valid", "interaction_box",
                        "serialize_length", "tracked_quad"))),
]
def list_block(cls, extra):
    return (['new_%s' % cls, '%s___len__' % cls, '%s___getitem__' % cls] + extra +
            ['%s_is_empty_get' % cls, 'delete_%s' % cls, '%s_swigregister' % cls])


REST = [
    ['delete_SwigPyIterator'] + ['SwigPyIterator_' + n for n in (
        'value', 'incr', 'decr', 'distance', 'equal', 'copy', 'next', '__next__', 'previous',
        'advance', '__eq__', '__ne__', '__iadd__', '__isub__', '__add__', '__sub__',
        'swigregister')],
    ['new_byte_array', 'delete_byte_array', 'byte_array___getitem__', 'byte_array___setitem__',
     'byte_array_cast', 'byte_array_frompointer', 'byte_array_swigregister'],
    ['new_float_array', 'delete_float_array', 'float_array___getitem__',
     'float_array___setitem__', 'float_array_cast', 'float_array_frompointer',
     'float_array_swigregister'],
    ['new_Screen', 'Screen_intersect', 'Screen_project', 'Screen_normal',
     'Screen_distance_to_point', 'Screen___eq__', 'Screen___ne__', 'Screen___str__',
     'Screen_id_get', 'Screen_horizontal_axis_get', 'Screen_vertical_axis_get',
     'Screen_bottom_left_corner_get', 'Screen_width_pixels_get', 'Screen_height_pixels_get',
     'Screen_is_valid_get', 'delete_Screen', 'Screen_swigregister'],
    ['new_Device', 'Device_distance_to_boundary', 'Device___eq__', 'Device___ne__',
     'Device___str__'] + ['Device_%s_get' % n for n in (
         'horizontal_view_angle', 'vertical_view_angle', 'range', 'baseline', 'is_valid',
         'is_embedded', 'is_streaming', 'is_flipped', 'type', 'serial_number', 'position',
         'orientation')] + ['delete_Device', 'Device_swigregister'],
    ['new_Image', 'Image_data', 'Image_distortion', 'Image_rectify', 'Image_warp',
     'Image___eq__', 'Image___ne__', 'Image___str__'] + ['Image_%s_get' % n for n in (
         'sequence_id', 'id', 'width', 'height', 'bytes_per_pixel', 'format',
         'distortion_width', 'distortion_height', 'ray_offset_x', 'ray_offset_y', 'ray_scale_x',
         'ray_scale_y', 'timestamp', 'is_valid', 'data_pointer', 'distortion_pointer')] +
    ['delete_Image', 'Image_swigregister'],
    ['new_Mask', 'Mask_data', 'Mask_invalid', 'Mask___eq__', 'Mask___ne__', 'Mask___str__'] +
    ['Mask_%s_get' % n for n in ('sequence_id', 'id', 'width', 'height', 'offset_x', 'offset_y',
                                 'is_valid', 'data_pointer')] + ['delete_Mask', 'Mask_swigregister'],
    list_block('ScreenList', ['ScreenList_closest_screen_hit', 'ScreenList_closest_screen']),
    list_block('DeviceList', ['DeviceList_append']),
    list_block('ImageList', ['ImageList_append']),
    ['new_TrackedQuad', 'TrackedQuad___eq__', 'TrackedQuad___ne__', 'TrackedQuad___str__'] +
    ['TrackedQuad_%s_get' % n for n in ('width', 'height', 'resolution_x', 'resolution_y',
                                        'visible', 'orientation', 'position', 'masks', 'images',
                                        'is_valid')] + ['delete_TrackedQuad', 'TrackedQuad_swigregister'],
    list_block('MaskList', ['MaskList_append']),
    ['new_BugReport', 'BugReport_begin_recording', 'BugReport_end_recording',
     'BugReport_is_active_get', 'BugReport_progress_get', 'BugReport_duration_get',
     'delete_BugReport', 'BugReport_swigregister'],
    ['new_Config', 'Config_type', 'Config_get_bool', 'Config_set_bool', 'Config_get_int_32',
     'Config_set_int_32', 'Config_get_float', 'Config_set_float', 'Config_get_string',
     'Config_set_string', 'Config_save', 'delete_Config', 'Config_swigregister'],
]



VECTOR = block("Vector", [
    "distance_to", "angle_to", "dot", "cross", "__neg__", "__add__", "__sub__", "__mul__",
    "__div__", "__iadd__", "__isub__", "__imul__", "__idiv__", "__str__", "__eq__", "__ne__",
    "is_valid", "__getitem__", "x_set", "x_get", "y_set", "y_get", "z_set", "z_get"] + getters(
    "magnitude", "magnitude_squared", "pitch", "roll", "yaw", "normalized"))
MATRIX = block("Matrix", [
    "set_rotation", "transform_point", "transform_direction", "rigid_inverse", "__mul__",
    "__imul__", "__eq__", "__ne__", "__str__", "x_basis_set", "x_basis_get", "y_basis_set",
    "y_basis_get", "z_basis_set", "z_basis_get", "origin_set", "origin_get"])
CONTROLLER = ["delete_Controller", "new_Controller"] + ["Controller_" + n for n in (
    "is_service_connected", "set_policy_flags", "set_policy", "clear_policy", "is_policy_set",
    "add_listener", "remove_listener", "frame", "enable_gesture", "is_gesture_enabled", "now",
    "is_connected_get", "has_focus_get", "policy_flags_get", "config_get", "images_get",
    "located_screens_get", "devices_get", "tracked_quad_get", "bug_report_get", "swigregister")]
LISTENER = ["new_Listener", "delete_Listener"] + ["Listener_on_" + n for n in (
    "init", "connect", "disconnect", "exit", "frame", "focus_gained", "focus_lost",
    "service_connect", "service_disconnect", "device_change", "images")] + [
    "disown_Listener", "Listener_swigregister"]

tracking = dict((position, names) for position, names in TRACKING)
(iterator, byte_array, float_array, screen, device, image, mask, screen_list, device_list,
 image_list, tracked_quad, mask_list, bug_report, config) = REST

# The whole table: entry 1, then every class block in order, with the
# position (1-based) of each block's first entry.
TABLE = [(1, ["SWIG_PyInstanceMethod_New"]), (2, iterator), (20, byte_array),
         (27, float_array), (34, VECTOR), (67, MATRIX), (87, ["Interface_swigregister"])]
TABLE += [(p, tracking[p]) for p in (88, 110, 123, 138, 145, 149, 189, 204, 213, 222, 230)]
TABLE += [(238, screen), (255, device), (274, image), (300, mask)]
TABLE += [(p, tracking[p]) for p in (316, 327, 339, 349, 359)]
TABLE += [(366, screen_list), (374, device_list), (381, image_list), (388, tracked_quad),
          (404, mask_list), (411, tracking[411]), (424, tracking[424]), (458, bug_report),
          (466, config), (479, CONTROLLER), (502, LISTENER)]


class MethodTableTest(unittest.TestCase):
    def test_every_entry_in_place(self):
        expected = []
        for position, names in TABLE:
            self.assertEqual(len(expected) + 1, position, names[0])
            expected.extend(names)
        self.assertEqual(len(expected), 516)
        self.assertEqual(len(set(expected)), 516)
        self.assertEqual(table_order(), expected)

    def test_calling_conventions(self):
        self.assertRaises(SystemError, Q.SWIG_PyInstanceMethod_New, object())
        # Every other entry parses an argument tuple: a keyword is refused.
        for name in table_order()[1:]:
            with self.assertRaises(TypeError):
                getattr(Q, name)(unexpected=1)


if __name__ == "__main__":
    unittest.main()
