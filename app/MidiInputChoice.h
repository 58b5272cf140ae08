#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "thru/ThruRouter.h"
#include "ui/AppContext.h"

class QMenu;

namespace tonalyx {

// The MIDI input of the main window: the one input chosen by name from a
// menu that lists the system's inputs each time it opens, played through to
// the auditioned channel (10 while the drum note window is the active window,
// else 1), its program changes selecting tones as the program buttons do. The
// choice is kept while the device is away: a vanished input is closed, with
// its held notes ended, and opened again once it is back.
class MidiInputChoice : public QObject {
 public:
  MidiInputChoice(AppContext& context, QMenu& menu);
  ~MidiInputChoice() override;
  MidiInputChoice(const MidiInputChoice&) = delete;
  MidiInputChoice& operator=(const MidiInputChoice&) = delete;

  // Opens the input of that name (as saved; empty for none) if it is there,
  // without a word if it is not.
  void Start(const std::string& saved_name);
  // Closes the input, ending the notes it holds.
  void Stop();
  // The input chosen, or empty; written to the settings when it is not the
  // one read at start.
  const std::string& Chosen() const { return chosen_; }
  bool ChoiceChanged() const { return chosen_ != saved_; }
  // The user picks an input by name, or none (empty).
  void Choose(const std::string& name);

 private:
  void FillMenu();
  // Opens the chosen input when it is listed; false when it is not or the
  // open fails.
  bool OpenChosen();
  // Closes the input when it has vanished, opens it again when it is back.
  void Watch();
  void FollowActiveWindow();
  void TakeProgram(const ProgramRequest& request);

  AppContext& ctx_;
  QMenu& menu_;
  std::string chosen_;
  std::string saved_;
  QTimer watch_;
};

}  // namespace tonalyx
