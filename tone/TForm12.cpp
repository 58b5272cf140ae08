#include "tone/TForm12.h"

#include <QLabel>

#include "midifile/SoundNames.h"
#include "ui/MidiClipBar.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {

TForm12::TForm12(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm12"));
  ApplyDesignFont(*this);

  struct LabelDesign {
    int left;
    int top;
    const char* text;
  };
  static constexpr LabelDesign kLabels[6] = {
      {8, 8, QT_TRANSLATE_NOOP("tonalyx::TForm12", "プログラムナンバー=")}, {120, 8, ""},
      {36, 24, QT_TRANSLATE_NOOP("tonalyx::TForm12", "バンクセレクト=")},   {120, 24, ""},
      {72, 40, QT_TRANSLATE_NOOP("tonalyx::TForm12", "楽器名=")},           {120, 40, ""},
  };
  for (int i = 0; i < 6; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->move(kLabels[i].left, kLabels[i].top);
    label->adjustSize();
    labels_[i] = label;
  }
  // Label1, Label3 and Label5 are the captions.
  KeepTranslated(*this, [this] {
    setWindowTitle(tr("情報"));
    for (int i = 0; i < 6; i += 2) SetText(*labels_[i], tr(kLabels[i].text));
    ShowName();
  });
  connect(&ctx_.events, &Events::TonePlayed, this, &TForm12::ShowTone);
  // The window shows GS tones only; in other module types it keeps its text.
  connect(&ctx_.events, &Events::ToneEditsChanged, this, [this] {
    if (ctx_.state.ModuleType == ModuleKind::kGs) ShowName();
  });
  clip_bar_ = new MidiClipBar(
      ctx_,
      [this]() -> std::optional<ClipRequest> {
        const SoundChoice tone = SoundChoice::LastTone(ctx_.state);
        return ClipRequest{tone, SoundName(tone), {}};
      },
      this);
  clip_bar_->move(8, 60);
  FormCreate();
}

void TForm12::FormCreate() { ReadGeometry(*this, ctx_.settings_path, WindowSection(12)); }

void TForm12::ShowTone(int program, int bank, std::string_view name) {
  SetText(*labels_[1], QString::number(program));
  SetText(*labels_[3], QString::number(bank));
  // A label without a buddy shows '&' as it is, so the name needs no escaping.
  name_ = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  shown_ = true;
  ShowName();
}

void TForm12::ShowName() {
  if (!shown_) return;
  SetText(*labels_[5], ctx_.edits.PartsEdited() ? name_ + tr("（エディット中）") : name_);
}

void TForm12::SetText(QLabel& label, const QString& text) {
  label.setText(text);
  label.adjustSize();
}

}  // namespace tonalyx
