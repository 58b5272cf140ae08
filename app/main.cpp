#include <QApplication>
#include <QThread>

#include "app/AppContext.h"
#include "app/FormSet.h"
#include "app/TForm1.h"
#include "midi/OutputDevices.h"
#include "settings/SettingsFile.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Only the main window's close ends the program; the others just hide.
  QApplication::setQuitOnLastWindowClosed(false);

  auto backend = tonalyx::CreateOutputBackend(
      tonalyx::SettingsPathForExecutable(QCoreApplication::applicationFilePath().toStdString()));
  tonalyx::AppContext context(
      *backend, tonalyx::SettingsPathForExecutable(QCoreApplication::applicationFilePath().toStdString()));
  context.sleepMs = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };

  tonalyx::FormSet forms(context);
  context.forms.form1->show();
  return QApplication::exec();
}
