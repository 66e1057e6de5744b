#!/usr/bin/env python3
"""Writes "ARCADIA.MID", the game's default music: a short pastoral tune in D minor for
flute, harp, strings and a soft bass, as a type-1 Standard MIDI File."""

import struct
import sys
from pathlib import Path

TICKS = 480  # per quarter note
TEMPO_BPM = 96
ALL_SOUND_OFF = 120  # controller number

NOTE_NUMBERS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note(name):
    """'F#4' -> MIDI number; 'r' is a rest."""
    if name == "r":
        return None
    pitch = NOTE_NUMBERS[name[0]]
    rest = name[1:]
    if rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


def phrase(text):
    """'D5:1 F5:.5' -> [(note, beats)]"""
    events = []
    for token in text.split():
        name, beats = token.split(":")
        events.append((note(name), float(beats)))
    return events


# Eight bars of 3/4 each; the tune is A A' B A'' with an ending.
MELODY_A = phrase("""
    D5:1 F5:.5 E5:.5 D5:1   A4:2 D5:1   C5:1 E5:.5 D5:.5 C5:1   G4:3
    Bb4:1 D5:.5 C5:.5 Bb4:1   A4:1 C5:1 F5:1   G4:1 A4:.5 Bb4:.5 G4:1   A4:3""")
MELODY_A2 = phrase("""
    D5:1 F5:.5 E5:.5 D5:1   A5:2 G5:1   F5:1 E5:.5 D5:.5 C5:1   D5:3
    Bb4:1 D5:.5 F5:.5 E5:1   D5:1 C5:1 A4:1   Bb4:1 G4:.5 A4:.5 E4:1   D4:3""")
MELODY_B = phrase("""
    F5:1.5 G5:.5 A5:1   C6:2 A5:1   G5:1 F5:.5 G5:.5 E5:1   C5:3
    D5:1.5 E5:.5 F5:1   Bb5:2 A5:1   G5:1 E5:1 C#5:1   A4:3""")
MELODY_END = phrase("A5:1 F5:1 D5:1   D5:3")

CHORDS_A = ["Dm", "Dm", "C", "C", "Bb", "F", "Gm", "A"]
CHORDS_A2 = ["Dm", "Dm", "F", "Dm", "Bb", "F", "Gm A", "Dm"]
CHORDS_B = ["F", "F", "C", "C", "Bb", "Bb", "Gm A", "A"]
CHORDS_END = ["Gm A", "Dm"]

CHORD_TONES = {
    "Dm": ["D3", "F3", "A3"], "C": ["C3", "E3", "G3"], "Bb": ["Bb2", "D3", "F3"],
    "F": ["F3", "A3", "C4"], "Gm": ["G2", "Bb2", "D3"], "A": ["A2", "C#3", "E3"],
}


def bar_chords(bars):
    """Each bar's chord names (two names share the bar)."""
    out = []
    for bar in bars:
        names = bar.split()
        beats = 3.0 / len(names)
        out.extend((name, beats) for name in names)
    return out


def variable_length(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))


class Track:
    def __init__(self, name, channel, program, volume):
        self.events = []  # (tick, order, bytes)
        self.channel = channel
        self.meta(0, 0x03, name.encode("ascii"))
        if program is not None:
            self.add(0, bytes([0xC0 | channel, program]))
        self.add(0, bytes([0xB0 | channel, 7, volume]))
        self.add(0, bytes([0xB0 | channel, 91, 50]))  # a little reverb

    def add(self, tick, data, order=1):
        self.events.append((tick, order, data))

    def meta(self, tick, kind, data):
        self.add(tick, bytes([0xFF, kind]) + variable_length(len(data)) + data, 0)

    def play(self, tick, pitch, length, velocity):
        self.add(tick, bytes([0x90 | self.channel, pitch, velocity]), 2)
        self.add(tick + length, bytes([0x80 | self.channel, pitch, 0]), 1)

    def chunk(self):
        body = b""
        last = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += variable_length(tick - last) + data
            last = tick
        body += variable_length(0) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + body


def beats_to_ticks(beats):
    return int(round(beats * TICKS))


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else (
        Path(__file__).resolve().parent.parent / "resources" / "music" / "ARCADIA.MID")

    conductor = Track("Arcadia", 0, None, 100)
    conductor.events = []
    conductor.meta(0, 0x03, b"Arcadia")
    conductor.meta(0, 0x51, struct.pack(">I", 60_000_000 // TEMPO_BPM)[1:])
    conductor.meta(0, 0x58, bytes([3, 2, 24, 8]))  # 3/4
    conductor.meta(0, 0x59, bytes([0xFF, 1]))  # D minor

    flute = Track("Flute", 0, 73, 100)
    harp = Track("Harp", 1, 46, 80)
    strings = Track("Strings", 2, 48, 60)
    bass = Track("Bass", 3, 32, 85)

    sections = [(MELODY_A, CHORDS_A), (MELODY_A2, CHORDS_A2), (MELODY_B, CHORDS_B),
                (MELODY_A2, CHORDS_A2), (MELODY_END, CHORDS_END)]
    tick = 0
    for melody, chords in sections:
        start = tick
        for pitch, beats in melody:
            length = beats_to_ticks(beats)
            if pitch is not None:
                flute.play(tick, pitch, int(length * 0.92), 92)
            tick += length
        chord_tick = start
        for name, beats in bar_chords(chords):
            tones = [note(t) for t in CHORD_TONES[name]]
            length = beats_to_ticks(beats)
            strings.play(chord_tick, tones[0] + 12, length, 50)
            strings.play(chord_tick, tones[1] + 12, length, 50)
            strings.play(chord_tick, tones[2] + 12, length, 50)
            bass.play(chord_tick, tones[0] - 12, int(length * 0.7), 80)
            # The harp breaks each chord upward, one tone per eighth.
            arpeggio = tones + [tones[0] + 12, tones[1] + 12, tones[2] + 12]
            eighth = TICKS // 2
            for step in range(int(beats * 2)):
                harp.play(chord_tick + step * eighth, arpeggio[step % 6] + 12, eighth, 58)
            chord_tick += length
    # The last chord rings for a beat; then every sound stops, so the tune ends there and the
    # next one follows without a gap.
    tick += TICKS
    for track in (flute, harp, strings, bass):
        track.add(tick, bytes([0xB0 | track.channel, ALL_SOUND_OFF, 0]))

    tracks = [conductor, flute, harp, strings, bass]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_bytes(header + b"".join(t.chunk() for t in tracks))
    seconds = tick / TICKS * 60 / TEMPO_BPM
    print(f"{target.name}: {target.stat().st_size} bytes, {seconds:.0f} seconds")


if __name__ == "__main__":
    main()
