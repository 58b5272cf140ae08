// Writes the definition file of every map in every format into a folder, one
// subfolder per format (midnam/, ins/, domino/), for the build to install:
//   definition_file_gen OUTPUT_FOLDER
// Prints one line per file: its name, size in bytes, tones, kits and named
// notes. Exits with 1 when a file cannot be written.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>

#include "definitions/DefinitionFile.h"
#include "definitions/MapContent.h"

namespace {

std::string_view Subfolder(tonalyx::DefinitionFormat format) {
  switch (format) {
    case tonalyx::DefinitionFormat::kMidnam:
      return "midnam";
    case tonalyx::DefinitionFormat::kCakewalk:
      return "ins";
    case tonalyx::DefinitionFormat::kDomino:
      return "domino";
  }
  return {};
}

std::size_t NamedNotes(const tonalyx::MapContent& content) {
  return std::accumulate(
      content.kits.begin(), content.kits.end(), std::size_t{0},
      [](std::size_t sum, const tonalyx::NamedKit& kit) { return sum + kit.notes.size(); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: definition_file_gen OUTPUT_FOLDER\n";
    return 2;
  }
  tonalyx::NameTables tables;
  tables.FillNameTables();
  for (const tonalyx::DefinitionFormat format : tonalyx::AllDefinitionFormats()) {
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / Subfolder(format);
    // Only this run's files: none left from a map an earlier build named otherwise.
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const tonalyx::NameMap& map : tonalyx::AllNameMaps()) {
      const std::filesystem::path path = folder / tonalyx::DefinitionFileName(map, format);
      const std::string text = tonalyx::DefinitionFileText(format, map, tables);
      std::ofstream out(path, std::ios::binary);
      if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
        std::cerr << "definition_file_gen: cannot write " << path.string() << '\n';
        return 1;
      }
      const tonalyx::MapContent content = tonalyx::CollectMapContent(tables, map);
      std::cout << Subfolder(format) << '/' << path.filename().string() << ": " << text.size()
                << " bytes, " << content.tones.size() << " tones, " << content.kits.size()
                << " kits, " << NamedNotes(content) << " notes\n";
    }
  }
  return 0;
}
