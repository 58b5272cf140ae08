#include "ui/FilePathText.h"

#include <QDir>
#include <QFileInfo>

namespace tonalyx {

QString ShownPath(const std::filesystem::path& path) {
  return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

QString NotWrittenText(const QString& path, const QString& not_written, const QString& no_folder) {
  const QFileInfo file(path);
  const QString shown = QDir::toNativeSeparators(file.absoluteFilePath());
  return file.absoluteDir().exists()
             ? not_written.arg(shown)
             : no_folder.arg(shown, QDir::toNativeSeparators(file.absolutePath()));
}

}  // namespace tonalyx
