#include "tables/KitNames.h"

#include <span>

namespace tonalyx {
namespace {

struct KitName {
  int kit;
  const char* name;
};

// The spellings are those users know from the kit windows, "ELECTORNIC" and
// "RHYTHM FS 2" included.
constexpr KitName kGsKits[] = {
    {0, "STANDARD 1"},
    {1, "STANDARD 2"},
    {2, "STANDARD L/R"},
    {8, "ROOM"},
    {9, "HIP HOP"},
    {10, "JUNGLE"},
    {11, "TECHNO"},
    {12, "ROOM L/R"},
    {13, "HOUSE"},
    {16, "POWER"},
    {24, "ELECTORNIC"},
    {25, "TR-808"},
    {26, "DANCE"},
    {27, "CR-78"},
    {28, "TR-606"},
    {29, "TR-707"},
    {30, "TR-909"},
    {32, "JAZZ"},
    {33, "JAZZ L/R"},
    {40, "BRUSH"},
    {41, "BRUSH 2"},
    {42, "BRUSH 2 L/R"},
    {48, "ORCHESTRA"},
    {49, "ETHNIC"},
    {50, "KICK and SNARE"},
    {51, "KICK and SNARE 2"},
    {52, "ASIA"},
    {53, "CYMBALandCLAPS"},
    {54, "GAMELAN 1"},
    {55, "GAMELAN 2"},
    {56, "SFX"},
    {57, "RHYTHM FX"},
    {58, "RHYTHM FS 2"},
    {59, "RHYTHM FX 3"},
    {60, "FSX 2"},
    {61, "VOICE"},
    {62, "CYM and CLAPS 2"},
    {127, "CM-64/32L"},
};

constexpr KitName kXgKits[] = {
    {0, "Standard Kit"},
    {1, "Standard Kit 2"},
    {2, "Dry Kit"},
    {3, "Bright Kit"},
    {4, "Skim Kit"},
    {5, "Slim Kit"},
    {6, "Rogue Kit"},
    {7, "Hob Kit"},
    {8, "Room Kit"},
    {9, "Dark Room Kit"},
    {16, "Rock Kit"},
    {17, "Rock Kit 2"},
    {24, "Electro Kit"},
    {25, "Analog Kit"},
    {26, "Analog Kit 2"},
    {27, "Dance Kit"},
    {28, "Hip Hop Kit"},
    {29, "Jungle Kit"},
    {30, "Apogee Kit"},
    {31, "Perigee Kit"},
    {32, "Jazz Kit"},
    {33, "Jazz Kit 2"},
    {40, "Brush Kit"},
    {41, "Brush Kit 2"},
    {48, "Symphony Kit"},
    {64, "Tramp Kit"},
    {65, "Amber Kit"},
    {66, "Coffin Kit"},
    {126, "Standard Kit MU100"},
    {127, "Standard Kit MUBasic"},
};

std::string_view Find(std::span<const KitName> kits, int kit) {
  for (const KitName& entry : kits)
    if (entry.kit == kit) return entry.name;
  return {};
}

}  // namespace

std::string_view GsKitName(int kit) { return Find(kGsKits, kit); }
std::string_view XgKitName(int kit) { return Find(kXgKits, kit); }

}  // namespace tonalyx
