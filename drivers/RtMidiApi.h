#pragma once

namespace tonalyx {

// Our own client and ports as other programs see them (JACK, ALSA, CoreMIDI).
inline constexpr const char* kRtMidiClientName = "Tonalyx";
inline constexpr const char* kRtMidiOutPortName = "Tonalyx Out";
inline constexpr const char* kRtMidiInPortName = "Tonalyx In";

// The MIDI service RtMidi talks to in this run.
enum class RtMidiApi { kNone, kAlsa, kJack, kCoreMidi };

}  // namespace tonalyx
