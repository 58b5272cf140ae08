// Latency of a program button press in GS mode: from the mouse-press event
// handed to Button17 to the last message the backend receives, and the cost of
// one 128-caption refresh. Runs in the offscreen platform with the names
// filled and the program and bank windows shown.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/FormSet.h"
#include "support/RecordingBackend.h"
#include "synth/SynthBackend.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "ui/AppContext.h"

namespace tonalyx {
namespace {
using Clock = std::chrono::steady_clock;

// Records like the test backend and notes when the last short message arrived.
class TimingBackend : public RecordingBackend {
 public:
  void SendShort(std::uint32_t message) override {
    RecordingBackend::SendShort(message);
    last_short = Clock::now();
  }
  Clock::time_point last_short;
};

// One application object for the whole run. It is never destroyed: a static
// QApplication would be torn down after the Qt globals it still needs.
QApplication& App() {
  static int argc = 1;
  static char name[] = "tone_windows_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

struct World {
  QTemporaryDir dir;
  AppContext ctx;
  std::unique_ptr<FormSet> forms;
  explicit World(MidiBackend& backend)
      : ctx(backend, (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString()) {
    ctx.sleep_ms = [](int) {};
    forms = std::make_unique<FormSet>(ctx);
    if (!ctx.port.IsOpen()) ctx.port.OpenPort(0);
    ctx.tables.FillNameTables();
    ctx.forms.form2->show();
    ctx.forms.form6->show();
    QApplication::processEvents();
  }
};

void SendMouse(QWidget* target, QEvent::Type type) {
  const QPointF local(10, 8);
  QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

// One GS press of Button17 per iteration (released afterwards, untimed). With
// `change_bank`, CurrentBank flips between 0 and 8 before each press so that
// both refreshes really rewrite their captions; otherwise they rewrite the
// same texts.
void PressButton17(benchmark::State& state, bool change_bank) {
  App();
  TimingBackend backend;
  World world(backend);
  backend.Clear();
  auto* button = world.ctx.forms.form2->findChild<QPushButton*>(QStringLiteral("Button17"));
  std::vector<double> to_last_message;
  std::vector<double> whole_handler;
  to_last_message.reserve(1000);
  whole_handler.reserve(1000);
  int press = 0;
  for (auto _ : state) {
    if (change_bank) world.ctx.state.CurrentBank = (press++ % 2) * 8;
    const Clock::time_point start = Clock::now();
    SendMouse(button, QEvent::MouseButtonPress);
    const Clock::time_point end = Clock::now();
    const std::chrono::duration<double> to_last = backend.last_short - start;
    state.SetIterationTime(to_last.count());
    to_last_message.push_back(to_last.count() * 1e6);
    whole_handler.push_back(std::chrono::duration<double>(end - start).count() * 1e6);
    SendMouse(button, QEvent::MouseButtonRelease);
    if (backend.ShortMessages().size() != 17) state.SkipWithError("not a full GS press");
    backend.Clear();
    QApplication::processEvents();
  }
  state.counters["last_msg_median_us"] = Percentile(to_last_message, 0.5);
  state.counters["last_msg_p99_us"] = Percentile(to_last_message, 0.99);
  state.counters["handler_median_us"] = Percentile(whole_handler, 0.5);
  state.counters["handler_p99_us"] = Percentile(whole_handler, 0.99);
}

void BM_GsPressButton17(benchmark::State& state) { PressButton17(state, false); }
void BM_GsPressButton17ChangingBank(benchmark::State& state) { PressButton17(state, true); }
BENCHMARK(BM_GsPressButton17)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GsPressButton17ChangingBank)
    ->Iterations(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One refresh of the 128 program captions in GS mode, alternating between two
// banks so every caption that differs is rewritten.
void BM_RefreshProgramCaptions(benchmark::State& state) {
  App();
  RecordingBackend backend;
  World world(backend);
  int refresh = 0;
  for (auto _ : state) {
    world.ctx.state.CurrentBank = (refresh++ % 2) * 8;
    world.ctx.forms.form2->RefreshProgramCaptions();
  }
  QApplication::processEvents();
}
BENCHMARK(BM_RefreshProgramCaptions)->Unit(benchmark::kMicrosecond);

// The same refresh when the captions already show the bank (repeated presses).
void BM_RefreshProgramCaptionsUnchanged(benchmark::State& state) {
  App();
  RecordingBackend backend;
  World world(backend);
  for (auto _ : state) world.ctx.forms.form2->RefreshProgramCaptions();
}
BENCHMARK(BM_RefreshProgramCaptionsUnchanged)->Unit(benchmark::kMicrosecond);

// Empties the page cache: the whole machine's where this runs as root,
// otherwise only the soundfont's own pages.
void DropPageCache() {
  sync();
  if (std::FILE* drop = std::fopen("/proc/sys/vm/drop_caches", "w")) {
    const bool dropped = std::fputs("3\n", drop) >= 0;
    if (std::fclose(drop) == 0 && dropped) return;
  }
  const int fd = open(std::filesystem::canonical(kSystemSoundfont).c_str(), O_RDONLY);
  if (fd < 0) return;
  posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  close(fd);
}

// The built-in synth's offline output pulled in 64-frame blocks at a sound
// card's pace, as its audio driver's thread would, noting when the first
// block with sound comes out after Arm.
class PacedRender {
 public:
  explicit PacedRender(SynthBackend& synth) : thread_([this, &synth] { Run(synth); }) {}
  ~PacedRender() {
    stop_ = true;
    thread_.join();
  }
  void Arm() { armed_ = true; }
  // Waits for the first sound after Arm; nothing when none came in 3 s.
  std::optional<Clock::time_point> FirstSound() {
    for (int wait = 0; armed_ && wait < 3000; ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (armed_) return std::nullopt;
    return first_sound_.load();
  }
  // Waits until the blocks are silent again (a note's tail has died away).
  void WaitForSilence() {
    for (int wait = 0; !silent_ && wait < 5000; ++wait)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }

 private:
  static constexpr int kBlock = 64;
  static constexpr float kSilent = 1e-4f;
  void Run(SynthBackend& synth) {
    const auto period =
        std::chrono::nanoseconds(1'000'000'000LL * kBlock / SynthBackend::kOfflineSampleRate);
    std::vector<float> left(kBlock), right(kBlock);
    auto deadline = Clock::now();
    while (!stop_) {
      synth.RenderNow(left, right);
      float peak = 0;
      for (int i = 0; i < kBlock; ++i)
        peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
      silent_ = peak < kSilent;
      if (!silent_ && armed_) {
        first_sound_ = Clock::now();
        armed_ = false;
      }
      deadline += period;
      std::this_thread::sleep_until(deadline);
    }
  }
  std::atomic<bool> stop_ = false;
  std::atomic<bool> armed_ = false;
  std::atomic<bool> silent_ = true;
  std::atomic<Clock::time_point> first_sound_{};
  std::thread thread_;
};

// From the press handler of a program button to the first sound the built-in
// synth renders, through the real windows in GS mode. Every press plays a
// program not yet used, with the page cache dropped before it. The pointer
// enters the button state.range(0) ms before the press (a user's rest; 0 is a
// press at once).
void BM_FirstSoundAfterPress(benchmark::State& state) {
  App();
  SynthBackend::Options options;
  options.output = SynthBackend::Output::kOffline;
  SynthBackend synth(options);
  World world(synth);
  if (!world.ctx.port.IsOpen() || !synth.WaitUntilLoaded()) {
    state.SkipWithError("the built-in synth does not open");
    return;
  }
  PacedRender render(synth);
  std::vector<double> latencies;
  int number = 1;
  for (auto _ : state) {
    auto* button =
        world.ctx.forms.form2->findChild<QPushButton*>(QStringLiteral("Button%1").arg(++number));
    DropPageCache();
    const auto entered = Clock::now();
    QEnterEvent enter(QPointF(10, 8), QPointF(10, 8), button->mapToGlobal(QPointF(10, 8)));
    QApplication::sendEvent(button, &enter);
    std::this_thread::sleep_until(entered + std::chrono::milliseconds(state.range(0)));
    render.Arm();
    const auto start = Clock::now();
    SendMouse(button, QEvent::MouseButtonPress);
    const std::optional<Clock::time_point> sound = render.FirstSound();
    SendMouse(button, QEvent::MouseButtonRelease);
    if (!sound) {
      state.SkipWithError("no sound after a press");
      return;
    }
    const std::chrono::duration<double> latency = *sound - start;
    state.SetIterationTime(latency.count());
    latencies.push_back(latency.count() * 1e3);
    render.WaitForSilence();
  }
  state.counters["first_sound_median_ms"] = Percentile(latencies, 0.5);
  state.counters["first_sound_max_ms"] = Percentile(latencies, 1.0);
}
BENCHMARK(BM_FirstSoundAfterPress)
    ->ArgName("rest_ms")
    ->Arg(300)
    ->Arg(0)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tonalyx
