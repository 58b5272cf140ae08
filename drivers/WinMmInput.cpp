#include "drivers/WinMmInput.h"

#include <array>
#include <cwchar>
#include <iterator>
#include <string_view>

#include "drivers/WindowsText.h"
#include "midi/ShortMessage.h"

namespace tonalyx {

WinMmInput::~WinMmInput() { Close(); }

int WinMmInput::DeviceCount() { return static_cast<int>(api_.GetNumDevs()); }

std::optional<std::string> WinMmInput::DeviceName(int id) {
  if (id < 0) return std::nullopt;
  MIDIINCAPSW caps{};
  if (api_.GetDevCaps(static_cast<UINT_PTR>(id), &caps, sizeof caps) != MMSYSERR_NOERROR)
    return std::nullopt;
  return Utf16ToUtf8(
      std::wstring_view(caps.szPname, ::wcsnlen(caps.szPname, std::size(caps.szPname))));
}

bool WinMmInput::Open(int id, Receiver receiver) {
  Close();
  if (id < 0) return false;
  receiver_ = std::move(receiver);
  gate_.Open();
  HMIDIIN handle = nullptr;
  if (api_.Open(&handle, static_cast<UINT>(id), reinterpret_cast<DWORD_PTR>(&WinMmInput::Callback),
                reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
    gate_.Close();
    return false;
  }
  handle_ = handle;
  if (api_.Start(handle_) == MMSYSERR_NOERROR) return true;
  Close();
  return false;
}

void WinMmInput::Close() {
  if (handle_ == nullptr) return;
  // A callback already running on the platform's thread may still be
  // delivering: the gate turns later ones away and waits for it.
  gate_.Close();
  api_.Stop(handle_);
  api_.Reset(handle_);
  api_.Close(handle_);
  handle_ = nullptr;
}

void CALLBACK WinMmInput::Callback(HMIDIIN /*handle*/, UINT message, DWORD_PTR instance,
                                   DWORD_PTR param1, DWORD_PTR /*param2*/) {
  if (message != MIM_DATA) return;
  auto& self = *reinterpret_cast<WinMmInput*>(instance);
  self.gate_.Pass([&] { self.Take(static_cast<DWORD>(param1)); });
}

void WinMmInput::Take(DWORD message) {
  const int length = ShortMessageLength(message);
  if (length == 0 || !receiver_) return;
  const std::array<std::uint8_t, 3> bytes = {static_cast<std::uint8_t>(StatusByte(message)),
                                             static_cast<std::uint8_t>(Data1(message)),
                                             static_cast<std::uint8_t>(Data2(message))};
  receiver_(std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(length)));
}

}  // namespace tonalyx
