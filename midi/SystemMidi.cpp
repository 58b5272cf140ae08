#include "midi/SystemMidi.h"

#if defined(_WIN32)
#include "midi/WinMmBackend.h"
#else
#include "midi/RtMidiBackend.h"
#endif

namespace tonalyx {

// The Windows multimedia API on Windows, RtMidi everywhere else.
std::unique_ptr<MidiBackend> CreateSystemMidiBackend() {
#if defined(_WIN32)
  return std::make_unique<WinMmBackend>();
#else
  return std::make_unique<RtMidiBackend>();
#endif
}

}  // namespace tonalyx
