#pragma once

#include <QDialog>
#include <functional>

#include "definitions/DefinitionFile.h"
#include "ui/AppContext.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tonalyx {

// Writes the tone and drum kit names of one map as a definition file for a
// sequencer: the user chooses the format and the map (the current one at
// first), then the file in a save dialog, which asks before it replaces a
// file. The file is written whole to a temporary file and renamed into place.
class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for the file to write: the suggested path and the file type filter
  // in, the chosen path out, empty when the user cancels.
  using FileChooser =
      std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>;

  explicit ExportDialog(AppContext& context);

  // Shows the dialog in front with the current module type's map chosen.
  void Open();
  // Tests answer the save dialog themselves.
  void SetFileChooser(FileChooser chooser) { choose_file_ = std::move(chooser); }

 private:
  DefinitionFormat ChosenFormat() const;
  // The favourites are the map box's last item, after every map.
  bool FavouritesChosen() const;
  const NameMap& ChosenMap() const;
  // The chosen file's text; empty when there is nothing to write.
  std::string ChosenText() const;
  void WriteClick();
  // Writes the file; false after telling the user why it could not be.
  bool Write(const QString& path);
  // Shows a note under the choices, made again in the new language when the
  // language changes; none clears it.
  void SetNote(std::function<QString()> note);

  AppContext& ctx_;
  FileChooser choose_file_;
  QString folder_;  // where the save dialog opens
  QComboBox* FormatBox_;
  QComboBox* MapBox_;
  QLabel* Label1_;
  QPushButton* WriteButton_;
  QPushButton* CloseButton_;
  std::function<QString()> note_;
};

}  // namespace tonalyx
