#pragma once

#include <QString>
#include <filesystem>

namespace tonalyx {

// A path as the user's system writes it (backslashes on Windows).
QString ShownPath(const std::filesystem::path& path);

// Why the file at path was not written: no_folder (%1 the file, %2 its
// folder) when its folder is missing, else not_written (%1 the file).
QString NotWrittenText(const QString& path, const QString& not_written, const QString& no_folder);

}  // namespace tonalyx
