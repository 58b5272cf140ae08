// The module type window, the two map windows and the routines that apply a
// module type: what each choice changes, refreshes and sends.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <vector>

#include "drum/TForm4.h"
#include "midi/ResetMessages.h"
#include "modules/ModuleTypeActions.h"
#include "modules/TForm10.h"
#include "modules/TForm9.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {
using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& message) {
  return Bytes(message.begin(), message.end());
}
}  // namespace

class ModuleWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowTestWorld> w_;

  TForm3* Form3() { return w_->ctx.forms.form3; }
  QAbstractButton* Item(int id) { return w_->TypeItem(id); }
  QString ProgramCaption(int n) { return w_->Button(w_->ctx.forms.form2, n)->text(); }
  QString BankCaption(int n) { return w_->Button(w_->ctx.forms.form6, n)->text(); }
  QString KeyboardLabel() {
    return w_->ctx.forms.form8->findChild<QLabel*>(QStringLiteral("Label1"))->text();
  }
  bool MenusEnabled() {
    auto* msb1 = w_->ctx.forms.form2->findChild<QAction*>(QStringLiteral("MSB1"));
    auto* n1 = w_->ctx.forms.form2->findChild<QAction*>(QStringLiteral("N1"));
    if (msb1->isEnabled() != n1->isEnabled()) qFatal("MSB1 and N1 disagree");
    return msb1->isEnabled();
  }
  // True when every program caption is the XG (or GS) name of its program
  // in `bank` for `map`.
  bool ProgramCaptionsAre(bool xg, int bank = 0, int map = -1) {
    const NameTables& t = w_->ctx.tables;
    if (map < 0) map = xg ? 0 : 4;
    for (int n = 1; n <= 128; ++n) {
      const std::string_view name = xg ? t.XgTone(n - 1, bank, map) : t.GsTone(n, bank, map);
      if (ProgramCaption(n) != Shown(name)) return false;
    }
    return true;
  }
  QString DrumCaption(int n) { return w_->Button(w_->ctx.forms.form4, n)->text(); }
  // Drum button n shows note n - 1 of kit 0: GS names for `gs_map`, or XG names.
  bool DrumCaptionsAre(bool xg, int gs_map = 4) {
    const NameTables& t = w_->ctx.tables;
    int named = 0;
    for (int n = 1; n <= 128; ++n) {
      const std::string_view name = xg ? t.XgDrum(0, n - 1) : t.GsDrum(0, n - 1, gs_map);
      if (DrumCaption(n) != Shown(name)) return false;
      named += !name.empty();
    }
    return named > 0;
  }
  bool DrumsBlank() {
    for (int n = 1; n <= 128; ++n)
      if (!DrumCaption(n).isEmpty()) return false;
    return true;
  }
  bool AllBlank() {
    for (int n = 1; n <= 128; ++n)
      if (!ProgramCaption(n).isEmpty() || !BankCaption(n).isEmpty()) return false;
    return true;
  }
  QRadioButton* MapButton(QWidget* window, int n) {
    return window->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(n));
  }

 private slots:
  void init() { w_ = std::make_unique<WindowTestWorld>(); }
  void cleanup() { w_.reset(); }

  void moduleTypeWindowStartsOnGs() {
    QCOMPARE(Form3()->windowTitle(), QStringLiteral("音源の種類"));
    auto* box = Form3()->findChild<QGroupBox*>(QStringLiteral("RadioGroup1"));
    QVERIFY(box);
    QCOMPARE(box->title(), QStringLiteral("音源の種類"));
    const QStringList captions{"GS", "XG", "GM", QStringLiteral("GM2(未実装）")};
    for (int id = 0; id < 4; ++id) QCOMPARE(Item(id)->text(), captions[id]);
    QCOMPARE(Form3()->Selection(), 0);
    QCOMPARE(Form3()->findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
             QStringLiteral("OK"));
    QVERIFY(Form3()->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());
    QCOMPARE(Form3()->size(), QSize(151, 172));
    QCOMPARE(Form3()->pos(), QPoint(192, 107));
  }

  void choosingXgAppliesAtOnceAndOkResets() {
    Form3()->show();
    Item(2)->click();  // GM first, so XG has menus to enable
    QVERIFY(!MenusEnabled());
    Item(1)->click();
    QCOMPARE(w_->ctx.state.ModuleType, 1);
    QCOMPARE(KeyboardLabel(), QStringLiteral("C3"));
    QVERIFY(MenusEnabled());
    QVERIFY(ProgramCaptionsAre(true));
    QVERIFY(DrumCaptionsAre(true));
    // A mere choice neither sends nor refreshes the bank window.
    QVERIFY(w_->backend.Events().empty());
    QVERIFY(BankCaption(1).isEmpty());

    QTest::mouseClick(Form3()->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(w_->backend.SysExMessages(), std::vector<Bytes>{ToBytes(XgSystemOn)});
    QVERIFY(w_->backend.ShortMessages().empty());
    QVERIFY(!Form3()->isVisible());
    QCOMPARE(BankCaption(1), Shown(w_->ctx.tables.XgTone(0, 0, 0)));
    QVERIFY(!BankCaption(1).isEmpty());
  }

  void okRecaptionsProgramsAndBanksButNotDrums() {
    Form3()->show();
    w_->ctx.state.CurrentProgram = 5;
    Form3()->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(w_->backend.SysExMessages(), std::vector<Bytes>{ToBytes(GsReset)});
    QVERIFY(!Form3()->isVisible());
    QVERIFY(ProgramCaptionsAre(false));
    for (int b = 1; b <= 128; ++b)
      QCOMPARE(BankCaption(b), Shown(w_->ctx.tables.GsTone(6, b - 1, 4)));
    QVERIFY(!BankCaption(1).isEmpty());
    QVERIFY(DrumsBlank());
  }

  void gmAndGm2DisableTheTypeMenus() {
    Item(2)->click();
    QCOMPARE(w_->ctx.state.ModuleType, 2);
    QCOMPARE(KeyboardLabel(), QStringLiteral("C4"));
    QVERIFY(!MenusEnabled());
    Item(0)->click();
    QVERIFY(MenusEnabled());
    QVERIFY(ProgramCaptionsAre(false));
    Item(3)->click();
    QCOMPARE(w_->ctx.state.ModuleType, 3);
    QVERIFY(!MenusEnabled());
    // GM2 keeps the captions of the last refresh.
    QVERIFY(ProgramCaptionsAre(false));
    QVERIFY(w_->backend.Events().empty());

    // "OK" on GM2: no reset, nothing at all.
    Form3()->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QVERIFY(w_->backend.Events().empty());
    QCOMPARE(w_->ctx.state.ModuleType, 3);
  }

  void okSendsTheResetOfEachType() {
    const std::vector<Bytes> expected[] = {
        {ToBytes(GsReset)}, {ToBytes(XgSystemOn)}, {ToBytes(GmSystemOn)}, {}};
    const QString label[] = {"C4", "C3", "C4", "C4"};
    for (int id : {1, 2, 0, 3, 1}) {
      if (Form3()->Selection() != id) Item(id)->click();
      w_->ctx.state.ModuleType = ModuleKind::kGs;  // the reset takes the type from the selection
      w_->backend.Clear();
      Form3()->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
      QCOMPARE(w_->ctx.state.ModuleType, id);
      QCOMPARE(KeyboardLabel(), label[id]);
      QCOMPARE(w_->backend.SysExMessages(), expected[id]);
      QCOMPARE(w_->backend.Events().size(), expected[id].size());
    }
  }

  void closeBoxKeepsTheChoiceWithoutReset() {
    Form3()->show();
    Item(1)->click();
    Form3()->close();
    QVERIFY(!Form3()->isVisible());
    QCOMPARE(Form3()->Selection(), 1);
    QCOMPARE(w_->ctx.state.ModuleType, 1);
    QVERIFY(w_->backend.Events().empty());
  }

  void onlyADifferentItemActs() {
    Form3()->show();
    // The selected item: no refresh, nothing sent.
    Item(0)->click();
    QTest::mouseClick(Item(0), Qt::LeftButton, {}, QPoint(6, Item(0)->height() / 2));
    QVERIFY(AllBlank());
    QCOMPARE(Form3()->Selection(), 0);
    // Arrow keys move the selection, and that is a choice.
    Form3()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form3()));
    Item(0)->setFocus();
    QTest::keyClick(Item(0), Qt::Key_Down);
    QCOMPARE(Form3()->Selection(), 1);
    QCOMPARE(w_->ctx.state.ModuleType, 1);
    QVERIFY(ProgramCaptionsAre(true));
    QVERIFY(w_->backend.Events().empty());
  }

  void restoredSelectionIsClampedAndClearingHasNoEffect() {
    Form3()->RestoreSelection(0);  // already selected: nothing
    QVERIFY(AllBlank());

    Form3()->RestoreSelection(-5);
    QCOMPARE(Form3()->Selection(), -1);
    for (int id = 0; id < 4; ++id) QVERIFY(!Item(id)->isChecked());
    QCOMPARE(w_->ctx.state.ModuleType, 0);
    QVERIFY(AllBlank());
    QVERIFY(MenusEnabled());
    StartModuleReset(w_->ctx);
    QVERIFY(w_->backend.Events().empty());
    w_->ctx.forms.form2->RefreshProgramCaptions();
    w_->ctx.forms.form6->RefreshBankCaptions();
    QVERIFY(AllBlank());

    // From nothing, an item is a choice in full.
    Form3()->RestoreSelection(1);
    QCOMPARE(Form3()->Selection(), 1);
    QCOMPARE(w_->ctx.state.ModuleType, 1);
    QCOMPARE(KeyboardLabel(), QStringLiteral("C3"));
    QVERIFY(ProgramCaptionsAre(true));

    Form3()->RestoreSelection(7);
    QCOMPARE(Form3()->Selection(), 3);
    QCOMPARE(w_->ctx.state.ModuleType, 3);
    QVERIFY(!MenusEnabled());
    QCOMPARE(KeyboardLabel(), QStringLiteral("C4"));
    QVERIFY(w_->backend.Events().empty());

    // The group is exclusive again after a clear: one click moves it.
    Form3()->RestoreSelection(-1);
    Item(2)->click();
    Item(0)->click();
    QCOMPARE(Form3()->Selection(), 0);
    QVERIFY(!Item(2)->isChecked());
  }

  void gsMapChoiceRecaptionsAtOnce() {
    TForm9* form9 = w_->ctx.forms.form9;
    QCOMPARE(form9->windowTitle(), QStringLiteral("音源マップの設定"));
    QCOMPARE(form9->findChild<QGroupBox*>()->title(), QStringLiteral("音源マップ"));
    const QStringList captions{"SC-8850 Map", "SC-88Pro Map", "SC-88 Map", "SC-55Map",
                               "GS(TG-300B Map)"};
    for (int n = 1; n <= 5; ++n) QCOMPARE(MapButton(form9, n)->text(), captions[n - 1]);
    QVERIFY(!MapButton(form9, 6));
    QVERIFY(MapButton(form9, 1)->isChecked());
    QCOMPARE(form9->size(), QSize(253, 201));

    // The selected map: nothing, not even MapIndex.
    w_->ctx.state.MapIndex = 2;
    MapButton(form9, 1)->click();
    QCOMPARE(w_->ctx.state.MapIndex, 2);
    QVERIFY(AllBlank());
    QVERIFY(DrumsBlank());

    w_->ctx.state.CurrentProgram = 16;
    const int values[] = {4, 3, 2, 1, 0};
    for (int n : {4, 5, 2, 1}) {
      MapButton(form9, n)->click();
      const int map = values[n - 1];
      QCOMPARE(w_->ctx.state.MapIndex, map);
      QVERIFY(ProgramCaptionsAre(false, 0, map));
      QVERIFY(DrumCaptionsAre(false, map));
      for (int b = 1; b <= 128; ++b)
        QCOMPARE(BankCaption(b), Shown(w_->ctx.tables.GsTone(17, b - 1, map)));
    }
    QVERIFY(w_->backend.Events().empty());
  }

  void xgMapChoiceWaitsForTheNextRefresh() {
    TForm10* form10 = w_->ctx.forms.form10;
    const QStringList captions{"MU1000/2000 Extension", "MU128 Extension", "MU100 Extension",
                               "MU90  Extension",       "MU80  Extension", "XG"};
    for (int n = 1; n <= 6; ++n) QCOMPARE(MapButton(form10, n)->text(), captions[n - 1]);
    QVERIFY(MapButton(form10, 1)->isChecked());
    QCOMPARE(form10->size(), QSize(258, 215));

    // A bank whose names differ between the first two XG maps.
    const NameTables& t = w_->ctx.tables;
    int bank = 0;
    auto differs = [&t](int b) {
      for (int p = 0; p < 128; ++p)
        if (t.XgTone(p, b, 0) != t.XgTone(p, b, 1)) return true;
      return false;
    };
    while (bank < 127 && !differs(bank)) ++bank;
    QVERIFY(differs(bank));
    w_->ctx.state.CurrentBank = bank;

    Item(1)->click();
    w_->ctx.forms.form6->RefreshBankCaptions();
    QVERIFY(ProgramCaptionsAre(true, bank, 0));
    const QString bank1 = BankCaption(1);

    MapButton(form10, 5)->click();
    QCOMPARE(w_->ctx.state.XgMapIndex, 4);
    MapButton(form10, 2)->click();
    QCOMPARE(w_->ctx.state.XgMapIndex, 1);
    MapButton(form10, 2)->click();
    QCOMPARE(w_->ctx.state.XgMapIndex, 1);
    QVERIFY(ProgramCaptionsAre(true, bank, 0));
    QCOMPARE(BankCaption(1), bank1);
    QVERIFY(DrumCaptionsAre(true));
    QVERIFY(w_->backend.Events().empty());

    // The next refresh shows the new map.
    w_->ctx.forms.form2->RefreshProgramCaptions();
    QVERIFY(ProgramCaptionsAre(true, bank, 1));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::ModuleWindowsTest)
#include "ModuleWindowsTest.moc"
