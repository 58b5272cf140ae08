#pragma once

#include <QWidget>
#include <vector>

#include "search/FinderResults.h"
#include "ui/AppContext.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tonalyx {

class ResultList;

// What a press on a result row runs: the tone and drum windows' own
// auditions and kit choice, supplied by the program entry.
struct FinderAuditions {
  void (*play_tone)(AppContext&);
  void (*release_tone)(AppContext&);
  void (*select_drum_kit)(AppContext&, int kit);
  void (*play_drum_note)(AppContext&);
  void (*release_drum_note)(AppContext&, int note);
};

// The tone finder: as the user types, lists every tone (or drum sound) of the
// current module type's map whose name holds the typed words; holding a row
// plays it exactly as its own program or drum note button would.
class FinderWindow : public QWidget {
  Q_OBJECT

 public:
  FinderWindow(AppContext& context, const FinderAuditions& auditions);
  ~FinderWindow() override;
  // Shows the window in front, searching tones or drum sounds, with the
  // search field ready for typing.
  void Open(bool drums);

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool SearchingDrums() const;
  // Searches again for the field's text in the table the state selects now.
  void Search();
  // Says how many rows the last search found, or why it found none.
  void ShowCount();
  // Searches again when the module type or map changed since the last search.
  void FollowState();
  bool PressRow(int row);
  void ReleaseRow();

  AppContext& ctx_;
  FinderAuditions auditions_;
  QLineEdit* Edit1_;
  QRadioButton* RadioButton1_;  // tones
  QRadioButton* RadioButton2_;  // drum sounds
  QLabel* Label1_;
  FinderResults* results_;
  ResultList* list_;
  // What each press not yet released started, oldest first: the drum note,
  // or kToneHeld for a tone, which ends at the test note.
  static constexpr int kToneHeld = -1;
  std::vector<int> held_;
};

}  // namespace tonalyx
