#include "tone/TForm2.h"

#include <QAction>
#include <QCloseEvent>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>

#include "settings/SettingsFile.h"
#include "tone/TForm12.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"
#include "tone/ToneButtonGrid.h"
#include "ui/AuditionButton.h"
#include "ui/FavouriteAdding.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
TForm2::TForm2(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Tonalyx Program Number"));
  ApplyDesignFont(*this);

  // Button n plays program n - 1.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);
  buttons_ = CreateToneButtonGrid(*client, 0, ctx_, &SharedState::CurrentProgram);

  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* window1 = menuBar()->addMenu(QString());
  window1->setObjectName(QStringLiteral("Window1"));
  auto add_item = [&](const char* name, auto opened) {
    QAction* item = window1->addAction(QString());
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, opened] { ShowInFront(opened(ctx_.forms)); });
    return item;
  };
  MSB1_ = add_item("MSB1", [](const Forms& f) { return f.form6.Window(); });
  N1_ = add_item("N1", [](const Forms& f) { return f.form7.Window(); });
  QAction* n2 = add_item("N2", [](const Forms& f) { return f.form8.Window(); });
  QAction* n3 = add_item("N3", [](const Forms& f) { return f.form12.Window(); });
  QAction* n4 = window1->addAction(QString());
  n4->setObjectName(QStringLiteral("N4"));
  connect(n4, &QAction::triggered, this, &TForm2::SearchRequested);
  QAction* n5 = window1->addAction(QString());
  n5->setObjectName(QStringLiteral("N5"));
  connect(n5, &QAction::triggered, this, &TForm2::ToneEditRequested);
  window1->addSeparator();
  AddFavouriteItems(*window1, ctx_, [this] { return SoundChoice::LastTone(ctx_.state); });
  KeepTranslated(*this, [=, this] {
    window1->setTitle(tr("ウィンドウ"));
    MSB1_->setText(tr("バンクセレクトMSB"));
    N1_->setText(tr("エフェクト"));
    n2->setText(tr("鍵盤"));
    n3->setText(tr("情報"));
    n4->setText(tr("音色検索"));
    n5->setText(tr("音色エディット"));
  });

  ReadGeometry(*this, ctx_.settings_path, WindowSection(2));

  ctx_.events.WhenStale(Events::Caption::kProgram, this, [this] { RefreshProgramCaptions(); });
  // Bank select and the controller window only mean something for GS and XG.
  connect(&ctx_.events, &Events::ModuleTypeApplied, this,
          [this](ModuleKind type) { SetTypeMenusEnabled(HasNamedSounds(type)); });
}

void TForm2::RefreshProgramCaptions() {
  const std::optional<ModuleKind> type = ctx_.state.selected_type;
  const int bank = ctx_.state.CurrentBank;
  if (type == ModuleKind::kGs) {
    // The GS table is indexed by program value + 1, which is n.
    const int map = ctx_.state.MapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)], ctx_.tables.GsTone(n, bank, map));
  } else if (type == ModuleKind::kXg) {
    const int map = ctx_.state.XgMapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)], ctx_.tables.XgTone(n - 1, bank, map));
  }
  // GM, GM2 and no selection keep the captions of the last refresh.
}

void TForm2::SetTypeMenusEnabled(bool enabled) {
  MSB1_->setEnabled(enabled);
  N1_->setEnabled(enabled);
}

void TForm2::StoreGeometry() const {
  SettingsFile settings = SettingsFile::Open(ctx_.settings_path);
  WriteGeometry(settings, WindowSection(2), *this);
  settings.Store();
}

void TForm2::closeEvent(QCloseEvent* event) {
  // Closing only hides the window; the hide stores the geometry once more.
  StoreGeometry();
  event->ignore();
  hide();
}

void TForm2::hideEvent(QHideEvent* event) {
  // A minimised window is not hidden by the program; only real hides store.
  if (!event->spontaneous()) StoreGeometry();
  QMainWindow::hideEvent(event);
}

}  // namespace tonalyx
