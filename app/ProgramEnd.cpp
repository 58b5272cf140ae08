#include "app/ProgramEnd.h"

#include <QApplication>

#include "app/TForm1.h"

namespace tonalyx {

ProgramEnd::ProgramEnd() {
  QGuiApplication::setQuitOnLastWindowClosed(false);
  stopSignals_.Watch([this] {
    if (mainWindow_ != nullptr) {
      mainWindow_->close();
      return;
    }
    stopRequested_ = true;
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
}

void ProgramEnd::Start(TForm1& mainWindow) {
  mainWindow_ = &mainWindow;
  // Not QCoreApplication::quit(): since Qt 6 it first sends every visible
  // window a close event and gives up the quit as soon as one is ignored, and
  // the secondary windows ignore theirs because a close only hides them.
  // exit() ends the event loops (a message box's as well) whatever windows
  // are still shown. Queued, so that a close before the event loop runs
  // still ends it once it does.
  QObject::connect(
      &mainWindow, &TForm1::Closed, &mainWindow, [] { QCoreApplication::exit(0); },
      Qt::QueuedConnection);
  if (stopRequested_)
    mainWindow.close();
  else
    mainWindow.show();
}

}  // namespace tonalyx
