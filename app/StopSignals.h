#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace tonalyx {

// Turns SIGTERM and SIGINT into a call on the user-interface thread, so that a
// stop request (a desktop logout, Ctrl+C, a test stopping the program) closes
// the program the same way as its main window's close box. The signal handler
// only writes a byte to a socket pair; the event loop reads it. Does nothing
// on platforms without these signals.
class StopSignals {
 public:
  // Installs the handlers; signals that arrive before Watch wait in the socket.
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Calls on_stop from the event loop for each stop request received.
  void Watch(std::function<void()> on_stop);

 private:
  std::function<void()> on_stop_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tonalyx
