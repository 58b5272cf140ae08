#include "midi/SystemMidi.h"

#include "midi/RtMidiBackend.h"

namespace tonalyx {

std::unique_ptr<MidiBackend> CreateSystemMidiBackend() { return std::make_unique<RtMidiBackend>(); }

}  // namespace tonalyx
