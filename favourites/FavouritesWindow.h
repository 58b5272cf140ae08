#pragma once

#include <QWidget>
#include <optional>

#include "ui/AppContext.h"
#include "ui/HeldSounds.h"
#include "ui/SongClipOut.h"

class QLabel;

namespace tonalyx {

class FavouritesModel;
class MidiClipBar;
class ResultList;

// The favourites window ("お気に入り"): the user's sounds in the user's
// order. Holding a row plays it as its own button would (any mouse button;
// the release ends it), when the module type, and for GS the map, are its
// own. Delete removes the selected row, dragging a row moves it, F2 renames
// it, and the MIDI bar takes the selected row into a song.
class FavouritesWindow : public QWidget {
  Q_OBJECT

 public:
  FavouritesWindow(AppContext& context, const SoundAuditions& auditions);
  ~FavouritesWindow() override;
  // Shows the window in front.
  void Open();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  bool PressRow(int row);
  void RemoveSelected();
  void RenameSelected();
  int SelectedRow() const;
  std::optional<ClipRequest> SelectedClip() const;
  // Says what the file allows, or how to begin when there is nothing yet.
  void ShowNote();

  AppContext& ctx_;
  HeldSounds held_;
  FavouritesModel* model_;
  ResultList* list_;
  QLabel* Label1_;
  MidiClipBar* clip_bar_;
};

}  // namespace tonalyx
