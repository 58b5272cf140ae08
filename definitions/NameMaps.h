#pragma once

#include <span>
#include <string_view>

namespace tonalyx {

// The two families of tone maps with names: GS maps are chosen by MapIndex,
// XG maps by XgMapIndex.
enum class MapFamily { kGs, kXg };

// One tone map as a sequencer sees it: the module it follows and the names
// that identify it in a definition file.
struct NameMap {
  MapFamily family;
  int index;                      // MapIndex (GS) or XgMapIndex (XG)
  std::string_view device;        // "SC-8850", "MU1000/2000", ...
  std::string_view manufacturer;  // "Roland", "Yamaha"
  std::string_view model;         // unique among the maps: "SC-8850 (Tonalyx)"
  std::string_view file_stem;     // a file name without extension: "Tonalyx-SC-8850"
};

// Every map with names: the five GS maps, then the six XG maps, each family
// in the order of its map window.
std::span<const NameMap> AllNameMaps();

// The map of a family and index; nullptr for an index outside the family.
const NameMap* FindNameMap(MapFamily family, int index);

}  // namespace tonalyx
