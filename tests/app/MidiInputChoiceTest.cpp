#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/TForm1.h"
#include "midi/ShortMessage.h"
#include "support/ThruDrain.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm12.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;

// One program run as it starts, over two outputs and the inputs given.
struct Run : WindowTestWorld {
  explicit Run(const std::string& settings_text = {}, std::vector<std::string> inputs = {"Keys A"})
      : WindowTestWorld(Setup(settings_text, std::move(inputs))) {
    main = ctx.forms.form1;
    menu = main->findChild<QMenu*>(QStringLiteral("MidiInputMenu"));
  }

  static WindowTestSetup Setup(const std::string& settings_text, std::vector<std::string> inputs) {
    WindowTestSetup setup;
    setup.devices = {"Synth A", "Synth B"};
    setup.settings_text = settings_text;
    setup.as_started = true;
    setup.before_start = [inputs](AppContext& ctx) {
      static_cast<FakeInputBackend*>(ctx.input_backend)->SetDevices(inputs);
    };
    return setup;
  }

  // The input menu's entries as the user sees them when it opens, the
  // checked one marked with "*".
  QStringList Entries() {
    emit menu->aboutToShow();
    QStringList entries;
    for (const QAction* action : menu->actions())
      entries << (action->isChecked() ? "*" : "") + action->text();
    return entries;
  }
  void Choose(const QString& text) {
    emit menu->aboutToShow();
    for (QAction* action : menu->actions())
      if (action->text() == text) action->trigger();
  }
  // Plays messages into the open input, one delivery each, and lets the
  // windows take what follows.
  void Play(std::initializer_list<std::vector<std::uint8_t>> deliveries) {
    for (const auto& delivery : deliveries) input.Play(delivery);
    QVERIFY2(WaitUntilDrained(ctx.thru), "the thru did not pass the input on within 5 s");
    QCoreApplication::processEvents();
  }
  std::vector<std::uint32_t> Sent() {
    auto sent = backend.ShortMessages();
    backend.Clear();
    return sent;
  }

  TForm1* main = nullptr;
  QMenu* menu = nullptr;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

QString Label(QWidget* window, int n) {
  return window->findChild<QLabel*>(QStringLiteral("Label%1").arg(n))->text();
}

}  // namespace

class MidiInputChoiceTest : public QObject {
  Q_OBJECT

 private slots:
  void theSavedInputOpensAtStartAndAMissingOneSilently() {
    Run present("[dev]\nmidi_in=Keys B\n", {"Keys A", "Keys B"});
    QCOMPARE(present.input.OpenDevice(), std::optional<int>(1));
    Run missing("[dev]\nmidi_in=Keys C\n", {"Keys A", "Keys B"});
    QVERIFY(!missing.input.OpenDevice());
    QVERIFY(missing.messages.empty());
    // Kept by name while it is away, and opened once it is back.
    QCOMPARE(missing.Entries(), (QStringList{"なし", "Keys A", "Keys B", "*Keys C"}));
    missing.input.SetDevices({"Keys C"});
    QTRY_COMPARE_WITH_TIMEOUT(missing.input.OpenDevice(), std::optional<int>(0), 3000);
  }

  void theMenuListsTheInputsAfreshAndTheChoiceIsStoredByName() {
    Run run;
    QCOMPARE(run.Entries(), (QStringList{"*なし", "Keys A"}));
    run.input.SetDevices({"Keys A", "USB Keys"});
    run.Choose("USB Keys");
    QCOMPARE(run.input.OpenDevice(), std::optional<int>(1));
    QCOMPARE(run.Entries(), (QStringList{"なし", "Keys A", "*USB Keys"}));
    run.main->close();
    QVERIFY(ReadFile(run.path).find("[dev]\ndev_num=0\ndrum=Synth A\ntype=0\nmidi_in=USB Keys\n") !=
            std::string::npos);

    // Choosing none again is written too, and the next start opens nothing.
    Run again(ReadFile(run.path), {"Keys A", "USB Keys"});
    QCOMPARE(again.input.OpenDevice(), std::optional<int>(1));
    again.Choose("なし");
    QVERIFY(!again.input.OpenDevice());
    again.main->close();
    QVERIFY(ReadFile(again.path).find("midi_in=\n") != std::string::npos);
  }

  void theOutputListIsListedAfreshKeepingTheDeviceInUse() {
    Run run("[Dev]\nDev_num=1\ndrum=Synth B\n");
    auto* combo = run.main->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    run.backend.SetDevices({"New Synth", "Synth A", "Synth B"});
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QStringLiteral("Synth B"));
    QCOMPARE(run.main->SelectedDevice(), 2);
    run.backend.SetDevices({"New Synth"});
    combo->showPopup();
    combo->hidePopup();
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentIndex(), -1);
  }

  void aProgramChangeSelectsTheToneForTheModuleType() {
    Run run("[dev]\nmidi_in=Keys A\n");
    run.ctx.tables.FillNameTables();
    run.backend.Clear();
    run.Play({{0xB3, 0x00, 0x08}, {0xC3, 24}});
    QCOMPARE(run.Sent(),
             (std::vector<std::uint32_t>{ShortMessage(0xB0, 0, 8), ShortMessage(0xB0, 0, 8),
                                         ShortMessage(0xB0, 32, 4), ShortMessage(0xC0, 24)}));
    QWidget* info = run.ctx.forms.form12.Window();
    QCOMPARE(Label(info, 2), QStringLiteral("24"));
    QCOMPARE(Label(info, 4), QStringLiteral("8"));
    const std::string_view name = run.ctx.tables.GsTone(25, 8, 4);
    QVERIFY(!name.empty());
    QCOMPARE(Label(info, 6), QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));

    run.ctx.state.ModuleType = ModuleKind::kXg;
    run.Play({{0xB0, 32, 3}, {0xC0, 5}});
    QCOMPARE(run.ctx.state.CurrentBank, 3);
    QCOMPARE(run.Sent(),
             (std::vector<std::uint32_t>{ShortMessage(0xB0, 32, 3), ShortMessage(0xB0, 0, 0),
                                         ShortMessage(0xB0, 32, 3), ShortMessage(0xC0, 5)}));
    // GM selects bank 0 as its press does, whatever bank the keyboard chose.
    run.ctx.state.ModuleType = ModuleKind::kGm;
    run.Play({{0xB0, 0, 5}, {0xC0, 7}});
    run.ctx.state.ModuleType = ModuleKind::kGm2;
    run.Play({{0xC0, 9}});
    QCOMPARE(run.Sent(),
             (std::vector<std::uint32_t>{ShortMessage(0xB0, 0, 5), ShortMessage(0xB0, 0, 0),
                                         ShortMessage(0xB0, 32, 0), ShortMessage(0xC0, 7)}));
    QCOMPARE(run.ctx.state.CurrentProgram, 9);
  }

  void heldInputNotesEndWhenTheOutputTypeOrInputChangesOrTheProgramEnds() {
    Run run("[dev]\nmidi_in=Keys A\n", {"Keys A", "Keys B"});
    const auto note_off = ShortMessage(0x80, 60, 0);
    run.Play({{0x90, 60, 100}});
    run.backend.Clear();
    run.main->ComboBox1Change(1);
    QVERIFY(run.backend.Events()[0].kind == Kind::kShort &&
            run.backend.Events()[0].message == note_off);

    run.Play({{0x90, 60, 100}});
    run.Sent();
    emit run.ctx.events.ModuleTypeApplied(ModuleKind::kXg);
    QCOMPARE(run.Sent(), std::vector<std::uint32_t>{note_off});

    run.Play({{0x90, 60, 100}});
    run.Sent();
    run.Choose("Keys B");
    QCOMPARE(run.Sent(), std::vector<std::uint32_t>{note_off});

    run.Play({{0x90, 60, 100}});
    run.Sent();
    run.input.SetDevices({"Keys A"});  // Keys B vanishes
    QTRY_VERIFY_WITH_TIMEOUT(!run.input.OpenDevice(), 3000);
    QCOMPARE(run.Sent(), std::vector<std::uint32_t>{note_off});

    run.input.SetDevices({"Keys B"});
    QTRY_VERIFY_WITH_TIMEOUT(run.input.OpenDevice().has_value(), 3000);
    run.Play({{0x90, 60, 100}});
    run.Sent();
    run.main->close();
    QCOMPARE(run.Sent(), (std::vector<std::uint32_t>{note_off, AllSoundOffDrums}));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::MidiInputChoiceTest)
#include "MidiInputChoiceTest.moc"
