#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "tone/TForm7.h"
#include "tone/ToneWindowHarness.h"

namespace tonalyx {

using Messages = std::vector<std::uint32_t>;

class TForm7Test : public QObject {
  Q_OBJECT

 private:
  static QScrollBar* Bar(TForm7& form, int row) {
    auto* bar = form.findChild<QScrollBar*>(QStringLiteral("ScrollBar%1").arg(row));
    if (!bar) qFatal("ScrollBar%d missing", row);
    return bar;
  }
  static QLabel* Label(TForm7& form, int number) {
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    if (!label) qFatal("Label%d missing", number);
    return label;
  }

 private slots:
  void barsStartAtTheirDesignAndSendNothing() {
    ToneWindowHarness h;
    TForm7& form = *h.ctx.forms.form7;
    QCOMPARE(form.windowTitle(), QStringLiteral("エフェクト"));
    QVERIFY(h.sentAtCreation.empty());

    struct Row {
      const char* caption;
      int valueLeft;
      int minimum;
      int maximum;
      int start;
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
      QCOMPARE(bar->minimum(), r.minimum);
      QCOMPARE(bar->maximum(), r.maximum);
      QCOMPARE(bar->value(), r.start);
      QCOMPARE(bar->singleStep(), 1);
      QCOMPARE(bar->pageStep(), 1);
      QCOMPARE(bar->geometry(), QRect(16, 24 + 48 * (row - 1), 153, 17));
      QLabel* caption = Label(form, 2 * row - 1);
      QCOMPARE(caption->text(), QString::fromUtf8(r.caption));
      QCOMPARE(caption->pos(), QPoint(16, 8 + 48 * (row - 1)));
      QLabel* value = Label(form, 2 * row);
      QCOMPARE(value->text(), QString::number(r.start));
      QCOMPARE(value->pos(), QPoint(r.valueLeft, 8 + 48 * (row - 1)));
    }

    const ControllerValues values = form.Values();
    const ControllerValues defaults;
    QCOMPARE(values.velocity, defaults.velocity);
    QCOMPARE(values.modulation, defaults.modulation);
    QCOMPARE(values.reverb, defaults.reverb);
    QCOMPARE(values.chorus, defaults.chorus);
    QCOMPARE(values.delay, defaults.delay);
    QCOMPARE(values.pan, defaults.pan);
    QCOMPARE(values.pitchBend, defaults.pitchBend);
    QCOMPARE(values.bendSensitivity, defaults.bendSensitivity);

    // No settings file: the default geometry.
    QCOMPARE(form.size(), QSize(445, 206));
    QCOMPARE(form.pos(), QPoint(483, 79));
  }

  void eachBarShowsItsValueAndSendsItsMessages() {
    ToneWindowHarness h;
    TForm7& form = *h.ctx.forms.form7;
    struct Move {
      int row;
      int position;
      QString shown;
      Messages sent;
    };
    const Move moves[] = {
        {1, 0, "0", {}},
        {2, 5, "5", {ShortMessage(0xB9, 0x01, 5), ShortMessage(0xB0, 0x01, 5)}},
        {3, 127, "127", {ShortMessage(0xB9, 0x5B, 127), ShortMessage(0xB0, 0x5B, 127)}},
        {4, 64, "64", {ShortMessage(0xB9, 0x5D, 64), ShortMessage(0xB0, 0x5D, 64)}},
        {5, 1, "1", {ShortMessage(0xB9, 0x5E, 1), ShortMessage(0xB0, 0x5E, 1)}},
        {6, -64, "-64", {ShortMessage(0xB9, 0x0A, 0x00), ShortMessage(0xB0, 0x0A, 0x00)}},
        {6, 63, "63", {ShortMessage(0xB9, 0x0A, 0x7F), ShortMessage(0xB0, 0x0A, 0x7F)}},
        {7, -1, "-1", {ShortMessage(0xE0, 0x7F, 0x3F)}},
        {7, 0, "0", {ShortMessage(0xE0, 0x00, 0x40)}},
        {7, -8192, "-8192", {ShortMessage(0xE0, 0x00, 0x00)}},
        {8,
         12,
         "12",
         {ShortMessage(0xB0, 0x65, 0), ShortMessage(0xB0, 0x64, 0), ShortMessage(0xB0, 0x06, 0x0C),
          ShortMessage(0xB0, 0x26, 0), ShortMessage(0xB0, 0x65, 0x7F),
          ShortMessage(0xB0, 0x64, 0x7F)}},
    };
    for (const Move& move : moves) {
      h.backend.Clear();
      Bar(form, move.row)->setValue(move.position);
      QCOMPARE(Label(form, 2 * move.row)->text(), move.shown);
      QCOMPARE(h.backend.ShortMessages(), move.sent);
    }
    QCOMPARE(form.Values().velocity, 0);
    QCOMPARE(form.Values().pitchBend, -8192);

    // A step of the user's arrow moves by one and sends at once.
    h.backend.Clear();
    Bar(form, 6)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Label(form, 12)->text(), QStringLiteral("62"));
    QCOMPARE(h.backend.ShortMessages(),
             (Messages{ShortMessage(0xB9, 0x0A, 126), ShortMessage(0xB0, 0x0A, 126)}));
  }

  void captionClickRestoresTheDefaultAndSendsOnlyOnAChange() {
    ToneWindowHarness h;
    TForm7& form = *h.ctx.forms.form7;
    QLabel* reverbCaption = Label(form, 5);

    QTest::mouseClick(reverbCaption, Qt::LeftButton);
    QCOMPARE(Bar(form, 3)->value(), 40);
    QVERIFY(h.backend.Events().empty());

    Bar(form, 3)->setValue(90);
    h.backend.Clear();
    QTest::mouseClick(reverbCaption, Qt::LeftButton);
    QCOMPARE(Bar(form, 3)->value(), 40);
    QCOMPARE(Label(form, 6)->text(), QStringLiteral("40"));
    QCOMPARE(h.backend.ShortMessages(),
             (Messages{ShortMessage(0xB9, 0x5B, 0x28), ShortMessage(0xB0, 0x5B, 0x28)}));

    // Every caption restores its own bar and leaves the others.
    const int defaults[8] = {100, 0, 40, 0, 0, 0, 0, 2};
    const int moved[8] = {1, 2, 3, 4, 5, -6, 7000, 8};
    for (int row = 1; row <= 8; ++row) Bar(form, row)->setValue(moved[row - 1]);
    for (int row = 1; row <= 8; ++row) {
      QTest::mouseClick(Label(form, 2 * row - 1), Qt::LeftButton);
      for (int other = 1; other <= 8; ++other) {
        const int expected = other <= row ? defaults[other - 1] : moved[other - 1];
        QCOMPARE(Bar(form, other)->value(), expected);
      }
      QCOMPARE(Label(form, 2 * row)->text(), QString::number(defaults[row - 1]));
    }

    // The value labels are not buttons.
    Bar(form, 3)->setValue(90);
    QTest::mouseClick(Label(form, 6), Qt::LeftButton);
    QCOMPARE(Bar(form, 3)->value(), 90);
  }

  void barsSendInEveryModuleType() {
    ToneWindowHarness h;
    TForm7& form = *h.ctx.forms.form7;
    for (std::uint8_t type = 0; type <= 3; ++type) {
      h.ctx.state.ModuleType = type;
      h.backend.Clear();
      Bar(form, 2)->setValue(10 + type);
      QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0xB9, 0x01, 10 + type),
                                                    ShortMessage(0xB0, 0x01, 10 + type)}));
    }
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm7Test)
#include "TForm7Test.moc"
