#include "tone/TForm7.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "audition/ControllerMessages.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
struct RowDesign {
  const char* caption;
  int value_left;
  int minimum;
  int maximum;
  int start;  // also the default a caption click restores
};

constexpr std::array<RowDesign, TForm7::kRows> kRowDesigns = {{
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "ベロシティー="), 88, 0, 127, 100},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "モジュレーション="), 112, 0, 127, 0},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "リバーブ="), 72, 0, 127, 40},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "コーラス="), 72, 0, 127, 0},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "ディレイ="), 72, 0, 127, 0},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "パンポット="), 80, -64, 63, 0},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "ピッチベンドチェンジ="), 128, -8192, 8191, 0},
    {QT_TRANSLATE_NOOP("tonalyx::TForm7", "ピッチベンドセンシティビティ="), 168, 0, 24, 2},
}};

constexpr int kLeft = 16;
constexpr int kRowPitch = 48;
constexpr int kLabelTop = 8;
constexpr int kBarTop = 24;
constexpr int kBarWidth = 153;
constexpr int kBarHeight = 17;
}  // namespace

TForm7::TForm7(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm7"));
  ApplyDesignFont(*this);

  for (int row = 1; row <= kRows; ++row) {
    const RowDesign& design = kRowDesigns[row - 1];
    const int label_top = kLabelTop + kRowPitch * (row - 1);

    auto* caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("Label%1").arg(2 * row - 1));
    caption->move(kLeft, label_top);
    caption->installEventFilter(this);

    auto* value = new QLabel(QString::number(design.start), this);
    value->setObjectName(QStringLiteral("Label%1").arg(2 * row));
    value->move(design.value_left, label_top);
    value->adjustSize();

    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("ScrollBar%1").arg(row));
    bar->setGeometry(kLeft, kBarTop + kRowPitch * (row - 1), kBarWidth, kBarHeight);
    bar->setRange(design.minimum, design.maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(design.start);  // before connecting: the start is not sent
    connect(bar, &QScrollBar::valueChanged, this, [this, row] { ScrollBarChange(row); });

    caption_labels_[row - 1] = caption;
    value_labels_[row - 1] = value;
    scroll_bars_[row - 1] = bar;
  }
  ctx_.state.controllers = Values();
  KeepTranslated(*this, [this] { Retranslate(); });
  FormCreate();
}

void TForm7::Retranslate() {
  setWindowTitle(tr("エフェクト"));
  for (int row = 1; row <= kRows; ++row) {
    QLabel* caption = caption_labels_[row - 1];
    caption->setText(tr(kRowDesigns[row - 1].caption));
    caption->adjustSize();
  }
}

void TForm7::FormCreate() { ReadGeometry(*this, ctx_.settings_path, WindowSection(7)); }

void TForm7::ScrollBarChange(int row) {
  // The auditions play with the values of the state, never with the bars.
  ctx_.state.controllers = Values();
  const int position = scroll_bars_[row - 1]->value();
  QLabel* value = value_labels_[row - 1];
  value->setText(QString::number(position));
  value->adjustSize();
  SendControllerChange(ctx_.port, static_cast<ControllerBar>(row), position);
}

void TForm7::CaptionLabelClick(int row) {
  // Setting the position a bar already has emits nothing, so nothing is sent.
  scroll_bars_[row - 1]->setValue(kRowDesigns[row - 1].start);
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
  for (int row = 1; row <= kRows; ++row) {
    QLabel* caption = caption_labels_[row - 1];
    if (watched != caption) continue;
    if (type == QEvent::MouseButtonPress) {
      pressed_label_ = caption;
    } else {
      // A click: pressed and released on the same label.
      const bool inside = caption->rect().contains(mouse->position().toPoint());
      const bool click = pressed_label_ == caption && inside;
      pressed_label_ = nullptr;
      if (click) CaptionLabelClick(row);
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

ControllerValues TForm7::Values() const {
  auto at = [this](ControllerBar bar) { return scroll_bars_[static_cast<int>(bar) - 1]->value(); };
  ControllerValues values;
  values.velocity = at(ControllerBar::kVelocity);
  values.modulation = at(ControllerBar::kModulation);
  values.reverb = at(ControllerBar::kReverb);
  values.chorus = at(ControllerBar::kChorus);
  values.delay = at(ControllerBar::kDelay);
  values.pan = at(ControllerBar::kPan);
  values.pitch_bend = at(ControllerBar::kPitchBend);
  values.bend_sensitivity = at(ControllerBar::kBendSensitivity);
  return values;
}

}  // namespace tonalyx
