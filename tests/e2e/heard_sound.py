#!/usr/bin/env python3
"""Exits 0 when the first sound in a recording of OpenAL Soft's wave writer (mono, 16 bit) to play on is the given
WAV file: the two starts, aligned, must correlate strongly. Prints what it found otherwise."""
import array
import struct
import sys

WINDOW = 2000
SEARCH = 100
ONSET = 1000
RESTART = 4096
COARSE = 8


def samples(path):
    """The 16-bit mono samples of a WAV file; the wave writer's extensible format header is read as well."""
    with open(path, "rb") as file:
        riff = file.read()
    position = 12
    channels = bits = None
    while position + 8 <= len(riff):
        name, size = riff[position:position + 4], struct.unpack("<I", riff[position + 4:position + 8])[0]
        body = riff[position + 8:position + 8 + size]
        if name == b"fmt ":
            channels, bits = struct.unpack("<H", body[2:4])[0], struct.unpack("<H", body[14:16])[0]
        elif name == b"data":
            if (channels, bits) != (1, 16):
                sys.exit(f"{path}: not mono 16-bit")
            return array.array("h", body[:len(body) // 2 * 2])
        position += 8 + size + size % 2
    sys.exit(f"{path}: no sound data")


def onset(data):
    return next((i for i, sample in enumerate(data) if abs(sample) > ONSET), None)


def correlation(a, b):
    dot = sum(x * y for x, y in zip(a, b))
    norm = (sum(x * x for x in a) * sum(y * y for y in b)) ** 0.5
    return dot / norm if norm else 0.0


heard = samples(sys.argv[1])
expected = samples(sys.argv[2])
heard_start = onset(heard)
if heard_start is None:
    sys.exit("the recording is silent")
reference = expected[onset(expected):][:WINDOW]
# Sounds asked for in the same frame (several hits within one slow frame) replace each other at once, so the one
# that plays on may start up to a mixing period after the first onset. A coarse search finds it, a fine one aligns.
starts = range(max(0, heard_start - SEARCH), heard_start + RESTART)
coarse = max(starts[::COARSE], key=lambda start: correlation(heard[start:start + WINDOW], reference))
best = max(
    correlation(heard[start:start + WINDOW], reference)
    for start in range(max(0, coarse - COARSE), coarse + COARSE + 1)
)
if best < 0.9:
    sys.exit(f"the first sound heard does not match {sys.argv[2]} (correlation {best:.2f})")
