#include "ui/UiLook.h"

#include <QPushButton>
#include <QWidget>

#include "ui/CaptionFit.h"

namespace tonalyx {
namespace {

// The fits of every caption the windows have shown, shared by all windows of
// the user-interface thread.
CaptionFit& Fits() {
  static CaptionFit fits;
  return fits;
}

// True when the button already shows `name` as CaptionText would write it.
bool ShowsCaption(const QPushButton& button, std::string_view name) {
  const QLatin1StringView view(name.data(), static_cast<qsizetype>(name.size()));
  if (name.find('&') == std::string_view::npos) return button.text() == view;
  return button.text() == CaptionText(name);
}
}  // namespace

QFont DesignFont(int pixel_size) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Hiragino Kaku Gothic ProN"),
                    QStringLiteral("Yu Gothic")});
  font.setPixelSize(pixel_size);
  return font;
}

void ApplyDesignFont(QWidget& window) { window.setFont(DesignFont(kDesignPixels)); }

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

void SetCaption(QPushButton& button, std::string_view name, int design_pixels) {
  if (!ShowsCaption(button, name)) button.setText(CaptionText(name));
  const int pixels = Fits().Pixels(button, name, design_pixels, kSmallestCaptionPixels);
  // At the window's own size the button inherits the window's font again.
  if (pixels == kDesignPixels) {
    if (button.testAttribute(Qt::WA_SetFont)) button.setFont(QFont());
  } else if (!button.testAttribute(Qt::WA_SetFont) || button.font().pixelSize() != pixels) {
    button.setFont(DesignFont(pixels));
  }
}

}  // namespace tonalyx
