#include "audition/EditMessages.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {
constexpr std::array<PartParameter, kPartParameterCount> kAllPartParameters = {
    PartParameter::kVibratoRate, PartParameter::kVibratoDepth, PartParameter::kVibratoDelay,
    PartParameter::kCutoff,      PartParameter::kResonance,    PartParameter::kAttack,
    PartParameter::kDecay,       PartParameter::kRelease};

constexpr std::array<DrumParameter, kDrumParameterCount> kAllDrumParameters = {
    DrumParameter::kPitch,     DrumParameter::kLevel,  DrumParameter::kPan,
    DrumParameter::kReverb,    DrumParameter::kChorus, DrumParameter::kCutoff,
    DrumParameter::kResonance, DrumParameter::kAttack, DrumParameter::kDecay,
    DrumParameter::kVariation};

void AddNrpn(MessageList& list, int channel, int msb, int lsb, int data) {
  const int status = kControlChange | channel;
  list.Add(ShortMessage(status, kNrpnMsb, msb));
  list.Add(ShortMessage(status, kNrpnLsb, lsb));
  list.Add(ShortMessage(status, kDataEntryMsb, data));
}

// The null parameter closes a list that holds any NRPN.
void CloseWithNullParameter(MessageList& list, int channel) {
  if (list.Messages().empty()) return;
  const int status = kControlChange | channel;
  list.Add(ShortMessage(status, kRpnMsb, kNullParameter));
  list.Add(ShortMessage(status, kRpnLsb, kNullParameter));
}
}  // namespace

MessageList PartChangeMessages(const SoundEdits& edits, std::span<const PartParameter> parameters,
                               ModuleKind type, int map_index, int channel) {
  MessageList list;
  const std::optional<ValueRange> range = PartParameterRange(type, map_index);
  if (!range) return list;
  for (const PartParameter parameter : parameters) {
    const int value = range->Clamp(edits.Part(parameter));
    AddNrpn(list, channel, kPartNrpnMsb, PartParameterLsb(parameter), value + 64);
  }
  CloseWithNullParameter(list, channel);
  return list;
}

MessageList PartEditMessages(const SoundEdits& edits, ModuleKind type, int map_index, int channel) {
  std::array<PartParameter, kPartParameterCount> sent{};
  std::size_t count = 0;
  for (const PartParameter parameter : kAllPartParameters) {
    if (edits.SendsPart(parameter)) sent[count++] = parameter;
  }
  return PartChangeMessages(edits, std::span(sent.data(), count), type, map_index, channel);
}

MessageList DrumChangeMessages(const SoundEdits& edits, std::span<const DrumParameter> parameters,
                               ModuleKind type, int kit, int note, int channel) {
  MessageList list;
  for (const DrumParameter parameter : parameters) {
    const std::optional<int> value = edits.Drum(kit, note, parameter);
    if (!value || !TakesDrumParameter(type, parameter)) continue;
    AddNrpn(list, channel, DrumParameterKindOf(parameter).nrpn_msb, note,
            DrumParameterData(parameter, *value));
  }
  CloseWithNullParameter(list, channel);
  return list;
}

MessageList DrumEditMessages(const SoundEdits& edits, ModuleKind type, int kit, int note,
                             int channel) {
  if (edits.DrumNote(kit, note) == nullptr) return {};
  return DrumChangeMessages(edits, kAllDrumParameters, type, kit, note, channel);
}

void SendBeforeNoteOn(MidiPort& port, std::span<const std::uint32_t> press,
                      std::span<const std::uint32_t> inserted) {
  if (press.empty()) return;
  for (const std::uint32_t message : press.first(press.size() - 1)) port.SendShort(message);
  for (const std::uint32_t message : inserted) port.SendShort(message);
  port.SendShort(press.back());
}

}  // namespace tonalyx
