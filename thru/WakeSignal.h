#pragma once

#include <cstdint>

#if defined(_WIN32)
#include <condition_variable>
#include <mutex>
#else
#include <atomic>
#endif

namespace tonalyx {

// Wakes a thread that sleeps until there is work. The sleeper reads Count()
// before it looks for work, does what it finds, and then sleeps in
// WaitWhile(count) only while no Notify has come since that reading, so a
// notification between the reading and the sleep is never lost.
//
// Linux and macOS wait on the atomic counter itself (a futex on Linux), which
// never blocks the notifier. MinGW's standard library has no such wait:
// std::atomic::wait falls back to a condition variable notified outside its
// mutex, which can miss a wake-up. There the counter lives under a mutex and
// the notification is given while holding it.
class WakeSignal {
 public:
  std::uint32_t Count() {
#if defined(_WIN32)
    const std::lock_guard lock(mutex_);
#endif
    return count_;
  }

  void Notify() {
#if defined(_WIN32)
    const std::lock_guard lock(mutex_);
    ++count_;
    changed_.notify_one();
#else
    count_.fetch_add(1);
    count_.notify_one();
#endif
  }

  // Returns once the count differs from `seen`.
  void WaitWhile(std::uint32_t seen) {
#if defined(_WIN32)
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, seen] { return count_ != seen; });
#else
    count_.wait(seen);
#endif
  }

 private:
#if defined(_WIN32)
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint32_t count_ = 0;
#else
  std::atomic<std::uint32_t> count_{0};
#endif
};

}  // namespace tonalyx
