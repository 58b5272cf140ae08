#include "definitions/CakewalkInstruments.h"

#include "definitions/DefinitionText.h"

namespace tonalyx {
namespace {

// Names of the lists, unique across every file a sequencer reads, so they
// start with the model name.
std::string BankList(const NameMap& map, const SoundSelect& select) {
  return std::string(map.model) + " Bank " + std::to_string(select.msb) + "/" +
         std::to_string(select.lsb);
}
// A map's kits share one bank, and its list is named without it; a list of
// favourites may hold kits of several banks.
std::string KitList(const NameMap& map, const SoundSelect& select, bool one_bank) {
  std::string list = std::string(map.model) + " Drum Kits";
  if (!one_bank) list += " " + std::to_string(select.msb) + "/" + std::to_string(select.lsb);
  return list;
}
std::string NoteList(const NameMap& map, const NamedKit& kit) {
  return std::string(map.model) + " " + std::string(kit.name);
}

void PatchNames(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line(".Patch Names");
  for (const std::span<const NamedTone> run : BankRuns(content.tones)) {
    out.Line();
    out.Line("[", BankList(map, run.front().select), "]");
    for (const NamedTone& tone : run) out.Line(tone.select.program, "=", tone.name);
  }
  const auto kit_runs = BankRuns(content.kits);
  for (const std::span<const NamedKit> run : kit_runs) {
    out.Line();
    out.Line("[", KitList(map, run.front().select, kit_runs.size() == 1), "]");
    for (const NamedKit& kit : run) out.Line(kit.select.program, "=", kit.name);
  }
  out.Line();
}

void NoteNames(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line(".Note Names");
  for (const NamedKit& kit : content.kits) {
    out.Line();
    out.Line("[", NoteList(map, kit), "]");
    for (const NamedNote& note : kit.notes) out.Line(note.note, "=", note.name);
  }
  out.Line();
}

void Instruments(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line(".Instrument Definitions");
  out.Line();
  out.Line("[", map.model, "]");
  out.Line("BankSelMethod=0");
  for (const std::span<const NamedTone> run : BankRuns(content.tones)) {
    const SoundSelect& select = run.front().select;
    out.Line("Patch[", select.Bank(), "]=", BankList(map, select));
  }
  if (content.kits.empty()) return;
  out.Line();
  out.Line("[", map.model, " Drums]");
  out.Line("BankSelMethod=0");
  const auto kit_runs = BankRuns(content.kits);
  for (const std::span<const NamedKit> run : kit_runs) {
    const int bank = run.front().select.Bank();
    out.Line("Patch[", bank, "]=", KitList(map, run.front().select, kit_runs.size() == 1));
    for (const NamedKit& kit : run) {
      out.Line("Drum[", bank, ",", kit.select.program, "]=1");
      out.Line("Key[", bank, ",", kit.select.program, "]=", NoteList(map, kit));
    }
  }
}

}  // namespace

std::string CakewalkInstruments(const NameMap& map, const MapContent& content) {
  DefinitionText out("\r\n");
  out.Line("; ", map.model, ": tone and drum kit names of the ", map.device,
           " map, written by Tonalyx");
  out.Line();
  PatchNames(out, map, content);
  NoteNames(out, map, content);
  Instruments(out, map, content);
  return out.Take();
}

}  // namespace tonalyx
