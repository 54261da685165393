"""Gestures and their four kinds."""

import unittest

import quontest

import QuonPython as Q
import Quon
from quontest import LiveSource, components, has_hands

KINDS = ((Quon.SwipeGesture, "SwipeGesture", 1), (Quon.CircleGesture, "CircleGesture", 4),
         (Quon.ScreenTapGesture, "ScreenTapGesture", 5), (Quon.KeyTapGesture, "KeyTapGesture", 6))


def overload_message(name):
    return ("Wrong number or type of arguments for overloaded function 'new_%s'.\n"
            "  Possible C/C++ prototypes are:\n"
            "    Quon::%s::%s()\n"
            "    Quon::%s::%s(Quon::Gesture const &)\n" % (name, name, name, name, name))


class GestureArguments(quontest.TestCase):


    def test_class_types(self):
        for cls, name, value in KINDS:
            flat = getattr(Q, name + "_class_type")
            self.assertIs(type(flat()), int)
            self.assertEqual(flat(), value)
            self.assertEqual(cls.class_type(), value)
            self.assertRaises(TypeError, flat, 1)
        self.assertEqual(Quon.Gesture.TYPE_CIRCLE, Quon.CircleGesture.class_type())

    def test_constructors(self):
        for cls, name, _ in KINDS + ((Quon.Gesture, "Gesture", -1),):
            make = getattr(Q, "new_" + name)
            self.assertEqual(type(make()).__name__, "SwigPyObject")
            self.assertEqual(type(make(Quon.Gesture())).__name__, "SwigPyObject")
            self.assertEqual(type(make(Quon.SwipeGesture())).__name__, "SwigPyObject")
            self.assertRaisesMessage(ValueError, "invalid null reference in method 'new_%s', argument 1 of type 'Quon::Gesture const &'" % name,
                                     make, None)
            self.assertRaisesMessage(NotImplementedError, overload_message(name), make, Quon.Gesture(), Quon.Gesture())
            self.assertRaisesMessage(NotImplementedError, overload_message(name), make, Quon.Hand())
            self.assertIsInstance(cls(), cls)

    def test_kind_getters_want_their_kind(self):
        self.assertRaisesMessage(TypeError, "in method 'SwipeGesture_speed_get', argument 1 of type 'Quon::SwipeGesture *'",
                                 Q.SwipeGesture_speed_get, Quon.Gesture())
        self.assertRaisesMessage(TypeError, "in method 'CircleGesture_radius_get', argument 1 of type 'Quon::CircleGesture *'",
                                 Q.CircleGesture_radius_get, Quon.KeyTapGesture())
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'KeyTapGesture_position_get', argument 1 of type 'Quon::KeyTapGesture *'",
                                 Q.KeyTapGesture_position_get, None)
        # Every kind is a gesture.
        swipe = Quon.SwipeGesture()
        self.assertEqual(Q.Gesture_type_get(swipe), -1)
        self.assertIs(type(Q.Gesture_duration_get(swipe)), long)
        self.assertIs(type(Q.Gesture_duration_seconds_get(swipe)), float)
        self.assertIs(type(Q.Gesture_state_get(swipe)), int)
        self.assertIs(Q.Gesture___eq__(swipe, Quon.CircleGesture()), False)
        self.assertIsInstance(str(swipe), str)
        self.assertIsInstance(swipe.pointable, Quon.Pointable)
        self.assertFalse(Quon.Gesture.invalid().this.own())


class LiveGestures(quontest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.source = LiveSource(gestures=True)

    @classmethod
    def tearDownClass(cls):
        cls.source.close()

    def gesture_of(self, kind):
        frame = self.source.wait_for(
            lambda f: any(g.type == kind for g in f.gestures()), timeout=12.0)
        return frame, [g for g in frame.gestures() if g.type == kind][0]

    def test_swipe_then_circle(self):
        frame, gesture = self.gesture_of(Quon.Gesture.TYPE_SWIPE)
        self.assertIs(type(gesture), Quon.Gesture)
        self.assertIn(gesture.state, (Quon.Gesture.STATE_START, Quon.Gesture.STATE_UPDATE, Quon.Gesture.STATE_STOP))
        swipe = Quon.SwipeGesture(gesture)
        self.assertTrue(swipe.is_valid)
        self.assertIs(type(swipe.speed), float)
        self.assertGreater(swipe.speed, 0.0)
        self.assertEqual(swipe.id, gesture.id)
        self.assertTrue(swipe == gesture)
        self.assertEqual(swipe.pointable.id, swipe.pointables[0].id)
        self.assertTrue(frame.hand(swipe.hands[0].id).is_valid)
        self.assertTrue(frame.gesture(gesture.id) == gesture)
        self.assertEqual(swipe.frame.id, frame.id)
        # A gesture of another kind gives an invalid kind object.
        self.assertFalse(Quon.CircleGesture(gesture).is_valid)

        frame, gesture = self.gesture_of(Quon.Gesture.TYPE_CIRCLE)
        circle = Quon.CircleGesture(gesture)
        self.assertTrue(circle.is_valid)
        self.assertGreater(circle.radius, 0.0)
        self.assertIs(type(circle.progress), float)
        self.assertEqual(len(components(circle.normal)), 3)


if __name__ == "__main__":
    unittest.main()
