"""Listener callbacks: latency from a frame's creation in the library to the
start of the Python on_frame, and the highest rate of callbacks into a no-op
on_frame when the library delivers frames as fast as it can.

Usage: bench_callbacks.py [seconds per measurement]
"""

import os
import subprocess
import sys
import time

SECONDS = float(sys.argv[1]) if len(sys.argv) > 1 else 3.0

LATENCY = r'''
import sys, time, Quon
class Probe(Quon.Listener):
    def __init__(self):
        super(Probe, self).__init__()
        self.samples = []
    def on_frame(self, controller):
        now = controller.now()
        self.samples.append(now - controller.frame().timestamp)
probe = Probe()
controller = Quon.Controller(probe)
time.sleep(%(seconds)f)
controller.remove_listener(probe)
s = sorted(probe.samples[10:])
print len(s), s[len(s) // 2], s[int(len(s) * 0.99)], s[-1]
'''

RATE = r'''
import sys, time, Quon
class Nothing(Quon.Listener):
    def __init__(self):
        super(Nothing, self).__init__()
        self.count = 0
    def on_frame(self, controller):
        self.count += 1
listener = Nothing()
controller = Quon.Controller(listener)
time.sleep(0.5)
start_count, start = listener.count, time.time()
time.sleep(%(seconds)f)
end_count, end = listener.count, time.time()
controller.remove_listener(listener)
print (end_count - start_count) / (end - start)
'''


def run(source, **env):
    environment = dict(os.environ)
    environment.update(env)
    out = subprocess.check_output([sys.executable, '-c', source % {'seconds': SECONDS}],
                                  env=environment)
    return out.split()


def main():
    count, median, p99, worst = [int(x) for x in run(LATENCY)]
    print "callback latency at the default rate (%d frames): median %d us, 99th percentile %d us, " \
          "worst %d us (targets: median < 200 us, 99th < 2000 us)" % (count, median, p99, worst)
    rate = float(run(RATE, QUON_FPS='max')[0])
    print "no-op on_frame callbacks with unthrottled frames: %.0f per second (target >= 200000)" % rate


if __name__ == '__main__':
    main()
