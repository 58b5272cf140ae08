#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/WindowTestWorld.h"
#include "tests/walk/NoteLedger.h"

namespace tonalyx {

// One thing a user does to the windows. Windows go by their numbers; the
// tone finder, made when first opened, is number 14.
struct WalkStep {
  enum class Kind {
    kPress,         // a mouse button goes down on control `index` of window `window`
    kRelease,       // mouse button `value` comes up
    kTrigger,       // the button or menu item `index` of kTriggers
    kClose,         // the close box of window `window`
    kHide,          // window `window` is hidden (as its own OK button does)
    kMinimise,      // window `window` is minimised
    kRestore,       // window `window` is restored from minimised
    kActivate,      // window `window` becomes the active window
    kChooseType,    // module type item `index` is clicked
    kConfirmType,   // the module type window's OK
    kChooseMap,     // map item `index` of map window `window` is clicked
    kMoveBar,       // controller bar `index` moves to `value`
    kResetBar,      // the caption label of bar `index` is clicked
    kChooseKit,     // kit button `index` of kit window `window` is clicked
    kChangeDevice,  // device list entry `index` is picked
    kSearch,        // the finder's search field gets word `index` of a fixed list
    kSearchDrums,   // the finder searches tones (`index` 0) or drum sounds (1)
    kCloseMain,     // the main window's close box: the program ends
    // Popups, which take the mouse while they are open:
    kOpenPopup,   // popup `index` of kPopups opens from the keyboard
    kClosePopup,  // the open popup closes: Escape (`value` 0), or Return on item `index` (1)
    // The MIDI keyboard on the input:
    kKeyDown,     // key `index` goes down on MIDI channel `value`
    kKeyUp,       // key `index` comes up
    kKeyProgram,  // the keyboard sends program change `index`
  };
  Kind kind;
  int window = 0;
  int index = 0;
  int value = 0;  // Press and Release: 0 left, 1 right; MoveBar: the position
};

std::string Describe(const WalkStep& step);

// What a walk did, to show it exercised the windows.
struct WalkSummary {
  std::size_t steps = 0;
  // Program runs: each close of the main window ends one.
  std::size_t runs = 0;
  std::size_t notes_played = 0;
  // Steps other than presses and releases taken while a mouse button was down.
  std::size_t steps_during_holds = 0;
  // Popups that opened while a mouse button was down.
  std::size_t popups_during_holds = 0;
};

// A walk that broke the rule: after how many steps, and what was wrong.
struct WalkFailure {
  std::size_t steps;
  std::string message;
};

// The thirteen windows over a recording backend, the main one shown, driven
// one step at a time. A step that does not fit the windows' state (a press on
// a hidden window, a release of a button that is not down) does nothing, so
// any sublist of a walk's steps can be replayed. After every step the rule is
// checked: no note may sound while no mouse button and no key of the MIDI
// keyboard is down, and the port may never close while a note sounds.
class WindowWalk : public QObject {
 public:
  WindowWalk();
  ~WindowWalk() override;

  // A step that fits the present state, picked at random.
  WalkStep Pick(std::mt19937_64& random) const;
  // Carries the step out; the broken rule, if any.
  std::optional<std::string> Do(const WalkStep& step);
  // Closes the main window unless the walk did, tears the windows down and
  // checks once more.
  std::optional<std::string> Finish();
  bool Ended() const { return ended_; }
  bool Holding() const { return !down_.empty(); }
  std::size_t NotesPlayed() const { return ledger_.NotesPlayed(); }

 protected:
  // Notes when the window of the control that holds the mouse is deactivated.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Form(int number) const;
  bool Usable(int number) const;
  std::optional<std::string> Check();
  // The grabber still takes the mouse: shown, not minimised, and its window
  // not deactivated since the press.
  bool GrabberReachable() const;
  void Grab(QWidget* control, QPoint point, const WalkStep& step);
  void LetGo();
  void Press(const WalkStep& step);
  // Where a press of the step lands: a control and a point in it.
  QWidget* PressTarget(const WalkStep& step, QPoint& point) const;
  void Release(Qt::MouseButton button);
  WalkStep PickOther(std::mt19937_64& random) const;
  WalkStep PickKeyboard(std::mt19937_64& random) const;
  // Plays the keyboard step into the input and waits until it has gone
  // through; says what went wrong, if anything.
  std::optional<std::string> PlayKeyboard(const WalkStep& step);

  // Popups: a step while one is open, or one that opens one, now and then.
  std::optional<WalkStep> PickPopupStep(std::mt19937_64& random) const;
  // The window is shown and active: the keyboard's keys go to it.
  bool TakesKeys(int number) const;
  void OpenPopup(int index);
  void ClosePopup(const WalkStep& step);
  // An open popup takes the mouse-up, wherever the pointer is; says whether
  // one did.
  bool ReleaseOverPopup(Qt::MouseButton button);

  WindowTestWorld world_;
  NoteLedger ledger_;
  // The controls of the audition windows 2, 4, 6 and 8, by window number;
  // the finder's rows come and go with its search.
  std::array<std::vector<QWidget*>, 9> controls_;
  // The control that took the first press of the buttons now down, where,
  // and the step that pressed it.
  QPointer<QWidget> grabber_;
  QPoint grab_point_;
  WalkStep grab_step_{WalkStep::Kind::kPress};
  // Another window became active during the hold: the mouse-up then goes
  // wherever the pointer is, and the control may never hear of it.
  bool grabber_deactivated_ = false;
  std::set<Qt::MouseButton> down_;
  // The keys down on the MIDI keyboard, with their channels.
  std::map<int, int> keys_down_;
  bool ended_ = false;
};

// Runs `count` steps picked with `seed` on fresh windows; after each close of
// the main window the walk goes on in a new run of the program. `steps` gets
// the steps done, up to and including the one that broke the rule.
std::optional<WalkFailure> RunWalk(std::uint64_t seed, int count, std::vector<WalkStep>& steps,
                                   WalkSummary& summary);
// Does the steps on fresh windows, in the same runs of the program.
std::optional<WalkFailure> ReplayWalk(const std::vector<WalkStep>& steps);
// A shorter list of steps that still breaks the rule, by removing ever
// smaller runs of steps, in at most `replays` replays.
std::vector<WalkStep> ShrinkWalk(std::vector<WalkStep> steps, int replays);

}  // namespace tonalyx
