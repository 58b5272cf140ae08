#include <QLabel>
#include <QtTest>
#include <vector>

#include "midi/ShortMessage.h"
#include "tone/KeyboardKey.h"
#include "tone/TForm8.h"
#include "tone/ToneWindowHarness.h"

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

bool IsBlackNote(int note) {
  switch (note % 12) {
    case 1:
    case 3:
    case 6:
    case 8:
    case 10:
      return true;
    default:
      return false;
  }
}
}  // namespace

class TForm8Test : public QObject {
  Q_OBJECT

 private:
  static KeyboardKey* Shape(TForm8& form, int number) {
    auto* key = form.findChild<KeyboardKey*>(QStringLiteral("Shape%1").arg(number));
    if (!key) qFatal("Shape%d missing", number);
    return key;
  }
  static KeyboardKey* KeyOf(TForm8& form, int note) { return Shape(form, kShapeOfNote[note]); }
  static Messages Release(int note) { return {ShortMessage(0x90, note, 0)}; }

  static void ShowAndActivate(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

 private slots:
  void eachShapePlaysItsNote() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    QCOMPARE(form.windowTitle(), QStringLiteral("鍵盤"));
    QCOMPARE(form.findChildren<KeyboardKey*>().size(), 116);
    h.ctx.state.ModuleType = 2;  // GM: four messages, the last the note on
    for (int note = 0; note < 116; ++note) {
      KeyboardKey* key = KeyOf(form, note);
      h.backend.Clear();
      QTest::mousePress(key, Qt::LeftButton);
      QCOMPARE(h.ctx.state.TestNote, note);
      const Messages sent = h.backend.ShortMessages();
      QCOMPARE(sent.size(), std::size_t{4});
      QCOMPARE(sent.back(), ShortMessage(0x90, note, 100));
      h.backend.Clear();
      QTest::mouseRelease(key, Qt::LeftButton);
      QCOMPARE(h.backend.ShortMessages(), Release(note));
    }
  }

  void keysAreLaidOutLikeAPiano() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    int whiteIndex = 0;
    for (int note = 0; note < 116; ++note) {
      KeyboardKey* key = KeyOf(form, note);
      if (IsBlackNote(note)) {
        QVERIFY(key->IsBlack());
        // whiteIndex - 1 is the white key just below.
        const bool lowestFGA = note == 6 || note == 8 || note == 10;
        QCOMPARE(key->geometry(), QRect(15 * (whiteIndex - 1) + (lowestFGA ? 11 : 10), 0, 10, 73));
      } else {
        QVERIFY(!key->IsBlack());
        QCOMPARE(key->geometry(), QRect(15 * whiteIndex, 0, 16, 113));
        ++whiteIndex;
      }
    }
    QCOMPARE(whiteIndex, 68);
    QCOMPARE(Shape(form, 1)->x(), 0);
    QCOMPARE(Shape(form, 60)->Note(), 54);
    QCOMPARE(Shape(form, 60)->geometry(), QRect(475, 0, 10, 73));
    QCOMPARE(Shape(form, 113)->Note(), 115);
    QCOMPARE(Shape(form, 113)->x(), 15 * 67);

    QLabel* label = form.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("C4"));
    QCOMPARE(label->geometry(), QRect(528, 96, 14, 12));
    QVERIFY(KeyOf(form, 60)->geometry().contains(label->geometry().topLeft()));
    form.SetMiddleCLabel(QStringLiteral("C3"));
    QCOMPARE(label->text(), QStringLiteral("C3"));

    QCOMPARE(form.size(), QSize(1029, 140));
    QCOMPARE(form.pos(), QPoint(554, 167));
  }

  void thePressGoesToTheControlInFront() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = 2;
    ShowAndActivate(form);
    QWindow* window = form.windowHandle();

    struct Hit {
      QPoint at;
      int note;  // -1: nothing plays
    };
    const Hit hits[] = {
        {{12, 30}, 1},     // C sharp over C and D
        {{12, 100}, 0},    // C below the black key
        {{19, 30}, 1},     // C sharp over D
        {{21, 30}, 2},     // D beside it
        {{532, 50}, 60},   // middle C above its label
        {{530, 100}, -1},  // the label itself
        {{1010, 50}, 115},
    };
    for (const Hit& hit : hits) {
      h.ctx.state.TestNote = 60;
      h.backend.Clear();
      QTest::mousePress(window, Qt::LeftButton, {}, hit.at);
      QTest::mouseRelease(window, Qt::LeftButton, {}, hit.at);
      if (hit.note < 0) {
        QVERIFY2(h.backend.Events().empty(), qPrintable(QString::number(hit.at.x())));
        continue;
      }
      QCOMPARE(h.ctx.state.TestNote, hit.note);
      const Messages sent = h.backend.ShortMessages();
      QCOMPARE(sent.size(), std::size_t{5});
      QCOMPARE(sent[3], ShortMessage(0x90, hit.note, 100));
      QCOMPARE(sent[4], ShortMessage(0x90, hit.note, 0));
    }
  }

  void anyMouseButtonPlaysAndTheKeyboardDoesNot() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = 1;  // XG
    KeyboardKey* key = KeyOf(form, 61);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      h.backend.Clear();
      QTest::mousePress(key, button);
      QTest::mouseRelease(key, button);
      const Messages sent = h.backend.ShortMessages();
      QCOMPARE(sent.size(), std::size_t{5});
      QCOMPARE(sent[3], ShortMessage(0x90, 61, 100));
      QCOMPARE(sent[4], ShortMessage(0x90, 61, 0));
    }

    ShowAndActivate(form);
    h.backend.Clear();
    h.ctx.state.TestNote = 60;
    QCOMPARE(key->focusPolicy(), Qt::NoFocus);
    for (QWidget* target : {static_cast<QWidget*>(key), static_cast<QWidget*>(&form)}) {
      QTest::keyClick(target, Qt::Key_Space);
      QTest::keyClick(target, Qt::Key_Return);
    }
    QVERIFY(h.backend.Events().empty());
    QCOMPARE(h.ctx.state.TestNote, 60);
  }

  void gm2PressOnlySetsTheNoteAndTheReleaseStillSends() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = 3;
    QTest::mousePress(KeyOf(form, 30), Qt::LeftButton);
    QCOMPARE(h.ctx.state.TestNote, 30);
    QVERIFY(h.backend.Events().empty());
    QTest::mouseRelease(KeyOf(form, 30), Qt::LeftButton);
    QCOMPARE(h.backend.ShortMessages(), Release(30));
  }

  void aHeldNoteEndsOnceWhenTheWindowGoesAway() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = 3;  // only the releases are sent
    ShowAndActivate(form);

    KeyboardKey* key = KeyOf(form, 40);
    QTest::mousePress(key, Qt::LeftButton);
    form.hide();
    QCOMPARE(h.backend.ShortMessages(), Release(40));
    QTest::mouseRelease(key, Qt::LeftButton);  // the late mouse-up sends nothing more
    QCOMPARE(h.backend.ShortMessages(), Release(40));
  }

  void aHeldNoteEndsOnceWhenAnotherWindowIsActivated() {
    ToneWindowHarness h;
    TForm8& form = *h.ctx.forms.form8;
    h.ctx.state.ModuleType = 3;
    ShowAndActivate(form);
    KeyboardKey* key = KeyOf(form, 40);
    QTest::mousePress(key, Qt::RightButton);
    QWidget other;
    ShowAndActivate(other);
    QCOMPARE(h.backend.ShortMessages(), Release(40));
    QTest::mouseRelease(key, Qt::RightButton);
    QCOMPARE(h.backend.ShortMessages(), Release(40));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm8Test)
#include "TForm8Test.moc"
