// Time the program adds between a message arriving on the MIDI input and its
// thru reaching the output backend, inside the process: the input service's
// call, the parser, the ring, the thru thread's wake-up, the routing and the
// port. Each note is sent once the previous one has arrived, so the figures
// are latencies, not throughput. Prints the median and the 99th percentile.
//
//   build/bench/thru_latency_bench [messages]

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "midi/MidiPort.h"
#include "support/FakeInputBackend.h"
#include "thru/MidiThru.h"

namespace tonalyx {
namespace {

using Clock = std::chrono::steady_clock;

// Notes the time each message reaches it.
class ClockedBackend : public MidiBackend {
 public:
  int DeviceCount() override { return 1; }
  std::optional<std::string> DeviceName(int) override { return "clocked"; }
  bool Open(int) override { return true; }
  void Close() override {}
  void SendShort(std::uint32_t) override {
    arrived_at.store(Clock::now().time_since_epoch().count(), std::memory_order_release);
  }
  void SendSysEx(std::span<const std::uint8_t>) override {}

  std::atomic<Clock::rep> arrived_at{0};
};

int Run(int count) {
  ClockedBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  FakeInputBackend input;
  MidiThru thru(port);
  if (!thru.Open(input, 0)) return 1;

  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto note = static_cast<std::uint8_t>(36 + i % 48);
    backend.arrived_at.store(0);
    const Clock::time_point sent = Clock::now();
    input.Play({static_cast<std::uint8_t>(i % 2 == 0 ? 0x90 : 0x80), note, 100});
    Clock::rep arrived = 0;
    while ((arrived = backend.arrived_at.load(std::memory_order_acquire)) == 0) {
    }
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::duration(arrived) -
                                                               sent.time_since_epoch())
                         .count());
    // A keyboard's messages come apart: let the thru thread go back to sleep.
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::sort(micros.begin(), micros.end());
  const auto at = [&micros](double share) {
    return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))];
  };
  std::printf("thru in process, %d messages: median %.1f us, p99 %.1f us, max %.1f us\n", count,
              at(0.5), at(0.99), micros.back());
  return 0;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc > 1 ? std::atoi(argv[1]) : 10000); }
