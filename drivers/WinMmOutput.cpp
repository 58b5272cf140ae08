#include "drivers/WinMmOutput.h"

#include <atomic>
#include <chrono>
#include <cwchar>
#include <iterator>

#include "drivers/WindowsText.h"

namespace tonalyx {
namespace {

// The header's size as the platform defines it: 64 bytes in a 32-bit
// program, more in a 64-bit one, where a smaller size may be refused.
constexpr UINT kHeaderSize = sizeof(MIDIHDR);
static_assert(sizeof(void*) != 4 || kHeaderSize == 64);

// Messages made at the start, and the room each has for its bytes: the
// reset messages and the effect messages of a module are a few bytes long.
constexpr int kLongMessagesAtStart = 4;
constexpr std::size_t kLongMessageRoom = 256;

// The platform writes a header's flags on a thread of its own.
bool MarkedDone(MIDIHDR& header) {
  return (std::atomic_ref<DWORD>(header.dwFlags).load(std::memory_order_acquire) & MHDR_DONE) != 0;
}

}  // namespace

WinMmOutput::WinMmOutput(WinMmOutCalls& api) : api_(api) {
  for (int i = 0; i < kLongMessagesAtStart; ++i)
    long_messages_.emplace_back().bytes.reserve(kLongMessageRoom);
}

WinMmOutput::~WinMmOutput() { Close(); }

int WinMmOutput::DeviceCount() { return static_cast<int>(api_.GetNumDevs()); }

std::optional<std::string> WinMmOutput::DeviceName(int id) {
  if (id < 0) return std::nullopt;
  MIDIOUTCAPSW caps{};
  last_result_ = api_.GetDevCaps(static_cast<UINT_PTR>(id), &caps, sizeof caps);
  if (last_result_ != MMSYSERR_NOERROR) return std::nullopt;
  return Utf16ToUtf8(
      std::wstring_view(caps.szPname, ::wcsnlen(caps.szPname, std::size(caps.szPname))));
}

bool WinMmOutput::Open(int id) {
  Close();
  if (id < 0) return false;
  done_event_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (done_event_ == nullptr) return false;
  HMIDIOUT handle = nullptr;
  last_result_ = api_.Open(&handle, static_cast<UINT>(id), reinterpret_cast<DWORD_PTR>(done_event_),
                           0, CALLBACK_EVENT);
  if (last_result_ != MMSYSERR_NOERROR) {
    ::CloseHandle(done_event_);
    done_event_ = nullptr;
    return false;
  }
  handle_ = handle;
  stopping_ = false;
  unpreparer_ = std::thread([this] { RunUnpreparer(); });
  return true;
}

void WinMmOutput::Close() {
  if (handle_ == nullptr) return;
  {
    std::unique_lock lock(mutex_);
    // The unpreparer wakes this as the device finishes each message.
    const bool finished = all_done_.wait_for(lock, std::chrono::milliseconds(kLongMessageDrainMs),
                                             [this] { return UnprepareDoneLocked(); });
    if (!finished) {
      // The reset hands every message back to the program marked done.
      api_.Reset(handle_);
      UnprepareDoneLocked();
    }
  }
  StopUnpreparer();
  last_result_ = api_.Close(handle_);
  handle_ = nullptr;
  ::CloseHandle(done_event_);
  done_event_ = nullptr;
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
  const std::lock_guard lock(mutex_);
  LongMessage& message = FreeLongMessage();
  message.bytes.assign(bytes.begin(), bytes.end());
  // A fresh header for every message, flags zero, as the platform asks.
  message.header = MIDIHDR{};
  // The platform declares the data writable; an output device only reads it.
  message.header.lpData = reinterpret_cast<LPSTR>(message.bytes.data());
  message.header.dwBufferLength = static_cast<DWORD>(message.bytes.size());
  last_result_ = api_.PrepareHeader(handle_, &message.header, kHeaderSize);
  if (last_result_ != MMSYSERR_NOERROR) return;
  last_result_ = api_.LongMsg(handle_, &message.header, kHeaderSize);
  if (last_result_ == MMSYSERR_NOERROR) {
    message.on_its_way = true;
    return;
  }
  api_.UnprepareHeader(handle_, &message.header, kHeaderSize);
}

WinMmOutput::LongMessage& WinMmOutput::FreeLongMessage() {
  // The device may have finished messages the unpreparer has not reached.
  UnprepareDoneLocked();
  for (LongMessage& message : long_messages_)
    if (!message.on_its_way) return message;
  LongMessage& added = long_messages_.emplace_back();
  added.bytes.reserve(kLongMessageRoom);
  return added;
}

bool WinMmOutput::UnprepareDoneLocked() {
  bool all_done = true;
  for (LongMessage& message : long_messages_) {
    if (!message.on_its_way) continue;
    if (!MarkedDone(message.header)) {
      all_done = false;
      continue;
    }
    api_.UnprepareHeader(handle_, &message.header, kHeaderSize);
    message.on_its_way = false;
  }
  return all_done;
}

void WinMmOutput::RunUnpreparer() {
  for (;;) {
    ::WaitForSingleObject(done_event_, INFINITE);
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    if (UnprepareDoneLocked()) all_done_.notify_all();
  }
}

void WinMmOutput::StopUnpreparer() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  ::SetEvent(done_event_);
  unpreparer_.join();
}

}  // namespace tonalyx
