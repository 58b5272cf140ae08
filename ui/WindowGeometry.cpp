#include "ui/WindowGeometry.h"

#include <QWidget>
#include <cassert>

#include "settings/SettingsFile.h"

namespace tonalyx {

void ReadGeometry(QWidget& window, const SettingsFile& settings, const GeometrySection& section) {
  assert(section.defaults && "a section that is never read has no defaults");
  const WindowGeometry defaults = section.defaults.value_or(WindowGeometry{});
  const int height = settings.ReadInteger(section.name, "Height", defaults.height);
  window.resize(window.width(), height);
  const int width = settings.ReadInteger(section.name, "Width", defaults.width);
  window.resize(width, window.height());
  const int top = settings.ReadInteger(section.name, "Top", defaults.top);
  window.move(window.x(), top);
  const int left = settings.ReadInteger(section.name, "Left", defaults.left);
  window.move(left, window.y());
}

void ReadGeometry(QWidget& window, const std::filesystem::path& settings_path,
                  const GeometrySection& section) {
  ReadGeometry(window, SettingsFile::Open(settings_path), section);
}

void WriteGeometry(SettingsFile& settings, const GeometrySection& section, const QWidget& window) {
  settings.WriteInteger(section.name, "Height", window.height());
  settings.WriteInteger(section.name, "Width", window.width());
  settings.WriteInteger(section.name, "Top", window.y());
  settings.WriteInteger(section.name, "Left", window.x());
}

}  // namespace tonalyx
