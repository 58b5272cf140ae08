#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tonalyx {

// The module reset messages, complete from F0 to F7. They live for the whole
// run, so a device may still read them after a send returns.
inline constexpr std::array<std::uint8_t, 6> GmSystemOn = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
inline constexpr std::array<std::uint8_t, 11> GsReset = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40,
                                                         0x00, 0x7F, 0x00, 0x41, 0xF7};
inline constexpr std::array<std::uint8_t, 9> XgSystemOn = {0xF0, 0x43, 0x10, 0x4C, 0x00,
                                                           0x00, 0x7E, 0x00, 0xF7};

// The reset message for a module type (0 GS, 1 XG, 2 GM); GM2 and anything else
// has none and gives an empty span.
std::span<const std::uint8_t> ModuleResetMessage(int moduleType);

}  // namespace tonalyx
