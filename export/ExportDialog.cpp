#include "export/ExportDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "export/ExportTexts.h"
#include "favouritesfile/FavouritesMap.h"
#include "settings/AtomicFile.h"
#include "ui/FilePathText.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"

namespace tonalyx {
namespace {

// A text of ExportTexts.h in the program's language.
QString Text(const char* text) { return ExportDialog::tr(text); }

struct FormatTexts {
  const char* choice;
  const char* filter;
};

FormatTexts TextsOf(DefinitionFormat format) {
  switch (format) {
    case DefinitionFormat::kMidnam:
      return {export_texts::kMidnam, export_texts::kMidnamFilter};
    case DefinitionFormat::kCakewalk:
      return {export_texts::kCakewalk, export_texts::kCakewalkFilter};
    case DefinitionFormat::kDomino:
      return {export_texts::kDomino, export_texts::kDominoFilter};
  }
  return {"", ""};
}

QString MapChoice(const NameMap& map) {
  return QStringLiteral("%1  %2").arg(
      map.family == MapFamily::kGs ? QStringLiteral("GS") : QStringLiteral("XG"),
      QString::fromUtf8(map.device.data(), static_cast<qsizetype>(map.device.size())));
}

QString SaveFileName(QWidget* parent, const QString& suggested, const QString& filter) {
  // The save dialog asks before it lets the user pick an existing file.
  return QFileDialog::getSaveFileName(parent, Text(export_texts::kSaveCaption), suggested, filter);
}

}  // namespace

ExportDialog::ExportDialog(AppContext& context)
    : ctx_(context), choose_file_(SaveFileName), folder_(QDir::homePath()) {
  setObjectName(QStringLiteral("ExportDialog"));
  ApplyDesignFont(*this);

  FormatBox_ = new QComboBox(this);
  FormatBox_->setObjectName(QStringLiteral("FormatBox"));
  for (std::size_t i = 0; i < AllDefinitionFormats().size(); ++i) FormatBox_->addItem(QString());
  MapBox_ = new QComboBox(this);
  MapBox_->setObjectName(QStringLiteral("MapBox"));
  for (const NameMap& map : AllNameMaps()) MapBox_->addItem(MapChoice(map));
  MapBox_->addItem(QString());
  Label1_ = new QLabel(this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setWordWrap(true);
  WriteButton_ = new QPushButton(this);
  WriteButton_->setObjectName(QStringLiteral("WriteButton"));
  WriteButton_->setDefault(true);
  CloseButton_ = new QPushButton(this);
  CloseButton_->setObjectName(QStringLiteral("CloseButton"));

  auto* format_label = new QLabel(this);
  auto* map_label = new QLabel(this);
  auto* choices = new QFormLayout;
  choices->addRow(format_label, FormatBox_);
  choices->addRow(map_label, MapBox_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(WriteButton_);
  buttons->addWidget(CloseButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(Label1_);
  layout->addLayout(buttons);

  connect(WriteButton_, &QPushButton::clicked, this, &ExportDialog::WriteClick);
  connect(CloseButton_, &QPushButton::clicked, this, &QDialog::close);
  connect(MapBox_, &QComboBox::activated, this, [this] { SetNote({}); });

  KeepTranslated(*this, [=, this] {
    setWindowTitle(Text(export_texts::kTitle));
    const auto formats = AllDefinitionFormats();
    for (std::size_t i = 0; i < formats.size(); ++i)
      FormatBox_->setItemText(static_cast<int>(i), Text(TextsOf(formats[i]).choice));
    format_label->setText(Text(export_texts::kFormatLabel));
    map_label->setText(Text(export_texts::kMapLabel));
    MapBox_->setItemText(MapBox_->count() - 1, Text(export_texts::kFavouritesMap));
    WriteButton_->setText(Text(export_texts::kWrite));
    CloseButton_->setText(Text(export_texts::kClose));
    Label1_->setText(note_ ? note_() : QString());
  });
}

void ExportDialog::SetNote(std::function<QString()> note) {
  note_ = std::move(note);
  Label1_->setText(note_ ? note_() : QString());
}

void ExportDialog::Open() {
  const SharedState& state = ctx_.state;
  const bool xg = state.ModuleType == ModuleKind::kXg;
  const NameMap* current =
      FindNameMap(xg ? MapFamily::kXg : MapFamily::kGs, xg ? state.XgMapIndex : state.MapIndex);
  const auto maps = AllNameMaps();
  if (current != nullptr) MapBox_->setCurrentIndex(static_cast<int>(current - maps.data()));
  if (HasNamedSounds(state.ModuleType)) {
    SetNote({});
  } else {
    const QString type =
        state.ModuleType == ModuleKind::kGm ? QStringLiteral("GM") : QStringLiteral("GM2");
    SetNote([type] { return Text(export_texts::kNoNames).arg(type); });
  }
  ShowInFront(this);
}

DefinitionFormat ExportDialog::ChosenFormat() const {
  return AllDefinitionFormats()[static_cast<std::size_t>(FormatBox_->currentIndex())];
}

bool ExportDialog::FavouritesChosen() const {
  return MapBox_->currentIndex() == static_cast<int>(AllNameMaps().size());
}

const NameMap& ExportDialog::ChosenMap() const {
  if (FavouritesChosen()) return FavouritesNameMap();
  return AllNameMaps()[static_cast<std::size_t>(MapBox_->currentIndex())];
}

std::string ExportDialog::ChosenText() const {
  if (FavouritesChosen()) {
    const FavouritesContent favourites = CollectFavourites(ctx_.Favourites().Entries());
    const MapContent& content = favourites.content;
    if (content.tones.empty() && content.kits.empty()) return {};
    return DefinitionFileText(ChosenFormat(), ChosenMap(), content);
  }
  // The names are compiled in; the dialog needs no press of the tone or drum
  // button to have them.
  NameTables tables;
  tables.FillNameTables();
  return DefinitionFileText(ChosenFormat(), ChosenMap(), tables);
}

void ExportDialog::WriteClick() {
  if (FavouritesChosen() && ChosenText().empty()) {
    SetNote([] { return Text(export_texts::kNoFavourites); });
    return;
  }
  const DefinitionFormat format = ChosenFormat();
  const QString name = QString::fromStdString(DefinitionFileName(ChosenMap(), format));
  const QString path =
      choose_file_(this, QDir(folder_).filePath(name), Text(TextsOf(format).filter));
  if (path.isEmpty()) return;
  folder_ = QFileInfo(path).absolutePath();
  if (Write(path)) {
    const QString shown = QDir::toNativeSeparators(path);
    SetNote([shown] { return Text(export_texts::kWritten).arg(shown); });
  }
}

bool ExportDialog::Write(const QString& path) {
  const std::string text = ChosenText();
  if (ReplaceFileAtomically(std::filesystem::path(path.toStdU16String()), text)) return true;

  const QString message =
      NotWrittenText(path, Text(export_texts::kNotWritten), Text(export_texts::kNoFolder));
  SetNote({});
  ctx_.show_message(message.toStdString());
  return false;
}

}  // namespace tonalyx
