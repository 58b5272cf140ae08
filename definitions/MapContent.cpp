#include "definitions/MapContent.h"

#include "tables/KitNames.h"

namespace tonalyx {
namespace {

constexpr int kCount = 128;  // banks, programs, kits and notes alike
// XG drum kits are drum voices: Bank Select MSB 127.
constexpr int kXgDrumVoiceMsb = 127;

std::vector<NamedTone> GsTones(const NameTables& tables, int map) {
  std::vector<NamedTone> tones;
  for (int bank = 0; bank < kCount; ++bank)
    for (int program = 0; program < kCount; ++program) {
      const std::string_view name = tables.GsTone(program + 1, bank, map);
      if (!name.empty()) tones.push_back({{bank, map, program}, name});
    }
  return tones;
}

std::vector<NamedTone> XgTones(const NameTables& tables, int map) {
  std::vector<NamedTone> tones;
  for (int bank = 0; bank < kCount; ++bank)
    for (int program = 0; program < kCount; ++program) {
      const std::string_view name = tables.XgTone(program, bank, map);
      if (!name.empty()) tones.push_back({{0, bank, program}, name});
    }
  return tones;
}

// The kits that have both a name and named notes, each note as `note_name`
// gives it for that kit.
template <typename NoteName>
std::vector<NamedKit> Kits(std::string_view (*kit_name)(int), SoundSelect bank,
                           NoteName note_name) {
  std::vector<NamedKit> kits;
  for (int kit = 0; kit < kCount; ++kit) {
    NamedKit named{{bank.msb, bank.lsb, kit}, kit_name(kit), {}};
    for (int note = 0; note < kCount; ++note) {
      const std::string_view name = note_name(kit, note);
      if (!name.empty()) named.notes.push_back({note, name});
    }
    if (!named.name.empty() && !named.notes.empty()) kits.push_back(std::move(named));
  }
  return kits;
}

}  // namespace

MapContent CollectMapContent(const NameTables& tables, const NameMap& map) {
  if (map.family == MapFamily::kGs) {
    const auto note_name = [&](int kit, int note) { return tables.GsDrum(kit, note, map.index); };
    return {GsTones(tables, map.index), Kits(GsKitName, {0, map.index, 0}, note_name)};
  }
  const auto note_name = [&](int kit, int note) { return tables.XgDrum(kit, note); };
  return {XgTones(tables, map.index), Kits(XgKitName, {kXgDrumVoiceMsb, 0, 0}, note_name)};
}

}  // namespace tonalyx
