#include <gtest/gtest.h>

#include "midi/MidiPort.h"
#include "midi/RecordingBackend.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;

TEST(ShortMessage, PacksStatusAndDataBytesIntoTheLowThreeBytes) {
  EXPECT_EQ(ShortMessage(0xB0, 7, 100), 0x6407B0u);
  EXPECT_EQ(ShortMessage(0xC0, 5), 0x05C0u);
  EXPECT_EQ(AllSoundOffDrums, ShortMessage(0xB9, 120, 0));
}

TEST(ShortMessage, SplitsSignedPitchBendIntoSevenBitHalves) {
  EXPECT_EQ(PitchBendMessage(0xE0, 0), ShortMessage(0xE0, 0x00, 0x40));
  EXPECT_EQ(PitchBendMessage(0xE0, -8192), ShortMessage(0xE0, 0x00, 0x00));
  EXPECT_EQ(PitchBendMessage(0xE0, 8191), ShortMessage(0xE0, 0x7F, 0x7F));
  EXPECT_EQ(PitchBendMessage(0xE0, -1), ShortMessage(0xE0, 0x7F, 0x3F));
}

TEST(MidiPort, SendsNothingBeforeAnOpenAfterAFailedOpenOrAfterAClose) {
  RecordingBackend backend;
  MidiPort port(backend);
  port.SendShort(AllSoundOffDrums);
  port.SendModuleReset(0);
  port.ResetPort();
  port.ClosePort();
  EXPECT_TRUE(backend.Events().empty());

  backend.FailNextOpens(1);
  EXPECT_FALSE(port.OpenPort(0));
  port.SendShort(AllSoundOffDrums);
  port.ClosePort();
  ASSERT_EQ(backend.Events().size(), 1u);
  EXPECT_EQ(backend.Events()[0].kind, Kind::Open);

  EXPECT_TRUE(port.OpenPort(0));
  port.ClosePort();
  port.SendShort(AllSoundOffDrums);
  port.ClosePort();
  ASSERT_EQ(backend.Events().size(), 3u);
  EXPECT_EQ(backend.Events()[2].kind, Kind::Close);
}

}  // namespace
}  // namespace tonalyx
