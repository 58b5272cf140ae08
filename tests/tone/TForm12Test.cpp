#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "tone/TForm12.h"
#include "tone/TForm7.h"
#include "tone/ToneAudition.h"
#include "tone/ToneSequence.h"
#include "tone/ToneWindowHarness.h"

namespace tonalyx {

using Messages = std::vector<std::uint32_t>;

class TForm12Test : public QObject {
  Q_OBJECT

 private:
  static QLabel* Label(TForm12& form, int number) {
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    if (!label) qFatal("Label%d missing", number);
    return label;
  }
  static QString Shown(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  }

 private slots:
  void startsWithCaptionsAndEmptyValues() {
    ToneWindowHarness h;
    TForm12& form = *h.ctx.forms.form12;
    QCOMPARE(form.windowTitle(), QStringLiteral("情報"));
    struct Expected {
      QPoint at;
      QString text;
    };
    const Expected labels[6] = {
        {{8, 8}, QStringLiteral("プログラムナンバー=")}, {{120, 8}, QString()},
        {{36, 24}, QStringLiteral("バンクセレクト=")},   {{120, 24}, QString()},
        {{72, 40}, QStringLiteral("楽器名=")},           {{120, 40}, QString()},
    };
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(Label(form, i + 1)->pos(), labels[i].at);
      QCOMPARE(Label(form, i + 1)->text(), labels[i].text);
    }
    QCOMPARE(form.size(), QSize(290, 93));
    QCOMPARE(form.pos(), QPoint(506, 112));
  }

  void showToneWritesNumbersAndTheNameAsStored() {
    ToneWindowHarness h;
    TForm12& form = *h.ctx.forms.form12;
    form.ShowTone(24, 8, "Bass& Lead");
    QCOMPARE(Label(form, 2)->text(), QStringLiteral("24"));
    QCOMPARE(Label(form, 4)->text(), QStringLiteral("8"));
    QCOMPARE(Label(form, 6)->text(), QStringLiteral("Bass& Lead"));
    // Shown with its ampersand: wider than the same name without it.
    QLabel plain(QStringLiteral("Bass Lead"));
    plain.setFont(Label(form, 6)->font());
    QVERIFY(Label(form, 6)->sizeHint().width() > plain.sizeHint().width());

    form.ShowTone(127, 127, "");
    QCOMPARE(Label(form, 2)->text(), QStringLiteral("127"));
    QCOMPARE(Label(form, 4)->text(), QStringLiteral("127"));
    QCOMPARE(Label(form, 6)->text(), QString());
  }

  void gsToneSendsItsSixteenAndShowsTheTone() {
    ToneWindowHarness h;
    h.ctx.tables.FillNameTables();
    TForm7& controls = *h.ctx.forms.form7;
    controls.findChild<QScrollBar*>(QStringLiteral("ScrollBar6"))->setValue(-64);
    controls.findChild<QScrollBar*>(QStringLiteral("ScrollBar7"))->setValue(8191);
    controls.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"))->setValue(0);
    h.backend.Clear();
    h.ctx.forms.form12->ShowTone(1, 1, "Earlier tone");

    SharedState& s = h.ctx.state;
    s.ModuleType = 0;
    s.MapIndex = 2;
    s.CurrentProgram = 24;
    s.CurrentBank = 8;
    s.TestNote = 72;
    PlayTone(h.ctx);
    const Messages sent = h.backend.ShortMessages();
    QCOMPARE(sent.size(), std::size_t{16});
    QCOMPARE(sent[1], ShortMessage(0xB0, 0x00, 8));
    QCOMPARE(sent[2], ShortMessage(0xB0, 0x20, 2));
    QCOMPARE(sent[3], ShortMessage(0xC0, 24, 0));
    QCOMPARE(sent[13], ShortMessage(0xB0, 0x0A, 0x00));
    QCOMPARE(sent[14], ShortMessage(0xE0, 0x7F, 0x7F));
    QCOMPARE(sent[15], ShortMessage(0x90, 72, 0));

    TForm12& info = *h.ctx.forms.form12;
    QCOMPARE(Label(info, 2)->text(), QStringLiteral("24"));
    QCOMPARE(Label(info, 4)->text(), QStringLiteral("8"));
    QCOMPARE(Label(info, 6)->text(), Shown(h.ctx.tables.GsTone(25, 8, 2)));

    h.backend.Clear();
    ReleaseTone(h.ctx);
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 72, 0)}));
  }

  void otherModuleTypesLeaveTheWindowAsItWas() {
    ToneWindowHarness h;
    TForm12& info = *h.ctx.forms.form12;
    SharedState& s = h.ctx.state;
    info.ShowTone(1, 2, "Shown");
    s.CurrentProgram = 40;
    s.CurrentBank = 16;

    s.ModuleType = 1;
    PlayTone(h.ctx);
    QCOMPARE(h.backend.ShortMessages(),
             (Messages{ShortMessage(0xB0, 0x00, 0), ShortMessage(0xB0, 0x20, 16),
                       ShortMessage(0xC0, 40, 0), ShortMessage(0x90, 60, 100)}));

    h.backend.Clear();
    s.ModuleType = 2;
    PlayTone(h.ctx);
    QCOMPARE(h.backend.ShortMessages(),
             (Messages{ShortMessage(0xB0, 0x00, 0), ShortMessage(0xB0, 0x20, 0),
                       ShortMessage(0xC0, 40, 0), ShortMessage(0x90, 60, 100)}));

    h.backend.Clear();
    s.ModuleType = 3;
    PlayTone(h.ctx);
    QVERIFY(h.backend.Events().empty());
    ReleaseTone(h.ctx);
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 60, 0)}));

    QCOMPARE(Label(info, 2)->text(), QStringLiteral("1"));
    QCOMPARE(Label(info, 4)->text(), QStringLiteral("2"));
    QCOMPARE(Label(info, 6)->text(), QStringLiteral("Shown"));
  }

  void theBarsAreReadAtTheMomentOfThePress() {
    ToneWindowHarness h;
    QScrollBar* velocity = h.ctx.forms.form7->findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
    h.ctx.state.ModuleType = 2;
    velocity->setValue(1);
    PlayTone(h.ctx);
    velocity->setValue(127);
    PlayTone(h.ctx);
    const Messages sent = h.backend.ShortMessages();
    QCOMPARE(sent.size(), std::size_t{8});
    QCOMPARE(sent[3], ShortMessage(0x90, 60, 1));
    QCOMPARE(sent[7], ShortMessage(0x90, 60, 127));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm12Test)
#include "TForm12Test.moc"
