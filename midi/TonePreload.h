#pragma once

#include <cstdint>
#include <span>

namespace tonalyx {

class MidiPort;

// A backend that can get the sounds of a press ready before the press comes
// (the built-in synth reads their samples). Nothing sounds and nothing is sent
// to a device for it; a backend without this ability is never asked.
class TonePreloading {
 public:
  virtual ~TonePreloading() = default;
  // `press` holds the short messages the press would send.
  virtual void Preload(std::span<const std::uint32_t> press) = 0;
};

// Hands `press` to the backend of the open device when it can get ready for
// it; sends nothing.
void PreloadPress(MidiPort& port, std::span<const std::uint32_t> press);

}  // namespace tonalyx
