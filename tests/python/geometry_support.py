"""Helpers shared by the geometry suites."""

import os
import subprocess
import sys
import textwrap


def run_isolated(code):
    """Runs code in a fresh interpreter with the same module path; returns
    (exit status, stdout, stderr). Used for anything that could crash."""
    process = subprocess.Popen([sys.executable, "-c", textwrap.dedent(code)],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                               env=dict(os.environ))
    out, err = process.communicate()
    return process.returncode, out, err


def address(obj):
    """The native address behind a companion instance or a proxy."""
    return int(getattr(obj, "this", obj))
