#include "definitions/DefinitionFile.h"

#include "definitions/CakewalkInstruments.h"
#include "definitions/DominoModule.h"
#include "definitions/MidnamDocument.h"

namespace tonalyx {
namespace {
constexpr DefinitionFormat kFormats[] = {DefinitionFormat::kMidnam, DefinitionFormat::kCakewalk,
                                         DefinitionFormat::kDomino};
}  // namespace

std::span<const DefinitionFormat> AllDefinitionFormats() { return kFormats; }

std::string_view DefinitionExtension(DefinitionFormat format) {
  switch (format) {
    case DefinitionFormat::kMidnam:
      return ".midnam";
    case DefinitionFormat::kCakewalk:
      return ".ins";
    case DefinitionFormat::kDomino:
      return ".xml";
  }
  return {};
}

std::string DefinitionFileName(const NameMap& map, DefinitionFormat format) {
  return std::string(map.file_stem) + std::string(DefinitionExtension(format));
}

std::string DefinitionFileText(DefinitionFormat format, const NameMap& map,
                               const NameTables& tables) {
  return DefinitionFileText(format, map, CollectMapContent(tables, map));
}

std::string DefinitionFileText(DefinitionFormat format, const NameMap& map,
                               const MapContent& content) {
  switch (format) {
    case DefinitionFormat::kMidnam:
      return MidnamDocument(map, content);
    case DefinitionFormat::kCakewalk:
      return CakewalkInstruments(map, content);
    case DefinitionFormat::kDomino:
      return DominoModule(map, content);
  }
  return {};
}

}  // namespace tonalyx
