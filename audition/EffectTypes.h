#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "midi/ModuleKind.h"

namespace tonalyx {

enum class Effect : std::uint8_t { kReverb, kChorus };

// One reverb or chorus type of a module: its name as the module calls it, and
// the complete system exclusive message that selects it (GS: the reverb or
// chorus macro, with its checksum; XG: the effect type MSB and LSB). The
// messages live for the whole run, so a device may read them after a send
// returns.
struct EffectType {
  std::string_view name;
  std::span<const std::uint8_t> message;
};

// The types of an effect on a module type, in the module's order; none for GM
// and GM2.
std::span<const EffectType> EffectTypes(ModuleKind type, Effect effect);
// The position in EffectTypes of the type the module starts with after a
// reset (GS Hall 2 and Chorus 3, XG Hall 1 and Chorus 1); -1 for GM and GM2.
int DefaultEffectType(ModuleKind type, Effect effect);

}  // namespace tonalyx
