#pragma once

#include <string>

#include "definitions/MapContent.h"

namespace tonalyx {

// The map as a Domino module definition (XML declared Shift_JIS, CRLF): an
// InstrumentList map of PC entries (numbered 1 to 128) with their Bank
// entries (MSB, LSB), and a DrumSetList map of the kits with a Tone entry
// (Key, Name) for each named note. The file is ASCII, which Shift_JIS
// writes byte for byte: a character beyond it (a name the user gave a
// favourite) is written as an XML character reference.
std::string DominoModule(const NameMap& map, const MapContent& content);

}  // namespace tonalyx
