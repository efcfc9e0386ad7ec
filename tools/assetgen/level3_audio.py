"""Level 3's own sound effects: a bottle landing in the basket, a punch and
a shot.  (Its other sounds -- the hunger sting, the potty and eating -- are
shared with the earlier levels and written by their modules.)"""

import numpy as np

import audio
from audio import RATE


def _t(seconds):
    return np.arange(int(seconds * RATE)) / RATE


def _noise(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def _smooth(x, width):
    """A cheap low-pass: a moving average over `width` samples."""
    k = np.ones(width) / width
    return np.convolve(x, k, mode="same")


def _fade_ends(x, ms_in=2, ms_out=20):
    a, r = int(RATE * ms_in / 1000), int(RATE * ms_out / 1000)
    x = x.copy()
    x[:a] *= np.linspace(0, 1, a)
    x[-r:] *= np.linspace(1, 0, r)
    return x


def bottle_in_basket():
    """pudelegrozaa.wav: a glassy clink and a soft knock of the basket."""
    t = _t(0.6)
    clink = sum(a * np.sin(2 * np.pi * f * t) * np.exp(-t * d)
                for f, a, d in ((2350, 0.5, 9), (3710, 0.3, 12), (5230, 0.18, 16), (1180, 0.2, 7)))
    t2 = t[: int(0.15 * RATE)]
    knock = np.sin(2 * np.pi * (180 - 300 * t2) * t2) * np.exp(-t2 * 30)
    out = clink * 0.6
    out[: len(knock)] += knock * 0.5
    second = np.zeros_like(out)
    lag = int(0.07 * RATE)
    second[lag:] = clink[:-lag] * 0.25
    return _fade_ends((out + second) * 0.8)


def punch():
    """sit.wav: a low thump with a slap on top."""
    t = _t(0.32)
    f = 95 * np.exp(-t * 9) + 45
    thump = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 14)
    slap = _smooth(_noise(len(t), 3), 6) * np.exp(-t * 60)
    return _fade_ends((thump * 0.95 + slap * 0.6) * 0.9)


def shot():
    """shauj.wav: a sharp crack, a boom, and the echo off the forest."""
    t = _t(1.2)
    crack = _noise(len(t), 5) * np.exp(-t * 45)
    boom = _smooth(_noise(len(t), 6), 40) * np.exp(-t * 7) * 4.0
    low = np.sin(2 * np.pi * (70 * np.exp(-t * 3) + 30) * t) * np.exp(-t * 8)
    out = crack * 0.7 + boom * 0.5 + low * 0.6
    echo = np.zeros_like(out)
    lag = int(0.28 * RATE)
    echo[lag:] = _smooth(out[:-lag], 30) * 0.3
    return _fade_ends(np.tanh((out + echo) * 1.2) * 0.85, ms_out=80)


def generate(outdir):
    from common import out_path
    return [
        audio.write_wav(out_path(outdir, "Audio/pudelegrozaa.wav"), bottle_in_basket(), channels=2),
        audio.write_wav(out_path(outdir, "Audio/sit.wav"), punch(), channels=2),
        audio.write_wav(out_path(outdir, "Audio/shauj.wav"), shot(), channels=2),
    ]
