#pragma once

#include <filesystem>
#include <string_view>

class QWidget;

namespace tonalyx {

class SettingsFile;

struct WindowGeometry {
  int height;
  int width;
  int top;
  int left;
};

// Reads "Height", "Width", "Top" and "Left" of a section (keys match in any
// letter case) and applies them to the window in that order. Top and Left are
// the window frame's position, Height and Width its client size, so what is
// written is exactly what is read back.
void ReadGeometry(QWidget& window, const SettingsFile& settings, std::string_view section,
                  const WindowGeometry& defaults);
// Opens the settings file on its own to read a window's section.
void ReadGeometry(QWidget& window, const std::filesystem::path& settingsPath,
                  std::string_view section, const WindowGeometry& defaults);
// Writes the four keys of a window's section in the order Height, Width, Top, Left.
void WriteGeometry(SettingsFile& settings, std::string_view section, const QWidget& window);

}  // namespace tonalyx
