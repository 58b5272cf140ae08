#pragma once

#include <QAbstractTableModel>
#include <string_view>
#include <vector>

#include "audition/SharedState.h"
#include "tables/NameSearch.h"

namespace tonalyx {

// Which table a search reads: the module type, the map of that type that
// names the sounds (GS: MapIndex; XG tones: XgMapIndex; XG drums have no map,
// 0) and whether drum sounds or tones are wanted.
struct SearchScope {
  ModuleKind module_type = ModuleKind::kGs;
  int map = 0;
  bool drums = false;

  // The scope that the shared state selects now.
  static SearchScope Current(const SharedState& state, bool drums);
  // GS and XG name their sounds; GM and GM2 have no names to search.
  bool HasNames() const { return HasNamedSounds(module_type); }
  bool operator==(const SearchScope&) const = default;
};

// The rows found by the last search, three columns each: for tones program,
// bank and name; for drum sounds kit (number and name), note (number and
// name) and instrument name.
class FinderResults : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Replaces the rows with the names of the scope's table that match text.
  void Search(const NameTables& tables, const SearchScope& scope, std::string_view text);
  // The scope of the rows shown.
  const SearchScope& Scope() const { return scope_; }
  const ToneHit& Tone(int row) const { return tones_[static_cast<std::size_t>(row)]; }
  const DrumHit& Drum(int row) const { return drums_[static_cast<std::size_t>(row)]; }
  // The column titles are to be shown again, in the program's new language.
  void RetranslateHeaders();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QString ToneText(const ToneHit& hit, int column) const;
  QString DrumText(const DrumHit& hit, int column) const;

  SearchScope scope_;
  SearchWords words_;
  std::vector<ToneHit> tones_;
  std::vector<DrumHit> drums_;
};

}  // namespace tonalyx
