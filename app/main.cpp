#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <filesystem>

#include "app/FormSet.h"
#include "app/OutputDevices.h"
#include "app/ProgramEnd.h"
#include "app/ProgramIdentity.h"
#include "app/TForm1.h"
#include "drivers/SystemMidi.h"
#include "settings/SettingsLocation.h"
#include "ui/AppContext.h"
#include "ui/SongClipOut.h"

namespace {

// The folder the program was installed to, where it knows one: on Windows
// the folder its installer recorded in the user's or the machine's list of
// installed programs, elsewhere the folder the build installs to.
std::filesystem::path InstallFolder() {
#if defined(Q_OS_WIN)
  for (const char* root : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}) {
    const QSettings entry(
        QString::fromLatin1(root) +
            QStringLiteral(R"(\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tonalyx)"),
        QSettings::NativeFormat);
    const QString folder = entry.value(QStringLiteral("InstallLocation")).toString();
    if (!folder.isEmpty()) return std::filesystem::path(folder.toStdU16String());
  }
  return {};
#else
  return TONALYX_INSTALL_BINDIR;
#endif
}

// Beside the executable in a build folder or a portable copy; in the user's
// configuration folder once installed.
// Paths come from UTF-16, so a folder outside the ANSI code page (a Japanese
// folder on a Western Windows) stays intact; on Linux they become UTF-8.
std::filesystem::path SettingsPath() {
  const QString user_config =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return tonalyx::ChooseSettingsPath(
      {std::filesystem::path(QCoreApplication::applicationFilePath().toStdU16String()),
       InstallFolder(), std::filesystem::path(user_config.toStdU16String())});
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Catch SIGTERM and SIGINT before the windows are made. A stop request
  // closes the main window the ordinary way: held notes end, the rhythm
  // channel is silenced, the device closed and the settings stored.
  tonalyx::ProgramEnd program_end;
  tonalyx::ApplyProgramIdentity();

  const auto settings_path = SettingsPath();
  auto backend = tonalyx::CreateOutputBackend(settings_path);
  // Its client is made on first use, after the outputs', so under JACK the
  // output client keeps the program's plain name. It outlives the context,
  // whose thru closes it.
  const auto input = tonalyx::CreateSystemMidiInput();
  tonalyx::AppContext context(*backend, settings_path);
  context.input_backend = input.get();
  // The MIDI files made for dragging and copying, in the user's cache folder;
  // those of earlier days are gone (the sequencer has its own copy).
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (!cache.isEmpty()) {
    context.clip_folder = std::filesystem::path((cache + QStringLiteral("/midi")).toStdU16String());
    tonalyx::RemoveOldSongClips(context.clip_folder);
  }
  context.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  context.show_message = [](const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalyx"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  };

  tonalyx::FormSet forms(context);
  program_end.Start(*context.forms.form1);
  return QApplication::exec();
}
