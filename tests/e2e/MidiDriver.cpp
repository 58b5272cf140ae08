// Drives the real system MIDI backend for the end-to-end tests:
//
//   tonalyx_e2e_driver api                     prints the MIDI API of this run
//   tonalyx_e2e_driver list                    prints "<id>\t<name>" per device
//   tonalyx_e2e_driver <scenario> <device>     opens the device with that exact
//                                              name, runs the scenario, closes
//
// Exit status: 0 done, 2 usage, 3 no device of that name, 4 the open failed.

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "drivers/RtMidiOutput.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

// A scenario gets the open port and the device's identifier (to reopen it);
// the driver closes the port afterwards. The test script compares what the
// capture client received with expected/<scenario>.hex.
using Scenario = std::function<void(MidiPort&, int id)>;
const std::map<std::string, Scenario>& Scenarios() {
  static const std::map<std::string, Scenario> kScenarios = {
      {"resets",
       [](MidiPort& port, int) {
         port.SendShort(AllSoundOffDrums);
         for (int type = 0; type <= 3; ++type) port.SendModuleReset(static_cast<ModuleKind>(type));
         port.ResetPort();
       }},
      // A device change to the same device: what was sent just before the
      // close and just after the new open both arrive.
      {"reopen",
       [](MidiPort& port, int id) {
         port.SendShort(AllSoundOffDrums);
         port.ClosePort();
         port.SendShort(ShortMessage(0x90, 60, 100));  // port closed: goes nowhere
         if (!port.OpenPort(id)) return;
         port.SendModuleReset(ModuleKind::kGs);
         port.SendShort(AllSoundOffDrums);
       }},
  };
  return kScenarios;
}

const char* ApiName(RtMidiOutput::Api api) {
  switch (api) {
    case RtMidiOutput::Api::kAlsa:
      return "alsa";
    case RtMidiOutput::Api::kJack:
      return "jack";
    case RtMidiOutput::Api::kCoreMidi:
      return "coremidi";
    case RtMidiOutput::Api::kNone:
      break;
  }
  return "none";
}

int FindDevice(MidiBackend& backend, const std::string& name) {
  const int count = backend.DeviceCount();
  for (int id = 0; id < count; ++id)
    if (backend.DeviceName(id) == name) return id;
  return -1;
}

int Run(int argc, char** argv) {
  RtMidiOutput backend;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "api" && argc == 2) {
    std::printf("%s\n", ApiName(backend.ActiveApi()));
    return 0;
  }
  if (command == "list" && argc == 2) {
    const int count = backend.DeviceCount();
    for (int id = 0; id < count; ++id) {
      const auto name = backend.DeviceName(id);
      std::printf("%d\t%s\n", id, name ? name->c_str() : "(name unreadable)");
    }
    return 0;
  }
  const auto scenario = Scenarios().find(command);
  if (scenario == Scenarios().end() || argc != 3) {
    std::fprintf(stderr, "usage: %s api | list | <scenario> <device name>\nscenarios:", argv[0]);
    for (const auto& entry : Scenarios()) std::fprintf(stderr, " %s", entry.first.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  const int id = FindDevice(backend, argv[2]);
  if (id < 0) {
    std::fprintf(stderr, "no MIDI output device named \"%s\" (API %s)\n", argv[2],
                 ApiName(backend.ActiveApi()));
    return 3;
  }
  MidiPort port(backend);
  if (!port.OpenPort(id)) {
    std::fprintf(stderr, "opening \"%s\" failed: %s\n", argv[2], backend.LastError().c_str());
    return 4;
  }
  scenario->second(port, id);
  port.ClosePort();
  return 0;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc, argv); }
