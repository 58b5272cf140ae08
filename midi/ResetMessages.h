#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "midi/ModuleKind.h"

namespace tonalyx {

// The module reset messages, complete from F0 to F7. They live for the whole
// run, so a device may still read them after a send returns.
inline constexpr std::array<std::uint8_t, 6> GmSystemOn = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
inline constexpr std::array<std::uint8_t, 11> GsReset = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40,
                                                         0x00, 0x7F, 0x00, 0x41, 0xF7};
inline constexpr std::array<std::uint8_t, 9> XgSystemOn = {0xF0, 0x43, 0x10, 0x4C, 0x00,
                                                           0x00, 0x7E, 0x00, 0xF7};

// The reset message of a module type; GM2 (and a value that names no type)
// has none and gives an empty span.
std::span<const std::uint8_t> ModuleResetMessage(ModuleKind type);

}  // namespace tonalyx
