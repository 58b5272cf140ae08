#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <string>

#include "midi/MidiPort.h"
#include "midi/ResetMessages.h"
#include "midi/RtMidiBackend.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

// With no ALSA sequencer and no JACK server the backend has no API: it lists
// nothing, opens nothing and takes sends without effect or error.
TEST(RtMidiBackend, WithoutAnyMidiServiceListsNothingAndIgnoresEverything) {
  if (access("/dev/snd/seq", F_OK) == 0) GTEST_SKIP() << "an ALSA sequencer exists here";
  // A server name nobody uses, so a JACK server running on this machine
  // stays out of the test.
  const std::string server = "tonalyx-none-" + std::to_string(getpid());
  setenv("JACK_DEFAULT_SERVER", server.c_str(), 1);

  RtMidiBackend backend;
  EXPECT_EQ(backend.ActiveApi(), RtMidiBackend::Api::None);
  EXPECT_EQ(backend.DeviceCount(), 0);
  EXPECT_EQ(backend.DeviceName(0), std::nullopt);
  EXPECT_EQ(backend.DeviceName(-1), std::nullopt);

  MidiPort port(backend);
  EXPECT_FALSE(port.OpenPort(0));
  EXPECT_FALSE(backend.Open(0));
  backend.SendShort(AllSoundOffDrums);
  backend.SendSysEx(GsReset);
  backend.Close();
  port.ClosePort();
  unsetenv("JACK_DEFAULT_SERVER");
}

}  // namespace
}  // namespace tonalyx
