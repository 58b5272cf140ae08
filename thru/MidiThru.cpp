#include "thru/MidiThru.h"

#include "thru/MidiInputParser.h"

namespace tonalyx {
namespace {
constexpr int kChannel1 = 0;
constexpr int kChannel10 = 9;
}  // namespace

MidiThru::~MidiThru() { Close(); }

bool MidiThru::Open(MidiInputBackend& backend, int id) {
  // No input is open and no thread runs after Close: the ring is ours alone.
  Close();
  ring_.Clear();
  overflowed_.store(false);
  running_.store(true);
  thread_ = std::thread([this] { Run(); });
  if (!backend.Open(id, [this](std::span<const std::uint8_t> delivery) { Receive(delivery); })) {
    StopThread();
    return false;
  }
  backend_ = &backend;
  return true;
}

void MidiThru::Close() {
  if (backend_ != nullptr) {
    // Once this returns, the input's thread calls Receive no more.
    backend_->Close();
    backend_ = nullptr;
  }
  StopThread();
  EndHeldNotes();
}

void MidiThru::StopThread() {
  if (!thread_.joinable()) return;
  running_.store(false);
  wake_.Notify();
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

void MidiThru::Receive(std::span<const std::uint8_t> delivery) {
  const std::optional<std::uint32_t> message = ChannelMessageOf(delivery);
  if (!message) return;
  if (!ring_.Push(*message)) overflowed_.store(true);
  wake_.Notify();
}

void MidiThru::Run() {
  for (;;) {
    // Read before looking for work: whatever is queued, overflowed or
    // stopped after this reading wakes the wait below at once.
    const std::uint32_t seen = wake_.Count();
    ring_.TakeQueued([this](std::uint32_t message) { Forward(message); });
    if (overflowed_.exchange(false)) EndHeldNotes();
    if (!running_.load()) return;
    wake_.WaitWhile(seen);
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
