"""Hands: flat functions, overloads, motion queries and copies."""

import unittest

import quontest

import QuonPython as Q
import Quon
from quontest import components, has_hands

ROTATION_ANGLE = ("Wrong number or type of arguments for overloaded function 'Hand_rotation_angle'.\n"
                  "  Possible C/C++ prototypes are:\n"
                  "    Quon::Hand::rotationAngle(Quon::Frame const &) const\n"
                  "    Quon::Hand::rotationAngle(Quon::Frame const &,Quon::Vector const &) const\n")


class HandArguments(quontest.TestCase):


    def test_messages(self):
        hand, frame = Quon.Hand(), Quon.Frame()
        self.assertRaisesMessage(TypeError, "in method 'Hand_finger', argument 2 of type 'int32_t'",
                                 Q.Hand_finger, hand, 1.5)
        self.assertRaisesMessage(TypeError, "in method 'Hand_tool', argument 2 of type 'int32_t'",
                                 Q.Hand_tool, hand, 2 ** 31)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Hand_translation', argument 2 of type 'Quon::Frame const &'",
                                 Q.Hand_translation, hand, None)
        self.assertRaisesMessage(TypeError, "in method 'Hand_scale_factor', argument 2 of type 'Quon::Frame const &'",
                                 Q.Hand_scale_factor, hand, hand)
        self.assertRaisesMessage(TypeError, "in method 'Hand_pointable', argument 1 of type 'Quon::Hand const *'",
                                 Q.Hand_pointable, frame, 1)
        self.assertRaisesMessage(TypeError, "in method 'Hand_palm_position_get', argument 1 of type 'Quon::Hand *'",
                                 Q.Hand_palm_position_get, Quon.Finger())
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Hand___eq__', argument 2 of type 'Quon::Hand const &'",
                                 Q.Hand___eq__, hand, None)
        self.assertRaisesMessage(TypeError, "in method 'Hand___eq__', argument 2 of type 'Quon::Hand const &'",
                                 Q.Hand___eq__, hand, 3)
        self.assertIsNone(Q.delete_Hand(None))

    def test_rotation_angle_overload(self):
        hand, frame = Quon.Hand(), Quon.Frame()
        self.assertIs(type(Q.Hand_rotation_angle(hand, frame)), float)
        self.assertIs(type(Q.Hand_rotation_angle(hand, frame, Q.cvar.Vector_y_axis)), float)
        self.assertRaisesMessage(NotImplementedError, ROTATION_ANGLE, Q.Hand_rotation_angle, hand)
        self.assertRaisesMessage(NotImplementedError, ROTATION_ANGLE, Q.Hand_rotation_angle, hand, hand)
        self.assertRaisesMessage(NotImplementedError, ROTATION_ANGLE, Q.Hand_rotation_angle, hand, frame, frame)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Hand_rotation_angle', argument 2 of type 'Quon::Frame const &'",
                                 Q.Hand_rotation_angle, hand, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Hand_rotation_angle', argument 3 of type 'Quon::Vector const &'",
                                 Q.Hand_rotation_angle, hand, frame, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Hand_rotation_angle', argument 1 of type 'Quon::Hand const *'",
                                 Q.Hand_rotation_angle, None, frame)

    def test_invalid_hand(self):
        hand = Quon.Hand.invalid()
        self.assertFalse(hand.is_valid)
        self.assertFalse(hand.this.own())
        self.assertEqual(len(hand.fingers), 0)
        self.assertIs(type(hand.id), int)
        self.assertIs(hand != Quon.Hand.invalid(), True)


class LiveHands(quontest.LiveFrameTestCase):

    def test_hand_data(self):
        hand = self.frame.hands[0]
        self.assertTrue(hand.is_valid)
        self.assertIs(type(hand.id), int)
        self.assertNotEqual(hand.is_left, hand.is_right)
        self.assertTrue(0.0 <= hand.grab_strength <= 1.0 and 0.0 <= hand.pinch_strength <= 1.0)
        self.assertEqual(len(hand.fingers), 5)
        self.assertEqual(len(hand.pointables), 5 + len(hand.tools))
        self.assertEqual([f.type for f in hand.fingers], [0, 1, 2, 3, 4])
        # Lookup by id gives the same objects as the lists.
        index = hand.fingers[1]
        self.assertTrue(hand.finger(index.id) == index)
        self.assertTrue(hand.pointable(index.id) == index)
        self.assertFalse(hand.finger(-5).is_valid)
        self.assertEqual(hand.frame.id, self.frame.id)
        self.assertTrue(self.frame.hand(hand.id) == hand)

    def test_motion_since_an_earlier_frame(self):
        hand = self.frame.hands[0]
        earlier = self.source.frame(10)
        for value in (hand.translation_probability(earlier), hand.rotation_probability(earlier),
                      hand.scale_factor(earlier), hand.scale_probability(earlier),
                      hand.rotation_angle(earlier), hand.rotation_angle(earlier, Q.cvar.Vector_z_axis)):
            self.assertIs(type(value), float)
        self.assertEqual(len(components(hand.translation(earlier))), 3)
        self.assertIsNotNone(hand.rotation_matrix(earlier))
        # Against its own frame a hand has not moved.
        self.assertEqual(components(hand.translation(self.frame)), (0.0, 0.0, 0.0))

    def test_copies_outlive_their_source(self):
        frame = self.source.wait_for(has_hands(1))
        hand = Q.Frame_hand(frame, Q.Hand_id_get(Q.HandList___getitem__(Q.Frame_hands_get(frame), 0)))
        palm = components(Q.Hand_palm_position_get(hand))
        Q.delete_Frame(frame)
        self.assertRaises(ValueError, Q.Frame_hands_get, frame)
        self.assertTrue(Q.Hand_is_valid_get(hand))
        self.assertEqual(components(Q.Hand_palm_position_get(hand)), palm)
        arm = Q.Hand_arm_get(hand)
        del hand
        self.assertTrue(Q.Arm_is_valid_get(arm))
        self.assertTrue(arm.this.own())


if __name__ == "__main__":
    unittest.main()
