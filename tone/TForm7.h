#pragma once

#include <QWidget>
#include <array>

#include "audition/ControllerValues.h"
#include "ui/AppContext.h"

class QLabel;
class QScrollBar;

namespace tonalyx {

// The controller window: eight bars (velocity, modulation, reverb, chorus,
// delay, pan, pitch bend, bend sensitivity), each with a caption label that
// restores the bar's default when clicked and a label showing its value.
// Moving a bar sends its controller at once and keeps the shared state's
// controller values current, which the auditions play with.
class TForm7 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRows = 8;

  explicit TForm7(AppContext& context);
  // The bar positions right now.
  ControllerValues Values() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Row 1..8: ScrollBar<row>Change and Label<2*row-1>Click.
  void ScrollBarChange(int row);
  void CaptionLabelClick(int row);
  void FormCreate();
  // Sets the title and the captions in the program's language.
  void Retranslate();

  AppContext& ctx_;
  // Index row - 1.
  std::array<QLabel*, kRows> caption_labels_{};
  std::array<QLabel*, kRows> value_labels_{};
  std::array<QScrollBar*, kRows> scroll_bars_{};
  // The caption label that took the last left-button press, for its click.
  QLabel* pressed_label_ = nullptr;
};

}  // namespace tonalyx
