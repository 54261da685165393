"""Geometry benchmarks, ratios measured in this run.

(a) A component getter, Vector_x_get(v) on a companion Vector, against the
    floor (a trivial extension function taking one argument) and against a
    minimal hand-written wrapper of the same getter. Target: within 10 % of the
    hand-written wrapper.
(b) a + b, a.cross(b), a.normalized and m.transform_point(p) through the
    companion classes against the same operations on idiomatic pure-Python
    classes. Target: faster than pure Python (ratio below 1).

Each figure is the best of several repetitions of timeit loops.
"""

import math
import sys
import timeit

import Quon  # registers the classes; the floor module needs that first
import QuonPython as _Q
import bench_floor

REPEAT = 9
NUMBER = 200000


class PyVector(object):
    """Three floats, written the way a Python programmer would."""

    def __init__(self, x=0.0, y=0.0, z=0.0):
        self.x = x
        self.y = y
        self.z = z

    def __add__(self, other):
        return PyVector(self.x + other.x, self.y + other.y, self.z + other.z)

    def cross(self, other):
        return PyVector(self.y * other.z - self.z * other.y,
                        self.z * other.x - self.x * other.z,
                        self.x * other.y - self.y * other.x)

    @property
    def normalized(self):
        length_squared = self.x * self.x + self.y * self.y + self.z * self.z
        if length_squared <= 1.1920928955078125e-07:
            return PyVector()
        r = 1.0 / math.sqrt(length_squared)
        return PyVector(self.x * r, self.y * r, self.z * r)


class PyMatrix(object):
    """Three bases and an origin of PyVector."""

    def __init__(self, x_basis, y_basis, z_basis, origin):
        self.x_basis = x_basis
        self.y_basis = y_basis
        self.z_basis = z_basis
        self.origin = origin

    def transform_point(self, p):
        x, y, z, o = self.x_basis, self.y_basis, self.z_basis, self.origin
        return PyVector(x.x * p.x + y.x * p.y + z.x * p.z + o.x,
                        x.y * p.x + y.y * p.y + z.y * p.z + o.y,
                        x.z * p.x + y.z * p.y + z.z * p.z + o.z)


def best_ns(statements, names):
    """Best time per run of each statement, in ns. The statements are timed
    in turn within every repetition, so that a change of machine load during
    the run affects all of them alike."""
    setup = "from __main__ import " + ", ".join(names)
    timers = [timeit.Timer(statement, setup=setup) for statement in statements]
    best = [float("inf")] * len(timers)
    for _ in range(REPEAT):
        for i, timer in enumerate(timers):
            best[i] = min(best[i], timer.timeit(NUMBER))
    return [seconds / NUMBER * 1e9 for seconds in best]


def main():
    v = Quon.Vector(1.5, -2.0, 0.25)
    globals().update(v=v, x_get=_Q.Vector_x_get, nothing1=bench_floor.nothing1,
                     hand=bench_floor.hand_vector_x_get)
    assert x_get(v) == hand(v) == 1.5

    print "geometry: component getter (ns per call, best of %d x %d)" % (REPEAT, NUMBER)
    floor, hand_ns, getter = best_ns(["nothing1(v)", "hand(v)", "x_get(v)"],
                                     ["nothing1", "hand", "x_get", "v"])
    print "  floor nothing1(v)                 %7.1f" % floor
    print "  hand-written hand_vector_x_get(v) %7.1f   %.2fx floor" % (hand_ns, hand_ns / floor)
    print "  Vector_x_get(v)                   %7.1f   %.2fx floor   %.3fx hand-written (target <= 1.10)" % (
        getter, getter / floor, getter / hand_ns)

    a, b = Quon.Vector(1.0, 2.0, 3.0), Quon.Vector(-0.5, 0.25, 4.0)
    m = Quon.Matrix(Quon.Vector(0, 0, 1), 0.5, Quon.Vector(1, 2, 3))
    pa, pb = PyVector(1.0, 2.0, 3.0), PyVector(-0.5, 0.25, 4.0)
    pm = PyMatrix(*[PyVector(*basis) for basis in
                    (m.x_basis.to_tuple(), m.y_basis.to_tuple(), m.z_basis.to_tuple(), m.origin.to_tuple())])
    globals().update(a=a, b=b, m=m, pa=pa, pb=pb, pm=pm)

    print "geometry: companion against pure Python (ns per operation; ratio below 1 is faster)"
    for label, companion, python in (("a + b", "a + b", "pa + pb"),
                                     ("a.cross(b)", "a.cross(b)", "pa.cross(pb)"),
                                     ("a.normalized", "a.normalized", "pa.normalized"),
                                     ("m.transform_point(a)", "m.transform_point(a)", "pm.transform_point(pa)")):
        ours, theirs = best_ns([companion, python], ["a", "b", "m", "pa", "pb", "pm"])
        print "  %-22s companion %7.1f   pure Python %7.1f   ratio %.2f (target < 1)" % (
            label, ours, theirs, ours / theirs)
    sys.stdout.flush()


if __name__ == "__main__":
    main()
