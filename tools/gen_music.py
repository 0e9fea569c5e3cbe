"""Renders the background music: the opening of the first movement of
Beethoven's "Moonlight" sonata (Op. 27 No. 2, public domain), written out
here note by note and played on a small synthesised piano.

The game loops the track for as long as it runs, so the piece ends with
the tonic chord dying away into silence and begins from silence: the loop
point has no step in the waveform to click.

It is levelled to a gated loudness a few dB under the sound effects'
(tools/loudness.py), so that what the man does is heard over it.

usage: gen_music.py OUTPUT.wav   (make_assets.sh encodes it to MP3)
"""

import os
import sys
import wave

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import loudness  # noqa: E402

RATE = 22050
BAR = 4.8            # seconds per bar: adagio sostenuto, four beats of triplets
BEAT = BAR / 4

NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def midi(name):
    """'C#4' -> 61; 'B#3' is C4, 'F##3' is G3."""
    letter, rest = name[0], name[1:]
    acc = 0
    while rest and rest[0] in "#b":
        acc += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + NAMES[letter] + acc


# Each bar: bass octaves as (note, beats), the triplet chords (one per
# beat, each broken into three rising notes) and the melody as
# (beat, note, beats).  Key of C sharp minor.
BARS = [
    ([("C#2", 4)], [["G#3", "C#4", "E4"]] * 4, []),
    ([("B1", 4)], [["G#3", "C#4", "E4"]] * 4, []),
    ([("A1", 2), ("F#1", 2)], [["A3", "C#4", "E4"]] * 2 + [["A3", "D4", "F#4"]] * 2, []),
    ([("G#1", 4)], [["G#3", "B#3", "F#4"], ["G#3", "C#4", "E4"], ["G#3", "C#4", "D#4"], ["F##3", "B#3", "D#4"]], []),
    ([("C#2", 4)], [["G#3", "C#4", "E4"]] * 4, [(3, "G#4", 0.75), (3.75, "G#4", 0.25)]),
    ([("B#1", 4)], [["G#3", "D#4", "F#4"]] * 4, [(0, "G#4", 3), (3, "G#4", 0.75), (3.75, "G#4", 0.25)]),
    ([("C#2", 2), ("A1", 2)], [["G#3", "C#4", "E4"]] * 2 + [["A3", "C#4", "F#4"]] * 2, [(0, "G#4", 2), (2, "A4", 2)]),
    ([("B1", 4)], [["G#3", "B3", "E4"]] * 2 + [["A3", "B3", "D#4"]] * 2, [(0, "G#4", 2), (2, "F#4", 2)]),
    ([("E2", 4)], [["G#3", "B3", "E4"]] * 4, [(0, "E4", 3), (3, "G4", 0.75), (3.75, "G4", 0.25)]),
    ([("E2", 4)], [["G3", "B3", "E4"]] * 4, [(0, "G4", 3), (3, "G4", 0.75), (3.75, "G4", 0.25)]),
    ([("A1", 2), ("F#1", 2)], [["A3", "C#4", "E4"]] * 2 + [["A3", "D4", "F#4"]] * 2, [(0, "A4", 2), (2, "F#4", 2)]),
    ([("G#1", 4)], [["G#3", "B#3", "F#4"], ["G#3", "C#4", "E4"], ["G#3", "B#3", "D#4"], ["G#3", "B#3", "D#4"]], [(0, "G#4", 4)]),
    ([("C#2", 4)], [["G#3", "C#4", "E4"]] * 3 + [["G#3", "C#4", "E4"]], [(0, "C#5", 4)]),
]


def piano_note(m, seconds, vel):
    """One piano-like tone: slightly stretched partials, two detuned
    strings, brighter and shorter-lived upper partials, a soft hammer."""
    f0 = 440.0 * 2 ** ((m - 69) / 12)
    n = int(seconds * RATE)
    t = np.arange(n) / RATE
    out = np.zeros(n)
    base_decay = 2.6 * (261.6 / f0) ** 0.45
    for k in range(1, 9):
        fk = f0 * k * np.sqrt(1 + 0.0004 * k * k)
        if fk > RATE / 2 - 500:
            break
        amp = (0.9 ** k) / k ** 0.6 * (1.0 if k > 1 else 1.2)
        dk = base_decay / (1 + 0.5 * (k - 1))
        for detune in (-0.6, 0.6):
            out += amp * 0.5 * np.sin(2 * np.pi * (fk + detune * k * 0.25) * t) * np.exp(-t / dk)
    attack = np.minimum(1.0, t / 0.004)
    out *= attack * vel
    return out


def render():
    length = BAR * len(BARS) + 3.0          # room for the last chord to ring
    buf = np.zeros(int(length * RATE))

    def add(m, at, seconds, vel):
        note = piano_note(m, seconds, vel)
        i = int(at * RATE)
        buf[i:i + len(note)] += note[:len(buf) - i]

    last = len(BARS) - 1
    for b, (bass, chords, melody) in enumerate(BARS):
        t0 = b * BAR
        at = t0
        for name, beats in bass:
            ring = beats * BEAT + (3.0 if b == last else 0.6)
            add(midi(name), at, ring, 0.30)
            add(midi(name) + 12, at, ring, 0.22)
            at += beats * BEAT
        for beat, chord in enumerate(chords):
            for i, name in enumerate(chord):
                at = t0 + (beat + i / 3) * BEAT
                # the pedal lets each triplet note ring into the next beats
                ring = (BEAT * 2.2) if b != last or beat < 3 else 3.0 + BEAT
                accent = 1.0 if i == 0 else 0.85
                add(midi(name), at, ring, 0.13 * accent)
        for beat, name, beats in melody:
            ring = beats * BEAT + (3.0 if b == last else 0.5)
            add(midi(name), t0 + beat * BEAT, ring, 0.30)
    # a touch of room: a few quiet echoes
    wet = np.zeros_like(buf)
    for delay, gain in ((0.043, 0.25), (0.071, 0.2), (0.113, 0.15), (0.167, 0.1)):
        d = int(delay * RATE)
        wet[d:] += buf[:-d] * gain
    buf = buf + wet
    fade = int(2.5 * RATE)
    buf[-fade:] *= np.linspace(1, 0, fade) ** 2
    return buf * (0.85 / np.max(np.abs(buf)))


def main(path):
    x = render()
    x *= 10 ** ((loudness.MUSIC - loudness.loudness(x, RATE)) / 20)
    pcm = np.round(np.clip(x, -1, 1) * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
