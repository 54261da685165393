"""The first program to run: prints what the tracking service sees.

Usage: sample.py [seconds]

A listener receives each frame on the tracking library's thread and prints
the frame, its hands with their arms, fingers and bones, its tools and its
gestures. Without an argument it runs until Enter is pressed.
"""

import sys
import time

import Quon
from Quon import (Bone, CircleGesture, Controller, Finger, Gesture, KeyTapGesture, Listener,
                  ScreenTapGesture, SwipeGesture)

FINGER_NAMES = ['Thumb', 'Index', 'Middle', 'Ring', 'Pinky']
BONE_NAMES = ['Metacarpal', 'Proximal', 'Intermediate', 'Distal']
STATE_NAMES = {Gesture.STATE_INVALID: 'STATE_INVALID', Gesture.STATE_START: 'STATE_START',
               Gesture.STATE_UPDATE: 'STATE_UPDATE', Gesture.STATE_STOP: 'STATE_STOP'}


class SampleListener(Listener):
    def __init__(self):
        super(SampleListener, self).__init__()
        self.frames = 0

    def on_init(self, controller):
        print "Initialized"

    def on_connect(self, controller):
        print "Connected"
        for kind in (Gesture.TYPE_CIRCLE, Gesture.TYPE_KEY_TAP, Gesture.TYPE_SCREEN_TAP,
                     Gesture.TYPE_SWIPE):
            controller.enable_gesture(kind)

    def on_disconnect(self, controller):
        print "Disconnected"

    def on_exit(self, controller):
        print "Exited"

    def on_frame(self, controller):
        self.frames += 1
        frame = controller.frame()
        print "Frame id: %d, timestamp: %d, hands: %d, fingers: %d, tools: %d, gestures: %d" % (
            frame.id, frame.timestamp, len(frame.hands), len(frame.fingers), len(frame.tools),
            len(frame.gestures()))

        for hand in frame.hands:
            handedness = "Left hand" if hand.is_left else "Right hand"
            print "  %s, id %d, position: %s" % (handedness, hand.id, hand.palm_position)
            normal, direction = hand.palm_normal, hand.direction
            print "  pitch: %.2f degrees, roll: %.2f degrees, yaw: %.2f degrees" % (
                direction.pitch * Quon.RAD_TO_DEG, normal.roll * Quon.RAD_TO_DEG,
                direction.yaw * Quon.RAD_TO_DEG)
            print "  grab: %.2f, pinch: %.2f, sphere radius: %.1f mm" % (
                hand.grab_strength, hand.pinch_strength, hand.sphere_radius)
            arm = hand.arm
            print "  Arm direction: %s, wrist position: %s, elbow position: %s" % (
                arm.direction, arm.wrist_position, arm.elbow_position)
            for finger in hand.fingers:
                print "    %s finger, id: %d, length: %.1f mm, width: %.1f mm" % (
                    FINGER_NAMES[finger.type], finger.id, finger.length, finger.width)
                for b in range(4):
                    bone = finger.bone(b)
                    print "      Bone: %s, start: %s, end: %s, direction: %s" % (
                        BONE_NAMES[bone.type], bone.prev_joint, bone.next_joint, bone.direction)

        for tool in frame.tools:
            print "  Tool id: %d, position: %s, direction: %s" % (
                tool.id, tool.tip_position, tool.direction)

        for gesture in frame.gestures():
            state = STATE_NAMES.get(gesture.state, str(gesture.state))
            if gesture.type == Gesture.TYPE_CIRCLE:
                circle = CircleGesture(gesture)
                clockwise = circle.pointable.direction.angle_to(circle.normal) <= Quon.PI / 2
                print "  Circle id: %d, %s, progress: %f, radius: %f, %s" % (
                    gesture.id, state, circle.progress, circle.radius,
                    "clockwise" if clockwise else "counterclockwise")
            elif gesture.type == Gesture.TYPE_SWIPE:
                swipe = SwipeGesture(gesture)
                print "  Swipe id: %d, %s, position: %s, direction: %s, speed: %f" % (
                    gesture.id, state, swipe.position, swipe.direction, swipe.speed)
            elif gesture.type == Gesture.TYPE_KEY_TAP:
                tap = KeyTapGesture(gesture)
                print "  Key Tap id: %d, %s, position: %s, direction: %s" % (
                    gesture.id, state, tap.position, tap.direction)
            elif gesture.type == Gesture.TYPE_SCREEN_TAP:
                tap = ScreenTapGesture(gesture)
                print "  Screen Tap id: %d, %s, position: %s, direction: %s" % (
                    gesture.id, state, tap.position, tap.direction)

        if frame.hands or frame.gestures():
            print


def main(argv):
    listener = SampleListener()
    controller = Controller()
    controller.add_listener(listener)
    try:
        if len(argv) > 1:
            time.sleep(float(argv[1]))
        else:
            print "Press Enter to quit..."
            sys.stdin.readline()
    except KeyboardInterrupt:
        pass
    finally:
        controller.remove_listener(listener)
    print "Received %d frames." % listener.frames
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
