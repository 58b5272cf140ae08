#include "ui/CaptionFit.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "ui/UiLook.h"

namespace tonalyx {

std::size_t CaptionFit::RoomKeyHash::operator()(const RoomKey& key) const {
  return std::hash<const void*>{}(key.style) ^
         (static_cast<std::size_t>(key.width) << 16 ^ static_cast<std::size_t>(key.height));
}

int CaptionFit::Room(const QPushButton& button) {
  const RoomKey key{button.style(), button.width(), button.height()};
  if (const auto found = rooms_.find(key); found != rooms_.end()) return found->second;
  QStyleOptionButton option;
  option.initFrom(&button);
  const int room =
      button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
  rooms_.emplace(key, room);
  return room;
}

int CaptionFit::Pixels(const QPushButton& button, std::string_view shown, int design_pixels,
                       int smallest_pixels) {
  const int room = Room(button);
  FitsByName& fits = fits_[room * 256 + design_pixels];
  // Names this short copy without allocating.
  const std::string key(shown);
  if (const auto found = fits.find(key); found != fits.end()) return found->second;

  const QString text = QString::fromLatin1(shown.data(), static_cast<qsizetype>(shown.size()));
  QFont font = DesignFont(design_pixels);
  int pixels = design_pixels;
  while (pixels > smallest_pixels && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPixelSize(--pixels);
  }
  fits.emplace(key, pixels);
  return pixels;
}

}  // namespace tonalyx
