"""Screens and devices: the intersect and project overload dispatch, the
serial number string, and the screen and device lists."""

import math
import time
import unittest

import QuonPython as Q
import Quon

if not hasattr(Quon, 'Vector'):
    # Until the companion has its Vector, owned vector results need a class
    # with a destroy function so that they are freed.
    class _Vector(object):
        __swig_destroy__ = Q.delete_Vector
    Q.Vector_swigregister(_Vector)
    class _Matrix(object):
        __swig_destroy__ = Q.delete_Matrix
    Q.Matrix_swigregister(_Matrix)


def components(v):
    return (Q.Vector_x_get(v), Q.Vector_y_get(v), Q.Vector_z_get(v))


INTERSECT = (
    "Wrong number or type of arguments for overloaded function 'Screen_intersect'.\n"
    "  Possible C/C++ prototypes are:\n"
    "    Quon::Screen::intersect(Quon::Pointable const &,bool,float) const\n"
    "    Quon::Screen::intersect(Quon::Pointable const &,bool) const\n"
    "    Quon::Screen::intersect(Quon::Vector const &,Quon::Vector const &,bool,float) const\n"
    "    Quon::Screen::intersect(Quon::Vector const &,Quon::Vector const &,bool) const\n")
PROJECT = (
    "Wrong number or type of arguments for overloaded function 'Screen_project'.\n"
    "  Possible C/C++ prototypes are:\n"
    "    Quon::Screen::project(Quon::Vector const &,bool,float) const\n"
    "    Quon::Screen::project(Quon::Vector const &,bool) const\n")


class ScreenTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.controller = Quon.Controller()
        cls.screens = cls.controller.located_screens
        cls.screen = cls.screens[0]

    @classmethod
    def tearDownClass(cls):
        del cls.controller, cls.screens, cls.screen

    def test_intersect_forms(self):
        s = self.screen
        origin, down = Q.new_Vector(0.0, 200.0, 0.0), Q.new_Vector(0.0, 0.0, -1.0)
        four = components(Q.Screen_intersect(s, origin, down, True))
        five = components(Q.Screen_intersect(s, origin, down, True, 1.0))
        self.assertEqual(four, five)
        self.assertTrue(all(0.0 <= c <= 1.0 for c in four[:2]))
        self.assertNotEqual(components(Q.Screen_intersect(s, origin, down, False)), four)
        self.assertEqual(components(s.intersect(origin, down, True, float('inf'))),
                         components(Q.Screen_intersect(s, origin, down, True, float('inf'))))
        # Pointable forms: an invalid pointable still reaches the library.
        finger = Q.cvar.Finger_invalid
        three = map(repr, components(Q.Screen_intersect(s, finger, True)))
        self.assertEqual(map(repr, components(Q.Screen_intersect(s, finger, True, 1.0))), three)
        for args in ((origin, down, 1), (origin, down, True, 1e39), (origin,), (1, True)):
            with self.assertRaises(NotImplementedError) as caught:
                Q.Screen_intersect(s, *args)
            self.assertEqual(str(caught.exception), INTERSECT)
        with self.assertRaises(ValueError) as caught:
            Q.Screen_intersect(s, None, True)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Screen_intersect', argument 2 of type 'Quon::Pointable const &'")
        with self.assertRaises(ValueError) as caught:
            Q.Screen_intersect(s, origin, None, True)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Screen_intersect', argument 3 of type 'Quon::Vector const &'")
        with self.assertRaises(ValueError) as caught:
            Q.Screen_intersect(None, origin, down, True)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Screen_intersect', argument 1 of type 'Quon::Screen const *'")

    def test_project_forms(self):
        s = self.screen
        point = Q.new_Vector(10.0, 300.0, -100.0)
        self.assertEqual(components(s.project(point, False)),
                         components(Q.Screen_project(s, point, False)))
        self.assertEqual(components(Q.Screen_project(s, point, True, 1.0)),
                         components(Q.Screen_project(s, point, True)))
        for args in ((point, 1), (point, True, 1e39), (point,), (point, True, 1.0, 2)):
            with self.assertRaises(NotImplementedError) as caught:
                Q.Screen_project(s, *args)
            self.assertEqual(str(caught.exception), PROJECT)
        with self.assertRaises(ValueError) as caught:
            Q.Screen_project(s, None, True)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Screen_project', argument 2 of type 'Quon::Vector const &'")
        distance = s.distance_to_point(point)
        self.assertIs(type(distance), float)
        with self.assertRaises(ValueError) as caught:
            s.distance_to_point(None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Screen_distance_to_point', argument 2 of type 'Quon::Vector const &'")

    def test_properties_comparison_and_invalid(self):
        s = self.screen
        self.assertTrue(s.is_valid)
        self.assertIs(type(s.id), int)
        self.assertGreater(s.width_pixels, 0)
        self.assertEqual(components(s.normal()), components(Q.Screen_normal(s)))
        self.assertTrue(s == self.screens[0] and not s != self.screens[0])
        self.assertTrue(str(s).startswith('Screen Id:'))
        first, second = Q.cvar.Screen_invalid, Q.cvar.Screen_invalid
        self.assertEqual(int(first.this), int(second.this))
        self.assertFalse(first.this.own() or first.is_valid)
        self.assertFalse(Quon.Screen().is_valid)
        with self.assertRaises(TypeError) as caught:
            Q.Screen_id_get(Quon.Device())
        self.assertEqual(str(caught.exception), "in method 'Screen_id_get', argument 1 of type 'Quon::Screen *'")

    def test_screen_list(self):
        screens = self.screens
        self.assertEqual(len(screens), Q.ScreenList___len__(screens))
        self.assertFalse(screens.is_empty)
        self.assertEqual(list(screens)[-1], screens[-1])
        with self.assertRaises(IndexError):
            screens[len(screens)]
        hit = screens.closest_screen_hit(Q.new_Vector(0.0, 200.0, 0.0), Q.new_Vector(0.0, 0.0, -1.0))
        self.assertIsInstance(hit, Quon.Screen)
        self.assertIsInstance(screens.closest_screen_hit(Q.cvar.Finger_invalid), Quon.Screen)
        self.assertIsInstance(screens.closest_screen(Q.new_Vector(0.0, 0.0, 0.0)), Quon.Screen)
        with self.assertRaises(NotImplementedError) as caught:
            screens.closest_screen_hit(1)
        self.assertEqual(str(caught.exception), (
            "Wrong number or type of arguments for overloaded function 'ScreenList_closest_screen_hit'.\n"
            "  Possible C/C++ prototypes are:\n"
            "    Quon::ScreenList::closestScreenHit(Quon::Pointable const &) const\n"
            "    Quon::ScreenList::closestScreenHit(Quon::Vector const &,Quon::Vector const &) const\n"))
        with self.assertRaises(ValueError) as caught:
            screens.closest_screen_hit(Q.new_Vector(), None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'ScreenList_closest_screen_hit', argument 3 of type 'Quon::Vector const &'")
        self.assertFalse(hasattr(Q, 'ScreenList_append'))


class DeviceTest(unittest.TestCase):
    def test_device_properties(self):
        controller = Quon.Controller()
        deadline = time.time() + 10
        while controller.devices.is_empty and time.time() < deadline:
            time.sleep(0.02)
        devices = controller.devices
        device = devices[0]
        serial = device.serial_number
        self.assertIs(type(serial), str)
        self.assertTrue(serial)
        self.assertIn(serial, str(device))
        self.assertEqual(Quon.Device().serial_number, '')
        self.assertIn(device.type, (Q.Device_TYPE_PERIPHERAL, Q.Device_TYPE_LAPTOP,
                                    Q.Device_TYPE_KEYBOARD))
        for name in ('horizontal_view_angle', 'vertical_view_angle', 'range', 'baseline'):
            self.assertIs(type(getattr(device, name)), float, name)
        for name in ('is_valid', 'is_embedded', 'is_streaming', 'is_flipped'):
            self.assertIs(type(getattr(device, name)), bool, name)
        self.assertTrue(device.is_valid)
        inside = device.distance_to_boundary(Q.new_Vector(0.0, 200.0, 0.0))
        self.assertGreater(inside, 0.0)
        self.assertEqual(device.distance_to_boundary(Q.new_Vector(0.0, -50.0, 0.0)), 0.0)
        with self.assertRaises(ValueError) as caught:
            device.distance_to_boundary(None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'Device_distance_to_boundary', argument 2 of type 'Quon::Vector const &'")
        self.assertFalse(math.isnan(components(device.position)[0]))
        self.assertTrue(device == devices[0] and device != Q.cvar.Device_invalid)
        joined = Quon.DeviceList().append(devices).append(devices)
        self.assertEqual(len(joined), 2 * len(devices))
        with self.assertRaises(IndexError):
            joined[-2 * len(devices) - 1]


if __name__ == '__main__':
    unittest.main()
