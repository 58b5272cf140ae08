#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "midi/MidiPort.h"

namespace tonalyx {

// The bars of the controller window, by row.
enum class ControllerBar {
  kVelocity = 1,
  kModulation,
  kReverb,
  kChorus,
  kDelay,
  kPan,
  kPitchBend,
  kBendSensitivity,
};

// What one bar sends at once when its position changes. Modulation, effect
// sends and pan go to the rhythm channel 10 and then to channel 1; pitch bend
// and the bend sensitivity go to channel 1 only; velocity sends nothing (it
// waits for the next note on).
class ControllerChange {
 public:
  ControllerChange(ControllerBar bar, int position);
  std::span<const std::uint32_t> Messages() const { return {messages_.data(), count_}; }

 private:
  void Add(std::uint32_t message) { messages_[count_++] = message; }

  std::array<std::uint32_t, 6> messages_{};
  std::size_t count_ = 0;
};

// Sends a bar's change messages, whatever the module type.
void SendControllerChange(MidiPort& port, ControllerBar bar, int position);

}  // namespace tonalyx
