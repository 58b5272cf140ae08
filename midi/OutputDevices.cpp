#include "midi/OutputDevices.h"

#include "midi/CombinedBackend.h"
#include "midi/SynthBackend.h"
#include "midi/SystemMidi.h"

namespace tonalyx {

std::unique_ptr<MidiBackend> CreateOutputBackend(const std::filesystem::path& settingsPath) {
  SynthBackend::Options synth;
  synth.settingsPath = settingsPath;
  return std::make_unique<CombinedBackend>(CreateSystemMidiBackend(),
                                           std::make_unique<SynthBackend>(std::move(synth)));
}

}  // namespace tonalyx
