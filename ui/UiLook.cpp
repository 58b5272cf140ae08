#include "ui/UiLook.h"

#include <QWidget>

namespace tonalyx {

QFont DesignFont(int pixel_size) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Hiragino Kaku Gothic ProN"),
                    QStringLiteral("Yu Gothic")});
  font.setPixelSize(pixel_size);
  return font;
}

void ApplyDesignFont(QWidget& window) { window.setFont(DesignFont()); }

void ShowInFront(QWidget* window) {
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
}

QString CaptionText(std::string_view name) {
  QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return text;
}

}  // namespace tonalyx
