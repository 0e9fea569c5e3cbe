"""How loud a sound is to the ear, as broadcast loudness meters judge it.

The signal is K-weighted (a high shelf near 1.7 kHz, where the ear is most
sensitive, and a high-pass that ignores rumble), cut into 100 ms blocks,
and the blocks' mean squares are averaged over the blocks that are not
silence: first those above -70 LUFS, then of those only the ones within
10 LU of their mean.  Gating matters here: a click with a long quiet tail
and a steady running tap then compare as they sound, not by their length.

The generators level every effect to EFFECTS and the music to MUSIC, a
few dB under them: a player who plays by ear must hear each thing he does
as clearly as any other, over the piano.  `make test` runs

    loudness.py check SOUNDS_DIR

which prints every effect's and the music's loudness and fails when the
effects differ by more than EFFECT_SPREAD dB, or the music is not between
MUSIC_UNDER and MUSIC_UNDER_MOST dB under the effects' mean.  The MP3 is
decoded with lame, the encoder that made it.
"""

import glob
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

BLOCK = 0.1             # seconds
ABSOLUTE_GATE = -70.0   # LUFS
RELATIVE_GATE = -10.0   # LU under the mean of the blocks above the absolute gate

EFFECTS = -22.0         # LUFS every effect is made at: the quietest still peaks under -1 dBFS
MUSIC = EFFECTS - 4.0   # LUFS of the music

EFFECT_SPREAD = 4.0     # dB between the loudest and the quietest effect
MUSIC_UNDER = 2.0       # the music sits at least this far under the effects' mean,
MUSIC_UNDER_MOST = 10.0  # and no further than this, or it is lost under them


def _biquads(rate):
    """The K-weighting filter's two stages as (b, a) at any sample rate,
    from the analogue prototype's corner, gain and Q (at 48 kHz these give
    the published coefficients)."""
    f0, gain, q = 1681.974450955533, 3.999843853973347, 0.7071752369554196
    k = np.tan(np.pi * f0 / rate)
    vh = 10 ** (gain / 20)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = ([(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0],
             [1.0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    f0, q = 38.13547087602444, 0.5003270373238773
    k = np.tan(np.pi * f0 / rate)
    a0 = 1 + k / q + k * k
    highpass = ([1.0, -2.0, 1.0], [1.0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    return shelf, highpass


def k_weight(x, rate):
    """The two stages applied as one product of their responses over a
    zero-padded FFT: both die away within milliseconds, so half a second of
    padding leaves the result that of running them sample by sample."""
    n = len(x)
    size = 1 << int(np.ceil(np.log2(n + rate // 2)))
    z = np.exp(-1j * np.pi * np.arange(size // 2 + 1) / (size // 2))
    response = np.ones_like(z)
    for b, a in _biquads(rate):
        response *= (b[0] + b[1] * z + b[2] * z * z) / (a[0] + a[1] * z + a[2] * z * z)
    return np.fft.irfft(np.fft.rfft(x, size) * response, size)[:n]


def loudness(x, rate):
    """Gated loudness in LUFS of mono samples in [-1, 1]; -inf for silence."""
    y = k_weight(np.asarray(x, dtype=float), rate)
    step = int(BLOCK * rate)
    count = max(1, len(y) // step)      # a sound shorter than a block is one block
    blocks = np.array([np.mean(y[i * step:(i + 1) * step] ** 2) for i in range(count)])
    with np.errstate(divide="ignore"):
        level = -0.691 + 10 * np.log10(blocks)
    kept = blocks[level > ABSOLUTE_GATE]
    if len(kept) == 0:
        return float("-inf")
    relative = -0.691 + 10 * np.log10(np.mean(kept)) + RELATIVE_GATE
    kept = blocks[(level > ABSOLUTE_GATE) & (level > relative)]
    return float(-0.691 + 10 * np.log10(np.mean(kept)))


def read(path):
    """(mono samples in [-1, 1], rate) of a 16-bit WAV, or an MP3 by way of
    lame's decoder."""
    if path.endswith(".mp3"):
        with tempfile.TemporaryDirectory() as tmp:
            wav = os.path.join(tmp, "decoded.wav")
            try:
                subprocess.run(["lame", "--quiet", "--decode", path, wav], check=True)
            except FileNotFoundError:
                sys.exit(f"{path}: lame decodes the music; install Debian's lame")
            return read(wav)
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2:
            raise ValueError(f"{path}: not 16-bit")
        pcm = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        channels, rate = w.getnchannels(), w.getframerate()
    x = pcm.reshape(-1, channels).mean(axis=1) / 32768
    return x, rate


def check(folder):
    """Prints each file's loudness; returns the problems found."""
    effects = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.wav"))):
        effects[os.path.basename(path)] = loudness(*read(path))
    music = {os.path.basename(p): loudness(*read(p)) for p in sorted(glob.glob(os.path.join(folder, "*.mp3")))}
    for name, lufs in list(effects.items()) + list(music.items()):
        print(f"{name:24s} {lufs:7.2f} LUFS")
    problems = []
    if not effects:
        return [f"no effects in {folder}"]
    quiet, loud = min(effects, key=effects.get), max(effects, key=effects.get)
    if effects[loud] - effects[quiet] > EFFECT_SPREAD:
        problems.append(f"{loud} is {effects[loud] - effects[quiet]:.1f} dB louder than {quiet} "
                        f"(at most {EFFECT_SPREAD:g})")
    mean = float(np.mean(list(effects.values())))
    print(f"{'effects mean':24s} {mean:7.2f} LUFS")
    for name, lufs in music.items():
        under = mean - lufs
        if not MUSIC_UNDER <= under <= MUSIC_UNDER_MOST:
            problems.append(f"{name} is {under:.1f} dB under the effects' mean "
                            f"(should be {MUSIC_UNDER:g} to {MUSIC_UNDER_MOST:g})")
    return problems


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] != "check":
        sys.exit("usage: loudness.py check SOUNDS_DIR")
    found = check(sys.argv[2])
    for problem in found:
        print("FAILED:", problem, file=sys.stderr)
    sys.exit(1 if found else 0)
