#pragma once

#include <string_view>

namespace tonalyx {

// The names of the drum kits, by kit number (the program change on the rhythm
// channel), as the kit windows caption the buttons that select them. A number
// that selects no kit of the table has the empty name.
std::string_view GsKitName(int kit);
std::string_view XgKitName(int kit);

}  // namespace tonalyx
