#include "midi/SystemMidi.h"

#if defined(_WIN32)
#include "midi/WinMmBackend.h"
#include "midi/WinMmInput.h"
#else
#include "midi/RtMidiBackend.h"
#include "midi/RtMidiInput.h"
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

std::unique_ptr<MidiInputBackend> CreateSystemMidiInput() {
#if defined(_WIN32)
  return std::make_unique<WinMmInput>();
#else
  return std::make_unique<RtMidiInput>();
#endif
}

}  // namespace tonalyx
