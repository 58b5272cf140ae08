#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace tonalyx {

// The messages for the built-in synth on their way from the senders, on any
// thread, to the synth's own thread, in the order they were sent. A send only
// appends under a short lock; the synth's thread takes everything waiting at
// once and reports how far it has got, so a caller can wait until what it
// sent has reached the synth.
class SynthBackendQueue {
 public:
  struct Item {
    enum class Kind : std::uint8_t { kShort, kSysEx, kPreload };
    Kind kind = Kind::kShort;
    // The short message; for a preload, the packed tone (see SynthBackend).
    std::uint32_t message = 0;
    // The item's place in the order of sends, from 1.
    std::uint64_t number = 0;
    // For a preload: which of kPreloadLanes it belongs to.
    int lane = 0;
    std::vector<std::uint8_t> sysex;  // a system exclusive message only
  };

  // Starts a new run whose first `startup_items` items are the synth's own
  // work before any message (the soundfont load), reported done by Finished
  // like any other.
  void Restart(std::uint64_t startup_items);
  void PushShort(std::uint32_t message);
  void PushSysEx(std::span<const std::uint8_t> bytes);
  // Preloads in one lane replace each other: only the newest is worth its
  // load. A lane stands for a spare channel of the synth.
  static constexpr int kPreloadLanes = 2;
  void PushPreload(std::uint32_t tone, int lane);

  // For the synth's thread: waits until something was sent or Stop was
  // called, then moves everything waiting into `batch` (emptied first, its
  // capacity kept for the next take). False once stopped with nothing left.
  bool Take(std::vector<Item>& batch);
  // For the synth's thread: every item up to `number` has been handled.
  void Finished(std::uint64_t number);
  // True when a preload of the lane newer than item `number` is waiting or
  // done, or the queue is stopping: the older one would load samples nobody
  // asks for any longer.
  bool PreloadSuperseded(std::uint64_t number, int lane) const;
  // Lets Take return what is left and then false.
  void Stop();
  // Blocks until everything sent before the call has been handled.
  void WaitUntilDone();

 private:
  void Push(Item item);

  mutable std::mutex mutex_;
  std::condition_variable sent_;
  std::condition_variable finished_;
  std::vector<Item> waiting_;
  std::uint64_t last_sent_ = 0;
  std::uint64_t last_finished_ = 0;
  std::array<std::uint64_t, kPreloadLanes> last_preload_{};
  bool stopping_ = false;
};

}  // namespace tonalyx
