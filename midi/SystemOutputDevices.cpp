#include "midi/OutputDevices.h"

#include "midi/SystemMidi.h"

namespace tonalyx {

// A build without the built-in synth offers the platform's devices alone; it
// has no soundfont to ask for.
std::unique_ptr<MidiBackend> CreateOutputBackend(std::function<std::filesystem::path()>) {
  return CreateSystemMidiBackend();
}

}  // namespace tonalyx
