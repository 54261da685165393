"""The method-table order and positions of the tracking data blocks:
pointables to tools, hands, gestures, the five tracking lists, interaction
box and frame. A builtin function points at its method-table entry, so
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
BLOCKS = [
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
COUNTS = [22, 13, 15, 7, 4, 40, 15, 9, 9, 8, 8, 11, 12, 10, 10, 7, 13, 34]


class TrackingBlocks(unittest.TestCase):

    def test_blocks_in_table_order_and_place(self):
        order = table_order()
        self.assertEqual(len(order), 516)
        self.assertEqual([len(names) for _, names in BLOCKS], COUNTS)
        for position, names in BLOCKS:
            self.assertEqual(order[position - 1:position - 1 + len(names)], names)


if __name__ == "__main__":
    unittest.main()
