#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drivers/RtMidiApi.h"
#include "midi/InputBackend.h"
#include "midi/ReceiverGate.h"

class RtMidiIn;

namespace tonalyx {

// The system's MIDI inputs through RtMidi, chosen as the outputs are (the
// ALSA sequencer, else JACK; CoreMIDI on macOS). Device identifiers are that
// API's input ports in order; the program's own output port is listed by the
// service but left out here (as a device without a name), so the program
// never listens to itself. Each message arrives as one delivery; system
// exclusive, timing and active sensing are dropped by RtMidi already.
// RtMidi's client is made on first use, so a run in which no input is chosen
// or listed adds no client to the MIDI service (under JACK, none to its graph).
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

 private:
  // The client, made when first asked for; null when no API answers.
  RtMidiIn* Client();
  // RtMidi's callback, on its input thread; `input` is this object.
  static void Deliver(double delta_time, std::vector<unsigned char>* message, void* input);

  std::unique_ptr<RtMidiIn> in_;
  bool tried_ = false;
  RtMidiApi api_ = RtMidiApi::kNone;
  std::string last_error_;
  Receiver receiver_;
  // Between a successful setCallback and the Close that cancels it.
  bool listening_ = false;
  ReceiverGate gate_;
};

}  // namespace tonalyx
