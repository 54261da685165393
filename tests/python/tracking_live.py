"""Shared helpers of the tracking data suites: live frames from the simulated
service, vector components, the library's live-object counters and running
a script in a child interpreter."""

import ctypes
import os
import subprocess
import sys
import time

import QuonPython as Q
import Quon


# Until the geometry classes are in the companion, vector and matrix results
# need a registered class with a destructor (else every one leaks).
for _name in ("Vector", "Matrix"):
    if not hasattr(Quon, _name):
        _stand_in = type(_name, (object,), {"__swig_destroy__": getattr(Q, "delete_" + _name)})
        getattr(Q, _name + "_swigregister")(_stand_in)


def library():
    lib = ctypes.CDLL(os.path.join(os.path.dirname(Q.__file__), "libQuon.so"))
    lib.quon_live_handles.restype = ctypes.c_longlong
    lib.quon_live_objects.restype = ctypes.c_longlong
    return lib


def components(vector):
    """The three floats of a vector result (a companion instance or a bare proxy)."""
    return (Q.Vector_x_get(vector), Q.Vector_y_get(vector), Q.Vector_z_get(vector))


class LiveSource(object):
    """A controller of the simulated service, through the companion class when
    there is one, else through the flat functions."""

    def __init__(self, gestures=False):
        if hasattr(Quon, "Controller"):
            self.controller = Quon.Controller()
        else:
            self.controller = Q.new_Controller()
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


def run_child(source):
    """Runs source in a fresh interpreter with this one's path; returns
    (exit code, output)."""
    env = dict(os.environ)
    env["PYTHONPATH"] = os.pathsep.join(p for p in sys.path if p)
    child = subprocess.Popen([sys.executable, "-c", source], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, env=env)
    output = child.communicate()[0]
    return child.returncode, output
