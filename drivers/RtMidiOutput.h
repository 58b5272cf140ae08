#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "drivers/RtMidiApi.h"
#include "midi/MidiBackend.h"

class RtMidiOut;

namespace tonalyx {

// The system's MIDI outputs through RtMidi, with one API for the whole run: on
// Linux the ALSA sequencer when it can be opened, otherwise JACK; on macOS
// CoreMIDI (Windows has its own backend, WinMmOutput). Device identifiers are
// that API's output ports in order. RtMidi never throws from here: errors go
// to a callback that only keeps the last message, and an open counts as failed
// when no port is open after it.
class RtMidiOutput : public MidiBackend {
 public:
  using Api = RtMidiApi;

  RtMidiOutput();
  ~RtMidiOutput() override;
  RtMidiOutput(const RtMidiOutput&) = delete;
  RtMidiOutput& operator=(const RtMidiOutput&) = delete;

  int DeviceCount() override;
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  void Close() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;

  Api ActiveApi() const { return api_; }
  // The text of RtMidi's last error or warning, empty when there was none.
  const std::string& LastError() const { return last_error_; }

 private:
  // Under JACK a message reaches the device a period or two after the send,
  // and only once the port's new connection is in the graph: the first send
  // after an open waits a few periods after the open, a close a few periods
  // after the last send. Other APIs deliver at once and never wait.
  void BeforeSend();
  void AfterSend();
  void DrainBeforeClose();
  static void WaitUntil(std::chrono::steady_clock::time_point until);

  std::unique_ptr<RtMidiOut> out_;
  Api api_ = Api::kNone;
  std::string last_error_;
  bool sent_since_open_ = false;
  std::chrono::steady_clock::time_point opened_at_;
  std::chrono::steady_clock::time_point last_send_;
};

}  // namespace tonalyx
