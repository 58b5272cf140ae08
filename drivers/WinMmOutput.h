#pragma once

#include <condition_variable>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "drivers/WinMmOutCalls.h"
#include "midi/MidiBackend.h"

namespace tonalyx {

// The system's MIDI outputs through the Windows multimedia API. Device
// identifiers are the API's own, 0..midiOutGetNumDevs()-1.
//
// Short messages go out as the packed value. Each system exclusive message
// gets a header and a copy of its bytes of its own, so that several may be
// on their way at once (a reset and the message after it): the platform
// reads a header until it marks it done, and a header prepared again before
// that loses or garbles the next message. The device is opened with an
// event that the platform sets when a header is done; a thread of the
// backend's then unprepares it, so no send ever waits for the device. Done
// headers are used again, so a send allocates nothing once the backend has
// as many as are ever on their way at once (four from the start).
class WinMmOutput : public MidiBackend {
 public:
  explicit WinMmOutput(WinMmOutCalls& api = SystemWinMmOutCalls());
  ~WinMmOutput() override;
  WinMmOutput(const WinMmOutput&) = delete;
  WinMmOutput& operator=(const WinMmOutput&) = delete;

  int DeviceCount() override;
  // The capabilities record's name (midiOutGetDevCapsW), cut at its first
  // NUL, as UTF-8.
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  // Lets the system exclusive messages still playing finish (a reset
  // message sent just before is not cut off; a device that has not finished
  // them within kLongMessageDrainMs is reset), unprepares every header and
  // closes the device.
  void Close() override;
  // midiOutReset: the platform ends every sounding note on every channel.
  bool Reset() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;

  // The result of the last platform call, for diagnostics (0 is success).
  MMRESULT LastResult() const { return last_result_; }

  // How long a close waits for the device to play what it was given.
  static constexpr int kLongMessageDrainMs = 250;

 private:
  // One system exclusive message: its header and its own copy of the bytes.
  struct LongMessage {
    MIDIHDR header{};
    std::vector<std::uint8_t> bytes;
    bool on_its_way = false;
  };

  LongMessage& FreeLongMessage();
  // Unprepares the headers the device has marked done; true when none is
  // left on its way.
  bool UnprepareDoneLocked();
  void RunUnpreparer();
  void StopUnpreparer();

  WinMmOutCalls& api_;
  HMIDIOUT handle_ = nullptr;
  MMRESULT last_result_ = MMSYSERR_NOERROR;

  // The platform sets it for every header done (and at open and close).
  HANDLE done_event_ = nullptr;
  std::thread unpreparer_;
  // Guards the messages, their headers' flags as read here and `stopping_`.
  std::mutex mutex_;
  std::condition_variable all_done_;
  // A list: a header must stay where it is while the platform holds it.
  std::list<LongMessage> long_messages_;
  bool stopping_ = false;
};

}  // namespace tonalyx
