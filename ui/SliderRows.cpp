#include "ui/SliderRows.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace tonalyx {
namespace {
constexpr int kSliderWidth = 180;
// Wide enough for "-64" and for "(unset)" in both languages.
constexpr int kValueWidth = 64;
}  // namespace

void SliderRow::SetVisible(bool visible) const {
  caption->setVisible(visible);
  slider->setVisible(visible);
  value->setVisible(visible);
}

void SliderRow::SetEnabled(bool enabled) const {
  caption->setEnabled(enabled);
  slider->setEnabled(enabled);
  value->setEnabled(enabled);
}

SliderRow AddSliderRow(QGridLayout& grid, int grid_row, int number) {
  QWidget* parent = grid.parentWidget();
  SliderRow row{new QLabel(parent), new QSlider(Qt::Horizontal, parent), new QLabel(parent)};
  row.caption->setObjectName(QStringLiteral("Caption%1").arg(number));
  row.slider->setObjectName(QStringLiteral("TrackBar%1").arg(number));
  row.value->setObjectName(QStringLiteral("Value%1").arg(number));
  row.slider->setMinimumWidth(kSliderWidth);
  row.slider->setSingleStep(1);
  row.slider->setPageStep(8);
  row.value->setMinimumWidth(kValueWidth);
  row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid.addWidget(row.caption, grid_row, 0);
  grid.addWidget(row.slider, grid_row, 1);
  grid.addWidget(row.value, grid_row, 2);
  return row;
}

QString SignedText(int value) {
  return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

}  // namespace tonalyx
