#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace tonalyx {

// A fixed queue of packed short messages between exactly one producer thread
// and one consumer thread, neither of which ever waits: a push onto a full
// ring fails instead. Nothing is allocated after construction.
class MessageRing {
 public:
  static constexpr std::size_t kCapacity = 4096;  // a power of two

  // Producer: false when the ring is full and the message was not queued.
  bool Push(std::uint32_t message) {
    const std::size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) == kCapacity) return false;
    slots_[head % kCapacity] = message;
    head_.store(head + 1, std::memory_order_release);
    return true;
  }

  // Consumer: hands `take` the messages queued before the call, oldest first,
  // and removes each once `take` returns. Messages pushed meanwhile wait for
  // the next call, so a producer that never stops cannot keep it going.
  template <typename Take>
  void TakeQueued(Take&& take) {
    const std::size_t head = head_.load(std::memory_order_acquire);
    for (std::size_t tail = tail_.load(std::memory_order_relaxed); tail != head;) {
      take(slots_[tail % kCapacity]);
      tail_.store(++tail, std::memory_order_release);
    }
  }

  // True when every message pushed has been taken.
  bool Empty() const {
    return tail_.load(std::memory_order_acquire) == head_.load(std::memory_order_acquire);
  }
  // Only while neither side is using the ring.
  void Clear() {
    head_.store(0);
    tail_.store(0);
  }

 private:
  std::array<std::uint32_t, kCapacity> slots_{};
  std::atomic<std::size_t> head_{0};
  std::atomic<std::size_t> tail_{0};
};

}  // namespace tonalyx
