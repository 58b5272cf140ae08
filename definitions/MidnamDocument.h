#pragma once

#include <string>

#include "definitions/MapContent.h"

namespace tonalyx {

// The map as a MIDI Name Document (UTF-8, the MIDI Manufacturers
// Association's document type): one device under the map's model name whose
// tones are patch banks that send their Bank Select, on every channel but the
// rhythm channel, and whose drum kits, on channel 10, use one note name list
// each.
std::string MidnamDocument(const NameMap& map, const MapContent& content);

}  // namespace tonalyx
