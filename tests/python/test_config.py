"""Configuration by key with the string-argument rules, the companion's
typed get/set, saving to a temporary file, and bug-report recording."""

import os
import shutil
import tempfile
import time
import unittest

DIRECTORY = tempfile.mkdtemp()
os.environ['QUON_CONFIG'] = os.path.join(DIRECTORY, 'config.cfg')
os.environ['QUON_BUGREPORT'] = os.path.join(DIRECTORY, 'report.qrec')

import QuonPython as Q
import Quon


class ConfigTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.controller = Quon.Controller()
        cls.config = cls.controller.config

    @classmethod
    def tearDownClass(cls):
        del cls.controller, cls.config
        shutil.rmtree(DIRECTORY, ignore_errors=True)

    def test_typed_access(self):
        c = self.config
        self.assertEqual(c.type('device_name'), Q.Config_TYPE_STRING)
        self.assertEqual(c.type('no such key'), Q.Config_TYPE_UNKNOWN)
        self.assertIs(c.set_int_32('t_int', -7), True)
        self.assertEqual(c.get_int_32('t_int'), -7)
        self.assertIs(c.set_bool('t_bool', True), True)
        self.assertIs(c.get_bool('t_bool'), True)
        self.assertIs(c.set_float('t_float', 2), True)      # an int passes as 2.0
        self.assertEqual(repr(c.get_float('t_float')), '2.0')
        c.set_float('t_float', 0.1)
        self.assertEqual(repr(c.get_float('t_float')), '0.10000000149011612')
        self.assertIs(c.set_string('t_string', 'a\0b'), True)
        self.assertEqual(c.get_string('t_string'), 'a')     # the library sees the C string
        self.assertIs(c.set_string('t_empty', ''), True)
        self.assertEqual(c.get_string('t_empty'), '')
        self.assertIs(type(c.get_string('device_name')), str)
        self.assertIs(c.set_int_32('t_bool', 3), False)     # the library refuses a type change

    def test_argument_rules_and_messages(self):
        c = self.config
        cases = [
            (Q.Config_get_bool, (c, u'key'), TypeError,
             "in method 'Config_get_bool', argument 2 of type 'std::string const &'"),
            (Q.Config_get_bool, (c, None), ValueError,
             "invalid null reference in method 'Config_get_bool', argument 2 of type 'std::string const &'"),
            (Q.Config_type, (c, 5), TypeError,
             "in method 'Config_type', argument 2 of type 'std::string const &'"),
            (Q.Config_set_bool, (c, 'k', 1), TypeError,
             "in method 'Config_set_bool', argument 3 of type 'bool'"),
            (Q.Config_set_int_32, (c, 'k', 1 << 31), TypeError,
             "in method 'Config_set_int_32', argument 3 of type 'int32_t'"),
            (Q.Config_set_float, (c, 'k', 1e39), OverflowError,
             "in method 'Config_set_float', argument 3 of type 'float'"),
            (Q.Config_set_string, (c, 'k', None), ValueError,
             "invalid null reference in method 'Config_set_string', argument 3 of type 'std::string const &'"),
            (Q.Config_set_string, (c, 'k', u'v'), TypeError,
             "in method 'Config_set_string', argument 3 of type 'std::string const &'"),
            (Q.Config_get_string, (Quon.BugReport(), 'k'), TypeError,
             "in method 'Config_get_string', argument 1 of type 'Quon::Config const *'"),
            (Q.Config_save, (None,), ValueError,
             "invalid null reference in method 'Config_save', argument 1 of type 'Quon::Config *'"),
        ]
        for function, args, error, message in cases:
            with self.assertRaises(error) as caught:
                function(*args)
            self.assertEqual(str(caught.exception), message)
        self.assertEqual(c.type('k'), Q.Config_TYPE_UNKNOWN)  # no call reached the library

    def test_companion_get_and_set_follow_the_keys_type(self):
        c = self.config
        self.assertEqual(c.get('device_name'), c.get_string('device_name'))
        self.assertIs(c.set('Gesture.Circle.MinRadius', 7), True)
        self.assertEqual(c.type('Gesture.Circle.MinRadius'), Q.Config_TYPE_FLOAT)
        self.assertIs(type(c.get('Gesture.Circle.MinRadius')), float)
        self.assertEqual(c.get('Gesture.Circle.MinRadius'), 7.0)
        c.set('c_new_bool', False)
        self.assertEqual(c.type('c_new_bool'), Q.Config_TYPE_BOOLEAN)
        c.set('c_new_int', 3)
        self.assertEqual(c.type('c_new_int'), Q.Config_TYPE_INT32)
        with self.assertRaises(KeyError):
            c.get('c_missing')
        with self.assertRaises(TypeError):
            c.set('c_missing', [1])

    def test_save_writes_the_temporary_file(self):
        c = self.config
        c.set_string('saved_key', 'saved value')
        self.assertIs(c.save(), True)
        with open(os.environ['QUON_CONFIG']) as saved:
            self.assertIn('saved', saved.read())
        detached = Quon.Config()
        self.assertIs(detached.set_bool('k', True), False)
        self.assertIs(detached.get_bool('k'), False)
        self.assertEqual(detached.get_string('k'), '')
        self.assertIs(detached.save(), False)


class BugReportTest(unittest.TestCase):
    def test_recording(self):
        controller = Quon.Controller()
        report = controller.bug_report
        self.assertIs(report.is_active, False)
        self.assertIs(report.begin_recording(), True)
        self.assertIs(report.begin_recording(), False)      # already recording
        self.assertIs(report.is_active, True)
        time.sleep(0.2)
        self.assertGreater(report.duration, 0.0)
        self.assertIs(type(report.progress), float)
        self.assertIsNone(report.end_recording())
        self.assertIs(report.is_active, False)
        self.assertTrue(os.path.getsize(os.environ['QUON_BUGREPORT']) > 8)
        detached = Quon.BugReport()
        self.assertIs(detached.begin_recording(), False)
        with self.assertRaises(ValueError) as caught:
            Q.BugReport_is_active_get(None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'BugReport_is_active_get', argument 1 of type 'Quon::BugReport *'")
        with self.assertRaises(TypeError) as caught:
            Q.BugReport_begin_recording(Quon.Config())
        self.assertEqual(str(caught.exception), "in method 'BugReport_begin_recording', "
                         "argument 1 of type 'Quon::BugReport *'")


if __name__ == '__main__':
    unittest.main()
