#include "definitions/NameMaps.h"

namespace tonalyx {
namespace {

constexpr NameMap kMaps[] = {
    {MapFamily::kGs, 4, "SC-8850", "Roland", "SC-8850 (Tonalyx)", "Tonalyx-SC-8850"},
    {MapFamily::kGs, 3, "SC-88Pro", "Roland", "SC-88Pro (Tonalyx)", "Tonalyx-SC-88Pro"},
    {MapFamily::kGs, 2, "SC-88", "Roland", "SC-88 (Tonalyx)", "Tonalyx-SC-88"},
    {MapFamily::kGs, 1, "SC-55", "Roland", "SC-55 (Tonalyx)", "Tonalyx-SC-55"},
    {MapFamily::kGs, 0, "TG-300B", "Yamaha", "TG-300B GS (Tonalyx)", "Tonalyx-TG-300B"},
    {MapFamily::kXg, 0, "MU1000/2000", "Yamaha", "MU1000/2000 (Tonalyx)", "Tonalyx-MU1000-2000"},
    {MapFamily::kXg, 1, "MU128", "Yamaha", "MU128 (Tonalyx)", "Tonalyx-MU128"},
    {MapFamily::kXg, 2, "MU100", "Yamaha", "MU100 (Tonalyx)", "Tonalyx-MU100"},
    {MapFamily::kXg, 3, "MU90", "Yamaha", "MU90 (Tonalyx)", "Tonalyx-MU90"},
    {MapFamily::kXg, 4, "MU80", "Yamaha", "MU80 (Tonalyx)", "Tonalyx-MU80"},
    {MapFamily::kXg, 5, "XG", "Yamaha", "XG (Tonalyx)", "Tonalyx-XG"},
};

}  // namespace

std::span<const NameMap> AllNameMaps() { return kMaps; }

const NameMap* FindNameMap(MapFamily family, int index) {
  for (const NameMap& map : kMaps)
    if (map.family == family && map.index == index) return &map;
  return nullptr;
}

}  // namespace tonalyx
