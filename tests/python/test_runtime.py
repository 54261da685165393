"""The binding runtime: module table, constants, proxies, registry sharing,
conversions, error messages and cvar."""

import sys
import unittest

import quontest

import Quon  # registers the classes, so proxies made here have destructors
import QuonPython as Q
import runtime_peer as peer

from quontest import run_python

CONSTANTS = [
    ('Pointable_ZONE_NONE', 0), ('Pointable_ZONE_HOVERING', 1), ('Pointable_ZONE_TOUCHING', 2),
    ('Bone_TYPE_METACARPAL', 0), ('Bone_TYPE_PROXIMAL', 1), ('Bone_TYPE_INTERMEDIATE', 2),
    ('Bone_TYPE_DISTAL', 3), ('Finger_JOINT_MCP', 0), ('Finger_JOINT_PIP', 1),
    ('Finger_JOINT_DIP', 2), ('Finger_JOINT_TIP', 3), ('Finger_TYPE_THUMB', 0),
    ('Finger_TYPE_INDEX', 1), ('Finger_TYPE_MIDDLE', 2), ('Finger_TYPE_RING', 3),
    ('Finger_TYPE_PINKY', 4), ('Gesture_TYPE_INVALID', -1), ('Gesture_TYPE_SWIPE', 1),
    ('Gesture_TYPE_CIRCLE', 4), ('Gesture_TYPE_SCREEN_TAP', 5), ('Gesture_TYPE_KEY_TAP', 6),
    ('Gesture_STATE_INVALID', -1), ('Gesture_STATE_START', 1), ('Gesture_STATE_UPDATE', 2),
    ('Gesture_STATE_STOP', 3), ('Device_TYPE_PERIPHERAL', 1), ('Device_TYPE_LAPTOP', 2),
    ('Device_TYPE_KEYBOARD', 3), ('Image_INFRARED', 0), ('Config_TYPE_UNKNOWN', 0),
    ('Config_TYPE_BOOLEAN', 1), ('Config_TYPE_INT32', 2), ('Config_TYPE_FLOAT', 6),
    ('Config_TYPE_STRING', 8), ('Controller_POLICY_DEFAULT', 0),
    ('Controller_POLICY_BACKGROUND_FRAMES', 1), ('Controller_POLICY_IMAGES', 2),
    ('Controller_POLICY_OPTIMIZE_HMD', 4),
]

VARIABLES = [
    'PI', 'DEG_TO_RAD', 'RAD_TO_DEG', 'EPSILON', 'Vector_zero', 'Vector_x_axis', 'Vector_y_axis',
    'Vector_z_axis', 'Vector_forward', 'Vector_backward', 'Vector_left', 'Vector_right',
    'Vector_up', 'Vector_down', 'Matrix_identity', 'Pointable_invalid', 'Arm_invalid',
    'Bone_invalid', 'Finger_invalid', 'Tool_invalid', 'Hand_invalid', 'Gesture_invalid',
    'Screen_invalid', 'Device_invalid', 'Image_invalid', 'TrackedQuad_invalid',
    'InteractionBox_invalid', 'Frame_invalid',
]


def bare_vector(x=1.0, y=2.0, z=3.0):
    """A new vector as the bare owning proxy new_Vector returns."""
    return Q.new_Vector(x, y, z)


class ModuleTest(quontest.TestCase):
    def test_constants_are_plain_ints_with_their_values(self):
        for name, value in CONSTANTS:
            constant = getattr(Q, name)
            self.assertIs(type(constant), int, name)
            self.assertEqual(constant, value, name)
        self.assertEqual(len(CONSTANTS), 38)

    def test_cvar_lists_every_variable_newest_first(self):
        self.assertEqual(repr(Q.cvar), '<Swig global variables>')
        self.assertEqual(str(Q.cvar), '(' + ', '.join(reversed(VARIABLES)) + ')')

    def test_cvar_refuses_unknown_names_and_assignment(self):
        for name in ('nothing', '__class__', '__dict__'):
            with self.assertRaises(AttributeError) as caught:
                getattr(Q.cvar, name)
            self.assertEqual(str(caught.exception), "Unknown C global variable '%s'" % name)
        with self.assertRaises(AttributeError) as caught:
            Q.cvar.nothing = 1
        self.assertEqual(str(caught.exception), "Unknown C global variable 'nothing'")
        for name in VARIABLES:
            with self.assertRaises(AttributeError) as caught:
                setattr(Q.cvar, name, 3)
            self.assertEqual(str(caught.exception), 'Variable %s is read-only.' % name)
        self.assertEqual(Q.cvar.PI, 3.1415927410125732)
        self.assertIsNot(Q.cvar.PI, Q.cvar.PI)

    def test_instance_method_new_makes_nothing(self):
        self.assertRaises(SystemError, Q.SWIG_PyInstanceMethod_New, 1)

    def test_registration_needs_exactly_one_argument(self):
        self.assertRaises(TypeError, Q.Frame_swigregister)
        self.assertRaises(TypeError, Q.Frame_swigregister, 1, 2)

    def test_registration_changes_what_results_are(self):
        # A fresh interpreter: nothing registered until the class is.
        code, out, err = run_python('''
            import QuonPython as Q
            a, b = Q.new_Vector(1, 0, 0), Q.new_Vector(0, 1, 0)
            bare = Q.Vector_cross(a, b)
            print type(bare).__name__
            del bare   # no class yet, so no destructor: reported as a leak
            class V(object):
                __swig_destroy__ = Q.delete_Vector
            class Old:
                __swig_destroy__ = Q.delete_Vector
            print Q.Vector_swigregister(V)
            print type(Q.Vector_cross(a, b)).__name__, type(Q.new_Vector()).__name__
            c = Q.Vector_cross(a, b)
            print Q.Vector___str__(c), c.this.own()
            Q.Vector_swigregister(Old)
            d = Q.Vector_cross(a, b)
            print type(d).__name__, d.__class__.__name__, Q.Vector___str__(d)
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.splitlines(), [
            'SwigPyObject',
            "swig/python detected a memory leak of type 'Quon::Vector *', no destructor found.",
            'None', 'V SwigPyObject', '(0, 0, 1) True', 'instance Old (0, 0, 1)'])


class ProxyTest(quontest.TestCase):
    def test_representation_names_the_type_and_the_proxy(self):
        v = bare_vector()
        text = "<Swig Object of type 'Quon::Vector *' at 0x%x>" % id(v)
        self.assertEqual(repr(v), text)
        self.assertEqual(str(v), text)
        w = bare_vector()
        v.append(w)
        self.assertEqual(repr(v), text + repr(w))

    def test_comparisons_follow_addresses_and_hash_is_refused(self):
        v = bare_vector()
        same = peer.make('_p_Quon__Vector', int(v), 2)  # bare, not owning
        other = bare_vector()
        self.assertTrue(v == same)
        self.assertFalse(v != same)
        self.assertEqual(cmp(v, same), 0)
        self.assertTrue(v != other)
        low, high = sorted([v, other], key=int)
        self.assertTrue(low < high)
        self.assertEqual(cmp(low, high), -1)
        self.assertRaises(TypeError, hash, v)
        self.assertFalse(v == 1)
        self.assertTrue(v != 'text')

    def test_numbers_give_the_address(self):
        v = bare_vector()
        address = peer.convert(v, '_p_Quon__Vector')
        self.assertEqual(int(v), address)
        self.assertEqual(long(v), address)
        self.assertEqual(hex(v), '%x' % address)
        self.assertEqual(oct(v), '%o' % address)
        self.assertTrue(int(v) > 0)

    def test_ownership_methods(self):
        v = bare_vector()
        self.assertIs(v.own(), True)
        self.assertIs(v.own(False), True)
        self.assertIs(v.own(), False)
        self.assertIsNone(v.acquire())
        self.assertIs(v.own(), True)
        self.assertIsNone(v.disown())
        self.assertIs(v.own(), False)
        self.assertIs(v.own(1), False)
        self.assertIs(v.own(), True)
        self.assertRaises(TypeError, v.own, 1, 2)

        class Bad(object):
            def __nonzero__(self):
                raise ValueError('no truth')
        self.assertRaises(ValueError, v.own, Bad())
        self.assertIs(v.own(), True)

    def test_append_and_next(self):
        v, w = bare_vector(), bare_vector()
        self.assertIsNone(v.next())
        self.assertRaises(SystemError, v.append, 1)
        self.assertIsNone(v.next())
        self.assertIsNone(v.append(w))
        self.assertIs(v.next(), w)
        # A chain may never loop back on itself.
        self.assertRaises(ValueError, w.append, v)
        self.assertRaises(ValueError, v.append, v)
        self.assertIsNone(w.next())

    def test_conversion_searches_the_chain(self):
        v = bare_vector()
        m = Q.new_Matrix()
        m.append(v)
        self.assertEqual(peer.convert(m, '_p_Quon__Vector'), int(v))
        self.assertEqual(peer.convert(m, '_p_Quon__Matrix'), int(m))
        self.assertIsNone(peer.convert(m, '_p_Quon__Frame'))

    def test_this_lookup(self):
        v = bare_vector()

        class Holder(object):
            pass

        class Classic:
            pass
        h, c = Holder(), Classic()
        h.this = v
        c.this = h  # a "this" that has a "this" itself
        self.assertEqual(peer.convert(h, '_p_Quon__Vector'), int(v))
        self.assertEqual(peer.convert(c, '_p_Quon__Vector'), int(v))
        self.assertIsNone(peer.convert(Holder(), '_p_Quon__Vector'))
        self.assertEqual(peer.convert(None, '_p_Quon__Vector'), 0)
        # An object that is its own "this" is refused, not looped on forever.
        loop = Holder()
        loop.this = loop
        self.assertIsNone(peer.convert(loop, '_p_Quon__Vector'))
        with self.assertRaises(TypeError) as caught:
            Q.Vector_x_get(loop)
        self.assertEqual(str(caught.exception),
                         "in method 'Vector_x_get', argument 1 of type 'Quon::Vector *'")

    def test_disown_flag_of_conversion(self):
        v = bare_vector()
        self.assertEqual(peer.convert(v, '_p_Quon__Vector', 1), int(v))
        self.assertIs(v.own(), False)
        v.acquire()

    def test_owning_proxy_without_destructor_reports_a_leak(self):
        code, out, err = run_python('''
            import QuonPython as Q
            v = Q.new_Vector()
            del v
            w = Q.new_Vector()
            w.disown()
            del w
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out, "swig/python detected a memory leak of type 'Quon::Vector *', "
                              "no destructor found.\n")

    def test_explicit_delete_leaves_the_proxy_pointing_nowhere(self):
        v = bare_vector()
        self.assertIsNone(Q.delete_Vector(v))
        self.assertIs(v.own(), False)
        self.assertEqual(int(v), 0)
        with self.assertRaises(ValueError) as caught:
            Q.Vector_x_get(v)
        self.assertEqual(str(caught.exception),
                         "invalid null reference in method 'Vector_x_get', "
                         "argument 1 of type 'Quon::Vector *'")
        self.assertIsNone(Q.delete_Vector(v))
        self.assertIsNone(Q.delete_Vector(None))


    def test_deleting_borrowed_objects_frees_nothing(self):
        # Statics of the module and of the library reached through cvar are
        # only detached by an explicit delete; later reads see them intact.
        code, out, err = run_python('''
            import Quon, QuonPython as Q
            import quontest
            before = quontest.live_handles()
            for name in ('Hand_invalid', 'Frame_invalid', 'Pointable_invalid', 'Screen_invalid',
                         'Image_invalid', 'Vector_zero', 'Vector_x_axis', 'Matrix_identity'):
                borrowed = getattr(Q.cvar, name)
                getattr(Q, 'delete_' + name.split('_')[0])(borrowed)
                try:
                    str(borrowed)
                except ValueError:
                    pass
                else:
                    print 'still attached', name
            print Q.Frame_is_valid_get(Q.cvar.Frame_invalid), str(Q.cvar.Vector_zero)
            print str(Q.cvar.Matrix_identity)
            mask = Q.Mask_invalid()
            Q.delete_Mask(mask)
            print Q.Mask_is_valid_get(Q.Mask_invalid()), quontest.live_handles() - before
        ''', env={'PYTHONPATH': ':'.join(sys.path)})
        self.assertEqual(code, 0, err)
        self.assertEqual(out.splitlines(), [
            'False (0, 0, 0)',
            'xBasis:(1, 0, 0) yBasis:(0, 1, 0) zBasis:(0, 0, 1) origin:(0, 0, 0)',
            'False 0'])


    def test_borrowed_proxies_never_free_even_when_made_owning(self):
        code, out, err = run_python('''
            import Quon, QuonPython as Q
            invalid = Q.cvar.Hand_invalid
            invalid.this.acquire()
            del invalid
            m = Quon.Matrix()
            view = m.x_basis
            view.this.own(True)
            del view
            print Q.Hand_is_valid_get(Q.cvar.Hand_invalid), m.x_basis, m
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.strip(), 'False (1, 0, 0) xBasis:(1, 0, 0) yBasis:(0, 1, 0) '
                                      'zBasis:(0, 0, 1) origin:(0, 0, 0)')


    def test_impostors_are_refused(self):
        code, out, err = run_python('''
            import sys, Quon, QuonPython as Q

            def refused(function, *args):
                try:
                    function(*args)
                except TypeError as e:
                    return str(e)
                return 'accepted'

            class SwigPyObject(object):      # a Python class of the proxy type's name
                pass
            print refused(Q.Vector_x_get, SwigPyObject())

            class Fresh(object):             # a "this" made anew on every lookup
                __slots__ = ()
                this = property(lambda self: Q.new_Vector(1.0, 2.0, 3.0))
            print refused(Q.Vector_x_get, Fresh())

            existing = Quon.PointableList()
            class Reused(object):            # a __new__ that hands back an existing object
                __swig_destroy__ = Q.delete_PointableList
                def __new__(cls):
                    return existing
            Q.PointableList_swigregister(Reused)
            print refused(Q.PointableList_append, existing, Quon.PointableList())
            Q.PointableList_swigregister(Quon.PointableList)
            print len(existing), type(existing.append(Quon.PointableList())).__name__

            before = sys.getrefcount(Quon.Frame)
            for _ in range(1000):
                Q.Frame_swigregister(Quon.Frame)  # the registered class again: nothing new
            print sys.getrefcount(Quon.Frame) - before
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.splitlines(), [
            "in method 'Vector_x_get', argument 1 of type 'Quon::Vector *'",
            "in method 'Vector_x_get', argument 1 of type 'Quon::Vector *'",
            "Reused.__new__ did not return a new instance of the class",
            "0 PointableList",
            "0"])


class RegistryTest(quontest.TestCase):
    def test_modules_share_one_registry(self):
        self.assertTrue(peer.shared())
        before, after = peer.initialise_again()
        self.assertEqual(before, after)

    def test_queries_and_pretty_names(self):
        self.assertEqual(peer.query('_p_char'), ('_p_char', 'char *'))
        self.assertEqual(peer.position('_p_char'), 35)
        self.assertEqual(peer.position('_p_Quon__Controller'), 5)
        self.assertEqual(peer.position('_p_Quon__Frame'), 10)
        self.assertEqual(peer.position('_p_Quon__Interface'), 18)
        self.assertEqual(peer.position('_p_Quon__Listener'), 20)
        self.assertEqual(peer.position('_p_Quon__Vector'), 33)
        self.assertEqual(peer.position('_p_void'), 48)
        self.assertIsNone(peer.query('std::string *'))
        self.assertEqual(peer.query('int_fast16_t*'), ('_p_int', 'int_fast16_t *'))
        self.assertEqual(peer.query('int*'), ('_p_int', 'int_fast16_t *'))
        self.assertEqual(peer.query('Quon::Frame *'), ('_p_Quon__Frame', 'Quon::Frame *'))
        self.assertEqual(peer.query('_p_unsigned_char')[1], 'uint8_t *')

    def test_display_comparison(self):
        self.assertTrue(peer.equivalent('int *|long *', 'long*'))
        self.assertTrue(peer.equivalent('int *', ' int  * '))
        self.assertFalse(peer.equivalent('int *', 'int'))
        self.assertFalse(peer.equivalent('int', 'int *'))
        self.assertFalse(peer.equivalent('int *|long *', 'short *'))

    def test_cast_lists(self):
        self.assertTrue(peer.check('_p_Quon__Tool', '_p_Quon__Pointable'))
        self.assertTrue(peer.check('_p_Quon__Finger', '_p_Quon__Pointable'))
        self.assertEqual(peer.casts('_p_Quon__Pointable')[0], '_p_Quon__Finger')
        self.assertEqual(sorted(peer.casts('_p_Quon__Pointable')),
                         ['_p_Quon__Finger', '_p_Quon__Pointable', '_p_Quon__Tool'])
        self.assertEqual(len(peer.casts('_p_Quon__Interface')), 31)
        self.assertEqual(sorted(peer.casts('_p_Quon__Gesture')), [
            '_p_Quon__CircleGesture', '_p_Quon__Gesture', '_p_Quon__KeyTapGesture',
            '_p_Quon__ScreenTapGesture', '_p_Quon__SwipeGesture'])
        self.assertEqual(sorted(peer.casts('_p_float')), ['_p_float', '_p_floatArray'])
        self.assertEqual(sorted(peer.casts('_p_unsigned_char')), ['_p_byteArray', '_p_unsigned_char'])
        self.assertEqual(peer.casts('_p_Quon__Finger'), ['_p_Quon__Finger'])
        self.assertFalse(peer.check('_p_Quon__Pointable', '_p_Quon__Finger'))
        self.assertFalse(peer.check('_p_Quon__Listener', '_p_Quon__Interface'))

    def test_derived_proxies_convert_to_their_bases_only(self):
        v = bare_vector()  # any real address will do for a non-dereferencing conversion
        finger = peer.make('_p_Quon__Finger', int(v), 2)
        pointable = peer.make('_p_Quon__Pointable', int(v), 2)
        self.assertEqual(peer.convert(finger, '_p_Quon__Pointable'), int(v))
        self.assertEqual(peer.convert(finger, '_p_Quon__Interface'), int(v))
        self.assertIsNone(peer.convert(pointable, '_p_Quon__Finger'))
        hand = peer.make('_p_Quon__Hand', int(v), 2)
        self.assertIsNone(peer.convert(hand, '_p_Quon__Frame'))

    def test_proxies_cross_between_modules(self):
        # A proxy made by the peer module is accepted by QuonPython...
        v = bare_vector(1.5, 0, 0)
        foreign = peer.make('_p_Quon__Vector', int(v), 2)
        self.assertEqual(type(foreign).__name__, 'SwigPyObject')
        self.assertIsNot(type(foreign), type(v))
        self.assertEqual(Q.Vector_x_get(foreign), 1.5)
        # ...and a class registered through QuonPython serves the peer too.
        code, out, err = run_python('''
            import QuonPython as Q, runtime_peer as peer
            class V(object):
                __swig_destroy__ = Q.delete_Vector
            Q.Vector_swigregister(V)
            v = Q.new_Vector(2, 0, 0)
            w = peer.make('_p_Quon__Vector', int(v), 0)
            print type(w).__name__, Q.Vector_x_get(w)
            v.disown()
            owned = peer.make('_p_Quon__Vector', int(v), 1)
            del owned   # destroyed through QuonPython's delete_Vector, no leak line
            print 'done'
        ''')
        self.assertEqual(code, 0, err)
        self.assertEqual(out.splitlines(), ['V 2.0', 'done'])


class ConversionTest(quontest.TestCase):
    OK, TYPE, OVERFLOW, ERROR = 0, -5, -7, -1

    def check(self, kind, value, code, expected=None):
        got_code, got = peer.value(kind, value)
        self.assertEqual(got_code, code, (kind, value, got_code))
        if code >= 0:
            self.assertEqual(got, expected, (kind, value, got))
            if expected is not None:
                self.assertIs(type(got), type(expected))

    def test_integers(self):
        self.check('int', 7, self.OK, 7)
        self.check('int', True, self.OK, 1)
        self.check('int', 7L, self.OK, 7)
        self.check('int', -2 ** 31, self.OK, -2 ** 31)
        self.check('int', 2 ** 31, self.TYPE)
        self.check('int', 2 ** 40, self.TYPE)
        self.check('int', 2 ** 70, self.TYPE)
        self.check('int', 3.0, self.TYPE)
        self.check('int', None, self.TYPE)
        self.check('int', '1', self.TYPE)

    def test_unsigned(self):
        self.check('unsigned int', 7, self.OK, 7L)
        self.check('unsigned int', 2 ** 32 - 1, self.OK, long(2 ** 32 - 1))
        self.check('unsigned int', -1, self.OVERFLOW)
        self.check('unsigned int', -1L, self.TYPE)
        self.check('unsigned int', 2 ** 32, self.TYPE)
        self.check('unsigned int', 1.0, self.TYPE)
        self.check('size_t', 2 ** 40, self.OK, long(2 ** 40))
        self.check('size_t', -3, self.OVERFLOW)
        self.check('unsigned char', 255, self.OK, 255)
        self.check('unsigned char', 256, self.OVERFLOW)
        self.check('unsigned char', -1, self.OVERFLOW)

    def test_floating_point(self):
        self.check('double', 2, self.OK, 2.0)
        self.check('double', 2 ** 70, self.OK, float(2 ** 70))
        self.check('double', 2 ** 2000, self.TYPE)
        self.check('double', '1.0', self.TYPE)
        self.check('float', 0.1, self.OK, 0.10000000149011612)
        self.check('float', 1e39, self.OVERFLOW)
        self.check('float', -1e39, self.OVERFLOW)
        self.check('float', 3.4028234663852886e38, self.OK, 3.4028234663852886e38)
        self.check('float', float('inf'), self.OK, float('inf'))
        self.check('float', 2 ** 200, self.OVERFLOW)
        self.check('float', 2 ** 2000, self.TYPE)
        code, nan = peer.value('float', float('nan'))
        self.assertEqual(code, 0)
        self.assertNotEqual(nan, nan)

    def test_bool_only_accepts_bool(self):
        self.check('bool', True, self.OK, True)
        self.check('bool', False, self.OK, False)
        self.check('bool', 1, self.ERROR)
        self.check('bool', 0, self.ERROR)
        self.check('bool', None, self.ERROR)

    def test_strings(self):
        self.check('string', 'a\0b', 512, 'a\0b')
        self.check('string', '', 512, '')
        self.check('string', u'text', self.ERROR)
        self.check('string', 3, self.ERROR)
        self.assertEqual(peer.value('string', None), (0, None))

    def test_64_bit_results_are_longs(self):
        self.assertIs(type(peer.int64(5)), long)
        self.assertEqual(peer.int64(5), 5L)
        self.assertEqual(peer.int64(-2 ** 40), -2 ** 40)
        self.assertEqual(peer.int64(2 ** 62), 2 ** 62)


class ArgumentErrorTest(quontest.TestCase):

    def test_wrong_count_is_the_interpreters_error(self):
        self.assertRaisesMessage(TypeError, 'Vector_dot() takes exactly 2 arguments (1 given)',
                                 Q.Vector_dot, bare_vector())

    def test_messages_name_function_argument_and_type(self):
        v = bare_vector()
        self.assertRaisesMessage(TypeError, "in method 'Vector_dot', argument 2 of type "
                                 "'Quon::Vector const &'", Q.Vector_dot, v, 3)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector_cross', "
                                 "argument 2 of type 'Quon::Vector const &'", Q.Vector_cross, v, None)
        self.assertRaisesMessage(OverflowError, "in method 'Vector___mul__', argument 2 of type "
                                 "'float'", Q.Vector___mul__, v, 1e39)
        self.assertRaisesMessage(OverflowError, "in method 'Vector___getitem__', argument 2 of "
                                 "type 'unsigned int'", Q.Vector___getitem__, v, -1)
        self.assertRaisesMessage(TypeError, "in method 'Vector___getitem__', argument 2 of "
                                 "type 'unsigned int'", Q.Vector___getitem__, v, 2 ** 40)
        self.assertRaisesMessage(TypeError, "in method 'Vector_dot', argument 1 of type "
                                 "'Quon::Vector const *'", Q.Vector_dot, Q.new_Matrix(), v)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Vector_dot', "
                                 "argument 1 of type 'Quon::Vector const *'", Q.Vector_dot, None, v)

    def test_overload_dispatch_message(self):
        message = ("Wrong number or type of arguments for overloaded function 'new_Vector'.\n"
                   "  Possible C/C++ prototypes are:\n"
                   "    Quon::Vector::Vector()\n"
                   "    Quon::Vector::Vector(float,float,float)\n"
                   "    Quon::Vector::Vector(Quon::Vector const &)\n")
        for args in [(1, 2), ('a', 0, 0), (1e39, 0, 0), (1, 2, 3, 4)]:
            self.assertRaisesMessage(NotImplementedError, message, Q.new_Vector, *args)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'new_Vector', "
                                 "argument 1 of type 'Quon::Vector const &'", Q.new_Vector, None)


if __name__ == '__main__':
    unittest.main()
