"""Synthesises the ten sound effects as 22050 Hz 16-bit mono WAV files.

Everything is built from sine partials and filtered noise with a fixed
random seed, so the files come out the same on every run.  The footsteps
and the running sink are played looping for as long as the man walks or
the tap runs, so they are made periodic: their noise is shaped in the
frequency domain (which wraps around by construction) and every event
that would run past the end is folded back onto the start.

Each effect is then scaled to one gated loudness (tools/loudness.py), not
to one peak: a player who plays by ear compares them as he hears them, and
by peak a long gulp of drink sounded far louder than a click of the lamp.
"""

import os
import sys
import wave

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import loudness  # noqa: E402

RATE = 22050
PEAK = 0.8
CEILING = 10 ** (-1 / 20)   # no effect peaks over -1 dBFS once levelled


def t_axis(seconds):
    return np.arange(int(RATE * seconds)) / RATE


def noise(rng, n):
    return rng.standard_normal(n)


def bandpass(x, lo, hi, wrap=False):
    """Brick-wall band-pass in the frequency domain (periodic result)."""
    n = len(x)
    spec = np.fft.rfft(x)
    f = np.fft.rfftfreq(n, 1 / RATE)
    spec[(f < lo) | (f > hi)] = 0
    return np.fft.irfft(spec, n)


def env(n, attack, decay):
    t = np.arange(n) / RATE
    a = np.minimum(1.0, t / max(attack, 1e-4))
    return a * np.exp(-t / decay)


def place(buf, snd, at, wrap=False):
    i = int(at * RATE)
    end = i + len(snd)
    if end <= len(buf):
        buf[i:end] += snd
    elif wrap:
        cut = len(buf) - i
        buf[i:] += snd[:cut]
        buf[:len(snd) - cut] += snd[cut:]
    else:
        buf[i:] += snd[:len(buf) - i]


def normalise(x, peak=PEAK):
    return x * (peak / np.max(np.abs(x)))


def fade_edges(x, ms=4):
    n = int(RATE * ms / 1000)
    r = np.linspace(0, 1, n)
    x[:n] *= r
    x[-n:] *= r[::-1]
    return x


def footstep(rng, pitch):
    n = int(0.16 * RATE)
    thump = np.sin(2 * np.pi * 70 * pitch * np.arange(n) / RATE) * env(n, 0.002, 0.03)
    scuff = bandpass(noise(rng, n), 300, 2500) * env(n, 0.001, 0.025)
    heel = bandpass(noise(rng, n), 1500, 6000) * env(n, 0.0005, 0.006) * 0.6
    return thump * 1.0 + scuff * 0.7 + heel


def footsteps(rng):
    # two strides a second: heel-toe of each foot, matching the walk cycle
    buf = np.zeros(int(0.8 * RATE))
    for i, at in enumerate((0.05, 0.45)):
        place(buf, footstep(rng, 1.0 + 0.08 * i), at, wrap=True)
        place(buf, footstep(rng, 1.2) * 0.35, at + 0.06, wrap=True)
    for i, at in enumerate((0.25, 0.65)):
        place(buf, footstep(rng, 0.95) * 0.9, at, wrap=True)
        place(buf, footstep(rng, 1.15) * 0.3, at + 0.06, wrap=True)
    return normalise(buf, 0.7)


def clock(rng):
    buf = np.zeros(int(1.0 * RATE))
    for at, f in ((0.02, 3200), (0.52, 2500)):      # tick ... tock
        n = int(0.06 * RATE)
        t = np.arange(n) / RATE
        click = (np.sin(2 * np.pi * f * t) + 0.5 * np.sin(2 * np.pi * f * 1.51 * t)) * env(n, 0.0003, 0.006)
        click += bandpass(noise(rng, n), 2000, 8000) * env(n, 0.0002, 0.002) * 0.8
        click += np.sin(2 * np.pi * 900 * t) * env(n, 0.0005, 0.012) * 0.4  # wooden case
        place(buf, click, at)
    return fade_edges(normalise(buf))


def drink(rng):
    buf = np.zeros(int(1.3 * RATE))
    for i, at in enumerate((0.05, 0.45, 0.85)):
        n = int(0.28 * RATE)
        t = np.arange(n) / RATE
        f = 180 + 260 * (t / t[-1]) ** 0.7 + i * 15          # rising gulp
        ph = 2 * np.pi * np.cumsum(f) / RATE
        body = np.sin(ph) * np.sin(np.pi * t / t[-1]) ** 2
        throat = bandpass(noise(rng, n), 100, 600) * np.sin(np.pi * t / t[-1]) * 0.3
        place(buf, body + throat, at)
        m = int(0.05 * RATE)
        place(buf, np.sin(2 * np.pi * 700 * np.arange(m) / RATE) * env(m, 0.001, 0.01) * 0.5, at + 0.26)
    return fade_edges(normalise(buf))


def lamp(rng):
    buf = np.zeros(int(0.25 * RATE))
    for at, amp in ((0.01, 1.0), (0.035, 0.6)):          # press, then snap
        n = int(0.05 * RATE)
        t = np.arange(n) / RATE
        c = bandpass(noise(rng, n), 1500, 9000) * env(n, 0.0002, 0.003)
        c += np.sin(2 * np.pi * 1800 * t) * env(n, 0.0003, 0.008) * 0.6
        place(buf, c * amp, at)
    return fade_edges(normalise(buf))


def pills(rng):
    buf = np.zeros(int(0.9 * RATE))
    shake = lambda x: np.exp(-((x - 0.2) / 0.09) ** 2) + np.exp(-((x - 0.55) / 0.09) ** 2)
    times = np.sort(rng.uniform(0.02, 0.8, 70))
    for at in times:
        n = int(0.02 * RATE)
        f = rng.uniform(2500, 6000)
        t = np.arange(n) / RATE
        c = np.sin(2 * np.pi * f * t) * env(n, 0.0002, 0.0025)
        c += bandpass(noise(rng, n), 3000, 9000) * env(n, 0.0001, 0.0015) * 0.5
        place(buf, c * (0.2 + shake(at)) * rng.uniform(0.5, 1.0), at)
    return fade_edges(normalise(buf))


def sink(rng):
    # periodic by construction: noise shaped in one FFT over the loop
    n = int(1.5 * RATE)
    spec = np.fft.rfft(noise(rng, n))
    f = np.fft.rfftfreq(n, 1 / RATE)
    spec *= np.exp(-((np.log(np.maximum(f, 1) / 1400)) ** 2) / 0.8)
    water = np.fft.irfft(spec, n)
    # gurgles: little rising bubbles spread over the loop, wrapping round
    buf = water / np.max(np.abs(water)) * 0.5
    for at in rng.uniform(0, 1.5, 40):
        m = int(0.03 * RATE)
        t = np.arange(m) / RATE
        fb = rng.uniform(600, 1400)
        bub = np.sin(2 * np.pi * (fb * t + 3000 * t * t)) * env(m, 0.001, 0.008)
        place(buf, bub * 0.25, at, wrap=True)
    return normalise(buf, 0.6)


def tv_off(rng):
    n = int(0.9 * RATE)
    t = np.arange(n) / RATE
    thump = np.sin(2 * np.pi * 55 * t) * env(n, 0.002, 0.08)
    f = 9000 * np.exp(-t / 0.12) + 200                     # collapsing whine
    whine = np.sin(2 * np.pi * np.cumsum(f) / RATE) * env(n, 0.001, 0.25) * 0.35
    static = bandpass(noise(rng, n), 800, 9000) * env(n, 0.001, 0.05) * 0.5
    crackle = np.zeros(n)
    for at in rng.uniform(0.05, 0.6, 14):
        m = int(0.004 * RATE)
        place(crackle, noise(rng, m) * 0.4, at)
    return fade_edges(normalise(thump + whine + static + crackle))


def unplug(rng):
    buf = np.zeros(int(0.4 * RATE))
    n = int(0.12 * RATE)
    t = np.arange(n) / RATE
    scrape = bandpass(noise(rng, n), 1200, 5000) * np.sin(np.pi * t / t[-1]) * 0.35
    place(buf, scrape, 0.01)
    m = int(0.1 * RATE)
    tt = np.arange(m) / RATE
    pop = (np.sin(2 * np.pi * 420 * tt) * env(m, 0.0003, 0.02)
           + bandpass(noise(rng, m), 1000, 8000) * env(m, 0.0002, 0.004))
    place(buf, pop, 0.13)
    place(buf, np.sin(2 * np.pi * 160 * tt) * env(m, 0.002, 0.04) * 0.4, 0.2)  # plug lands
    return fade_edges(normalise(buf))


def toaster(rng):
    buf = np.zeros(int(0.8 * RATE))
    n = int(0.5 * RATE)
    t = np.arange(n) / RATE
    spring = sum(np.sin(2 * np.pi * f * t) * a for f, a in ((520, 1.0), (1310, 0.5), (2230, 0.3)))
    spring *= env(n, 0.0005, 0.09) * (1 + 0.3 * np.sin(2 * np.pi * 18 * t))
    clank = bandpass(noise(rng, n), 600, 7000) * env(n, 0.0002, 0.01)
    place(buf, spring * 0.6 + clank, 0.02)
    m = int(0.15 * RATE)
    tt = np.arange(m) / RATE
    place(buf, (np.sin(2 * np.pi * 240 * tt) + bandpass(noise(rng, m), 200, 2000)) * env(m, 0.001, 0.02) * 0.4, 0.32)
    return fade_edges(normalise(buf))


def bump(rng):
    # the man walks into the wall at the end of a room: a soft, dull body
    # thud with no click, so it is not taken for a footstep or a switch; its
    # weight lies over 100 Hz, where a laptop's or a phone's speaker still
    # plays it
    n = int(0.24 * RATE)
    t = np.arange(n) / RATE
    f = 75 + 55 * np.exp(-t / 0.03)                        # the thump sags as it lands
    thump = np.sin(2 * np.pi * np.cumsum(f) / RATE) * env(n, 0.004, 0.05)
    body = bandpass(noise(rng, n), 120, 700) * env(n, 0.003, 0.03)
    wall = sum(np.sin(2 * np.pi * fw * t) * a for fw, a in ((190, 1.0), (300, 0.6), (430, 0.3)))
    wall *= env(n, 0.003, 0.028) * 0.6
    cloth = bandpass(noise(rng, n), 500, 2000) * env(n, 0.002, 0.012) * 0.15
    return fade_edges(normalise(thump * 0.5 + body + wall + cloth))


# New effects go at the end: each one's seed is its place in the list.
SOUNDS = [("footsteps", footsteps), ("clock", clock), ("drink", drink), ("lamp", lamp),
          ("pills", pills), ("sink", sink), ("tv_off", tv_off), ("unplug", unplug),
          ("toaster", toaster), ("bump", bump)]


def level(name, x):
    """Scales an effect to the loudness all the effects share."""
    x = x * 10 ** ((loudness.EFFECTS - loudness.loudness(x, RATE)) / 20)
    peak = np.max(np.abs(x))
    if peak > CEILING:
        sys.exit(f"{name}: at {loudness.EFFECTS:g} LUFS it peaks at {peak:.2f}, over {CEILING:.2f}")
    return x


def write_wav(path, x):
    pcm = np.round(np.clip(x, -1, 1) * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def main(out):
    os.makedirs(out, exist_ok=True)
    for i, (name, make) in enumerate(SOUNDS):
        rng = np.random.default_rng(1000 + i)
        write_wav(os.path.join(out, name + ".wav"), level(name, make(rng)))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "assets/sounds")
