#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm7.h"

namespace tonalyx {

using Messages = std::vector<std::uint32_t>;

class TForm7Test : public QObject {
  Q_OBJECT

  template <typename T>
  static T* Child(QWidget& form, const char* kind, int number) {
    auto* child = form.findChild<T*>(QString::fromLatin1(kind) + QString::number(number));
    if (!child) qFatal("%s%d missing", kind, number);
    return child;
  }
  static QScrollBar* Bar(TForm7& form, int row) {
    return Child<QScrollBar>(form, "ScrollBar", row);
  }
  static QLabel* Label(TForm7& form, int number) { return Child<QLabel>(form, "Label", number); }

 private slots:
  void barsStartAtTheirDesignAndSendNothing() {
    WindowTestWorld h;
    TForm7& form = *h.ctx.forms.form7;
    QCOMPARE(form.windowTitle(), QStringLiteral("エフェクト"));
    QVERIFY(h.sent_at_creation.empty());
    struct Row {
      const char* caption;
      int value_left, minimum, maximum, start;
    };
    const Row rows[8] = {
        {"ベロシティー=", 88, 0, 127, 100},
        {"モジュレーション=", 112, 0, 127, 0},
        {"リバーブ=", 72, 0, 127, 40},
        {"コーラス=", 72, 0, 127, 0},
        {"ディレイ=", 72, 0, 127, 0},
        {"パンポット=", 80, -64, 63, 0},
        {"ピッチベンドチェンジ=", 128, -8192, 8191, 0},
        {"ピッチベンドセンシティビティ=", 168, 0, 24, 2},
    };
    for (int row = 1; row <= 8; ++row) {
      const Row& r = rows[row - 1];
      QScrollBar* bar = Bar(form, row);
      QCOMPARE(bar->orientation(), Qt::Horizontal);
      QCOMPARE(QList<int>({bar->minimum(), bar->maximum(), bar->value()}),
               QList<int>({r.minimum, r.maximum, r.start}));
      QCOMPARE(QList<int>({bar->singleStep(), bar->pageStep()}), QList<int>({1, 1}));
      QCOMPARE(bar->geometry(), QRect(16, 24 + 48 * (row - 1), 153, 17));
      QCOMPARE(Label(form, 2 * row - 1)->text(), QString::fromUtf8(r.caption));
      QCOMPARE(Label(form, 2 * row - 1)->pos(), QPoint(16, 8 + 48 * (row - 1)));
      QCOMPARE(Label(form, 2 * row)->text(), QString::number(r.start));
      QCOMPARE(Label(form, 2 * row)->pos(), QPoint(r.value_left, 8 + 48 * (row - 1)));
    }
    const ControllerValues v = form.Values();
    QCOMPARE(QList<int>({v.velocity, v.modulation, v.reverb, v.chorus, v.delay, v.pan, v.pitch_bend,
                         v.bend_sensitivity}),
             QList<int>({100, 0, 40, 0, 0, 0, 0, 2}));
    QCOMPARE(form.geometry().size(), QSize(445, 423));  // no settings file: the defaults
    QCOMPARE(form.pos(), QPoint(483, 79));
  }

  void aFirstRunShowsAllEightRowsAndAStoredHeightStandsAsItIs() {
    WindowTestWorld h;
    TForm7& form = *h.ctx.forms.form7;
    for (int row = 1; row <= 8; ++row) {
      QVERIFY2(Bar(form, row)->geometry().bottom() < form.height(),
               qPrintable(QString::number(row)));
    }
    QFile file(h.dir.filePath(QStringLiteral("tonalyx.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Window7]\nHeight=206\n");
    file.close();
    TForm7 stored(h.ctx);
    QCOMPARE(stored.geometry().size(), QSize(445, 206));
  }

  void aMovedBarShowsItsValueAndSendsAtOnceInEveryModuleType() {
    WindowTestWorld h;
    TForm7& form = *h.ctx.forms.form7;
    Bar(form, 1)->setValue(0);
    QCOMPARE(Label(form, 2)->text(), QStringLiteral("0"));
    QVERIFY(h.backend.Events().empty());  // velocity waits for the next note
    QCOMPARE(form.Values().velocity, 0);

    Bar(form, 6)->setValue(-64);
    QCOMPARE(Label(form, 12)->text(), QStringLiteral("-64"));
    Bar(form, 7)->setValue(-1);
    QCOMPARE(Label(form, 14)->text(), QStringLiteral("-1"));
    Bar(form, 8)->setValue(12);
    QCOMPARE(Label(form, 16)->text(), QStringLiteral("12"));
    const Messages sent = h.backend.ShortMessages();
    QCOMPARE(sent.size(), std::size_t{2 + 1 + 6});
    QCOMPARE(sent[0], ShortMessage(0xB9, 0x0A, 0x00));
    QCOMPARE(sent[2], ShortMessage(0xE0, 0x7F, 0x3F));
    QCOMPARE(sent[5], ShortMessage(0xB0, 0x06, 0x0C));

    // A step of the user's arrow, in every module type alike (GM2 too).
    for (std::uint8_t type = 0; type <= 3; ++type) {
      h.ctx.state.ModuleType = static_cast<ModuleKind>(type);
      h.backend.Clear();
      Bar(form, 2)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      QCOMPARE(Label(form, 4)->text(), QString::number(type + 1));
      QCOMPARE(h.backend.ShortMessages(),
               (Messages{ShortMessage(0xB9, 0x01, type + 1), ShortMessage(0xB0, 0x01, type + 1)}));
    }
  }

  void captionClickRestoresTheDefaultAndSendsOnlyOnAChange() {
    WindowTestWorld h;
    TForm7& form = *h.ctx.forms.form7;
    QTest::mouseClick(Label(form, 5), Qt::LeftButton);
    QCOMPARE(Bar(form, 3)->value(), 40);
    QVERIFY(h.backend.Events().empty());

    Bar(form, 3)->setValue(90);
    h.backend.Clear();
    QTest::mouseClick(Label(form, 5), Qt::LeftButton);
    QCOMPARE(Label(form, 6)->text(), QStringLiteral("40"));
    QCOMPARE(h.backend.ShortMessages(),
             (Messages{ShortMessage(0xB9, 0x5B, 0x28), ShortMessage(0xB0, 0x5B, 0x28)}));

    // Each caption restores its own bar only; a value label is no button.
    const int defaults[8] = {100, 0, 40, 0, 0, 0, 0, 2};
    const int moved[8] = {1, 2, 3, 4, 5, -6, 7000, 8};
    for (int row = 1; row <= 8; ++row) Bar(form, row)->setValue(moved[row - 1]);
    QTest::mouseClick(Label(form, 6), Qt::LeftButton);
    QCOMPARE(Bar(form, 3)->value(), 3);
    for (int row = 1; row <= 8; ++row) {
      QTest::mouseClick(Label(form, 2 * row - 1), Qt::LeftButton);
      for (int other = 1; other <= 8; ++other) {
        QCOMPARE(Bar(form, other)->value(), other <= row ? defaults[other - 1] : moved[other - 1]);
      }
    }
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm7Test)
#include "TForm7Test.moc"
