// Closes, changes and reopens the MIDI input over and over while a source
// floods it, and watches that the thru never hangs and never leaves a note
// sounding. Each cycle is one of: close, open the other input, reopen the
// same one; the source's thread plays note on/off pairs into whichever input
// is open, as fast as it can, the whole time.
//
//   build/bench/thru_stress [cycles]
//
// Prints the cycles done, the messages that came through and the slowest
// cycle; exits 1 when a cycle has not returned after 10 s (a hang) or a note
// is left sounding at the end.

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "midi/InputBackend.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "thru/MidiThru.h"

namespace tonalyx {
namespace {

using Clock = std::chrono::steady_clock;

// Two inputs; the open one is flooded from a thread of its own until Close,
// which returns only once that thread no longer delivers, as every input
// service promises.
class FloodingInput : public MidiInputBackend {
 public:
  int DeviceCount() override { return 2; }
  std::optional<std::string> DeviceName(int id) override { return id == 0 ? "Flood A" : "Flood B"; }
  bool Open(int /*id*/, Receiver receiver) override {
    Close();
    receiver_ = std::move(receiver);
    flooding_.store(true);
    source_ = std::thread([this] { Flood(); });
    return true;
  }
  void Close() override {
    if (!source_.joinable()) return;
    flooding_.store(false);
    source_.join();
  }
  long Delivered() const { return delivered_; }

 private:
  void Flood() {
    for (std::uint8_t note = 0; flooding_.load(); note = (note + 1) % 128) {
      const std::array<std::uint8_t, 3> on = {0x90, note, 100};
      const std::array<std::uint8_t, 3> off = {0x80, note, 0};
      receiver_(on);
      receiver_(off);
      delivered_ += 2;
    }
  }

  Receiver receiver_;
  std::atomic<bool> flooding_{false};
  std::thread source_;
  long delivered_ = 0;
};

// Follows which notes sound at the output.
class SoundingNotes : public MidiBackend {
 public:
  int DeviceCount() override { return 1; }
  std::optional<std::string> DeviceName(int) override { return "notes"; }
  bool Open(int) override { return true; }
  void Close() override {}
  void SendShort(std::uint32_t message) override {
    const int kind = StatusByte(message) & 0xF0;
    auto& sounding = sounding_[static_cast<std::size_t>(StatusByte(message) & 0x0F)]
                              [static_cast<std::size_t>(Data1(message))];
    if (kind == kNoteOn) sounding = Data2(message) > 0;
    if (kind == kNoteOff) sounding = false;
    ++received_;
  }
  void SendSysEx(std::span<const std::uint8_t>) override {}
  int Sounding() const {
    int count = 0;
    for (const auto& channel : sounding_)
      count += static_cast<int>(std::count(channel.begin(), channel.end(), true));
    return count;
  }
  long Received() const { return received_; }

 private:
  std::array<std::array<bool, 128>, 16> sounding_{};
  long received_ = 0;
};

int Run(int cycles) {
  SoundingNotes output;
  MidiPort port(output);
  port.OpenPort(0);
  FloodingInput input;
  MidiThru thru(port);

  // A cycle that does not return within 10 s is a hang: say so and stop.
  std::atomic<int> done{0};
  std::atomic<bool> finished{false};
  std::thread watchdog([&] {
    int last = -1;
    auto since = Clock::now();
    while (!finished.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (done.load() != last) {
        last = done.load();
        since = Clock::now();
      } else if (Clock::now() - since > std::chrono::seconds(10)) {
        std::printf("HANG: cycle %d has not returned after 10 s\n", last + 1);
        std::fflush(stdout);
        std::_Exit(1);
      }
    }
  });

  std::mt19937 random(26);
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(cycles));
  int open = -1;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < cycles; ++i) {
    const Clock::time_point begun = Clock::now();
    switch (random() % 3) {
      case 0:  // close
        thru.Close();
        open = -1;
        break;
      case 1:  // change to the other input
        open = open == 0 ? 1 : 0;
        thru.Open(input, open);
        break;
      default:  // reopen the same one
        open = std::max(open, 0);
        thru.Open(input, open);
        break;
    }
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - begun).count());
    done.store(i + 1);
  }
  thru.Close();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  finished.store(true);
  watchdog.join();

  std::sort(micros.begin(), micros.end());
  std::printf(
      "thru stress: %d cycles in %.1f s, %ld messages delivered, %ld sent to the output; "
      "cycle median %.0f us, p99 %.0f us, max %.0f us; %d notes left sounding\n",
      cycles, seconds, input.Delivered(), output.Received(), micros[micros.size() / 2],
      micros[micros.size() * 99 / 100], micros.back(), output.Sounding());
  return output.Sounding() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc > 1 ? std::atoi(argv[1]) : 10000); }
