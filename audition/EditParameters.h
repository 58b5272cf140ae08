#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "midi/ModuleKind.h"
#include "midi/ModuleParameterNumbers.h"

namespace tonalyx {

// The parameters of a part that GS and XG modules take as NRPN (MSB 01, LSB
// below) with the same numbers. Each is relative to the tone's own setting:
// 0 (sent as 40H) changes nothing.
enum class PartParameter : std::uint8_t {
  kVibratoRate,
  kVibratoDepth,
  kVibratoDelay,
  kCutoff,
  kResonance,
  kAttack,
  kDecay,
  kRelease,
};
inline constexpr int kPartParameterCount = 8;

// The NRPN LSB of a part parameter.
constexpr int PartParameterLsb(PartParameter parameter) {
  constexpr std::array<int, kPartParameterCount> kLsb = {
      kVibratoRateNrpn, kVibratoDepthNrpn, kVibratoDelayNrpn, kCutoffNrpn,
      kResonanceNrpn,   kAttackNrpn,       kDecayNrpn,        kReleaseNrpn};
  return kLsb[static_cast<std::size_t>(parameter)];
}

// A signed range of values, 0 in the middle; sent as value + 64.
struct ValueRange {
  int minimum;
  int maximum;
  constexpr int Clamp(int value) const {
    return value < minimum ? minimum : value > maximum ? maximum : value;
  }
  friend constexpr bool operator==(const ValueRange&, const ValueRange&) = default;
};

// What the part parameters take on a module type and GS map (MapIndex): -64..+63
// on the SC-8850 map and on XG, -50..+50 (0E-72H) on the older GS maps. GM and
// GM2 have no such parameters.
std::optional<ValueRange> PartParameterRange(ModuleKind type, int map_index);

// The parameters of one drum instrument, NRPN MSB below with the note number
// as the LSB. Relative ones are like the part parameters (0 changes nothing,
// -64..+63); absolute ones replace the instrument's own value (0..127; pan 0 is
// random, 1..127 left to right).
enum class DrumParameter : std::uint8_t {
  kPitch,
  kLevel,
  kPan,
  kReverb,
  kChorus,
  kCutoff,  // XG only, like the three below and the variation send
  kResonance,
  kAttack,
  kDecay,
  kVariation,
};
inline constexpr int kDrumParameterCount = 10;

struct DrumParameterKind {
  int nrpn_msb;
  bool relative;
  bool xg_only;
};

constexpr DrumParameterKind DrumParameterKindOf(DrumParameter parameter) {
  constexpr std::array<DrumParameterKind, kDrumParameterCount> kKinds = {{
      {kDrumPitchNrpn, true, false},
      {kDrumLevelNrpn, false, false},
      {kDrumPanNrpn, false, false},
      {kDrumReverbNrpn, false, false},
      {kDrumChorusNrpn, false, false},
      {kDrumCutoffNrpn, true, true},
      {kDrumResonanceNrpn, true, true},
      {kDrumAttackNrpn, true, true},
      {kDrumDecayNrpn, true, true},
      {kDrumVariationNrpn, false, true},
  }};
  return kKinds[static_cast<std::size_t>(parameter)];
}

// Whether a module type takes the drum parameter: GS the first five, XG all.
constexpr bool TakesDrumParameter(ModuleKind type, DrumParameter parameter) {
  if (type == ModuleKind::kXg) return true;
  return type == ModuleKind::kGs && !DrumParameterKindOf(parameter).xg_only;
}

// The values a drum parameter takes: relative -64..+63, level and sends
// 0..127, pan 0 (random) to 127.
constexpr ValueRange DrumParameterRange(DrumParameter parameter) {
  return DrumParameterKindOf(parameter).relative ? ValueRange{-64, 63} : ValueRange{0, 127};
}

// The data byte that carries a value: relative ones offset by 64.
constexpr int DrumParameterData(DrumParameter parameter, int value) {
  return DrumParameterKindOf(parameter).relative ? value + 64 : value;
}

}  // namespace tonalyx
