#pragma once

#include <deque>
#include <string>
#include <vector>

#include "definitions/MapContent.h"
#include "definitions/NameMaps.h"
#include "favouritesfile/FavouritesFile.h"

namespace tonalyx {

// The favourites as a definition file's names, so that a sequencer's patch
// list is the user's own sounds under the user's names: each tone a patch
// with the bank select its press sends; each drum sound a note name in the
// list of its kit, the kit a patch on the rhythm channel (GS: MSB 0, LSB the
// map; XG: the drum voice bank MSB 127, LSB 0). Favourites that select the
// same patch, or the same note of a kit, share it under their names joined
// by " / ". GM2 favourites, which select nothing, are left out.
struct FavouritesContent {
  std::deque<std::string> names;  // what the content's names point into
  MapContent content;
};

FavouritesContent CollectFavourites(const std::vector<Favourite>& favourites);

// The names the file is written under: model "Favourites (Tonalyx)", file
// "Tonalyx-Favourites".
const NameMap& FavouritesNameMap();

}  // namespace tonalyx
