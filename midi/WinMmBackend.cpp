#include "midi/WinMmBackend.h"

#include <cstring>

namespace tonalyx {
namespace {

// The capabilities record whose name the device list shows.
static_assert(sizeof(MIDIOUTCAPSA) == 52);

// The header's size as the platform defines it: 64 bytes in a 32-bit
// program, more in a 64-bit one, where a smaller size may be refused.
constexpr UINT kSysExHeaderSize = sizeof(MIDIHDR);
static_assert(sizeof(void*) != 4 || kSysExHeaderSize == 64);

}  // namespace

std::string CodePageToUtf8(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int wideLength = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (wideLength <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
  const int utf8Length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr,
                        nullptr);
  return utf8;
}

WinMmBackend::~WinMmBackend() { Close(); }

int WinMmBackend::DeviceCount() { return static_cast<int>(api_.GetNumDevs()); }

std::optional<std::string> WinMmBackend::DeviceName(int id) {
  if (id < 0) return std::nullopt;
  MIDIOUTCAPSA caps{};
  lastResult_ = api_.GetDevCaps(static_cast<UINT_PTR>(id), &caps, sizeof caps);
  if (lastResult_ != MMSYSERR_NOERROR) return std::nullopt;
  const std::string_view name(caps.szPname, ::strnlen(caps.szPname, sizeof caps.szPname));
  return CodePageToUtf8(name);
}

bool WinMmBackend::Open(int id) {
  Close();
  if (id < 0) return false;
  HMIDIOUT handle = nullptr;
  lastResult_ = api_.Open(&handle, static_cast<UINT>(id), 0, 0, CALLBACK_NULL);
  if (lastResult_ != MMSYSERR_NOERROR) return false;
  handle_ = handle;
  return true;
}

void WinMmBackend::Close() {
  if (handle_ == nullptr) return;
  lastResult_ = api_.Close(handle_);
  // A system exclusive message still being played keeps the device from
  // closing; the reset hands it back, and then the close goes through.
  if (lastResult_ == MIDIERR_STILLPLAYING) {
    api_.Reset(handle_);
    lastResult_ = api_.Close(handle_);
  }
  handle_ = nullptr;
}

bool WinMmBackend::Reset() {
  if (handle_ != nullptr) lastResult_ = api_.Reset(handle_);
  return true;
}

void WinMmBackend::SendShort(std::uint32_t message) {
  if (handle_ != nullptr) lastResult_ = api_.ShortMsg(handle_, message);
}

void WinMmBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (handle_ == nullptr || bytes.empty()) return;
  // The platform declares the data writable; an output device only reads it.
  sysExHeader_.lpData = reinterpret_cast<LPSTR>(const_cast<std::uint8_t*>(bytes.data()));
  sysExHeader_.dwBufferLength = static_cast<DWORD>(bytes.size());
  lastResult_ = api_.PrepareHeader(handle_, &sysExHeader_, kSysExHeaderSize);
  if (lastResult_ == MMSYSERR_NOERROR)
    lastResult_ = api_.LongMsg(handle_, &sysExHeader_, kSysExHeaderSize);
}

}  // namespace tonalyx
