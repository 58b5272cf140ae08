// Open time and resident memory of the built-in synth with the system's
// General MIDI soundfont. The offline output (no audio driver) stands in for
// the audio output where none exists; BM_OpenWithAudioOutput times the
// platform drivers, which on a machine without sound is a failing open.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "audition/ToneSequence.h"
#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "midi/TonePreload.h"
#include "synth/SynthBackend.h"

namespace tonalyx {
namespace {

using Clock = std::chrono::steady_clock;

SynthBackend::Options Options(SynthBackend::Output output) {
  SynthBackend::Options options;
  options.output = output;
  return options;
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Resident set size of this process in MiB, from /proc/self/status.
double ResidentMiB() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long kib = -1;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmRSS:", 6) == 0) kib = std::atol(line + 6);
  }
  std::fclose(status);
  return static_cast<double>(kib) / 1024.0;
}

// Drops the soundfont from the page cache, as after a reboot.
void EvictSoundfont() {
  const int fd = open(std::filesystem::canonical(kSystemSoundfont).c_str(), O_RDONLY);
  if (fd < 0) return;
  posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  close(fd);
}

void Render(SynthBackend& synth, double seconds) {
  std::vector<float> left(static_cast<std::size_t>(seconds * SynthBackend::kOfflineSampleRate));
  std::vector<float> right(left.size());
  synth.Render(left, right);
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

// The time each send of a GS tone press and its release takes on the
// caller's thread, for a program not yet used and with the soundfont out of
// the page cache, so the synth reads that tone's samples from the disk
// meanwhile. Only the soundfont is evicted: dropping the whole page cache
// would also make this program fault its own code back in.
void BM_SendWhileLoading(benchmark::State& state) {
  SynthBackend synth(Options(SynthBackend::Output::kOffline));
  MidiPort port(synth);
  if (!port.OpenPort(0) || !synth.WaitUntilLoaded()) {
    state.SkipWithError("the default soundfont does not open");
    return;
  }
  std::vector<double> sends;
  SharedState tone;
  for (auto _ : state) {
    EvictSoundfont();
    tone.CurrentProgram = (tone.CurrentProgram + 1) % 128;
    const auto press = GsToneMessages(tone, ControllerValues{});
    for (const std::uint32_t message : press) {
      const auto start = Clock::now();
      port.SendShort(message);
      sends.push_back(SecondsSince(start) * 1e6);
    }
    const auto start = Clock::now();
    port.SendShort(ToneReleaseMessage(tone));
    sends.push_back(SecondsSince(start) * 1e6);
    synth.WaitUntilLoaded();
    Render(synth, 0.05);
  }
  state.counters["send_median_us"] = Percentile(sends, 0.5);
  state.counters["send_p99_us"] = Percentile(sends, 0.99);
  state.counters["send_max_us"] = Percentile(sends, 1.0);
}
BENCHMARK(BM_SendWhileLoading)->Iterations(40)->Unit(benchmark::kMillisecond);

// Renders 64-frame blocks at a sound card's pace, as an audio driver's
// thread does, while a string note sounds and the synth loads other tones:
// state.range(0) 0 loads them through preloads, 1 through presses after a
// release on the same channel. Reports how long the longest block took to
// render against its 1.45 ms period, and how many blocks came late.
void BM_RenderWhileLoading(benchmark::State& state) {
  constexpr int kBlock = 64;
  const auto period =
      std::chrono::nanoseconds(1'000'000'000LL * kBlock / SynthBackend::kOfflineSampleRate);
  for (auto _ : state) {
    SynthBackend synth(Options(SynthBackend::Output::kOffline));
    MidiPort port(synth);
    if (!port.OpenPort(0) || !synth.WaitUntilLoaded()) {
      state.SkipWithError("the default soundfont does not open");
      return;
    }
    port.SendShort(ShortMessage(0xC0, 48));
    port.SendShort(ShortMessage(0x91, 60, 100));  // channel 2 sounds throughout
    port.SendShort(ShortMessage(0xC1, 48));
    synth.WaitUntilLoaded();
    std::atomic<bool> stop = false;
    std::vector<double> blocks;
    int late = 0;
    std::thread audio([&] {
      std::vector<float> left(kBlock), right(kBlock);
      auto deadline = Clock::now() + period;
      while (!stop) {
        const auto start = Clock::now();
        synth.RenderNow(left, right);
        const auto end = Clock::now();
        blocks.push_back(std::chrono::duration<double>(end - start).count() * 1e6);
        if (end > deadline) ++late;
        std::this_thread::sleep_until(deadline);
        deadline += period;
      }
    });
    SharedState tone;
    for (int program = 1; program <= 20; ++program) {
      EvictSoundfont();
      tone.CurrentProgram = program * 6 % 128;
      const auto press = GsToneMessages(tone, ControllerValues{});
      if (state.range(0) == 0) {
        PreloadPress(port, press);
      } else {
        for (const std::uint32_t message : press) port.SendShort(message);
        port.SendShort(ToneReleaseMessage(tone));
      }
      synth.WaitUntilLoaded();
    }
    stop = true;
    audio.join();
    state.counters["block_median_us"] = Percentile(blocks, 0.5);
    state.counters["block_max_us"] = Percentile(blocks, 1.0);
    state.counters["blocks"] = static_cast<double>(blocks.size());
    state.counters["late_blocks"] = late;
  }
}
BENCHMARK(BM_RenderWhileLoading)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// Ten different tones, each held for half a second, as the program button
// window would play them.
void BM_ResidentMemoryTenTones(benchmark::State& state) {
  for (auto _ : state) {
    const double before = ResidentMiB();
    SynthBackend synth(Options(SynthBackend::Output::kOffline));
    MidiPort port(synth);
    if (!port.OpenPort(0) || !synth.WaitUntilLoaded()) {
      state.SkipWithError("the default soundfont does not open");
      return;
    }
    const double loaded = ResidentMiB();
    for (int tone = 0; tone < 10; ++tone) {
      port.SendShort(ShortMessage(0xB0, 0, 0));
      port.SendShort(ShortMessage(0xC0, tone * 12 + 1));
      port.SendShort(ShortMessage(0x90, 60, 100));
      Render(synth, 0.5);
      port.SendShort(ShortMessage(0x90, 60, 0));
      Render(synth, 0.2);
    }
    state.counters["rss_before_MiB"] = before;
    state.counters["rss_loaded_MiB"] = loaded;
    state.counters["rss_ten_tones_MiB"] = ResidentMiB();
  }
}
BENCHMARK(BM_ResidentMemoryTenTones)->Iterations(1)->Unit(benchmark::kMillisecond);

// The time the caller's thread spends in Open: checks, synth, no driver.
void BM_OpenReturns(benchmark::State& state) {
  for (auto _ : state) {
    SynthBackend synth(Options(SynthBackend::Output::kOffline));
    const auto start = Clock::now();
    const bool opened = synth.Open(0);
    state.SetIterationTime(SecondsSince(start));
    if (!opened) state.SkipWithError("the default soundfont does not open");
    synth.WaitUntilLoaded();
  }
}
BENCHMARK(BM_OpenReturns)->UseManualTime()->Unit(benchmark::kMillisecond);

// Open until the soundfont is in and the first note can sound; state.range(0)
// 1 evicts the file from the page cache first (a cold start).
void BM_OpenUntilLoaded(benchmark::State& state) {
  for (auto _ : state) {
    if (state.range(0) != 0) EvictSoundfont();
    SynthBackend synth(Options(SynthBackend::Output::kOffline));
    const auto start = Clock::now();
    const bool loaded = synth.Open(0) && synth.WaitUntilLoaded();
    state.SetIterationTime(SecondsSince(start));
    if (!loaded) state.SkipWithError("the default soundfont does not load");
  }
}
BENCHMARK(BM_OpenUntilLoaded)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Open through the platform's audio drivers; "opened" tells whether one was
// found (0 on a machine without sound, where this is the failing open).
void BM_OpenWithAudioOutput(benchmark::State& state) {
  bool opened = false;
  for (auto _ : state) {
    SynthBackend synth(Options(SynthBackend::Output::kAudioDriver));
    const auto start = Clock::now();
    opened = synth.Open(0);
    state.SetIterationTime(SecondsSince(start));
    synth.Close();
  }
  state.counters["opened"] = opened ? 1 : 0;
}
BENCHMARK(BM_OpenWithAudioOutput)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tonalyx

BENCHMARK_MAIN();
