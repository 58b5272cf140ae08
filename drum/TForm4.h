#pragma once

#include <QMainWindow>
#include <array>

#include "ui/AppContext.h"

namespace tonalyx {

class AuditionButton;

// The drum note window: 128 note buttons laid out by octave. Holding button N
// sounds note N-1 of the current kit on the rhythm channel; letting go ends it.
class TForm4 : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kNoteCount = 128;

  explicit TForm4(AppContext& context);
  // Captions the 128 note buttons from the drum table for DrumKit and the
  // module type selected in the module type window; GM, GM2 and no selection
  // leave the captions as they are.
  void RefreshDrumCaptions();

 signals:
  // The menu item "音色検索": the user wants the finder, for drum sounds.
  void SearchRequested();
  // The menu item "ドラム音エディット": the user wants the drum sound edit window.
  void DrumEditRequested();

 private:
  void CreateNoteButtons(QWidget& client);
  void CreateOctaveLabels(QWidget& client);
  void CreateNoteNameLabels(QWidget& client);
  void CreateMenu();

  void NoteMouseDown(int number);
  void NoteMouseUp(int number);
  void N1Click();
  void N2Click();

  AppContext& ctx_;
  std::array<AuditionButton*, kNoteCount> buttons_{};
};

}  // namespace tonalyx
