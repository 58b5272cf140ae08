#pragma once

#include <array>
#include <filesystem>
#include <optional>
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

// Where the settings file keeps a window's geometry: its section, and the
// geometry the window takes while the section lacks it (none for a window
// whose section is written but never read).
struct GeometrySection {
  std::string_view name;
  std::optional<WindowGeometry> defaults;
};

// The main window (number 1) and windows 2 to 12, in the order the main
// window's close writes them. Every one of them but the drum information
// window (11) reads its section when it is created; that one always opens at
// its design size. The XG kit window (13) keeps no geometry.
inline constexpr std::array<GeometrySection, 12> kWindowSections = {{
    {"window", WindowGeometry{127, 242, 159, 193}},
    {"Window2", WindowGeometry{579, 731, 131, 593}},
    {"Window3", WindowGeometry{172, 151, 107, 192}},
    {"Window4", WindowGeometry{608, 929, 88, 326}},
    {"Window5", WindowGeometry{219, 445, 71, 460}},
    {"Window6", WindowGeometry{562, 729, 187, 287}},
    // Tall enough on a first run for all eight rows (the last bar ends at 377).
    {"Window7", WindowGeometry{423, 445, 79, 483}},
    {"Window8", WindowGeometry{140, 1029, 167, 554}},
    {"Window9", WindowGeometry{201, 253, 104, 154}},
    {"Window10", WindowGeometry{215, 258, 107, 489}},
    {"Window11", std::nullopt},
    {"Window12", WindowGeometry{93, 290, 112, 506}},
}};

// The section of window 1..12.
constexpr const GeometrySection& WindowSection(int number) {
  return kWindowSections[static_cast<std::size_t>(number - 1)];
}

// The tone finder's section, written at the main window's close only when the
// finder was built in that run.
inline constexpr GeometrySection kFinderSection{"Finder", WindowGeometry{420, 480, 140, 620}};
// The tone and drum sound edit windows' sections, likewise written only when
// the window was built.
inline constexpr GeometrySection kToneEditSection{"ToneEdit", WindowGeometry{290, 400, 140, 1130}};
inline constexpr GeometrySection kDrumEditSection{"DrumEdit", WindowGeometry{320, 440, 480, 1130}};

// Reads "Height", "Width", "Top" and "Left" of a section (keys match in any
// letter case) and applies them to the window in that order. Top and Left are
// the window frame's position, Height and Width its client size, so what is
// written is exactly what is read back. The section must have defaults.
void ReadGeometry(QWidget& window, const SettingsFile& settings, const GeometrySection& section);
// Opens the settings file on its own to read a window's section.
void ReadGeometry(QWidget& window, const std::filesystem::path& settings_path,
                  const GeometrySection& section);
// Writes the four keys of a window's section in the order Height, Width, Top, Left.
void WriteGeometry(SettingsFile& settings, const GeometrySection& section, const QWidget& window);

}  // namespace tonalyx
