"""Records frames to a file and replays them.

Usage: record_replay.py record FILE [frames]
       record_replay.py replay FILE

A recording is a sequence of frames, each a 4-byte little-endian length
followed by the frame's serialised bytes. Replaying deserialises each frame
and prints what it holds, exactly as it was when recorded.
"""

import struct
import sys
import time

import Quon


def record(path, count):
    controller = Quon.Controller()
    last_id = None
    written = 0
    with open(path, 'wb') as out:
        while written < count:
            frame = controller.frame()
            if not frame.is_valid or frame.id == last_id:
                time.sleep(0.002)
                continue
            last_id = frame.id
            data, length = frame.serialize
            out.write(struct.pack('<I', length))
            out.write(str(bytearray(data[i] for i in xrange(length))))
            written += 1
    print "recorded %d frames to %s" % (written, path)
    return written


def replay(path):
    frames = []
    with open(path, 'rb') as source:
        while True:
            header = source.read(4)
            if len(header) < 4:
                break
            length, = struct.unpack('<I', header)
            payload = bytearray(source.read(length))
            data = Quon.byte_array(len(payload))
            for i, byte in enumerate(payload):
                data[i] = byte
            frame = Quon.Frame()
            frame.deserialize((data, len(payload)))
            frames.append(frame)
    for frame in frames:
        hands = ", ".join("%s hand %d at %s" % ("left" if h.is_left else "right", h.id,
                                                 h.palm_position) for h in frame.hands)
        print "frame %d (%s): %s" % (frame.id, "valid" if frame.is_valid else "invalid",
                                      hands or "no hands")
    return frames


def main(argv):
    if len(argv) >= 3 and argv[1] == 'record':
        record(argv[2], int(argv[3]) if len(argv) > 3 else 100)
    elif len(argv) == 3 and argv[1] == 'replay':
        replay(argv[2])
    else:
        print __doc__
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
