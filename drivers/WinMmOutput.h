#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "drivers/WinMmOutCalls.h"
#include "midi/MidiBackend.h"

namespace tonalyx {

// The system's MIDI outputs through the Windows multimedia API. Device
// identifiers are the API's own, 0..midiOutGetNumDevs()-1. The device is
// opened without a callback, and nothing is received from it. Sends allocate
// nothing: short messages go out as the packed value, and system exclusive
// messages through one header that every send reuses, pointed at the caller's
// bytes, which must outlive the send (the device may read them after the call
// returns; the port only sends the static reset messages).
class WinMmOutput : public MidiBackend {
 public:
  explicit WinMmOutput(WinMmOutCalls& api = SystemWinMmOutCalls()) : api_(api) {}
  ~WinMmOutput() override;
  WinMmOutput(const WinMmOutput&) = delete;
  WinMmOutput& operator=(const WinMmOutput&) = delete;

  int DeviceCount() override;
  // The capabilities record's name, cut at its first NUL and converted from
  // the ANSI code page to UTF-8.
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  void Close() override;
  // midiOutReset: the platform ends every sounding note on every channel.
  bool Reset() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;

  // The result of the last platform call, for diagnostics (0 is success).
  MMRESULT LastResult() const { return last_result_; }

 private:
  WinMmOutCalls& api_;
  HMIDIOUT handle_ = nullptr;
  // Only its data pointer and length are ever set; the platform keeps its
  // flags. Prepared again before each send, never waited for.
  MIDIHDR sys_ex_header_{};
  MMRESULT last_result_ = MMSYSERR_NOERROR;
};

// Text in a code page (the ANSI one by default) as UTF-8.
std::string CodePageToUtf8(std::string_view text, UINT code_page = CP_ACP);

}  // namespace tonalyx
