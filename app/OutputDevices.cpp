#include "app/OutputDevices.h"

#include "drivers/SystemMidi.h"
#if defined(TONALYX_BUILTIN_SYNTH)
#include "midi/CombinedBackend.h"
#include "settings/SoundfontSetting.h"
#include "synth/SynthBackend.h"
#endif

namespace tonalyx {

std::unique_ptr<MidiBackend> CreateOutputBackend(std::filesystem::path settings_path) {
#if defined(TONALYX_BUILTIN_SYNTH)
  SynthBackend::Options synth;
  synth.soundfont = [settings_path = std::move(settings_path)] {
    return SoundfontSetting(settings_path, kSystemSoundfont);
  };
  return std::make_unique<CombinedBackend>(CreateSystemMidiBackend(),
                                           std::make_unique<SynthBackend>(std::move(synth)));
#else
  static_cast<void>(settings_path);
  return CreateSystemMidiBackend();
#endif
}

}  // namespace tonalyx
