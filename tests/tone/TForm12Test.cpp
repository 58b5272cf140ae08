#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm12.h"
#include "tone/TForm7.h"
#include "tone/ToneAudition.h"

namespace tonalyx {

class TForm12Test : public QObject {
  Q_OBJECT

  static QString Text(TForm12& form, int number) {
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    if (!label) qFatal("Label%d missing", number);
    return label->text();
  }
  static QStringList Values(TForm12& form) { return {Text(form, 2), Text(form, 4), Text(form, 6)}; }

 private slots:
  void startsWithCaptionsAndEmptyValues() {
    WindowTestWorld h;
    TForm12& form = *h.ctx.forms.form12;
    QCOMPARE(form.windowTitle(), QStringLiteral("情報"));
    const QPoint at[6] = {{8, 8}, {120, 8}, {36, 24}, {120, 24}, {72, 40}, {120, 40}};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))->pos(), at[i]);
    }
    QCOMPARE(QStringList({Text(form, 1), Text(form, 3), Text(form, 5)}),
             QStringList({"プログラムナンバー=", "バンクセレクト=", "楽器名="}));
    QCOMPARE(Values(form), QStringList({"", "", ""}));
    QCOMPARE(form.size(), QSize(290, 93));
    QCOMPARE(form.pos(), QPoint(506, 112));
  }

  void showToneWritesNumbersAndTheNameAsStored() {
    WindowTestWorld h;
    TForm12& form = *h.ctx.forms.form12;
    form.ShowTone(24, 8, "Bass& Lead");
    QCOMPARE(Values(form), QStringList({"24", "8", "Bass& Lead"}));
    // The ampersand is shown, not taken as a mnemonic: wider than without it.
    auto* name = form.findChild<QLabel*>(QStringLiteral("Label6"));
    QLabel plain(QStringLiteral("Bass Lead"));
    plain.setFont(name->font());
    QVERIFY(name->sizeHint().width() > plain.sizeHint().width());

    form.ShowTone(127, 0, "");
    QCOMPARE(Values(form), QStringList({"127", "0", ""}));
  }

  void onlyGsTonesAreShownAndWithTheBarsOfTheMoment() {
    WindowTestWorld h;
    h.ctx.tables.FillNameTables();
    TForm12& info = *h.ctx.forms.form12;
    info.ShowTone(1, 1, "Earlier tone");
    auto* velocity = h.ctx.forms.form7->findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
    SharedState& s = h.ctx.state;
    s.MapIndex = 2;
    s.CurrentProgram = 24;
    s.CurrentBank = 8;
    s.TestNote = 72;
    velocity->setValue(0);
    PlayTone(h.ctx);
    std::vector<std::uint32_t> sent = h.backend.ShortMessages();
    QCOMPARE(sent.size(), std::size_t{16});
    QCOMPARE(sent[2], ShortMessage(0xB0, 0x20, 2));
    QCOMPARE(sent[15], ShortMessage(0x90, 72, 0));
    const std::string_view name = h.ctx.tables.GsTone(25, 8, 2);
    QCOMPARE(Values(info), QStringList({"24", "8", QString::fromLatin1(name.data(), name.size())}));

    // XG, GM and GM2 leave the window as it was; XG and GM send four.
    info.ShowTone(1, 2, "Shown");
    for (std::uint8_t type : {1, 2, 3}) {
      h.backend.Clear();
      s.ModuleType = static_cast<ModuleKind>(type);
      velocity->setValue(type);
      PlayTone(h.ctx);
      sent = h.backend.ShortMessages();
      QCOMPARE(sent.size(), std::size_t{type == 3 ? 0u : 4u});
      if (type != 3) QCOMPARE(sent[3], ShortMessage(0x90, 72, type));
    }
    QCOMPARE(Values(info), QStringList({"1", "2", "Shown"}));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm12Test)
#include "TForm12Test.moc"
