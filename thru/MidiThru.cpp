#include "thru/MidiThru.h"

namespace tonalyx {
namespace {
constexpr int kChannel1 = 0;
constexpr int kChannel10 = 9;
}  // namespace

MidiThru::~MidiThru() { Close(); }

bool MidiThru::Open(MidiInputBackend& backend, int id) {
  Close();
  parser_ = MidiInputParser();
  head_.store(0);
  tail_.store(0);
  overflowed_.store(false);
  running_.store(true);
  thread_ = std::thread([this] { Run(); });
  if (!backend.Open(id, [this](std::span<const std::uint8_t> bytes) { Receive(bytes); })) {
    StopThread();
    return false;
  }
  backend_ = &backend;
  return true;
}

void MidiThru::Close() {
  if (backend_ != nullptr) {
    backend_->Close();
    backend_ = nullptr;
  }
  StopThread();
  EndHeldNotes();
}

void MidiThru::StopThread() {
  if (!thread_.joinable()) return;
  running_.store(false);
  pending_.store(true);
  pending_.notify_one();
  thread_.join();
}

void MidiThru::EndHeldNotes() {
  const std::lock_guard lock(mutex_);
  router_.EndHeld(port_);
}

void MidiThru::Pause() {
  const std::lock_guard lock(mutex_);
  router_.EndHeld(port_);
  paused_ = true;
}

void MidiThru::Resume() {
  const std::lock_guard lock(mutex_);
  paused_ = false;
}

void MidiThru::Receive(std::span<const std::uint8_t> bytes) {
  // A service may call once more while its port closes.
  if (!running_.load()) return;
  bool queued = false;
  for (const std::uint8_t byte : bytes) {
    const std::optional<std::uint32_t> message = parser_.Take(byte);
    if (!message) continue;
    const std::size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) == kRingSize) {
      overflowed_.store(true);
      continue;
    }
    ring_[head % kRingSize] = *message;
    head_.store(head + 1, std::memory_order_release);
    queued = true;
  }
  if (!queued) return;
  pending_.store(true);
  pending_.notify_one();
}

void MidiThru::Run() {
  while (running_.load()) {
    pending_.store(false);
    std::size_t tail = tail_.load(std::memory_order_relaxed);
    while (tail != head_.load(std::memory_order_acquire)) {
      Forward(ring_[tail % kRingSize]);
      tail_.store(++tail, std::memory_order_release);
    }
    if (overflowed_.exchange(false)) EndHeldNotes();
    if (tail == head_.load(std::memory_order_acquire)) pending_.wait(false);
  }
}

void MidiThru::Forward(std::uint32_t message) {
  std::optional<ProgramRequest> request;
  {
    const std::lock_guard lock(mutex_);
    if (paused_) return;
    request = router_.Route(message, drums_.load() ? kChannel10 : kChannel1, port_);
  }
  if (request && listener_) listener_(*request);
}

}  // namespace tonalyx
