#include "tests/walk/WindowWalk.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "app/TForm1.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "search/FinderWindow.h"
#include "support/ThruDrain.h"
#include "tone/KeyboardKey.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {

using Kind = WalkStep::Kind;
constexpr int kFinder = 14;

// The buttons and menu items that open windows, by the window they are on.
struct TriggerEntry {
  int window;
  const char* name;
};
constexpr TriggerEntry kTriggers[] = {
    {1, "Button1"}, {1, "Button2"}, {1, "N2"}, {1, "N3"}, {2, "MSB1"}, {2, "N1"},
    {2, "N2"},      {2, "N3"},      {2, "N4"}, {4, "N1"}, {4, "N2"},   {4, "N3"},
};
constexpr int kTriggerCount = static_cast<int>(std::size(kTriggers));
constexpr int kAuditionWindows[] = {2, 4, 6, 8, kFinder};
// What is typed into the finder: words with many rows, few, none, or nothing.
const char* const kSearchWords[] = {"", "piano", "a", "str", "kick", "snare", "org", "zzz", "e"};
constexpr int kSearchWordCount = static_cast<int>(std::size(kSearchWords));

Qt::MouseButton MouseButton(int value) { return value == 0 ? Qt::LeftButton : Qt::RightButton; }
int ValueOf(Qt::MouseButton button) { return button == Qt::LeftButton ? 0 : 1; }

int Below(std::mt19937_64& random, int bound) {
  // The generator's output is fixed by the standard, unlike the distributions,
  // so a seed picks the same walk everywhere.
  return static_cast<int>(random() % static_cast<std::uint64_t>(bound));
}

template <typename T>
T OneOf(std::mt19937_64& random, const std::vector<T>& choices) {
  return choices[static_cast<std::size_t>(Below(random, static_cast<int>(choices.size())))];
}

std::string Window(int number) {
  return number == kFinder ? "the finder" : "TForm" + std::to_string(number);
}

std::string DescribePopupStep(const WalkStep& step);

}  // namespace

std::string Describe(const WalkStep& step) {
  const std::string mouse = step.value == 0 ? "left" : "right";
  const std::string window = Window(step.window);
  switch (step.kind) {
    case Kind::kPress:
      return "press " + mouse + " on " + window +
             (step.window == 8         ? " key of note " + std::to_string(step.index)
              : step.window == kFinder ? " row " + std::to_string(step.index)
                                       : " Button" + std::to_string(step.index + 1));
    case Kind::kRelease:
      return "release " + mouse;
    case Kind::kTrigger: {
      const TriggerEntry& entry = kTriggers[step.index % kTriggerCount];
      return "trigger " + Window(entry.window) + " " + entry.name;
    }
    case Kind::kClose:
      return "close " + window;
    case Kind::kHide:
      return "hide " + window;
    case Kind::kMinimise:
      return "minimise " + window;
    case Kind::kRestore:
      return "restore " + window;
    case Kind::kActivate:
      return "activate " + window;
    case Kind::kChooseType:
      return "choose module type item " + std::to_string(step.index);
    case Kind::kConfirmType:
      return "confirm the module type (OK)";
    case Kind::kChooseMap:
      return "choose " + window + " RadioButton" + std::to_string(step.index + 1);
    case Kind::kMoveBar:
      return "move ScrollBar" + std::to_string(step.index + 1) + " to " +
             std::to_string(step.value);
    case Kind::kResetBar:
      return "click the caption of ScrollBar" + std::to_string(step.index + 1);
    case Kind::kChooseKit:
      return "choose kit button " + std::to_string(step.index) + " of " + window;
    case Kind::kChangeDevice:
      return "pick device list entry " + std::to_string(step.index);
    case Kind::kSearch:
      return std::string("type \"") + kSearchWords[step.index % kSearchWordCount] +
             "\" into the finder";
    case Kind::kSearchDrums:
      return step.index == 0 ? "let the finder search tones" : "let the finder search drum sounds";
    case Kind::kCloseMain:
      return "close the main window";
    case Kind::kOpenPopup:
    case Kind::kClosePopup:
      return DescribePopupStep(step);
    case Kind::kKeyDown:
      return "MIDI key " + std::to_string(step.index) + " down on channel " +
             std::to_string(step.value + 1);
    case Kind::kKeyUp:
      return "MIDI key " + std::to_string(step.index) + " up";
    case Kind::kKeyProgram:
      return "MIDI program change " + std::to_string(step.index);
  }
  return "?";
}

namespace {

// A run of the program as it starts, over three devices.
WindowTestSetup WalkSetup() {
  WindowTestSetup setup;
  setup.devices = {"Synth A", "Synth B", "Synth C"};
  setup.settings_text = "[dev]\nmidi_in=Fake Keys\n";
  setup.as_started = true;
  return setup;
}

}  // namespace

WindowWalk::WindowWalk() : world_(WalkSetup()) {
  world_.ctx.forms.form1->show();
  for (const int number : {2, 4, 6}) {
    for (int n = 1; n <= 128; ++n)
      controls_[static_cast<std::size_t>(number)].push_back(
          Form(number)->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n)));
  }
  // Created in note order.
  for (KeyboardKey* key : Form(8)->findChildren<KeyboardKey*>()) controls_[8].push_back(key);
}

WindowWalk::~WindowWalk() = default;

QWidget* WindowWalk::Form(int number) const {
  const Forms& f = world_.ctx.forms;
  QWidget* const forms[] = {nullptr,  f.form1,  f.form2,  f.form3,  f.form4,
                            f.form5,  f.form6,  f.form7,  f.form8,  f.form9,
                            f.form10, f.form11, f.form12, f.form13, f.finder};
  return number >= 1 && number <= kFinder ? forms[number] : nullptr;
}

bool WindowWalk::Usable(int number) const {
  const QWidget* form = Form(number);
  return form != nullptr && form->isVisible() && !form->isMinimized();
}

WalkStep WindowWalk::Pick(std::mt19937_64& random) const {
  if (const std::optional<WalkStep> popup = PickPopupStep(random)) return *popup;
  if (Below(random, 100) < 12) return PickKeyboard(random);
  const int roll = Below(random, 100);
  if (!down_.empty()) {
    if (roll < 35)
      return {Kind::kRelease, 0, 0,
              ValueOf(*std::next(down_.begin(), Below(random, static_cast<int>(down_.size()))))};
    if (roll < 45 && down_.size() == 1) {
      // The other button goes down too; the toolkit hands it to the grabber.
      const int other = 1 - ValueOf(*down_.begin());
      WalkStep again = grab_step_;
      again.value = other;
      return again;
    }
    return PickOther(random);
  }
  std::vector<int> audition;
  for (const int number : kAuditionWindows)
    if (Usable(number)) audition.push_back(number);
  if (roll < 55 && !audition.empty()) {
    const int window = OneOf(random, audition);
    const int count = window == kFinder
                          ? 200
                          : static_cast<int>(controls_[static_cast<std::size_t>(window)].size());
    return {Kind::kPress, window, Below(random, count), Below(random, 2)};
  }
  return PickOther(random);
}

WalkStep WindowWalk::PickOther(std::mt19937_64& random) const {
  if (Below(random, 500) == 0) return {Kind::kCloseMain};
  std::vector<int> shown, usable, minimised;
  for (int number = 2; number <= kFinder; ++number) {
    const QWidget* form = Form(number);
    if (form == nullptr || !form->isVisible()) continue;
    shown.push_back(number);
    (form->isMinimized() ? minimised : usable).push_back(number);
  }
  const auto trigger = [&] {
    std::vector<int> entries;
    for (int i = 0; i < kTriggerCount; ++i)
      if (Usable(kTriggers[i].window)) entries.push_back(i);
    return entries.empty() ? WalkStep{Kind::kActivate, 1}
                           : WalkStep{Kind::kTrigger, 0, OneOf(random, entries)};
  };
  const int roll = Below(random, 100);
  if (roll < 25) return trigger();
  if (roll < 33) return shown.empty() ? trigger() : WalkStep{Kind::kClose, OneOf(random, shown)};
  if (roll < 36) return shown.empty() ? trigger() : WalkStep{Kind::kHide, OneOf(random, shown)};
  if (roll < 40)
    return usable.empty() ? trigger() : WalkStep{Kind::kMinimise, OneOf(random, usable)};
  if (roll < 44)
    return minimised.empty() ? trigger() : WalkStep{Kind::kRestore, OneOf(random, minimised)};
  if (roll < 52) {
    usable.push_back(1);
    return {Kind::kActivate, OneOf(random, usable)};
  }
  if (roll < 60) return Usable(3) ? WalkStep{Kind::kChooseType, 3, Below(random, 4)} : trigger();
  if (roll < 63) return Usable(3) ? WalkStep{Kind::kConfirmType, 3} : trigger();
  if (roll < 69) {
    if (Usable(9)) return {Kind::kChooseMap, 9, Below(random, 5)};
    if (Usable(10)) return {Kind::kChooseMap, 10, Below(random, 6)};
    return trigger();
  }
  if (roll < 79) {
    if (!Usable(7)) return trigger();
    const int row = Below(random, TForm7::kRows);
    const auto* bar = Form(7)->findChild<QScrollBar*>(QStringLiteral("ScrollBar%1").arg(row + 1));
    return {Kind::kMoveBar, 7, row,
            bar->minimum() + Below(random, bar->maximum() - bar->minimum() + 1)};
  }
  if (roll < 83)
    return Usable(7) ? WalkStep{Kind::kResetBar, 7, Below(random, TForm7::kRows)} : trigger();
  if (roll < 88) {
    if (Usable(5)) return {Kind::kChooseKit, 5, Below(random, 64)};
    if (Usable(13)) return {Kind::kChooseKit, 13, Below(random, 64)};
    return trigger();
  }
  if (roll < 92)
    return Usable(kFinder) ? WalkStep{Kind::kSearch, kFinder, Below(random, kSearchWordCount)}
                           : trigger();
  if (roll < 95)
    return Usable(kFinder) ? WalkStep{Kind::kSearchDrums, kFinder, Below(random, 2)} : trigger();
  return {Kind::kChangeDevice, 1, Below(random, 3)};
}

WalkStep WindowWalk::PickKeyboard(std::mt19937_64& random) const {
  const int roll = Below(random, 100);
  if (roll < 45 && !keys_down_.empty()) {
    const auto key =
        std::next(keys_down_.begin(), Below(random, static_cast<int>(keys_down_.size())));
    return {Kind::kKeyUp, 0, key->first};
  }
  if (roll < 90) return {Kind::kKeyDown, 0, 48 + Below(random, 12), Below(random, 16)};
  return {Kind::kKeyProgram, 0, Below(random, 128)};
}

std::optional<std::string> WindowWalk::PlayKeyboard(const WalkStep& step) {
  const auto key = static_cast<std::uint8_t>(step.index);
  FakeInputBackend& input = world_.input;
  switch (step.kind) {
    case Kind::kKeyDown:
      if (!keys_down_.emplace(step.index, step.value).second) return std::nullopt;
      input.Play({static_cast<std::uint8_t>(0x90 | step.value), key, 100});
      break;
    case Kind::kKeyUp: {
      const auto down = keys_down_.find(step.index);
      if (down == keys_down_.end()) return std::nullopt;
      input.Play({static_cast<std::uint8_t>(0x80 | down->second), key, 64});
      keys_down_.erase(down);
      break;
    }
    default:
      input.Play({0xC0, key});
      break;
  }
  if (!WaitUntilDrained(world_.ctx.thru)) return "the thru did not pass the keyboard on within 5 s";
  return std::nullopt;
}

bool WindowWalk::GrabberReachable() const {
  return grabber_ != nullptr && grabber_->isVisible() && !grabber_->window()->isMinimized() &&
         !grabber_deactivated_;
}

void WindowWalk::Grab(QWidget* control, QPoint point, const WalkStep& step) {
  LetGo();
  grabber_ = control;
  grab_point_ = point;
  grab_step_ = step;
  grabber_deactivated_ = false;
  control->installEventFilter(this);
}

void WindowWalk::LetGo() {
  if (grabber_ != nullptr) grabber_->removeEventFilter(this);
  grabber_ = nullptr;
}

bool WindowWalk::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grabber_ && event->type() == QEvent::WindowDeactivate) grabber_deactivated_ = true;
  return false;
}

QWidget* WindowWalk::PressTarget(const WalkStep& step, QPoint& point) const {
  if (!Usable(step.window)) return nullptr;
  if (step.window == kFinder) {
    auto* list = Form(kFinder)->findChild<QAbstractItemView*>(QStringLiteral("ResultList"));
    QWidget* rows = list->viewport();
    point = rows->rect().center();
    if (const int count = list->model()->rowCount(); count > 0) {
      const QModelIndex row = list->model()->index(step.index % count, 0);
      list->scrollTo(row);
      point = list->visualRect(row).center();
    }
    return rows;
  }
  const auto& controls = controls_[static_cast<std::size_t>(step.window)];
  if (controls.empty()) return nullptr;
  QWidget* control = controls[static_cast<std::size_t>(step.index) % controls.size()];
  point = control->rect().center();
  return control;
}

void WindowWalk::Press(const WalkStep& step) {
  const Qt::MouseButton button = MouseButton(step.value);
  // A press would only close an open popup; the walk closes them by keys.
  if (down_.count(button) != 0 || QApplication::activePopupWidget() != nullptr) return;
  if (down_.empty() || !GrabberReachable()) {
    // A first press, or one after the grabber lost the mouse, takes the
    // control under the pointer; a second button joins the first one's.
    QPoint point;
    QWidget* target = PressTarget(step, point);
    if (target == nullptr) return;
    Grab(target, point, step);
  }
  down_.insert(button);
  QTest::mousePress(grabber_, button, {}, grab_point_);
}

void WindowWalk::Release(Qt::MouseButton button) {
  if (down_.erase(button) == 0) return;
  // A window that is hidden, minimised or deactivated loses the mouse: the
  // button then comes up over some other window, and the control never hears
  // of it.
  if (!ReleaseOverPopup(button) && GrabberReachable())
    QTest::mouseRelease(grabber_, button, {}, grab_point_);
  if (down_.empty()) LetGo();
}

std::optional<std::string> WindowWalk::Do(const WalkStep& step) {
  if (ended_) return std::nullopt;
  QWidget* const form = Form(step.window);
  switch (step.kind) {
    case Kind::kPress:
      Press(step);
      break;
    case Kind::kRelease:
      Release(MouseButton(step.value));
      break;
    case Kind::kTrigger: {
      const TriggerEntry& entry = kTriggers[step.index % kTriggerCount];
      if (!Usable(entry.window)) break;
      QWidget* owner = Form(entry.window);
      if (auto* action = owner->findChild<QAction*>(QLatin1String(entry.name))) {
        if (action->isEnabled()) action->trigger();
      } else if (auto* button = owner->findChild<QPushButton*>(QLatin1String(entry.name))) {
        button->click();
      }
      break;
    }
    case Kind::kClose:
      if (form != nullptr && form->isVisible()) form->close();
      break;
    case Kind::kHide:
      if (form != nullptr) form->hide();
      break;
    case Kind::kMinimise:
      if (Usable(step.window)) form->showMinimized();
      break;
    case Kind::kRestore:
      if (form != nullptr && form->isVisible() && form->isMinimized()) form->showNormal();
      break;
    case Kind::kActivate:
      if (Usable(step.window)) form->activateWindow();
      break;
    case Kind::kChooseType:
      if (Usable(3))
        if (auto* item = form->findChild<QAbstractButton*>(
                QStringLiteral("RadioGroup1Item%1").arg(step.index)))
          item->click();
      break;
    case Kind::kConfirmType:
      if (Usable(3))
        if (auto* ok = form->findChild<QPushButton*>(QStringLiteral("Button1"))) ok->click();
      break;
    case Kind::kChooseMap:
      if (Usable(step.window))
        if (auto* item =
                form->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(step.index + 1)))
          item->click();
      break;
    case Kind::kMoveBar:
      if (Usable(7))
        if (auto* bar =
                form->findChild<QScrollBar*>(QStringLiteral("ScrollBar%1").arg(step.index + 1)))
          bar->setValue(step.value);
      break;
    case Kind::kResetBar:
      // A click needs the left button, which may be busy holding a note.
      if (Usable(7) && down_.count(Qt::LeftButton) == 0)
        if (auto* label =
                form->findChild<QWidget*>(QStringLiteral("Label%1").arg(2 * step.index + 1)))
          QTest::mouseClick(label, Qt::LeftButton);
      break;
    case Kind::kChooseKit:
      if (Usable(step.window)) {
        const QList<QPushButton*> kits = form->findChildren<QPushButton*>();
        if (!kits.isEmpty()) kits[step.index % kits.size()]->click();
      }
      break;
    case Kind::kChangeDevice:
      if (Usable(1)) {
        auto* list = form->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        const int position = step.index % list->count();
        list->setCurrentIndex(position);
        emit list->activated(position);
      }
      break;
    case Kind::kSearch:
      if (Usable(kFinder))
        form->findChild<QLineEdit*>(QStringLiteral("Edit1"))
            ->setText(QString::fromLatin1(kSearchWords[step.index % kSearchWordCount]));
      break;
    case Kind::kSearchDrums:
      if (Usable(kFinder))
        form->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(step.index % 2 + 1))
            ->click();
      break;
    case Kind::kCloseMain:
      world_.ctx.forms.form1->close();
      ended_ = true;
      break;
    case Kind::kOpenPopup:
      OpenPopup(step.index);
      break;
    case Kind::kClosePopup:
      ClosePopup(step);
      break;
    case Kind::kKeyDown:
    case Kind::kKeyUp:
    case Kind::kKeyProgram:
      if (auto stuck = PlayKeyboard(step)) return stuck;
      break;
  }
  // A program change reaches the windows as a queued event.
  QCoreApplication::processEvents();
  return Check();
}

std::optional<std::string> WindowWalk::Check() {
  ledger_.Follow(world_.backend);
  if (ledger_.Violation()) return ledger_.Violation();
  if (down_.empty() && keys_down_.empty() && ledger_.AnySounding())
    return "no mouse button and no key is down, yet " + ledger_.Sounding() + " sounds";
  return std::nullopt;
}

std::optional<std::string> WindowWalk::Finish() {
  if (!ended_) {
    if (auto broken = Do({Kind::kCloseMain})) return broken;
  }
  world_.forms.reset();
  QCoreApplication::processEvents();
  if (auto broken = Check()) return broken;
  if (ledger_.AnySounding()) return "after the program ended, " + ledger_.Sounding() + " sounds";
  return std::nullopt;
}

// ---- Popups: a menu bar's menu, a drop-down list and a context menu, each
// opened from the keyboard, mostly while a mouse button holds a note. An open
// popup takes the mouse: a mouse-up goes to it, wherever the pointer is, and
// it closes with Escape or by Return choosing one of its items.
namespace {

// Where a popup opens from the keyboard, by the window and the control.
struct PopupEntry {
  enum class Way {
    kMenuBar,      // Alt, then Down: the menu bar's first menu
    kDropDown,     // Alt+Down: the list of a combo box
    kContextMenu,  // the context-menu key
  };
  int window;
  const char* name;
  Way way;
};
constexpr PopupEntry kPopups[] = {
    {1, "MainMenu1", PopupEntry::Way::kMenuBar},       {2, "MainMenu1", PopupEntry::Way::kMenuBar},
    {4, "MainMenu1", PopupEntry::Way::kMenuBar},       {1, "ComboBox1", PopupEntry::Way::kDropDown},
    {kFinder, "Edit1", PopupEntry::Way::kContextMenu},
};
constexpr int kPopupCount = static_cast<int>(std::size(kPopups));

// The widget of a window (or popup) that takes the keys.
QWidget* FocusOf(QWidget& window) {
  return window.focusWidget() != nullptr ? window.focusWidget() : &window;
}

std::string DescribePopupStep(const WalkStep& step) {
  if (step.kind == WalkStep::Kind::kOpenPopup) {
    const PopupEntry& entry = kPopups[step.index % kPopupCount];
    return "open the popup of " + Window(entry.window) + " " + entry.name + " from the keyboard";
  }
  return step.value == 0
             ? std::string("close the popup with Escape")
             : "choose item " + std::to_string(step.index + 1) + " of the popup with Return";
}

}  // namespace

std::optional<WalkStep> WindowWalk::PickPopupStep(std::mt19937_64& random) const {
  const int roll = Below(random, 100);
  if (QApplication::activePopupWidget() != nullptr) {
    // A user can only let go of the mouse or close the popup now.
    if (!down_.empty() && roll < 50) return WalkStep{Kind::kRelease, 0, 0, ValueOf(*down_.begin())};
    return WalkStep{Kind::kClosePopup, 0, Below(random, 4), Below(random, 2)};
  }
  // Mostly during a hold, which the popup takes the mouse from.
  if (roll >= (down_.empty() ? 2 : 12)) return std::nullopt;
  std::vector<int> entries;
  for (int i = 0; i < kPopupCount; ++i)
    if (TakesKeys(kPopups[i].window)) entries.push_back(i);
  if (entries.empty()) return std::nullopt;
  return WalkStep{Kind::kOpenPopup, 0, OneOf(random, entries)};
}

void WindowWalk::OpenPopup(int index) {
  const PopupEntry& entry = kPopups[index % kPopupCount];
  if (!TakesKeys(entry.window) || QApplication::activePopupWidget() != nullptr) return;
  auto* owner = Form(entry.window)->findChild<QWidget*>(QLatin1String(entry.name));
  switch (entry.way) {
    case PopupEntry::Way::kMenuBar:
      // Alt puts the menu bar in keyboard mode, with the focus; Down opens
      // the highlighted menu.
      QTest::keyClick(FocusOf(*owner->window()), Qt::Key_Alt, Qt::AltModifier);
      QTest::keyClick(FocusOf(*owner->window()), Qt::Key_Down);
      break;
    case PopupEntry::Way::kDropDown:
      QTest::keyClick(owner, Qt::Key_Down, Qt::AltModifier);
      break;
    case PopupEntry::Way::kContextMenu: {
      const QPoint centre = owner->rect().center();
      QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, owner->mapToGlobal(centre));
      QCoreApplication::sendEvent(owner, &menu);
      break;
    }
  }
}

bool WindowWalk::TakesKeys(int number) const {
  return Usable(number) && Form(number)->isActiveWindow();
}

void WindowWalk::ClosePopup(const WalkStep& step) {
  QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr) return;
  QWidget* keys = FocusOf(*popup);
  if (step.value == 0) {
    QTest::keyClick(keys, Qt::Key_Escape);
    return;
  }
  for (int i = 0; i < step.index; ++i) QTest::keyClick(keys, Qt::Key_Down);
  QTest::keyClick(keys, Qt::Key_Return);
}

bool WindowWalk::ReleaseOverPopup(Qt::MouseButton button) {
  QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr) return false;
  const QPoint over = grabber_ != nullptr ? grabber_->mapToGlobal(grab_point_) : QPoint();
  QTest::mouseRelease(popup, button, {}, popup->mapFromGlobal(over));
  return true;
}

// ---- End of the popups.

namespace {

// Does the steps that `next` gives until it gives none, one program run after
// another: a step that closes the main window ends a run, checked as the
// program ends, and the next step starts a new run on fresh windows.
std::optional<WalkFailure> Walk(
    const std::function<std::optional<WalkStep>(const WindowWalk&)>& next, WalkSummary& summary) {
  summary = {};
  std::unique_ptr<WindowWalk> walk;
  const auto end_run = [&]() -> std::optional<std::string> {
    std::optional<std::string> broken = walk->Finish();
    summary.notes_played += walk->NotesPlayed();
    ++summary.runs;
    walk.reset();
    return broken;
  };
  while (true) {
    if (walk == nullptr) walk = std::make_unique<WindowWalk>();
    const std::optional<WalkStep> step = next(*walk);
    if (!step) break;
    const bool holding = walk->Holding();
    if (holding && step->kind != Kind::kPress && step->kind != Kind::kRelease)
      ++summary.steps_during_holds;
    ++summary.steps;
    if (auto broken = walk->Do(*step)) return WalkFailure{summary.steps, *broken};
    if (holding && step->kind == Kind::kOpenPopup && QApplication::activePopupWidget() != nullptr)
      ++summary.popups_during_holds;
    if (walk->Ended())
      if (auto broken = end_run()) return WalkFailure{summary.steps, *broken};
  }
  if (auto broken = end_run()) return WalkFailure{summary.steps, *broken};
  return std::nullopt;
}

}  // namespace

std::optional<WalkFailure> RunWalk(std::uint64_t seed, int count, std::vector<WalkStep>& steps,
                                   WalkSummary& summary) {
  std::mt19937_64 random(seed);
  steps.clear();
  return Walk(
      [&](const WindowWalk& walk) -> std::optional<WalkStep> {
        if (static_cast<int>(steps.size()) >= count) return std::nullopt;
        return steps.emplace_back(walk.Pick(random));
      },
      summary);
}

std::optional<WalkFailure> ReplayWalk(const std::vector<WalkStep>& steps) {
  std::size_t done = 0;
  WalkSummary summary;
  return Walk(
      [&](const WindowWalk&) -> std::optional<WalkStep> {
        if (done == steps.size()) return std::nullopt;
        return steps[done++];
      },
      summary);
}

std::vector<WalkStep> ShrinkWalk(std::vector<WalkStep> steps, int replays) {
  std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1);
  while (replays > 0) {
    bool removed = false;
    for (std::size_t start = 0; start < steps.size() && replays > 0; --replays) {
      std::vector<WalkStep> candidate = steps;
      candidate.erase(
          candidate.begin() + static_cast<std::ptrdiff_t>(start),
          candidate.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, steps.size())));
      if (auto failure = ReplayWalk(candidate)) {
        // Keep only what led up to the failure.
        candidate.resize(failure->steps);
        steps = std::move(candidate);
        removed = true;
      } else {
        start += chunk;
      }
    }
    if (chunk == 1 && !removed) break;
    chunk = std::max<std::size_t>(chunk / 2, 1);
  }
  return steps;
}

}  // namespace tonalyx
