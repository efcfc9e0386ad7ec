"""The front end's sounds: the menu click, the menu tune and the calm
loading-screen tune.  Both tunes loop seamlessly (see audio.Loop)."""

import numpy as np

import audio
from audio import Loop, RATE
from common import out_path

# chord name -> (bass note, voicing for pads and comping)
CHORDS = {
    "C": ("C2", ["C4", "E4", "G4"]),
    "G": ("G2", ["B3", "D4", "G4"]),
    "Am": ("A2", ["C4", "E4", "A4"]),
    "F": ("F2", ["C4", "F4", "A4"]),
    "Em": ("E2", ["B3", "E4", "G4"]),
    "Am7": ("A2", ["C4", "E4", "G4", "A4"]),
    "Fmaj7": ("F2", ["A3", "C4", "E4", "F4"]),
    "Cadd9": ("C3", ["C4", "D4", "E4", "G4"]),
    "G6": ("G2", ["B3", "D4", "E4", "G4"]),
    "Dm7": ("D3", ["C4", "D4", "F4", "A4"]),
    "E": ("E2", ["B3", "E4", "G#4"]),
}


def _transpose(note, semis):
    return audio.midi(note) + semis


# --- menu: friendly, 120 BPM, 12 bars (24 s) -------------------------------

MENU_PROGRESSION = ["C", "G", "Am", "F", "C", "G", "Am", "F", "F", "G", "Am", "G"]

# (beat in bar, length in beats, note) per bar
MENU_MELODY = [
    [(0, 1, "E5"), (1, 1, "G5"), (2, 1.5, "C6"), (3.5, 0.5, "G5")],
    [(0, 1, "B5"), (1, 0.5, "A5"), (1.5, 0.5, "G5"), (2, 2, "D5")],
    [(0, 1, "C5"), (1, 1, "E5"), (2, 1, "A5"), (3, 0.5, "G5"), (3.5, 0.5, "E5")],
    [(0, 1.5, "F5"), (1.5, 0.5, "E5"), (2, 1, "D5"), (3, 1, "C5")],
    [(0, 1, "E5"), (1, 1, "G5"), (2, 1, "C6"), (3, 1, "E6")],
    [(0, 1.5, "D6"), (1.5, 0.5, "B5"), (2, 2, "G5")],
    [(0, 0.5, "A5"), (0.5, 0.5, "B5"), (1, 1, "C6"), (2, 0.5, "B5"), (2.5, 0.5, "A5"), (3, 1, "E5")],
    [(0, 1, "F5"), (1, 1, "A5"), (2, 2, "G5")],
    [(0, 0.5, "A5"), (0.5, 0.5, "G5"), (1, 0.5, "F5"), (1.5, 0.5, "A5"), (2, 2, "C6")],
    [(0, 0.5, "B5"), (0.5, 0.5, "A5"), (1, 0.5, "G5"), (1.5, 0.5, "B5"), (2, 2, "D6")],
    [(0, 1, "A5"), (1, 0.5, "G5"), (1.5, 0.5, "E5"), (2, 1, "C5"), (3, 1, "E5")],
    [(0, 1, "D5"), (1, 1, "G5"), (2, 1, "B5"), (3, 0.5, "D6"), (3.5, 0.5, "B5")],
]


def menu_music():
    song = Loop(bpm=120, bars=len(MENU_PROGRESSION))
    lead_send = song.bus()
    for bar, name in enumerate(MENU_PROGRESSION):
        b0 = bar * 4
        root, voicing = CHORDS[name]
        # pad under everything, one chord per bar
        for note in voicing:
            l, r = audio.pad(note, song.sec(4) - 0.2, 0.5, attack=0.12, release=0.35)
            song.add_stereo(l, r, b0, gain=0.32)
        # off-beat piano stabs give the bounce
        for k, beat in enumerate((0.5, 1.5, 2.5, 3.5)):
            for i, note in enumerate(voicing):
                song.add(audio.epiano(_transpose(note, 12), song.sec(0.3), 0.55 if k % 2 else 0.45,
                                      bright=0.7), b0 + beat + 0.004 * i, pan=-0.25, gain=0.22)
        # bouncing bass: root, octave and fifth
        fifth = _transpose(root, 7)
        octave = _transpose(root, 12)
        pattern = [(0, 0.9, root), (1.5, 0.45, root), (2, 0.9, fifth), (3, 0.45, octave), (3.5, 0.45, fifth)]
        if bar == len(MENU_PROGRESSION) - 1:  # walk up into the first bar again
            pattern = [(0, 0.9, "G2"), (1, 0.9, "G2"), (2, 0.9, "A2"), (3, 0.9, "B2")]
        for beat, length, note in pattern:
            song.add(audio.bass(note, song.sec(length), 0.9), b0 + beat, gain=0.55)
        # melody
        for beat, length, note in MENU_MELODY[bar]:
            sig = audio.layer(audio.epiano(note, song.sec(length) * 0.92, 0.85, bright=1.1),
                              0.5 * audio.pluck(note, song.sec(length) * 0.9, 0.8))
            song.add(sig, b0 + beat, pan=0.15, gain=0.34)
            lead_send.add(sig, b0 + beat, pan=0.15, gain=0.34)
        # drums
        kicks = [0, 2] + ([2.5] if bar % 2 else [])
        for beat in kicks:
            song.add(audio.kick(0.9), b0 + beat, gain=0.55)
        if bar == len(MENU_PROGRESSION) - 1:
            snares = [(1, 0.8), (3, 0.6), (3.25, 0.45), (3.5, 0.6), (3.75, 0.75)]
        else:
            snares = [(1, 0.8), (3, 0.8)]
        for beat, vel in snares:
            song.add(audio.snare(vel, seed=bar * 8 + int(beat * 4)), b0 + beat, pan=0.05, gain=0.32)
        for i in range(8):
            vel = 0.75 if i % 2 else 0.45
            song.add(audio.hat(vel, seed=bar * 16 + i), b0 + i * 0.5, pan=-0.3, gain=0.16)
    lead_send.echo(0.75, feedback=0.35, repeats=4).lowpass(3500)
    song.mix(lead_send, 0.35)
    song.reverb(size=0.5, mix=0.15)
    song.highpass(30)
    return song.master()


# --- loading: calm and airy, 80 BPM, 8 bars (24 s) ---------------------------

LOADING_PROGRESSION = ["Am7", "Fmaj7", "Cadd9", "G6", "Am7", "Fmaj7", "Dm7", "E"]

LOADING_MELODY = [
    [(0, 1.5, "E5"), (1.5, 0.5, "G5"), (2, 2, "A5")],
    [(0, 1.5, "C6"), (1.5, 0.5, "A5"), (2, 1, "G5"), (3, 1, "E5")],
    [(0, 3, "G5"), (3, 1, "E5")],
    [(0, 2, "D5"), (2, 1, "B4"), (3, 1, "D5")],
    [(0, 1.5, "E5"), (1.5, 0.5, "A5"), (2, 2, "C6")],
    [(0, 1, "B5"), (1, 1, "A5"), (2, 2, "E5")],
    [(0, 1.5, "F5"), (1.5, 0.5, "E5"), (2, 1, "D5"), (3, 1, "C5")],
    [(0, 2, "B4"), (2, 1, "G#4"), (3, 1, "B4")],
]


def loading_music():
    song = Loop(bpm=80, bars=len(LOADING_PROGRESSION))
    arp_send = song.bus()
    pads = song.bus()
    for bar, name in enumerate(LOADING_PROGRESSION):
        b0 = bar * 4
        root, voicing = CHORDS[name]
        for note in voicing:
            l, r = audio.pad(note, song.sec(4), 0.6, detune=0.006, harmonics=5,
                             attack=0.9, release=1.6)
            pads.add_stereo(l, r, b0, gain=0.4)
        # slow sub bass, two notes a bar
        for beat in (0, 2):
            song.add(audio.bass(_transpose(root, -12) if audio.midi(root) >= 48 else root,
                                song.sec(1.9), 0.7, pluckiness=2.0), b0 + beat, gain=0.5)
        # rising arpeggio an octave up, bounced between the sides by the echo
        tones = [_transpose(n, 12) for n in voicing]
        order = [0, 1, 2, len(tones) - 1, 2, 1, 0, 1][:8]
        for i, idx in enumerate(order):
            note = tones[min(idx, len(tones) - 1)]
            sig = audio.pluck(note, song.sec(0.45), 0.5 if i % 2 else 0.65, decay=2.2)
            song.add(sig, b0 + i * 0.5, pan=-0.35 if i % 2 else 0.35, gain=0.16)
            arp_send.add(sig, b0 + i * 0.5, gain=0.16)
        for beat, length, note in LOADING_MELODY[bar]:
            song.add(audio.bell(note, song.sec(length), 0.7), b0 + beat, pan=0.1, gain=0.2)
            arp_send.add(audio.bell(note, song.sec(length), 0.7), b0 + beat, gain=0.12)
        # barely-there pulse
        song.add(audio.kick(0.5), b0, gain=0.35)
        song.add(audio.kick(0.35), b0 + 2.5, gain=0.3)
        for i in range(8):
            song.add(audio.shaker(0.3 if i % 2 else 0.18, seed=bar * 8 + i), b0 + i * 0.5,
                     pan=0.4, gain=0.16)
    pads.lowpass(1800)
    song.mix(pads, 1.0)
    arp_send.echo(0.75, feedback=0.5, repeats=6).lowpass(2500)
    song.mix(arp_send, 0.5)
    song.reverb(size=0.8, mix=0.35)
    song.highpass(28)
    return song.master(peak=0.8, drive=1.1)


# --- menu click -----------------------------------------------------------------

def menu_click():
    n = int(0.045 * RATE)
    t = np.arange(n) / RATE
    noise = np.random.default_rng(3).uniform(-1, 1, n)
    s = (np.sin(2 * np.pi * 1650 * t) * np.exp(-t * 150)
         + 0.6 * np.sin(2 * np.pi * 420 * t) * np.exp(-t * 90)
         + 0.25 * noise * np.exp(-t * 500))
    s *= audio.envelope(n, 0.0008, 0.008)
    return 0.7 * s / np.max(np.abs(s))


def generate(outdir):
    written = [audio.write_wav(out_path(outdir, "Audio/menu.wav"), menu_click(), channels=2)]
    # encode both tunes side by side
    jobs = [audio.start_ogg(out_path(outdir, "Music/menu.ogg"), menu_music(), serial=101)]
    jobs.append(audio.start_ogg(out_path(outdir, "Music/loading.ogg"), loading_music(), serial=102))
    written += [job() for job in jobs]
    return written
