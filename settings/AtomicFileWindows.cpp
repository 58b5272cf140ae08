#include "settings/AtomicFile.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace tonalyx {
namespace {

bool WriteAll(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) return false;
    text.remove_prefix(written);
  }
  return true;
}

// Whether the path names a file on a disk (not a device such as NUL, nor a
// pipe) that this process may write. Opening it for writing changes neither
// its contents nor its times.
bool IsWritableDiskFile(const std::wstring& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool onDisk = ::GetFileType(file) == FILE_TYPE_DISK;
  ::CloseHandle(file);
  return onDisk;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view text) {
  namespace fs = std::filesystem;
  // Paths stay in UTF-16 throughout, so any folder name works.
  const std::wstring path = target.wstring();
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists) {
    // Moving a new file over the old one would bypass the read-only attribute
    // and the file's access rights, so ask first.
    constexpr DWORD kRefused =
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
    if ((attributes & kRefused) != 0) return false;
    if (!IsWritableDiskFile(path)) return false;
  } else if (::GetLastError() != ERROR_FILE_NOT_FOUND) {
    return false;
  }

  fs::path folder = target.parent_path();
  if (folder.empty()) folder = L".";
  static unsigned counter = 0;
  const std::wstring temporary =
      (folder / (L"." + target.filename().wstring() + L".tmp-" +
                 std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter)))
          .wstring();
  const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;

  bool ok = WriteAll(file, text) && ::FlushFileBuffers(file);
  ok = ::CloseHandle(file) && ok;
  // The write-through move returns only once the new name is on the disk. It
  // fails, leaving the old file, while another program holds the old file
  // open without allowing it to be deleted.
  if (ok) {
    ok = ::MoveFileExW(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace tonalyx
