#include "tone/TForm7.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "tone/ControllerMessages.h"

namespace tonalyx {
namespace {
struct RowDesign {
  const char* caption;
  int valueLeft;
  int minimum;
  int maximum;
  int start;  // also the default a caption click restores
};

constexpr std::array<RowDesign, TForm7::kRows> kRowDesigns = {{
    {"ベロシティー=", 88, 0, 127, 100},
    {"モジュレーション=", 112, 0, 127, 0},
    {"リバーブ=", 72, 0, 127, 40},
    {"コーラス=", 72, 0, 127, 0},
    {"ディレイ=", 72, 0, 127, 0},
    {"パンポット=", 80, -64, 63, 0},
    {"ピッチベンドチェンジ=", 128, -8192, 8191, 0},
    {"ピッチベンドセンシティビティ=", 168, 0, 24, 2},
}};

constexpr int kLeft = 16;
constexpr int kRowPitch = 48;
constexpr int kLabelTop = 8;
constexpr int kBarTop = 24;
constexpr int kBarWidth = 153;
constexpr int kBarHeight = 17;

// Tall enough on a first run for all eight rows (the last bar ends at 377).
constexpr WindowGeometry kDefaultGeometry{423, 445, 79, 483};
}  // namespace

TForm7::TForm7(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm7"));
  setWindowTitle(QStringLiteral("エフェクト"));
  ApplyDesignFont(*this);
  move(750, 107);
  resize(445, 423);

  for (int row = 1; row <= kRows; ++row) {
    const RowDesign& design = kRowDesigns[row - 1];
    const int labelTop = kLabelTop + kRowPitch * (row - 1);

    auto* caption = new QLabel(QString::fromUtf8(design.caption), this);
    caption->setObjectName(QStringLiteral("Label%1").arg(2 * row - 1));
    caption->move(kLeft, labelTop);
    caption->adjustSize();
    caption->installEventFilter(this);

    auto* value = new QLabel(QString::number(design.start), this);
    value->setObjectName(QStringLiteral("Label%1").arg(2 * row));
    value->move(design.valueLeft, labelTop);
    value->adjustSize();

    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("ScrollBar%1").arg(row));
    bar->setGeometry(kLeft, kBarTop + kRowPitch * (row - 1), kBarWidth, kBarHeight);
    bar->setRange(design.minimum, design.maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(design.start);  // before connecting: the start is not sent
    connect(bar, &QScrollBar::valueChanged, this, [this, row] { ScrollBarChange(row); });

    captionLabels_[row - 1] = caption;
    valueLabels_[row - 1] = value;
    scrollBars_[row - 1] = bar;
  }
  FormCreate();
}

void TForm7::FormCreate() { ReadGeometry(*this, ctx_.settingsPath, "Window7", kDefaultGeometry); }

void TForm7::ScrollBarChange(int row) {
  const int position = scrollBars_[row - 1]->value();
  QLabel* value = valueLabels_[row - 1];
  value->setText(QString::number(position));
  value->adjustSize();
  SendControllerChange(ctx_.port, static_cast<ControllerBar>(row), position);
}

void TForm7::CaptionLabelClick(int row) {
  // Setting the position a bar already has emits nothing, so nothing is sent.
  scrollBars_[row - 1]->setValue(kRowDesigns[row - 1].start);
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
  for (int row = 1; row <= kRows; ++row) {
    QLabel* caption = captionLabels_[row - 1];
    if (watched != caption) continue;
    if (type == QEvent::MouseButtonPress) {
      pressedLabel_ = caption;
    } else {
      // A click: pressed and released on the same label.
      const bool inside = caption->rect().contains(mouse->position().toPoint());
      const bool click = pressedLabel_ == caption && inside;
      pressedLabel_ = nullptr;
      if (click) CaptionLabelClick(row);
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

ControllerValues TForm7::Values() const {
  auto at = [this](ControllerBar bar) { return scrollBars_[static_cast<int>(bar) - 1]->value(); };
  ControllerValues values;
  values.velocity = at(ControllerBar::Velocity);
  values.modulation = at(ControllerBar::Modulation);
  values.reverb = at(ControllerBar::Reverb);
  values.chorus = at(ControllerBar::Chorus);
  values.delay = at(ControllerBar::Delay);
  values.pan = at(ControllerBar::Pan);
  values.pitchBend = at(ControllerBar::PitchBend);
  values.bendSensitivity = at(ControllerBar::BendSensitivity);
  return values;
}

}  // namespace tonalyx
