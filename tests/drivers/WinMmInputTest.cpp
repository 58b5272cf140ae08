#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drivers/WinMmInput.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

// Stands in for the platform's input calls: a scripted device list and
// results, a log of the calls, and the callback and instance of the last open
// so the test can call it as the platform would.
class FakeWinMmIn : public WinMmInCalls {
 public:
  static inline const HMIDIIN kHandle = reinterpret_cast<HMIDIIN>(0x6b6b);

  UINT GetNumDevs() override { return static_cast<UINT>(devices.size()); }
  MMRESULT GetDevCaps(UINT_PTR id, LPMIDIINCAPSW caps, UINT size) override {
    if (id >= devices.size() || !devices[id] || size != sizeof *caps) return MMSYSERR_BADDEVICEID;
    std::memset(caps, 'x', sizeof *caps);
    std::memset(caps->szPname, 0, sizeof caps->szPname);
    std::copy(devices[id]->begin(), devices[id]->end(), caps->szPname);
    return MMSYSERR_NOERROR;
  }
  MMRESULT Open(LPHMIDIIN handle, UINT id, DWORD_PTR callback_address, DWORD_PTR instance_value,
                DWORD flags) override {
    calls.push_back("Open " + std::to_string(id) + (flags == CALLBACK_FUNCTION ? " function" : ""));
    callback = reinterpret_cast<decltype(&WinMmInput::Callback)>(callback_address);
    instance = instance_value;
    if (open_result == MMSYSERR_NOERROR) *handle = kHandle;
    return open_result;
  }
  MMRESULT Start(HMIDIIN handle) override { return Log("Start", handle, start_result); }
  MMRESULT Stop(HMIDIIN handle) override { return Log("Stop", handle); }
  MMRESULT Reset(HMIDIIN handle) override { return Log("Reset", handle); }
  MMRESULT Close(HMIDIIN handle) override { return Log("Close", handle); }

  // The platform hands a short message to the callback.
  void Deliver(UINT message, DWORD data) const { callback(kHandle, message, instance, data, 1234); }

  std::vector<std::optional<std::wstring>> devices;
  MMRESULT open_result = MMSYSERR_NOERROR;
  MMRESULT start_result = MMSYSERR_NOERROR;
  std::vector<std::string> calls;
  decltype(&WinMmInput::Callback) callback = nullptr;
  DWORD_PTR instance = 0;

 private:
  MMRESULT Log(const char* name, HMIDIIN handle, MMRESULT result = MMSYSERR_NOERROR) {
    calls.push_back(std::string(name) + (handle == kHandle ? "" : " (wrong handle)"));
    return result;
  }
};

TEST(WinMmInput, ListsReadableDevicesAndOpensWithACallbackThatIsClosedInOrder) {
  FakeWinMmIn api;
  api.devices = {std::wstring(L"Keys A"), std::nullopt, std::wstring(L"USB MIDI 鍵盤")};
  WinMmInput input(api);
  EXPECT_EQ(input.DeviceCount(), 3);
  EXPECT_EQ(input.DeviceName(0), "Keys A");
  EXPECT_EQ(input.DeviceName(1), std::nullopt);
  EXPECT_EQ(input.DeviceName(2), "USB MIDI 鍵盤");

  std::vector<std::vector<std::uint8_t>> received;
  ASSERT_TRUE(input.Open(2, [&received](std::span<const std::uint8_t> bytes) {
    received.emplace_back(bytes.begin(), bytes.end());
  }));
  api.Deliver(MIM_DATA, ShortMessage(0x93, 60, 100));
  api.Deliver(MIM_DATA, ShortMessage(0xC0, 5));
  api.Deliver(MIM_DATA, 0xF8);
  api.Deliver(MIM_OPEN, 0);
  api.Deliver(MIM_ERROR, 0x42);
  input.Close();
  input.Close();
  EXPECT_EQ(received, (std::vector<std::vector<std::uint8_t>>{{0x93, 60, 100}, {0xC0, 5}, {0xF8}}));
  EXPECT_EQ(api.calls,
            (std::vector<std::string>{"Open 2 function", "Start", "Stop", "Reset", "Close"}));
}

TEST(WinMmInput, AFailedOpenOrStartLeavesNothingOpen) {
  FakeWinMmIn api;
  api.devices = {std::wstring(L"Keys")};
  WinMmInput input(api);
  api.open_result = MMSYSERR_ALLOCATED;
  EXPECT_FALSE(input.Open(0, [](std::span<const std::uint8_t>) {}));
  api.open_result = MMSYSERR_NOERROR;
  api.start_result = MMSYSERR_ERROR;
  EXPECT_FALSE(input.Open(0, [](std::span<const std::uint8_t>) {}));
  input.Close();
  EXPECT_EQ(api.calls, (std::vector<std::string>{"Open 0 function", "Open 0 function", "Start",
                                                 "Stop", "Reset", "Close"}));
}

}  // namespace
}  // namespace tonalyx
