#include "tone/ToneEditWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "audition/EditMessages.h"
#include "midi/ShortMessage.h"
#include "midifile/SoundNames.h"
#include "ui/MidiClipBar.h"
#include "ui/MoveThrottle.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
// The rows in the order of PartParameter.
constexpr std::array<const char*, kPartParameterCount> kCaptions = {
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "ビブラートレート"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "ビブラートデプス"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "ビブラートディレイ"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "カットオフ"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "レゾナンス"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "アタック"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "ディケイ"),
    QT_TRANSLATE_NOOP("tonalyx::ToneEditWindow", "リリース"),
};

constexpr std::array<Effect, 2> kEffects = {Effect::kReverb, Effect::kChorus};

PartParameter ParameterOf(int row) { return static_cast<PartParameter>(row); }
}  // namespace

ToneEditWindow::ToneEditWindow(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("ToneEditWindow"));
  ApplyDesignFont(*this);

  auto* grid = new QGridLayout(this);
  no_parameters_ = new QLabel(this);
  no_parameters_->setObjectName(QStringLiteral("NoParameters"));
  grid->addWidget(no_parameters_, 0, 0, 1, 3);
  for (int row = 0; row < kPartParameterCount; ++row) {
    rows_[row] = AddSliderRow(*grid, row + 1, row + 1);
    connect(rows_[row].slider, &QSlider::valueChanged, this, [this, row] { SliderMoved(row); });
  }
  Button1_ = new QPushButton(this);
  Button1_->setObjectName(QStringLiteral("Button1"));
  connect(Button1_, &QPushButton::clicked, this, &ToneEditWindow::ResetClick);
  grid->addWidget(Button1_, kPartParameterCount + 1, 1, Qt::AlignLeft);
  for (std::size_t i = 0; i < kEffects.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    effect_captions_[i] = new QLabel(this);
    effect_captions_[i]->setObjectName(QStringLiteral("EffectCaption%1").arg(number));
    effect_lists_[i] = new QComboBox(this);
    effect_lists_[i]->setObjectName(QStringLiteral("ComboBox%1").arg(number));
    // Only the user's pick sends; lists filled or set by the program do not.
    connect(effect_lists_[i], &QComboBox::activated, this,
            [this, effect = kEffects[i]](int choice) { EffectChosen(effect, choice); });
    grid->addWidget(effect_captions_[i], kPartParameterCount + 2 + number, 0);
    grid->addWidget(effect_lists_[i], kPartParameterCount + 2 + number, 1, 1, 2);
  }
  // The tone pressed last, shaped as the window shows, into the song.
  auto* clip_bar = new MidiClipBar(
      ctx_,
      [this]() -> std::optional<ClipRequest> {
        const SoundChoice tone = SoundChoice::LastTone(ctx_.state);
        return ClipRequest{tone, SoundName(tone), {}};
      },
      this);
  grid->addWidget(clip_bar, kPartParameterCount + 5, 0, 1, 3);
  grid->setRowStretch(kPartParameterCount + 6, 1);

  throttle_ = new MoveThrottle(
      kPartParameterCount, [this](std::span<const int> rows) { SendRows(rows); }, this);
  KeepTranslated(*this, [this] { Retranslate(); });
  ReadGeometry(*this, ctx_.settings_path, kToneEditSection);

  connect(&ctx_.events, &Events::ModuleTypeApplied, this, [this] { FollowModule(); });
  connect(&ctx_.events, &Events::ToneMapChanged, this, [this] { FollowModule(); });
}

void ToneEditWindow::Retranslate() {
  setWindowTitle(tr("音色エディット"));
  for (int row = 0; row < kPartParameterCount; ++row)
    rows_[row].caption->setText(tr(kCaptions[row]));
  Button1_->setText(tr("リセット"));
  effect_captions_[0]->setText(tr("リバーブ"));
  effect_captions_[1]->setText(tr("コーラス"));
  // The lists' first entry and the note on GM and GM2 are texts too.
  listed_type_.reset();
  FollowModule();
}

void ToneEditWindow::FollowModule() {
  const ModuleKind type = ctx_.state.ModuleType;
  const std::optional<ValueRange> range = PartParameterRange(type, ctx_.state.MapIndex);
  no_parameters_->setVisible(!range);
  no_parameters_->setText(
      range ? QString()
            : tr("%1 にはこれらのパラメーターがありません")
                  .arg(type == ModuleKind::kGm ? QStringLiteral("GM") : QStringLiteral("GM2")));
  for (const SliderRow& row : rows_) row.SetEnabled(range.has_value());
  Button1_->setEnabled(range.has_value());
  for (QComboBox* list : effect_lists_) list->setEnabled(range.has_value());
  if (!range) return;

  ctx_.edits.ClampParts(*range);
  following_ = true;
  for (int row = 0; row < kPartParameterCount; ++row) {
    rows_[row].slider->setRange(range->minimum, range->maximum);
    rows_[row].slider->setValue(ctx_.edits.Part(ParameterOf(row)));
    ShowValue(row);
  }
  following_ = false;

  for (std::size_t i = 0; i < kEffects.size(); ++i) {
    QComboBox* list = effect_lists_[i];
    if (listed_type_ != type) {
      list->clear();
      list->addItem(tr("音源の既定"));
      for (const EffectType& effect : EffectTypes(type, kEffects[i]))
        list->addItem(
            QString::fromLatin1(effect.name.data(), static_cast<qsizetype>(effect.name.size())));
    }
    list->setCurrentIndex(ctx_.edits.EffectChoice(type, kEffects[i]));
  }
  listed_type_ = type;
}

void ToneEditWindow::SliderMoved(int row) {
  if (following_) return;
  const std::optional<ValueRange> range =
      PartParameterRange(ctx_.state.ModuleType, ctx_.state.MapIndex);
  if (!range || !ctx_.edits.SetPart(ParameterOf(row), rows_[row].slider->value(), *range)) return;
  ShowValue(row);
  throttle_->Moved(row);
  emit ctx_.events.ToneEditsChanged();
}

void ToneEditWindow::ResetClick() {
  // Each slider that moves sends its 0 as a move does.
  for (const SliderRow& row : rows_) row.slider->setValue(0);
}

void ToneEditWindow::EffectChosen(Effect effect, int choice) {
  const auto message = ctx_.edits.ChooseEffect(ctx_.state.ModuleType, effect, choice);
  // A module still busy with its reset would lose the message; the reset's
  // follow-up sends the choice once the module is ready.
  if (!ctx_.after_reset.Waiting()) ctx_.port.SendSysEx(message);
}

void ToneEditWindow::SendRows(std::span<const int> rows) {
  std::array<PartParameter, kPartParameterCount> parameters{};
  for (std::size_t i = 0; i < rows.size(); ++i) parameters[i] = ParameterOf(rows[i]);
  const MessageList messages =
      PartChangeMessages(ctx_.edits, std::span(parameters.data(), rows.size()),
                         ctx_.state.ModuleType, ctx_.state.MapIndex, kToneChannel);
  for (const std::uint32_t message : messages.Messages()) ctx_.port.SendShort(message);
}

void ToneEditWindow::ShowValue(int row) {
  rows_[row].value->setText(SignedText(ctx_.edits.Part(ParameterOf(row))));
}

}  // namespace tonalyx
