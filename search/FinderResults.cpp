#include "search/FinderResults.h"

#include "tables/KitNames.h"

namespace tonalyx {
namespace {
constexpr int kColumns = 3;

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A note as the drum note window labels it: octave -1 starts at note 0.
QString NoteName(int note) {
  static constexpr const char* kNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                             "F#", "G",  "G#", "A",  "A#", "B"};
  return QStringLiteral("%1 %2%3")
      .arg(note)
      .arg(QLatin1String(kNames[note % 12]))
      .arg(note / 12 - 1);
}
}  // namespace

SearchScope SearchScope::Current(const SharedState& state, bool drums) {
  SearchScope scope{state.ModuleType, 0, drums};
  if (state.ModuleType == ModuleKind::kGs) scope.map = state.MapIndex;
  if (state.ModuleType == ModuleKind::kXg && !drums) scope.map = state.XgMapIndex;
  return scope;
}

void FinderResults::Search(const NameTables& tables, const SearchScope& scope,
                           std::string_view text) {
  beginResetModel();
  scope_ = scope;
  words_.Assign(text);
  tones_.clear();
  drums_.clear();
  const bool gs = scope.module_type == ModuleKind::kGs;
  if (scope.HasNames() && scope.drums) {
    if (gs)
      FindGsDrums(tables, scope.map, words_, drums_);
    else
      FindXgDrums(tables, words_, drums_);
  } else if (scope.HasNames()) {
    if (gs)
      FindGsTones(tables, scope.map, words_, tones_);
    else
      FindXgTones(tables, scope.map, words_, tones_);
  }
  endResetModel();
}

int FinderResults::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(scope_.drums ? drums_.size() : tones_.size());
}

int FinderResults::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant FinderResults::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return scope_.drums ? DrumText(Drum(index.row()), index.column())
                      : ToneText(Tone(index.row()), index.column());
}

QString FinderResults::ToneText(const ToneHit& hit, int column) const {
  switch (column) {
    case 0:
      return QString::number(hit.program);
    case 1:
      return QString::number(hit.bank);
    default:
      return Latin1(hit.name);
  }
}

QString FinderResults::DrumText(const DrumHit& hit, int column) const {
  switch (column) {
    case 0: {
      const std::string_view kit =
          scope_.module_type == ModuleKind::kGs ? GsKitName(hit.kit) : XgKitName(hit.kit);
      return QStringLiteral("%1 %2").arg(hit.kit).arg(Latin1(kit)).trimmed();
    }
    case 1:
      return NoteName(hit.note);
    default:
      return Latin1(hit.name);
  }
}

void FinderResults::RetranslateHeaders() {
  emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

QVariant FinderResults::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static constexpr const char* kTone[kColumns] = {QT_TR_NOOP("プログラム"), QT_TR_NOOP("バンク"),
                                                  QT_TR_NOOP("音色名")};
  static constexpr const char* kDrum[kColumns] = {QT_TR_NOOP("キット"), QT_TR_NOOP("ノート"),
                                                  QT_TR_NOOP("楽器名")};
  if (section < 0 || section >= kColumns) return {};
  return tr(scope_.drums ? kDrum[section] : kTone[section]);
}

}  // namespace tonalyx
