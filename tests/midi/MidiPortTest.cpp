#include <gtest/gtest.h>

#include "midi/MidiPort.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

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
  port.SendModuleReset(ModuleKind::kGs);
  port.ResetPort();
  port.ClosePort();
  EXPECT_TRUE(backend.Events().empty());

  backend.FailNextOpens(1);
  EXPECT_FALSE(port.OpenPort(0));
  port.SendShort(AllSoundOffDrums);
  port.ClosePort();
  ASSERT_EQ(backend.Events().size(), 1u);
  EXPECT_EQ(backend.Events()[0].kind, Kind::kOpen);

  EXPECT_TRUE(port.OpenPort(0));
  port.ClosePort();
  port.SendShort(AllSoundOffDrums);
  port.ClosePort();
  ASSERT_EQ(backend.Events().size(), 3u);
  EXPECT_EQ(backend.Events()[2].kind, Kind::kClose);
}

TEST(MidiPort, OpeningAgainClosesTheOldDeviceFirstAndAFailedReopenLeavesItClosed) {
  RecordingBackend backend({"A", "B"});
  backend.SetFailingDevices({1});
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  EXPECT_FALSE(port.OpenPort(1));
  EXPECT_FALSE(port.IsOpen());
  port.SendShort(AllSoundOffDrums);
  port.ResetPort();
  port.ClosePort();

  const auto& events = backend.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, Kind::kOpen);
  EXPECT_EQ(events[1].kind, Kind::kClose);
  EXPECT_EQ(events[2].kind, Kind::kOpen);
  EXPECT_EQ(events[2].device, 1);
  EXPECT_FALSE(events[2].succeeded);
}

TEST(MidiPort, PassesMessagesThroughUnchangedAndDropsAnEmptySysEx) {
  RecordingBackend backend;
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  backend.Clear();
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.SendSysEx({});
  const std::uint8_t custom[] = {0xF0, 0x7D, 0x01, 0xF7};
  port.SendSysEx(custom);

  EXPECT_EQ(backend.ShortMessages(), std::vector<std::uint32_t>{0x643C90u});
  ASSERT_EQ(backend.SysExMessages().size(), 1u);
  EXPECT_EQ(backend.SysExMessages()[0], (std::vector<std::uint8_t>{0xF0, 0x7D, 0x01, 0xF7}));
  EXPECT_EQ(backend.Events().size(), 2u);
}

}  // namespace
}  // namespace tonalyx
