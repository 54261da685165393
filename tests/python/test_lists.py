"""Pointable, finger, tool, hand and gesture lists."""

import unittest

import quontest

import QuonPython as Q
import Quon
from quontest import components

APPEND = ("Wrong number or type of arguments for overloaded function 'PointableList_append'.\n"
          "  Possible C/C++ prototypes are:\n"
          "    Quon::PointableList::append(Quon::PointableList const &)\n"
          "    Quon::PointableList::append(Quon::FingerList const &)\n"
          "    Quon::PointableList::append(Quon::ToolList const &)\n")


class Lists(quontest.LiveFrameTestCase):

    @classmethod
    def setUpClass(cls):
        super(Lists, cls).setUpClass()
        cls.hand = cls.frame.hands[0]


    def test_flat_length_and_unchecked_index(self):
        hands = self.frame.hands
        count = Q.HandList___len__(hands)
        self.assertIs(type(count), int)
        self.assertIs(Q.HandList_is_empty_get(hands), False)
        self.assertIs(Q.HandList_is_empty_get(Quon.HandList()), True)
        # Past either end the library answers with an invalid element.
        for index in (count, -1, 1000):
            element = Q.HandList___getitem__(hands, index)
            self.assertIsInstance(element, Quon.Hand)
            self.assertFalse(element.is_valid)
        for bad in (1.0, "0", None, 2 ** 40):
            self.assertRaisesMessage(TypeError, "in method 'HandList___getitem__', argument 2 of type 'int'",
                                     Q.HandList___getitem__, hands, bad)
        self.assertRaisesMessage(TypeError, "in method 'FingerList___len__', argument 1 of type 'Quon::FingerList const *'",
                                 Q.FingerList___len__, hands)

    def test_companion_sequences(self):
        fingers = self.hand.fingers
        self.assertEqual(len(fingers), 5)
        self.assertTrue(fingers[-1] == fingers[4])
        self.assertTrue(fingers[-5] == fingers[0])
        self.assertTrue(fingers[1L] == fingers[1])
        for index in (5, -6, 2 ** 40):
            self.assertRaises(IndexError, fingers.__getitem__, index)
        self.assertRaises(TypeError, fingers.__getitem__, 1.0)
        self.assertEqual([f.type for f in fingers], range(5))
        self.assertEqual([f.id for f in fingers[1:3]], [fingers[1].id, fingers[2].id])
        self.assertEqual(len(list(Quon.FingerList())), 0)
        self.assertFalse(Quon.GestureList())
        self.assertEqual([f.id for f in fingers.finger_type(Quon.Finger.TYPE_INDEX)], [fingers[1].id])
        self.assertTrue(all(f.is_extended for f in fingers.extended()))
        self.assertRaisesMessage(TypeError, "in method 'FingerList_finger_type', argument 2 of type 'Quon::Finger::Type'",
                                 fingers.finger_type, "index")
        for most in (fingers.leftmost, fingers.rightmost, fingers.frontmost):
            self.assertIsInstance(most, Quon.Finger)
            self.assertTrue(most.is_valid)
        xs = [components(f.tip_position)[0] for f in fingers]
        self.assertEqual(components(fingers.leftmost.tip_position)[0], min(xs))
        self.assertEqual(components(fingers.rightmost.tip_position)[0], max(xs))
        self.assertIsInstance(self.frame.hands.rightmost, Quon.Hand)
        self.assertIsInstance(self.hand.pointables.frontmost, Quon.Pointable)
        self.assertFalse(Quon.ToolList().leftmost.is_valid)

    def test_append_is_a_non_owning_alias_of_the_receiver(self):
        target = Quon.FingerList()
        alias = Q.FingerList_append(target, self.hand.fingers)
        self.assertIsInstance(alias, Quon.FingerList)
        self.assertEqual(int(alias.this), int(target.this))
        self.assertFalse(alias.this.own())
        self.assertTrue(target.this.own())
        self.assertEqual(len(target), 5)
        # The alias keeps the receiver alive: dropping the receiver's name first is safe.
        del target
        self.assertEqual(Q.FingerList___len__(alias), 5)
        self.assertEqual(len(Q.FingerList_append(alias, self.hand.fingers)), 10)
        # The companion's append returns the receiver itself.
        hands = Quon.HandList()
        self.assertIs(hands.append(self.frame.hands), hands)
        self.assertEqual(len(hands), len(self.frame.hands))
        self.assertRaisesMessage(TypeError, "in method 'HandList_append', argument 1 of type 'Quon::HandList *'",
                                 Q.HandList_append, self.hand.fingers, hands)

    def test_pointable_list_append_overload(self):
        pointables = Quon.PointableList()
        Q.PointableList_append(pointables, self.hand.fingers)
        self.assertEqual(len(pointables), 5)
        self.assertTrue(pointables[2] == self.hand.fingers[2])
        Q.PointableList_append(pointables, Quon.ToolList())
        Q.PointableList_append(pointables, self.hand.pointables)
        self.assertEqual(len(pointables), 10 + len(self.hand.tools))
        self.assertRaisesMessage(NotImplementedError, APPEND, Q.PointableList_append, pointables, self.frame.hands)
        self.assertRaisesMessage(NotImplementedError, APPEND, Q.PointableList_append, pointables)
        self.assertRaisesMessage(NotImplementedError, APPEND, Q.PointableList_append, self.frame.hands, self.hand.fingers)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'PointableList_append', argument 2 of type 'Quon::PointableList const &'",
                                 Q.PointableList_append, pointables, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'PointableList_append', argument 1 of type 'Quon::PointableList *'",
                                 Q.PointableList_append, None, pointables)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'GestureList_append', argument 2 of type 'Quon::GestureList const &'",
                                 Q.GestureList_append, Quon.GestureList(), None)


if __name__ == "__main__":
    unittest.main()
