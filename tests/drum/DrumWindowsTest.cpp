#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/TForm1.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "midi/ShortMessage.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "settings/SettingsFile.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm7.h"
#include "ui/AuditionButton.h"
#include "ui/AuditionHold.h"
#include "ui/UiLook.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;
Messages operator+(Messages front, const Messages& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

constexpr std::uint32_t Msg(int status, int data1, int data2 = 0) {
  return ShortMessage(status, data1, data2);
}

// The shared window fixture on the test's own settings file, which outlives
// one world so that the next can read what it wrote. The names stay unfilled
// until a test or the drum button fills them.
struct Harness : WindowTestWorld {
  explicit Harness(const QString& settings_file) : WindowTestWorld(Setup(settings_file)) {}
  static WindowTestSetup Setup(const QString& settings_file) {
    WindowTestSetup setup;
    setup.settings_file = settings_file.toStdString();
    setup.fill_name_tables = false;
    return setup;
  }
};

}  // namespace

class DrumWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<Harness> h_;

  AppContext& ctx() { return h_->ctx; }
  RecordingBackend& backend() { return h_->backend; }
  TForm4& drumWindow() { return *ctx().forms.form4; }

  AuditionButton* note(int number) {
    return drumWindow().findChild<AuditionButton*>(QStringLiteral("Button%1").arg(number));
  }
  QPushButton* kitButton(QWidget& window, int number) {
    return window.findChild<QPushButton*>(QStringLiteral("Button%1").arg(number));
  }
  QString caption(int number) { return note(number)->text(); }
  void writeSettings(const char* text) {
    QFile file(dir_->filePath(QStringLiteral("tonalyx.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  void selectModuleType(int id) {
    auto* item =
        ctx().forms.form3->findChild<QRadioButton*>(QStringLiteral("RadioGroup1Item%1").arg(id));
    QVERIFY(item != nullptr);
    item->click();
    QCOMPARE(ctx().forms.form3->Selection(), id);
  }
  void setBar(int row, int value) {
    auto* bar = ctx().forms.form7->findChild<QScrollBar*>(QStringLiteral("ScrollBar%1").arg(row));
    QVERIFY(bar != nullptr);
    bar->setValue(value);
  }
  void trigger(const char* item) {
    auto* action = drumWindow().findChild<QAction*>(QString::fromLatin1(item));
    QVERIFY(action != nullptr);
    action->trigger();
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    h_ = std::make_unique<Harness>(dir_->filePath(QStringLiteral("tonalyx.ini")));
    drumWindow().show();
  }

  void cleanup() {
    h_.reset();
    dir_.reset();
  }

  void pressWithStartValuesSendsTheEightMessages() {
    QTest::mousePress(note(37), Qt::LeftButton);
    QCOMPARE(ctx().state.DrumNote, 36);
    QCOMPARE(backend().ShortMessages(),
             (Messages{Msg(0xB9, 0x01, 0x00), Msg(0xB0, 0x00, 0x00), Msg(0xB0, 0x20, 0x04),
                       Msg(0xC9, 0x00), Msg(0xB9, 0x5B, 0x28), Msg(0xB9, 0x5E, 0x00),
                       Msg(0xB9, 0x5D, 0x00), Msg(0x99, 0x24, 0x64)}));
    backend().Clear();
    QTest::mouseRelease(note(37), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages(), (Messages{Msg(0x99, 0x24, 0x00)}));
  }

  void pressReadsTheBarsAtThatMoment() {
    setBar(1, 17);  // velocity
    setBar(2, 3);   // modulation
    setBar(3, 127);
    setBar(4, 66);   // chorus
    setBar(5, 77);   // delay
    setBar(6, -64);  // pan, pitch bend and sensitivity play no part
    setBar(7, 8191);
    setBar(8, 24);
    ctx().state.MapIndex = 2;
    ctx().state.DrumKit = 48;
    backend().Clear();
    QTest::mousePress(note(1), Qt::RightButton);
    QCOMPARE(
        backend().ShortMessages(),
        (Messages{Msg(0xB9, 1, 3), Msg(0xB0, 0, 0), Msg(0xB0, 32, 2), Msg(0xC9, 48),
                  Msg(0xB9, 91, 127), Msg(0xB9, 94, 77), Msg(0xB9, 93, 66), Msg(0x99, 0, 17)}));
    QTest::mouseRelease(note(1), Qt::RightButton);

    setBar(1, 0);
    backend().Clear();
    QTest::mousePress(note(128), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages().back(), Msg(0x99, 127, 0));
    QTest::mouseRelease(note(128), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages().back(), Msg(0x99, 127, 0));
    QCOMPARE(backend().ShortMessages().size(), std::size_t{9});
  }

  void everyButtonPlaysItsNoteWithEitherMouseButton() {
    for (int number = 1; number <= TForm4::kNoteCount; ++number) {
      const Qt::MouseButton button = number % 2 ? Qt::RightButton : Qt::LeftButton;
      backend().Clear();
      QTest::mousePress(note(number), button);
      QTest::mouseRelease(note(number), button);
      const Messages sent = backend().ShortMessages();
      QCOMPARE(sent.size(), std::size_t{9});
      QCOMPARE(sent[7], Msg(0x99, number - 1, 100));
      QCOMPARE(sent[8], Msg(0x99, number - 1, 0));
    }
    QCOMPARE(ctx().state.DrumNote, 127);
  }

  void keyboardActivationPlaysNothing() {
    AuditionButton* button = note(37);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QVERIFY(backend().ShortMessages().empty());
    QCOMPARE(ctx().state.DrumNote, 0);
  }

  void aHeldNoteIsReleasedExactlyOnceWhenNoMouseUpComes() {
    // Window hidden during the hold; the late mouse-up sends nothing more.
    QTest::mousePress(note(37), Qt::LeftButton);
    backend().Clear();
    drumWindow().hide();
    QCOMPARE(backend().ShortMessages(), (Messages{Msg(0x99, 0x24, 0x00)}));
    QTest::mouseRelease(note(37), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages().size(), std::size_t{1});

    // Window closed during the hold.
    drumWindow().show();
    QTest::mousePress(note(50), Qt::RightButton);
    backend().Clear();
    drumWindow().close();
    QVERIFY(!drumWindow().isVisible());
    QCOMPARE(backend().ShortMessages(), (Messages{Msg(0x99, 49, 0x00)}));

    // The program quitting ends every held note.
    drumWindow().show();
    QTest::mousePress(note(128), Qt::LeftButton);
    backend().Clear();
    AuditionHold::EndAllHeld();
    QCOMPARE(backend().ShortMessages(), (Messages{Msg(0x99, 127, 0x00)}));
    QTest::mouseRelease(note(128), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages().size(), std::size_t{1});
  }

  void gsKitButtonsSelectAndCaptionWithoutSending() {
    ctx().tables.FillNameTables();
    TForm5& gs = *ctx().forms.form5;
    QPushButton* house = kitButton(gs, 9);
    QCOMPARE(house->text(), QStringLiteral("HOUSE"));
    house->click();
    QCOMPARE(ctx().state.DrumKit, 13);
    QVERIFY(backend().ShortMessages().empty());
    QCOMPARE(caption(1), QStringLiteral("[88] Electric Kick 2"));
    QCOMPARE(caption(37), QStringLiteral("TR-909 Kick 1"));
    QCOMPARE(caption(39), QStringLiteral("House Snare 1"));

    // The next press carries the kit.
    QTest::mousePress(note(37), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages()[3], Msg(0xC9, 13));
    QTest::mouseRelease(note(37), Qt::LeftButton);

    // Selecting the kit again re-captions and sends nothing.
    note(37)->setText(QStringLiteral("stale"));
    backend().Clear();
    house->click();
    QCOMPARE(caption(37), QStringLiteral("TR-909 Kick 1"));
    QVERIFY(backend().Events().empty());

    // The space bar on a focused kit button selects like a click. An '&' in
    // a name is shown, not taken as a mnemonic.
    QPushButton* jungle = kitButton(gs, 6);
    jungle->setFocus();
    QTest::keyClick(jungle, Qt::Key_Space);
    QCOMPARE(ctx().state.DrumKit, 10);
    QCOMPARE(caption(40), QStringLiteral("R&&B Claps"));

    // HOUSE has names under the SC-8850 map only.
    ctx().state.MapIndex = 3;
    house->click();
    for (int number = 1; number <= TForm4::kNoteCount; ++number)
      QCOMPARE(caption(number), QString());
    QVERIFY(backend().Events().empty());
  }

  void xgKitButtonsSelectAndCaptionWithoutSending() {
    ctx().tables.FillNameTables();
    selectModuleType(1);
    TForm13& xg = *ctx().forms.form13;
    QPushButton* slim = kitButton(xg, 30);
    QCOMPARE(slim->text(), QStringLiteral("Slim Kit"));
    slim->setFocus();
    QTest::keyClick(slim, Qt::Key_Space);
    QCOMPARE(ctx().state.DrumKit, 5);
    QCOMPARE(caption(37), QStringLiteral("Kick Short Dark"));
    QCOMPARE(caption(39), QStringLiteral("Snare Short HPF"));
    QCOMPARE(caption(13), QString());  // XG kits name notes 13..84 only
    QCOMPARE(caption(14), QStringLiteral("Surdo Mute V"));
    QCOMPARE(caption(86), QString());
    QVERIFY(backend().Events().empty());

    // An XG kit the GS table does not name: GS captions are empty. The GS
    // kit window also works in XG mode and keeps the XG captions' source.
    selectModuleType(0);
    for (int number = 1; number <= TForm4::kNoteCount; ++number)
      QCOMPARE(caption(number), QString());
    kitButton(*ctx().forms.form5, 38)->click();  // CM-64/32L, 127
    QCOMPARE(caption(37), QStringLiteral("CM Kick Bass Drum"));
    // Kit 127 stays chosen across the switch and now shows the XG names.
    selectModuleType(1);
    QCOMPARE(ctx().state.DrumKit, 127);
    QCOMPARE(caption(37), QStringLiteral("Kick"));
    QCOMPARE(caption(39), QStringLiteral("Snare"));
    // XG captions do not follow the GS map.
    ctx().state.MapIndex = 0;
    drumWindow().RefreshDrumCaptions();
    QCOMPARE(caption(37), QStringLiteral("Kick"));
  }

  void captionsFollowTheGsMapAndTheDeviceButNotTheXgMap() {
    ctx().tables.FillNameTables();
    drumWindow().RefreshDrumCaptions();
    QCOMPARE(caption(96), QStringLiteral("Room Snare 1"));
    auto map_button = [](QWidget* window, int number) {
      return window->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(number));
    };
    map_button(ctx().forms.form9, 2)->click();  // SC-88Pro
    QCOMPARE(ctx().state.MapIndex, 3);
    QCOMPARE(caption(96), QStringLiteral("Nothing"));
    QCOMPARE(caption(40), QStringLiteral("TR-909 Hand Clap"));
    map_button(ctx().forms.form9, 3)->click();  // SC-88
    QCOMPARE(caption(40), QStringLiteral("Hand Clap"));
    QVERIFY(backend().Events().empty());

    selectModuleType(1);
    QCOMPARE(caption(40), QStringLiteral("Hand Clap"));  // XG kit 0, note 39
    note(40)->setText(QStringLiteral("kept"));
    map_button(ctx().forms.form10, 4)->click();
    QCOMPARE(ctx().state.XgMapIndex, 3);
    QCOMPARE(caption(40), QStringLiteral("kept"));

    // Picking the output device again re-captions for the type in force.
    auto* devices = ctx().forms.form1->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    QVERIFY(devices != nullptr && devices->count() > 0);
    emit devices->activated(0);
    QCOMPARE(caption(40), QStringLiteral("Hand Clap"));
  }

  void gmModeSendsButOpensNoKitWindowAndKeepsCaptions() {
    ctx().tables.FillNameTables();
    drumWindow().RefreshDrumCaptions();
    QCOMPARE(caption(40), QStringLiteral("TR-909 Hand Clap"));
    for (int type : {2, 3}) {
      selectModuleType(type);
      QCOMPARE(ctx().state.ModuleType, type);
      QCOMPARE(caption(40), QStringLiteral("TR-909 Hand Clap"));

      trigger("N1");
      QVERIFY(!ctx().forms.form5->isVisible());
      QVERIFY(!ctx().forms.form13->isVisible());

      // A kit window left open still sets the kit, but captions stay.
      kitButton(*ctx().forms.form13, 29)->click();
      QCOMPARE(ctx().state.DrumKit, 127);
      QCOMPARE(caption(40), QStringLiteral("TR-909 Hand Clap"));

      backend().Clear();
      QTest::mousePress(note(40), Qt::LeftButton);
      QTest::mouseRelease(note(40), Qt::LeftButton);
      QCOMPARE(backend().ShortMessages(),
               (Messages{Msg(0xB9, 1, 0), Msg(0xB0, 0, 0), Msg(0xB0, 32, 4), Msg(0xC9, 127),
                         Msg(0xB9, 91, 40), Msg(0xB9, 94, 0), Msg(0xB9, 93, 0), Msg(0x99, 39, 100),
                         Msg(0x99, 39, 0)}));
    }
  }

  void menuOpensTheKitWindowOfTheModuleTypeAndTheControllerWindow() {
    trigger("N1");
    QVERIFY(ctx().forms.form5->isVisible());
    QVERIFY(!ctx().forms.form13->isVisible());
    ctx().forms.form5->hide();
    selectModuleType(1);
    trigger("N1");
    QVERIFY(ctx().forms.form13->isVisible());
    QVERIFY(!ctx().forms.form5->isVisible());
    QVERIFY(!ctx().forms.form7->isVisible());
    trigger("N2");
    QVERIFY(ctx().forms.form7->isVisible());
    QVERIFY(backend().Events().empty());

    // The menu follows the module type window's selection: with none
    // selected it opens no kit window, whatever ModuleType still holds.
    ctx().forms.form13->hide();
    ctx().forms.form3->RestoreSelection(-1);
    QCOMPARE(ctx().state.ModuleType, 1);
    trigger("N1");
    QVERIFY(!ctx().forms.form13->isVisible());
    QVERIFY(!ctx().forms.form5->isVisible());

    auto* bar = drumWindow().findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    QVERIFY(bar != nullptr);
    QMenu* menu = bar->findChild<QMenu*>(QStringLiteral("Window1"));
    QVERIFY(menu != nullptr);
    QCOMPARE(bar->actions(), QList<QAction*>{menu->menuAction()});
    QCOMPARE(menu->title(), QStringLiteral("ウィンドウ"));
    QCOMPARE(drumWindow().findChild<QAction*>(QStringLiteral("N1"))->text(),
             QStringLiteral("プログラムナンバー"));
    QCOMPARE(drumWindow().findChild<QAction*>(QStringLiteral("N2"))->text(),
             QStringLiteral("エフェクト"));
  }

  // The drum sound edit window edits the note pressed last in its kit: the
  // absolute rows unset until moved, each move sent at once on channel 10,
  // each later press of that note with its edits before the note on; the XG
  // rows only under XG.
  void drumSoundEditWindowEditsTheNotePressedLast() {
    ctx().tables.FillNameTables();
    kitButton(*ctx().forms.form5, 12)->click();  // TR-808, 25
    QTest::mousePress(note(37), Qt::LeftButton);
    QTest::mouseRelease(note(37), Qt::LeftButton);
    trigger("N4");
    QWidget* window = ctx().forms.drum_edit.Window();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("ドラム音エディット"));
    const auto label = [&](const char* name) {
      return window->findChild<QLabel*>(QLatin1String(name))->text();
    };
    const auto slider = [&](int row) {
      return window->findChild<QSlider*>(QStringLiteral("TrackBar%1").arg(row));
    };
    QVERIFY(label("Target").contains(QStringLiteral("25")));
    QVERIFY(label("Target").endsWith(QString::fromLatin1(ctx().tables.GsDrum(25, 36, 4))));
    QCOMPARE(label("Value2"), QStringLiteral("未設定"));  // level
    QVERIFY(!slider(6)->isVisible());                     // cutoff: XG only

    backend().Clear();
    slider(1)->setValue(12);  // pitch
    const Messages null = {Msg(0xB9, 0x65, 0x7F), Msg(0xB9, 0x64, 0x7F)};
    const Messages pitch = {Msg(0xB9, 0x63, 0x18), Msg(0xB9, 0x62, 36), Msg(0xB9, 0x06, 0x4C)};
    QCOMPARE(backend().ShortMessages(), pitch + null);
    window->findChild<QCheckBox*>(QStringLiteral("Random"))->click();
    QCOMPARE(label("Value3"), QStringLiteral("ランダム"));
    QVERIFY(!slider(3)->isEnabled());
    const Messages random = {Msg(0xB9, 0x63, 0x1C), Msg(0xB9, 0x62, 36), Msg(0xB9, 0x06, 0x00)};
    QCOMPARE(backend().ShortMessages(), pitch + null + random + null);

    backend().Clear();
    QTest::mousePress(note(37), Qt::LeftButton);
    QTest::mouseRelease(note(37), Qt::LeftButton);
    const Messages pressed = backend().ShortMessages();
    const Messages note_on_and_off = {Msg(0x99, 36, 0x64), Msg(0x99, 36, 0)};
    QCOMPARE(Messages(pressed.begin() + 7, pressed.end()), pitch + random + null + note_on_and_off);
    backend().Clear();
    QTest::mousePress(note(38), Qt::LeftButton);  // another note: no edits
    QTest::mouseRelease(note(38), Qt::LeftButton);
    QCOMPARE(backend().ShortMessages().size(), std::size_t{9});
    QVERIFY(label("Target").contains(QStringLiteral("37")));
    QCOMPARE(label("Value1"), QStringLiteral("0"));

    selectModuleType(1);
    QVERIFY(slider(6)->isVisible());
    selectModuleType(2);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("NoParameters"))->isVisible());
    QVERIFY(!slider(1)->isEnabled());
  }

  void drumStateSurvivesTypeChangesAndHiding() {
    kitButton(*ctx().forms.form5, 12)->click();  // TR-808, 25
    QTest::mousePress(note(50), Qt::LeftButton);
    QTest::mouseRelease(note(50), Qt::LeftButton);
    for (int type : {1, 2, 3, 0}) selectModuleType(type);
    ctx().forms.form3->RestoreSelection(-1);
    drumWindow().hide();
    drumWindow().show();
    ctx().state.MapIndex = 1;
    QCOMPARE(ctx().state.DrumKit, 25);
    QCOMPARE(ctx().state.DrumNote, 49);
    // With no module type selected the captions are left alone.
    note(1)->setText(QStringLiteral("kept"));
    drumWindow().RefreshDrumCaptions();
    QCOMPARE(caption(1), QStringLiteral("kept"));
  }

  void quittingDuringAHoldReleasesBeforeSilencing() {
    QTest::mousePress(note(37), Qt::LeftButton);
    backend().Clear();
    ctx().forms.form1->close();
    const Messages sent = backend().ShortMessages();
    QVERIFY(sent.size() >= 2);
    QCOMPARE(sent[0], Msg(0x99, 0x24, 0x00));
    QCOMPARE(sent[1], AllSoundOffDrums);
    QCOMPARE(std::count(sent.begin(), sent.end(), Msg(0x99, 0x24, 0x00)), 1);
  }

  void drumButtonAppliesTheSavedModuleType() {
    // A saved type above 3 gives GM2: no reset, captions left as they were.
    writeSettings("[dev]\ntype=7\n");
    auto* drum_button = ctx().forms.form1->findChild<QPushButton*>(QStringLiteral("Button2"));
    QVERIFY(drum_button != nullptr);
    note(37)->setText(QStringLiteral("kept"));
    drum_button->click();
    QVERIFY(drumWindow().isVisible());
    QCOMPARE(ctx().forms.form3->Selection(), 3);
    QCOMPARE(ctx().state.ModuleType, 3);
    QVERIFY(backend().SysExMessages().empty());
    QCOMPARE(caption(37), QStringLiteral("kept"));

    // Back to GS: reset sent and GS captions.
    writeSettings("[dev]\ntype=0\n");
    drum_button->click();
    QCOMPARE(ctx().state.ModuleType, 0);
    QCOMPARE(backend().SysExMessages().size(), std::size_t{1});
    QCOMPARE(caption(37), QStringLiteral("Standard 1 Kick 1"));

    // Below -1 clears the selection: nothing applied, no reset, ModuleType
    // kept, captions left alone.
    writeSettings("[dev]\ntype=-5\n");
    backend().Clear();
    note(37)->setText(QStringLiteral("kept"));
    drum_button->click();
    QCOMPARE(ctx().forms.form3->Selection(), -1);
    QCOMPARE(ctx().state.ModuleType, 0);
    QVERIFY(backend().SysExMessages().empty());
    QCOMPARE(caption(37), QStringLiteral("kept"));
    // The cleared selection is what the close stores.
    ctx().forms.form1->close();
    QCOMPARE(SettingsFile::Open(ctx().settings_path).ReadInteger("dev", "type", 99), -1);
  }

  void layout() {
    TForm4& w = drumWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral("Rhytmalo"));
    QCOMPARE(note(1)->geometry(), QRect(24, 24, 177, 17));
    QCOMPARE(note(12)->geometry(), QRect(24, 24 + 16 * 11, 177, 17));
    QCOMPARE(note(60)->geometry(), QRect(728, 200, 177, 17));
    QCOMPARE(note(61)->geometry(), QRect(24, 232, 177, 17));
    QCOMPARE(note(121)->geometry(), QRect(24, 440, 177, 17));
    QCOMPARE(note(128)->geometry(), QRect(24, 552, 177, 17));
    QVERIFY(note(129) == nullptr);
    // Coordinates are those of the client area under the menu bar.
    QCOMPARE(note(1)->parentWidget(), w.centralWidget());
    QVERIFY(w.centralWidget()->y() >= w.menuBar()->height());
    QCOMPARE(caption(1), QString());

    struct LabelSpot {
      int number;
      const char* text;
      int left;
      int top;
      int pixels;
    };
    const LabelSpot spots[] = {
        {1, "-1", 96, 0, 16},    {14, "0", 280, 0, 16},   {17, "3", 808, 0, 16},
        {18, "4", 104, 216, 16}, {19, "5", 280, 216, 16}, {23, "9", 104, 424, 16},
        {2, "C", 8, 24, 12},     {13, "B", 8, 200, 12},   {24, "C", 8, 232, 12},
        {36, "C", 8, 440, 12},   {43, "G", 8, 552, 12},
    };
    for (const LabelSpot& spot : spots) {
      auto* label = w.findChild<QLabel*>(QStringLiteral("Label%1").arg(spot.number));
      QVERIFY2(label != nullptr, qPrintable(QStringLiteral("Label%1").arg(spot.number)));
      QCOMPARE(label->text(), QString::fromLatin1(spot.text));
      QCOMPARE(label->pos(), QPoint(spot.left, spot.top));
      QCOMPARE(label->font().pixelSize(), spot.pixels);
    }
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("Label44")) == nullptr);
  }

  void kitWindowLayout() {
    TForm5& gs = *ctx().forms.form5;
    QCOMPARE(gs.windowTitle(), QStringLiteral("Rhytmalo Program Number"));
    QCOMPARE(kitButton(gs, 11)->text(), QStringLiteral("ELECTORNIC"));
    QCOMPARE(kitButton(gs, 33)->text(), QStringLiteral("RHYTHM FS 2"));
    QCOMPARE(kitButton(gs, 1)->geometry(), QRect(8, 8, 105, 17));
    QCOMPARE(kitButton(gs, 20)->geometry(), QRect(112, 152, 105, 17));
    QCOMPARE(kitButton(gs, 38)->geometry(), QRect(320, 120, 105, 17));
    QVERIFY(kitButton(gs, 39) == nullptr);
    QCOMPARE(gs.size(), QSize(445, 219));
    QCOMPARE(gs.pos(), QPoint(460, 71));

    TForm13& xg = *ctx().forms.form13;
    QCOMPARE(xg.windowTitle(), QStringLiteral("Rhytnalo Program Number"));
    QCOMPARE(kitButton(xg, 5)->geometry(), QRect(8, 72, 105, 17));
    QCOMPARE(kitButton(xg, 30)->geometry(), QRect(8, 88, 105, 17));
    QCOMPARE(kitButton(xg, 6)->geometry(), QRect(8, 104, 105, 17));
    QCOMPARE(kitButton(xg, 29)->geometry(), QRect(216, 152, 105, 17));
    // The two long MU captions start from a smaller size than the others and
    // shrink further only as far as they must to be shown whole.
    QVERIFY(kitButton(xg, 28)->font().pixelSize() <= 11);
    QVERIFY(kitButton(xg, 29)->font().pixelSize() <= 11);
    QVERIFY(kitButton(xg, 28)->font().pixelSize() >= kSmallestCaptionPixels);
    QCOMPARE(kitButton(xg, 27)->font().pixelSize(), 12);
    QCOMPARE(xg.size(), QSize(449, 213));
    QCOMPARE(xg.pos(), QPoint(428, 182));

    // Tab order follows the button numbers, with "Slim Kit" last.
    std::vector<int> order;
    QWidget* next = kitButton(xg, 1);
    for (int i = 0; i < 30; ++i) {
      order.push_back(next->objectName().mid(6).toInt());
      do next = next->nextInFocusChain();
      while (!qobject_cast<QPushButton*>(next));
    }
    std::vector<int> expected(30);
    for (int i = 0; i < 30; ++i) expected[static_cast<std::size_t>(i)] = i + 1;
    QCOMPARE(order, expected);

    TForm11& info = *ctx().forms.form11;
    QVERIFY(!info.isVisible());
    QCOMPARE(info.windowTitle(), QStringLiteral("情報"));
    QCOMPARE(info.size(), QSize(696, 219));
    auto* name = info.findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(name->text(), QStringLiteral("楽器名="));
    QCOMPARE(name->pos(), QPoint(8, 16));
    auto* value = info.findChild<QLabel*>(QStringLiteral("Label2"));
    QCOMPARE(value->text(), QString());
    QCOMPARE(value->pos(), QPoint(56, 16));
  }

  void geometryComesFromTheSettingsFile() {
    QCOMPARE(drumWindow().size(), QSize(929, 608));
    QCOMPARE(drumWindow().pos(), QPoint(326, 88));
    h_.reset();
    writeSettings(
        "[Window4]\nHeight=500\nWidth=900\nTop=40\nLeft=30\n"
        "[Window5]\nHeight=230\nWidth=460\nTop=50\nLeft=70\n"
        "[Window11]\nHeight=100\nWidth=100\nTop=10\nLeft=10\n");
    h_ = std::make_unique<Harness>(dir_->filePath(QStringLiteral("tonalyx.ini")));
    QCOMPARE(drumWindow().size(), QSize(900, 500));
    QCOMPARE(drumWindow().pos(), QPoint(30, 40));
    QCOMPARE(ctx().forms.form5->size(), QSize(460, 230));
    QCOMPARE(ctx().forms.form5->pos(), QPoint(70, 50));
    QCOMPARE(ctx().forms.form11->size(), QSize(696, 219));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::DrumWindowsTest)
#include "DrumWindowsTest.moc"
