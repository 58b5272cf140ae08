#include "drivers/SystemMidi.h"

#if defined(_WIN32)
#include "drivers/WinMmInput.h"
#include "drivers/WinMmOutput.h"
#include "drivers/WindowsText.h"
#else
#include "drivers/RtMidiInput.h"
#include "drivers/RtMidiOutput.h"
#endif

namespace tonalyx {

// The Windows multimedia API on Windows, RtMidi everywhere else.
std::unique_ptr<MidiBackend> CreateSystemMidiBackend() {
#if defined(_WIN32)
  return std::make_unique<WinMmOutput>();
#else
  return std::make_unique<RtMidiOutput>();
#endif
}

std::unique_ptr<MidiInputBackend> CreateSystemMidiInput() {
#if defined(_WIN32)
  return std::make_unique<WinMmInput>();
#else
  return std::make_unique<RtMidiInput>();
#endif
}

std::string DeviceNameFromOlderSettings(std::string_view stored) {
#if defined(_WIN32)
  return CodePageToUtf8(stored);
#else
  return std::string(stored);
#endif
}

}  // namespace tonalyx
