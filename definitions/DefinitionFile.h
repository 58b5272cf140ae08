#pragma once

#include <span>
#include <string>
#include <string_view>

#include "definitions/MapContent.h"
#include "definitions/NameMaps.h"
#include "tables/NameTables.h"

namespace tonalyx {

// The file formats in which sequencers take tone and drum kit names.
enum class DefinitionFormat {
  kMidnam,    // MIDI Name Document: Ardour, Qtractor, Logic, Digital Performer
  kCakewalk,  // instrument definitions: Cakewalk/SONAR, Qtractor, VMPK, MidiEditor
  kDomino,    // Domino's module definition
};

std::span<const DefinitionFormat> AllDefinitionFormats();

// The extension of the format's files, with its dot: ".midnam", ".ins", ".xml".
std::string_view DefinitionExtension(DefinitionFormat format);

// The file name a map's definition is offered under: its file stem and the
// format's extension.
std::string DefinitionFileName(const NameMap& map, DefinitionFormat format);

// The whole file of `map` in `format`, from filled tables.
std::string DefinitionFileText(DefinitionFormat format, const NameMap& map,
                               const NameTables& tables);
// The file of names gathered elsewhere (the favourites) under `map`'s names.
std::string DefinitionFileText(DefinitionFormat format, const NameMap& map,
                               const MapContent& content);

}  // namespace tonalyx
