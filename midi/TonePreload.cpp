#include "midi/TonePreload.h"

#include "midi/MidiPort.h"

namespace tonalyx {

void PreloadPress(MidiPort& port, std::span<const std::uint32_t> press) {
  if (!port.IsOpen()) return;
  if (auto* preloading = dynamic_cast<TonePreloading*>(&port.Backend())) {
    preloading->Preload(press);
  }
}

}  // namespace tonalyx
