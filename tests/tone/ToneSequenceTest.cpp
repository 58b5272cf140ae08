#include <gtest/gtest.h>

#include <vector>

#include "midi/MidiPort.h"
#include "midi/RecordingBackend.h"
#include "midi/ShortMessage.h"
#include "tone/ControllerMessages.h"
#include "tone/ToneSequence.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;

template <typename Array>
Messages AsVector(const Array& messages) {
  return Messages(messages.begin(), messages.end());
}

// Values unlike the defaults and unlike each other, so a field sent in the
// wrong place shows.
ControllerValues DistinctValues() {
  ControllerValues values;
  values.velocity = 99;
  values.modulation = 5;
  values.reverb = 90;
  values.chorus = 11;
  values.delay = 7;
  values.pan = -20;
  values.pitchBend = 300;
  values.bendSensitivity = 12;
  return values;
}

SharedState DistinctState(std::uint8_t moduleType) {
  SharedState state;
  state.ModuleType = moduleType;
  state.MapIndex = 3;
  state.CurrentProgram = 24;
  state.CurrentBank = 8;
  state.TestNote = 67;
  return state;
}

class RecordedPort : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(port.OpenPort(0));
    backend.Clear();
  }

  RecordingBackend backend;
  MidiPort port{backend};
};

TEST(GsToneMessages, SendsTheSixteenSetUpMessagesInOrder) {
  const Messages expected = {
      ShortMessage(0xB0, 0x01, 5),                 // modulation
      ShortMessage(0xB0, 0x00, 8),                 // Bank Select MSB: bank
      ShortMessage(0xB0, 0x20, 3),                 // Bank Select LSB: tone map
      ShortMessage(0xC0, 24, 0),                   // program
      ShortMessage(0xB0, 0x65, 0x00),              // RPN 0 ...
      ShortMessage(0xB0, 0x64, 0x00),              //
      ShortMessage(0xB0, 0x06, 12),                // ... sensitivity in semitones
      ShortMessage(0xB0, 0x26, 0x00),              // 0 cents
      ShortMessage(0xB0, 0x65, 0x7F),              // null RPN
      ShortMessage(0xB0, 0x64, 0x7F),              //
      ShortMessage(0xB0, 0x5B, 90),                // reverb
      ShortMessage(0xB0, 0x5E, 7),                 // delay
      ShortMessage(0xB0, 0x5D, 11),                // chorus
      ShortMessage(0xB0, 0x0A, 44),                // pan -20 + 64
      ShortMessage(0xE0, 8492 % 128, 8492 / 128),  // bend 300 + 8192
      ShortMessage(0x90, 67, 99),                  // note on
  };
  EXPECT_EQ(AsVector(GsToneMessages(DistinctState(0), DistinctValues())), expected);
}

TEST(GsToneMessages, CarriesTheBarsEdgeValues) {
  const SharedState state = DistinctState(0);
  ControllerValues values;

  struct PanCase {
    int pan;
    int data;
  };
  for (const PanCase c : {PanCase{-64, 0x00}, PanCase{0, 0x40}, PanCase{63, 0x7F}}) {
    values.pan = c.pan;
    EXPECT_EQ(GsToneMessages(state, values)[13], ShortMessage(0xB0, 0x0A, c.data)) << c.pan;
  }

  struct BendCase {
    int bend;
    int low;
    int high;
  };
  for (const BendCase c : {BendCase{-8192, 0x00, 0x00}, BendCase{0, 0x00, 0x40},
                           BendCase{8191, 0x7F, 0x7F}, BendCase{-1, 0x7F, 0x3F}}) {
    values.pitchBend = c.bend;
    EXPECT_EQ(GsToneMessages(state, values)[14], ShortMessage(0xE0, c.low, c.high)) << c.bend;
  }

  for (const int semitones : {0, 24}) {
    values.bendSensitivity = semitones;
    EXPECT_EQ(GsToneMessages(state, values)[6], ShortMessage(0xB0, 0x06, semitones));
  }

  // Velocity 0 still goes out as a note on; the module takes it as a note off.
  values.velocity = 0;
  EXPECT_EQ(GsToneMessages(state, values)[15], ShortMessage(0x90, 67, 0));
}

TEST(XgToneMessages, SendsTheBankAsLsbUnderMsbZeroAndNoControllers) {
  const Messages expected = {
      ShortMessage(0xB0, 0x00, 0),
      ShortMessage(0xB0, 0x20, 8),
      ShortMessage(0xC0, 24, 0),
      ShortMessage(0x90, 67, 99),
  };
  EXPECT_EQ(AsVector(XgToneMessages(DistinctState(1), DistinctValues())), expected);
}

TEST(GmToneMessages, SendsBankZeroWhateverTheBank) {
  const Messages expected = {
      ShortMessage(0xB0, 0x00, 0),
      ShortMessage(0xB0, 0x20, 0),
      ShortMessage(0xC0, 24, 0),
      ShortMessage(0x90, 67, 99),
  };
  EXPECT_EQ(AsVector(GmToneMessages(DistinctState(2), DistinctValues())), expected);
}

TEST_F(RecordedPort, ToneStartSendsEachMessageOnItsOwnByModuleType) {
  const ControllerValues values = DistinctValues();

  SendToneStart(port, DistinctState(0), values);
  EXPECT_EQ(backend.ShortMessages(), AsVector(GsToneMessages(DistinctState(0), values)));
  EXPECT_EQ(backend.Events().size(), 16u);

  backend.Clear();
  SendToneStart(port, DistinctState(1), values);
  EXPECT_EQ(backend.ShortMessages(), AsVector(XgToneMessages(DistinctState(1), values)));

  backend.Clear();
  SendToneStart(port, DistinctState(2), values);
  EXPECT_EQ(backend.ShortMessages(), AsVector(GmToneMessages(DistinctState(2), values)));

  // GM2 is offered but not implemented; a type outside 0..3 cannot be chosen
  // but must not send either.
  backend.Clear();
  SendToneStart(port, DistinctState(3), values);
  SendToneStart(port, DistinctState(4), values);
  EXPECT_TRUE(backend.Events().empty());
}

TEST_F(RecordedPort, ReleaseIsAVelocityZeroNoteOnInEveryModuleType) {
  for (std::uint8_t type = 0; type <= 3; ++type) {
    backend.Clear();
    SharedState state = DistinctState(type);
    state.TestNote = 0;
    SendToneRelease(port, state);
    state.TestNote = 115;
    SendToneRelease(port, state);
    EXPECT_EQ(backend.ShortMessages(),
              (Messages{ShortMessage(0x90, 0, 0), ShortMessage(0x90, 115, 0)}))
        << int{type};
  }
}

Messages Change(ControllerBar bar, int position) {
  const auto messages = ControllerChange(bar, position).Messages();
  return Messages(messages.begin(), messages.end());
}

TEST(ControllerChange, VelocitySendsNothing) {
  EXPECT_TRUE(Change(ControllerBar::Velocity, 0).empty());
  EXPECT_TRUE(Change(ControllerBar::Velocity, 127).empty());
}

TEST(ControllerChange, ControllersGoToTheRhythmChannelAndThenChannelOne) {
  EXPECT_EQ(Change(ControllerBar::Modulation, 5),
            (Messages{ShortMessage(0xB9, 0x01, 5), ShortMessage(0xB0, 0x01, 5)}));
  EXPECT_EQ(Change(ControllerBar::Reverb, 40),
            (Messages{ShortMessage(0xB9, 0x5B, 0x28), ShortMessage(0xB0, 0x5B, 0x28)}));
  EXPECT_EQ(Change(ControllerBar::Chorus, 127),
            (Messages{ShortMessage(0xB9, 0x5D, 127), ShortMessage(0xB0, 0x5D, 127)}));
  EXPECT_EQ(Change(ControllerBar::Delay, 0),
            (Messages{ShortMessage(0xB9, 0x5E, 0), ShortMessage(0xB0, 0x5E, 0)}));
  EXPECT_EQ(Change(ControllerBar::Pan, -64),
            (Messages{ShortMessage(0xB9, 0x0A, 0x00), ShortMessage(0xB0, 0x0A, 0x00)}));
  EXPECT_EQ(Change(ControllerBar::Pan, 63),
            (Messages{ShortMessage(0xB9, 0x0A, 0x7F), ShortMessage(0xB0, 0x0A, 0x7F)}));
}

TEST(ControllerChange, PitchBendAndSensitivityGoToChannelOneOnly) {
  EXPECT_EQ(Change(ControllerBar::PitchBend, -1), (Messages{ShortMessage(0xE0, 0x7F, 0x3F)}));
  EXPECT_EQ(Change(ControllerBar::PitchBend, 0), (Messages{ShortMessage(0xE0, 0x00, 0x40)}));
  EXPECT_EQ(Change(ControllerBar::PitchBend, -8192), (Messages{ShortMessage(0xE0, 0, 0)}));
  EXPECT_EQ(Change(ControllerBar::PitchBend, 8191), (Messages{ShortMessage(0xE0, 0x7F, 0x7F)}));
  EXPECT_EQ(Change(ControllerBar::BendSensitivity, 12),
            (Messages{ShortMessage(0xB0, 0x65, 0), ShortMessage(0xB0, 0x64, 0),
                      ShortMessage(0xB0, 0x06, 0x0C), ShortMessage(0xB0, 0x26, 0),
                      ShortMessage(0xB0, 0x65, 0x7F), ShortMessage(0xB0, 0x64, 0x7F)}));
}

TEST_F(RecordedPort, ControllerChangeSendsEachMessageOnItsOwn) {
  SendControllerChange(port, ControllerBar::BendSensitivity, 24);
  EXPECT_EQ(backend.Events().size(), 6u);
  EXPECT_EQ(backend.ShortMessages(), Change(ControllerBar::BendSensitivity, 24));
}

}  // namespace
}  // namespace tonalyx
