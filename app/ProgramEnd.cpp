#include "app/ProgramEnd.h"

#include <QApplication>

#include "app/TForm1.h"

namespace tonalyx {

ProgramEnd::ProgramEnd() {
  QGuiApplication::setQuitOnLastWindowClosed(false);
  stop_signals_.Watch([this] {
    if (main_window_ != nullptr) {
      main_window_->close();
      return;
    }
    stop_requested_ = true;
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
}

void ProgramEnd::Start(TForm1& main_window) {
  main_window_ = &main_window;
  // Not QCoreApplication::quit(): since Qt 6 it first sends every visible
  // window a close event and gives up the quit as soon as one is ignored, and
  // the secondary windows ignore theirs because a close only hides them.
  // exit() ends the event loops (a message box's as well) whatever windows
  // are still shown. Queued, so that a close before the event loop runs
  // still ends it once it does.
  QObject::connect(
      &main_window, &TForm1::Closed, &main_window, [] { QCoreApplication::exit(0); },
      Qt::QueuedConnection);
  // When Windows ends the session it ends the process right after telling
  // its windows (WM_ENDSESSION), which Qt reports as aboutToQuit: the main
  // window closes the ordinary way before that, as for a stop signal. After
  // the main window's own close this does nothing.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &main_window,
                   [&main_window] { main_window.close(); });
  if (stop_requested_)
    main_window.close();
  else
    main_window.show();
}

}  // namespace tonalyx
