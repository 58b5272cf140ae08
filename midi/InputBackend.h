#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace tonalyx {

// One MIDI input service: it lists its input devices by identifier 0..N-1 and
// listens to at most one of them at a time.
class MidiInputBackend {
 public:
  // Gets the bytes as they arrive, on the service's own thread: whole
  // messages, parts of one, or several, in order. It must not block.
  using Receiver = std::function<void(std::span<const std::uint8_t> bytes)>;

  virtual ~MidiInputBackend() = default;

  virtual int DeviceCount() = 0;
  // The device's name as shown and stored, or nothing when it cannot be read.
  virtual std::optional<std::string> DeviceName(int id) = 0;
  // True when the device is open; from then on `receiver` gets its bytes.
  virtual bool Open(int id, Receiver receiver) = 0;
  // Once Close returns, the receiver is not called again.
  virtual void Close() = 0;
};

}  // namespace tonalyx
