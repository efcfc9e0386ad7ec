"""Level 1's sounds and the ten tunes of the in-game music panel.

The tunes are written by a small composer: each has its own tempo, metre,
key, chord loop, instruments and groove, and a melody grown from a seeded
two-bar motif (stated, answered, varied, and brought home), so the ten
sound like ten different pieces and every run writes the same bytes.
"""

import functools
import math

import numpy as np

import audio
from audio import RATE, Loop


# --- effects -------------------------------------------------------------------------

def _t(seconds):
    return np.arange(int(seconds * RATE)) / RATE


def _lowpass(x, cutoff):
    """One-pole low-pass; cutoff may change per sample (an array)."""
    cutoff = np.broadcast_to(np.asarray(cutoff, float), x.shape)
    a = 1.0 - np.exp(-2 * np.pi * cutoff / RATE)
    y = np.empty_like(x)
    acc = 0.0
    for i in range(len(x)):
        acc += a[i] * (x[i] - acc)
        y[i] = acc
    return y


def _norm(x, peak=0.85):
    x = x - np.mean(x)
    return peak * x / (np.max(np.abs(x)) or 1.0)


def _noise(n, seed):
    return np.random.default_rng(seed).uniform(-1, 1, n)


def gulp():
    """padzeera.wav: a bottle drunk (and the nitro kicking in)."""
    parts = []
    for k in range(3):
        t = _t(0.16)
        f = 140 + 260 * (t / 0.16) ** 1.5 + k * 20
        s = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 14)
        s += 0.2 * _lowpass(_noise(len(t), k), 1200) * np.exp(-t * 30)
        parts.append(s * audio.envelope(len(t), 0.004, 0.03))
        parts.append(np.zeros(int(0.05 * RATE)))
    t = _t(0.5)
    ahh = sum(np.sin(2 * np.pi * f * t) * np.exp(-t * 6) for f in (1320, 1760, 2640)) / 3
    parts.append(0.6 * ahh * audio.envelope(len(t), 0.01, 0.2))
    return _norm(np.concatenate(parts))


def fart():
    """pirdiens.wav: the gas cloud."""
    t = _t(1.0)
    rng = np.random.default_rng(21)
    wob = np.interp(t, np.linspace(0, 1, 20), rng.uniform(-1, 1, 20))
    f = 78 + 18 * wob - 20 * t
    phase = np.cumsum(f) / RATE
    pulse = (np.mod(phase, 1.0) < 0.18).astype(float) - 0.18
    s = _lowpass(pulse + 0.35 * _noise(len(t), 4), 700 + 500 * np.abs(wob))
    amp = np.clip(t / 0.05, 0, 1) * (0.7 + 0.3 * np.sin(2 * np.pi * 5 * t)) * np.exp(-t * 1.2)
    return _norm(s * amp * audio.envelope(len(t), 0.01, 0.15))


def flush():
    """tualete.wav: the potty is won: a flush and a happy little arpeggio."""
    t = _t(1.4)
    sweep = 300 + 2600 * np.sin(np.pi * np.clip(t / 1.2, 0, 1)) ** 2
    water = _lowpass(_noise(len(t), 8), sweep) * np.sin(np.pi * np.clip(t / 1.4, 0, 1)) ** 0.7
    bells = np.zeros(len(t))
    for k, note in enumerate(("C5", "E5", "G5", "C6")):
        sig = audio.bell(note, 0.5, 0.8)
        start = int((0.55 + 0.12 * k) * RATE)
        end = min(len(bells), start + len(sig))
        bells[start:end] += sig[:end - start]
    return _norm(0.8 * water + 0.5 * bells)


def pickup():
    """panjemkko.wav: an item picked up or delivered."""
    a = audio.bell("E6", 0.12, 0.9)
    b = audio.bell("B6", 0.3, 0.9)
    out = np.zeros(int(0.09 * RATE) + len(b))
    out[:len(a)] += a
    out[int(0.09 * RATE):] += b
    return _norm(out[:int(0.7 * RATE)] * audio.envelope(int(0.7 * RATE), 0.001, 0.2))


def whoosh():
    """shaujmushu.wav: a flame leaves the burner."""
    t = _t(0.55)
    s = _lowpass(_noise(len(t), 12), 400 + 3000 * (t / 0.55))
    crackle = (_noise(len(t), 13) > 0.985) * _noise(len(t), 14) * 0.8
    amp = np.clip(t / 0.04, 0, 1) * np.exp(-t * 4)
    return _norm((s + crackle) * amp * audio.envelope(len(t), 0.002, 0.1))


def fly_hit():
    """mushaMIRST.wav: a fly is burnt: its buzz drops and stops."""
    t = _t(0.6)
    f = 230 * np.exp(-t * 2.5) + 40
    phase = np.cumsum(f * (1 + 0.03 * np.sin(2 * np.pi * 30 * t))) / RATE
    buzz = (2 * np.mod(phase, 1.0) - 1.0)
    buzz = _lowpass(buzz, 2500) * np.exp(-t * 3)
    splat = _lowpass(_noise(len(t), 15), 1800) * np.exp(-t * 40)
    return _norm((0.7 * buzz + 0.8 * splat) * audio.envelope(len(t), 0.002, 0.08))


def bounce():
    """atsitas.wav: the ball hits the wall."""
    t = _t(0.5)
    thump = np.sin(2 * np.pi * np.cumsum(60 + 90 * np.exp(-t * 30)) / RATE) * np.exp(-t * 14)
    f = 320 * (1 + 0.25 * np.exp(-t * 6) * np.sin(2 * np.pi * 18 * t))
    boing = np.sin(2 * np.pi * np.cumsum(f) / RATE) * np.exp(-t * 7)
    return _norm((thump + 0.4 * boing) * audio.envelope(len(t), 0.001, 0.05))


# "Audio/zaudee.wav", the level lost to hunger, is level 0's lose sound,
# written by its module.
SOUNDS = {
    "Audio/padzeera.wav": gulp,
    "Audio/pirdiens.wav": fart,
    "Audio/tualete.wav": flush,
    "Audio/panjemkko.wav": pickup,
    "Audio/shaujmushu.wav": whoosh,
    "Audio/mushaMIRST.wav": fly_hit,
    "Audio/atsitas.wav": bounce,
}


# --- the composer -------------------------------------------------------------------------

SCALES = {
    "major": [0, 2, 4, 5, 7, 9, 11],
    "minor": [0, 2, 3, 5, 7, 8, 10],
    "dorian": [0, 2, 3, 5, 7, 9, 10],
    "mixolydian": [0, 2, 4, 5, 7, 9, 10],
}


@functools.lru_cache(maxsize=4096)
def _voice(name, note, dur, vel):
    """Cached instrument notes: the chords of a tune repeat a lot."""
    if name == "pad":
        l, r = audio.pad(note, dur, vel, detune=0.005, harmonics=5, attack=0.2, release=0.5)
        return l, r
    fn = {"epiano": audio.epiano, "bell": audio.bell, "pluck": audio.pluck, "bass": audio.bass,
          "square": audio.square, "organ": audio.organ}[name]
    return fn(note, dur, vel)


def _degree(key, scale, deg, octave=0):
    """Scale degree (0-based, may exceed 7) to a MIDI note."""
    steps = SCALES[scale]
    o, i = divmod(deg, len(steps))
    return key + 12 * (o + octave) + steps[i]


def _chord(key, scale, root_deg):
    return [_degree(key, scale, root_deg + k) for k in (0, 2, 4)]


def _motif(rng, beats_per_bar, density):
    """A two-bar rhythm with scale steps: [(beat, length, step)]."""
    cells = {
        4: [[1, 1, 1, 1], [1.5, 0.5, 1, 1], [0.5, 0.5, 1, 2], [2, 1, 1], [1, 0.5, 0.5, 2],
            [0.5] * 4 + [2], [3, 1], [0.75, 0.75, 0.5, 2]],
        3: [[1, 1, 1], [2, 1], [1.5, 0.5, 1], [1, 0.5, 0.5, 1], [3]],
    }[beats_per_bar]
    notes = []
    for bar in range(2):
        pool = cells if density > 0.5 else [c for c in cells if len(c) <= 3] or cells
        rhythm = pool[rng.integers(0, len(pool))]
        beat = 0.0
        for length in rhythm:
            notes.append((bar * beats_per_bar + beat, length, int(rng.integers(-2, 3))))
            beat += length
    return notes


def _melody(spec, rng, bars):
    """Phrases of two bars: A, A answered, B, A brought home; the notes walk
    the scale and lean towards the chord of the bar."""
    bpb = spec["meter"]
    motif_a = _motif(rng, bpb, spec["density"])
    motif_b = _motif(rng, bpb, spec["density"])
    out = []
    pos = 4
    for phrase in range(bars // 2):
        kind = phrase % 4
        motif = motif_b if kind == 2 else motif_a
        for i, (beat, length, step) in enumerate(motif):
            if kind == 1 and i >= len(motif) // 2:
                step = -step
            before = pos
            pos = int(np.clip(pos + step, 0, 9))
            bar = phrase * 2 + int(beat // bpb)
            chord_root = spec["progression"][bar % len(spec["progression"])]
            if beat % 1 == 0 and rng.random() < 0.55:
                # land on a chord tone on the beat, without stalling the line
                options = [chord_root + k for k in (0, 2, 4, 7)]
                moving = [o for o in options if o != before] if step else options
                pos = min(moving, key=lambda o: abs(o - pos))
            if kind == 3 and i == len(motif) - 1:
                pos = 7 if pos > 4 else 0   # home
            out.append((phrase * 2 * bpb + beat, length, pos))
    return out


def compose(spec):
    """Renders one tune from its spec; returns an (n, 2) float array."""
    bpm, bpb = spec["bpm"], spec["meter"]
    # A whole number of samples per bar keeps the loop length a product of
    # small primes, which the loop's FFT filters need to stay fast.
    assert (RATE * 60 * bpb) % bpm == 0, bpm
    bar_sec = bpb * 60.0 / bpm
    prog = spec["progression"]
    bars = int(math.ceil(spec.get("seconds", 32.0) / bar_sec))
    bars = int(math.ceil(bars / len(prog)) * len(prog))
    if bars % 2:
        bars += len(prog)
    song = Loop(bpm, bars, bpb)
    send = song.bus()
    key, scale = spec["key"], spec["scale"]
    rng = np.random.default_rng(spec["seed"])
    swing = spec.get("swing", 0.0)

    def at(beat):
        return beat + (swing if (beat * 2) % 2 == 1 else 0.0)

    for bar in range(bars):
        b0 = bar * bpb
        root = prog[bar % len(prog)]
        chord = _chord(key, scale, root)
        comp = spec["comp"]
        if comp == "pad":
            for n in chord:
                l, r = _voice("pad", n, round(song.sec(bpb) - 0.1, 3), 0.5)
                song.add_stereo(l, r, b0, gain=0.3)
        elif comp == "stabs":
            for beat in [x + 0.5 for x in range(bpb)]:
                for i, n in enumerate(chord):
                    song.add(_voice("epiano", n + 12, round(song.sec(0.3), 3), 0.5), at(b0 + beat) + 0.004 * i,
                             pan=-0.3, gain=0.2)
        elif comp == "arp":
            tones = chord + [chord[0] + 12]
            steps = int(bpb * 2)
            for i in range(steps):
                n = tones[[0, 1, 2, 3, 2, 1, 0, 1][i % 8]] + 12
                song.add(_voice("pluck", n, round(song.sec(0.45), 3), 0.6), at(b0 + i * 0.5),
                         pan=-0.4 if i % 2 else 0.4, gain=0.16)
                send.add(_voice("pluck", n, round(song.sec(0.45), 3), 0.6), at(b0 + i * 0.5), gain=0.1)
        elif comp == "waltz":
            song.add(_voice("organ", chord[0] - 12, round(song.sec(0.9), 3), 0.6), b0, gain=0.3)
            for beat in (1, 2):
                for n in chord:
                    song.add(_voice("organ", n, round(song.sec(0.6), 3), 0.4), b0 + beat, pan=0.2, gain=0.14)
        elif comp == "offbeat":
            for beat in range(bpb):
                for n in chord:
                    song.add(_voice("organ", n, round(song.sec(0.3), 3), 0.5), at(b0 + beat + 0.5),
                             pan=0.25, gain=0.13)
        elif comp == "chip":
            for i in range(int(bpb * 4)):
                n = chord[i % 3] + 12
                song.add(_voice("square", n, round(song.sec(0.2), 3), 0.35), b0 + i * 0.25, pan=-0.3,
                         gain=0.1)
        # bass
        bass = spec["bass"]
        r = chord[0] - 12 if chord[0] >= 48 else chord[0]
        r = r - 12 if r >= 48 else r
        if bass == "root":
            pattern = [(0, bpb - 0.1, r)]
        elif bass == "octave":
            pattern = [(i * 0.5, 0.4, r + (12 if i % 2 else 0)) for i in range(int(bpb * 2))]
        elif bass == "walk":
            line = [r, r + 4, r + 7, r + 9] if bpb == 4 else [r, r + 4, r + 7]
            pattern = [(i, 0.9, line[i]) for i in range(bpb)]
        elif bass == "oompah":
            pattern = [(0, 0.8, r), (2, 0.8, r + 7)] if bpb == 4 else [(0, 0.8, r)]
        elif bass == "reggae":
            pattern = [(0.5, 0.4, r), (1.0, 0.9, r), (2.5, 0.4, r + 7), (3.0, 0.8, r + 5)]
        else:
            pattern = [(0, 1.6, r), (2, 1.6, r + 7)]
        for beat, length, n in pattern:
            song.add(_voice("bass", n, round(song.sec(length), 3), 0.85), at(b0 + beat), gain=0.5)
        # drums
        drums = spec["drums"]
        if drums == "pop":
            for beat in (0, 2) + ((2.5,) if bar % 2 else ()):
                song.add(audio.kick(0.9), b0 + beat, gain=0.5)
            for beat in (1, 3):
                song.add(audio.snare(0.8, seed=bar * 4 + beat), b0 + beat, gain=0.28)
            for i in range(8):
                song.add(audio.hat(0.7 if i % 2 else 0.4, seed=bar * 8 + i), at(b0 + i * 0.5), pan=-0.3,
                         gain=0.14)
        elif drums == "funk":
            for beat in (0, 0.75, 2.5):
                song.add(audio.kick(0.9), at(b0 + beat), gain=0.5)
            for beat in (1, 3):
                song.add(audio.snare(0.85, seed=bar * 4 + beat), b0 + beat, gain=0.3)
            song.add(audio.snare(0.3, seed=bar), at(b0 + 3.75), gain=0.2)
            for i in range(16):
                song.add(audio.hat(0.6 if i % 2 == 0 else 0.3, 0.04, seed=bar * 16 + i), b0 + i * 0.25,
                         pan=-0.3, gain=0.12)
        elif drums == "lofi":
            song.add(audio.kick(0.7), b0, gain=0.45)
            song.add(audio.kick(0.5), at(b0 + 2.5), gain=0.4)
            song.add(audio.snare(0.5, seed=bar), b0 + 2, gain=0.2)
            for i in range(8):
                song.add(audio.shaker(0.4 if i % 2 else 0.25, seed=bar * 8 + i), at(b0 + i * 0.5), pan=0.4,
                         gain=0.14)
        elif drums == "waltz":
            song.add(audio.kick(0.7), b0, gain=0.4)
            for beat in (1, 2):
                song.add(audio.hat(0.5, seed=bar * 3 + beat), b0 + beat, pan=0.3, gain=0.12)
        elif drums == "march":
            for beat in range(bpb):
                song.add(audio.kick(0.8 if beat % 2 == 0 else 0.5), b0 + beat, gain=0.45)
                song.add(audio.snare(0.5 if beat % 2 else 0.25, seed=bar * 4 + beat), b0 + beat + 0.5,
                         gain=0.22)
        elif drums == "reggae":
            song.add(audio.kick(0.9), b0 + 2, gain=0.5)
            song.add(audio.snare(0.6, seed=bar), b0 + 2, gain=0.22)
            for i in range(8):
                song.add(audio.hat(0.5, seed=bar * 8 + i), at(b0 + i * 0.5), pan=0.3, gain=0.1)
        elif drums == "chip":
            for beat in range(bpb):
                song.add(audio.kick(0.8), b0 + beat, gain=0.4)
                song.add(audio.hat(0.7, 0.03, seed=bar * 4 + beat), b0 + beat + 0.5, gain=0.16)
            song.add(audio.snare(0.7, seed=bar), b0 + 1, gain=0.25)
            song.add(audio.snare(0.7, seed=bar + 1), b0 + 3, gain=0.25)
    # melody
    lead = spec["lead"]
    octave = spec.get("octave", 1)
    for beat, length, pos in _melody(spec, rng, bars):
        n = _degree(key, scale, pos, octave)
        dur = round(song.sec(length) * 0.9, 3)
        sig = _voice(lead, n, dur, 0.8)
        song.add(sig, at(beat), pan=0.15, gain=spec.get("lead_gain", 0.3))
        send.add(sig, at(beat), gain=0.25)
    send.echo(spec.get("echo", 0.75), feedback=0.35, repeats=4).lowpass(3000)
    song.mix(send, 0.35)
    if spec.get("lowpass"):
        song.lowpass(spec["lowpass"])
    song.reverb(size=spec.get("room", 0.5), mix=0.18)
    song.highpass(30)
    _voice.cache_clear()
    return song.master(peak=spec.get("peak", 0.89))


C4 = 60
# I ii iii IV V vi as scale degrees 0..5
TRACKS = [
    # 1 morning porridge: easy-going, major, electric piano
    dict(bpm=100, meter=4, key=C4 + 2, scale="major", progression=[0, 5, 3, 4], lead="epiano",
         comp="pad", bass="walk", drums="lofi", density=0.4, seed=101, swing=0.08),
    # 2 bouncing: bright pop, the first tune heard in the house
    dict(bpm=126, meter=4, key=C4, scale="major", progression=[0, 4, 5, 3], lead="pluck",
         comp="stabs", bass="octave", drums="pop", density=0.8, seed=102, lead_gain=0.36),
    # 3 cradle waltz: three beats, music-box bells
    dict(bpm=150, meter=3, key=C4 + 5, scale="major", progression=[0, 3, 4, 0, 5, 1, 4, 4], lead="bell",
         comp="waltz", bass="root", drums="waltz", density=0.5, seed=103, octave=1),
    # 4 sock funk: dorian, syncopated
    dict(bpm=108, meter=4, key=C4 - 3, scale="dorian", progression=[0, 3, 0, 4], lead="square",
         comp="stabs", bass="octave", drums="funk", density=0.9, seed=104, swing=0.12, lead_gain=0.22,
         octave=0),
    # 5 nap time: slow, dreamy
    dict(bpm=80, meter=4, key=C4 + 4, scale="major", progression=[0, 2, 3, 3], lead="bell",
         comp="arp", bass="slow", drums="lofi", density=0.3, seed=105, lowpass=5000, room=0.8,
         peak=0.75),
    # 6 turbo: fast chiptune
    dict(bpm=160, meter=4, key=C4 + 7, scale="major", progression=[0, 5, 3, 4], lead="square",
         comp="chip", bass="octave", drums="chip", density=0.9, seed=106, lead_gain=0.24),
    # 7 in the cellar: minor, mysterious
    dict(bpm=90, meter=4, key=C4 - 5, scale="minor", progression=[0, 5, 3, 4], lead="pluck",
         comp="pad", bass="slow", drums="lofi", density=0.5, seed=107, echo=1.5, room=0.9,
         peak=0.8),
    # 8 toy polka: two-step oom-pah
    dict(bpm=135, meter=4, key=C4 + 3, scale="major", progression=[0, 4, 4, 0, 3, 0, 4, 0], lead="organ",
         comp="offbeat", bass="oompah", drums="march", density=0.8, seed=108, lead_gain=0.26),
    # 9 sunshine: laid-back offbeat
    dict(bpm=75, meter=4, key=C4 + 9, scale="mixolydian", progression=[0, 6, 3, 0], lead="epiano",
         comp="offbeat", bass="reggae", drums="reggae", density=0.6, seed=109),
    # 10 good night: lullaby in three
    dict(bpm=63, meter=3, key=C4 + 7, scale="major", progression=[0, 3, 0, 4], lead="bell",
         comp="arp", bass="root", drums="none", density=0.3, seed=110, room=0.9, lowpass=4000,
         peak=0.7),
]


def track_path(i):
    return f"Music/mp3iespejas/track{i + 1}.ogg"
