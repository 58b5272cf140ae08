#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/WindowTestWorld.h"
#include "ui/UiLook.h"

namespace tonalyx {

class UiLookTest : public QObject {
  Q_OBJECT

 private slots:
  // The fallback chain must land on a Japanese gothic face that really has
  // the glyphs of the captions, at the design's 12 pixels.
  void designFontIsAJapaneseGothicWithTheCaptionGlyphs() {
    const QFont font = DesignFont();
    const QFontInfo info(font);
    QVERIFY2(font.families().contains(info.family()) || info.family().contains("Gothic") ||
                 info.family().contains(QStringLiteral("ゴシック")),
             qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), 12);
    const QFontMetrics metrics(font);
    for (QChar c : QStringLiteral("設定音源の種類ＭＩＤＩデバイスが開けません鍵盤"))
      QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
  }

  void everyWindowUsesTheDesignFont() {
    const WindowTestWorld world;
    int windows = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->objectName().startsWith(QStringLiteral("TForm"))) continue;  // menus
      ++windows;
      QCOMPARE(window->font().families(), DesignFont().families());
      QCOMPARE(window->font().pixelSize(), 12);
    }
    QCOMPARE(windows, 13);
  }

  void captionsShowAnAmpersandAsStored() {
    QCOMPARE(CaptionText("Bass& Lead"), QStringLiteral("Bass&& Lead"));
    QCOMPARE(CaptionText("Kelontuk "), QStringLiteral("Kelontuk "));
    QCOMPARE(CaptionText(""), QString());
  }

  void aCaptionTooWideForItsButtonShrinksUntilItFitsAndGrowsBackAfter() {
    QWidget window;
    ApplyDesignFont(window);
    QPushButton button(&window);
    button.setGeometry(8, 0, 177, 17);
    SetCaption(button, "Piano 1");
    QCOMPARE(button.text(), QStringLiteral("Piano 1"));
    QCOMPARE(button.font().pixelSize(), 12);
    QCOMPARE(button.font().families(), DesignFont().families());

    const QString long_name = QStringLiteral("Reverse Distortion Guitar Cut Noise & Down");
    QVERIFY(QFontMetrics(DesignFont()).horizontalAdvance(long_name) > button.width());
    SetCaption(button, long_name.toStdString());
    QCOMPARE(button.text(), QStringLiteral("Reverse Distortion Guitar Cut Noise && Down"));
    const int shrunk = button.font().pixelSize();
    QVERIFY2(shrunk < 12 && shrunk >= kSmallestCaptionPixels, qPrintable(QString::number(shrunk)));
    QCOMPARE(button.font().families(), DesignFont().families());
    QStyleOptionButton option;
    option.initFrom(&button);
    const int room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    QVERIFY(room > 150);
    QVERIFY(button.fontMetrics().horizontalAdvance(long_name) <= room);
    // One pixel larger would not have fitted.
    QVERIFY(QFontMetrics(DesignFont(shrunk + 1)).horizontalAdvance(long_name) > room);

    SetCaption(button, "Piano 1");
    QCOMPARE(button.font().pixelSize(), 12);

    // Fits are remembered per room: the same name on a narrower button is
    // fitted to that button, and the wide one keeps its own fit.
    button.resize(30, 17);
    SetCaption(button, "Piano 1");
    QVERIFY(button.font().pixelSize() < 12);
    button.resize(177, 17);
    SetCaption(button, "Piano 1");
    QCOMPARE(button.font().pixelSize(), 12);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::UiLookTest)
#include "UiLookTest.moc"
