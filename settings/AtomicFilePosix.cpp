#include "settings/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace tonalyx {
namespace {

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view text) {
  namespace fs = std::filesystem;
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    // Renaming a new file over the old one would bypass its permissions, so
    // ask first: a file marked read-only stays as it is even for a process
    // that could override the bits.
    if (!S_ISREG(old.st_mode)) return false;
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(target.c_str(), W_OK) != 0) return false;
  } else if (errno != ENOENT) {
    return false;
  }

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  static unsigned counter = 0;
  const fs::path temporary =
      folder / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                std::to_string(++counter));
  const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return false;

  bool ok = WriteAll(fd, text);
  if (ok && exists) {
    // Keep the old file's owner and mode; the owner can only be kept by a
    // privileged process, and failing to is no reason to lose the settings.
    const bool ownerKept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    static_cast<void>(ownerKept);
    ok = ::fchmod(fd, mode) == 0;
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here leaves a complete file.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

}  // namespace tonalyx
