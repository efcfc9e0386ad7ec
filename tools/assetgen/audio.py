"""Small synthesiser for the placeholder music and sound effects.

Music is rendered into a loop buffer whose length is an exact number of
bars.  Every note, echo and filter wraps around the end of the buffer, so
a note that rings past the last bar sounds at the start: the file then
loops without a seam, a fade or a phase jump.

Effects are short one-shots written as 16-bit PCM WAV; music is encoded
to OGG Vorbis with oggenc.
"""

import os
import subprocess
import threading
import wave

import numpy as np

RATE = 44100

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def midi(name):
    """'C4' -> 60, 'F#3' -> 54, 'Bb2' -> 46; ints pass through."""
    if isinstance(name, int):
        return name
    n = NOTE_NAMES[name[0].upper()]
    rest = name[1:]
    while rest and rest[0] in "#b":
        n += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + n


def freq(note):
    return 440.0 * 2.0 ** ((midi(note) - 69) / 12.0)


def _t(seconds):
    return np.arange(int(round(seconds * RATE)), dtype=np.float64) / RATE


def envelope(n, attack=0.005, release=0.05, sustain_end=None):
    """Linear attack, hold, and a release that reaches exactly zero, so no
    note starts or ends with a step."""
    env = np.ones(n)
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    a = min(a, n)
    env[:a] = np.linspace(0.0, 1.0, a, endpoint=False)
    r = min(r, n)
    env[n - r:] *= np.linspace(1.0, 0.0, r)
    return env


# --- instruments: each returns a mono float array --------------------------

def epiano(note, dur, vel=1.0, bright=1.0):
    """FM electric piano: a bell-like strike that mellows as it decays."""
    f = freq(note)
    t = _t(dur + 0.35)
    index = bright * (1.6 * np.exp(-t * 7.0) + 0.25)
    mod = np.sin(2 * np.pi * f * t)
    s = np.sin(2 * np.pi * f * t + index * mod)
    s += 0.18 * np.sin(2 * np.pi * 2 * f * t) * np.exp(-t * 5.0)
    amp = np.exp(-t * 2.2) * envelope(len(t), 0.004, 0.3)
    return vel * s * amp


def pluck(note, dur, vel=1.0, decay=3.0):
    """Plucked string: upper harmonics die out faster than the fundamental."""
    f = freq(note)
    t = _t(dur + 0.4)
    s = np.zeros_like(t)
    for k in range(1, 9):
        if k * f > RATE / 2.2:
            break
        s += (1.0 / k) * np.sin(2 * np.pi * k * f * t + 0.3 * k) * np.exp(-t * decay * (1 + 0.7 * k))
    return vel * s * envelope(len(t), 0.002, 0.25)


def bell(note, dur, vel=1.0):
    """Soft glockenspiel for calm melodies."""
    f = freq(note)
    t = _t(dur + 1.2)
    s = (np.sin(2 * np.pi * f * t) * np.exp(-t * 1.6)
         + 0.35 * np.sin(2 * np.pi * 2.76 * f * t) * np.exp(-t * 4.0)
         + 0.15 * np.sin(2 * np.pi * 5.4 * f * t) * np.exp(-t * 8.0))
    return vel * s * envelope(len(t), 0.003, 0.6)


def pad(note, dur, vel=1.0, detune=0.004, harmonics=7, attack=0.35, release=0.6):
    """Warm detuned saw pad; returns (left, right) for a little width."""
    f = freq(note)
    t = _t(dur + release)
    env = envelope(len(t), attack, release)
    sides = []
    for spread in (-detune, detune):
        s = np.zeros_like(t)
        for voice in (1.0, 1.0 + spread, 1.0 - spread * 0.5):
            for k in range(1, harmonics + 1):
                s += (1.0 / k) * np.sin(2 * np.pi * k * f * voice * t + k * voice)
        sides.append(vel * 0.22 * s * env)
    return sides[0], sides[1]


def bass(note, dur, vel=1.0, pluckiness=6.0):
    f = freq(note)
    t = _t(dur + 0.08)
    s = (np.sin(2 * np.pi * f * t) + 0.35 * np.sin(2 * np.pi * 2 * f * t)
         + 0.12 * np.sin(2 * np.pi * 3 * f * t) * np.exp(-t * pluckiness))
    amp = (0.65 + 0.35 * np.exp(-t * pluckiness)) * envelope(len(t), 0.006, 0.07)
    return vel * s * amp


def kick(vel=1.0):
    t = _t(0.32)
    f = 46 + 110 * np.exp(-t * 28.0)
    phase = 2 * np.pi * np.cumsum(f) / RATE
    s = np.sin(phase) * np.exp(-t * 9.0)
    s[: int(0.004 * RATE)] += np.linspace(0.5, 0, int(0.004 * RATE))
    return vel * s * envelope(len(t), 0.001, 0.03)


def _noise(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def snare(vel=1.0, seed=7):
    t = _t(0.22)
    n = _noise(len(t), seed)
    n = n - 0.6 * np.roll(n, 1)  # tilt the noise towards the top end
    s = 0.7 * n * np.exp(-t * 18.0) + 0.5 * np.sin(2 * np.pi * 185 * t) * np.exp(-t * 30.0)
    return vel * s * envelope(len(t), 0.001, 0.03)


def hat(vel=1.0, length=0.06, seed=11):
    t = _t(length)
    n = _noise(len(t), seed)
    n = n - np.convolve(n, np.ones(4) / 4, mode="same")  # keep only the hiss
    return vel * n * np.exp(-t * (4.0 / length)) * envelope(len(t), 0.001, 0.01)


def shaker(vel=1.0, seed=13):
    t = _t(0.12)
    n = _noise(len(t), seed)
    n = n - np.convolve(n, np.ones(6) / 6, mode="same")
    shape = np.sin(np.pi * np.clip(t / 0.12, 0, 1)) ** 2
    return vel * n * shape


def layer(*sigs):
    """Sum of signals of different lengths (the longest sets the length)."""
    out = np.zeros(max(len(s) for s in sigs))
    for s in sigs:
        out[: len(s)] += s
    return out


# --- loop buffer ------------------------------------------------------------

class Loop:
    """A stereo loop of `bars` bars at `bpm`; everything added wraps around."""

    def __init__(self, bpm, bars, beats_per_bar=4):
        self.bpm = bpm
        self.beats_per_bar = beats_per_bar
        self.bars = bars
        self.samples_per_beat = RATE * 60.0 / bpm
        self.n = int(round(bars * beats_per_bar * self.samples_per_beat))
        self.left = np.zeros(self.n)
        self.right = np.zeros(self.n)

    @property
    def beats(self):
        return self.bars * self.beats_per_bar

    def sec(self, beats):
        return beats * 60.0 / self.bpm

    def _wrap_add(self, buf, sig, start):
        start %= self.n
        pos = 0
        while pos < len(sig):
            room = self.n - start
            take = min(room, len(sig) - pos)
            buf[start:start + take] += sig[pos:pos + take]
            pos += take
            start = 0

    def add(self, sig, beat, pan=0.0, gain=1.0):
        """Mono signal at `beat`, panned -1 (left) .. 1 (right), equal power."""
        start = int(round(beat * self.samples_per_beat))
        a = (pan + 1.0) * np.pi / 4
        self._wrap_add(self.left, sig * gain * np.cos(a), start)
        self._wrap_add(self.right, sig * gain * np.sin(a), start)

    def add_stereo(self, left, right, beat, gain=1.0):
        start = int(round(beat * self.samples_per_beat))
        self._wrap_add(self.left, left * gain, start)
        self._wrap_add(self.right, right * gain, start)

    def mix(self, other, gain=1.0):
        self.left += other.left * gain
        self.right += other.right * gain

    def bus(self):
        """An empty loop of the same length, for an effect send."""
        return Loop(self.bpm, self.bars, self.beats_per_bar)

    def echo(self, beats, feedback=0.4, repeats=5, cross=True):
        """Feedback delay in place (circular); `cross` bounces it between
        the sides."""
        d = int(round(beats * self.samples_per_beat))
        left, right = self.left.copy(), self.right.copy()
        g = 1.0
        for i in range(1, repeats + 1):
            g *= feedback
            sl, sr = np.roll(left, d * i), np.roll(right, d * i)
            if cross and i % 2 == 1:
                sl, sr = sr, sl
            self.left += g * sl
            self.right += g * sr
        return self

    def lowpass(self, cutoff, order=2):
        """Circular low-pass in the frequency domain (no seam at the loop)."""
        f = np.fft.rfftfreq(self.n, 1.0 / RATE)
        resp = 1.0 / np.sqrt(1.0 + (f / cutoff) ** (2 * order))
        self.left = np.fft.irfft(np.fft.rfft(self.left) * resp, self.n)
        self.right = np.fft.irfft(np.fft.rfft(self.right) * resp, self.n)
        return self

    def highpass(self, cutoff, order=1):
        f = np.fft.rfftfreq(self.n, 1.0 / RATE)
        f[0] = 1e-9
        resp = 1.0 / np.sqrt(1.0 + (cutoff / f) ** (2 * order))
        self.left = np.fft.irfft(np.fft.rfft(self.left) * resp, self.n)
        self.right = np.fft.irfft(np.fft.rfft(self.right) * resp, self.n)
        return self

    def reverb(self, size=0.6, mix=0.25):
        """A cheap room: a few prime-spaced circular echoes, darkened."""
        wet = self.bus()
        wet.left, wet.right = self.left.copy(), self.right.copy()
        taps = [(0.0297, 0.7), (0.0371, 0.65), (0.0411, 0.6), (0.0437, 0.55),
                (0.0533, 0.5), (0.0677, 0.45), (0.0891, 0.4)]
        acc_l, acc_r = np.zeros(self.n), np.zeros(self.n)
        for i, (delay, g) in enumerate(taps):
            for rep in range(1, 6):
                d = int(delay * rep * RATE * (1.0 + size))
                gg = (g * size) ** rep
                if i % 2:
                    acc_l += gg * np.roll(wet.right, d)
                    acc_r += gg * np.roll(wet.left, d)
                else:
                    acc_l += gg * np.roll(wet.left, d)
                    acc_r += gg * np.roll(wet.right, d)
        wet.left, wet.right = acc_l, acc_r
        wet.lowpass(4500)
        self.left += mix * wet.left
        self.right += mix * wet.right
        return self

    def master(self, peak=0.89, drive=1.2):
        """Gentle saturation and normalisation; returns an (n, 2) array."""
        st = np.stack([self.left, self.right], axis=1)
        st -= st.mean(axis=0)
        m = np.max(np.abs(st)) or 1.0
        st = np.tanh(drive * st / m) / np.tanh(drive)
        st *= peak / (np.max(np.abs(st)) or 1.0)
        return st


# --- writers ----------------------------------------------------------------

def to_pcm16(samples):
    return (np.clip(samples, -1.0, 1.0) * 32767.0).round().astype("<i2")


def write_wav(path, samples, channels=2):
    """16-bit PCM WAV at 44100 Hz; `samples` is (n,) or (n, channels)."""
    data = np.asarray(samples, dtype=np.float64)
    if data.ndim == 1 and channels == 2:
        data = np.stack([data, data], axis=1)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".part"
    with wave.open(tmp, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(to_pcm16(data).tobytes())
    os.replace(tmp, path)
    return path


def write_ogg(path, stereo, quality=5, serial=1):
    """OGG Vorbis through oggenc; see start_ogg."""
    return start_ogg(path, stereo, quality, serial)()


def start_ogg(path, stereo, quality=5, serial=1):
    """OGG Vorbis through oggenc, fed raw PCM on stdin.  Returns at once;
    call the result to wait for the file.  A fixed stream serial keeps
    repeated runs byte-for-byte identical.

    Encoding runs in its own process, so several tracks (and the picture
    work) proceed side by side on a multi-core machine.
    """
    os.makedirs(os.path.dirname(path), exist_ok=True)
    tmp = path + ".part"
    pcm = to_pcm16(stereo).tobytes()
    proc = subprocess.Popen(
        ["oggenc", "--quiet", "--raw", "--raw-bits=16", "--raw-chan=2",
         f"--raw-rate={RATE}", "--raw-endianness=0", "-q", str(quality),
         "-s", str(serial), "-o", tmp, "-"],
        stdin=subprocess.PIPE)
    feeder = threading.Thread(target=lambda: (proc.stdin.write(pcm), proc.stdin.close()))
    feeder.start()

    def finish():
        feeder.join()
        if proc.wait() != 0:
            raise RuntimeError(f"oggenc failed for {path}")
        os.replace(tmp, path)
        return path
    return finish


# --- more voices (level music) ----------------------------------------------

def square(note, dur, vel=1.0, duty=0.5, decay=1.5):
    """Band-limited pulse wave: the bright lead of the faster tunes."""
    f = freq(note)
    t = _t(dur + 0.05)
    s = np.zeros_like(t)
    for k in range(1, 16):
        if k * f > RATE / 2.5:
            break
        s += (2.0 / (k * np.pi)) * np.sin(np.pi * k * duty) * np.cos(2 * np.pi * k * f * t)
    amp = (0.7 + 0.3 * np.exp(-t * decay)) * envelope(len(t), 0.004, 0.04)
    return vel * 0.8 * s * amp


def organ(note, dur, vel=1.0):
    """Drawbar-style organ: steady, for polkas and waltzes."""
    f = freq(note)
    t = _t(dur + 0.06)
    s = (np.sin(2 * np.pi * f * t) + 0.5 * np.sin(2 * np.pi * 2 * f * t)
         + 0.25 * np.sin(2 * np.pi * 3 * f * t) + 0.12 * np.sin(2 * np.pi * 4 * f * t))
    trem = 1.0 + 0.06 * np.sin(2 * np.pi * 6.0 * t)
    return vel * 0.5 * s * trem * envelope(len(t), 0.01, 0.05)
