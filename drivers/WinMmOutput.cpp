#include "drivers/WinMmOutput.h"

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

std::string CodePageToUtf8(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int wide_length = ::MultiByteToWideChar(code_page, 0, text.data(), length, nullptr, 0);
  if (wide_length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  ::MultiByteToWideChar(code_page, 0, text.data(), length, wide.data(), wide_length);
  const int utf8_length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (utf8_length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(utf8_length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), utf8_length, nullptr,
                        nullptr);
  return utf8;
}

WinMmOutput::~WinMmOutput() { Close(); }

int WinMmOutput::DeviceCount() { return static_cast<int>(api_.GetNumDevs()); }

std::optional<std::string> WinMmOutput::DeviceName(int id) {
  if (id < 0) return std::nullopt;
  MIDIOUTCAPSA caps{};
  last_result_ = api_.GetDevCaps(static_cast<UINT_PTR>(id), &caps, sizeof caps);
  if (last_result_ != MMSYSERR_NOERROR) return std::nullopt;
  const std::string_view name(caps.szPname, ::strnlen(caps.szPname, sizeof caps.szPname));
  return CodePageToUtf8(name);
}

bool WinMmOutput::Open(int id) {
  Close();
  if (id < 0) return false;
  HMIDIOUT handle = nullptr;
  last_result_ = api_.Open(&handle, static_cast<UINT>(id), 0, 0, CALLBACK_NULL);
  if (last_result_ != MMSYSERR_NOERROR) return false;
  handle_ = handle;
  return true;
}

void WinMmOutput::Close() {
  if (handle_ == nullptr) return;
  last_result_ = api_.Close(handle_);
  // A system exclusive message still being played keeps the device from
  // closing; the reset hands it back, and then the close goes through.
  if (last_result_ == MIDIERR_STILLPLAYING) {
    api_.Reset(handle_);
    last_result_ = api_.Close(handle_);
  }
  handle_ = nullptr;
}

bool WinMmOutput::Reset() {
  if (handle_ != nullptr) last_result_ = api_.Reset(handle_);
  return true;
}

void WinMmOutput::SendShort(std::uint32_t message) {
  if (handle_ != nullptr) last_result_ = api_.ShortMsg(handle_, message);
}

void WinMmOutput::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (handle_ == nullptr || bytes.empty()) return;
  // The platform declares the data writable; an output device only reads it.
  sys_ex_header_.lpData = reinterpret_cast<LPSTR>(const_cast<std::uint8_t*>(bytes.data()));
  sys_ex_header_.dwBufferLength = static_cast<DWORD>(bytes.size());
  last_result_ = api_.PrepareHeader(handle_, &sys_ex_header_, kSysExHeaderSize);
  if (last_result_ == MMSYSERR_NOERROR)
    last_result_ = api_.LongMsg(handle_, &sys_ex_header_, kSysExHeaderSize);
}

}  // namespace tonalyx
