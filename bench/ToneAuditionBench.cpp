// Cost of one tone press and release in the core: building the messages and
// handing each to the port. Reports the heap allocations per press, which
// must be zero.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "audition/ControllerMessages.h"
#include "audition/ToneSequence.h"
#include "midi/MidiPort.h"

namespace {
std::atomic<long> allocations{0};

// Kept out of line so the compiler does not pair the replaced operators with
// malloc and free and warn about a mismatch.
[[gnu::noinline]] void* CountedAllocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void Release(void* p) noexcept { std::free(p); }
}  // namespace

void* operator new(std::size_t size) { return CountedAllocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }

namespace tonalyx {
namespace {

// A device that only adds up what it is given, so the port's own cost shows.
class SinkBackend : public MidiBackend {
 public:
  int DeviceCount() override { return 1; }
  std::optional<std::string> DeviceName(int) override { return std::nullopt; }
  bool Open(int) override { return true; }
  void Close() override {}
  void SendShort(std::uint32_t message) override { sum_ += message; }
  void SendSysEx(std::span<const std::uint8_t>) override {}
  std::uint64_t Sum() const { return sum_; }

 private:
  std::uint64_t sum_ = 0;
};

void PressAndRelease(benchmark::State& state, ModuleKind module_type,
                     const SoundEdits& edits = {}) {
  SinkBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  SharedState shared;
  shared.ModuleType = module_type;
  ControllerValues values;
  const long before = allocations.load();
  for (auto _ : state) {
    shared.TestNote = static_cast<int>(state.iterations() % 116);
    SendToneStart(port, shared, values, edits);
    SendToneRelease(port, shared);
  }
  benchmark::DoNotOptimize(backend.Sum());
  state.counters["allocs_per_press"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

void BM_GsPressAndRelease(benchmark::State& state) { PressAndRelease(state, ModuleKind::kGs); }
void BM_XgPressAndRelease(benchmark::State& state) { PressAndRelease(state, ModuleKind::kXg); }
BENCHMARK(BM_GsPressAndRelease);
BENCHMARK(BM_XgPressAndRelease);

// Every part parameter of the tone edit window moved: eight NRPNs and the null
// parameter go before the note on.
void BM_GsPressWithEditsAndRelease(benchmark::State& state) {
  SoundEdits edits;
  for (int parameter = 0; parameter < kPartParameterCount; ++parameter)
    edits.SetPart(static_cast<PartParameter>(parameter), parameter + 1, {-64, 63});
  PressAndRelease(state, ModuleKind::kGs, edits);
}
BENCHMARK(BM_GsPressWithEditsAndRelease);

void BM_PitchBendDrag(benchmark::State& state) {
  SinkBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  const long before = allocations.load();
  int position = -8192;
  for (auto _ : state) {
    SendControllerChange(port, ControllerBar::kPitchBend, position);
    position = position == 8191 ? -8192 : position + 1;
  }
  benchmark::DoNotOptimize(backend.Sum());
  state.counters["allocs_per_change"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PitchBendDrag);

}  // namespace
}  // namespace tonalyx
