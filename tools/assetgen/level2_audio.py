"""Level 2's sound effects: the rake, the dropped firewood, an egg, eating,
a hen and the bursting bush.  Short one-shots, 44.1 kHz 16-bit stereo.

(The hunger and potty sounds, "Audio/zaudee.wav" and "Audio/tualete.wav",
are shared with the earlier levels and written by their modules.)
"""

import numpy as np

import audio
from audio import RATE


def _t(seconds):
    return np.arange(int(seconds * RATE)) / RATE


def _noise(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def _band(x, lo, hi):
    """Band-pass in the frequency domain (fine for one-shots)."""
    f = np.fft.rfftfreq(len(x), 1.0 / RATE)
    bins = np.fft.rfft(x)
    bins[(f < lo) | (f > hi)] = 0
    return np.fft.irfft(bins, len(x))


def _fade(x, attack=0.002, release=0.02):
    return x * audio.envelope(len(x), attack, release)


def _norm(x, peak=0.85):
    m = np.max(np.abs(x)) or 1.0
    return x * (peak / m)


def _place(total, parts):
    out = np.zeros(int(total * RATE))
    for start, sig in parts:
        i = int(start * RATE)
        n = min(len(sig), len(out) - i)
        out[i:i + n] += sig[:n]
    return out


def knock(freq=180.0, length=0.18, seed=1, bright=2500.0):
    """A wooden knock: a short resonant body and a noisy click."""
    t = _t(length)
    body = np.sin(2 * np.pi * freq * t + 3 * np.exp(-t * 60)) * np.exp(-t * 28)
    body += 0.5 * np.sin(2 * np.pi * freq * 2.7 * t) * np.exp(-t * 45)
    click = _band(_noise(len(t), seed), 800, bright) * np.exp(-t * 90)
    return _fade(body + 0.8 * click)


def rake_sound():
    """Stepping on a rake: a clack, the handle's swing and a bonk."""
    t = _t(0.35)
    whoosh = _band(_noise(len(t), 3), 300, 2500) * np.sin(np.pi * np.clip(t / 0.35, 0, 1)) ** 2 * 0.5
    f = 260 - 140 * t / 0.35
    bonk_t = _t(0.4)
    fb = 520 * np.exp(-bonk_t * 6) + 140
    bonk = np.sin(2 * np.pi * np.cumsum(fb) / RATE) * np.exp(-bonk_t * 9)
    sig = _place(0.9, [(0.0, knock(330, 0.12, 4, 4000)), (0.02, whoosh * (f / 260)), (0.33, bonk),
                       (0.33, knock(120, 0.2, 5))])
    return _norm(_fade(sig, 0.001, 0.08))


def wood_drop_sound():
    """Logs dropped on the pile: three hollow clunks."""
    parts = [(0.0, knock(150, 0.25, 6)), (0.09, 0.7 * knock(190, 0.22, 7)), (0.2, 0.5 * knock(170, 0.2, 8))]
    return _norm(_fade(_place(0.55, parts), 0.001, 0.06))


def egg_sound():
    """Taking an egg: a soft, bright pop."""
    t = _t(0.22)
    f = 900 + 700 * np.exp(-t * 30)
    s = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 18)
    s += 0.3 * np.sin(2 * np.pi * 2400 * t) * np.exp(-t * 40)
    return _norm(_fade(s, 0.001, 0.04), 0.7)


def eat_sound():
    """Eating: three crunchy bites, a gulp and a happy chime."""
    bites = []
    for k in range(3):
        t = _t(0.09)
        n = _band(_noise(len(t), 10 + k), 1200, 7000) * np.exp(-t * 35)
        bites.append((k * 0.16, n * (1.0 - 0.15 * k)))
    t = _t(0.25)
    f = 320 - 180 * t / 0.25
    gulp = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.sin(np.pi * t / 0.25) ** 2
    chime = audio.bell("E6", 0.2, 0.5) + audio.bell("G#6", 0.2, 0.4)
    sig = _place(1.4, bites + [(0.5, gulp * 0.8), (0.78, chime * 0.5)])
    return _norm(_fade(sig, 0.001, 0.1))


def hen_sound():
    """A startled hen: two buzzy squawks falling in pitch."""
    parts = []
    for k, (start, f0, dur) in enumerate(((0.0, 820, 0.16), (0.2, 980, 0.28))):
        t = _t(dur)
        f = f0 * (1 - 0.35 * t / dur) + 40 * np.sin(2 * np.pi * 28 * t)
        ph = 2 * np.pi * np.cumsum(f) / RATE
        saw = sum(np.sin(h * ph) / h for h in range(1, 12))
        s = _band(saw, 500, 3800) * np.sin(np.pi * np.clip(t / dur, 0, 1)) ** 0.6
        parts.append((start, s))
    return _norm(_fade(_place(0.55, parts), 0.002, 0.05))


def burst_sound():
    """The bush bursting: a pop, rustling leaves and pattering berries."""
    t = _t(0.5)
    pop = np.sin(2 * np.pi * np.cumsum(180 * np.exp(-t * 8) + 60) / RATE) * np.exp(-t * 14)
    rustle = _band(_noise(len(t), 20), 2000, 9000) * np.exp(-t * 5) * 0.6
    rnd = np.random.default_rng(21)
    patter = []
    for k in range(14):
        tt = _t(0.04)
        patter.append((0.15 + rnd.uniform(0, 0.6), _band(_noise(len(tt), 30 + k), 1500, 6000) *
                       np.exp(-tt * 120) * rnd.uniform(0.3, 0.7)))
    sig = _place(0.9, [(0.0, pop), (0.0, rustle)] + patter)
    return _norm(_fade(sig, 0.001, 0.1))


SOUNDS = [
    ("Audio/grabeklis.wav", rake_sound),
    ("Audio/malku_nomet.wav", wood_drop_sound),
    ("Audio/ola.wav", egg_sound),
    ("Audio/paeeda.wav", eat_sound),
    ("Audio/vista.wav", hen_sound),
    ("Audio/spradz.wav", burst_sound),
]


def generate(outdir):
    from common import out_path
    return [audio.write_wav(out_path(outdir, rel), make(), channels=2) for rel, make in SOUNDS]
