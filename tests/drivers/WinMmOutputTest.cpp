#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "AllocationCount.h"
#include "drivers/SystemMidi.h"
#include "drivers/WinMmOutput.h"
#include "drivers/WindowsText.h"
#include "midi/MidiPort.h"
#include "midi/ModuleKind.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

using Name = std::array<wchar_t, MAXPNAMELEN>;

// The 32-character name field of a capabilities record holding these characters.
Name NameField(std::wstring_view text) {
  Name field{};
  std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
  return field;
}

// Stands in for the platform: a scripted device list, scripted results and a
// log of every call but the device count, with the thread that made it. The
// log and the queue have their room reserved, so they allocate nothing. A long message
// stays in the device's queue until Finish (or a reset, or, with
// `finish_at_once`, the send itself) marks it done and sets the open's event,
// as the platform does from a thread of its own.
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
    std::thread::id thread = std::this_thread::get_id();
  };
  static inline const HMIDIOUT kHandle = reinterpret_cast<HMIDIOUT>(0x5a5a);

  FakeWinMm() {
    calls_.reserve(2048);
    queue_.reserve(64);
  }

  UINT GetNumDevs() override { return static_cast<UINT>(devices.size()); }
  MMRESULT GetDevCaps(UINT_PTR id, LPMIDIOUTCAPSW caps, UINT size) override {
    Log({.name = "GetDevCaps", .id = id, .size = size});
    if (id >= devices.size() || !devices[id]) return MMSYSERR_BADDEVICEID;
    // Characters that are not NUL all around the name, as an unread record may hold.
    std::fill_n(reinterpret_cast<char*>(caps), sizeof *caps, 'x');
    std::copy(devices[id]->begin(), devices[id]->end(), caps->szPname);
    return MMSYSERR_NOERROR;
  }
  MMRESULT Open(LPHMIDIOUT handle, UINT id, DWORD_PTR callback, DWORD_PTR instance,
                DWORD flags) override {
    Log({.name = "Open", .id = id, .callback = callback, .instance = instance, .flags = flags});
    if (open_result != MMSYSERR_NOERROR) return open_result;
    event_ = reinterpret_cast<HANDLE>(callback);
    *handle = kHandle;
    return MMSYSERR_NOERROR;
  }
  MMRESULT Close(HMIDIOUT handle) override { return Log({.name = "Close", .handle = handle}); }
  MMRESULT Reset(HMIDIOUT handle) override {
    Log({.name = "Reset", .handle = handle});
    Finish();
    return MMSYSERR_NOERROR;
  }
  MMRESULT ShortMsg(HMIDIOUT handle, DWORD message) override {
    return Log({.name = "ShortMsg", .handle = handle, .message = message});
  }
  MMRESULT PrepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    Log({.name = "PrepareHeader",
         .handle = handle,
         .flags = header->dwFlags,
         .size = size,
         .header = header,
         .data = header->lpData,
         .length = header->dwBufferLength});
    if (prepare_result == MMSYSERR_NOERROR) header->dwFlags |= MHDR_PREPARED;
    return prepare_result;
  }
  MMRESULT UnprepareHeader(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    header->dwFlags &= ~MHDR_PREPARED;
    return Log({.name = "UnprepareHeader", .handle = handle, .size = size, .header = header});
  }
  MMRESULT LongMsg(HMIDIOUT handle, LPMIDIHDR header, UINT size) override {
    Log({.name = "LongMsg",
         .handle = handle,
         .size = size,
         .header = header,
         .data = header->lpData,
         .length = header->dwBufferLength});
    {
      const std::lock_guard lock(mutex_);
      header->dwFlags |= MHDR_INQUEUE;
      queue_.push_back(header);
    }
    if (finish_at_once) Finish();
    return MMSYSERR_NOERROR;
  }

  // The device has played every message it was given.
  void Finish() {
    const std::lock_guard lock(mutex_);
    for (MIDIHDR* header : queue_) header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
    queue_.clear();
    ::SetEvent(event_);
  }

  std::vector<Call> Calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
  }
  std::vector<std::string_view> Names() const {
    std::vector<std::string_view> names;
    for (const Call& call : Calls()) names.push_back(call.name);
    return names;
  }
  void Forget() {
    const std::lock_guard lock(mutex_);
    calls_.clear();
  }

  std::vector<std::optional<Name>> devices;
  MMRESULT open_result = MMSYSERR_NOERROR;
  MMRESULT prepare_result = MMSYSERR_NOERROR;
  bool finish_at_once = false;

 private:
  MMRESULT Log(const Call& call) {
    const std::lock_guard lock(mutex_);
    calls_.push_back(call);
    return MMSYSERR_NOERROR;
  }

  mutable std::mutex mutex_;
  std::vector<Call> calls_;
  std::vector<MIDIHDR*> queue_;
  HANDLE event_ = nullptr;
};

using Names = std::vector<std::string_view>;

// Waits up to two seconds for the backend's own thread to have made a call.
bool WaitForCalls(const FakeWinMm& api, std::string_view name, std::size_t count) {
  for (int i = 0; i < 200; ++i) {
    const std::vector<std::string_view> names = api.Names();
    if (static_cast<std::size_t>(std::count(names.begin(), names.end(), name)) >= count)
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(WinMmOutput, NamesEachDeviceByItsCapabilitiesKeepingEveryCharacter) {
  FakeWinMm api;
  const std::wstring_view full = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // 32, no NUL
  api.devices = {NameField(L"Microsoft GS Wavetable Synth"),
                 NameField(std::wstring_view(L"SC-8850\0left over", 17)),
                 std::nullopt,
                 NameField(full),
                 NameField(L""),
                 NameField(L"音源 SC-88 Café")};
  WinMmOutput backend(api);
  EXPECT_EQ(backend.DeviceCount(), 6);
  EXPECT_EQ(backend.DeviceName(0), "Microsoft GS Wavetable Synth");
  EXPECT_EQ(backend.DeviceName(1), "SC-8850");
  EXPECT_EQ(backend.DeviceName(2), std::nullopt);  // its capabilities cannot be read
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_BADDEVICEID));
  EXPECT_EQ(backend.DeviceName(3), "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
  EXPECT_EQ(backend.DeviceName(4), "");
  // Whatever the ANSI code page: the W record's name, as UTF-8.
  EXPECT_EQ(backend.DeviceName(5), "音源 SC-88 Caf\xc3\xa9");
  EXPECT_EQ(backend.DeviceName(6), std::nullopt);
  const std::vector<FakeWinMm::Call> calls = api.Calls();
  ASSERT_EQ(calls.size(), 7u);
  for (const FakeWinMm::Call& call : calls) EXPECT_EQ(call.size, sizeof(MIDIOUTCAPSW));

  EXPECT_EQ(backend.DeviceName(-1), std::nullopt);
  EXPECT_EQ(api.Calls().size(), 7u);
}

// A settings file of an older program holds the name in the ANSI code page.
TEST(WinMmOutput, ReadsADeviceNameStoredInACodePage) {
  EXPECT_EQ(CodePageToUtf8("\x89\xb9\x8c\xb9 SC-88", 932), "音源 SC-88");  // Shift-JIS
  EXPECT_EQ(CodePageToUtf8("Caf\xe9", 1252), "Caf\xc3\xa9");
  EXPECT_EQ(CodePageToUtf8("", 932), "");
  EXPECT_EQ(DeviceNameFromOlderSettings("SC-88"), "SC-88");
  EXPECT_EQ(DeviceNameFromOlderSettings("Caf\xe9 \x89\xb9"),
            CodePageToUtf8("Caf\xe9 \x89\xb9", ::GetACP()));
}

TEST(WinMmOutput, OpensWithAnEventForDoneHeadersAndIsSilentAfterAFailedOpen) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(3));
  std::vector<FakeWinMm::Call> calls = api.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].id, 3u);
  EXPECT_EQ(calls[0].flags, static_cast<DWORD>(CALLBACK_EVENT));
  EXPECT_EQ(::WaitForSingleObject(reinterpret_cast<HANDLE>(calls[0].callback), 0),
            static_cast<DWORD>(WAIT_TIMEOUT))
      << "the callback is an event handle";

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
  EXPECT_EQ(api.Calls().size(), 3u);
}

TEST(WinMmOutput, SendsShortMessagesAsThePackedValueAndResetsWithThePlatformReset) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.ResetPort();
  const std::vector<FakeWinMm::Call> calls = api.Calls();
  ASSERT_EQ(api.Names(), (Names{"Open", "ShortMsg", "Reset"}));
  EXPECT_EQ(calls[1].handle, FakeWinMm::kHandle);
  EXPECT_EQ(calls[1].message, 0x643C90u);
  EXPECT_EQ(calls[2].handle, FakeWinMm::kHandle);
}

// Two messages back to back while the device still plays the first: each
// has a header and bytes of its own, prepared from zero flags; each is
// unprepared by the backend's own thread once the device marks it done, and
// its header then serves again.
TEST(WinMmOutput, GivesEachSystemExclusiveMessageItsOwnHeaderUntilTheDeviceIsDone) {
  FakeWinMm api;
  WinMmOutput backend(api);
  MidiPort port(backend);
  ASSERT_TRUE(port.OpenPort(0));
  std::array<std::uint8_t, 11> effect = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40,
                                         0x01, 0x30, 0x02, 0x0D, 0xF7};
  port.SendModuleReset(ModuleKind::kGs);
  port.SendSysEx(effect);
  effect.fill(0);                          // the caller's bytes may be gone once the send returns
  port.SendModuleReset(ModuleKind::kGm2);  // GM2: nothing
  ASSERT_EQ(api.Names(), (Names{"Open", "PrepareHeader", "LongMsg", "PrepareHeader", "LongMsg"}));

  std::vector<FakeWinMm::Call> calls = api.Calls();
  const FakeWinMm::Call& reset = calls[2];
  const FakeWinMm::Call& second = calls[4];
  EXPECT_NE(reset.header, second.header);
  EXPECT_EQ(calls[1].flags, 0u);
  EXPECT_EQ(calls[3].flags, 0u);
  EXPECT_EQ(std::vector<std::uint8_t>(static_cast<const std::uint8_t*>(reset.data),
                                      static_cast<const std::uint8_t*>(reset.data) + reset.length),
            std::vector<std::uint8_t>(GsReset.begin(), GsReset.end()));
  EXPECT_EQ(
      std::vector<std::uint8_t>(static_cast<const std::uint8_t*>(second.data),
                                static_cast<const std::uint8_t*>(second.data) + second.length),
      (std::vector<std::uint8_t>{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, 0x02, 0x0D,
                                 0xF7}));
  for (std::size_t i = 1; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].size, sizeof(MIDIHDR));
    EXPECT_EQ(calls[i].handle, FakeWinMm::kHandle);
  }

  api.Finish();
  ASSERT_TRUE(WaitForCalls(api, "UnprepareHeader", 2)) << "the done headers were not unprepared";
  calls = api.Calls();
  EXPECT_EQ(calls[5].header, reset.header);
  EXPECT_EQ(calls[6].header, second.header);
  for (std::size_t i = 5; i < 7; ++i) EXPECT_NE(calls[i].thread, std::this_thread::get_id());

  api.Forget();
  port.SendModuleReset(ModuleKind::kXg);
  calls = api.Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].header, reset.header);
  EXPECT_EQ(calls[0].length, XgSystemOn.size());

  // A header the platform will not prepare is not handed over.
  api.prepare_result = MMSYSERR_NOMEM;
  port.SendModuleReset(ModuleKind::kGm);
  EXPECT_EQ(api.Names().back(), "PrepareHeader");
  EXPECT_EQ(backend.LastResult(), static_cast<MMRESULT>(MMSYSERR_NOMEM));
}

// A close lets the device finish what it plays, so a reset sent just before
// arrives whole and no reset follows; a device that does not finish is reset.
// Either way every header is unprepared before the close.
TEST(WinMmOutput, ACloseLetsPlayingMessagesFinishAndResetsADeviceThatDoesNot) {
  FakeWinMm api;
  {
    WinMmOutput backend(api);
    MidiPort port(backend);
    ASSERT_TRUE(port.OpenPort(0));
    port.SendModuleReset(ModuleKind::kGs);
    std::thread device([&api] {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      api.Finish();
    });
    port.ClosePort();
    device.join();
    EXPECT_EQ(api.Names(), (Names{"Open", "PrepareHeader", "LongMsg", "UnprepareHeader", "Close"}));

    api.Forget();
    ASSERT_TRUE(port.OpenPort(0));
    port.SendModuleReset(ModuleKind::kXg);
    const auto start = std::chrono::steady_clock::now();
    port.ClosePort();
    EXPECT_GE(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(WinMmOutput::kLongMessageDrainMs));
    EXPECT_EQ(api.Names(),
              (Names{"Open", "PrepareHeader", "LongMsg", "Reset", "UnprepareHeader", "Close"}));

    api.Forget();
    ASSERT_TRUE(backend.Open(1));
  }
  // The backend's end closes the device still open.
  EXPECT_EQ(api.Names(), (Names{"Open", "Close"}));
}

TEST(WinMmOutput, SendsAllocateNothing) {
  FakeWinMm api;
  api.finish_at_once = true;
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
  EXPECT_GT(api.Calls().size(), 400u);  // the sends did reach the platform
}

}  // namespace
}  // namespace tonalyx
