#include "search/FinderWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "midifile/SoundNames.h"
#include "ui/FavouriteAdding.h"
#include "ui/MidiClipBar.h"
#include "ui/ResultList.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
// The name of a module type without names to search.
QString TypeName(ModuleKind type) {
  return type == ModuleKind::kGm ? QStringLiteral("GM") : QStringLiteral("GM2");
}

}  // namespace

FinderWindow::FinderWindow(AppContext& context, const SoundAuditions& auditions)
    : ctx_(context), held_(context, auditions) {
  setObjectName(QStringLiteral("FinderWindow"));
  ApplyDesignFont(*this);

  Edit1_ = new QLineEdit(this);
  Edit1_->setObjectName(QStringLiteral("Edit1"));
  Edit1_->setClearButtonEnabled(true);
  RadioButton1_ = new QRadioButton(this);
  RadioButton1_->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton1_->setChecked(true);
  RadioButton2_ = new QRadioButton(this);
  RadioButton2_->setObjectName(QStringLiteral("RadioButton2"));
  Label1_ = new QLabel(this);
  Label1_->setObjectName(QStringLiteral("Label1"));

  results_ = new FinderResults(this);
  list_ =
      new ResultList([this](int row) { return PressRow(row); }, [this] { held_.Release(); }, this);
  list_->setObjectName(QStringLiteral("ResultList"));
  list_->WhenPointerEntersRow([this](int row) {
    if (results_->Scope() == SearchScope::Current(ctx_.state, SearchingDrums())) {
      PreloadSound(ctx_, SoundOf(row));
    }
  });
  list_->setModel(results_);
  list_->header()->setStretchLastSection(true);

  auto* top = new QHBoxLayout;
  top->addWidget(Edit1_, 1);
  top->addWidget(RadioButton1_);
  top->addWidget(RadioButton2_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(top);
  layout->addWidget(Label1_);
  layout->addWidget(list_, 1);
  // The selected row into a song, and Ctrl+D into the favourites.
  clip_bar_ = new MidiClipBar(
      ctx_, [this] { return SelectedClip(); }, this);
  layout->addWidget(clip_bar_);
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, clip_bar_,
          &MidiClipBar::Refresh);
  connect(results_, &QAbstractItemModel::modelReset, clip_bar_, &MidiClipBar::Refresh);
  auto* add_favourite = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
  Edit1_->installEventFilter(this);
  add_favourite->setObjectName(QStringLiteral("AddFavourite"));
  connect(add_favourite, &QShortcut::activated, this, [this] {
    if (const std::optional<ClipRequest> selected = SelectedClip())
      AddFavourite(ctx_, selected->sound);
  });

  connect(Edit1_, &QLineEdit::textChanged, this, &FinderWindow::Search);
  connect(RadioButton2_, &QRadioButton::toggled, this, &FinderWindow::Search);

  ReadGeometry(*this, ctx_.settings_path, kFinderSection);
  Search();
  KeepTranslated(*this, [this] {
    setWindowTitle(tr("音色検索"));
    Edit1_->setPlaceholderText(tr("名前の一部を入力"));
    RadioButton1_->setText(tr("音色"));
    RadioButton2_->setText(tr("ドラム"));
    ShowCount();
    results_->RetranslateHeaders();
  });
}

FinderWindow::~FinderWindow() {
  // A note held at teardown ends here, while this window can still end it;
  // the hide that the base class sends its rows later would come too late.
  list_->EndHeld();
}

void FinderWindow::Open(bool drums) {
  // Choosing the other kind searches again; otherwise the state may have moved.
  (drums ? RadioButton2_ : RadioButton1_)->setChecked(true);
  FollowState();
  ShowInFront(this);
  Edit1_->setFocus();
  Edit1_->selectAll();
}

bool FinderWindow::SearchingDrums() const { return RadioButton2_->isChecked(); }

void FinderWindow::Search() {
  const SearchScope scope = SearchScope::Current(ctx_.state, SearchingDrums());
  // Non-ASCII input such as full-width letters from an input method becomes
  // the ASCII the names are written in.
  const QString text = Edit1_->text().normalized(QString::NormalizationForm_KC);
  results_->Search(ctx_.tables, scope, text.toUtf8().toStdString());
  ShowCount();
  list_->setColumnWidth(0, scope.drums ? 150 : 72);
  list_->setColumnWidth(1, scope.drums ? 64 : 48);
}

void FinderWindow::ShowCount() {
  const SearchScope& scope = results_->Scope();
  const int rows = results_->rowCount();
  if (!scope.HasNames()) {
    Label1_->setText(tr("%1 には検索できる名前がありません").arg(TypeName(scope.module_type)));
  } else if (Edit1_->text().trimmed().isEmpty()) {
    Label1_->clear();
  } else {
    Label1_->setText(rows == 0 ? tr("見つかりません") : tr("%1 件").arg(rows));
  }
}

void FinderWindow::FollowState() {
  if (results_->Scope() != SearchScope::Current(ctx_.state, SearchingDrums())) Search();
}

SoundChoice FinderWindow::SoundOf(int row) const {
  const SearchScope& scope = results_->Scope();
  SoundChoice sound{scope.module_type, scope.map, scope.drums};
  if (scope.drums) {
    sound.kit = results_->Drum(row).kit;
    sound.note = results_->Drum(row).note;
  } else {
    sound.program = results_->Tone(row).program;
    sound.bank = results_->Tone(row).bank;
  }
  return sound;
}

std::optional<ClipRequest> FinderWindow::SelectedClip() const {
  const QModelIndex current = list_->currentIndex();
  if (!current.isValid() || current.row() >= results_->rowCount()) return std::nullopt;
  const SoundChoice sound = SoundOf(current.row());
  return ClipRequest{sound, SoundName(sound), {}};
}

bool FinderWindow::PressRow(int row) {
  // The module type or map may have changed while the window was inactive:
  // then the row no longer names what it would play, so show the new rows
  // and play nothing.
  if (results_->Scope() != SearchScope::Current(ctx_.state, SearchingDrums())) {
    Search();
    return false;
  }
  held_.Press(SoundOf(row));
  return true;
}

void FinderWindow::changeEvent(QEvent* event) {
  // The module type and map windows change what the rows mean; follow them
  // whenever the user comes back to this window.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FollowState();
  QWidget::changeEvent(event);
}

void FinderWindow::keyPressEvent(QKeyEvent* event) {
  // The down arrow in the search field moves on to the rows.
  if (event->key() == Qt::Key_Down && Edit1_->hasFocus() && results_->rowCount() > 0) {
    list_->setFocus();
    if (!list_->currentIndex().isValid()) list_->setCurrentIndex(results_->index(0, 0));
    return;
  }
  QWidget::keyPressEvent(event);
}

bool FinderWindow::eventFilter(QObject* watched, QEvent* event) {
  // Linux's key bindings make Ctrl+D a delete key in the search field; here it
  // adds the selected row to the favourites wherever the focus is.
  if (watched == Edit1_ && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->keyCombination() ==
          QKeyCombination(Qt::ControlModifier, Qt::Key_D))
    return true;
  return QWidget::eventFilter(watched, event);
}

}  // namespace tonalyx
