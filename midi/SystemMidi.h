#pragma once

#include <memory>

#include "midi/MidiBackend.h"

namespace tonalyx {

// The platform's MIDI output service (one API per run).
std::unique_ptr<MidiBackend> CreateSystemMidiBackend();

}  // namespace tonalyx
