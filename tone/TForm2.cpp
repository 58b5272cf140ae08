#include "tone/TForm2.h"

#include <QAction>
#include <QCloseEvent>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/AuditionButton.h"
#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "modules/TForm3.h"
#include "settings/SettingsFile.h"
#include "tone/TForm12.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"
#include "tone/ToneButtonGrid.h"

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
  QMenu* window1 = menuBar()->addMenu(QStringLiteral("ウィンドウ"));
  window1->setObjectName(QStringLiteral("Window1"));
  auto addItem = [&](const char* name, const QString& caption, auto opened) {
    QAction* item = window1->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, opened] { ShowInFront(opened(ctx_.forms)); });
    return item;
  };
  MSB1_ = addItem("MSB1", QStringLiteral("バンクセレクトMSB"),
                  [](const Forms& f) -> QWidget* { return f.form6; });
  N1_ = addItem("N1", QStringLiteral("エフェクト"),
                [](const Forms& f) -> QWidget* { return f.form7; });
  addItem("N2", QStringLiteral("鍵盤"), [](const Forms& f) -> QWidget* { return f.form8; });
  addItem("N3", QStringLiteral("情報"), [](const Forms& f) -> QWidget* { return f.form12; });
  QAction* n4 = window1->addAction(QStringLiteral("音色検索"));
  n4->setObjectName(QStringLiteral("N4"));
  connect(n4, &QAction::triggered, this, &TForm2::SearchRequested);

  ReadGeometry(*this, ctx_.settingsPath, "Window2", {579, 731, 131, 593});
}

void TForm2::RefreshProgramCaptions() {
  const int selection = ctx_.forms.form3 ? ctx_.forms.form3->Selection() : -1;
  const int bank = ctx_.state.CurrentBank;
  if (selection == 0) {
    // The GS table is indexed by program value + 1, which is n.
    const int map = ctx_.state.MapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)], ctx_.tables.GsTone(n, bank, map));
  } else if (selection == 1) {
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
  SettingsFile settings = SettingsFile::Open(ctx_.settingsPath);
  WriteGeometry(settings, "Window2", *this);
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
