// A seeded random walk over the real windows and the recording backend:
// presses and releases with either mouse button on the program, bank, key and
// drum buttons, mixed with everything else a user does to the windows, often
// while a button is held, menus and other popups opened from the keyboard
// among it. After every step no note may sound unless a mouse
// button is down, and the port may never close while a note sounds.
//
// TONALYX_WALK_SEED=<n> walks that seed alone, TONALYX_WALK_STEPS=<n> sets
// the number of steps. A failure names the seed and a shortened list of steps
// that still fails.

#include <QtTest>
#include <cstdlib>
#include <string>

#include "midi/ShortMessage.h"
#include "tests/walk/NoteLedger.h"
#include "tests/walk/WindowWalk.h"

namespace tonalyx {
namespace {
constexpr int kDefaultSteps = 3000;
constexpr int kShrinkReplays = 400;

int StepCount() {
  const char* text = std::getenv("TONALYX_WALK_STEPS");
  return text != nullptr ? std::atoi(text) : kDefaultSteps;
}

std::string Report(std::uint64_t seed, int count, const WalkFailure& failure,
                   const std::vector<WalkStep>& steps) {
  std::string text = "seed " + std::to_string(seed) + " broke the rule after step " +
                     std::to_string(failure.steps) + ": " + failure.message +
                     "\n  again: TONALYX_WALK_SEED=" + std::to_string(seed) +
                     " TONALYX_WALK_STEPS=" + std::to_string(count) +
                     "\n  shortened to these steps, which still fail:";
  const std::vector<WalkStep> shrunk = ShrinkWalk(steps, kShrinkReplays);
  for (std::size_t i = 0; i < shrunk.size(); ++i)
    text += "\n  " + std::to_string(i + 1) + ". " + Describe(shrunk[i]);
  if (const auto again = ReplayWalk(shrunk)) text += "\n  which gives: " + again->message;
  return text;
}
}  // namespace

class StuckNoteWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The offscreen platform warns of every window operation it lacks (size
    // hints, raising); thousands of those would bury what matters.
    static QtMessageHandler pass_on = nullptr;
    pass_on = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& where, const QString& text) {
          if (!text.startsWith(QLatin1String("This plugin does not support")))
            pass_on(type, where, text);
        });
  }

  void theLedgerSeesANoteLeftSoundingWhenThePortCloses() {
    RecordingBackend backend;
    NoteLedger ledger;
    backend.Open(0);
    backend.SendShort(ShortMessage(0x90, 60, 100));
    backend.SendShort(ShortMessage(0x90, 60, 100));  // a second note-on needs its own end
    backend.SendShort(ShortMessage(0x90, 60, 0));
    backend.SendShort(ShortMessage(0x99, 36, 100));
    backend.SendShort(ShortMessage(0x90, 61, 0));  // ends nothing that sounds
    ledger.Follow(backend);
    QCOMPARE(ledger.Sounding(), std::string("channel 1 note 60, channel 10 note 36"));
    backend.SendShort(ShortMessage(0xB9, 120, 0));  // All Sound Off, channel 10
    backend.SendShort(ShortMessage(0x90, 62, 0));   // velocity 0 starts nothing
    ledger.Follow(backend);
    QCOMPARE(ledger.Sounding(), std::string("channel 1 note 60"));
    QVERIFY(!ledger.Violation());
    backend.Close();
    ledger.Follow(backend);
    QCOMPARE(ledger.Violation().value_or(""),
             std::string("the port closed while channel 1 note 60 sounded"));
    QCOMPARE(ledger.NotesPlayed(), std::size_t{3});
  }

  void everyNoteEndsWhateverHappensDuringItsHold_data() {
    QTest::addColumn<quint64>("seed");
    if (const char* seed = std::getenv("TONALYX_WALK_SEED")) {
      QTest::newRow(seed) << static_cast<quint64>(std::strtoull(seed, nullptr, 10));
      return;
    }
    for (const quint64 seed : {1, 2, 3, 4, 5, 6})
      QTest::newRow(qPrintable(QString::number(seed))) << seed;
  }

  void everyNoteEndsWhateverHappensDuringItsHold() {
    QFETCH(quint64, seed);
    const int count = StepCount();
    std::vector<WalkStep> steps;
    WalkSummary summary;
    if (const auto failure = RunWalk(seed, count, steps, summary))
      QFAIL(Report(seed, count, *failure, steps).c_str());
    qInfo(
        "seed %llu: %zu steps in %zu program runs, %zu notes played, %zu steps taken during "
        "holds, %zu popups opened during holds",
        static_cast<unsigned long long>(seed), summary.steps, summary.runs, summary.notes_played,
        summary.steps_during_holds, summary.popups_during_holds);
    // A walk that played hardly anything would prove nothing.
    QVERIFY(summary.notes_played >= summary.steps / 10);
    QVERIFY(summary.steps_during_holds >= summary.steps / 10);
    QVERIFY(summary.popups_during_holds >= summary.steps / 300);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::StuckNoteWalkTest)
#include "StuckNoteWalkTest.moc"
