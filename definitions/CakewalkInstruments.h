#pragma once

#include <string>

#include "definitions/MapContent.h"

namespace tonalyx {

// The map as a Cakewalk instrument definition file (ASCII, CRLF): one patch
// name list per bank and one note name list per kit, then two instruments,
// the map's model name for the tones and the model name with " Drums" for
// the rhythm channel, whose kits are marked with Drum[b,p]=1 and Key[b,p]=.
// A bank number b is MSB * 128 + LSB.
std::string CakewalkInstruments(const NameMap& map, const MapContent& content);

}  // namespace tonalyx
