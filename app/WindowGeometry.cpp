#include "app/WindowGeometry.h"

#include <QWidget>

#include "settings/SettingsFile.h"

namespace tonalyx {

void ReadGeometry(QWidget& window, const SettingsFile& settings, std::string_view section,
                  const WindowGeometry& defaults) {
  const int height = settings.ReadInteger(section, "Height", defaults.height);
  window.resize(window.width(), height);
  const int width = settings.ReadInteger(section, "Width", defaults.width);
  window.resize(width, window.height());
  const int top = settings.ReadInteger(section, "Top", defaults.top);
  window.move(window.x(), top);
  const int left = settings.ReadInteger(section, "Left", defaults.left);
  window.move(left, window.y());
}

void ReadGeometry(QWidget& window, const std::filesystem::path& settingsPath,
                  std::string_view section, const WindowGeometry& defaults) {
  ReadGeometry(window, SettingsFile::Open(settingsPath), section, defaults);
}

void WriteGeometry(SettingsFile& settings, std::string_view section, const QWidget& window) {
  settings.WriteInteger(section, "Height", window.height());
  settings.WriteInteger(section, "Width", window.width());
  settings.WriteInteger(section, "Top", window.y());
  settings.WriteInteger(section, "Left", window.x());
}

}  // namespace tonalyx
