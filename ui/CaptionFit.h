#pragma once

#include <QFont>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class QPushButton;
class QStyle;

namespace tonalyx {

// The pixel size a caption is shown in on a button, remembered per name,
// room and design size: the names are fixed data, so a fit is measured once
// and every later refresh only looks it up. The room is remembered per style
// and button size in the same way.
class CaptionFit {
 public:
  // The largest size from design_pixels down to smallest_pixels in which
  // `shown` fits the room the button's style leaves for its caption
  // (smallest_pixels when none does).
  int Pixels(const QPushButton& button, std::string_view shown, int design_pixels,
             int smallest_pixels);

 private:
  struct RoomKey {
    const QStyle* style;
    int width;
    int height;
    bool operator==(const RoomKey&) const = default;
  };
  struct RoomKeyHash {
    std::size_t operator()(const RoomKey& key) const;
  };
  using FitsByName = std::unordered_map<std::string, int>;

  int Room(const QPushButton& button);

  std::unordered_map<RoomKey, int, RoomKeyHash> rooms_;
  // Keyed by room and design size (room * 256 + design pixels), then by name.
  std::unordered_map<int, FitsByName> fits_;
};

}  // namespace tonalyx
