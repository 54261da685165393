"""The example programs run against the simulated service and print what
they promise."""

import os
import re
import subprocess
import sys
import tempfile
import unittest

EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'examples')


def run(*args):
    process = subprocess.Popen([sys.executable, os.path.join(EXAMPLES, args[0])] + list(args[1:]),
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    out, err = process.communicate()
    return process.returncode, out, err


class ExamplesTest(unittest.TestCase):
    def test_sample_prints_frames_hands_fingers_bones_and_gestures(self):
        code, out, err = run('sample.py', '1.5')
        self.assertEqual(code, 0, err)
        self.assertEqual(err, '')
        lines = out.splitlines()
        self.assertEqual(lines[:2], ['Initialized', 'Connected'])
        self.assertEqual(lines[-2], 'Exited')
        received = int(re.match(r'Received (\d+) frames\.', lines[-1]).group(1))
        frames = [l for l in lines if l.startswith('Frame id: ')]
        self.assertEqual(len(frames), received)
        self.assertGreater(received, 50)
        self.assertTrue(any('Right hand' in l or 'Left hand' in l for l in lines))
        self.assertTrue(any(l.strip().startswith('Index finger') for l in lines))
        self.assertTrue(any(l.strip().startswith('Bone: Distal') for l in lines))
        ids = [int(re.match(r'Frame id: (\d+)', l).group(1)) for l in frames]
        self.assertEqual(ids, sorted(ids))

    def test_polling_follows_hands(self):
        code, out, err = run('polling.py', '0.5')
        self.assertEqual(code, 0, err)
        reports = [l for l in out.splitlines() if ' moved ' in l]
        self.assertTrue(reports)
        self.assertTrue(out.splitlines()[-1].endswith('hand reports.'))

    def test_record_and_replay(self):
        handle, path = tempfile.mkstemp(suffix='.rec')
        os.close(handle)
        try:
            code, out, err = run('record_replay.py', 'record', path, '15')
            self.assertEqual(code, 0, err)
            self.assertEqual(out.strip(), 'recorded 15 frames to %s' % path)
            code, out, err = run('record_replay.py', 'replay', path)
            self.assertEqual(code, 0, err)
            lines = out.splitlines()
            self.assertEqual(len(lines), 15)
            self.assertTrue(all('(valid)' in l and 'hand' in l for l in lines), out)
        finally:
            os.remove(path)


if __name__ == '__main__':
    unittest.main()
