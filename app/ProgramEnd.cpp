#include "app/ProgramEnd.h"

#include <QGuiApplication>

#include "app/TForm1.h"

namespace tonalyx {

ProgramEnd::ProgramEnd() { QGuiApplication::setQuitOnLastWindowClosed(false); }

void ProgramEnd::EndWith(TForm1& mainWindow) {
  // Not QCoreApplication::quit(): since Qt 6 it first sends every visible
  // window a close event and gives up the quit as soon as one is ignored, and
  // the secondary windows ignore theirs because a close only hides them.
  // exit() ends the event loops (a message box's as well) whatever windows
  // are still shown.
  QObject::connect(&mainWindow, &TForm1::Closed, &mainWindow, [] { QCoreApplication::exit(0); });
  stopSignals_.Watch([&mainWindow] { mainWindow.close(); });
}

}  // namespace tonalyx
