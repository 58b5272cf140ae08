#pragma once

#include <chrono>
#include <thread>

#include "thru/MidiThru.h"

namespace tonalyx {

// Waits until the thru has passed on everything played into it. False when
// it has not within `limit`, so a test fails (saying so) rather than hangs.
inline bool WaitUntilDrained(const MidiThru& thru,
                             std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!thru.Drained()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::yield();
  }
  return true;
}

}  // namespace tonalyx
