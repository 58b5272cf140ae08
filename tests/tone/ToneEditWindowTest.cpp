// The tone edit window over the real windows: live moves and presses, the
// reset button, effect types after a reset, GM, another map, coalesced drags,
// no output, English, and its settings section.

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/TForm1.h"
#include "audition/ToneSequence.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"
#include "tone/ToneEditWindow.h"
#include "ui/MoveThrottle.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;
using Bytes = std::vector<std::uint8_t>;

// Cutoff (NRPN 01 20) at `data`, and the null parameter after it.
Messages CutoffMove(int data) {
  return {ShortMessage(0xB0, 0x63, 0x01), ShortMessage(0xB0, 0x62, 0x20),
          ShortMessage(0xB0, 0x06, data), ShortMessage(0xB0, 0x65, 0x7F),
          ShortMessage(0xB0, 0x64, 0x7F)};
}
const Bytes kRoom3 = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, 0x02, 0x0D, 0xF7};

ToneEditWindow* Open(WindowTestWorld& w) {
  w.ctx.forms.form2->findChild<QAction*>(QStringLiteral("N5"))->trigger();
  return w.ctx.forms.tone_edit;
}
QSlider* Slider(QWidget* window, int row) {
  return window->findChild<QSlider*>(QStringLiteral("TrackBar%1").arg(row));
}
constexpr int kCutoffRow = 4;

// Program button 17 held and let go: what it sent, the release left out.
Messages Press(WindowTestWorld& w) {
  w.backend.Clear();
  QPushButton* button = WindowTestWorld::Button(w.ctx.forms.form2, 17);
  QTest::mousePress(button, Qt::LeftButton);
  const Messages sent = w.backend.ShortMessages();
  QTest::mouseRelease(button, Qt::LeftButton);
  return sent;
}
Messages DesignPress(const WindowTestWorld& w, const Messages& before_note = {}) {
  SharedState state = w.ctx.state;
  state.CurrentProgram = 16;
  const auto design = GsToneMessages(state, state.controllers);
  Messages all(design.begin(), design.end() - 1);
  all.insert(all.end(), before_note.begin(), before_note.end());
  all.push_back(design.back());
  return all;
}

}  // namespace

class ToneEditWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void movesAndPressesSendTheEditsUntilTheResetButtonAndAModuleReset() {
    WindowTestWorld w;
    ToneEditWindow* window = Open(w);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("音色エディット"));
    QVERIFY(w.backend.Events().empty());  // opening sends nothing
    QCOMPARE(Slider(window, kCutoffRow)->minimum(), -64);
    QCOMPARE(Slider(window, kCutoffRow)->maximum(), 63);

    Slider(window, kCutoffRow)->setValue(-20);
    QCOMPARE(w.backend.ShortMessages(), CutoffMove(0x2C));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Value4"))->text(), QStringLiteral("-20"));
    QCOMPARE(Press(w), DesignPress(w, CutoffMove(0x2C)));
    auto* name = w.ctx.forms.form12.Window()->findChild<QLabel*>(QStringLiteral("Label6"));
    QVERIFY(name->text().endsWith(QStringLiteral("（エディット中）")));

    // リセット: back to 0, sent at once; the mark goes, the 40H stays in
    // every press until the module is reset.
    w.backend.Clear();
    QTest::qWait(2 * MoveThrottle::kIntervalMs);
    window->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(w.backend.ShortMessages(), CutoffMove(0x40));
    QVERIFY(!name->text().contains(QStringLiteral("エディット中")));
    QCOMPARE(Press(w), DesignPress(w, CutoffMove(0x40)));
    WindowTestWorld::Button(w.ctx.forms.form1, 1)->click();  // "Tonalyx": GS Reset
    QCOMPARE(Press(w), DesignPress(w));
  }

  void aChosenEffectTypeGoesOutWhenChosenAndFiftyMillisecondsAfterEachReset() {
    WindowTestWorld w;
    ToneEditWindow* window = Open(w);
    auto* reverb = window->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    QCOMPARE(reverb->count(), 9);
    QCOMPARE(reverb->itemText(0), QStringLiteral("音源の既定"));
    QCOMPARE(reverb->itemText(3), QStringLiteral("Room 3"));
    reverb->setCurrentIndex(3);
    emit reverb->activated(3);
    QCOMPARE(w.backend.SysExMessages(), std::vector<Bytes>{kRoom3});

    // A press within the 50 ms sends it first, and the timer nothing more.
    w.backend.Clear();
    WindowTestWorld::Button(w.ctx.forms.form1, 1)->click();
    QVERIFY(w.ctx.after_reset.Waiting());
    QPushButton* button = WindowTestWorld::Button(w.ctx.forms.form2, 17);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
    const auto& events = w.backend.Events();
    QCOMPARE(events[0].bytes, Bytes(GsReset.begin(), GsReset.end()));
    QCOMPARE(events[1].bytes, kRoom3);
    QCOMPARE(events[2].kind, RecordingBackend::Event::Kind::kShort);
    QVERIFY(!w.ctx.after_reset.Waiting());

    // Without a press the timer sends it, after the window thread is free,
    // with a choice made meanwhile (Chorus 1), each once.
    w.backend.Clear();
    QElapsedTimer clock;
    clock.start();
    WindowTestWorld::Button(w.ctx.forms.form1, 1)->click();
    emit window->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->activated(1);
    QCOMPARE(w.backend.SysExMessages().size(), std::size_t{1});
    QTRY_COMPARE(w.backend.SysExMessages().size(), std::size_t{3});
    QVERIFY(clock.elapsed() >= ResetFollowUp::kSettleMs);
    QCOMPARE(w.backend.SysExMessages()[1], kRoom3);
    QCOMPARE(w.backend.SysExMessages()[2][8], 0x00);  // chorus macro 0
    QTest::qWait(2 * ResetFollowUp::kSettleMs);
    QCOMPARE(w.backend.SysExMessages().size(), std::size_t{3});

    // Back to the module's default: Hall 2 undoes Room 3.
    emit reverb->activated(0);
    QCOMPARE(w.backend.SysExMessages().back(),
             Bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, 0x04, 0x0B, 0xF7}));
  }

  void anotherMapClampsAndGmHasNoParameters() {
    WindowTestWorld w;
    ToneEditWindow* window = Open(w);
    Slider(window, kCutoffRow)->setValue(63);
    w.backend.Clear();
    // The SC-55 map takes -50..+50: the value follows without a send.
    w.ctx.forms.form9.Window()->findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->click();
    QCOMPARE(Slider(window, kCutoffRow)->maximum(), 50);
    QCOMPARE(Slider(window, kCutoffRow)->value(), 50);
    QCOMPARE(w.ctx.edits.Part(PartParameter::kCutoff), 50);
    QVERIFY(w.backend.Events().empty());

    w.TypeItem(2)->click();  // GM
    auto* note = window->findChild<QLabel*>(QStringLiteral("NoParameters"));
    QVERIFY(note->isVisible());
    QVERIFY(note->text().startsWith(QStringLiteral("GM ")));
    QVERIFY(!Slider(window, kCutoffRow)->isEnabled());
    QVERIFY(!window->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->isEnabled());
    w.backend.Clear();
    const Messages gm = Press(w);
    QCOMPARE(gm.size(), std::size_t{4});  // the design's GM press alone
    w.TypeItem(0)->click();               // GS again: the value is still there
    QVERIFY(!note->isVisible());
    QCOMPARE(Slider(window, kCutoffRow)->value(), 50);
  }

  void aDragSendsAtMostOneNrpnEveryTenMillisecondsAndEndsOnItsLastValue() {
    WindowTestWorld w;
    QSlider* cutoff = Slider(Open(w), kCutoffRow);
    QElapsedTimer clock;
    clock.start();
    for (int value = 1; value <= 60; ++value) cutoff->setValue(value);
    const qint64 dragged = clock.elapsed();
    const auto sends = [&] { return w.backend.ShortMessages().size() / CutoffMove(0).size(); };
    QVERIFY2(sends() <= static_cast<std::size_t>(dragged / MoveThrottle::kIntervalMs + 1),
             qPrintable(QStringLiteral("%1 sends in %2 ms").arg(sends()).arg(dragged)));
    const auto last_send = [&] {
      const Messages all = w.backend.ShortMessages();
      return Messages(all.end() - 5, all.end());
    };
    QTRY_COMPARE(last_send(), CutoffMove(64 + 60));
  }

  void withoutAnOutputTheWindowWorksAndSendsNothing() {
    WindowTestWorld w;
    w.ctx.port.ClosePort();
    w.backend.Clear();
    ToneEditWindow* window = Open(w);
    Slider(window, kCutoffRow)->setValue(30);
    emit window->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->activated(5);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Value4"))->text(), QStringLiteral("+30"));
    QTest::qWait(3 * MoveThrottle::kIntervalMs);
    QVERIFY(w.backend.Events().empty());
  }

  void itsPlaceIsStoredOnlyOnceItWasOpened() {
    const auto stored = [](bool open) {
      WindowTestWorld w;
      if (open) Open(w)->move(300, 200);
      w.ctx.forms.form1->close();
      std::ifstream in(w.path);
      std::stringstream text;
      text << in.rdbuf();
      return text.str();
    };
    QVERIFY(stored(false).find("[ToneEdit]") == std::string::npos);
    const std::string with = stored(true);
    QVERIFY(with.find("[ToneEdit]") != std::string::npos);
    QVERIFY(with.find("Left=300") != std::string::npos);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::ToneEditWindowTest)
#include "ToneEditWindowTest.moc"
