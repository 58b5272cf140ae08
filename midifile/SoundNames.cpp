#include "midifile/SoundNames.h"

#include "definitions/NameMaps.h"
#include "tables/NameTables.h"

namespace tonalyx {
namespace {

// The names are compiled in: no press of the tone or drum button is needed.
const NameTables& FilledTables() {
  static const NameTables kTables = [] {
    NameTables filled;
    filled.FillNameTables();
    return filled;
  }();
  return kTables;
}

std::string_view TableName(const SoundChoice& sound) {
  const NameTables& tables = FilledTables();
  const bool gs = sound.module_type == ModuleKind::kGs;
  if (!HasNamedSounds(sound.module_type)) return {};
  if (sound.drums)
    return gs ? tables.GsDrum(sound.kit, sound.note, sound.map)
              : tables.XgDrum(sound.kit, sound.note);
  return gs ? tables.GsTone(sound.program + 1, sound.bank, sound.map)
            : tables.XgTone(sound.program, sound.bank, sound.map);
}

}  // namespace

std::string SoundName(const SoundChoice& sound) {
  std::string name(TableName(sound));
  if (!name.empty()) return name;
  if (sound.drums)
    return "Note " + std::to_string(sound.note) + " Kit " + std::to_string(sound.kit);
  name = "Program " + std::to_string(sound.program);
  // GM and GM2 select no bank.
  if (HasNamedSounds(sound.module_type)) name += " Bank " + std::to_string(sound.bank);
  return name;
}

std::string MapLabel(const SoundChoice& sound) {
  switch (sound.module_type) {
    case ModuleKind::kGs:
    case ModuleKind::kXg: {
      const bool gs = sound.module_type == ModuleKind::kGs;
      if (!gs && sound.drums) return "XG";
      const NameMap* map = FindNameMap(gs ? MapFamily::kGs : MapFamily::kXg, sound.map);
      return map != nullptr ? std::string(map->device) : (gs ? "GS" : "XG");
    }
    case ModuleKind::kGm:
      return "GM";
    case ModuleKind::kGm2:
      return "GM2";
  }
  return {};
}

}  // namespace tonalyx
