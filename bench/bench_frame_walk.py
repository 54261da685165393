"""Walking a whole two-hand frame through the companion module: every hand,
its arm, every finger and every bone, with their vectors. Prints the time per
frame and its ratio to the sum of the floors of the module calls it makes
(the floor of one call: a trivial extension function with as many
arguments, bench_floor.nothing1 / nothing2, measured in the same run)."""

import gc
import sys
import time
import timeit

import QuonPython as Q
import Quon
import bench_floor

FRAME_PERIOD_US = 9000.0

# Vector and matrix results need a registered class with a destructor; the
# companion provides them once its geometry classes exist.
for _name in ("Vector", "Matrix"):
    if not hasattr(Quon, _name):
        Q.__dict__[_name + "_swigregister"](
            type(_name, (object,), {"__swig_destroy__": getattr(Q, "delete_" + _name)}))

BONES = (Quon.Bone.TYPE_METACARPAL, Quon.Bone.TYPE_PROXIMAL,
         Quon.Bone.TYPE_INTERMEDIATE, Quon.Bone.TYPE_DISTAL)


def walk(frame):
    for hand in frame.hands:
        hand.palm_position, hand.palm_velocity, hand.palm_normal, hand.direction
        hand.sphere_center, hand.wrist_position, hand.stabilized_palm_position, hand.basis
        arm = hand.arm
        arm.elbow_position, arm.wrist_position, arm.direction, arm.center
        for finger in hand.fingers:
            finger.tip_position, finger.tip_velocity, finger.direction, finger.stabilized_tip_position
            for kind in BONES:
                bone = finger.bone(kind)
                bone.prev_joint, bone.next_joint, bone.center, bone.direction


def call_counts(frame):
    """(one-argument calls, two-argument calls) that walk(frame) makes."""
    hands = Q.HandList___len__(Q.Frame_hands_get(frame))
    one = 1 + 1                       # hands, its length
    two = hands                       # hands[i]
    per_finger_one = 4 + 4 * 4        # finger vectors, bone vectors
    per_finger_two = 4                # bone(kind)
    per_hand_one = 8 + 1 + 4 + 1 + 1  # hand vectors and basis, arm, arm vectors, fingers, length
    per_hand_two = 5                  # fingers[i]
    one += hands * (per_hand_one + 5 * per_finger_one)
    two += hands * (per_hand_two + 5 * per_finger_two)
    return one, two


def two_hand_frame(controller, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        frame = controller.frame()
        if frame.is_valid and len(frame.hands) == 2:
            return frame
        time.sleep(0.01)
    sys.exit("no two-hand frame within %.0f s" % timeout)


def main():
    controller = Quon.Controller()
    frame = two_hand_frame(controller)
    one, two = call_counts(frame)

    gc.disable()
    walks = 200
    walk_s = min(timeit.Timer(lambda: walk(frame)).repeat(7, walks)) / walks
    x, y = frame, frame
    floor1 = min(timeit.Timer(lambda: bench_floor.nothing1(x)).repeat(7, 200000)) / 200000
    floor2 = min(timeit.Timer(lambda: bench_floor.nothing2(x, y)).repeat(7, 200000)) / 200000
    # The lambda's own call is part of each floor measurement; take it out.
    empty = min(timeit.Timer(lambda: None).repeat(7, 200000)) / 200000
    floor1 -= empty
    floor2 -= empty
    gc.enable()

    floor_sum = one * floor1 + two * floor2
    walk_us = walk_s * 1e6
    print("frame walk (2 hands, 10 fingers, 40 bones): %d calls (%d with one argument, %d with two)"
          % (one + two, one, two))
    print("  walk: %.1f us per frame (%.1f%% of a %.0f ms frame period)"
          % (walk_us, 100.0 * walk_us / FRAME_PERIOD_US, FRAME_PERIOD_US / 1000.0))
    print("  floors: nothing1 %.3f us, nothing2 %.3f us; sum over the walk's calls %.1f us"
          % (floor1 * 1e6, floor2 * 1e6, floor_sum * 1e6))
    print("  ratio walk / sum of floors: %.2f" % (walk_s / floor_sum))
    Q.delete_Controller(controller)


if __name__ == "__main__":
    main()
