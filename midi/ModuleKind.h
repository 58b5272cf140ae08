#pragma once

#include <cstdint>
#include <optional>

namespace tonalyx {

// The kind of tone module attached. The values are those the settings file
// stores as "type", and the order of the module type window's items.
enum class ModuleKind : std::uint8_t { kGs = 0, kXg = 1, kGm = 2, kGm2 = 3 };

// GS and XG modules have named tones and drum sounds, tone maps, bank select
// and the effect controllers; the program offers none of these for GM and GM2.
constexpr bool HasNamedSounds(ModuleKind kind) {
  return kind == ModuleKind::kGs || kind == ModuleKind::kXg;
}

// A module type selection as the settings file stores it: the kind's value,
// or -1 when nothing is selected.
constexpr int StoredModuleType(std::optional<ModuleKind> selection) {
  return selection ? static_cast<int>(*selection) : -1;
}

// A stored module type as a selection, clamped to -1..3: below 0 nothing is
// selected, above 3 is GM2.
constexpr std::optional<ModuleKind> ModuleTypeFromStored(int stored) {
  if (stored < 0) return std::nullopt;
  if (stored > static_cast<int>(ModuleKind::kGm2)) return ModuleKind::kGm2;
  return static_cast<ModuleKind>(stored);
}

}  // namespace tonalyx
