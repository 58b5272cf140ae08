#include "drum/DrumEditWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "audition/EditMessages.h"
#include "midi/ShortMessage.h"
#include "tables/KitNames.h"
#include "ui/MoveThrottle.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
// The rows in the order of DrumParameter.
constexpr std::array<const char*, kDrumParameterCount> kCaptions = {
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "ピッチ"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "レベル"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "パン"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "リバーブ"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "コーラス"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "カットオフ"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "レゾナンス"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "アタック"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "ディケイ"),
    QT_TRANSLATE_NOOP("tonalyx::DrumEditWindow", "バリエーション"),
};
constexpr int kPanRow = static_cast<int>(DrumParameter::kPan);
// Pan 0 is random; the slider runs from hard left (1) to hard right.
constexpr int kRandomPan = 0;
constexpr int kCentre = 64;

DrumParameter ParameterOf(int row) { return static_cast<DrumParameter>(row); }

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

DrumEditWindow::DrumEditWindow(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("DrumEditWindow"));
  ApplyDesignFont(*this);

  auto* grid = new QGridLayout(this);
  target_ = new QLabel(this);
  target_->setObjectName(QStringLiteral("Target"));
  grid->addWidget(target_, 0, 0, 1, 4);
  no_parameters_ = new QLabel(this);
  no_parameters_->setObjectName(QStringLiteral("NoParameters"));
  grid->addWidget(no_parameters_, 1, 0, 1, 4);
  for (int row = 0; row < kDrumParameterCount; ++row) {
    rows_[row] = AddSliderRow(*grid, row + 2, row + 1);
    const ValueRange range = DrumParameterRange(ParameterOf(row));
    rows_[row].slider->setRange(row == kPanRow ? 1 : range.minimum, range.maximum);
    connect(rows_[row].slider, &QSlider::valueChanged, this, [this, row] { SliderMoved(row); });
  }
  random_ = new QCheckBox(this);
  random_->setObjectName(QStringLiteral("Random"));
  connect(random_, &QCheckBox::clicked, this, &DrumEditWindow::RandomClick);
  grid->addWidget(random_, kPanRow + 2, 3);
  grid->setRowStretch(kDrumParameterCount + 2, 1);

  throttle_ = new MoveThrottle(
      kDrumParameterCount, [this](std::span<const int> rows) { SendRows(rows); }, this);
  KeepTranslated(*this, [this] { Retranslate(); });
  ReadGeometry(*this, ctx_.settings_path, kDrumEditSection);

  connect(&ctx_.events, &Events::ModuleTypeApplied, this, [this] { FollowTarget(); });
  connect(&ctx_.events, &Events::DrumNotePlayed, this, [this] { FollowTarget(); });
  // Another kit or map names the note anew.
  ctx_.events.WhenStale(Events::Caption::kDrum, this, [this] { FollowTarget(); });
}

void DrumEditWindow::Retranslate() {
  setWindowTitle(tr("ドラム音エディット"));
  for (int row = 0; row < kDrumParameterCount; ++row)
    rows_[row].caption->setText(tr(kCaptions[row]));
  random_->setText(tr("ランダム"));
  FollowTarget();
}

void DrumEditWindow::FollowTarget() {
  // Moves still waiting belong to the note shown so far.
  throttle_->SendWaiting();
  const ModuleKind type = ctx_.state.ModuleType;
  kit_ = ctx_.state.DrumKit;
  note_ = ctx_.state.DrumNote;
  const bool named = HasNamedSounds(type);
  const bool gs = type == ModuleKind::kGs;
  const std::string_view kit_name = gs ? GsKitName(kit_) : named ? XgKitName(kit_) : "";
  const std::string_view note_name = gs      ? ctx_.tables.GsDrum(kit_, note_, ctx_.state.MapIndex)
                                     : named ? ctx_.tables.XgDrum(kit_, note_)
                                             : "";
  target_->setText(tr("キット %1 %2 ／ ノート %3 %4")
                       .arg(kit_)
                       .arg(Latin1(kit_name))
                       .arg(note_)
                       .arg(Latin1(note_name)));
  no_parameters_->setVisible(!named);
  no_parameters_->setText(
      named ? QString()
            : tr("%1 にはこれらのパラメーターがありません")
                  .arg(type == ModuleKind::kGm ? QStringLiteral("GM") : QStringLiteral("GM2")));
  following_ = true;
  for (int row = 0; row < kDrumParameterCount; ++row) {
    const DrumParameter parameter = ParameterOf(row);
    // Under GS the XG rows are hidden; under GM and GM2 every row is shown
    // but none can be moved.
    rows_[row].SetVisible(!named || TakesDrumParameter(type, parameter));
    rows_[row].SetEnabled(named);
    const std::optional<int> value = ctx_.edits.Drum(kit_, note_, parameter);
    const bool relative = DrumParameterKindOf(parameter).relative;
    rows_[row].slider->setValue(value.value_or(relative ? 0 : kCentre));
    ShowValue(row);
  }
  following_ = false;
  const bool random = ctx_.edits.Drum(kit_, note_, DrumParameter::kPan) == kRandomPan;
  random_->setEnabled(named);
  random_->setChecked(random);
  rows_[kPanRow].slider->setEnabled(named && !random);
}

void DrumEditWindow::SliderMoved(int row) {
  if (!following_) SetAndSend(row, rows_[row].slider->value());
}

void DrumEditWindow::RandomClick(bool random) {
  rows_[kPanRow].slider->setEnabled(!random);
  SetAndSend(kPanRow, random ? kRandomPan : rows_[kPanRow].slider->value());
}

void DrumEditWindow::SetAndSend(int row, int value) {
  if (!ctx_.edits.SetDrum(kit_, note_, ParameterOf(row), value)) return;
  ShowValue(row);
  throttle_->Moved(row);
}

void DrumEditWindow::SendRows(std::span<const int> rows) {
  std::array<DrumParameter, kDrumParameterCount> parameters{};
  for (std::size_t i = 0; i < rows.size(); ++i) parameters[i] = ParameterOf(rows[i]);
  const MessageList messages =
      DrumChangeMessages(ctx_.edits, std::span(parameters.data(), rows.size()),
                         ctx_.state.ModuleType, kit_, note_, kRhythmChannel);
  for (const std::uint32_t message : messages.Messages()) ctx_.port.SendShort(message);
}

void DrumEditWindow::ShowValue(int row) {
  const DrumParameter parameter = ParameterOf(row);
  const std::optional<int> value = ctx_.edits.Drum(kit_, note_, parameter);
  QString text;
  if (DrumParameterKindOf(parameter).relative) {
    text = SignedText(value.value_or(0));
  } else if (!value) {
    text = tr("未設定");
  } else if (parameter == DrumParameter::kPan) {
    text = *value == kRandomPan ? tr("ランダム") : SignedText(*value - kCentre);
  } else {
    text = QString::number(*value);
  }
  rows_[row].value->setText(text);
}

}  // namespace tonalyx
