#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "ui/AppContext.h"

class QLabel;

namespace tonalyx {

class MidiClipBar;

// The tone information window: program number, bank and name of the last GS
// tone played, as the tone audition announces it, the name marked while the
// tone edit window's parameters change the tone.
class TForm12 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm12(AppContext& context);
  // Shows the last GS tone played: program, bank and name.
  void ShowTone(int program, int bank, std::string_view name);

 private:
  void FormCreate();
  // The name, and whether the tone is edited, in Label6.
  void ShowName();
  static void SetText(QLabel& label, const QString& text);

  AppContext& ctx_;
  std::array<QLabel*, 6> labels_{};  // Label1 .. Label6
  QString name_;                     // of the tone shown, if any
  bool shown_ = false;
  // The tone pressed last as a MIDI file for a song, below the design's labels.
  MidiClipBar* clip_bar_;
};

}  // namespace tonalyx
