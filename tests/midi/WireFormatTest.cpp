#include <gtest/gtest.h>

#include "drivers/PortName.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

TEST(StripAlsaAddress, RemovesTheTrailingClientPortAddress) {
  EXPECT_EQ(StripAlsaAddress("Midi Through:Midi Through Port-0 14:0"),
            "Midi Through:Midi Through Port-0");
  EXPECT_EQ(StripAlsaAddress("FLUID Synth (1234):Synth input port (1234:0) 128:0"),
            "FLUID Synth (1234):Synth input port (1234:0)");
  EXPECT_EQ(StripAlsaAddress("SC-8850:SC-8850 MIDI 1 24:0"), "SC-8850:SC-8850 MIDI 1");
  EXPECT_EQ(StripAlsaAddress("UM-ONE:UM-ONE MIDI 1 130:15"), "UM-ONE:UM-ONE MIDI 1");
}

TEST(StripAlsaAddress, LeavesNamesWithoutAWellFormedAddressAlone) {
  for (const char* name : {"midi-monitor:input", "system:midi_playback_1", "Port 14:", "Port :0",
                           "Port 14:x", "Port14:0", "14:0", "", "Port 1a:0"}) {
    EXPECT_EQ(StripAlsaAddress(name), name) << name;
  }
}

TEST(ShortMessageLength, FollowsTheStatusByte) {
  EXPECT_EQ(ShortMessageLength(ShortMessage(0x90, 60, 100)), 3);
  EXPECT_EQ(ShortMessageLength(AllSoundOffDrums), 3);
  EXPECT_EQ(ShortMessageLength(PitchBendMessage(0xEF, 0)), 3);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xC0, 5)), 2);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xDF, 5)), 2);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF1, 5)), 2);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF3, 5)), 2);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF2, 1, 2)), 3);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF8, 0)), 1);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xFF, 0)), 1);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF0, 0)), 0);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0xF7, 0)), 0);
  EXPECT_EQ(ShortMessageLength(ShortMessage(0x7F, 0)), 0);
}

}  // namespace
}  // namespace tonalyx
