#include <QLabel>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "support/WindowTestWorld.h"
#include "tone/KeyboardKey.h"
#include "tone/TForm8.h"

namespace tonalyx {

using Messages = std::vector<std::uint32_t>;

namespace {
// The shape number of each key, from note 0 to note 115.
const int kShapeOfNote[116] = {
    1,  4,   2,   5,   3,   6,   8,   7,   11,  9,   12,  10,  13,  19,  14,  20,  15, 16,  21, 17,
    22, 18,  24,  23,  25,  33,  26,  34,  27,  28,  35,  29,  36,  30,  37,  31,  32, 43,  38, 44,
    39, 40,  45,  41,  46,  42,  48,  47,  49,  58,  50,  59,  51,  52,  60,  53,  61, 54,  62, 55,
    56, 63,  57,  71,  64,  65,  72,  66,  73,  67,  74,  68,  69,  75,  70,  82,  76, 77,  83, 78,
    84, 79,  85,  80,  81,  92,  86,  93,  87,  88,  94,  89,  95,  90,  96,  91,  97, 104, 98, 105,
    99, 100, 106, 101, 107, 102, 108, 103, 109, 114, 110, 115, 111, 112, 116, 113,
};

Messages PlayedAndReleased(int note) {  // GM: bank, bank, program, note on; release
  return {ShortMessage(0xB0, 0, 0), ShortMessage(0xB0, 0x20, 0), ShortMessage(0xC0, 0, 0),
          ShortMessage(0x90, note, 100), ShortMessage(0x90, note, 0)};
}
}  // namespace

class TForm8Test : public QObject {
  Q_OBJECT

  static KeyboardKey* KeyOf(TForm8& form, int note) {
    const int shape = kShapeOfNote[note];
    auto* key = form.findChild<KeyboardKey*>(QStringLiteral("Shape%1").arg(shape));
    if (!key) qFatal("Shape%d missing", shape);
    return key;
  }
  static bool ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }

 private slots:
  void eachShapePlaysItsNote() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    QCOMPARE(form.windowTitle(), QStringLiteral("鍵盤"));
    QCOMPARE(form.findChildren<KeyboardKey*>().size(), 116);
    h.ctx.state.ModuleType = ModuleKind::kGm;
    for (int note = 0; note < 116; ++note) {
      h.backend.Clear();
      QTest::mousePress(KeyOf(form, note), Qt::LeftButton);
      QCOMPARE(h.ctx.state.TestNote, note);
      QTest::mouseRelease(KeyOf(form, note), Qt::LeftButton);
      QCOMPARE(h.backend.ShortMessages(), PlayedAndReleased(note));
    }
  }

  void keysAreLaidOutLikeAPiano() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    int whites = 0;
    for (int note = 0; note < 116; ++note) {
      const bool black = (0b010101001010 >> (note % 12)) & 1;  // C#, D#, F#, G#, A#
      QCOMPARE(KeyOf(form, note)->IsBlack(), black);
      if (!black) {
        QCOMPARE(KeyOf(form, note)->geometry(), QRect(15 * whites++, 0, 16, 113));
        continue;
      }
      const int offset = (note == 6 || note == 8 || note == 10) ? 11 : 10;
      QCOMPARE(KeyOf(form, note)->geometry(), QRect(15 * (whites - 1) + offset, 0, 10, 73));
    }
    QCOMPARE(whites, 68);
    QCOMPARE(form.findChild<QWidget*>("Shape60")->geometry(), QRect(475, 0, 10, 73));  // note 54

    auto* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("C4"));
    QCOMPARE(label->geometry(), QRect(528, 96, 14, 12));
    form.SetMiddleCLabel(QStringLiteral("C3"));
    QCOMPARE(label->text(), QStringLiteral("C3"));
    QCOMPARE(form.size(), QSize(1029, 140));
    QCOMPARE(form.pos(), QPoint(554, 167));
  }

  void thePressGoesToTheControlInFront() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = ModuleKind::kGm;
    QVERIFY(ShowAndActivate(form));
    const struct {
      QPoint at;
      int note;  // -1: nothing plays
    } hits[] = {{{12, 30}, 1},   {{12, 100}, 0},   {{19, 30}, 1},    {{21, 30}, 2},
                {{532, 50}, 60}, {{530, 100}, -1}, {{1010, 50}, 115}};
    for (const auto& hit : hits) {
      h.backend.Clear();
      QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, hit.at);
      QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, hit.at);
      if (hit.note < 0) {
        QVERIFY(h.backend.Events().empty());
      } else {
        QCOMPARE(h.backend.ShortMessages(), PlayedAndReleased(hit.note));
      }
    }
    QCOMPARE(h.ctx.state.TestNote, 115);
  }

  void anyMouseButtonPlaysButTheKeyboardDoesNot() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = ModuleKind::kGm;
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
      h.backend.Clear();
      QTest::mousePress(KeyOf(form, 61), button);
      QTest::mouseRelease(KeyOf(form, 61), button);
      QCOMPARE(h.backend.ShortMessages(), PlayedAndReleased(61));
    }

    QVERIFY(ShowAndActivate(form));
    h.backend.Clear();
    h.ctx.state.TestNote = 60;
    QCOMPARE(KeyOf(form, 61)->focusPolicy(), Qt::NoFocus);
    for (QWidget* target : {static_cast<QWidget*>(KeyOf(form, 61)), static_cast<QWidget*>(&form)}) {
      QTest::keyClick(target, Qt::Key_Space);
      QTest::keyClick(target, Qt::Key_Return);
    }
    QVERIFY(h.backend.Events().empty());
    QCOMPARE(h.ctx.state.TestNote, 60);

    // GM2: the press only sets the note; the release still sends.
    h.ctx.state.ModuleType = ModuleKind::kGm2;
    QTest::mousePress(KeyOf(form, 30), Qt::LeftButton);
    QCOMPARE(h.ctx.state.TestNote, 30);
    QVERIFY(h.backend.Events().empty());
    QTest::mouseRelease(KeyOf(form, 30), Qt::LeftButton);
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 30, 0)}));
  }

  void aHeldNoteEndsOnceWhenTheWindowIsHidden() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = ModuleKind::kGm2;  // only the releases are sent
    QVERIFY(ShowAndActivate(form));
    QTest::mousePress(KeyOf(form, 40), Qt::LeftButton);
    form.hide();
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 40, 0)}));
    QTest::mouseRelease(KeyOf(form, 40), Qt::LeftButton);  // the late mouse-up adds nothing
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 40, 0)}));
  }

  void tearingTheWindowsDownDuringAHoldEndsTheNote() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = ModuleKind::kGm2;
    QVERIFY(ShowAndActivate(form));
    QTest::mousePress(KeyOf(form, 40), Qt::LeftButton);
    h.forms.reset();  // as at program exit, with no mouse-up to come
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 40, 0)}));
  }

  void aHeldNoteEndsOnceWhenAnotherWindowIsActivated() {
    WindowTestWorld h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = ModuleKind::kGm2;
    QVERIFY(ShowAndActivate(form));
    QTest::mousePress(KeyOf(form, 40), Qt::RightButton);
    QWidget other;
    QVERIFY(ShowAndActivate(other));
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 40, 0)}));
    QTest::mouseRelease(KeyOf(form, 40), Qt::RightButton);
    QCOMPARE(h.backend.ShortMessages(), (Messages{ShortMessage(0x90, 40, 0)}));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm8Test)
#include "TForm8Test.moc"
