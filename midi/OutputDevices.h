#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "midi/MidiBackend.h"

namespace tonalyx {

// Every MIDI output the program offers: the platform's devices in their own
// order, then the built-in synth. With no platform device the synth is the
// first entry, so a first run opens it and sounds at once. The synth asks
// `soundfont` for its soundfont each time it opens. A build without the
// built-in synth (Windows, which has a synth of its own among its devices)
// offers the platform's devices alone.
std::unique_ptr<MidiBackend> CreateOutputBackend(std::function<std::filesystem::path()> soundfont);

}  // namespace tonalyx
