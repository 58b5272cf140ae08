#pragma once

#include <QWidget>
#include <vector>

#include "search/FinderResults.h"
#include "ui/AppContext.h"
#include "ui/HeldSounds.h"
#include "ui/SongClipOut.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tonalyx {

class MidiClipBar;
class ResultList;

// The tone finder: as the user types, lists every tone (or drum sound) of the
// current module type's map whose name holds the typed words; holding a row
// plays it exactly as its own program or drum note button would.
class FinderWindow : public QWidget {
  Q_OBJECT

 public:
  FinderWindow(AppContext& context, const SoundAuditions& auditions);
  ~FinderWindow() override;
  // Shows the window in front, searching tones or drum sounds, with the
  // search field ready for typing.
  void Open(bool drums);

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool SearchingDrums() const;
  // Searches again for the field's text in the table the state selects now.
  void Search();
  // Says how many rows the last search found, or why it found none.
  void ShowCount();
  // Searches again when the module type or map changed since the last search.
  void FollowState();
  // The sound a row of the results stands for.
  SoundChoice SoundOf(int row) const;
  // The selected row as a clip for a song; nothing while no row is selected.
  std::optional<ClipRequest> SelectedClip() const;
  bool PressRow(int row);

  AppContext& ctx_;
  HeldSounds held_;
  QLineEdit* Edit1_;
  QRadioButton* RadioButton1_;  // tones
  QRadioButton* RadioButton2_;  // drum sounds
  QLabel* Label1_;
  FinderResults* results_;
  ResultList* list_;
  MidiClipBar* clip_bar_;
};

}  // namespace tonalyx
