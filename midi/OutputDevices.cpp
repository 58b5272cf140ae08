#include "midi/OutputDevices.h"

#include "midi/CombinedBackend.h"
#include "midi/SynthBackend.h"
#include "midi/SystemMidi.h"

namespace tonalyx {

std::unique_ptr<MidiBackend> CreateOutputBackend(std::function<std::filesystem::path()> soundfont) {
  SynthBackend::Options synth;
  synth.soundfont = std::move(soundfont);
  return std::make_unique<CombinedBackend>(CreateSystemMidiBackend(),
                                           std::make_unique<SynthBackend>(std::move(synth)));
}

}  // namespace tonalyx
