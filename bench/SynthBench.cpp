// Open time and resident memory of the built-in synth with the system's
// General MIDI soundfont. The offline output (no audio driver) stands in for
// the audio output where none exists; BM_OpenWithAudioOutput times the
// platform drivers, which on a machine without sound is a failing open.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "midi/MidiPort.h"
#include "midi/ShortMessage.h"
#include "midi/SynthBackend.h"

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
