#include "tone/TForm8.h"

#include <QLabel>
#include <QPalette>

#include "tone/KeyboardKey.h"
#include "tone/ToneAudition.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
// The shapes are numbered in the order they were drawn, not by pitch: the
// shape number of each note from 0 to 115.
constexpr std::array<int, TForm8::kKeys> kShapeOfNote = {
    1,  4,   2,   5,   3,   6,   8,   7,   11,  9,   12,  10,  13,  19,  14,  20,  15, 16,  21, 17,
    22, 18,  24,  23,  25,  33,  26,  34,  27,  28,  35,  29,  36,  30,  37,  31,  32, 43,  38, 44,
    39, 40,  45,  41,  46,  42,  48,  47,  49,  58,  50,  59,  51,  52,  60,  53,  61, 54,  62, 55,
    56, 63,  57,  71,  64,  65,  72,  66,  73,  67,  74,  68,  69,  75,  70,  82,  76, 77,  83, 78,
    84, 79,  85,  80,  81,  92,  86,  93,  87,  88,  94,  89,  95,  90,  96,  91,  97, 104, 98, 105,
    99, 100, 106, 101, 107, 102, 108, 103, 109, 114, 110, 115, 111, 112, 116, 113,
};

// Position of each pitch class among the white keys of its octave; -1 marks
// a black key.
constexpr std::array<int, 12> kWhiteOrdinal = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};

constexpr int kWhitePitch = 15;  // neighbouring white keys overlap by one pixel
constexpr int kWhiteWidth = 16;
constexpr int kWhiteHeight = 113;
constexpr int kBlackWidth = 10;
constexpr int kBlackHeight = 73;

constexpr bool IsBlack(int note) { return kWhiteOrdinal[note % 12] < 0; }

constexpr int WhiteIndex(int white_note) {
  return 7 * (white_note / 12) + kWhiteOrdinal[white_note % 12];
}

// A black key stands 10 pixels right of the white key below it, except the
// F sharp, G sharp and A sharp of the lowest octave, which stand 11 right.
constexpr int BlackOffset(int note) { return (note == 6 || note == 8 || note == 10) ? 11 : 10; }

// XG modules name middle C "C3"; the others call it "C4".
QString MiddleCLabel(ModuleKind type) {
  return type == ModuleKind::kXg ? QStringLiteral("C3") : QStringLiteral("C4");
}
}  // namespace

TForm8::TForm8(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm8"));
  KeepTranslated(*this, [this] { setWindowTitle(tr("鍵盤")); });
  ApplyDesignFont(*this);

  for (int note = 0; note < kKeys; ++note) {
    const bool black = IsBlack(note);
    auto* key = new KeyboardKey(note, black, this);
    key->setObjectName(QStringLiteral("Shape%1").arg(kShapeOfNote[note]));
    if (black) {
      key->setGeometry(kWhitePitch * WhiteIndex(note - 1) + BlackOffset(note), 0, kBlackWidth,
                       kBlackHeight);
    } else {
      key->setGeometry(kWhitePitch * WhiteIndex(note), 0, kWhiteWidth, kWhiteHeight);
    }
    // The handlers use only the shared context, not this window, so a note
    // ended while the window is being torn down still reaches the port.
    AppContext& ctx = ctx_;
    connect(key, &KeyboardKey::Down, key, [&ctx](int n) { ShapeMouseDown(ctx, n); });
    connect(key, &KeyboardKey::Up, key, [&ctx](int) { ShapeMouseUp(ctx); });
    keys_[note] = key;
  }
  // Black keys lie in front of the white keys they overlap.
  for (KeyboardKey* key : keys_) {
    if (key->IsBlack()) key->raise();
  }

  // The middle-C label lies in front of the key of note 60 and takes the
  // clicks on it (they play nothing).
  label1_ = new QLabel(QStringLiteral("C4"), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setGeometry(528, 96, 14, 12);
  label1_->setAutoFillBackground(true);
  QPalette palette = label1_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label1_->setPalette(palette);
  label1_->raise();
  connect(&ctx_.events, &Events::ModuleTypeApplied, this,
          [this](ModuleKind type) { SetMiddleCLabel(MiddleCLabel(type)); });

  FormCreate();
}

void TForm8::FormCreate() { ReadGeometry(*this, ctx_.settings_path, WindowSection(8)); }

void TForm8::SetMiddleCLabel(const QString& text) { label1_->setText(text); }

void TForm8::ShapeMouseDown(AppContext& ctx, int note) {
  ctx.state.TestNote = note;
  PlayTone(ctx);
}

void TForm8::ShapeMouseUp(AppContext& ctx) { ReleaseTone(ctx); }

}  // namespace tonalyx
