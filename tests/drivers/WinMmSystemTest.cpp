#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "drivers/SystemMidi.h"
#include "drivers/WinMmOutput.h"
#include "midi/MidiPort.h"
#include "midi/ModuleKind.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

// The backend over the real winmm.dll, with the devices this Windows (or
// Wine) offers, which may be none.
namespace tonalyx {
namespace {

bool IsUtf8(const std::string& text) {
  return text.empty() || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

TEST(WinMmSystem, ListsEveryDeviceThePlatformOffersAndNoneBeyond) {
  WinMmOutput backend;
  const int count = backend.DeviceCount();
  EXPECT_EQ(count, static_cast<int>(::midiOutGetNumDevs()));
  for (int id = 0; id < count; ++id) {
    const std::optional<std::string> name = backend.DeviceName(id);
    ASSERT_TRUE(name.has_value()) << "device " << id;
    EXPECT_TRUE(IsUtf8(*name)) << *name;
    EXPECT_LE(name->size(), 3u * MAXPNAMELEN);  // at most 31 UTF-16 characters
  }
  EXPECT_EQ(backend.DeviceName(count), std::nullopt);
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_BADDEVICEID));
  EXPECT_EQ(backend.DeviceName(-1), std::nullopt);
}

TEST(WinMmSystem, OpeningADeviceThatDoesNotExistFailsAndEverySendIsSilent) {
  WinMmOutput backend;
  MidiPort port(backend);
  EXPECT_FALSE(port.OpenPort(backend.DeviceCount()));
  const MMRESULT open_result = backend.LastResult();
  EXPECT_EQ(open_result, static_cast<MMRESULT>(MMSYSERR_BADDEVICEID));

  port.SendShort(ShortMessage(0x90, 60, 100));
  port.SendModuleReset(ModuleKind::kGs);
  port.ResetPort();
  port.ClosePort();
  // Not one call reached the platform after the failed open.
  EXPECT_EQ(backend.LastResult(), open_result);
  EXPECT_FALSE(port.IsOpen());
}

TEST(WinMmSystem, IsTheSystemBackendOnWindows) {
  const auto system = CreateSystemMidiBackend();
  EXPECT_NE(dynamic_cast<WinMmOutput*>(system.get()), nullptr);
}

// Only where the platform offers a device: the whole life of one open.
TEST(WinMmSystem, PlaysAndResetsTheFirstDevice) {
  WinMmOutput backend;
  if (backend.DeviceCount() == 0) GTEST_SKIP() << "no MIDI output device offered here";
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0)) << "result " << backend.LastResult();
  port.SendShort(ShortMessage(0x90, 60, 100));
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOERROR));
  port.SendShort(ShortMessage(0x90, 60, 0));
  port.SendModuleReset(ModuleKind::kGs);
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOERROR));
  port.ResetPort();
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOERROR));
  port.ClosePort();
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOERROR));
  // Closed, the device opens again.
  EXPECT_TRUE(port.OpenPort(0));
}

}  // namespace
}  // namespace tonalyx
