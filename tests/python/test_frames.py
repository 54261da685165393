"""Frames and the interaction box: overloads, identifiers, serialisation into
caller buffers, and ownership of everything a frame hands out."""

import textwrap
import unittest

import quontest

import QuonPython as Q
import Quon
import byte_blocks
from quontest import LiveSource, components, has_hands, run_python

NORMALIZE = ("Wrong number or type of arguments for overloaded function 'InteractionBox_normalize_point'.\n"
             "  Possible C/C++ prototypes are:\n"
             "    Quon::InteractionBox::normalizePoint(Quon::Vector const &,bool) const\n"
             "    Quon::InteractionBox::normalizePoint(Quon::Vector const &) const\n")
GESTURES = ("Wrong number or type of arguments for overloaded function 'Frame_gestures'.\n"
            "  Possible C/C++ prototypes are:\n"
            "    Quon::Frame::gestures() const\n"
            "    Quon::Frame::gestures(Quon::Frame const &) const\n")
ROTATION_ANGLE = ("Wrong number or type of arguments for overloaded function 'Frame_rotation_angle'.\n"
                  "  Possible C/C++ prototypes are:\n"
                  "    Quon::Frame::rotationAngle(Quon::Frame const &) const\n"
                  "    Quon::Frame::rotationAngle(Quon::Frame const &,Quon::Vector const &) const\n")


class Frames(quontest.LiveFrameTestCase):
    gestures = True

    def test_interaction_box(self):
        box = self.frame.interaction_box
        self.assertTrue(box.is_valid)
        self.assertGreater(box.width * box.height * box.depth, 0.0)
        far = Q.Vector_x_get(box.center) + 10 * box.width
        outside = Q.new_Vector(far, Q.Vector_y_get(box.center), Q.Vector_z_get(box.center))
        self.assertEqual(components(box.normalize_point(outside))[0], 1.0)
        self.assertEqual(components(box.normalize_point(outside, True))[0], 1.0)
        self.assertGreater(components(box.normalize_point(outside, False))[0], 1.0)
        self.assertEqual(components(box.normalize_point(box.center)), (0.5, 0.5, 0.5))
        self.assertEqual(components(box.denormalize_point(box.normalize_point(box.center))), components(box.center))
        self.assertRaisesMessage(NotImplementedError, NORMALIZE, Q.InteractionBox_normalize_point, box, outside, 0)
        self.assertRaisesMessage(NotImplementedError, NORMALIZE, Q.InteractionBox_normalize_point, box)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'InteractionBox_normalize_point', argument 2 of type 'Quon::Vector const &'",
                                 Q.InteractionBox_normalize_point, box, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'InteractionBox_normalize_point', argument 2 of type 'Quon::Vector const &'",
                                 Q.InteractionBox_normalize_point, box, None, True)
        self.assertRaisesMessage(TypeError, "in method 'InteractionBox_center_get', argument 1 of type 'Quon::InteractionBox *'",
                                 Q.InteractionBox_center_get, self.frame)
        self.assertTrue(box == self.frame.interaction_box)
        self.assertIsInstance(str(box), str)

    def test_identifiers_and_lookups(self):
        frame = self.frame
        self.assertIs(type(Q.Frame_id_get(frame)), long)
        self.assertIs(type(frame.timestamp), long)
        self.assertIs(type(Q.Hand_id_get(frame.hands[0])), int)
        self.assertIs(type(frame.current_frames_per_second), float)
        hand = frame.hands[0]
        self.assertTrue(frame.hand(hand.id) == hand)
        self.assertFalse(frame.hand(-1).is_valid)
        finger = hand.fingers[2]
        self.assertTrue(frame.finger(finger.id) == finger)
        self.assertTrue(frame.pointable(finger.id) == finger)
        self.assertFalse(frame.tool(finger.id).is_valid)
        self.assertEqual(len(frame.fingers), 5 * len(frame.hands))
        self.assertEqual(len(frame.pointables), len(frame.fingers) + len(frame.tools))
        self.assertRaisesMessage(TypeError, "in method 'Frame_hand', argument 2 of type 'int32_t'",
                                 Q.Frame_hand, frame, 1.0)
        self.assertRaisesMessage(TypeError, "in method 'Frame_gesture', argument 2 of type 'int32_t'",
                                 Q.Frame_gesture, frame, 2 ** 31)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_hand', argument 1 of type 'Quon::Frame const *'",
                                 Q.Frame_hand, None, 1)
        self.assertTrue(frame == Q.Controller_frame(self.source.controller, 0) or frame.id < self.source.frame().id)
        self.assertIsInstance(str(frame), str)

    def test_motion_and_overloads(self):
        earlier = self.source.frame(5)
        frame = self.source.frame()
        self.assertIsInstance(frame.gestures(), Quon.GestureList)
        self.assertGreaterEqual(len(frame.gestures(earlier)), len(frame.gestures()))
        self.assertIs(type(frame.rotation_angle(earlier)), float)
        self.assertIs(type(frame.rotation_angle(earlier, Q.cvar.Vector_x_axis)), float)
        for value in (frame.translation_probability(earlier), frame.rotation_probability(earlier),
                      frame.scale_factor(earlier), frame.scale_probability(earlier)):
            self.assertIs(type(value), float)
        self.assertEqual(components(frame.translation(frame)), (0.0, 0.0, 0.0))
        self.assertRaisesMessage(NotImplementedError, GESTURES, Q.Frame_gestures, frame, earlier, earlier)
        self.assertRaisesMessage(NotImplementedError, GESTURES, Q.Frame_gestures, frame, 1)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_gestures', argument 2 of type 'Quon::Frame const &'",
                                 Q.Frame_gestures, frame, None)
        self.assertRaisesMessage(NotImplementedError, ROTATION_ANGLE, Q.Frame_rotation_angle, frame)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_rotation_angle', argument 3 of type 'Quon::Vector const &'",
                                 Q.Frame_rotation_angle, frame, earlier, None)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_translation', argument 2 of type 'Quon::Frame const &'",
                                 Q.Frame_translation, frame, None)

    def test_serialisation_through_a_buffer(self):
        frame = self.frame
        length = Q.Frame_serialize_length_get(frame)
        self.assertIs(type(length), int)
        self.assertGreater(length, 0)
        buffer = byte_blocks.block(length)
        self.assertIsNone(Q.Frame_serialize(frame, buffer))
        data = byte_blocks.read(buffer, length)
        self.assertNotEqual(data, "\0" * length)
        copy = Quon.Frame()
        self.assertIsNone(Q.Frame_deserialize(copy, buffer, length))
        self.assertTrue(copy.is_valid)
        self.assertEqual(copy.id, frame.id)
        self.assertEqual(len(copy.hands), len(frame.hands))
        self.assertEqual(components(copy.hands[0].palm_position), components(frame.hands[0].palm_position))
        # The copy serialises to the same bytes.
        again = byte_blocks.block(length)
        copy.serialize_into(again)
        self.assertEqual(byte_blocks.read(again, length), data)
        # Fewer bytes than the frame's make an invalid frame, not a crash.
        cut = Quon.Frame()
        cut.deserialize_from(buffer, length - 1)
        self.assertFalse(cut.is_valid)

    @unittest.skipUnless(hasattr(Quon, "byte_array"), "the raw byte arrays are not in this build yet")
    def test_serialisation_through_a_byte_array(self):
        data = self.frame.serialize
        self.assertIsInstance(data[0], Quon.byte_array)
        self.assertEqual(data[1], self.frame.serialize_length)
        copy = Quon.Frame()
        copy.deserialize(data)
        self.assertEqual(copy.id, self.frame.id)
        self.assertTrue(copy.hands[0].is_valid)
        # A block whose size the module knows is checked against the bytes.
        length = data[1]
        short = Quon.byte_array(4)
        self.assertRaisesMessage(ValueError, "in method 'Frame_serialize', the buffer holds 4 bytes but %d are needed" % length,
                                 Q.Frame_serialize, self.frame, short)
        self.assertRaisesMessage(ValueError, "in method 'Frame_deserialize', the buffer holds %d bytes but %d are needed" % (length, length + 1),
                                 Q.Frame_deserialize, copy, data[0], length + 1)
        self.assertEqual(copy.id, self.frame.id)  # the refused call changed nothing
        view = Q.byte_array_cast(short)
        Q.delete_byte_array(short)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_serialize', argument 2 of type 'unsigned char *'",
                                 Q.Frame_serialize, self.frame, view)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_deserialize', argument 2 of type 'unsigned char const *'",
                                 Q.Frame_deserialize, copy, view, 4)

    def test_serialisation_arguments(self):
        frame, buffer = self.frame, byte_blocks.block(4)
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_serialize', argument 2 of type 'unsigned char *'",
                                 Q.Frame_serialize, frame, None)
        self.assertRaisesMessage(TypeError, "in method 'Frame_serialize', argument 2 of type 'unsigned char *'",
                                 Q.Frame_serialize, frame, "bytes")
        self.assertRaisesMessage(ValueError, "invalid null reference in method 'Frame_deserialize', argument 2 of type 'unsigned char const *'",
                                 Q.Frame_deserialize, frame, None, 4)
        self.assertRaisesMessage(TypeError, "in method 'Frame_deserialize', argument 1 of type 'Quon::Frame *'",
                                 Q.Frame_deserialize, frame.hands[0], buffer, 4)
        self.assertRaisesMessage(TypeError, "in method 'Frame_deserialize', argument 3 of type 'int'",
                                 Q.Frame_deserialize, frame, buffer, 4.0)
        self.assertRaisesMessage(OverflowError, "in method 'Frame_deserialize', argument 3 of type 'int'",
                                 Q.Frame_deserialize, frame, buffer, -1)
        self.assertRaisesMessage(TypeError, "in method 'Frame_serialize_length_get', argument 1 of type 'Quon::Frame *'",
                                 Q.Frame_serialize_length_get, buffer)
        self.assertTrue(frame.is_valid)

    def test_invalid_frame(self):
        data, length = self.frame.serialize
        self.assertRaisesMessage(ValueError, "in method 'Frame_deserialize', argument 1 of type "
                                 "'Quon::Frame *' is shared and cannot be changed",
                                 Q.Frame_deserialize, Q.cvar.Frame_invalid, data, length)
        first, second = Q.cvar.Frame_invalid, Quon.Frame.invalid()
        self.assertIsNot(first, second)
        self.assertEqual(int(first.this), int(second.this))
        self.assertFalse(first.this.own())
        self.assertFalse(first.is_valid)
        with self.assertRaises(AttributeError) as caught:
            Q.cvar.Frame_invalid = self.frame
        self.assertEqual(str(caught.exception), "Variable Frame_invalid is read-only.")


WALK = textwrap.dedent("""
    import gc, sys
    sys.path.insert(0, %(here)r)
    import QuonPython as Q, Quon
    from quontest import LiveSource, has_hands, library

    lib = library()
    start = (lib.quon_live_handles(), lib.quon_live_objects())
    source = LiveSource(gestures=True)
    frames = [source.wait_for(has_hands(1))]
    for _ in range(150):
        frames.append(source.frame())
    source.close()
    held = (lib.quon_live_handles(), lib.quon_live_objects())

    def walk(frame):
        out = [frame.interaction_box.center, frame.gestures(), frame.pointables.frontmost]
        for hand in frame.hands:
            out += [hand.palm_position, hand.basis, hand.arm.elbow_position, hand.frame, hand.tools]
            for finger in hand.fingers:
                out += [finger.tip_position, finger.joint_position(3)]
                out += [finger.bone(b).next_joint for b in range(4)]
            out.append(hand.pointables.append(hand.fingers).extended())
        for gesture in frame.gestures():
            out += [gesture.hands, gesture.pointables, Quon.SwipeGesture(gesture), Quon.CircleGesture(gesture)]
        return out

    for frame in frames:
        results = walk(frame)
    del results, frame
    gc.collect()
    after_walk = (lib.quon_live_handles(), lib.quon_live_objects())
    del frames
    gc.collect()
    end = (lib.quon_live_handles(), lib.quon_live_objects())
    print("%%r %%r %%r %%r" %% (start, held, after_walk, end))
    sys.exit(0 if after_walk == held and end == start else 1)
""")

EXPLICIT_DELETES = textwrap.dedent("""
    import gc, sys
    sys.path.insert(0, %(here)r)
    import QuonPython as Q, Quon
    from quontest import LiveSource, has_hands, library

    lib = library()
    source = LiveSource()
    frame = source.wait_for(has_hands(1))
    source.close()
    start = lib.quon_live_handles()
    hand = frame.hands[0]
    fingers = hand.fingers
    finger, middle = fingers[1], fingers[2]
    bone = finger.bone(Quon.Bone.TYPE_DISTAL)
    alias = Q.FingerList_append(fingers, hand.fingers)
    bare = Q.new_Hand()
    borrowed = Q.cvar.Hand_invalid
    # Explicit deletes (a finger through its base class too), then the
    # proxies die: each object is freed exactly once.
    for obj, delete in ((hand, Q.delete_Hand), (finger, Q.delete_Finger), (middle, Q.delete_Pointable),
                        (bone, Q.delete_Bone), (fingers, Q.delete_FingerList), (bare, Q.delete_Hand),
                        (frame, Q.delete_Frame)):
        delete(obj)
        delete(obj)  # the proxy now points nowhere: a second delete does nothing
    try:
        Q.Hand_palm_position_get(hand)
        sys.exit("a deleted hand was used")
    except ValueError as error:
        assert str(error) == ("invalid null reference in method 'Hand_palm_position_get', "
                              "argument 1 of type 'Quon::Hand *'"), error
    assert not alias.this.own() and not borrowed.this.own()
    del hand, finger, middle, bone, bare, frame, alias, fingers, borrowed
    gc.collect()
    # The invalid hand is the library's own and was never destroyed.
    assert Q.cvar.Hand_invalid.is_valid is False
    end = lib.quon_live_handles()
    print("%%d %%d" %% (start, end))
    sys.exit(0 if end == start - 1 else 1)
""")


class Ownership(quontest.TestCase):

    def run_script(self, template):
        import os
        code, out, err = run_python(template % {"here": os.path.dirname(os.path.abspath(__file__))})
        self.assertEqual(code, 0, out + err)
        self.assertNotIn("memory leak", out + err)

    def test_walking_many_frames_leaves_nothing_behind(self):
        self.run_script(WALK)

    def test_explicit_deletes_free_once(self):
        self.run_script(EXPLICIT_DELETES)


if __name__ == "__main__":
    unittest.main()
