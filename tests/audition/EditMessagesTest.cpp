// The bytes of the edits: presses with and without them on GS (two maps), XG
// and GM, a slider's live move, drum presses, and the effect type messages.

#include <gtest/gtest.h>

#include <vector>

#include "audition/DrumSequence.h"
#include "audition/EditMessages.h"
#include "audition/ToneSequence.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t Cc(int controller, int value, int channel = 0) {
  return ShortMessage(kControlChange | channel, controller, value);
}
// One NRPN and the null parameter that closes a list of them.
Messages Nrpn(int msb, int lsb, int data, int channel = 0) {
  return {Cc(0x63, msb, channel), Cc(0x62, lsb, channel), Cc(0x06, data, channel)};
}
Messages Null(int channel = 0) { return {Cc(0x65, 0x7F, channel), Cc(0x64, 0x7F, channel)}; }
Messages Join(std::initializer_list<Messages> parts) {
  Messages all;
  for (const Messages& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}
template <typename Range>
Messages AsVector(const Range& range) {
  return Messages(range.begin(), range.end());
}

struct Recorder {
  RecordingBackend backend;
  MidiPort port{backend};
  Recorder() { port.OpenPort(0); }
};

SharedState State(ModuleKind type, int map) {
  SharedState state;
  state.ModuleType = type;
  state.MapIndex = map;
  state.CurrentProgram = 24;
  state.CurrentBank = 8;
  state.DrumKit = 25;
  state.DrumNote = 36;
  return state;
}

Messages Press(const SharedState& state, const SoundEdits& edits) {
  Recorder recorder;
  SendToneStart(recorder.port, state, state.controllers, edits);
  return recorder.backend.ShortMessages();
}

// The design's press with `inserted` before its note on.
template <typename Design>
Messages WithBeforeNote(const Design& design, const Messages& inserted) {
  Messages all(design.begin(), design.end() - 1);
  all.insert(all.end(), inserted.begin(), inserted.end());
  all.push_back(design.back());
  return all;
}

TEST(EditMessages, APressSendsTheMovedPartParametersBeforeTheNoteOnOnlyWhereTheTypeTakesThem) {
  SoundEdits edits;
  edits.SetPart(PartParameter::kCutoff, -60, {-64, 63});
  edits.SetPart(PartParameter::kAttack, 10, {-64, 63});
  const struct {
    ModuleKind type;
    int map;
    Messages inserted;
  } cases[] = {
      // SC-8850 map: the value as it is (-60 = 04H).
      {ModuleKind::kGs, 4, Join({Nrpn(0x01, 0x20, 0x04), Nrpn(0x01, 0x63, 0x4A), Null()})},
      // SC-55 map: brought within -50..+50 (0EH).
      {ModuleKind::kGs, 1, Join({Nrpn(0x01, 0x20, 0x0E), Nrpn(0x01, 0x63, 0x4A), Null()})},
      {ModuleKind::kXg, 0, Join({Nrpn(0x01, 0x20, 0x04), Nrpn(0x01, 0x63, 0x4A), Null()})},
      {ModuleKind::kGm, 4, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << static_cast<int>(c.type) << " map " << c.map);
    const SharedState state = State(c.type, c.map);
    const Messages design = c.type == ModuleKind::kGs   ? AsVector(GsToneMessages(state, {}))
                            : c.type == ModuleKind::kXg ? AsVector(XgToneMessages(state, {}))
                                                        : AsVector(GmToneMessages(state, {}));
    EXPECT_EQ(Press(state, edits), WithBeforeNote(design, c.inserted));
    EXPECT_EQ(Press(state, SoundEdits{}), design);  // nothing edited: the design's bytes
  }
  EXPECT_EQ(Press(State(ModuleKind::kGm2, 4), edits), Messages{});
}

TEST(EditMessages, ALiveMoveSendsThatParameterAndTheNullParameter) {
  SoundEdits edits;
  edits.SetPart(PartParameter::kCutoff, 63, {-64, 63});
  const PartParameter moved[] = {PartParameter::kCutoff};
  EXPECT_EQ(AsVector(PartChangeMessages(edits, moved, ModuleKind::kGs, 4, 0).Messages()),
            Join({Nrpn(0x01, 0x20, 0x7F), Null()}));
  // On an older map the same value goes out as +50 (72H).
  EXPECT_EQ(AsVector(PartChangeMessages(edits, moved, ModuleKind::kGs, 0, 0).Messages()),
            Join({Nrpn(0x01, 0x20, 0x72), Null()}));
  EXPECT_TRUE(PartChangeMessages(edits, moved, ModuleKind::kGm, 4, 0).Messages().empty());
}

TEST(EditMessages, ADrumPressSendsTheNotesEditsTheTypeTakesAfterTheKitSelect) {
  SoundEdits edits;
  edits.SetDrum(25, 36, DrumParameter::kPitch, 12);
  edits.SetDrum(25, 36, DrumParameter::kPan, 0);       // random
  edits.SetDrum(25, 36, DrumParameter::kCutoff, -10);  // XG only
  edits.SetDrum(25, 37, DrumParameter::kLevel, 50);    // another note
  for (const ModuleKind type : {ModuleKind::kGs, ModuleKind::kXg, ModuleKind::kGm}) {
    SCOPED_TRACE(static_cast<int>(type));
    Recorder plain, edited;
    PlayDrumNote(State(type, 4), {}, plain.port);
    PlayDrumNote(State(type, 4), {}, edited.port, edits);
    Messages inserted;
    if (type == ModuleKind::kGs)
      inserted = Join({Nrpn(0x18, 36, 0x4C, 9), Nrpn(0x1C, 36, 0x00, 9), Null(9)});
    if (type == ModuleKind::kXg)
      inserted = Join(
          {Nrpn(0x18, 36, 0x4C, 9), Nrpn(0x1C, 36, 0x00, 9), Nrpn(0x14, 36, 0x36, 9), Null(9)});
    EXPECT_EQ(edited.backend.ShortMessages(),
              WithBeforeNote(plain.backend.ShortMessages(), inserted));
  }
}

TEST(EditMessages, EffectTypesCarryTheirChecksumsAndTheDefaultUndoesAnotherType) {
  const auto message = [](ModuleKind type, Effect effect, int position) {
    const auto bytes = EffectTypes(type, effect)[static_cast<std::size_t>(position)].message;
    return Bytes(bytes.begin(), bytes.end());
  };
  EXPECT_EQ(message(ModuleKind::kGs, Effect::kReverb, 2),
            (Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, 0x02, 0x0D, 0xF7}));
  EXPECT_EQ(message(ModuleKind::kXg, Effect::kReverb, 2),
            (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7}));
  for (const Effect effect : {Effect::kReverb, Effect::kChorus}) {
    for (const EffectType& type : EffectTypes(ModuleKind::kGs, effect)) {
      SCOPED_TRACE(type.name);
      int sum = 0;  // address, data and checksum: a multiple of 128
      for (std::size_t i = 5; i <= 9; ++i) sum += type.message[i];
      EXPECT_EQ(sum % 128, 0);
    }
  }
  EXPECT_TRUE(EffectTypes(ModuleKind::kGm, Effect::kReverb).empty());

  SoundEdits edits;
  const auto chosen = [&](ModuleKind type, Effect effect, int choice) {
    const auto bytes = edits.ChooseEffect(type, effect, choice);
    return Bytes(bytes.begin(), bytes.end());
  };
  EXPECT_EQ(chosen(ModuleKind::kGs, Effect::kReverb, 0), Bytes{});  // nothing to undo
  EXPECT_EQ(chosen(ModuleKind::kGs, Effect::kReverb, 3),
            message(ModuleKind::kGs, Effect::kReverb, 2));
  // Back to the default: Hall 2 (04H) undoes Room 3, once.
  EXPECT_EQ(chosen(ModuleKind::kGs, Effect::kReverb, 0),
            message(ModuleKind::kGs, Effect::kReverb, 4));
  EXPECT_EQ(chosen(ModuleKind::kGs, Effect::kReverb, 0), Bytes{});
  EXPECT_EQ(chosen(ModuleKind::kGs, Effect::kChorus, 99), Bytes{});  // out of range: the default
  EXPECT_EQ(chosen(ModuleKind::kGm, Effect::kChorus, 1), Bytes{});
  // XG keeps its own choice beside GS's.
  chosen(ModuleKind::kXg, Effect::kChorus, 4);
  EXPECT_EQ(edits.EffectChoice(ModuleKind::kXg, Effect::kChorus), 4);
  EXPECT_EQ(edits.EffectChoice(ModuleKind::kGs, Effect::kChorus), 0);
}

}  // namespace
}  // namespace tonalyx
