"""Polling instead of listening: reads controller.frame() in a loop and
follows each hand across the frame history.

Usage: polling.py [seconds]

For every new frame it looks the same hand up (by id) ten frames back and
prints how far it moved, how much it turned and how its grip changed since.
"""

import sys
import time

import Quon

HISTORY = 10


def follow(controller, seconds):
    last_id = None
    reports = 0
    deadline = time.time() + seconds
    while time.time() < deadline:
        frame = controller.frame()
        if not frame.is_valid or frame.id == last_id:
            time.sleep(0.002)  # nothing new yet
            continue
        last_id = frame.id
        earlier = controller.frame(HISTORY)
        for hand in frame.hands:
            before = earlier.hand(hand.id)
            if not before.is_valid:
                print "frame %d: %s hand %d is new" % (
                    frame.id, "left" if hand.is_left else "right", hand.id)
                continue
            moved = hand.translation(earlier)
            print ("frame %d: hand %d moved %.1f mm %s, turned %.1f degrees, scale %.3f, "
                   "grab %.2f -> %.2f" % (
                       frame.id, hand.id, moved.magnitude, moved.normalized,
                       hand.rotation_angle(earlier) * Quon.RAD_TO_DEG, hand.scale_factor(earlier),
                       before.grab_strength, hand.grab_strength))
            reports += 1
    return reports


def main(argv):
    seconds = float(argv[1]) if len(argv) > 1 else 5.0
    controller = Quon.Controller()
    reports = follow(controller, seconds)
    print "%d hand reports." % reports
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
