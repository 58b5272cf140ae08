#include "tables/NameTables.h"

#include <cassert>
#include <cstdint>

#include "tables/NameTableData.h"

namespace tonalyx {
namespace {

using namespace name_data;

constexpr bool Inside(int value, int count) { return value >= 0 && value < count; }

std::string_view Text(std::uint16_t number) {
  const std::uint32_t start = kTextStart[number];
  return {kTextPool + start, kTextStart[number + 1] - start};
}

}  // namespace

// Each lookup checks its indices first: an index outside the table is a caller's bug,
// fatal in debug builds and the empty string otherwise, never a read outside the array.

std::string_view NameTables::GsTone(int row, int bank, int map) const {
  const bool inside =
      Inside(row, kGsToneRows) && Inside(bank, kGsToneBanks) && Inside(map, kGsToneMaps);
  assert(inside && "GS tone index out of range");
  if (!inside || !filled_) return {};
  return Text(kGsToneText[(row * kGsToneBanks + bank) * kGsToneMaps + map]);
}

std::string_view NameTables::XgTone(int program, int bank, int map) const {
  const bool inside =
      Inside(program, kXgTonePrograms) && Inside(bank, kXgToneBanks) && Inside(map, kXgToneMaps);
  assert(inside && "XG tone index out of range");
  if (!inside || !filled_) return {};
  return Text(kXgToneText[(program * kXgToneBanks + bank) * kXgToneMaps + map]);
}

std::string_view NameTables::GsDrum(int kit, int note, int map) const {
  const bool inside =
      Inside(kit, kGsDrumKits) && Inside(note, kGsDrumNotes) && Inside(map, kGsDrumMaps);
  assert(inside && "GS drum index out of range");
  if (!inside || !filled_) return {};
  return Text(kGsDrumText[(kit * kGsDrumNotes + note) * kGsDrumMaps + map]);
}

std::string_view NameTables::XgDrum(int kit, int note) const {
  const bool inside = Inside(kit, kXgDrumKits) && Inside(note, kXgDrumNotes);
  assert(inside && "XG drum index out of range");
  if (!inside || !filled_) return {};
  return Text(kXgDrumText[kit * kXgDrumNotes + note]);
}

}  // namespace tonalyx
