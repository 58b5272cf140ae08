#include "audition/DrumSequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using ::testing::ElementsAre;

constexpr std::uint32_t Msg(int status, int data1, int data2 = 0) {
  return ShortMessage(status, data1, data2);
}

class DrumSequenceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(port.OpenPort(0)); }

  RecordingBackend backend;
  MidiPort port{backend};
  SharedState state;
};

TEST_F(DrumSequenceTest, StartValuesGiveTheDocumentedBytes) {
  state.DrumNote = 36;
  PlayDrumNote(state, ControllerValues{}, port);
  EXPECT_THAT(backend.ShortMessages(), ElementsAre(0x0001B9u, 0x0000B0u, 0x0420B0u, 0x0000C9u,
                                                   0x285BB9u, 0x005EB9u, 0x005DB9u, 0x642499u));
  backend.Clear();
  ReleaseDrumNote(state, port);
  EXPECT_THAT(backend.ShortMessages(), ElementsAre(0x002499u));
}

TEST_F(DrumSequenceTest, EachValueLandsInItsOwnMessage) {
  // Every input distinct, so a swapped source or order shows.
  state.DrumKit = 127;
  state.DrumNote = 0;
  state.MapIndex = 1;
  ControllerValues values;
  values.velocity = 11;
  values.modulation = 22;
  values.reverb = 33;
  values.chorus = 44;
  values.delay = 55;
  values.pan = -64;
  values.pitchBend = 8191;
  values.bendSensitivity = 24;
  PlayDrumNote(state, values, port);
  EXPECT_THAT(
      backend.ShortMessages(),
      ElementsAre(Msg(0xB9, 1, 22), Msg(0xB0, 0, 0), Msg(0xB0, 32, 1), Msg(0xC9, 127),
                  Msg(0xB9, 91, 33), Msg(0xB9, 94, 55), Msg(0xB9, 93, 44), Msg(0x99, 0, 11)));
}

TEST_F(DrumSequenceTest, EveryModuleTypeSendsTheSameEightMessages) {
  state.DrumKit = 25;
  state.DrumNote = 127;
  state.MapIndex = 0;
  std::vector<std::uint32_t> first;
  for (std::uint8_t type = 0; type <= 3; ++type) {
    state.ModuleType = static_cast<ModuleKind>(type);
    backend.Clear();
    PlayDrumNote(state, ControllerValues{}, port);
    const std::vector<std::uint32_t> sent = backend.ShortMessages();
    ASSERT_EQ(sent.size(), 8u) << "module type " << int{type};
    EXPECT_EQ(sent[2], Msg(0xB0, 32, 0)) << "module type " << int{type};
    EXPECT_EQ(sent[3], Msg(0xC9, 25)) << "module type " << int{type};
    if (type == 0) first = sent;
    EXPECT_EQ(sent, first) << "module type " << int{type};
  }
  EXPECT_TRUE(backend.SysExMessages().empty());
}

}  // namespace
}  // namespace tonalyx
