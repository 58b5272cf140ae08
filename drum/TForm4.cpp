#include "drum/TForm4.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "audition/DrumSequence.h"
#include "drum/DrumAudition.h"
#include "drum/TForm13.h"
#include "drum/TForm5.h"
#include "midifile/SoundNames.h"
#include "ui/AuditionButton.h"
#include "ui/FavouriteAdding.h"
#include "ui/MidiClipBar.h"
#include "ui/PointerEnter.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
constexpr int kNotesPerBlock = 12;
constexpr int kBlocksPerBand = 5;
constexpr int kBlockLeft = 24;
constexpr int kBlockStride = 176;
constexpr int kBandTop = 24;
constexpr int kBandStride = 208;
constexpr int kRowStride = 16;
constexpr int kButtonWidth = 177;
constexpr int kButtonHeight = 17;

constexpr int kOctaveLabelTops[] = {0, 216, 424};
constexpr int kOctaveLabelLeftsFirstBand[] = {96, 280, 464, 632, 808};
constexpr int kOctaveLabelLeftsLaterBands[] = {104, 280, 464, 632, 808};
constexpr int kNoteNameLeft = 8;
constexpr const char* kNoteNames[kNotesPerBlock] = {"C",  "C#", "D",  "D#", "E",  "F",
                                                    "F#", "G",  "G#", "A",  "A#", "B"};

void Place(QLabel& label, int left, int top) {
  label.move(left, top);
  label.adjustSize();
}
}  // namespace

TForm4::TForm4(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(QStringLiteral("Rhytmalo"));
  ApplyDesignFont(*this);

  CreateMenu();
  // Design coordinates are those of the client area below the menu bar.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);
  CreateOctaveLabels(*client);
  CreateNoteNameLabels(*client);
  CreateNoteButtons(*client);

  ReadGeometry(*this, ctx_.settings_path, WindowSection(4));

  ctx_.events.WhenStale(Events::Caption::kDrum, this, [this] { RefreshDrumCaptions(); });
}

void TForm4::CreateMenu() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* window1 = menuBar()->addMenu(QString());
  window1->setObjectName(QStringLiteral("Window1"));
  QAction* n1 = window1->addAction(QString());
  n1->setObjectName(QStringLiteral("N1"));
  connect(n1, &QAction::triggered, this, &TForm4::N1Click);
  QAction* n2 = window1->addAction(QString());
  n2->setObjectName(QStringLiteral("N2"));
  connect(n2, &QAction::triggered, this, &TForm4::N2Click);
  QAction* n3 = window1->addAction(QString());
  n3->setObjectName(QStringLiteral("N3"));
  connect(n3, &QAction::triggered, this, &TForm4::SearchRequested);
  QAction* n4 = window1->addAction(QString());
  n4->setObjectName(QStringLiteral("N4"));
  connect(n4, &QAction::triggered, this, &TForm4::DrumEditRequested);
  window1->addSeparator();
  AddFavouriteItems(*window1, ctx_, [this] { return SoundChoice::LastDrum(ctx_.state); });
  AddClipItems(*window1, ctx_, [this] {
    const SoundChoice drum = SoundChoice::LastDrum(ctx_.state);
    return ClipRequest{drum, SoundName(drum), {DefaultClipChannel(true), true}};
  });
  KeepTranslated(*this, [window1, n1, n2, n3, n4] {
    window1->setTitle(tr("ウィンドウ"));
    n1->setText(tr("プログラムナンバー"));
    n2->setText(tr("エフェクト"));
    n3->setText(tr("音色検索"));
    n4->setText(tr("ドラム音エディット"));
  });
}

void TForm4::CreateNoteButtons(QWidget& client) {
  for (int note = 0; note < kNoteCount; ++note) {
    const int block = note / kNotesPerBlock;
    const int row = note % kNotesPerBlock;
    const int number = note + 1;
    auto* button = new AuditionButton(number, &client);
    button->setObjectName(QStringLiteral("Button%1").arg(number));
    button->setGeometry(kBlockLeft + kBlockStride * (block % kBlocksPerBand),
                        kBandTop + kBandStride * (block / kBlocksPerBand) + kRowStride * row,
                        kButtonWidth, kButtonHeight);
    connect(button, &AuditionButton::Down, this, &TForm4::NoteMouseDown);
    connect(button, &AuditionButton::Up, this, &TForm4::NoteMouseUp);
    WhenPointerEnters(*button, [this, note] {
      SharedState pressed = ctx_.state;
      pressed.DrumNote = note;
      PreloadDrumNote(pressed, pressed.controllers, ctx_.port);
    });
    buttons_[static_cast<std::size_t>(note)] = button;
  }
}

void TForm4::CreateOctaveLabels(QWidget& client) {
  // Block 0 (octave -1) is Label1, blocks 1..10 are Label14..Label23.
  const int blocks = (kNoteCount + kNotesPerBlock - 1) / kNotesPerBlock;
  for (int block = 0; block < blocks; ++block) {
    const int band = block / kBlocksPerBand;
    const int column = block % kBlocksPerBand;
    auto* label = new QLabel(QString::number(block - 1), &client);
    label->setObjectName(QStringLiteral("Label%1").arg(block == 0 ? 1 : 13 + block));
    label->setFont(DesignFont(16));
    Place(*label,
          band == 0 ? kOctaveLabelLeftsFirstBand[column] : kOctaveLabelLeftsLaterBands[column],
          kOctaveLabelTops[band]);
  }
}

void TForm4::CreateNoteNameLabels(QWidget& client) {
  // Band 0 rows are Label2..Label13, band 1 Label24..Label35, band 2 (notes
  // 120..127 only) Label36..Label43.
  constexpr int kFirstLabel[] = {2, 24, 36};
  for (int band = 0; band < 3; ++band) {
    const int first_note = band * kBlocksPerBand * kNotesPerBlock;
    for (int row = 0; row < kNotesPerBlock && first_note + row < kNoteCount; ++row) {
      auto* label = new QLabel(QString::fromLatin1(kNoteNames[row]), &client);
      label->setObjectName(QStringLiteral("Label%1").arg(kFirstLabel[band] + row));
      Place(*label, kNoteNameLeft, kBandTop + kBandStride * band + kRowStride * row);
    }
  }
}

void TForm4::NoteMouseDown(int number) {
  ctx_.state.DrumNote = number - 1;
  PlayDrumNote(ctx_);
}

void TForm4::NoteMouseUp(int) { ReleaseDrumNote(ctx_); }

void TForm4::N1Click() {
  // Like the captions, the kit window follows the module type window's
  // selection; GM, GM2 and no selection have no kit window to open.
  const std::optional<ModuleKind> type = ctx_.state.selected_type;
  if (type == ModuleKind::kGs) ShowInFront(ctx_.forms.form5.Window());
  if (type == ModuleKind::kXg) ShowInFront(ctx_.forms.form13.Window());
}

void TForm4::N2Click() { ShowInFront(ctx_.forms.form7.Window()); }

void TForm4::RefreshDrumCaptions() {
  const std::optional<ModuleKind> type = ctx_.state.selected_type;
  if (!type || !HasNamedSounds(*type)) return;
  const bool gs = type == ModuleKind::kGs;
  const int kit = ctx_.state.DrumKit;
  const int map = ctx_.state.MapIndex;
  for (int note = 0; note < kNoteCount; ++note) {
    const std::string_view name =
        gs ? ctx_.tables.GsDrum(kit, note, map) : ctx_.tables.XgDrum(kit, note);
    SetCaption(*buttons_[static_cast<std::size_t>(note)], name);
  }
}

}  // namespace tonalyx
