#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <filesystem>

#include "app/AppContext.h"
#include "app/FormSet.h"
#include "app/ProgramEnd.h"
#include "app/TForm1.h"
#include "midi/OutputDevices.h"
#include "settings/SettingsFile.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tonalyx::ProgramEnd programEnd;

  // From UTF-16, so a path outside the ANSI code page (a Japanese folder on a
  // Western Windows) stays intact; on Linux it becomes UTF-8 as before.
  const auto settingsPath = tonalyx::SettingsPathForExecutable(
      std::filesystem::path(QCoreApplication::applicationFilePath().toStdU16String()));
  auto backend = tonalyx::CreateOutputBackend(settingsPath);
  tonalyx::AppContext context(*backend, settingsPath);
  context.sleepMs = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  context.showMessage = [](const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalyx"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  };

  tonalyx::FormSet forms(context);
  tonalyx::TForm1* mainWindow = context.forms.form1;
  // A stop request closes the main window the ordinary way: held notes end,
  // the rhythm channel is silenced, the device closed and the settings stored.
  programEnd.EndWith(*mainWindow);

  mainWindow->show();
  return QApplication::exec();
}
