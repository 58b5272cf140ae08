#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "midi/InputBackend.h"
#include "midi/MidiBackend.h"

namespace tonalyx {

// The platform's MIDI output service (one API per run).
std::unique_ptr<MidiBackend> CreateSystemMidiBackend();
// The platform's MIDI input service, with the same API as the outputs.
std::unique_ptr<MidiInputBackend> CreateSystemMidiInput();
// A device name as a settings file of an older program may hold it, as the
// device list shows it: on Windows, where names were once stored in the ANSI
// code page, converted from that to UTF-8; elsewhere, where they were
// always stored as shown, unchanged.
std::string DeviceNameFromOlderSettings(std::string_view stored);

}  // namespace tonalyx
