#pragma once

#include <optional>
#include <string>

#include "drivers/WinMmInCalls.h"
#include "midi/InputBackend.h"
#include "midi/ReceiverGate.h"

namespace tonalyx {

// The system's MIDI inputs through the Windows multimedia API, identifiers
// 0..midiInGetNumDevs()-1. The device is opened with a callback, which the
// platform calls on a thread of its own with each short message (running
// status already resolved); it hands the message's bytes to the receiver and
// nothing else. No buffers are given for system exclusive, so the platform
// drops what the keyboard sends of it, as the thru would.
class WinMmInput : public MidiInputBackend {
 public:
  explicit WinMmInput(WinMmInCalls& api = SystemWinMmInCalls()) : api_(api) {}
  ~WinMmInput() override;
  WinMmInput(const WinMmInput&) = delete;
  WinMmInput& operator=(const WinMmInput&) = delete;

  int DeviceCount() override;
  // The capabilities record's name (midiInGetDevCapsW), cut at its first
  // NUL, as UTF-8.
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id, Receiver receiver) override;
  void Close() override;

  // The platform's callback (midiInProc); `instance` is the backend.
  static void CALLBACK Callback(HMIDIIN handle, UINT message, DWORD_PTR instance, DWORD_PTR param1,
                                DWORD_PTR param2);

 private:
  void Take(DWORD message);

  WinMmInCalls& api_;
  HMIDIIN handle_ = nullptr;
  Receiver receiver_;
  ReceiverGate gate_;
};

}  // namespace tonalyx
