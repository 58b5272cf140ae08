#include "favouritesfile/FavouritesMap.h"

#include <map>
#include <tuple>

#include "midifile/SoundNames.h"
#include "tables/KitNames.h"

namespace tonalyx {
namespace {

constexpr int kXgDrumVoiceMsb = 127;
constexpr std::string_view kJoin = " / ";

// A tone is selected as its press selects it.
SoundSelect ToneSelect(const SoundChoice& sound) {
  switch (sound.module_type) {
    case ModuleKind::kGs:
      return {sound.bank, sound.map, sound.program};
    case ModuleKind::kXg:
      return {0, sound.bank, sound.program};
    default:
      return {0, 0, sound.program};
  }
}

// A kit as the definition files of its family select it.
SoundSelect KitSelect(const SoundChoice& sound) {
  switch (sound.module_type) {
    case ModuleKind::kGs:
      return {0, sound.map, sound.kit};
    case ModuleKind::kXg:
      return {kXgDrumVoiceMsb, 0, sound.kit};
    default:
      return {0, 0, sound.kit};
  }
}

// The kit's name with its map, so kits of two maps never share a name.
std::string KitName(const SoundChoice& sound) {
  std::string_view kit;
  if (sound.module_type == ModuleKind::kGs) kit = GsKitName(sound.kit);
  if (sound.module_type == ModuleKind::kXg) kit = XgKitName(sound.kit);
  const std::string name = kit.empty() ? "Kit " + std::to_string(sound.kit) : std::string(kit);
  return name + " (" + MapLabel(sound) + ")";
}

auto Key(const SoundSelect& select) { return std::tuple(select.msb, select.lsb, select.program); }

// Adds `name` to the names gathered under one key, joined in the user's order.
void Gather(std::string& names, const std::string& name) {
  if (!names.empty()) names += kJoin;
  names += name;
}

}  // namespace

FavouritesContent CollectFavourites(const std::vector<Favourite>& favourites) {
  // Sorted by bank and program as the files list them; std::map keeps that order.
  std::map<std::tuple<int, int, int>, std::string> tones;
  struct Kit {
    SoundSelect select;
    std::string name;
    std::map<int, std::string> notes;
  };
  std::map<std::tuple<int, int, int>, Kit> kits;
  for (const Favourite& favourite : favourites) {
    const SoundChoice& sound = favourite.sound;
    if (sound.module_type == ModuleKind::kGm2) continue;
    if (!sound.drums) {
      Gather(tones[Key(ToneSelect(sound))], favourite.name);
      continue;
    }
    const SoundSelect select = KitSelect(sound);
    Kit& kit = kits.try_emplace(Key(select), Kit{select, KitName(sound), {}}).first->second;
    Gather(kit.notes[sound.note], favourite.name);
  }

  FavouritesContent gathered;
  auto keep = [&gathered](std::string text) -> std::string_view {
    return gathered.names.emplace_back(std::move(text));
  };
  for (auto& [key, name] : tones) {
    const auto [msb, lsb, program] = key;
    gathered.content.tones.push_back({{msb, lsb, program}, keep(std::move(name))});
  }
  for (auto& [key, kit] : kits) {
    NamedKit named{kit.select, keep(std::move(kit.name)), {}};
    for (auto& [note, name] : kit.notes) named.notes.push_back({note, keep(std::move(name))});
    gathered.content.kits.push_back(std::move(named));
  }
  return gathered;
}

const NameMap& FavouritesNameMap() {
  // Its family and index are not read: the names come from the favourites.
  static constexpr NameMap kFavourites{
      MapFamily::kGs, -1, "Favourites", "Tonalyx", "Favourites (Tonalyx)", "Tonalyx-Favourites"};
  return kFavourites;
}

}  // namespace tonalyx
