#pragma once

#include <cstdint>
#include <span>

namespace tonalyx {

// The numbers GS and XG modules share for what they take beyond General MIDI.

// Part parameters: NRPN MSB 01, LSB below; the value relative to the tone's
// own, 40H = no change.
inline constexpr int kPartNrpnMsb = 0x01;
inline constexpr int kVibratoRateNrpn = 0x08;
inline constexpr int kVibratoDepthNrpn = 0x09;
inline constexpr int kVibratoDelayNrpn = 0x0A;
inline constexpr int kCutoffNrpn = 0x20;
inline constexpr int kResonanceNrpn = 0x21;
inline constexpr int kAttackNrpn = 0x63;
inline constexpr int kDecayNrpn = 0x64;
inline constexpr int kReleaseNrpn = 0x66;

// Drum instrument parameters: NRPN MSB below, the note number as LSB. Pitch,
// cutoff, resonance, attack and decay are relative (40H = no change); level,
// pan (0 = random) and the sends absolute. Cutoff to decay and the variation
// send are XG's alone.
inline constexpr int kDrumCutoffNrpn = 0x14;
inline constexpr int kDrumResonanceNrpn = 0x15;
inline constexpr int kDrumAttackNrpn = 0x16;
inline constexpr int kDrumDecayNrpn = 0x17;
inline constexpr int kDrumPitchNrpn = 0x18;
inline constexpr int kDrumLevelNrpn = 0x1A;
inline constexpr int kDrumPanNrpn = 0x1C;
inline constexpr int kDrumReverbNrpn = 0x1D;
inline constexpr int kDrumChorusNrpn = 0x1E;
inline constexpr int kDrumVariationNrpn = 0x1F;

// Effect types. GS: data set F0 41 10 42 12, address 40 01 <low>, the macro,
// checksum, F7. XG: parameter change F0 43 1n 4C, address 02 01 <low>, type
// MSB and LSB, F7.
inline constexpr std::uint8_t kGsReverbMacroAddress = 0x30;
inline constexpr std::uint8_t kGsChorusMacroAddress = 0x38;
inline constexpr std::uint8_t kXgReverbTypeAddress = 0x00;
inline constexpr std::uint8_t kXgChorusTypeAddress = 0x20;

// The GS checksum of a data set's address and data bytes: what makes their
// sum with it a multiple of 128.
constexpr std::uint8_t GsChecksum(std::span<const std::uint8_t> address_and_data) {
  int sum = 0;
  for (const std::uint8_t byte : address_and_data) sum += byte;
  return static_cast<std::uint8_t>((128 - sum % 128) % 128);
}

}  // namespace tonalyx
