#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tonalyx {

// One MIDI output service: it lists its output devices by identifier 0..N-1 and
// drives at most one of them at a time. The port (MidiPort) decides when to call
// what; a backend only carries the call to its service.
class MidiBackend {
 public:
  virtual ~MidiBackend() = default;

  virtual int DeviceCount() = 0;
  // The device's name as shown and stored, or nothing when its capabilities
  // cannot be read (the caller then leaves the device out of its list).
  virtual std::optional<std::string> DeviceName(int id) = 0;
  // True when the device is open and ready to take messages.
  virtual bool Open(int id) = 0;
  virtual void Close() = 0;
  // Silences every channel of the open device with the service's own reset
  // and returns true, or returns false when the service has none (the port
  // then sends the controllers itself).
  virtual bool Reset() { return false; }
  virtual void SendShort(std::uint32_t message) = 0;
  virtual void SendSysEx(std::span<const std::uint8_t> bytes) = 0;
};

}  // namespace tonalyx
