#!/usr/bin/env python3
"""Reads every song clip the program makes back with Python's mido (Debian python3-mido),
which shares nothing with the program's writer, and checks it against the manifest of
midi_clip_gen: a Standard MIDI File of format 0 at 480 ticks per quarter and 120 BPM, its
track name, every event at its tick with the bytes the press of that sound sends (minus the
note, on the clip's channel), no module reset anywhere, the end of the track after one bar.

usage: check_midi_clips.py MIDI_CLIP_GEN
Exit status 1 on the first difference found.
"""
import json
import subprocess
import sys
import tempfile
from pathlib import Path

import mido

RESETS = [
    [0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7],  # GS Reset
    [0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7],  # XG System On
    [0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7],  # GM System On
]


def check_clip(path, expected):
    # The track name is UTF-8 (the en dash, a name the user gave).
    midi = mido.MidiFile(str(path), charset="utf-8")
    problems = []
    if midi.type != 0 or len(midi.tracks) != 1:
        problems.append(f"format {midi.type} with {len(midi.tracks)} tracks")
    if midi.ticks_per_beat != 480:
        problems.append(f"{midi.ticks_per_beat} ticks per quarter")
    tick = 0
    meta = {}
    events = []
    end = None
    for message in midi.tracks[0]:
        tick += message.time
        if message.is_meta:
            meta.setdefault(message.type, message)
            if message.type == "end_of_track":
                end = tick
            continue
        events.append([tick, " ".join(f"{b:02x}" for b in message.bytes())])
        if message.bytes() in RESETS:
            problems.append(f"a reset at tick {tick}")
    if "set_tempo" not in meta or meta["set_tempo"].tempo != 500000:
        problems.append("no tempo of 120 BPM")
    if "track_name" not in meta or meta["track_name"].name != expected["track"]:
        found = meta["track_name"].name if "track_name" in meta else None
        problems.append(f"track name {found!r}, not {expected['track']!r}")
    if events != expected["events"]:
        problems.append(f"events {events}\n  expected {expected['events']}")
    if end != 1920:
        problems.append(f"the track ends at tick {end}, not after one bar (1920)")
    return problems


def main():
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([sys.argv[1], folder], check=True)
        manifest = json.loads((Path(folder) / "manifest.json").read_text(encoding="utf-8"))
        failed = False
        for expected in manifest:
            problems = check_clip(Path(folder) / expected["file"], expected)
            status = "differs" if problems else "ok"
            print(f"{expected['file']}: {len(expected['events'])} events, {status}")
            for problem in problems:
                print("  " + problem)
            failed = failed or bool(problems)
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
