// Presses the real windows (offscreen) over the real system MIDI backend, the
// way a user auditions one tone and one drum note and then quits:
//
//   tonalyx_e2e_windows <device name>
//
// Tone button, program button 17 held and released, drum button, drum note
// button 37 held and released with the right mouse button, main window closed.
// Exit status: 0 done, 2 usage, 3 no device of that name, 4 the open failed.

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <fstream>

#include "app/AppContext.h"
#include "app/FormSet.h"
#include "app/TForm1.h"
#include "drum/TForm4.h"
#include "midi/RtMidiBackend.h"
#include "tone/TForm2.h"

namespace tonalyx {
namespace {

QPushButton* Button(QWidget* window, int n) {
  return window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
}

void Hold(QWidget* button, Qt::MouseButton mouse) {
  QTest::mousePress(button, mouse);
  QTest::mouseRelease(button, mouse);
}

int Run(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <device name>\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  RtMidiBackend backend;
  int id = -1;
  for (int i = 0; i < backend.DeviceCount() && id < 0; ++i)
    if (backend.DeviceName(i) == argv[1]) id = i;
  if (id < 0) {
    std::fprintf(stderr, "no MIDI output device named \"%s\"\n", argv[1]);
    return 3;
  }

  // The saved device is the one the main window opens at start.
  QTemporaryDir dir;
  const std::string settings = (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString();
  std::ofstream(settings) << "[Dev]\nDev_num=" << id << "\ndrum=" << argv[1] << "\n";

  AppContext ctx(backend, settings);
  ctx.sleepMs = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  ctx.showMessage = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  FormSet forms(ctx);
  if (!ctx.port.IsOpen()) return 4;

  Button(ctx.forms.form1, 1)->click();
  Hold(Button(ctx.forms.form2, 17), Qt::LeftButton);
  Button(ctx.forms.form1, 2)->click();
  Hold(Button(ctx.forms.form4, 37), Qt::RightButton);
  ctx.forms.form1->close();
  return 0;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc, argv); }
