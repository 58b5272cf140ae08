#pragma once

// POSIX only: a file size limit makes a write fail the way a full disk does,
// for any user, root included.

#include <sys/resource.h>

#include <csignal>

namespace tonalyx {

// While it lives, no file of the process grows beyond `bytes`; the signal
// the limit raises is ignored, so the write itself reports the error.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    saved_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, saved_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  // Whether the limit took effect.
  bool IsSet() const { return set_; }

 private:
  rlimit saved_{};
  void (*saved_handler_)(int) = nullptr;
  bool set_ = false;
};

}  // namespace tonalyx
