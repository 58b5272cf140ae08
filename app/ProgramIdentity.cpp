#include "app/ProgramIdentity.h"

#include <QDir>
#include <QGuiApplication>

namespace tonalyx {

QIcon ProgramIcon() {
  // One folder per size ("16x16", "32x32", ...), as in the icon theme.
  QIcon icon;
  const QDir sizes(QStringLiteral(":/icons"));
  for (const QString& size : sizes.entryList(QDir::Dirs)) {
    icon.addFile(sizes.filePath(size + QStringLiteral("/" TONALYX_APP_ID ".png")));
  }
  return icon;
}

void ApplyProgramIdentity() {
  QGuiApplication::setDesktopFileName(QStringLiteral(TONALYX_APP_ID));
  QGuiApplication::setWindowIcon(ProgramIcon());
}

}  // namespace tonalyx
