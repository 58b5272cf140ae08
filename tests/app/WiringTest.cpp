// How the windows meet: what they announce through the events object and at
// which point of each sequence, and the state each keeps current for the
// others to read.

#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <string>
#include <vector>

#include "app/TForm1.h"
#include "drum/TForm5.h"
#include "midi/ShortMessage.h"
#include "modules/TForm9.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "ui/Events.h"

namespace tonalyx {
namespace {

using Log = std::vector<std::string>;

// Writes down each announcement with the number of backend events recorded
// before it, so a log shows where in a sequence it came.
class Announcements {
 public:
  explicit Announcements(WindowTestWorld& w) : w_(w) {
    Events& events = w.ctx.events;
    QObject::connect(&events, &Events::CaptionsStale, &receiver_, [this](Events::Captions stale) {
      if (stale.testFlag(Events::Caption::kDrum)) Note("drum");
      if (stale.testFlag(Events::Caption::kProgram)) Note("program");
      if (stale.testFlag(Events::Caption::kBank)) Note("bank");
    });
    QObject::connect(&events, &Events::ModuleTypeApplied, &receiver_, [this](ModuleKind type) {
      Note("type " + std::to_string(StoredModuleType(type)));
    });
    QObject::connect(&events, &Events::TonePlayed, &receiver_,
                     [this](int program, int bank, std::string_view) {
                       Note("tone " + std::to_string(program) + "/" + std::to_string(bank));
                     });
  }

  // What was announced since the last call; the backend's record starts anew.
  Log Take() {
    Log taken;
    taken.swap(log_);
    w_.backend.Clear();
    return taken;
  }

 private:
  void Note(const std::string& what) {
    log_.push_back(what + " @" + std::to_string(w_.backend.Events().size()));
  }

  WindowTestWorld& w_;
  QObject receiver_;
  Log log_;
};

void Hold(QPushButton* button) {
  QTest::mousePress(button, Qt::LeftButton);
  QTest::mouseRelease(button, Qt::LeftButton);
}

}  // namespace

class WiringTest : public QObject {
  Q_OBJECT

 private slots:
  void refreshAnnouncesEachStaleSetOnceDrumFirst() {
    Events events;
    std::vector<Events::Captions> seen;
    connect(&events, &Events::CaptionsStale, this,
            [&seen](Events::Captions stale) { seen.push_back(stale); });
    events.RefreshCaptions(Events::Caption::kBank | Events::Caption::kProgram |
                           Events::Caption::kDrum);
    QCOMPARE(seen, (std::vector<Events::Captions>{Events::Caption::kDrum, Events::Caption::kProgram,
                                                  Events::Caption::kBank}));
    seen.clear();
    events.RefreshCaptions(Events::Caption::kBank | Events::Caption::kProgram);
    QCOMPARE(seen,
             (std::vector<Events::Captions>{Events::Caption::kProgram, Events::Caption::kBank}));
    seen.clear();
    events.RefreshCaptions({});
    QVERIFY(seen.empty());
  }

  void aSubscriberRefreshesOnlyItsCaptionsAndOnlyWhileItLives() {
    Events events;
    int refreshes = 0;
    {
      QObject window;
      events.WhenStale(Events::Caption::kBank, &window, [&refreshes] { ++refreshes; });
      events.RefreshCaptions(Events::Caption::kDrum | Events::Caption::kProgram);
      QCOMPARE(refreshes, 0);
      events.RefreshCaptions(Events::Caption::kBank | Events::Caption::kDrum);
      QCOMPARE(refreshes, 1);
    }
    events.RefreshCaptions(Events::Caption::kBank);
    QCOMPARE(refreshes, 1);
  }

  void tonePressesAnnounceAfterTheGsSendsAndBeforeTheXgSends() {
    WindowTestWorld w;
    Announcements a(w);
    w.ctx.state.CurrentBank = 8;
    Hold(WindowTestWorld::Button(w.ctx.forms.form2, 17));
    QCOMPARE(a.Take(), (Log{"program @16", "bank @16", "tone 16/8 @16"}));

    w.TypeItem(1)->click();
    QCOMPARE(a.Take(), (Log{"type 1 @0", "drum @0", "program @0"}));
    Hold(WindowTestWorld::Button(w.ctx.forms.form6, 3));
    QCOMPARE(a.Take(), (Log{"program @0", "bank @0"}));

    // GM and GM2 announce nothing.
    w.TypeItem(2)->click();
    a.Take();
    Hold(WindowTestWorld::Button(w.ctx.forms.form2, 1));
    QCOMPARE(a.Take(), Log{});
  }

  void resetsAnnounceTheTypeBeforeTheyAreSentAndTheCaptionsAfter() {
    WindowTestWorld w;
    Announcements a(w);
    // OK in the module type window: reset, then program and bank captions.
    w.ctx.forms.form3->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QCOMPARE(a.Take(), (Log{"type 0 @0", "program @1", "bank @1"}));

    // The main window's tone and drum buttons.
    WindowTestWorld::Button(w.ctx.forms.form1, 1)->click();
    QCOMPARE(a.Take(), (Log{"type 0 @0", "program @1"}));
    WindowTestWorld::Button(w.ctx.forms.form1, 2)->click();
    QCOMPARE(a.Take(), (Log{"type 0 @0", "drum @1"}));

    // A device change: All Sound Off, close, open and the 32 port reset
    // messages, then the module reset, then drum and program captions.
    auto* devices = w.ctx.forms.form1->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    emit devices->activated(0);
    QCOMPARE(a.Take(), (Log{"type 0 @35", "drum @36", "program @36"}));
  }

  void mapAndKitChoicesAnnounceTheirCaptionsAndSendNothing() {
    WindowTestWorld w;
    Announcements a(w);
    w.ctx.forms.form9->findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->click();
    QCOMPARE(a.Take(), (Log{"drum @0", "program @0", "bank @0"}));
    WindowTestWorld::Button(w.ctx.forms.form5, 9)->click();
    QCOMPARE(a.Take(), (Log{"drum @0"}));
  }

  void theOwningWindowsKeepTheSharedStateCurrent() {
    WindowTestWorld w;
    SharedState& s = w.ctx.state;
    QCOMPARE(s.selected_type, 0);
    w.TypeItem(2)->click();
    QCOMPARE(s.selected_type, 2);
    w.ctx.forms.form3->RestoreSelection(-1);
    QCOMPARE(s.selected_type, -1);
    QCOMPARE(s.ModuleType, 2);
    w.ctx.forms.form3->RestoreSelection(1);
    QCOMPARE(s.selected_type, 1);

    // The auditions play with the values the controller window keeps, and
    // the window keeps them equal to its bars.
    auto bar = [&w](int row) {
      return w.ctx.forms.form7->findChild<QScrollBar*>(QStringLiteral("ScrollBar%1").arg(row));
    };
    bar(1)->setValue(77);
    bar(7)->setValue(-100);
    QCOMPARE(s.controllers.velocity, 77);
    QCOMPARE(s.controllers.pitch_bend, -100);
    QCOMPARE(s.controllers.reverb, w.ctx.forms.form7->Values().reverb);
    s.ModuleType = ModuleKind::kGm;
    w.backend.Clear();
    QTest::mousePress(WindowTestWorld::Button(w.ctx.forms.form2, 1), Qt::LeftButton);
    QCOMPARE(w.backend.ShortMessages().back(), ShortMessage(0x90, 60, 77));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::WiringTest)
#include "WiringTest.moc"
