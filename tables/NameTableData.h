#pragma once

// The compiled-in name data, generated at build time from tables/data/*.tsv. Only the
// name table lookups, the name search and their tests include this header.
//
// Every distinct text is stored once in kTextPool; text i is the characters from
// kTextStart[i] up to kTextStart[i + 1]. Text 0 is the empty string. The search key of
// text i (SearchKey.h) is stored the same way in kSearchKeyPool and kSearchKeyStart. The
// four dense arrays hold text numbers:
//   GS tone: row * 640 + bank * 5 + map (row = program value + 1, 129 rows)
//   XG tone: program * 768 + bank * 6 + map
//   GS drum: kit * 640 + note * 5 + map
//   XG drum: kit * 128 + note

#include <cstddef>
#include <cstdint>

namespace tonalyx::name_data {

inline constexpr int kGsToneRows = 129;
inline constexpr int kGsToneBanks = 128;
inline constexpr int kGsToneMaps = 5;
inline constexpr int kXgTonePrograms = 128;
inline constexpr int kXgToneBanks = 128;
inline constexpr int kXgToneMaps = 6;
inline constexpr int kGsDrumKits = 128;
inline constexpr int kGsDrumNotes = 128;
inline constexpr int kGsDrumMaps = 5;
inline constexpr int kXgDrumKits = 128;
inline constexpr int kXgDrumNotes = 128;

inline constexpr std::size_t kGsToneSize = std::size_t{kGsToneRows} * kGsToneBanks * kGsToneMaps;
inline constexpr std::size_t kXgToneSize =
    std::size_t{kXgTonePrograms} * kXgToneBanks * kXgToneMaps;
inline constexpr std::size_t kGsDrumSize = std::size_t{kGsDrumKits} * kGsDrumNotes * kGsDrumMaps;
inline constexpr std::size_t kXgDrumSize = std::size_t{kXgDrumKits} * kXgDrumNotes;

// Number of distinct texts, the empty string included.
extern const std::size_t kTextCount;
extern const char kTextPool[];
extern const std::uint32_t kTextStart[];
extern const char kSearchKeyPool[];
extern const std::uint32_t kSearchKeyStart[];

extern const std::uint16_t kGsToneText[kGsToneSize];
extern const std::uint16_t kXgToneText[kXgToneSize];
extern const std::uint16_t kGsDrumText[kGsDrumSize];
extern const std::uint16_t kXgDrumText[kXgDrumSize];

}  // namespace tonalyx::name_data
