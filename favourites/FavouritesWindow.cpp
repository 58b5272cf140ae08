#include "favourites/FavouritesWindow.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include "favourites/FavouritesModel.h"
#include "ui/FavouriteAdding.h"
#include "ui/MidiClipBar.h"
#include "ui/ResultList.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"

namespace tonalyx {

FavouritesWindow::FavouritesWindow(AppContext& context, const SoundAuditions& auditions)
    : ctx_(context), held_(context, auditions) {
  setObjectName(QStringLiteral("FavouritesWindow"));
  ApplyDesignFont(*this);
  resize(520, 360);

  model_ = new FavouritesModel(ctx_, this);
  list_ =
      new ResultList([this](int row) { return PressRow(row); }, [this] { held_.Release(); }, this);
  list_->setObjectName(QStringLiteral("FavouritesList"));
  list_->setModel(model_);
  list_->header()->setStretchLastSection(true);
  list_->setColumnWidth(0, 220);
  list_->setColumnWidth(1, 120);
  list_->setDragEnabled(true);
  list_->setDragDropMode(QAbstractItemView::InternalMove);
  list_->setDefaultDropAction(Qt::MoveAction);
  list_->setDropIndicatorShown(true);
  list_->WhenPointerEntersRow([this](int row) {
    if (model_->IsPlayable(row)) PreloadSound(ctx_, model_->At(row).sound);
  });
  Label1_ = new QLabel(this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setWordWrap(true);
  clip_bar_ = new MidiClipBar(
      ctx_, [this] { return SelectedClip(); }, this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(list_, 1);
  layout->addWidget(Label1_);
  layout->addWidget(clip_bar_);

  // The list's own keys: Delete removes the row, F2 edits its name.
  auto* remove =
      new QShortcut(QKeySequence(Qt::Key_Delete), list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(remove, &QShortcut::activated, this, &FavouritesWindow::RemoveSelected);
  auto* rename =
      new QShortcut(QKeySequence(Qt::Key_F2), list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(rename, &QShortcut::activated, this, &FavouritesWindow::RenameSelected);

  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, clip_bar_,
          &MidiClipBar::Refresh);
  connect(model_, &QAbstractItemModel::modelReset, clip_bar_, &MidiClipBar::Refresh);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, &FavouritesWindow::ShowNote);
  connect(model_, &QAbstractItemModel::modelReset, this, &FavouritesWindow::ShowNote);
  connect(&ctx_.events, &Events::FavouritesChanged, model_, &FavouritesModel::Reload);
  connect(&ctx_.events, &Events::ModuleTypeApplied, model_, &FavouritesModel::FollowState);

  KeepTranslated(*this, [this] {
    setWindowTitle(tr("お気に入り"));
    model_->RetranslateHeaders();
    ShowNote();
  });
}

FavouritesWindow::~FavouritesWindow() {
  // A note held at teardown ends while this window can still end it.
  list_->EndHeld();
}

void FavouritesWindow::Open() {
  model_->FollowState();
  ShowInFront(this);
  list_->setFocus();
  if (!list_->currentIndex().isValid() && model_->rowCount() > 0)
    list_->setCurrentIndex(model_->index(0, 0));
}

int FavouritesWindow::SelectedRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

std::optional<ClipRequest> FavouritesWindow::SelectedClip() const {
  const int row = SelectedRow();
  if (row < 0) return std::nullopt;
  const Favourite& favourite = model_->At(row);
  return ClipRequest{favourite.sound, favourite.name, {}};
}

bool FavouritesWindow::PressRow(int row) {
  // Another module type, or another GS map, would play another sound under
  // this one's numbers: play nothing, and say why.
  if (!model_->IsPlayable(row)) {
    Label1_->setText(model_->data(model_->index(row, 0), Qt::ToolTipRole).toString());
    return false;
  }
  held_.Press(model_->At(row).sound);
  return true;
}

void FavouritesWindow::RemoveSelected() {
  const int row = SelectedRow();
  if (row >= 0) model_->Remove(row);
}

void FavouritesWindow::RenameSelected() {
  const int row = SelectedRow();
  if (row >= 0) list_->edit(model_->index(row, 0));
}

void FavouritesWindow::ShowNote() {
  FavouritesFile& file = ctx_.Favourites();
  QString note = FavouritesProblemText(file, file.LoadProblem());
  if (note.isEmpty() && file.KeptLineCount() > 0)
    note = tr("読めない行が %1 行あります。ファイルにそのまま残しています。")
               .arg(file.KeptLineCount());
  if (note.isEmpty() && model_->rowCount() == 0)
    note =
        tr("プログラムナンバーとドラムのウィンドウのメニュー「お気に入りに追加」、"
           "音色検索では Ctrl+D で音を加えます。");
  Label1_->setText(note);
}

void FavouritesWindow::changeEvent(QEvent* event) {
  // The map windows change which rows can play; follow them when the user
  // comes back to this window.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) model_->FollowState();
  QWidget::changeEvent(event);
}

}  // namespace tonalyx
