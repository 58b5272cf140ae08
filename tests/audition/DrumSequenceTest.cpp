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
  void SetUp() override { ASSERT_TRUE(port_.OpenPort(0)); }

  RecordingBackend backend_;
  MidiPort port_{backend_};
  SharedState state_;
};

TEST_F(DrumSequenceTest, StartValuesGiveTheDocumentedBytes) {
  state_.DrumNote = 36;
  PlayDrumNote(state_, ControllerValues{}, port_);
  EXPECT_THAT(backend_.ShortMessages(), ElementsAre(0x0001B9u, 0x0000B0u, 0x0420B0u, 0x0000C9u,
                                                    0x285BB9u, 0x005EB9u, 0x005DB9u, 0x642499u));
  backend_.Clear();
  ReleaseDrumNote(state_.DrumNote, port_);
  EXPECT_THAT(backend_.ShortMessages(), ElementsAre(0x002499u));
}

TEST_F(DrumSequenceTest, EachValueLandsInItsOwnMessage) {
  // Every input distinct, so a swapped source or order shows.
  state_.DrumKit = 127;
  state_.DrumNote = 0;
  state_.MapIndex = 1;
  ControllerValues values;
  values.velocity = 11;
  values.modulation = 22;
  values.reverb = 33;
  values.chorus = 44;
  values.delay = 55;
  values.pan = -64;
  values.pitch_bend = 8191;
  values.bend_sensitivity = 24;
  PlayDrumNote(state_, values, port_);
  EXPECT_THAT(
      backend_.ShortMessages(),
      ElementsAre(Msg(0xB9, 1, 22), Msg(0xB0, 0, 0), Msg(0xB0, 32, 1), Msg(0xC9, 127),
                  Msg(0xB9, 91, 33), Msg(0xB9, 94, 55), Msg(0xB9, 93, 44), Msg(0x99, 0, 11)));
}

TEST_F(DrumSequenceTest, EveryModuleTypeSendsTheSameEightMessages) {
  state_.DrumKit = 25;
  state_.DrumNote = 127;
  state_.MapIndex = 0;
  std::vector<std::uint32_t> first;
  for (std::uint8_t type = 0; type <= 3; ++type) {
    state_.ModuleType = static_cast<ModuleKind>(type);
    backend_.Clear();
    PlayDrumNote(state_, ControllerValues{}, port_);
    const std::vector<std::uint32_t> sent = backend_.ShortMessages();
    ASSERT_EQ(sent.size(), 8u) << "module type " << int{type};
    EXPECT_EQ(sent[2], Msg(0xB0, 32, 0)) << "module type " << int{type};
    EXPECT_EQ(sent[3], Msg(0xC9, 25)) << "module type " << int{type};
    if (type == 0) first = sent;
    EXPECT_EQ(sent, first) << "module type " << int{type};
  }
  EXPECT_TRUE(backend_.SysExMessages().empty());
}

}  // namespace
}  // namespace tonalyx
