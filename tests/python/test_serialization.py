"""Frames serialised into a byte_array and read back: every field the
companion exposes survives, and damaged bytes give an invalid frame."""

import random
import time
import unittest

import Quon

from quontest import run_python

# Properties that lead back up the object tree or are not data.
SKIP = frozenset(['frame', 'hand', 'serialize', 'serialize_length', 'invalid'])


def describe(value, depth=0):
    """Every property of a companion object, recursively, as plain values;
    floats as repr so that equal descriptions mean equal bits."""
    if isinstance(value, float):
        return repr(value)
    if isinstance(value, (bool, int, long, str)) or value is None:
        return value
    if isinstance(value, Quon.Vector):
        return tuple(repr(c) for c in value)
    if isinstance(value, Quon.Matrix):
        return [describe(row) for row in value.to_array_4x4()]
    if isinstance(value, list):
        return [describe(item, depth) for item in value]
    if isinstance(value, Quon._List):
        return [describe(item, depth + 1) for item in value]
    if depth > 6:
        return '...'
    fields = {'str': str(value)}
    for cls in type(value).__mro__:
        for name, attribute in vars(cls).items():
            if isinstance(attribute, property) and name not in SKIP and name not in fields:
                fields[name] = describe(getattr(value, name), depth + 1)
    if isinstance(value, Quon.Finger):
        fields['bones'] = [describe(value.bone(b), depth + 1) for b in range(4)]
        fields['joints'] = [describe(value.joint_position(j)) for j in range(4)]
    if isinstance(value, Quon.Frame):
        fields['gestures'] = [describe(g, depth + 1) for g in value.gestures()]
    return fields


def live_frame(wanted):
    controller = Quon.Controller()
    for kind in (Quon.Gesture.TYPE_SWIPE, Quon.Gesture.TYPE_CIRCLE, Quon.Gesture.TYPE_KEY_TAP,
                 Quon.Gesture.TYPE_SCREEN_TAP):
        controller.enable_gesture(kind)
    deadline = time.time() + 20
    while time.time() < deadline:
        frame = controller.frame()
        if frame.is_valid and wanted(frame):
            return frame
        time.sleep(0.005)
    raise AssertionError('the simulated service gave no such frame')


class SerializationTest(unittest.TestCase):
    def round_trip(self, frame):
        data = frame.serialize
        copy = Quon.Frame()
        copy.deserialize(data)
        return copy

    def test_every_field_survives(self):
        frame = live_frame(lambda f: len(f.hands) == 2)
        original = describe(frame)
        self.assertEqual(len(original['hands']), 2)
        self.assertEqual(len(original['hands'][0]['fingers']), 5)
        self.assertEqual(describe(self.round_trip(frame)), original)

    def test_gestures_and_tools_survive(self):
        frame = live_frame(lambda f: len(f.gestures()) > 0)
        copy = self.round_trip(frame)
        self.assertEqual(describe(copy), describe(frame))
        self.assertEqual([g.type for g in copy.gestures()], [g.type for g in frame.gestures()])

    def test_damaged_bytes_give_an_invalid_frame(self):
        # In a child process: a crash there fails this test and nothing else.
        code, out, err = run_python('''
            import random, time, Quon
            controller = Quon.Controller()
            while not controller.frame().hands:
                time.sleep(0.005)
            data, length = controller.frame().serialize
            original = [data[i] for i in range(length)]
            rng = random.Random(7)
            valid = 0
            def attempt(values, count):
                block = Quon.byte_array(max(len(values), 1))
                for i, v in enumerate(values):
                    block[i] = v
                frame = Quon.Frame()
                frame.deserialize((block, count))
                frame.hands, frame.id, str(frame)
                return frame.is_valid
            for cut in range(0, length, max(1, length // 97)):
                assert not attempt(original[:cut], cut), cut
            for _ in range(300):
                damaged = list(original)
                for _ in range(rng.randint(1, 8)):
                    damaged[rng.randrange(length)] = rng.randrange(256)
                valid += attempt(damaged, length)
            for _ in range(200):
                junk = [rng.randrange(256) for _ in range(rng.randrange(1, 2 * length))]
                assert not attempt(junk, len(junk))
            print 'ok', valid < 300
        ''', timeout=300)
        self.assertEqual(code, 0, err)
        self.assertEqual(out.split(), ['ok', 'True'])


if __name__ == '__main__':
    unittest.main()
