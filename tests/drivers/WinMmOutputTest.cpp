#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AllocationCount.h"
#include "drivers/WinMmOutput.h"
#include "midi/MidiPort.h"
#include "midi/ModuleKind.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

using Name = std::array<char, MAXPNAMELEN>;

// The 32-byte name field of a capabilities record holding these bytes.
Name NameField(std::string_view bytes) {
  Name field{};
  std::memcpy(field.data(), bytes.data(), std::min(bytes.size(), field.size()));
  return field;
}

// Stands in for the platform: a scripted device list, scripted results and a
// log of every call but the device count. The log has its room reserved, so
// logging allocates nothing.
class FakeWinMm : public WinMmOutCalls {
 public:
  struct Call {
    std::string_view name;
    HMIDIOUT handle = nullptr;
    UINT_PTR id = 0;
    DWORD_PTR callback = 0;
    DWORD_PTR instance = 0;
    DWORD flags = 0;  // Open: the open flags; PrepareHeader: the header's flags
    UINT size = 0;
    DWORD message = 0;
    LPMIDIHDR header = nullptr;
    const void* data = nullptr;
    DWORD length = 0;
  };
  static inline const HMIDIOUT kHandle = reinterpret_cast<HMIDIOUT>(0x5a5a);

  FakeWinMm() { calls.reserve(2048); }

  UINT GetNumDevs() override { return static_cast<UINT>(devices.size()); }
  MMRESULT GetDevCaps(UINT_PTR id, LPMIDIOUTCAPSA caps, UINT size) override {
    calls.push_back({.name = "GetDevCaps", .id = id, .size = size});
    if (id >= devices.size() || !devices[id]) return MMSYSERR_BADDEVICEID;
    // Bytes that are not NUL all around the name, as an unread record may hold.
    std::memset(caps, 'x', sizeof *caps);
    std::memcpy(caps->szPname, devices[id]->data(), sizeof caps->szPname);
    return MMSYSERR_NOERROR;
  }
  MMRESULT Open(LPHMIDIOUT handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                DWORD flags) override {
    calls.push_back(
        {.name = "Open", .id = id, .callback = callback, .instance = instance, .flags = flags});
    if (open_result == MMSYSERR_NOERROR) *handle = kHandle;
    return open_result;
  }
  MMRESULT Close(HMIDIOUT handle) override {
    calls.push_back({.name = "Close", .handle = handle});
    if (closes_still_playing > 0) {
      --closes_still_playing;
      return MIDIERR_STILLPLAYING;
    }
    return MMSYSERR_NOERROR;
  }
  MMRESULT Reset(HMIDIOUT handle) override {
    calls.push_back({.name = "Reset", .handle = handle});
    return MMSYSERR_NOERROR;
  }
  MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override {
    calls.push_back({.name = "ShortMsg", .handle = handle, .message = message});
    return MMSYSERR_NOERROR;
  }
  MMRESULT PrepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    calls.push_back({.name = "PrepareHeader",
                     .handle = handle,
                     .flags = header->dwFlags,
                     .size = size,
                     .header = header,
                     .data = header->lpData,
                     .length = header->dwBufferLength});
    if (prepare_result == MMSYSERR_NOERROR) header->dwFlags |= MHDR_PREPARED;
    return prepare_result;
  }
  MMRESULT LongMsg(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    calls.push_back({.name = "LongMsg", .handle = handle, .size = size, .header = header});
    header->dwFlags |= MHDR_DONE;
    return MMSYSERR_NOERROR;
  }

  std::vector<std::string_view> Names() const {
    std::vector<std::string_view> names;
    for (const Call& call : calls) names.push_back(call.name);
    return names;
  }

  std::vector<std::optional<Name>> devices;
  MMRESULT open_result = MMSYSERR_NOERROR;
  MMRESULT prepare_result = MMSYSERR_NOERROR;
  int closes_still_playing = 0;
  std::vector<Call> calls;
};

using Names = std::vector<std::string_view>;

TEST(WinMmOutput, NamesEachDeviceByItsCapabilitiesCutAtTheFirstNul) {
  FakeWinMm api;
  const std::string_view full = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // 32 bytes, no NUL
  api.devices = {NameField("Microsoft GS Wavetable Synth"),
                 NameField(std::string_view("SC-8850\0left over", 17)), std::nullopt,
                 NameField(full), NameField("")};
  WinMmOutput backend(api);
  EXPECT_EQ(backend.DeviceCount(), 5);
  EXPECT_EQ(backend.DeviceName(0), "Microsoft GS Wavetable Synth");
  EXPECT_EQ(backend.DeviceName(1), "SC-8850");
  EXPECT_EQ(backend.DeviceName(2), std::nullopt);  // its capabilities cannot be read
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_BADDEVICEID));
  EXPECT_EQ(backend.DeviceName(3), std::string(full));
  EXPECT_EQ(backend.DeviceName(4), "");
  EXPECT_EQ(backend.DeviceName(5), std::nullopt);
  ASSERT_EQ(api.calls.size(), 6u);
  for (const FakeWinMm::Call& call : api.calls) EXPECT_EQ(call.size, 52u);

  EXPECT_EQ(backend.DeviceName(-1), std::nullopt);
  EXPECT_EQ(api.calls.size(), 6u);
}

TEST(WinMmOutput, ShowsTheAnsiNameAsUtf8) {
  EXPECT_EQ(CodePageToUtf8("\x89\xb9\x8c\xb9 SC-88", 932), "音源 SC-88");  // Shift-JIS
  EXPECT_EQ(CodePageToUtf8("Caf\xe9", 1252), "Caf\xc3\xa9");
  EXPECT_EQ(CodePageToUtf8("", 932), "");

  // Whatever the ANSI code page, the name comes out as valid UTF-8.
  FakeWinMm api;
  api.devices = {NameField("Caf\xe9 \x89\xb9")};
  WinMmOutput backend(api);
  const std::optional<std::string> name = backend.DeviceName(0);
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(name->substr(0, 3), "Caf");
  EXPECT_GT(::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name->data(),
                                  static_cast<int>(name->size()), nullptr, 0),
            0);
}

TEST(WinMmOutput, OpensWithoutACallbackAndIsSilentAfterAFailedOpen) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(3));
  ASSERT_EQ(api.calls.size(), 1u);
  EXPECT_EQ(api.calls[0].id, 3u);
  EXPECT_EQ(api.calls[0].callback, 0u);
  EXPECT_EQ(api.calls[0].instance, 0u);
  EXPECT_EQ(api.calls[0].flags, static_cast<DWORD>(CALLBACK_NULL));

  api.open_result = MMSYSERR_ALLOCATED;
  EXPECT_FALSE(port.OpenPort(4));
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_ALLOCATED));
  EXPECT_EQ(api.Names(), (Names{"Open", "Close", "Open"}));

  port.SendShort(AllSoundOffDrums);
  port.SendModuleReset(ModuleKind::kGs);
  port.ResetPort();
  port.ClosePort();
  backend.SendShort(AllSoundOffDrums);
  backend.SendSysEx(GsReset);
  backend.Close();
  EXPECT_FALSE(backend.Open(-1));
  EXPECT_EQ(api.calls.size(), 3u);
}

TEST(WinMmOutput, SendsShortMessagesAsThePackedValueAndResetsWithThePlatformReset) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.ResetPort();
  ASSERT_EQ(api.Names(), (Names{"Open", "ShortMsg", "Reset"}));
  EXPECT_EQ(api.calls[1].handle, FakeWinMm::kHandle);
  EXPECT_EQ(api.calls[1].message, 0x643C90u);
  EXPECT_EQ(api.calls[2].handle, FakeWinMm::kHandle);
}

// One header serves every send: pointed at the static message, prepared and
// handed over with the platform's header size, its flags left as the platform
// set them.
TEST(WinMmOutput, SendsSystemExclusiveThroughOneReusedHeaderOverTheStaticBytes) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  port.SendModuleReset(ModuleKind::kGs);
  port.SendModuleReset(ModuleKind::kXg);
  port.SendModuleReset(ModuleKind::kGm2);  // GM2: nothing
  ASSERT_EQ(api.Names(), (Names{"Open", "PrepareHeader", "LongMsg", "PrepareHeader", "LongMsg"}));

  const FakeWinMm::Call& first_prepare = api.calls[1];
  EXPECT_EQ(first_prepare.data, GsReset.data());
  EXPECT_EQ(first_prepare.length, GsReset.size());
  EXPECT_EQ(first_prepare.flags, 0u);
  const FakeWinMm::Call& second_prepare = api.calls[3];
  EXPECT_EQ(second_prepare.data, XgSystemOn.data());
  EXPECT_EQ(second_prepare.length, XgSystemOn.size());
  EXPECT_EQ(second_prepare.flags, static_cast<DWORD>(MHDR_PREPARED | MHDR_DONE));
  for (std::size_t i = 1; i < api.calls.size(); ++i) {
    EXPECT_EQ(api.calls[i].header, first_prepare.header);
    EXPECT_EQ(api.calls[i].size, sizeof(MIDIHDR));
    EXPECT_EQ(api.calls[i].handle, FakeWinMm::kHandle);
  }

  // A header the platform will not prepare is not handed over.
  api.prepare_result = MMSYSERR_NOMEM;
  port.SendModuleReset(ModuleKind::kGm);
  EXPECT_EQ(api.calls.back().name, "PrepareHeader");
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOMEM));
}

TEST(WinMmOutput, ACloseHeldUpByAPlayingMessageResetsAndClosesAgain) {
  FakeWinMm api;
  {
    WinMmOutput backend(api);
    MidiPort port(backend);
    ASSERT_TRUE(port.OpenPort(0));
    port.ClosePort();
    EXPECT_EQ(api.Names(), (Names{"Open", "Close"}));

    api.calls.clear();
    ASSERT_TRUE(port.OpenPort(0));
    api.closes_still_playing = 1;
    port.ClosePort();
    EXPECT_EQ(api.Names(), (Names{"Open", "Close", "Reset", "Close"}));
    EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOERROR));

    api.calls.clear();
    ASSERT_TRUE(backend.Open(1));
  }
  // The backend's end closes the device still open.
  EXPECT_EQ(api.Names(), (Names{"Open", "Close"}));
}

TEST(WinMmOutput, SendsAllocateNothing) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  const long unsent = AllocationCount();
  const std::vector<int> allocated(8);
  ASSERT_GT(AllocationCount(), unsent);  // the count does see allocations

  const long before = AllocationCount();
  for (int i = 0; i < 100; ++i) {
    port.SendShort(ShortMessage(0x90, 60, 100));
    port.SendShort(ShortMessage(0x90, 60, 0));
    port.SendModuleReset(static_cast<ModuleKind>(i % 4));
    port.ResetPort();
  }
  const long after = AllocationCount();
  EXPECT_EQ(after, before);
  EXPECT_GT(api.calls.size(), 400u);  // the sends did reach the platform
}

}  // namespace
}  // namespace tonalyx
