#pragma once

#include <memory>
#include <optional>
#include <string>

#include "midi/InputBackend.h"
#include "midi/RtMidiApi.h"

class RtMidiIn;

namespace tonalyx {

// The system's MIDI inputs through RtMidi, chosen as the outputs are (the
// ALSA sequencer, else JACK; CoreMIDI on macOS). Device identifiers are that
// API's input ports in order; the program's own output port is listed by the
// service but left out here (as a device without a name), so the program
// never listens to itself. Everything that arrives, system exclusive and
// timing included, is handed on as it comes; the receiver sorts it out.
class RtMidiInput : public MidiInputBackend {
 public:
  RtMidiInput();
  ~RtMidiInput() override;
  RtMidiInput(const RtMidiInput&) = delete;
  RtMidiInput& operator=(const RtMidiInput&) = delete;

  int DeviceCount() override;
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id, Receiver receiver) override;
  void Close() override;

  RtMidiApi ActiveApi() const { return api_; }

 private:
  std::unique_ptr<RtMidiIn> in_;
  RtMidiApi api_ = RtMidiApi::kNone;
  std::string last_error_;
  Receiver receiver_;
};

}  // namespace tonalyx
