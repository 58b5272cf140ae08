#include <gtest/gtest.h>

#include <vector>

#include "audition/ControllerMessages.h"
#include "audition/ToneSequence.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;
constexpr std::uint32_t M(int status, int data1, int data2 = 0) {
  return ShortMessage(status, data1, data2);
}

template <typename Range>
Messages AsVector(const Range& messages) {
  return Messages(messages.begin(), messages.end());
}

// Values unlike the defaults and unlike each other, so a field sent in the
// wrong place shows.
SharedState State(int module_type) {
  SharedState state;
  state.ModuleType = static_cast<ModuleKind>(module_type);
  state.MapIndex = 3;
  state.CurrentProgram = 24;
  state.CurrentBank = 8;
  state.TestNote = 67;
  return state;
}
const ControllerValues kValues{99, 5, 90, 11, 7, -20, 300, 12};

TEST(ToneMessages, GsSetsUpEveryControllerBeforeTheNote) {
  const Messages expected = {
      M(0xB0, 0x01, 5),    M(0xB0, 0x00, 8),  M(0xB0, 0x20, 3),
      M(0xC0, 24, 0),      M(0xB0, 0x65, 0),  M(0xB0, 0x64, 0),
      M(0xB0, 0x06, 12),   M(0xB0, 0x26, 0),  M(0xB0, 0x65, 0x7F),
      M(0xB0, 0x64, 0x7F), M(0xB0, 0x5B, 90), M(0xB0, 0x5E, 7),
      M(0xB0, 0x5D, 11),   M(0xB0, 0x0A, 44), M(0xE0, 8492 % 128, 8492 / 128),
      M(0x90, 67, 99)};
  EXPECT_EQ(AsVector(GsToneMessages(State(0), kValues)), expected);
}

TEST(ToneMessages, GsCarriesTheBarsEdgeValues) {
  ControllerValues v;
  v.pan = -64;
  v.pitch_bend = -8192;
  v.bend_sensitivity = 0;
  v.velocity = 0;  // still a note on; the module takes it as a note off
  auto sent = GsToneMessages(State(0), v);
  EXPECT_EQ(sent[6], M(0xB0, 0x06, 0));
  EXPECT_EQ(sent[13], M(0xB0, 0x0A, 0x00));
  EXPECT_EQ(sent[14], M(0xE0, 0x00, 0x00));
  EXPECT_EQ(sent[15], M(0x90, 67, 0));

  v.pan = 63;
  v.pitch_bend = 8191;
  v.bend_sensitivity = 24;
  sent = GsToneMessages(State(0), v);
  EXPECT_EQ(sent[6], M(0xB0, 0x06, 0x18));
  EXPECT_EQ(sent[13], M(0xB0, 0x0A, 0x7F));
  EXPECT_EQ(sent[14], M(0xE0, 0x7F, 0x7F));

  v.pan = 0;
  v.pitch_bend = 0;
  sent = GsToneMessages(State(0), v);
  EXPECT_EQ(sent[13], M(0xB0, 0x0A, 0x40));
  EXPECT_EQ(sent[14], M(0xE0, 0x00, 0x40));
}

TEST(ToneMessages, XgSendsTheBankAsLsbAndGmSendsBankZero) {
  EXPECT_EQ(AsVector(XgToneMessages(State(1), kValues)),
            (Messages{M(0xB0, 0, 0), M(0xB0, 0x20, 8), M(0xC0, 24, 0), M(0x90, 67, 99)}));
  EXPECT_EQ(AsVector(GmToneMessages(State(2), kValues)),
            (Messages{M(0xB0, 0, 0), M(0xB0, 0x20, 0), M(0xC0, 24, 0), M(0x90, 67, 99)}));
}

TEST(ToneMessages, PortGetsEachMessageOnItsOwnAndGm2Nothing) {
  RecordingBackend backend;
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  backend.Clear();
  SendToneStart(port, State(0), kValues);
  EXPECT_EQ(backend.Events().size(), 16u);
  EXPECT_EQ(backend.ShortMessages(), AsVector(GsToneMessages(State(0), kValues)));

  backend.Clear();
  SendToneStart(port, State(1), kValues);
  EXPECT_EQ(backend.ShortMessages(), AsVector(XgToneMessages(State(1), kValues)));
  backend.Clear();
  SendToneStart(port, State(2), kValues);
  EXPECT_EQ(backend.ShortMessages(), AsVector(GmToneMessages(State(2), kValues)));

  backend.Clear();
  SendToneStart(port, State(3), kValues);
  SendToneStart(port, State(4), kValues);  // no such type; sends nothing either
  EXPECT_TRUE(backend.Events().empty());

  // The release is the same in every module type.
  for (std::uint8_t type = 0; type <= 3; ++type) SendToneRelease(port, State(type));
  EXPECT_EQ(backend.ShortMessages(), Messages(4, M(0x90, 67, 0)));

  backend.Clear();
  SendControllerChange(port, ControllerBar::kBendSensitivity, 24);
  EXPECT_EQ(backend.Events().size(), 6u);
  EXPECT_EQ(backend.ShortMessages()[2], M(0xB0, 0x06, 24));
}

Messages Change(ControllerBar bar, int position) {
  return AsVector(ControllerChange(bar, position).Messages());
}

TEST(ControllerChange, SendsOnTheRhythmChannelThenChannelOneExceptBendAndVelocity) {
  EXPECT_TRUE(Change(ControllerBar::kVelocity, 127).empty());
  EXPECT_EQ(Change(ControllerBar::kModulation, 5), (Messages{M(0xB9, 1, 5), M(0xB0, 1, 5)}));
  EXPECT_EQ(Change(ControllerBar::kReverb, 40), (Messages{M(0xB9, 0x5B, 40), M(0xB0, 0x5B, 40)}));
  EXPECT_EQ(Change(ControllerBar::kChorus, 127),
            (Messages{M(0xB9, 0x5D, 127), M(0xB0, 0x5D, 127)}));
  EXPECT_EQ(Change(ControllerBar::kDelay, 0), (Messages{M(0xB9, 0x5E, 0), M(0xB0, 0x5E, 0)}));
  EXPECT_EQ(Change(ControllerBar::kPan, -64), (Messages{M(0xB9, 0x0A, 0), M(0xB0, 0x0A, 0)}));
  EXPECT_EQ(Change(ControllerBar::kPan, 63), (Messages{M(0xB9, 0x0A, 127), M(0xB0, 0x0A, 127)}));
  EXPECT_EQ(Change(ControllerBar::kPitchBend, -1), (Messages{M(0xE0, 0x7F, 0x3F)}));
  EXPECT_EQ(Change(ControllerBar::kPitchBend, 0), (Messages{M(0xE0, 0x00, 0x40)}));
  EXPECT_EQ(Change(ControllerBar::kBendSensitivity, 12),
            (Messages{M(0xB0, 0x65, 0), M(0xB0, 0x64, 0), M(0xB0, 0x06, 12), M(0xB0, 0x26, 0),
                      M(0xB0, 0x65, 0x7F), M(0xB0, 0x64, 0x7F)}));
}

}  // namespace
}  // namespace tonalyx
