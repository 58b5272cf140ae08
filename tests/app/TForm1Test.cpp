#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/TForm1.h"
#include "drum/TForm4.h"
#include "midi/ShortMessage.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "settings/SettingsFile.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"
#include "ui/AuditionHold.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;
const char kCannotOpen[] = "ＭＩＤＩデバイスが開けません";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// One program run, left as its start left it: what the start opened and sent
// is still recorded.
struct Run : WindowTestWorld {
  explicit Run(std::vector<std::optional<std::string>> devices = {"Synth A", "Synth B", "Synth C"},
               const std::string& settings_text = {}, std::set<int> failing = {})
      : WindowTestWorld(Setup(std::move(devices), settings_text, std::move(failing))) {
    main = ctx.forms.form1;
    combo = main->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
  }

  static WindowTestSetup Setup(std::vector<std::optional<std::string>> devices,
                               const std::string& settings_text, std::set<int> failing) {
    WindowTestSetup setup;
    setup.devices = std::move(devices);
    setup.settings_text = settings_text;
    setup.failing_devices = std::move(failing);
    setup.as_started = true;
    // Values that the main window's creation must reset.
    setup.before_start = [](AppContext& ctx) {
      ctx.state.MapIndex = 1;
      ctx.state.CurrentBank = 8;
      ctx.state.TestNote = 30;
    };
    return setup;
  }

  std::vector<std::pair<int, bool>> Opens() const {
    std::vector<std::pair<int, bool>> opens;
    for (const auto& e : backend.Events())
      if (e.kind == Kind::kOpen) opens.emplace_back(e.device, e.succeeded);
    return opens;
  }

  // What the user does when picking a list entry.
  void Pick(int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
  }

  TForm1* main = nullptr;
  QComboBox* combo = nullptr;
};

// A control holding note 60 on the run's port, as an audition button does;
// the backend's record starts after the press.
struct HeldNote {
  static constexpr std::uint32_t kNoteOff = ShortMessage(0x90, 60, 0);
  explicit HeldNote(Run& run) : hold(control, [&run] { run.ctx.port.SendShort(kNoteOff); }) {
    hold.Started();
    run.backend.Clear();
  }
  QWidget control;
  AuditionHold hold;
};

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void firstRunTakesTheDefaultsAndOpensPositionZeroSendingNothing() {
    Run run;
    QCOMPARE(run.main->size(), QSize(242, 127));
    QCOMPARE(run.main->pos(), QPoint(193, 159));
    QCOMPARE(run.combo->count(), 3);
    QCOMPARE(run.combo->currentIndex(), 0);
    QCOMPARE(run.main->SelectedDevice(), 0);
    QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{0, true}}));
    QCOMPARE(run.backend.Events().size(), std::size_t{1});  // nothing sent
    QVERIFY(run.waits.empty());
    QVERIFY(run.messages.empty());
    QCOMPARE(run.ctx.state.MapIndex, 4);
    QCOMPARE(run.ctx.state.CurrentBank, 0);
    QCOMPARE(run.ctx.state.TestNote, 60);
    QVERIFY(!run.ctx.forms.form2->isVisible());
    QVERIFY(!run.ctx.forms.form4->isVisible());
  }

  void restoresGeometryAndTheSavedDeviceWhenItsNameStillMatches() {
    Run run({"Synth A", "Synth B", "Synth C"},
            "[WINDOW]\nHEIGHT=300\n width = 400 \ntop=0x20\nleft=$10\n[Dev]\nDev_num=2\n"
            "drum=Synth C\n");
    QCOMPARE(run.main->size(), QSize(400, 300));
    QCOMPARE(run.main->pos(), QPoint(16, 32));
    QCOMPARE(run.combo->currentIndex(), 2);
    QCOMPARE(run.main->SelectedDevice(), 2);
    QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{2, true}}));
  }

  void aSavedPositionShowingAnotherNameOrNoEntryGivesPositionZero() {
    for (const char* text : {"[dev]\ndev_num=2\ndrum=Synth B\n", "[dev]\ndev_num=9\ndrum=Synth C\n",
                             "[dev]\ndev_num=-3\ndrum=Synth A\n"}) {
      Run run({"Synth A", "Synth B", "Synth C"}, text);
      QCOMPARE(run.combo->currentIndex(), 0);
      QCOMPARE(run.main->SelectedDevice(), 0);
      QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{0, true}}));
    }
  }

  void listsEveryReadableDeviceHoweverMany() {
    std::vector<std::optional<std::string>> devices;
    for (int i = 0; i < 200; ++i) devices.emplace_back("Port " + std::to_string(i));
    devices[1] = std::nullopt;
    Run run(devices, "[dev]\ndev_num=197\ndrum=Port 198\n");
    QCOMPARE(run.combo->count(), 199);
    QCOMPARE(run.combo->currentIndex(), 197);
    QCOMPARE(run.main->SelectedDevice(), 198);
  }

  void startUpFallbackFollowsTheDeviceItOpened() {
    Run run({"Synth A", "Synth B", "Synth C"}, {}, {0});
    QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{0, false}, {1, true}}));
    QCOMPARE(run.waits, std::vector<int>{100});
    QCOMPARE(run.combo->currentIndex(), 1);
    QCOMPARE(run.main->SelectedDevice(), 1);
    QVERIFY(run.messages.empty());
  }

  void startUpShowsTheMessageWhenBothOpensFailAndKeepsTheFirst() {
    Run run({"Synth A", "Synth B", "Synth C"}, {}, {0, 1});
    QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{0, false}, {1, false}}));
    QCOMPARE(run.waits, std::vector<int>{100});
    QCOMPARE(run.messages, std::vector<std::string>{kCannotOpen});
    QCOMPARE(run.combo->currentIndex(), 0);
    QCOMPARE(run.main->SelectedDevice(), 0);
  }

  void noDeviceMeansNoOpenAndNoMessage() {
    Run run(std::vector<std::optional<std::string>>{});
    QVERIFY(run.backend.Events().empty());
    QVERIFY(run.messages.empty());
    QCOMPARE(run.combo->count(), 0);
    run.main->close();
    const std::string text = ReadFile(run.path);
    QVERIFY(text.find("[dev]\ndev_num=0\ndrum=\ntype=0\n\n") != std::string::npos);
  }

  void selectingInCodeIsNoDeviceChange() {
    Run run;
    run.backend.Clear();
    run.combo->setCurrentIndex(2);
    QVERIFY(run.backend.Events().empty());
    QCOMPARE(run.main->SelectedDevice(), 0);
  }

  void deviceChangeSilencesClosesRetriesResetsAndWaits() {
    Run run;
    run.backend.Clear();
    run.backend.FailNextOpens(2);
    run.Pick(1);

    const auto& events = run.backend.Events();
    QVERIFY(events.size() >= 5);
    QVERIFY(events[0].kind == Kind::kShort && events[0].message == AllSoundOffDrums);
    QVERIFY(events[1].kind == Kind::kClose);
    QCOMPARE(run.Opens(), (std::vector<std::pair<int, bool>>{{1, false}, {1, false}, {1, true}}));
    // After the open: the port reset silences all sixteen channels.
    std::vector<std::uint32_t> reset;
    for (int channel = 0; channel < 16; ++channel) {
      reset.push_back(ShortMessage(0xB0 + channel, 123, 0));
      reset.push_back(ShortMessage(0xB0 + channel, 64, 0));
    }
    std::vector<std::uint32_t> expected_shorts{AllSoundOffDrums};
    expected_shorts.insert(expected_shorts.end(), reset.begin(), reset.end());
    QCOMPARE(run.backend.ShortMessages(), expected_shorts);
    QCOMPARE(run.waits, (std::vector<int>{500, 500, 200}));
    QCOMPARE(run.main->SelectedDevice(), 1);
    QVERIFY(run.messages.empty());
  }

  void deviceChangeGivesUpAfterEightOpensWithTheMessage() {
    Run run({"Synth A", "Synth B", "Synth C"}, {}, {2});
    run.backend.Clear();
    run.Pick(2);
    const std::vector<std::pair<int, bool>> all_failed(8, {2, false});
    QCOMPARE(run.Opens(), all_failed);
    std::vector<int> expected_waits(7, 500);
    expected_waits.push_back(200);
    QCOMPARE(run.waits, expected_waits);
    QCOMPARE(run.messages, std::vector<std::string>{kCannotOpen});
    QCOMPARE(run.main->SelectedDevice(), 2);
    // The port is not open: the reset sends nothing.
    QCOMPARE(run.backend.ShortMessages(), std::vector<std::uint32_t>{AllSoundOffDrums});
  }

  void closeSilencesTheRhythmChannelClosesAndStoresInOrder() {
    Run run;
    QSignalSpy closed(run.main, &TForm1::Closed);
    run.main->resize(250, 130);
    run.main->move(20, 30);
    run.ctx.forms.form2->resize(700, 500);
    run.ctx.forms.form2->move(5, 6);
    run.backend.Clear();
    QVERIFY(run.main->close());

    const auto& events = run.backend.Events();
    QCOMPARE(events.size(), std::size_t{2});
    QVERIFY(events[0].kind == Kind::kShort && events[0].message == 0x78B9u);
    QVERIFY(events[1].kind == Kind::kClose);
    QCOMPARE(closed.count(), 1);

    const SettingsFile settings = SettingsFile::Open(run.path);
    QCOMPARE(settings.ReadInteger("window", "height", 0), 130);
    QCOMPARE(settings.ReadInteger("window", "width", 0), 250);
    QCOMPARE(settings.ReadInteger("window", "top", 0), 30);
    QCOMPARE(settings.ReadInteger("window", "left", 0), 20);
    QCOMPARE(settings.ReadInteger("Window2", "Height", 0), 500);
    QCOMPARE(settings.ReadInteger("Window2", "Left", 0), 5);

    // The sections and keys stand in the order of writing, nothing else.
    const std::string text = ReadFile(run.path);
    std::string expected_order = "[window]\nHeight=130\nWidth=250\nTop=30\nLeft=20\n\n";
    std::size_t at = 0;
    QCOMPARE(text.substr(0, expected_order.size()), expected_order);
    for (int n = 2; n <= 12; ++n) {
      const std::string header = "[Window" + std::to_string(n) + "]\nHeight=";
      const std::size_t found = text.find(header, at);
      QVERIFY2(found != std::string::npos && found > at, header.c_str());
      at = found;
      QVERIFY(text.find("\nWidth=", at) < text.find("\nTop=", at));
      QVERIFY(text.find("\nTop=", at) < text.find("\nLeft=", at));
    }
    const std::string dev = "[dev]\ndev_num=0\ndrum=Synth A\ntype=0\n\n";
    QVERIFY(text.size() > dev.size());
    QCOMPARE(text.substr(text.size() - dev.size()), dev);
    QCOMPARE(std::count(text.begin(), text.end(), '['), 13);

    // A second close (a stop signal after the close box) does nothing more.
    run.main->close();
    QCOMPARE(run.backend.Events().size(), std::size_t{2});
    QCOMPARE(closed.count(), 1);
  }

  void closeReplacesHandEditedKeysAndDropsComments() {
    Run run({"Synth A", "Synth B"},
            "; mine\n[WINDOW]\nHEIGHT=300\n\n[Extra]\nkeep=1\n[dev]\ndev_num=1\ndrum=Synth B\n"
            "type=0x1\n");
    QCOMPARE(run.main->height(), 300);
    run.Pick(0);
    run.main->close();
    const std::string text = ReadFile(run.path);
    QVERIFY(text.rfind("[WINDOW]\nHeight=300\nWidth=242\nTop=159\nLeft=193\n\n[Extra]\nkeep=1\n\n"
                       "[dev]\ndev_num=0\ndrum=Synth A\ntype=0\n\n[Window2]\n",
                       0) == 0);
    QVERIFY(text.find(';') == std::string::npos);
  }

  void closeEndsAHeldNoteWhileThePortIsStillOpen() {
    Run run;
    HeldNote held(run);
    run.main->close();
    QCOMPARE(run.backend.ShortMessages(),
             (std::vector<std::uint32_t>{HeldNote::kNoteOff, AllSoundOffDrums}));
    QVERIFY(run.backend.Events().back().kind == Kind::kClose);
    QVERIFY(!held.hold.IsHeld());
  }

  void deviceChangeEndsAHeldNoteOnTheOldDeviceAndNotOnTheNewOne() {
    Run run;
    HeldNote held(run);
    run.Pick(1);
    const auto& events = run.backend.Events();
    QVERIFY(events.size() >= 3);
    QCOMPARE(events[0].message, HeldNote::kNoteOff);
    QCOMPARE(events[1].message, AllSoundOffDrums);
    QVERIFY(events[2].kind == Kind::kClose);
    // The late mouse-up sends nothing to the device opened since.
    run.backend.Clear();
    held.hold.MouseUp();
    QVERIFY(run.backend.Events().empty());
  }

  void aSettingsFileThatCannotBeWrittenDoesNotStopTheClose() {
    const std::string original = "[dev]\ntype=2\n";
    Run run({"Synth A"}, original);
    QFile::setPermissions(QString::fromStdString(run.path), QFile::ReadOwner | QFile::ReadGroup);
    QSignalSpy closed(run.main, &TForm1::Closed);
    QVERIFY(run.main->close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(ReadFile(run.path), original);
    QVERIFY(!run.ctx.port.IsOpen());
  }

  void aFileItCannotTakeInWholeOrThatHoldsNoSectionSurvivesTheClose() {
    std::string large = "[window]\nheight=300\n[filler]\n";
    while (large.size() < 3 * SettingsFile::kMaxLoadBytes) large += std::string(999, 'f') + "\n";
    large += "[last]\nkeep=this\n";
    for (const std::string& original : {large, std::string("root:x:0:0:root:/root:/bin/bash\n")}) {
      Run run({"Synth A"}, original);
      QSignalSpy closed(run.main, &TForm1::Closed);
      QVERIFY(run.main->close());
      QCOMPARE(closed.count(), 1);
      QVERIFY(ReadFile(run.path) == original);
    }
  }

  void aDeviceNamedWithEdgeBlanksIsChosenAgainAtTheNextStart() {
    const std::vector<std::optional<std::string>> devices = {"Synth A", " Synth B\t"};
    std::string stored;
    {
      Run run(devices);
      run.Pick(1);
      run.main->close();
      stored = ReadFile(run.path);
    }
    Run again(devices, stored);
    QCOMPARE(again.combo->currentIndex(), 1);
    QCOMPARE(again.Opens(), (std::vector<std::pair<int, bool>>{{1, true}}));
  }

  void toneButtonShowsTheProgramWindowAndFillsTheTables() {
    Run run;
    QVERIFY(!run.ctx.tables.IsFilled());
    QTest::mouseClick(run.main->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(run.ctx.forms.form2->isVisible());
    QVERIFY(run.ctx.tables.IsFilled());
    QVERIFY(!run.ctx.forms.form4->isVisible());
  }

  void drumButtonShowsTheDrumWindowAndFillsTheTables() {
    Run run;
    QTest::mouseClick(run.main->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QVERIFY(run.ctx.forms.form4->isVisible());
    QVERIFY(run.ctx.tables.IsFilled());
    QVERIFY(!run.ctx.forms.form2->isVisible());
  }

  void menuOpensTheModuleTypeWindowAndTheMapWindowOfTheType() {
    Run run;
    auto* n2 = run.main->findChild<QAction*>(QStringLiteral("N2"));
    auto* n3 = run.main->findChild<QAction*>(QStringLiteral("N3"));
    n2->trigger();
    QVERIFY(run.ctx.forms.form3->isVisible());

    run.ctx.state.ModuleType = ModuleKind::kGm;
    n3->trigger();
    QVERIFY(!run.ctx.forms.form9->isVisible() && !run.ctx.forms.form10->isVisible());
    run.ctx.state.ModuleType = ModuleKind::kXg;
    n3->trigger();
    QVERIFY(run.ctx.forms.form10->isVisible() && !run.ctx.forms.form9->isVisible());
    run.ctx.state.ModuleType = ModuleKind::kGs;
    n3->trigger();
    QVERIFY(run.ctx.forms.form9->isVisible());
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::TForm1Test)
#include "TForm1Test.moc"
