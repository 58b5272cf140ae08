#pragma once

#include <QWidget>
#include <array>
#include <span>

#include "audition/EditParameters.h"
#include "ui/AppContext.h"
#include "ui/SliderRows.h"

class QCheckBox;
class QLabel;

namespace tonalyx {

class MoveThrottle;

// The drum sound edit window: the parameters of the drum note pressed last,
// in the current kit, named in the window: pitch, level, pan (or random),
// reverb and chorus sends, and under XG also cutoff, resonance, attack, decay
// and the variation send. Level, pan and the sends stay unset, sending
// nothing, until moved. A slider sends its parameter for that note as it
// moves; each press of the note sends the note's edits too. GM and GM2 have
// none of this: the window says so and sends nothing.
class DrumEditWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DrumEditWindow(AppContext& context);

 private:
  // The note pressed last in the current kit, and the rows the module type
  // takes, with the note's values; sends nothing.
  void FollowTarget();
  void SliderMoved(int row);
  void RandomClick(bool random);
  void SetAndSend(int row, int value);
  // Sends the parameters of the rows given, for the note shown.
  void SendRows(std::span<const int> rows);
  void ShowValue(int row);
  void Retranslate();

  AppContext& ctx_;
  QLabel* target_;
  QLabel* no_parameters_;
  std::array<SliderRow, kDrumParameterCount> rows_{};
  QCheckBox* random_;  // the pan row's "ランダム"
  MoveThrottle* throttle_;
  // The kit and note the window edits.
  int kit_ = 0;
  int note_ = 0;
  // Set while the program itself puts values into the sliders.
  bool following_ = false;
};

}  // namespace tonalyx
