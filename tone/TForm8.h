#pragma once

#include <QWidget>
#include <array>

#include "ui/AppContext.h"

class QLabel;

namespace tonalyx {

class KeyboardKey;

// The keyboard window: 116 keys for the notes 0 to 115. Holding a key makes
// its note the test note and plays the current tone at it; letting go ends
// the note. A label on the key of note 60 names middle C.
class TForm8 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kKeys = 116;

  explicit TForm8(AppContext& context);
  // The octave name on the key of note 60: "C4" or "C3".
  void SetMiddleCLabel(const QString& text);

 private:
  static void ShapeMouseDown(AppContext& ctx, int note);
  static void ShapeMouseUp(AppContext& ctx);
  void FormCreate();

  AppContext& ctx_;
  std::array<KeyboardKey*, kKeys> keys_{};  // by note
  QLabel* label1_ = nullptr;
};

}  // namespace tonalyx
