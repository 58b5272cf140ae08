#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "midi/ShortMessage.h"

namespace tonalyx {

// The channel message that one delivery of a MIDI input service holds.
//
// Every input service the program uses hands over one whole message per
// delivery: RtMidi on the ALSA sequencer and on JACK (one event each), and
// WinMM's MIM_DATA (one short message, running status already resolved). So a
// delivery is taken as a whole and nothing is carried over to the next one:
// a message cut short, data bytes without a status, a stray end of system
// exclusive, system exclusive itself, the system common and real-time
// messages all give nothing. A byte-stream service that splits messages or
// uses running status across deliveries would need a parser with state.
constexpr std::optional<std::uint32_t> ChannelMessageOf(std::span<const std::uint8_t> delivery) {
  if (delivery.empty()) return std::nullopt;
  const int status = delivery[0];
  if (status < 0x80 || status >= 0xF0) return std::nullopt;
  const auto length = static_cast<std::size_t>(ShortMessageLength(ShortMessage(status, 0)));
  if (delivery.size() != length) return std::nullopt;
  for (const std::uint8_t data : delivery.subspan(1))
    if (data >= 0x80) return std::nullopt;
  return ShortMessage(status, delivery[1], length == 3 ? delivery[2] : 0);
}

}  // namespace tonalyx
