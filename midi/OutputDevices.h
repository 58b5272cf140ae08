#pragma once

#include <filesystem>
#include <memory>

#include "midi/MidiBackend.h"

namespace tonalyx {

// Every MIDI output the program offers: the platform's devices in their own
// order, then the built-in synth. With no platform device the synth is the
// first entry, so a first run opens it and sounds at once.
std::unique_ptr<MidiBackend> CreateOutputBackend(const std::filesystem::path& settingsPath);

}  // namespace tonalyx
