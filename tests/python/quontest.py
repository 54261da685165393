"""Helpers shared by the Python suites: live frames from the simulated
service, the library's live-object counters, child interpreters for anything
that could crash, and a TestCase that checks exception messages."""

import ctypes
import os
import subprocess
import sys
import textwrap
import threading
import time
import unittest

import Quon
import QuonPython as Q

_library = None


def library():
    """The stand-in tracking library, for its live-object counters."""
    global _library
    if _library is None:
        _library = ctypes.CDLL(os.path.join(os.path.dirname(os.path.abspath(Q.__file__)), 'libQuon.so'))
        _library.quon_live_handles.restype = ctypes.c_longlong
        _library.quon_live_objects.restype = ctypes.c_longlong
    return _library


def live_handles():
    return library().quon_live_handles()


def live_objects():
    return library().quon_live_objects()


def run_python(source, timeout=120, env=None):
    """Runs source in a fresh interpreter with this one's module path;
    returns (exit code, stdout, stderr).

    Used for anything that could crash the interpreter or that needs a
    process whose module state is untouched. A process still running after
    `timeout` seconds is killed (exit code -9), so a deadlock fails the test
    instead of hanging the suite."""
    environment = dict(os.environ)
    environment['PYTHONPATH'] = os.pathsep.join(p for p in sys.path if p)
    if env:
        environment.update(env)
    process = subprocess.Popen([sys.executable, '-c', textwrap.dedent(source)],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=environment)
    watchdog = threading.Timer(timeout, process.kill)
    watchdog.start()
    try:
        out, err = process.communicate()
    finally:
        watchdog.cancel()
    return process.returncode, out, err


def components(vector):
    """The three floats of a vector result (a companion instance or a bare proxy)."""
    return (Q.Vector_x_get(vector), Q.Vector_y_get(vector), Q.Vector_z_get(vector))


def address(obj):
    """The native address behind a companion instance or a proxy."""
    return int(getattr(obj, 'this', obj))


class LiveSource(object):
    """A controller of the simulated service."""

    def __init__(self, gestures=False):
        self.controller = Quon.Controller()
        if gestures:
            for kind in (Q.Gesture_TYPE_SWIPE, Q.Gesture_TYPE_CIRCLE,
                         Q.Gesture_TYPE_SCREEN_TAP, Q.Gesture_TYPE_KEY_TAP):
                Q.Controller_enable_gesture(self.controller, kind)

    def frame(self, history=0):
        return Q.Controller_frame(self.controller, history)

    def wait_for(self, predicate, timeout=12.0):
        """The first frame for which predicate(frame) holds, within timeout seconds."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            frame = self.frame()
            if Q.Frame_is_valid_get(frame) and predicate(frame):
                return frame
            time.sleep(0.004)
        raise AssertionError("no such frame within %.1f s" % timeout)

    def close(self):
        if self.controller is not None:
            Q.delete_Controller(self.controller)
            self.controller = None


def has_hands(count=1):
    return lambda frame: Q.HandList___len__(Q.Frame_hands_get(frame)) >= count


class TestCase(unittest.TestCase):
    def assertRaisesMessage(self, kind, message, function, *args):
        """function(*args) raises exactly `kind` with exactly `message`."""
        with self.assertRaises(kind) as caught:
            function(*args)
        self.assertIs(type(caught.exception), kind)
        self.assertEqual(str(caught.exception), message)


class LiveFrameTestCase(TestCase):
    """A TestCase with a live controller (`source`) and a frame holding at
    least one hand (`frame`), made once for the class."""

    gestures = False

    @classmethod
    def setUpClass(cls):
        cls.source = LiveSource(gestures=cls.gestures)
        cls.frame = cls.source.wait_for(has_hands(1))

    @classmethod
    def tearDownClass(cls):
        cls.source.close()
