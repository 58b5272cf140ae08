#include "audition/EditParameters.h"

namespace tonalyx {
namespace {
// MapIndex of the SC-8850 map, the one GS map with the full range.
constexpr int kSc8850Map = 4;
}  // namespace

std::optional<ValueRange> PartParameterRange(ModuleKind type, int map_index) {
  switch (type) {
    case ModuleKind::kGs:
      return map_index == kSc8850Map ? ValueRange{-64, 63} : ValueRange{-50, 50};
    case ModuleKind::kXg:
      return ValueRange{-64, 63};
    case ModuleKind::kGm:
    case ModuleKind::kGm2:
      break;
  }
  return std::nullopt;
}

}  // namespace tonalyx
