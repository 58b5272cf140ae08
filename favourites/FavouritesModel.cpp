#include "favourites/FavouritesModel.h"

#include <QApplication>
#include <QMimeData>
#include <QPalette>

#include "midifile/SoundNames.h"
#include "ui/FavouriteAdding.h"

namespace tonalyx {
namespace {
constexpr int kColumns = 3;
constexpr char kRowType[] = "application/x-tonalyx-favourite-row";

QString ModuleName(ModuleKind type) {
  static constexpr const char* kNames[] = {"GS", "XG", "GM", "GM2"};
  return QString::fromLatin1(kNames[static_cast<std::size_t>(type)]);
}

// "GS SC-8850", "XG MU100", "XG" (drum sounds), "GM".
QString SoundPlace(const SoundChoice& sound) {
  const QString type = ModuleName(sound.module_type);
  const QString map = QString::fromStdString(MapLabel(sound));
  return map == type ? type : type + QLatin1Char(' ') + map;
}
}  // namespace

FavouritesModel::FavouritesModel(AppContext& context, QObject* parent)
    : QAbstractTableModel(parent), ctx_(context), rows_(context.Favourites().Entries()) {}

bool FavouritesModel::IsPlayable(int row) const { return At(row).sound.PlayableIn(ctx_.state); }

void FavouritesModel::Reload() {
  beginResetModel();
  rows_ = ctx_.Favourites().Entries();
  endResetModel();
}

void FavouritesModel::FollowState() {
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

bool FavouritesModel::Accepted(FavouritesProblem problem) {
  if (problem == FavouritesProblem::kNone) return true;
  ReportFavouritesChange(ctx_, problem);
  return false;
}

bool FavouritesModel::Remove(int row) {
  if (!Accepted(ctx_.Favourites().Remove(row))) return false;
  beginRemoveRows({}, row, row);
  rows_ = ctx_.Favourites().Entries();
  endRemoveRows();
  return true;
}

bool FavouritesModel::Move(int from, int to) {
  if (from == to || !Accepted(ctx_.Favourites().Move(from, to))) return false;
  // Qt counts the destination before the move: the row goes before `to`.
  beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
  rows_ = ctx_.Favourites().Entries();
  endMoveRows();
  return true;
}

int FavouritesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FavouritesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant FavouritesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const Favourite& favourite = At(index.row());
  const SoundChoice& sound = favourite.sound;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (index.column() == 0) return QString::fromStdString(favourite.name);
      if (index.column() == 1) return SoundPlace(sound);
      return sound.drums ? tr("キット %1  ノート %2").arg(sound.kit).arg(sound.note)
                         : tr("プログラム %1  バンク %2").arg(sound.program).arg(sound.bank);
    case Qt::ForegroundRole:
      if (IsPlayable(index.row())) return {};
      return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::ToolTipRole:
      if (IsPlayable(index.row())) return {};
      return tr("%1 の音です。音源の種類（GS はマップも）を合わせると鳴ります。")
          .arg(SoundPlace(sound));
    default:
      return {};
  }
}

void FavouritesModel::RetranslateHeaders() {
  emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
  FollowState();
}

QVariant FavouritesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static constexpr const char* kTitles[kColumns] = {QT_TR_NOOP("名前"), QT_TR_NOOP("音源"),
                                                    QT_TR_NOOP("番号")};
  if (section < 0 || section >= kColumns) return {};
  return tr(kTitles[section]);
}

Qt::ItemFlags FavouritesModel::flags(const QModelIndex& index) const {
  // Between the rows a dragged row may be dropped; on a row it goes before it.
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
  if (index.column() == 0) flags |= Qt::ItemIsEditable;
  return flags;
}

bool FavouritesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() != 0) return false;
  if (!Accepted(ctx_.Favourites().Rename(index.row(), value.toString().toStdString())))
    return false;
  rows_ = ctx_.Favourites().Entries();
  emit dataChanged(index, index);
  return true;
}

QStringList FavouritesModel::mimeTypes() const { return {QString::fromLatin1(kRowType)}; }

QMimeData* FavouritesModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kRowType), QByteArray::number(indexes.first().row()));
  return data;
}

bool FavouritesModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                   const QModelIndex& parent) {
  if (action != Qt::MoveAction || data == nullptr) return false;
  bool number = false;
  const int from = data->data(QString::fromLatin1(kRowType)).toInt(&number);
  if (!number || from < 0 || from >= rowCount()) return false;
  // Dropped on a row: before it; after the last row: to the end.
  if (row < 0) row = parent.isValid() ? parent.row() : rowCount();
  // Where the row stands once it has left its place.
  const int to = from < row ? row - 1 : row;
  Move(from, to);
  // The view removes nothing: the move is done.
  return false;
}

}  // namespace tonalyx
