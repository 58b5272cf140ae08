#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <span>

#include "audition/EditParameters.h"
#include "audition/EffectTypes.h"
#include "ui/AppContext.h"
#include "ui/SliderRows.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tonalyx {

class MoveThrottle;

// The tone edit window: the eight part parameters of the tone channel
// (vibrato rate, depth and delay, cutoff, resonance, attack, decay, release)
// as sliders centred at 0, a button that puts them back to 0, and the reverb
// and chorus types of the module type. A slider sends its parameter as it
// moves; every press sends the parameters too. GM and GM2 have none of this:
// the window says so and sends nothing.
class ToneEditWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ToneEditWindow(AppContext& context);

 private:
  // Ranges, values and effect type lists for ModuleType and MapIndex, the
  // values brought within the range; sends nothing.
  void FollowModule();
  void SliderMoved(int row);
  void ResetClick();
  void EffectChosen(Effect effect, int choice);
  // Sends the parameters of the rows given, as they stand now.
  void SendRows(std::span<const int> rows);
  void ShowValue(int row);
  void Retranslate();

  AppContext& ctx_;
  std::array<SliderRow, kPartParameterCount> rows_{};
  QPushButton* Button1_;  // リセット
  std::array<QLabel*, 2> effect_captions_{};
  std::array<QComboBox*, 2> effect_lists_{};  // ComboBox1 reverb, ComboBox2 chorus
  QLabel* no_parameters_;
  MoveThrottle* throttle_;
  // The module type whose effect types the lists hold.
  std::optional<ModuleKind> listed_type_;
  // Set while the program itself puts values into the sliders.
  bool following_ = false;
};

}  // namespace tonalyx
