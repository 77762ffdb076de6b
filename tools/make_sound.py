#!/usr/bin/env python3
"""Writes data/Sound.wav, the chime played when a card is learnt.

A rising C major arpeggio (C6, E6, G6) of soft bell tones, 0.9 seconds, 44.1 kHz, 16-bit mono.
Only the Python standard library is needed:

    python3 tools/make_sound.py
"""

import math
import pathlib
import struct
import wave

RATE = 44100
LENGTH = 0.9
NOTES = [(0.00, 1046.50), (0.09, 1318.51), (0.18, 1567.98)]
# Partials of one bell tone: frequency ratio, loudness, decay time in seconds.
PARTIALS = [(1.0, 1.0, 0.30), (2.0, 0.30, 0.16), (3.0, 0.10, 0.09), (4.16, 0.05, 0.05)]
ATTACK = 0.004
FADE_OUT = 0.05
PEAK = 0.55
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "data/Sound.wav"


def tone(t, frequency):
    if t < 0:
        return 0.0
    attack = min(1.0, t / ATTACK)
    return attack * sum(loudness * math.exp(-t / decay) * math.sin(2 * math.pi * ratio * frequency * t)
                        for ratio, loudness, decay in PARTIALS)


def main():
    count = int(RATE * LENGTH)
    samples = []
    for i in range(count):
        t = i / RATE
        value = sum(tone(t - start, frequency) for start, frequency in NOTES)
        samples.append(value * min(1.0, (LENGTH - t) / FADE_OUT))
    scale = PEAK / max(abs(s) for s in samples)
    frames = b"".join(struct.pack("<h", round(s * scale * 32767)) for s in samples)
    with wave.open(str(OUTPUT), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
