#include "app/MidiInputChoice.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QWindow>
#include <algorithm>

#include "app/MainWindowTexts.h"
#include "midi/DeviceOpening.h"
#include "tone/ToneAudition.h"

namespace tonalyx {
namespace {
// How often the chosen input is looked for while it is chosen.
constexpr int kWatchIntervalMs = 1000;

DeviceList ListInputs(MidiInputBackend* backend) {
  if (backend == nullptr) return {};
  return ListDevices(backend->DeviceCount(), [backend](int id) { return backend->DeviceName(id); });
}

int PositionOf(const DeviceList& list, const std::string& name) {
  const auto it = std::find(list.names.begin(), list.names.end(), name);
  return it == list.names.end() ? -1 : static_cast<int>(it - list.names.begin());
}
}  // namespace

MidiInputChoice::MidiInputChoice(AppContext& context, QMenu& menu) : ctx_(context), menu_(menu) {
  connect(&menu_, &QMenu::aboutToShow, this, [this] { FillMenu(); });
  watch_.setInterval(kWatchIntervalMs);
  connect(&watch_, &QTimer::timeout, this, [this] { Watch(); });
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { FollowActiveWindow(); });
  // Notes started under one module type must not ring on under the next.
  connect(&ctx_.events, &Events::ModuleTypeApplied, this, [this] { ctx_.thru.EndHeldNotes(); });
  // The thru thread hands program changes to the window thread.
  ctx_.thru.SetProgramListener([this](const ProgramRequest& request) {
    QMetaObject::invokeMethod(
        this, [this, request] { TakeProgram(request); }, Qt::QueuedConnection);
  });
}

MidiInputChoice::~MidiInputChoice() {
  Stop();
  ctx_.thru.SetProgramListener(nullptr);
}

void MidiInputChoice::Start(const std::string& saved_name) {
  saved_ = saved_name;
  chosen_ = saved_name;
  if (chosen_.empty()) return;
  OpenChosen();
  watch_.start();
}

void MidiInputChoice::Stop() {
  watch_.stop();
  ctx_.thru.Close();
}

void MidiInputChoice::Choose(const std::string& name) {
  ctx_.thru.Close();
  chosen_ = name;
  if (chosen_.empty()) {
    watch_.stop();
    return;
  }
  watch_.start();
  if (!OpenChosen() && ctx_.show_message)
    ctx_.show_message(MainWindowText(kCannotOpenDevice).toStdString());
}

bool MidiInputChoice::OpenChosen() {
  const DeviceList inputs = ListInputs(ctx_.input_backend);
  const int position = PositionOf(inputs, chosen_);
  if (position < 0) return false;
  FollowActiveWindow();
  return ctx_.thru.Open(*ctx_.input_backend,
                        inputs.DeviceTable[static_cast<std::size_t>(position)]);
}

void MidiInputChoice::Watch() {
  const bool listed = PositionOf(ListInputs(ctx_.input_backend), chosen_) >= 0;
  if (ctx_.thru.IsOpen() && !listed) ctx_.thru.Close();
  if (!ctx_.thru.IsOpen() && listed) OpenChosen();
}

void MidiInputChoice::FillMenu() {
  menu_.clear();
  auto* group = new QActionGroup(&menu_);
  const auto add = [this, group](const std::string& name, const QString& text) {
    QAction* action = menu_.addAction(text);
    action->setCheckable(true);
    action->setChecked(name == chosen_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, name] { Choose(name); });
  };
  add({}, MainWindowText(kNoInput));
  DeviceList inputs = ListInputs(ctx_.input_backend);
  // The chosen input keeps its entry while it is away.
  if (!chosen_.empty() && PositionOf(inputs, chosen_) < 0) inputs.names.push_back(chosen_);
  for (const std::string& name : inputs.names) add(name, QString::fromStdString(name));
}

void MidiInputChoice::FollowActiveWindow() {
  // Compared, not reached: while the windows are torn down it may be gone.
  const QWidget* active = QApplication::activeWindow();
  ctx_.thru.SetDrumChannel(active != nullptr && active == ctx_.forms.form4.Window());
}

void MidiInputChoice::TakeProgram(const ProgramRequest& request) {
  SelectRequestedTone(ctx_, request);
}

}  // namespace tonalyx
