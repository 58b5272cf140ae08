#include "definitions/MidnamDocument.h"

#include "definitions/DefinitionText.h"

namespace tonalyx {
namespace {

constexpr int kRhythmChannel = 10;
constexpr std::string_view kToneSet = "Tones";
constexpr std::string_view kKitSet = "Drum Kits";

// Which channels a name set serves: the kits the rhythm channel, the tones
// all others.
bool ServesChannel(bool kits, int channel) { return (channel == kRhythmChannel) == kits; }

void Channels(DefinitionText& out, bool kits) {
  out.Line("      <AvailableForChannels>");
  for (int channel = 1; channel <= 16; ++channel)
    out.Line("        <AvailableChannel Channel=\"", channel, "\" Available=\"",
             ServesChannel(kits, channel) ? "true" : "false", "\"/>");
  out.Line("      </AvailableForChannels>");
}

// The bank select of a patch bank. The document type gives every message a
// channel; the sequencer sends it on the channel of the track.
void BankSelect(DefinitionText& out, const SoundSelect& select, int channel) {
  out.Line("        <MIDICommands>");
  out.Line("          <ControlChange Channel=\"", channel, "\" Control=\"0\" Value=\"", select.msb,
           "\"/>");
  out.Line("          <ControlChange Channel=\"", channel, "\" Control=\"32\" Value=\"", select.lsb,
           "\"/>");
  out.Line("        </MIDICommands>");
}

std::string BankName(const SoundSelect& select) {
  return "Bank " + std::to_string(select.msb) + "/" + std::to_string(select.lsb);
}

void Tones(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line("    <ChannelNameSet Name=\"", kToneSet, "\">");
  Channels(out, false);
  for (const std::span<const NamedTone> run : BankRuns(content.tones)) {
    const std::string bank = BankName(run.front().select);
    out.Line("      <PatchBank Name=\"", bank, "\">");
    BankSelect(out, run.front().select, 1);
    out.Line("        <PatchNameList Name=\"", XmlEscaped{map.model}, " ", bank, "\">");
    for (const NamedTone& tone : run)
      out.Line("          <Patch Number=\"", tone.select.program + 1, "\" Name=\"",
               XmlEscaped{tone.name}, "\" ProgramChange=\"", tone.select.program, "\"/>");
    out.Line("        </PatchNameList>");
    out.Line("      </PatchBank>");
  }
  out.Line("    </ChannelNameSet>");
}

void Kits(DefinitionText& out, const NameMap& map, const MapContent& content) {
  out.Line("    <ChannelNameSet Name=\"", kKitSet, "\">");
  Channels(out, true);
  // A map's kits share one bank; a list of favourites may hold kits of several.
  const auto runs = BankRuns(content.kits);
  for (const std::span<const NamedKit> run : runs) {
    const std::string bank = runs.size() == 1
                                 ? std::string(kKitSet)
                                 : std::string(kKitSet) + " " + BankName(run.front().select);
    out.Line("      <PatchBank Name=\"", bank, "\">");
    BankSelect(out, run.front().select, kRhythmChannel);
    out.Line("        <PatchNameList Name=\"", XmlEscaped{map.model}, " ", bank, "\">");
    for (const NamedKit& kit : run) {
      out.Line("          <Patch Number=\"", kit.select.program + 1, "\" Name=\"",
               XmlEscaped{kit.name}, "\" ProgramChange=\"", kit.select.program, "\">");
      out.Line("            <UsesNoteNameList Name=\"", XmlEscaped{kit.name}, "\"/>");
      out.Line("          </Patch>");
    }
    out.Line("        </PatchNameList>");
    out.Line("      </PatchBank>");
  }
  out.Line("    </ChannelNameSet>");
  for (const NamedKit& kit : content.kits) {
    out.Line("    <NoteNameList Name=\"", XmlEscaped{kit.name}, "\">");
    for (const NamedNote& note : kit.notes)
      out.Line("      <Note Number=\"", note.note, "\" Name=\"", XmlEscaped{note.name}, "\"/>");
    out.Line("    </NoteNameList>");
  }
}

}  // namespace

std::string MidnamDocument(const NameMap& map, const MapContent& content) {
  DefinitionText out("\n");
  out.Line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  out.Line(
      "<!DOCTYPE MIDINameDocument PUBLIC \"-//MIDI Manufacturers Association//DTD "
      "MIDINameDocument 1.0//EN\" \"http://www.midi.org/dtds/MIDINameDocument10.dtd\">");
  out.Line("<MIDINameDocument>");
  out.Line("  <Author>Tonalyx</Author>");
  out.Line("  <MasterDeviceNames>");
  out.Line("    <Manufacturer>", XmlEscaped{map.manufacturer}, "</Manufacturer>");
  out.Line("    <Model>", XmlEscaped{map.model}, "</Model>");
  out.Line("    <CustomDeviceMode Name=\"Default\">");
  out.Line("      <ChannelNameSetAssignments>");
  for (int channel = 1; channel <= 16; ++channel) {
    // A list without tones, or without kits, leaves its channels unnamed.
    const bool kits = channel == kRhythmChannel;
    if (kits ? content.kits.empty() : content.tones.empty()) continue;
    out.Line("        <ChannelNameSetAssign Channel=\"", channel, "\" NameSet=\"",
             kits ? kKitSet : kToneSet, "\"/>");
  }
  out.Line("      </ChannelNameSetAssignments>");
  out.Line("    </CustomDeviceMode>");
  if (!content.tones.empty()) Tones(out, map, content);
  if (!content.kits.empty()) Kits(out, map, content);
  out.Line("  </MasterDeviceNames>");
  out.Line("</MIDINameDocument>");
  return out.Take();
}

}  // namespace tonalyx
