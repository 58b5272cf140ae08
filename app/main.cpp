#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "app/FormSet.h"
#include "app/StopSignals.h"
#include "app/TForm1.h"
#include "midi/OutputDevices.h"
#include "midi/SynthBackend.h"
#include "settings/SettingsFile.h"
#include "settings/SoundfontSetting.h"
#include "ui/AppContext.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Only the main window's close ends the program; the others just hide.
  QApplication::setQuitOnLastWindowClosed(false);
  // Catch SIGTERM and SIGINT before the windows are made; they are acted on
  // once the main window exists and the event loop runs.
  tonalyx::StopSignals stop_signals;

  const auto settings_path =
      tonalyx::SettingsPathForExecutable(QCoreApplication::applicationFilePath().toStdString());
  auto backend = tonalyx::CreateOutputBackend([settings_path] {
    return tonalyx::SoundfontSetting(settings_path, tonalyx::kSystemSoundfont);
  });
  tonalyx::AppContext context(*backend, settings_path);
  context.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  context.show_message = [](const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalyx"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  };

  tonalyx::FormSet forms(context);
  tonalyx::TForm1* main_window = context.forms.form1;
  QObject::connect(main_window, &tonalyx::TForm1::Closed, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  // A stop request closes the main window the ordinary way: held notes end,
  // the rhythm channel is silenced, the device closed and the settings stored.
  stop_signals.Watch([main_window] { main_window->close(); });

  main_window->show();
  return QApplication::exec();
}
