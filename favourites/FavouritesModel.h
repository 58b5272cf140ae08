#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "favouritesfile/FavouritesFile.h"
#include "ui/AppContext.h"

namespace tonalyx {

// The favourites as rows of three columns: the user's name (edited in place),
// the module type and map, and the numbers that select the sound. A row the
// current module type and map cannot play as its own button would is shown
// greyed. Every change goes to the favourites file first; only a stored
// change reaches the rows, and one that cannot be stored is told to the user.
class FavouritesModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  FavouritesModel(AppContext& context, QObject* parent);

  const Favourite& At(int row) const { return rows_[static_cast<std::size_t>(row)]; }
  bool IsPlayable(int row) const;
  // The favourites file has changed outside the model (an add): show it anew.
  void Reload();
  // The module type or map has changed: which rows can play may differ.
  void FollowState();
  // Each true when the change was stored.
  bool Remove(int row);
  bool Move(int from, int to);
  // The column titles are to be shown again, in the program's new language.
  void RetranslateHeaders();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Renames the row's favourite (the name column only).
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // A row dragged within the list moves there; nothing else is dropped.
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

 private:
  // Whether the change was stored; tells the user why not.
  bool Accepted(FavouritesProblem problem);

  AppContext& ctx_;
  std::vector<Favourite> rows_;
};

}  // namespace tonalyx
