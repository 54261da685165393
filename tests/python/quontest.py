"""Helpers shared by the Python suites."""

import ctypes
import os
import subprocess
import sys
import textwrap
import threading

import QuonPython

_library = None


def library():
    """The stand-in tracking library, for its live-object counters."""
    global _library
    if _library is None:
        path = os.path.join(os.path.dirname(os.path.abspath(QuonPython.__file__)), 'libQuon.so')
        _library = ctypes.CDLL(path)
        _library.quon_live_handles.restype = ctypes.c_longlong
        _library.quon_live_objects.restype = ctypes.c_longlong
    return _library


def live_handles():
    return library().quon_live_handles()


def live_objects():
    return library().quon_live_objects()


def run_python(source, timeout=120, env=None):
    """Runs source in a fresh interpreter; returns (exit code, stdout, stderr).

    Used for anything that could crash the interpreter or that needs a
    process whose module state is untouched. A process still running after
    `timeout` seconds is killed (exit code -9), so a deadlock fails the test
    instead of hanging the suite."""
    environment = dict(os.environ)
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
