#pragma once

#include <cstdint>
#include <span>

#include "midi/MidiBackend.h"

namespace tonalyx {

// The one MIDI output device of the program. Only OpenPort reports a result;
// after a failed open or a close, every send, reset and close does nothing.
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
  void SendModuleReset(int moduleType);

  bool IsOpen() const { return open_; }
  MidiBackend& Backend() { return backend_; }

 private:
  MidiBackend& backend_;
  bool open_ = false;
};

}  // namespace tonalyx
