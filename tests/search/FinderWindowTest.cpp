// The tone finder window: how it is opened, how typing filters its rows, that
// a row plays exactly what its own program or drum note button plays, and the
// held-note guarantees of the rows.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "app/TForm1.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "midi/ShortMessage.h"
#include "modules/TForm10.h"
#include "modules/TForm9.h"
#include "search/FinderResults.h"
#include "search/FinderWindow.h"
#include "settings/SettingsFile.h"
#include "support/WindowTestWorld.h"
#include "tables/KitNames.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "ui/ResultList.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;

// The module type and the map of that type, chosen in their windows as a user does.
void Choose(WindowTestWorld& w, int type, int map) {
  w.TypeItem(type)->click();
  QWidget* map_window = type == 0 ? static_cast<QWidget*>(w.ctx.forms.form9) : w.ctx.forms.form10;
  // GS maps are listed newest first: RadioButton1 is map 4.
  const int number = type == 0 ? 5 - map : map + 1;
  auto* radio = map_window->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(number));
  QVERIFY(radio != nullptr);
  radio->click();
  w.backend.Clear();
}

// Opens the finder from the program window's menu, or the drum note window's.
FinderWindow* OpenFinder(WindowTestWorld& w, bool drums) {
  QWidget* from = drums ? static_cast<QWidget*>(w.ctx.forms.form4) : w.ctx.forms.form2;
  auto* item = from->findChild<QAction*>(drums ? QStringLiteral("N3") : QStringLiteral("N4"));
  if (item == nullptr) qFatal("no search menu item");
  item->trigger();
  FinderWindow* finder = w.ctx.forms.finder;
  if (finder == nullptr || !QTest::qWaitForWindowExposed(finder)) qFatal("finder not shown");
  return finder;
}

QLineEdit* Edit(FinderWindow* f) { return f->findChild<QLineEdit*>(QStringLiteral("Edit1")); }
ResultList* List(FinderWindow* f) {
  return f->findChild<ResultList*>(QStringLiteral("ResultList"));
}
FinderResults* Results(FinderWindow* f) { return static_cast<FinderResults*>(List(f)->model()); }
QString Status(FinderWindow* f) { return f->findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
QString Cell(FinderWindow* f, int row, int column) {
  return Results(f)->index(row, column).data().toString();
}

QByteArray ReadFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another window takes the activation, then the finder gets it back.
bool ComeBack(QWidget* other, FinderWindow* f) {
  other->show();
  other->activateWindow();
  if (!QTest::qWaitForWindowActive(other)) return false;
  f->activateWindow();
  return QTest::qWaitForWindowActive(f);
}

void Type(FinderWindow* f, const QString& text) {
  Edit(f)->clear();
  QTest::keyClicks(Edit(f), text);
}

// The row that shows (first, second): program and bank, or kit and note.
int RowOf(FinderWindow* f, int first, int second) {
  FinderResults* results = Results(f);
  for (int row = 0; row < results->rowCount(); ++row) {
    const bool match =
        results->Scope().drums
            ? results->Drum(row).kit == first && results->Drum(row).note == second
            : results->Tone(row).program == first && results->Tone(row).bank == second;
    if (match) return row;
  }
  return -1;
}

QPoint RowCenter(FinderWindow* f, int row) {
  const QModelIndex index = Results(f)->index(row, 2);
  List(f)->scrollTo(index);
  return List(f)->visualRect(index).center();
}

void PressRow(FinderWindow* f, int row, Qt::MouseButton mouse = Qt::LeftButton) {
  QTest::mousePress(List(f)->viewport(), mouse, {}, RowCenter(f, row));
}
void ReleaseRow(FinderWindow* f, int row, Qt::MouseButton mouse = Qt::LeftButton) {
  QTest::mouseRelease(List(f)->viewport(), mouse, {}, RowCenter(f, row));
}

// Everything on screen that a tone or drum press can change.
QStringList Captions(const WindowTestWorld& w) {
  QStringList captions;
  for (QWidget* window :
       {static_cast<QWidget*>(w.ctx.forms.form2), static_cast<QWidget*>(w.ctx.forms.form6),
        static_cast<QWidget*>(w.ctx.forms.form4)}) {
    for (int n = 1; n <= 128; ++n) captions << WindowTestWorld::Button(window, n)->text();
  }
  for (int n : {2, 4, 6})
    captions << w.ctx.forms.form12->findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
  return captions;
}

struct Pressed {
  Messages press;
  Messages release;
  QStringList captions;
};

// Holds with the right mouse button and lets go: what each sent, and the captions after.
Pressed Hold(WindowTestWorld& w, const std::function<void()>& press,
             const std::function<void()>& release) {
  Pressed result;
  w.backend.Clear();
  press();
  result.press = w.backend.ShortMessages();
  w.backend.Clear();
  release();
  result.release = w.backend.ShortMessages();
  result.captions = Captions(w);
  return result;
}

Pressed HoldButton(WindowTestWorld& w, QPushButton* button) {
  return Hold(
      w, [&] { QTest::mousePress(button, Qt::RightButton); },
      [&] { QTest::mouseRelease(button, Qt::RightButton); });
}

// Opens the finder, types the query and holds the row of (first, second); sends
// nothing when there is no such row.
Pressed HoldFoundRow(WindowTestWorld& w, bool drums, const QString& query, int first, int second) {
  FinderWindow* f = OpenFinder(w, drums);
  Type(f, query);
  const int row = RowOf(f, first, second);
  if (row < 0) return {};
  return Hold(
      w, [&] { PressRow(f, row, Qt::RightButton); }, [&] { ReleaseRow(f, row, Qt::RightButton); });
}

void Compare(const Pressed& row, const Pressed& button) {
  QVERIFY(!button.press.empty());
  QVERIFY(!row.press.empty());
  QCOMPARE(row.press, button.press);
  QCOMPARE(row.release, button.release);
  QCOMPARE(row.captions, button.captions);
}

}  // namespace

class FinderWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theMenusOpenOneFinderBuiltOnFirstUse() {
    WindowTestWorld w;
    QVERIFY(w.ctx.forms.finder == nullptr);

    const QList<QAction*> tone_items =
        w.ctx.forms.form2->findChild<QMenu*>(QStringLiteral("Window1"))->actions();
    // After the design's items come the finder, the edit window, and then
    // the favourites' items.
    QVERIFY(tone_items.size() > 6);
    QCOMPARE(tone_items.at(4)->objectName(), QStringLiteral("N4"));
    QCOMPARE(tone_items.at(4)->text(), QStringLiteral("音色検索"));
    QCOMPARE(tone_items.at(5)->objectName(), QStringLiteral("N5"));
    const QList<QAction*> drum_items =
        w.ctx.forms.form4->findChild<QMenu*>(QStringLiteral("Window1"))->actions();
    QVERIFY(drum_items.size() > 4);
    QCOMPARE(drum_items.at(2)->objectName(), QStringLiteral("N3"));
    QCOMPARE(drum_items.at(2)->text(), QStringLiteral("音色検索"));
    QCOMPARE(drum_items.at(3)->objectName(), QStringLiteral("N4"));

    FinderWindow* finder = OpenFinder(w, false);
    QVERIFY(finder->isVisible());
    QCOMPARE(finder->windowTitle(), QStringLiteral("音色検索"));
    QVERIFY(finder->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isChecked());
    finder->hide();
    QCOMPARE(OpenFinder(w, true), finder);  // the same window, now for drum sounds
    QVERIFY(finder->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->isChecked());
    QVERIFY(w.backend.Events().empty());
  }

  void typingFiltersTheRows() {
    WindowTestWorld w;
    Choose(w, 0, 4);
    FinderWindow* f = OpenFinder(w, false);
    QCOMPARE(Results(f)->rowCount(), 0);  // nothing typed, nothing listed
    QVERIFY(Status(f).isEmpty());

    Type(f, QStringLiteral("piano"));
    const int pianos = Results(f)->rowCount();
    QVERIFY(pianos > 10);
    QCOMPARE(Status(f), QStringLiteral("%1 件").arg(pianos));
    QCOMPARE((QStringList{Cell(f, 0, 0), Cell(f, 0, 1), Cell(f, 0, 2)}),
             (QStringList{"0", "0", "Piano 1"}));
    QTest::keyClicks(Edit(f), QStringLiteral(" str"));  // a second word narrows the list
    QVERIFY(Results(f)->rowCount() < pianos);
    QVERIFY(RowOf(f, 0, 24) >= 0);  // "Piano+String"
    QCOMPARE(RowOf(f, 0, 0), -1);

    Edit(f)->setText(QStringLiteral("ｐｉａｎｏ"));  // full-width letters from an input method
    QCOMPARE(Results(f)->rowCount(), pianos);
    Type(f, QStringLiteral("zzz"));
    QCOMPARE(Results(f)->rowCount(), 0);
    QCOMPARE(Status(f), QStringLiteral("見つかりません"));

    // Drum sounds: kit and note with their names.
    Type(f, QStringLiteral("standard 1 kick 1"));
    f->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
    const int row = RowOf(f, 0, 36);
    QVERIFY(row >= 0);
    QCOMPARE((QStringList{Cell(f, row, 0), Cell(f, row, 1), Cell(f, row, 2)}),
             (QStringList{"0 STANDARD 1", "36 C2", "Standard 1 Kick 1"}));
    QCOMPARE(Results(f)->headerData(2, Qt::Horizontal).toString(), QStringLiteral("楽器名"));
    QVERIFY(w.backend.Events().empty());
  }

  void gmAndGm2HaveNoNamesToSearch() {
    WindowTestWorld w;
    FinderWindow* f = OpenFinder(w, false);
    Type(f, QStringLiteral("piano"));
    QVERIFY(Results(f)->rowCount() > 0);
    const char* const names[] = {"GM", "GM2"};
    for (int type : {2, 3}) {
      w.TypeItem(type)->click();
      QVERIFY(ComeBack(w.ctx.forms.form3, f));
      QCOMPARE(Results(f)->rowCount(), 0);
      QVERIFY2(Status(f).startsWith(QLatin1String(names[type - 2])), qPrintable(Status(f)));
      QVERIFY(Status(f).contains(QStringLiteral("ありません")));
    }
  }

  // The map windows change what the rows mean: coming back to the finder shows
  // the new map's rows, and a press on a row of the old map plays nothing.
  void rowsFollowTheMapAndAStaleRowPlaysNothing() {
    WindowTestWorld w;
    Choose(w, 0, 4);
    FinderWindow* f = OpenFinder(w, false);
    Type(f, QStringLiteral("piano"));
    const int in_map4 = Results(f)->rowCount();
    Choose(w, 0, 0);
    PressRow(f, 1);
    ReleaseRow(f, 1);
    QVERIFY(w.backend.Events().empty());
    QCOMPARE(Results(f)->Scope().map, 0);
    QVERIFY(Results(f)->rowCount() < in_map4);

    Choose(w, 0, 3);
    QVERIFY(ComeBack(w.ctx.forms.form9, f));
    QCOMPARE(Results(f)->Scope().map, 3);
    QVERIFY(w.backend.Events().empty());
  }

  void aToneRowSendsWhatItsProgramButtonSends_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("map");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("bank");
    QTest::newRow("GS SC-8850") << 0 << 4 << "slowstr" << 49 << 0;
    QTest::newRow("GS SC-8850 bank 24") << 0 << 4 << "piano str" << 0 << 24;
    QTest::newRow("GS SC-88Pro") << 0 << 3 << "europian" << 0 << 16;
    QTest::newRow("XG MU1000") << 1 << 0 << "pianostr" << 0 << 40;
    QTest::newRow("XG MU100 #") << 1 << 2 << "grandp#" << 0 << 0;
  }
  void aToneRowSendsWhatItsProgramButtonSends() {
    QFETCH(int, type);
    QFETCH(int, map);
    QFETCH(QString, query);
    QFETCH(int, program);
    QFETCH(int, bank);

    WindowTestWorld by_button;
    Choose(by_button, type, map);
    by_button.ctx.state.CurrentBank = bank;  // as a bank button leaves it
    const Pressed expected =
        HoldButton(by_button, WindowTestWorld::Button(by_button.ctx.forms.form2, program + 1));

    WindowTestWorld by_row;
    Choose(by_row, type, map);
    Compare(HoldFoundRow(by_row, false, query, program, bank), expected);
    QCOMPARE(by_row.ctx.state.CurrentProgram, program);
    QCOMPARE(by_row.ctx.state.CurrentBank, bank);
  }

  void aDrumRowSendsWhatItsNoteButtonSends_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("map");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("kit");
    QTest::addColumn<int>("note");
    QTest::newRow("GS SC-8850 TR-808") << 0 << 4 << "808 kick 1" << 25 << 36;
    QTest::newRow("GS SC-55 ROOM") << 0 << 1 << "room low tom" << 8 << 41;
    QTest::newRow("XG Bright Kit") << 1 << 0 << "snare b" << 3 << 38;
  }
  void aDrumRowSendsWhatItsNoteButtonSends() {
    QFETCH(int, type);
    QFETCH(int, map);
    QFETCH(QString, query);
    QFETCH(int, kit);
    QFETCH(int, note);

    // The kit chosen in its kit window, then the note button pressed.
    WindowTestWorld by_button;
    Choose(by_button, type, map);
    QWidget* kits = type == 0 ? static_cast<QWidget*>(by_button.ctx.forms.form5)
                              : static_cast<QWidget*>(by_button.ctx.forms.form13);
    const std::string_view kit_name = type == 0 ? GsKitName(kit) : XgKitName(kit);
    QPushButton* kit_button = nullptr;
    for (QPushButton* b : kits->findChildren<QPushButton*>())
      if (b->text() == QLatin1String(kit_name.data(), static_cast<qsizetype>(kit_name.size())))
        kit_button = b;
    QVERIFY(kit_button != nullptr);
    kit_button->click();
    const Pressed expected =
        HoldButton(by_button, WindowTestWorld::Button(by_button.ctx.forms.form4, note + 1));

    WindowTestWorld by_row;
    Choose(by_row, type, map);
    Compare(HoldFoundRow(by_row, true, query, kit, note), expected);
    QCOMPARE(by_row.ctx.state.DrumKit, kit);
    QCOMPARE(by_row.ctx.state.DrumNote, note);
  }

  void theKeyboardMovesThroughTheRowsWithoutPlaying() {
    WindowTestWorld w;
    FinderWindow* f = OpenFinder(w, false);
    QVERIFY(QTest::qWaitForWindowActive(f));
    Type(f, QStringLiteral("piano"));
    QTest::keyClick(Edit(f), Qt::Key_Down);  // from the field on to the first row
    QVERIFY(List(f)->hasFocus());
    QCOMPARE(List(f)->currentIndex().row(), 0);
    for (int key :
         {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
      QTest::keyClick(List(f), static_cast<Qt::Key>(key));
    QCOMPARE(List(f)->currentIndex().row(), 1);
    QTest::keyClick(Edit(f), Qt::Key_Return);
    QVERIFY(w.backend.Events().empty());
  }

  void hideCloseOrDeactivationDuringAHoldEndsTheNoteOnce() {
    WindowTestWorld w;
    FinderWindow* f = OpenFinder(w, false);
    Type(f, QStringLiteral("piano"));
    const Messages release{ShortMessage(0x90, 60, 0)};

    auto hold = [&] {
      w.backend.Clear();
      PressRow(f, 0);
      QVERIFY(!w.backend.ShortMessages().empty());
      w.backend.Clear();
    };
    hold();
    f->hide();
    QCOMPARE(w.backend.ShortMessages(), release);
    OpenFinder(w, false);
    ReleaseRow(f, 0);  // the late mouse-up ends nothing more
    QCOMPARE(w.backend.ShortMessages(), release);

    hold();
    f->close();
    QCOMPARE(w.backend.ShortMessages(), release);
    OpenFinder(w, false);

    QVERIFY(QTest::qWaitForWindowActive(f));
    hold();
    w.ctx.forms.form2->show();
    w.ctx.forms.form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.ctx.forms.form2));
    QCOMPARE(w.backend.ShortMessages(), release);
    ReleaseRow(f, 0);
    QCOMPARE(w.backend.ShortMessages(), release);

    // A drum row's hold ends with the drum release.
    OpenFinder(w, true);
    Type(f, QStringLiteral("standard 1 kick 1"));
    w.backend.Clear();
    PressRow(f, RowOf(f, 0, 36));
    w.backend.Clear();
    f->hide();
    QCOMPARE(w.backend.ShortMessages(), (Messages{ShortMessage(0x99, 36, 0)}));
  }

  void aDoubleClickPlaysTwiceAndTearDownEndsAHeldNote() {
    WindowTestWorld w;
    FinderWindow* f = OpenFinder(w, false);
    Type(f, QStringLiteral("piano"));
    w.backend.Clear();
    // A window system delivers a double click as press, release, double click, release.
    PressRow(f, 0);
    ReleaseRow(f, 0);
    QTest::mouseDClick(List(f)->viewport(), Qt::LeftButton, {}, RowCenter(f, 0));
    ReleaseRow(f, 0);
    const Messages sent = w.backend.ShortMessages();
    QCOMPARE(std::count(sent.begin(), sent.end(), ShortMessage(0x90, 60, 100)), 2);
    QCOMPARE(std::count(sent.begin(), sent.end(), ShortMessage(0x90, 60, 0)), 2);
    QCOMPARE(sent.back(), ShortMessage(0x90, 60, 0));

    PressRow(f, 0);
    w.backend.Clear();
    w.forms.reset();  // as at program exit, with no mouse-up to come
    QCOMPARE(w.backend.ShortMessages(), (Messages{ShortMessage(0x90, 60, 0)}));
  }

  void eachReleaseEndsTheNoteOfItsOwnPressWhenTheRowsChangeDuringAHold() {
    WindowTestWorld w;
    FinderWindow* f = OpenFinder(w, false);
    Type(f, QStringLiteral("piano"));
    w.backend.Clear();
    PressRow(f, 0);  // a tone at the test note
    // The search turns to drum sounds while the left button is still down;
    // the right button then plays a drum row.
    OpenFinder(w, true);
    Type(f, QStringLiteral("standard 1 kick 1"));
    PressRow(f, RowOf(f, 0, 36), Qt::RightButton);
    ReleaseRow(f, 0, Qt::RightButton);
    ReleaseRow(f, 0);
    const Messages sent = w.backend.ShortMessages();
    QCOMPARE(std::count(sent.begin(), sent.end(), ShortMessage(0x90, 60, 0)), 1);
    QCOMPARE(std::count(sent.begin(), sent.end(), ShortMessage(0x99, 36, 0)), 1);
    QCOMPARE(w.ctx.state.DrumNote, 36);  // still the note pressed last
  }

  void geometryIsStoredAtMainCloseOnlyOnceBuilt() {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("tonalyx.ini")).toStdString();
    {
      WindowTestWorld w;
      w.ctx.settings_path = path;
      w.ctx.forms.form1->close();
    }
    QVERIFY(!ReadFile(path).contains("[Finder]"));
    {
      WindowTestWorld w;
      w.ctx.settings_path = path;
      FinderWindow* f = OpenFinder(w, false);
      QCOMPARE(f->size(), QSize(480, 420));
      f->resize(500, 300);
      f->move(40, 50);
      w.ctx.forms.form1->close();
    }
    const SettingsFile settings = SettingsFile::Open(path);
    QCOMPARE(settings.ReadInteger("Finder", "Height", 0), 300);
    QCOMPARE(settings.ReadInteger("Finder", "Width", 0), 500);
    {
      WindowTestWorld w;
      w.ctx.settings_path = path;
      FinderWindow* f = OpenFinder(w, false);
      QCOMPARE(f->size(), QSize(500, 300));
      QCOMPARE(f->pos(), QPoint(40, 50));
    }
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::FinderWindowTest)
#include "FinderWindowTest.moc"
