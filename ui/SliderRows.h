#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QSlider;

namespace tonalyx {

// One row of an edit window: a caption, a horizontal slider and the value it
// shows, named Caption<n>, TrackBar<n> and Value<n>.
struct SliderRow {
  QLabel* caption;
  QSlider* slider;
  QLabel* value;

  void SetVisible(bool visible) const;
  void SetEnabled(bool enabled) const;
};

// Adds row `number` (1..) to the grid at grid row `grid_row`.
SliderRow AddSliderRow(QGridLayout& grid, int grid_row, int number);

// A value around 0 as the edit windows show it: "+5", "0", "-5".
QString SignedText(int value);

}  // namespace tonalyx
