#include "synth/SynthBackendQueue.h"

#include <utility>

namespace tonalyx {

void SynthBackendQueue::Restart(std::uint64_t startup_items) {
  std::lock_guard lock(mutex_);
  waiting_.clear();
  last_sent_ = startup_items;
  last_finished_ = 0;
  last_preload_.fill(0);
  stopping_ = false;
}

void SynthBackendQueue::Push(Item item) {
  {
    std::lock_guard lock(mutex_);
    item.number = ++last_sent_;
    if (item.kind == Item::Kind::kPreload) last_preload_[item.lane] = item.number;
    waiting_.push_back(std::move(item));
  }
  sent_.notify_one();
}

void SynthBackendQueue::PushShort(std::uint32_t message) {
  Push({Item::Kind::kShort, message, 0, 0, {}});
}

void SynthBackendQueue::PushSysEx(std::span<const std::uint8_t> bytes) {
  Push({Item::Kind::kSysEx, 0, 0, 0, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
}

void SynthBackendQueue::PushPreload(std::uint32_t tone, int lane) {
  Push({Item::Kind::kPreload, tone, 0, lane, {}});
}

bool SynthBackendQueue::Take(std::vector<Item>& batch) {
  batch.clear();
  std::unique_lock lock(mutex_);
  sent_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
  if (waiting_.empty()) return false;
  batch.swap(waiting_);
  return true;
}

void SynthBackendQueue::Finished(std::uint64_t number) {
  {
    std::lock_guard lock(mutex_);
    last_finished_ = number;
  }
  finished_.notify_all();
}

bool SynthBackendQueue::PreloadSuperseded(std::uint64_t number, int lane) const {
  std::lock_guard lock(mutex_);
  return stopping_ || last_preload_[lane] > number;
}

void SynthBackendQueue::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  sent_.notify_one();
}

void SynthBackendQueue::WaitUntilDone() {
  std::unique_lock lock(mutex_);
  const std::uint64_t target = last_sent_;
  finished_.wait(lock, [&] { return last_finished_ >= target; });
}

}  // namespace tonalyx
