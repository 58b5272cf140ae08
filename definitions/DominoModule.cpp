#include "definitions/DominoModule.h"

#include <array>

#include "definitions/DefinitionText.h"

namespace tonalyx {
namespace {

void BankEntry(DefinitionText& out, const SoundSelect& select, std::string_view name,
               std::string_view end) {
  out.Line("        <Bank Name=\"", XmlAscii{name}, "\" MSB=\"", select.msb, "\" LSB=\"",
           select.lsb, "\"", end);
}

// Domino lists the banks under each program: a PC entry, named after its
// lowest bank's tone, holds one Bank entry for each named bank.
void Instruments(DefinitionText& out, const NameMap& map, const MapContent& content) {
  std::array<std::vector<const NamedTone*>, 128> by_program;
  for (const NamedTone& tone : content.tones) by_program[tone.select.program].push_back(&tone);
  out.Line("  <InstrumentList>");
  out.Line("    <Map Name=\"", XmlAscii{map.device}, "\">");
  for (const std::vector<const NamedTone*>& banks : by_program) {
    if (banks.empty()) continue;
    out.Line("      <PC Name=\"", XmlAscii{banks.front()->name}, "\" PC=\"",
             banks.front()->select.program + 1, "\">");
    for (const NamedTone* tone : banks) BankEntry(out, tone->select, tone->name, "/>");
    out.Line("      </PC>");
  }
  out.Line("    </Map>");
  out.Line("  </InstrumentList>");
}

void DrumSets(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line("  <DrumSetList>");
  out.Line("    <Map Name=\"", XmlAscii{map.device}, "\">");
  for (const NamedKit& kit : content.kits) {
    out.Line("      <PC Name=\"", XmlAscii{kit.name}, "\" PC=\"", kit.select.program + 1, "\">");
    BankEntry(out, kit.select, kit.name, ">");
    for (const NamedNote& note : kit.notes)
      out.Line("          <Tone Name=\"", XmlAscii{note.name}, "\" Key=\"", note.note, "\"/>");
    out.Line("        </Bank>");
    out.Line("      </PC>");
  }
  out.Line("    </Map>");
  out.Line("  </DrumSetList>");
}

}  // namespace

std::string DominoModule(const NameMap& map, const MapContent& content) {
  DefinitionText out("\r\n");
  out.Line("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
  out.Line("<ModuleData Name=\"", XmlAscii{map.model}, "\" Folder=\"", XmlAscii{map.manufacturer},
           "\" FileCreator=\"Tonalyx\">");
  Instruments(out, map, content);
  DrumSets(out, map, content);
  out.Line("</ModuleData>");
  return out.Take();
}

}  // namespace tonalyx
