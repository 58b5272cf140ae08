#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "midi/MidiBackend.h"
#include "midi/ModuleKind.h"

namespace tonalyx {

// The one MIDI output device of the program. Only OpenPort reports a result;
// after a failed open or a close, every send, reset and close does nothing.
// Every call holds the port's lock, so the MIDI input's thru thread may send
// while the window thread opens, closes, lists or sends.
class MidiPort {
 public:
  explicit MidiPort(MidiBackend& backend) : backend_(backend) {}

  bool OpenPort(int id);
  void ClosePort();
  // Silences every channel: with the backend's own reset where it has one,
  // else All Notes Off (controller 123) and sustain off (controller 64 value 0)
  // on channels 1 to 16.
  void ResetPort();
  void SendShort(std::uint32_t message);
  void SendSysEx(std::span<const std::uint8_t> bytes);
  // GS Reset, XG System On or GM System On by module type; GM2 sends nothing.
  void SendModuleReset(ModuleKind type);

  // The backend's device list, read under the lock.
  int DeviceCount();
  std::optional<std::string> DeviceName(int id);

  bool IsOpen() const { return open_.load(); }
  MidiBackend& Backend() { return backend_; }

 private:
  void CloseLocked();
  void SendShortLocked(std::uint32_t message);

  MidiBackend& backend_;
  std::mutex mutex_;
  std::atomic<bool> open_ = false;
};

}  // namespace tonalyx
