#pragma once

#include <filesystem>
#include <memory>

#include "midi/MidiBackend.h"

namespace tonalyx {

// Every MIDI output the program offers: the platform's devices in their own
// order, then the built-in synth. With no platform device the synth is the
// first entry, so a first run opens it and sounds at once. Each time the
// synth opens it reads its soundfont from the settings file at
// `settings_path` (the system's General MIDI soundfont when none is named).
// A build without the built-in synth (Windows, which has a synth of its own
// among its devices) offers the platform's devices alone.
std::unique_ptr<MidiBackend> CreateOutputBackend(std::filesystem::path settings_path);

}  // namespace tonalyx
