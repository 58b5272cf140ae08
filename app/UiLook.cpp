#include "app/UiLook.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace tonalyx {
namespace {

// The width the button's style leaves for its caption.
int CaptionRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}
}  // namespace

QFont DesignFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Hiragino Kaku Gothic ProN"),
                    QStringLiteral("Yu Gothic")});
  font.setPixelSize(pixelSize);
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

void SetCaption(QPushButton& button, std::string_view name, int designPixels) {
  button.setText(CaptionText(name));
  const QString shown = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  const int room = CaptionRoom(button);
  QFont font = DesignFont(designPixels);
  int pixels = designPixels;
  while (pixels > kSmallestCaptionPixels && QFontMetrics(font).horizontalAdvance(shown) > room) {
    font.setPixelSize(--pixels);
  }
  // At the window's own size the button inherits the window's font again.
  button.setFont(pixels == kDesignPixels ? QFont() : font);
}

}  // namespace tonalyx
