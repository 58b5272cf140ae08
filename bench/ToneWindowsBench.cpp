// Latency of a program button press in GS mode: from the mouse-press event
// handed to Button17 to the last message the backend receives, and the cost of
// one 128-caption refresh. Runs in the offscreen platform with the names
// filled and the program and bank windows shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "app/FormSet.h"
#include "support/RecordingBackend.h"
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
  TimingBackend backend;
  AppContext ctx{backend, (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString()};
  std::unique_ptr<FormSet> forms;
  World() {
    ctx.sleep_ms = [](int) {};
    forms = std::make_unique<FormSet>(ctx);
    if (!ctx.port.IsOpen()) ctx.port.OpenPort(0);
    ctx.tables.FillNameTables();
    ctx.forms.form2->show();
    ctx.forms.form6->show();
    QApplication::processEvents();
    backend.Clear();
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
  World world;
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
    const std::chrono::duration<double> to_last = world.backend.last_short - start;
    state.SetIterationTime(to_last.count());
    to_last_message.push_back(to_last.count() * 1e6);
    whole_handler.push_back(std::chrono::duration<double>(end - start).count() * 1e6);
    SendMouse(button, QEvent::MouseButtonRelease);
    if (world.backend.ShortMessages().size() != 17) state.SkipWithError("not a full GS press");
    world.backend.Clear();
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
  World world;
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
  World world;
  for (auto _ : state) world.ctx.forms.form2->RefreshProgramCaptions();
}
BENCHMARK(BM_RefreshProgramCaptionsUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tonalyx
