#pragma once

#include <memory>

#include "midi/InputBackend.h"
#include "midi/MidiBackend.h"

namespace tonalyx {

// The platform's MIDI output service (one API per run).
std::unique_ptr<MidiBackend> CreateSystemMidiBackend();
// The platform's MIDI input service, with the same API as the outputs.
std::unique_ptr<MidiInputBackend> CreateSystemMidiInput();

}  // namespace tonalyx
