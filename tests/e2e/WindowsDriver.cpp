// Presses the real windows (offscreen) over the real system MIDI backend, the
// way a user auditions one tone and one drum note and then quits:
//
//   tonalyx_e2e_windows <device name> [finder | edit | xg]
//
// Tone button, program button 17 held and released, drum button, drum note
// button 37 held and released with the right mouse button, main window closed;
// the pointer passes over the neighbouring buttons before each press.
// With "finder" the tone and the drum sound are found by name instead: the
// finder opened from the program window's menu, "slowstr" typed and its first
// row held; then from the drum note window's menu, "808 kick 1" typed and the
// row of kit 25 note 36 held with the right mouse button.
// With "edit" the tone is shaped instead: the tone edit window opened from
// the program window's menu, reverb "Room 3" chosen, program button 17 held
// while the cutoff slider moves one page down and held once more; then the
// drum button (its reset followed by Room 3 again) and drum note 37; then
// module type XG confirmed with "OK" and program button 17 held.
// With "xg": XG chosen in the module type window and confirmed with OK, the
// tone button, program button 17 held and released, the controller window's
// reverb bar one step up, and program button 17 held while the main window
// closes. (The Windows end-to-end test does the same with the pointer.)
// Exit status: 0 done, 2 usage, 3 no device of that name, 4 the open failed,
// 5 a row to press or the tone edit window is missing.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <string_view>

#include "app/FormSet.h"
#include "app/TForm1.h"
#include "drivers/RtMidiOutput.h"
#include "drum/TForm4.h"
#include "modules/TForm3.h"
#include "search/FinderResults.h"
#include "search/FinderWindow.h"
#include "tone/TForm2.h"
#include "tone/ToneEditWindow.h"
#include "ui/AppContext.h"
#include "ui/ResultList.h"

namespace tonalyx {
namespace {

QPushButton* Button(QWidget* window, int n) {
  return window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
}

// The pointer passes over the buttons beside button n and comes to rest on it
// before the press, as a user's does; only the press may send anything.
void Hold(QWidget* window, int n, Qt::MouseButton mouse) {
  QTest::mouseMove(Button(window, n - 1));
  QTest::mouseMove(Button(window, n + 1));
  QWidget* button = Button(window, n);
  QTest::mouseMove(button);
  QTest::mousePress(button, mouse);
  QTest::mouseRelease(button, mouse);
}

// Module type XG, a tone, a controller, and a tone still held at the close.
void PlayXg(AppContext& ctx) {
  ctx.forms.form1->findChild<QAction*>(QStringLiteral("N2"))->trigger();
  QWidget* module_type = ctx.forms.form3.Window();
  module_type->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item1"))->click();
  Button(module_type, 1)->click();
  Button(ctx.forms.form1, 1)->click();
  Hold(ctx.forms.form2, 17, Qt::LeftButton);
  ctx.forms.form2->findChild<QAction*>(QStringLiteral("N1"))->trigger();
  ctx.forms.form7.Window()
      ->findChild<QScrollBar*>(QStringLiteral("ScrollBar3"))
      ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QTest::mousePress(Button(ctx.forms.form2, 17), Qt::LeftButton);
}

// Opens the finder from a window's menu item, types text and holds the row of
// (first, second): program and bank, or kit and note. False when there is no such row.
bool HoldFoundRow(AppContext& ctx, QWidget* from, const char* item, const char* text, int first,
                  int second, Qt::MouseButton mouse) {
  from->findChild<QAction*>(QLatin1String(item))->trigger();
  FinderWindow* finder = ctx.forms.finder;
  if (finder == nullptr || !QTest::qWaitForWindowExposed(finder)) return false;
  QTest::keyClicks(finder->findChild<QLineEdit*>(QStringLiteral("Edit1")), QLatin1String(text));
  auto* list = finder->findChild<ResultList*>(QStringLiteral("ResultList"));
  auto* results = static_cast<FinderResults*>(list->model());
  for (int row = 0; row < results->rowCount(); ++row) {
    const bool drums = results->Scope().drums;
    const int a = drums ? results->Drum(row).kit : results->Tone(row).program;
    const int b = drums ? results->Drum(row).note : results->Tone(row).bank;
    if (a != first || b != second) continue;
    const QModelIndex index = results->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseMove(list->viewport(), at);
    QTest::mousePress(list->viewport(), mouse, {}, at);
    QTest::mouseRelease(list->viewport(), mouse, {}, at);
    return true;
  }
  return false;
}

// The tone edit window's part of the "edit" run, after the tone button.
bool ShapeTheTone(AppContext& ctx) {
  ctx.forms.form2->findChild<QAction*>(QStringLiteral("N5"))->trigger();
  ToneEditWindow* window = ctx.forms.tone_edit;
  if (window == nullptr || !QTest::qWaitForWindowExposed(window)) return false;
  auto* reverb = window->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
  reverb->setCurrentIndex(3);
  emit reverb->activated(3);  // Room 3
  QWidget* button = Button(ctx.forms.form2, 17);
  QTest::mousePress(button, Qt::LeftButton);
  QTest::keyClick(window->findChild<QSlider*>(QStringLiteral("TrackBar4")), Qt::Key_PageDown);
  QTest::mouseRelease(button, Qt::LeftButton);
  Hold(ctx.forms.form2, 17, Qt::LeftButton);
  return true;
}

int Run(int argc, char** argv) {
  const std::string_view mode = argc == 3 ? argv[2] : "";
  const bool finder = mode == "finder";
  const bool edit = mode == "edit";
  if (argc < 2 || argc > 3 || (argc == 3 && !finder && !edit && mode != "xg")) {
    std::fprintf(stderr, "usage: %s <device name> [finder | edit | xg]\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  RtMidiOutput backend;
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
  ctx.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  ctx.show_message = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  FormSet forms(ctx);
  if (!ctx.port.IsOpen()) return 4;

  if (mode == "xg") {
    PlayXg(ctx);
    ctx.forms.form1->close();
    return 0;
  }
  Button(ctx.forms.form1, 1)->click();
  if (edit) {
    if (!ShapeTheTone(ctx)) return 5;
  } else if (!finder) {
    Hold(ctx.forms.form2, 17, Qt::LeftButton);
  } else if (!HoldFoundRow(ctx, ctx.forms.form2, "N4", "slowstr", 49, 0, Qt::LeftButton)) {
    return 5;
  }
  Button(ctx.forms.form1, 2)->click();
  if (!finder) {
    Hold(ctx.forms.form4, 37, Qt::RightButton);
  } else if (!HoldFoundRow(ctx, ctx.forms.form4, "N3", "808 kick 1", 25, 36, Qt::RightButton)) {
    return 5;
  }
  if (edit) {
    ctx.forms.form3->findChild<QAbstractButton*>(QStringLiteral("RadioGroup1Item1"))->click();
    ctx.forms.form3->findChild<QAbstractButton*>(QStringLiteral("Button1"))->click();
    Hold(ctx.forms.form2, 17, Qt::LeftButton);
  }
  ctx.forms.form1->close();
  return 0;
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) { return tonalyx::Run(argc, argv); }
