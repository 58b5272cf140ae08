#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <functional>
#include <vector>

#include "app/ProgramEnd.h"
#include "app/TForm1.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "modules/TForm10.h"
#include "modules/TForm9.h"
#include "search/FinderWindow.h"
#include "settings/SettingsFile.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {

// What the event loop returns when it has not ended by itself in time.
constexpr int kStillRunning = 99;

// The program as its entry wires it: the thirteen windows, the main one
// shown, its close tied to the end of the event loop.
struct Program {
  ProgramEnd end;
  WindowTestWorld world;
  TForm1* main = world.ctx.forms.form1;

  Program() {
    end.Start(*main);
    // The finder is made when first opened; open it once and hide it again.
    world.ctx.forms.form2->findChild<QAction*>(QStringLiteral("N4"))->trigger();
    world.ctx.forms.form2->hide();
    world.ctx.forms.finder->hide();
  }

  // Every window besides the main one.
  std::vector<QWidget*> Others() const {
    const Forms& f = world.ctx.forms;
    return {f.form2, f.form3,  f.form4,  f.form5,  f.form6,  f.form7, f.form8,
            f.form9, f.form10, f.form11, f.form12, f.form13, f.finder};
  }

  // Runs the event loop, doing `step` once it runs; returns the loop's exit
  // status, or kStillRunning if it was still going after a generous while.
  static int Run(const std::function<void()>& step) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    watchdog.start(5000);
    QTimer::singleShot(0, step);
    return QCoreApplication::exec();
  }

  bool SettingsStored() const {
    return SettingsFile::Open(world.ctx.settings_path).ReadInteger("window", "Height", -1) >= 0;
  }
};

}  // namespace

class ProgramEndTest : public QObject {
  Q_OBJECT

 private slots:
  void closingTheMainWindowEndsTheProgramBesideAnyOneOrTwoOtherWindows() {
    // Whether a quit that asks each window to close is stopped depends on the
    // order in which the toolkit visits them; every pair covers both orders
    // of two windows that refuse the close.
    const std::size_t windows = Program().Others().size();
    for (std::size_t first = 0; first < windows; ++first) {
      for (std::size_t second = first; second < windows; ++second) {
        Program program;
        const std::vector<QWidget*> others = program.Others();
        others[first]->show();
        others[second]->show();
        const QString shown = others[first]->objectName() + " " + others[second]->objectName();
        QVERIFY2(Program::Run([&] { program.main->close(); }) == 0, qPrintable(shown));
        QVERIFY2(program.SettingsStored(), qPrintable(shown));
      }
    }
  }

  void closingTheMainWindowEndsTheProgramWithEveryWindowShownHiddenOrMinimised() {
    const std::vector<std::function<void(QWidget*, std::size_t)>> arrangements = {
        [](QWidget* w, std::size_t) { w->show(); },
        // Every other window shown and then closed again by the user.
        [](QWidget* w, std::size_t i) {
          w->show();
          if (i % 2 == 0) w->close();
        },
        [](QWidget* w, std::size_t i) { i % 3 == 0 ? w->showMinimized() : w->show(); },
    };
    for (const auto& arrange : arrangements) {
      Program program;
      const std::vector<QWidget*> others = program.Others();
      for (std::size_t i = 0; i < others.size(); ++i) arrange(others[i], i);
      QCOMPARE(Program::Run([&] { program.main->close(); }), 0);
      QVERIFY(program.SettingsStored());
    }
  }

  void closingAnyOtherWindowOnlyHidesIt() {
    Program program;
    const std::vector<QWidget*> others = program.Others();
    for (QWidget* w : others) w->show();
    bool ran_on = false;
    const int status = Program::Run([&] {
      for (QWidget* w : others) w->close();
      // Only a loop still running delivers this.
      QTimer::singleShot(10, [&] {
        ran_on = true;
        program.main->close();
      });
    });
    QCOMPARE(status, 0);
    QVERIFY(ran_on);
    for (QWidget* w : others) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
  }

  void aStopSignalClosesTheMainWindowAndEndsTheProgram() {
    for (const int signal : {SIGTERM, SIGINT}) {
      Program program;
      for (QWidget* w : program.Others()) w->show();
      QCOMPARE(Program::Run([signal] { std::raise(signal); }), 0);
      QVERIFY(!program.main->isVisible());
      QVERIFY(program.SettingsStored());
    }
  }

  void theEndOfTheSessionClosesTheMainWindowBeforeTheProcessEnds() {
    // Windows reports the session's end as aboutToQuit, and ends the process
    // right after it.
    Program program;
    for (QWidget* w : program.Others()) w->show();
    QCOMPARE(Program::Run([] { QCoreApplication::exit(3); }), 3);
    QVERIFY(!program.main->isVisible());
    QVERIFY(program.SettingsStored());
  }

  void aStopSignalWhileAMessageBoxWaitsEndsTheProgram() {
    // As when a device cannot be opened after a change: the message box runs
    // an event loop of its own inside the main one, and both must end.
    Program program;
    bool box_returned = false;
    const int status = Program::Run([&] {
      QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalyx"), QStringLiteral("?"),
                      QMessageBox::Ok, program.main);
      QTimer::singleShot(0, [] { std::raise(SIGTERM); });
      box.exec();
      box_returned = true;
    });
    QCOMPARE(status, 0);
    QVERIFY(box_returned);
    QVERIFY(program.SettingsStored());
  }

  void aStopSignalWhileTheStartUpMessageBoxWaitsEndsItAndTheProgram() {
    ProgramEnd end;
    int boxes = 0;
    bool box_ended_by_stop = false;
    WindowTestSetup setup;
    setup.devices = {"Synth A", "Synth B"};
    setup.failing_devices = {0, 1};
    setup.as_started = true;
    // The message box of a device that cannot be opened, as the program
    // shows it, with the stop arriving while it waits for the user.
    setup.before_start = [&](AppContext& context) {
      context.show_message = [&](const std::string&) {
        ++boxes;
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tonalyx"), QStringLiteral("?"),
                        QMessageBox::Ok);
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        QTimer::singleShot(5000, &box, [&box] { box.done(kStillRunning); });
        box_ended_by_stop = box.exec() != kStillRunning;
      };
    };
    WindowTestWorld world(setup);
    AppContext& ctx = world.ctx;
    QCOMPARE(boxes, 1);
    QVERIFY(box_ended_by_stop);
    end.Start(*ctx.forms.form1);
    QCOMPARE(Program::Run([] {}), 0);
    QVERIFY(!ctx.forms.form1->isVisible());
    QVERIFY(SettingsFile::Open(ctx.settings_path).ReadInteger("window", "Height", -1) >= 0);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::ProgramEndTest)
#include "ProgramEndTest.moc"
