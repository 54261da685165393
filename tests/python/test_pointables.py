"""Pointables, fingers, tools, bones and arms: flat functions and companion."""

import unittest

import quontest

import QuonPython as Q
import Quon
from quontest import components, library

NEW_FINGER = ("Wrong number or type of arguments for overloaded function 'new_Finger'.\n"
              "  Possible C/C++ prototypes are:\n"
              "    Quon::Finger::Finger()\n"
              "    Quon::Finger::Finger(Quon::Pointable const &)\n")
NEW_TOOL = ("Wrong number or type of arguments for overloaded function 'new_Tool'.\n"
            "  Possible C/C++ prototypes are:\n"
            "    Quon::Tool::Tool()\n"
            "    Quon::Tool::Tool(Quon::Pointable const &)\n")


class ArgumentChecks(quontest.TestCase):


    def test_receivers_accept_derived_classes_only(self):
        finger, tool = Quon.Finger(), Quon.Tool()
        # A finger or tool is a pointable; a hand or a bone is not.
        self.assertIs(type(Q.Pointable_tip_position_get(finger)), type(Q.Pointable_direction_get(tool)))
        self.assertIsInstance(Q.Pointable_width_get(tool), float)
        self.assertIs(Q.Pointable_is_valid_get(finger), False)
        self.assertRaisesMessage(TypeError, "in method 'Pointable_tip_position_get', argument 1 of type 'Quon::Pointable *'",
                                 Q.Pointable_tip_position_get, Quon.Hand())
        self.assertRaisesMessage(TypeError, "in method 'Pointable_hand_get', argument 1 of type 'Quon::Pointable *'",
                                 Q.Pointable_hand_get, 3)
        # A plain pointable is not a finger.
        self.assertRaisesMessage(TypeError, "in method 'Finger_bone', argument 1 of type 'Quon::Finger const *'",
                                 Q.Finger_bone, Quon.Pointable(), 0)
        self.assertRaisesMessage(TypeError, "in method 'Finger_type_get', argument 1 of type 'Quon::Finger *'",
                                 Q.Finger_type_get, tool)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Pointable_hand_get', argument 1 of type 'Quon::Pointable *'",
                                 Q.Pointable_hand_get, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Bone___str__', argument 1 of type 'Quon::Bone const *'",
                                 Q.Bone___str__, None)

    def test_enumeration_arguments(self):
        finger = Quon.Finger()
        self.assertIsInstance(Q.Finger_bone(finger, Q.Bone_TYPE_DISTAL), Quon.Bone)
        # Out of range numbers reach the library, which answers with an invalid bone.
        self.assertFalse(Q.Finger_bone(finger, 7).is_valid)
        self.assertIsInstance(Q.Finger_bone(finger, True), Quon.Bone)
        for bad in (None, 1.5, "1", 2 ** 40):
            self.assertRaisesMessage(TypeError, "in method 'Finger_joint_position', argument 2 of type 'Quon::Finger::Joint'",
                                     Q.Finger_joint_position, finger, bad)
            self.assertRaisesMessage(TypeError, "in method 'Finger_bone', argument 2 of type 'Quon::Bone::Type'",
                                     Q.Finger_bone, finger, bad)
        self.assertRaises(TypeError, Q.Finger_bone, finger)

    def test_constructor_overloads(self):
        for make in (Q.new_Finger, Q.new_Tool):
            bare = make()
            self.assertEqual(type(bare).__name__, "SwigPyObject")
            self.assertTrue(bare.own())
            # From any pointable, a finger or a tool included.
            self.assertEqual(type(make(Quon.Tool())).__name__, "SwigPyObject")
            self.assertEqual(type(make(Quon.Finger())).__name__, "SwigPyObject")
            Q.delete_Pointable(bare)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'new_Finger', argument 1 of type 'Quon::Pointable const &'",
                                 Q.new_Finger, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'new_Tool', argument 1 of type 'Quon::Pointable const &'",
                                 Q.new_Tool, None)
        self.assertRaisesMessage(NotImplementedError, NEW_FINGER, Q.new_Finger, Quon.Hand())
        self.assertRaisesMessage(NotImplementedError, NEW_FINGER, Q.new_Finger, Quon.Finger(), Quon.Finger())
        self.assertRaisesMessage(NotImplementedError, NEW_TOOL, Q.new_Tool, 1)
        self.assertRaisesMessage(NotImplementedError, NEW_TOOL, Quon.Tool, Quon.Bone())

    def test_equality_and_strings(self):
        finger, tool = Quon.Finger(), Quon.Tool()
        # Both convert (derived classes pass); invalid objects equal nothing.
        self.assertIs(Q.Pointable___eq__(finger, tool), False)
        self.assertIs(Q.Pointable___ne__(finger, tool), True)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Pointable___eq__', argument 2 of type 'Quon::Pointable const &'",
                                 Q.Pointable___eq__, finger, None)
        self.assertRaisesMessage(TypeError, "in method 'Arm___ne__', argument 2 of type 'Quon::Arm const &'",
                                 Q.Arm___ne__, Quon.Arm(), Quon.Bone())
        # The companion compares other classes by identity instead of raising.
        self.assertFalse(Quon.Arm() == None)
        self.assertTrue(Quon.Bone() != 3)
        for obj in (finger, tool, Quon.Pointable(), Quon.Arm(), Quon.Bone()):
            self.assertIsInstance(str(obj), str)
        self.assertEqual(str(finger), Q.Finger___str__(finger))
        self.assertEqual(str(tool), Q.Tool___str__(tool))

    def test_result_types(self):
        finger = Quon.Finger()
        self.assertIs(type(Q.Pointable_id_get(finger)), int)
        self.assertIs(type(Q.Pointable_touch_zone_get(finger)), int)
        self.assertIs(type(Q.Finger_type_get(finger)), int)
        self.assertIs(type(Q.Bone_type_get(Quon.Bone())), int)
        self.assertIsInstance(Q.Pointable_hand_get(finger), Quon.Hand)
        self.assertIsInstance(Q.Pointable_frame_get(finger), Quon.Frame)
        self.assertIs(type(Q.Pointable_is_extended_get(finger)), bool)

    def test_invalid_objects_are_borrowed(self):
        lib = library()
        before = lib.quon_live_handles()
        first, second = Q.cvar.Finger_invalid, Q.cvar.Finger_invalid
        self.assertIsNot(first, second)
        self.assertIsInstance(first, Quon.Finger)
        self.assertEqual(int(first.this), int(second.this))
        self.assertFalse(first.this.own())
        self.assertEqual(int(Quon.Finger.invalid().this), int(first.this))
        del first, second
        for name in ("Pointable_invalid", "Arm_invalid", "Bone_invalid", "Tool_invalid"):
            getattr(Q.cvar, name)
        self.assertEqual(lib.quon_live_handles(), before)
        self.assertFalse(Q.cvar.Finger_invalid.is_valid)
        with self.assertRaises(AttributeError) as caught:
            Q.cvar.Bone_invalid = Quon.Bone()
        self.assertEqual(str(caught.exception), "Variable Bone_invalid is read-only.")

    def test_companion_constants(self):
        self.assertEqual((Quon.Pointable.ZONE_NONE, Quon.Pointable.ZONE_HOVERING, Quon.Pointable.ZONE_TOUCHING), (0, 1, 2))
        self.assertEqual(Quon.Bone.TYPE_DISTAL, 3)
        self.assertEqual((Quon.Finger.JOINT_MCP, Quon.Finger.JOINT_TIP), (0, 3))
        self.assertEqual((Quon.Finger.TYPE_THUMB, Quon.Finger.TYPE_INDEX, Quon.Finger.TYPE_PINKY), (0, 1, 4))
        self.assertEqual(Quon.Finger.ZONE_TOUCHING, 2)  # inherited from Pointable


class LiveFingers(quontest.LiveFrameTestCase):

    def test_bones_chain_into_joints(self):
        for hand in self.frame.hands:
            self.assertEqual(len(hand.fingers), 5)
            for finger in hand.fingers:
                self.assertTrue(finger.is_finger and finger.is_valid and not finger.is_tool)
                bones = [finger.bone(kind) for kind in range(4)]
                self.assertEqual([b.type for b in bones], [0, 1, 2, 3])
                for before, after in zip(bones, bones[1:]):
                    self.assertEqual(components(before.next_joint), components(after.prev_joint))
                for joint in range(3):
                    self.assertEqual(components(finger.joint_position(joint)),
                                     components(bones[joint + 1].prev_joint))
                self.assertEqual(components(bones[3].next_joint),
                                 components(finger.joint_position(Quon.Finger.JOINT_TIP)))
                self.assertGreater(bones[3].length, 0.0)
                # The finger's hand is the hand it came from.
                self.assertEqual(finger.hand.id, hand.id)
                self.assertTrue(finger.hand == hand)

    def test_finger_and_tool_views_of_a_pointable(self):
        pointable = self.frame.hands[0].pointables[1]
        self.assertIsInstance(pointable, Quon.Pointable)
        as_finger = Quon.Finger(pointable)
        self.assertTrue(as_finger.is_valid)
        self.assertEqual(as_finger.id, pointable.id)
        self.assertTrue(as_finger == pointable)
        # The library answers a tool view of a finger with an invalid tool.
        self.assertFalse(Quon.Tool(pointable).is_valid)
        self.assertTrue(Quon.Finger(as_finger).is_valid)

    def test_arm(self):
        arm = self.frame.hands[0].arm
        self.assertIsInstance(arm, Quon.Arm)
        self.assertTrue(arm.is_valid)
        self.assertGreater(arm.width, 0.0)
        self.assertIsInstance(arm.basis, type(Q.Arm_basis_get(arm)))
        self.assertNotEqual(components(arm.elbow_position), components(arm.wrist_position))


if __name__ == "__main__":
    unittest.main()
