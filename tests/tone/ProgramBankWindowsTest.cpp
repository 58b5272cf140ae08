// The program number window and the bank select window: what their buttons
// send, how their captions follow the module type, and their menu.

#include <QAction>
#include <QEnterEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <vector>

#include "app/FormSet.h"
#include "app/TForm1.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "midi/TonePreload.h"
#include "settings/SettingsFile.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;

// Channel 1 sequence of a GS press with the controller window at its start
// values: modulation, bank select, program, bend range, effects, pan, bend, note.
Messages GsSequence(int program, int bank, int map) {
  return {ShortMessage(0xB0, 0x01, 0),    ShortMessage(0xB0, 0x00, bank),
          ShortMessage(0xB0, 0x20, map),  ShortMessage(0xC0, program, 0),
          ShortMessage(0xB0, 0x65, 0),    ShortMessage(0xB0, 0x64, 0),
          ShortMessage(0xB0, 0x06, 2),    ShortMessage(0xB0, 0x26, 0),
          ShortMessage(0xB0, 0x65, 0x7F), ShortMessage(0xB0, 0x64, 0x7F),
          ShortMessage(0xB0, 0x5B, 40),   ShortMessage(0xB0, 0x5E, 0),
          ShortMessage(0xB0, 0x5D, 0),    ShortMessage(0xB0, 0x0A, 64),
          ShortMessage(0xE0, 0, 64),      ShortMessage(0x90, 60, 100)};
}
Messages XgSequence(int program, int bank) {
  return {ShortMessage(0xB0, 0x00, 0), ShortMessage(0xB0, 0x20, bank),
          ShortMessage(0xC0, program, 0), ShortMessage(0x90, 60, 100)};
}
Messages GmSequence(int program) {
  return {ShortMessage(0xB0, 0x00, 0), ShortMessage(0xB0, 0x20, 0), ShortMessage(0xC0, program, 0),
          ShortMessage(0x90, 60, 100)};
}
const std::uint32_t kRelease = ShortMessage(0x90, 60, 0);

// A recording backend that also records what it is asked to get ready.
struct PreloadRecorder : RecordingBackend, TonePreloading {
  void Preload(std::span<const std::uint32_t> press) override {
    preloads.emplace_back(press.begin(), press.end());
  }
  std::vector<Messages> preloads;
};

Messages Append(Messages messages, std::uint32_t last) {
  messages.push_back(last);
  return messages;
}

}  // namespace

class ProgramBankWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowTestWorld> w_;

  QPushButton* ProgramButton(int n) { return w_->Button(w_->ctx.forms.form2, n); }
  QPushButton* BankButton(int n) { return w_->Button(w_->ctx.forms.form6, n); }
  void ChooseType(int id) {
    w_->TypeItem(id)->click();
    QCOMPARE(w_->ctx.forms.form3->Selection(), id);
  }
  // Presses and releases a button, returning what reached the backend.
  Messages Press(QPushButton* button, Qt::MouseButton mouse) {
    w_->backend.Clear();
    QTest::mousePress(button, mouse);
    QTest::mouseRelease(button, mouse);
    return w_->backend.ShortMessages();
  }

 private slots:
  void init() { w_ = std::make_unique<WindowTestWorld>(); }
  void cleanup() { w_.reset(); }

  void buttonsFollowTheLayout() {
    struct Spot {
      int n, left, top;
    };
    for (const Spot& s : {Spot{1, 8, 0}, Spot{16, 8, 240}, Spot{17, 184, 0}, Spot{64, 536, 240},
                          Spot{65, 8, 264}, Spot{128, 536, 504}}) {
      QPushButton* program = ProgramButton(s.n);
      QVERIFY2(program, qPrintable(QStringLiteral("program Button%1").arg(s.n)));
      QCOMPARE(program->geometry(), QRect(s.left, s.top, 177, 17));
      QPushButton* bank = BankButton(s.n);
      QVERIFY2(bank, qPrintable(QStringLiteral("bank Button%1").arg(s.n)));
      QCOMPARE(bank->geometry(), QRect(s.left, s.top + 8, 177, 17));
    }
    QCOMPARE(w_->ctx.forms.form6->size(), QSize(729, 562));
    QCOMPARE(w_->ctx.forms.form6->pos(), QPoint(287, 187));
    QVERIFY(!ProgramButton(129));
    QVERIFY(!BankButton(0));
  }

  void programButtonsPlayTheirProgramInEveryType() {
    for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
      init();
      w_->ctx.state.CurrentBank = 8;
      QCOMPARE(Press(ProgramButton(17), mouse), Append(GsSequence(16, 8, 4), kRelease));
      QCOMPARE(w_->ctx.state.CurrentProgram, 16);
      QCOMPARE(Press(ProgramButton(1), mouse), Append(GsSequence(0, 8, 4), kRelease));
      ChooseType(1);
      QCOMPARE(Press(ProgramButton(128), mouse), Append(XgSequence(127, 8), kRelease));
      ChooseType(2);
      QCOMPARE(Press(ProgramButton(17), mouse), Append(GmSequence(16), kRelease));
      ChooseType(3);
      QCOMPARE(Press(ProgramButton(17), mouse), Messages{kRelease});
      QCOMPARE(w_->ctx.state.CurrentProgram, 16);
    }
  }

  void bankButtonsPlayTheCurrentProgramInTheirBank() {
    for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
      init();
      // Before any program button: program 0.
      QCOMPARE(Press(BankButton(9), mouse), Append(GsSequence(0, 8, 4), kRelease));
      QCOMPARE(w_->ctx.state.CurrentBank, 8);
      w_->ctx.state.CurrentProgram = 40;
      QCOMPARE(Press(BankButton(128), mouse), Append(GsSequence(40, 127, 4), kRelease));
      ChooseType(1);
      QCOMPARE(Press(BankButton(1), mouse), Append(XgSequence(40, 0), kRelease));
      QCOMPARE(Press(BankButton(33), mouse), Append(XgSequence(40, 32), kRelease));
      ChooseType(2);
      QCOMPARE(Press(BankButton(33), mouse), Append(GmSequence(40), kRelease));
      QCOMPARE(w_->ctx.state.CurrentBank, 32);
      ChooseType(3);
      QCOMPARE(Press(BankButton(5), mouse), Messages{kRelease});
    }
  }

  // The pointer entering a button asks a backend that preloads for exactly
  // what the press then sends, in the type in force, and sends nothing itself;
  // the state stays as it was until the press.
  void enteringAButtonPreloadsWhatItsPressSends() {
    PreloadRecorder recorder;
    QTemporaryDir dir;
    AppContext ctx(recorder, (dir.path() + QStringLiteral("/tonalyx.ini")).toStdString());
    ctx.sleep_ms = [](int) {};
    ctx.show_message = [](const std::string&) {};
    FormSet forms(ctx);
    QVERIFY(ctx.port.IsOpen() || ctx.port.OpenPort(0));
    const auto enter_then_press = [&](QWidget* window, int n) {
      QPushButton* button = WindowTestWorld::Button(window, n);
      recorder.preloads.clear();
      recorder.Clear();
      QEnterEvent event(QPointF(4, 4), QPointF(4, 4), button->mapToGlobal(QPointF(4, 4)));
      QApplication::sendEvent(button, &event);
      QVERIFY(recorder.Events().empty());
      QCOMPARE(ctx.state.CurrentProgram, 0);
      QCOMPARE(ctx.state.CurrentBank, 0);
      QTest::mousePress(button, Qt::LeftButton);
      QTest::mouseRelease(button, Qt::LeftButton);
      Messages sent = recorder.ShortMessages();
      sent.pop_back();  // the release
      QCOMPARE(recorder.preloads, std::vector<Messages>{sent});
      ctx.state.CurrentProgram = 0;
      ctx.state.CurrentBank = 0;
    };
    enter_then_press(ctx.forms.form2, 17);
    enter_then_press(ctx.forms.form6, 9);
    ctx.state.ModuleType = ModuleKind::kXg;
    enter_then_press(ctx.forms.form2, 3);
    ctx.state.ModuleType = ModuleKind::kGm;
    enter_then_press(ctx.forms.form6, 3);
  }

  void keyboardActivationPlaysNothing() {
    for (QPushButton* button : {ProgramButton(17), BankButton(9)}) {
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Space);
      QTest::keyClick(button, Qt::Key_Return);
    }
    QVERIFY(w_->backend.Events().empty());
    QCOMPARE(w_->ctx.state.CurrentProgram, 0);
    QCOMPARE(w_->ctx.state.CurrentBank, 0);
  }

  void hidingTheWindowDuringAHoldReleasesOnce() {
    TForm2* form2 = w_->ctx.forms.form2;
    form2->show();
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    QTest::mousePress(ProgramButton(17), Qt::LeftButton);
    w_->backend.Clear();
    form2->hide();
    QTest::mouseRelease(ProgramButton(17), Qt::LeftButton);
    QCOMPARE(w_->backend.ShortMessages(), Messages{kRelease});
  }

  void closingTheWindowsDuringHoldsEndsEveryNote() {
    w_->ctx.forms.form2->show();
    w_->ctx.forms.form6->show();
    QTest::mousePress(ProgramButton(17), Qt::LeftButton);
    QTest::mousePress(BankButton(3), Qt::RightButton);
    w_->backend.Clear();
    w_->forms.reset();  // as at program exit, with no mouse-up to come
    QCOMPARE(w_->backend.ShortMessages(), (Messages{kRelease, kRelease}));
  }

  void pressesCaptionBothWindowsFromTheBankAndProgramInForce() {
    const NameTables& names = w_->ctx.tables;
    // Bank 8, GS map 4: every program button shows its bank-8 name, blanks
    // included, and the bank window shows program 16's variations.
    QTest::mousePress(BankButton(9), Qt::LeftButton);
    QTest::mouseRelease(BankButton(9), Qt::LeftButton);
    QTest::mousePress(ProgramButton(17), Qt::LeftButton);
    QTest::mouseRelease(ProgramButton(17), Qt::LeftButton);
    int blanks = 0;
    for (int n = 1; n <= 128; ++n) {
      QCOMPARE(ProgramButton(n)->text(), Shown(names.GsTone(n, 8, 4)));
      blanks += names.GsTone(n, 8, 4).empty();
      QCOMPARE(BankButton(n)->text(), Shown(names.GsTone(17, n - 1, 4)));
    }
    QVERIFY(blanks > 0 && blanks < 128);
    QVERIFY(!names.GsTone(17, 8, 4).empty());

    // XG: the XG table by program value, for XgMapIndex.
    ChooseType(1);
    w_->ctx.state.XgMapIndex = 2;
    QTest::mousePress(BankButton(1), Qt::LeftButton);
    QTest::mouseRelease(BankButton(1), Qt::LeftButton);
    for (int n = 1; n <= 128; ++n) {
      QCOMPARE(ProgramButton(n)->text(), Shown(names.XgTone(n - 1, 0, 2)));
      QCOMPARE(BankButton(n)->text(), Shown(names.XgTone(16, n - 1, 2)));
    }

    // GM: pressing plays but leaves every caption as it was.
    const QString program5 = ProgramButton(5)->text();
    const QString bank1 = BankButton(1)->text();
    ChooseType(2);
    QTest::mousePress(BankButton(9), Qt::LeftButton);
    QTest::mouseRelease(BankButton(9), Qt::LeftButton);
    QCOMPARE(ProgramButton(5)->text(), program5);
    QCOMPARE(BankButton(1)->text(), bank1);
  }

  void ampersandInANameIsShownNotTakenAsMnemonic() {
    const NameTables& names = w_->ctx.tables;
    w_->ctx.state.MapIndex = 0;
    w_->ctx.forms.form2->RefreshProgramCaptions();
    int found = 0;
    for (int n = 1; n <= 128; ++n) {
      if (names.GsTone(n, 0, 0) != "Bass& Lead") continue;
      ++found;
      const QString text = ProgramButton(n)->text();
      QCOMPARE(text, QStringLiteral("Bass&& Lead"));
      QVERIFY(QKeySequence::mnemonic(text).isEmpty());
    }
    QCOMPARE(found, 1);
  }

  void openingTheProgramWindowCaptionsOnlyItsButtons() {
    w_->ctx.forms.form1->Button1Click();
    QVERIFY(w_->ctx.forms.form2->isVisible());
    QCOMPARE(w_->backend.SysExMessages().size(), std::size_t{1});
    QCOMPARE(w_->backend.SysExMessages()[0],
             std::vector<std::uint8_t>(GsReset.begin(), GsReset.end()));
    for (int n = 1; n <= 128; ++n) {
      QCOMPARE(ProgramButton(n)->text(), Shown(w_->ctx.tables.GsTone(n, 0, 4)));
      QVERIFY(BankButton(n)->text().isEmpty());
    }
  }

  // Opening a window from the menu captions nothing and sends nothing.
  void menuOpensTheCompanionWindows() {
    TForm2* form2 = w_->ctx.forms.form2;
    QVERIFY(form2->findChild<QMenuBar*>(QStringLiteral("MainMenu1")));
    auto* menu = form2->findChild<QMenu*>(QStringLiteral("Window1"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("ウィンドウ"));
    const QList<QAction*> items = menu->actions();
    // The fifth item opens the tone finder, the sixth the tone edit window,
    // tested with them; the favourites' items follow, tested with the
    // favourites.
    QCOMPARE(items.at(4)->objectName(), QStringLiteral("N4"));
    QCOMPARE(items.at(5)->objectName(), QStringLiteral("N5"));
    const QStringList names{"MSB1", "N1", "N2", "N3"};
    const QStringList captions{QStringLiteral("バンクセレクトMSB"), QStringLiteral("エフェクト"),
                               QStringLiteral("鍵盤"), QStringLiteral("情報")};
    const Forms& f = w_->ctx.forms;
    const QList<QWidget*> opened{f.form6, f.form7, f.form8, f.form12};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(items[i]->objectName(), names[i]);
      QCOMPARE(items[i]->text(), captions[i]);
      QVERIFY(!opened[i]->isVisible());
      items[i]->trigger();
      QVERIFY(opened[i]->isVisible());
    }
    for (int n = 1; n <= 128; ++n) QVERIFY(BankButton(n)->text().isEmpty());
    QVERIFY(w_->backend.Events().empty());
  }

  void hideAndCloseStoreTheProgramWindowGeometry() {
    TForm2* form2 = w_->ctx.forms.form2;
    QCOMPARE(form2->size(), QSize(731, 579));
    form2->show();
    form2->resize(640, 480);
    form2->hide();
    SettingsFile saved = SettingsFile::Open(w_->ctx.settings_path);
    QCOMPARE(saved.ReadInteger("Window2", "Width", 0), 640);
    QCOMPARE(saved.ReadInteger("Window2", "Height", 0), 480);

    form2->show();
    form2->resize(600, 400);
    form2->close();
    QVERIFY(!form2->isVisible());
    saved = SettingsFile::Open(w_->ctx.settings_path);
    QCOMPARE(saved.ReadInteger("Window2", "Width", 0), 600);
    QCOMPARE(saved.ReadInteger("Window2", "Height", 0), 400);
    QCOMPARE(saved.ReadInteger("Window2", "Left", -1), form2->x());
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::ProgramBankWindowsTest)
#include "ProgramBankWindowsTest.moc"
