"""The tracking service left to itself: with the process otherwise idle, the
frame rate a controller actually delivers against the configured 110 per
second, and the processor time its service thread costs, as a share of one
core. Also the unthrottled service with no listener and no polls, which
should make no frames and cost next to nothing.

Usage: bench_service.py [seconds per measurement]
"""

import os
import subprocess
import sys

SECONDS = float(sys.argv[1]) if len(sys.argv) > 1 else 3.0

IDLE = r'''
import resource, time, Quon
def cpu():
    usage = resource.getrusage(resource.RUSAGE_SELF)
    return usage.ru_utime + usage.ru_stime
controller = Quon.Controller()
time.sleep(0.5)
first = controller.frame()
cpu0, wall0 = cpu(), time.time()
time.sleep(%(seconds)f)
cpu1, wall1 = cpu(), time.time()
last = controller.frame()
print last.id - first.id, last.timestamp - first.timestamp, wall1 - wall0, cpu1 - cpu0
'''


def run(**env):
    environment = dict(os.environ)
    environment.update(env)
    out = subprocess.check_output([sys.executable, '-c', IDLE % {'seconds': SECONDS}],
                                  env=environment)
    frames, stamped, wall, cpu = out.split()
    return int(frames), int(stamped) * 1e-6, float(wall), float(cpu)


def main():
    frames, stamped, wall, cpu = run(QUON_FPS='110')
    print "default rate, idle: %d frames in %.2f s = %.1f per second (%.3f of the configured 110); " \
          "by their timestamps %.1f per second" % (frames, wall, frames / wall, frames / wall / 110.0,
                                                   frames / stamped if stamped > 0 else 0.0)
    print "default rate, idle: service CPU %.2f%% of one core (target < 5%%)" % (100.0 * cpu / wall)
    frames, stamped, wall, cpu = run(QUON_FPS='max')
    print "unthrottled, no listener, no polls: %d frames in %.2f s, CPU %.2f%% of one core" % (
        frames, wall, 100.0 * cpu / wall)


if __name__ == '__main__':
    main()
