#pragma once

#include <string>

#include "audition/SoundChoice.h"

namespace tonalyx {

// The name of a sound as its button shows it (UTF-8): a tone's name in its
// bank and map, a drum sound's instrument in its kit. A sound
// the tables leave unnamed (every GM and GM2 sound, an empty bank) is called
// by its numbers: "Program 24 Bank 8" ("Program 24" where no bank is
// selected, in GM and GM2), "Note 36 Kit 0".
std::string SoundName(const SoundChoice& sound);

// The map or module a sound's name belongs to: the device of a GS or XG tone
// map ("SC-8850", "MU100"), "XG" for XG drum sounds, which have no map, and
// "GM" or "GM2".
std::string MapLabel(const SoundChoice& sound);

}  // namespace tonalyx
