#include "app/StopSignals.h"

#include <QSocketNotifier>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#define TONALYX_HAS_STOP_SIGNALS 1
#endif

namespace tonalyx {

#ifdef TONALYX_HAS_STOP_SIGNALS
namespace {
// [0] is written by the signal handler, [1] read by the event loop.
int g_pair[2] = {-1, -1};

void OnSignal(int) {
  const int saved_errno = errno;
  const char byte = 1;
  // Async-signal-safe; when the socket is full a stop is pending anyway.
  const ssize_t written = ::write(g_pair[0], &byte, 1);
  static_cast<void>(written);
  errno = saved_errno;
}
}  // namespace

StopSignals::StopSignals() {
  if (g_pair[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pair) != 0) {
    g_pair[0] = g_pair[1] = -1;
    return;
  }
  // Non-blocking, so neither the handler nor the drain can hang; not passed
  // on to child processes. (SOCK_NONBLOCK and SOCK_CLOEXEC are Linux only.)
  for (int fd : g_pair) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

StopSignals::~StopSignals() {
  notifier_.reset();
  if (g_pair[0] < 0) return;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  ::close(g_pair[0]);
  ::close(g_pair[1]);
  g_pair[0] = g_pair[1] = -1;
}

void StopSignals::Watch(std::function<void()> on_stop) {
  on_stop_ = std::move(on_stop);
  if (g_pair[1] < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(g_pair[1], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char bytes[16];
    while (::read(g_pair[1], bytes, sizeof bytes) > 0) {
    }
    if (on_stop_) on_stop_();
  });
}

#else

StopSignals::StopSignals() = default;
StopSignals::~StopSignals() = default;
void StopSignals::Watch(std::function<void()> on_stop) { on_stop_ = std::move(on_stop); }

#endif

}  // namespace tonalyx
