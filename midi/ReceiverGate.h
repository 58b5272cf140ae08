#pragma once

#include <atomic>
#include <thread>

namespace tonalyx {

// Keeps an input service's promise that the receiver is not called once Close
// has returned. A service's own close does not always wait for a callback
// already running on its thread (RtMidi's JACK close does not wait out the
// process cycle), so the callback passes through the gate, and closing the
// gate waits until no callback is inside it. Callbacks never wait here: a
// closed gate only turns them away.
class ReceiverGate {
 public:
  void Open() { open_.store(true); }

  // From the service's thread: calls `deliver` unless the gate is closed.
  template <typename Deliver>
  void Pass(Deliver&& deliver) {
    inside_.fetch_add(1);
    if (open_.load()) deliver();
    inside_.fetch_sub(1);
  }

  // Turns later callbacks away, then waits for those already inside, which
  // only queue a message and return.
  void Close() {
    open_.store(false);
    while (inside_.load() != 0) std::this_thread::yield();
  }

 private:
  // Sequentially consistent throughout: a callback that enters after Close
  // has seen nobody inside is certain to see the gate closed.
  std::atomic<bool> open_{false};
  std::atomic<int> inside_{0};
};

}  // namespace tonalyx
