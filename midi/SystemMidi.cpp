#include "midi/SystemMidi.h"

#include "midi/RecordingBackend.h"

namespace tonalyx {

std::unique_ptr<MidiBackend> CreateSystemMidiBackend() {
  return std::make_unique<RecordingBackend>(std::vector<std::optional<std::string>>{});
}

}  // namespace tonalyx
