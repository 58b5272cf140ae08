// Resident memory of the whole program with the built-in synth in use:
// the real windows (offscreen) over the real device list, the built-in synth
// opened from the main window's saved settings, ten different tones played
// from the program window, then every program of bank 0 rested on. Needs an
// audio output for the synth; on a machine without one, run it under a JACK
// server:
//
//   jackd -d dummy &  build/bench/program_memory [soundfont]
//
// The optional argument names another soundfont (the settings file's
// "synth"/"soundfont"). Prints the time to make the windows and open the
// synth, and the resident memory at start, after the windows were made,
// after the ten tones and after resting on the 128 tones.

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/FormSet.h"
#include "app/OutputDevices.h"
#include "app/TForm1.h"
#include "tone/TForm2.h"
#include "ui/AppContext.h"

namespace {

// A field of /proc/self/status in KiB, or -1.
long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  return -1;
}

// Resident memory in all, and split into the program's own (anonymous),
// mapped files and shared memory. A JACK client maps the server's shared
// memory, which counts as resident here although it belongs to the server.
void Report(const char* when) {
  const auto mib = [](const char* field) { return StatusKiB(field) / 1024.0; };
  std::printf("%-28s VmRSS %6.1f MiB (anon %6.1f, file %5.1f, shmem %6.1f)\n", when, mib("VmRSS"),
              mib("RssAnon"), mib("RssFile"), mib("RssShmem"));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Report("start");

  QTemporaryDir dir;
  const std::string settings = (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString();
  auto backend = tonalyx::CreateOutputBackend(settings);
  const int synth = backend->DeviceCount() - 1;  // the built-in synth comes last
  std::ofstream(settings) << "[Dev]\nDev_num=" << synth << "\ndrum=" << *backend->DeviceName(synth)
                          << "\n";
  if (argc > 1) std::ofstream(settings, std::ios::app) << "[synth]\nsoundfont=" << argv[1] << "\n";

  tonalyx::AppContext ctx(*backend, settings);
  ctx.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  ctx.show_message = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  QElapsedTimer timer;
  timer.start();
  tonalyx::FormSet forms(ctx);
  std::printf("%-28s %lld ms\n", "windows made, device opened", timer.elapsed());
  if (!ctx.port.IsOpen()) {
    std::fprintf(stderr, "the built-in synth did not open (no audio output?)\n");
    Report("windows made, no device");
    return 1;
  }
  Report("windows made");

  ctx.forms.form1->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
  // Ten different tones, each held for 300 ms.
  for (int n = 1; n <= 100; n += 11) {
    auto* button = ctx.forms.form2->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(300);
    QTest::mouseRelease(button, Qt::LeftButton);
  }
  QTest::qWait(500);
  Report("after ten tones");

  // The pointer rests on every program button of bank 0 for 100 ms, as when
  // looking for a sound: the synth reads each tone's samples ahead, and keeps
  // only the last one's besides those of the tones played.
  for (int n = 1; n <= 128; ++n) {
    auto* button = ctx.forms.form2->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
    const QPointF at(4, 4);
    QEnterEvent enter(at, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &enter);
    QTest::qWait(100);
  }
  QTest::qWait(500);
  Report("after resting on 128 tones");
  ctx.forms.form1->close();
  return 0;
}
