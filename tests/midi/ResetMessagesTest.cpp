#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/MidiPort.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::span<const std::uint8_t> s) { return {s.begin(), s.end()}; }

TEST(ResetMessages, AreTheExactSystemExclusiveStrings) {
  EXPECT_EQ(ToBytes(GsReset),
            (Bytes{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}));
  EXPECT_EQ(ToBytes(XgSystemOn), (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
  EXPECT_EQ(ToBytes(GmSystemOn), (Bytes{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
}

TEST(ResetMessages, GsResetCarriesTheRolandChecksumOfAddressAndData) {
  // Address 40 00 7F and data 00 sit at bytes 5..8, the checksum at byte 9:
  // together with it their sum is a multiple of 128.
  int sum = 0;
  for (std::size_t i = 5; i <= 8; ++i) sum += GsReset[i];
  EXPECT_EQ((sum + GsReset[9]) % 128, 0);
  EXPECT_EQ(GsReset[9], (128 - sum % 128) % 128);
}

TEST(ResetMessages, OnlyGsXgAndGmHaveOne) {
  EXPECT_EQ(ToBytes(ModuleResetMessage(ModuleKind::kGs)), ToBytes(GsReset));
  EXPECT_EQ(ToBytes(ModuleResetMessage(ModuleKind::kXg)), ToBytes(XgSystemOn));
  EXPECT_EQ(ToBytes(ModuleResetMessage(ModuleKind::kGm)), ToBytes(GmSystemOn));
  EXPECT_TRUE(ModuleResetMessage(ModuleKind::kGm2).empty());
  EXPECT_TRUE(ModuleResetMessage(static_cast<ModuleKind>(-1)).empty());
  EXPECT_TRUE(ModuleResetMessage(static_cast<ModuleKind>(4)).empty());
}

TEST(MidiPort, SendModuleResetSendsTheTypesMessageAndNothingForGm2) {
  RecordingBackend backend;
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  backend.Clear();

  for (int type = 0; type <= 3; ++type) port.SendModuleReset(static_cast<ModuleKind>(type));
  EXPECT_EQ(backend.SysExMessages(),
            (std::vector<Bytes>{ToBytes(GsReset), ToBytes(XgSystemOn), ToBytes(GmSystemOn)}));
  EXPECT_EQ(backend.Events().size(), 3u);  // GM2 reached the backend not at all
}

TEST(MidiPort, ResetPortSilencesAllSixteenChannelsInOrder) {
  RecordingBackend backend;
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  backend.Clear();

  port.ResetPort();
  std::vector<std::uint32_t> expected;
  for (int channel = 0; channel < 16; ++channel) {
    expected.push_back(ShortMessage(0xB0 | channel, 123, 0));  // All Notes Off
    expected.push_back(ShortMessage(0xB0 | channel, 64, 0));   // sustain off
  }
  EXPECT_EQ(backend.ShortMessages(), expected);
  EXPECT_EQ(backend.Events().size(), 32u);
}

TEST(MidiPort, ResetPortUsesTheServicesOwnResetInsteadOfControllers) {
  RecordingBackend backend;
  backend.OfferOwnReset();
  MidiPort port(backend);
  port.ResetPort();  // not open: nothing
  EXPECT_TRUE(backend.Events().empty());

  ASSERT_TRUE(port.OpenPort(0));
  backend.Clear();
  port.ResetPort();
  ASSERT_EQ(backend.Events().size(), 1u);
  EXPECT_EQ(backend.Events()[0].kind, RecordingBackend::Event::Kind::kReset);
}

}  // namespace
}  // namespace tonalyx
