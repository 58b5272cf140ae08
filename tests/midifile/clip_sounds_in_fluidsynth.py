#!/usr/bin/env python3
"""A real consumer: FluidSynth's command line renders a song clip of the program
(fluidsynth -ni -F out.wav SOUNDFONT clip.mid) and the audio must not be silent where the
test note plays (beat 2, from 0.5 s) and must be quiet before it (beat 1), where the clip
only sets the tone up.

usage: clip_sounds_in_fluidsynth.py MIDI_CLIP_GEN SOUNDFONT
Prints the measured levels in dBFS; exit status 1 when they are not as above.
"""
import array
import math
import subprocess
import sys
import tempfile
import wave
from pathlib import Path


def levels(path, start, end):
    """Peak and RMS level in dBFS of the samples between two times in seconds."""
    with wave.open(str(path)) as audio:
        if audio.getsampwidth() != 2:
            raise SystemExit(f"{path}: {8 * audio.getsampwidth()}-bit samples, not 16")
        rate, channels = audio.getframerate(), audio.getnchannels()
        audio.setpos(int(start * rate))
        samples = array.array("h", audio.readframes(int((end - start) * rate)))
    if sys.byteorder == "big":
        samples.byteswap()
    peak = max((abs(s) for s in samples), default=0)
    rms = math.sqrt(sum(s * s for s in samples) / max(len(samples), 1))
    db = lambda value: 20 * math.log10(value / 32768) if value > 0 else -math.inf
    return db(peak), db(rms), len(samples) // channels


def main():
    generator, soundfont = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([generator, folder], check=True)
        clip = Path(folder) / "gs-tone.mid"
        out = Path(folder) / "out.wav"
        command = ["fluidsynth", "-ni", "-F", str(out), soundfont, str(clip)]
        print(" ".join(command))
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        before_peak, before_rms, _ = levels(out, 0.0, 0.45)
        note_peak, note_rms, frames = levels(out, 0.5, 1.0)
        print(f"beat 1 (set-up only): peak {before_peak:.1f} dBFS, RMS {before_rms:.1f} dBFS")
        print(f"beat 2 (test note): peak {note_peak:.1f} dBFS, RMS {note_rms:.1f} dBFS "
              f"over {frames} frames")
        if note_peak < -30 or before_peak > -60:
            print("not as expected: the note must sound (peak above -30 dBFS) and beat 1 be "
                  "quiet (peak below -60 dBFS)")
            return 1
        return 0


if __name__ == "__main__":
    sys.exit(main())
