// The program's language: Japanese until English is chosen from
// 設定 → 言語 / Language, then English at once in every window, open, hidden
// or made later, and Japanese again exactly as before; the choice is kept in
// a settings key of its own.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/TForm1.h"
#include "drum/TForm4.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"

namespace tonalyx {
namespace {

struct World : WindowTestWorld {
  explicit World(const std::string& settings_text = {}, std::set<int> failing = {})
      : WindowTestWorld(Setup(settings_text, std::move(failing))) {}
  static WindowTestSetup Setup(const std::string& settings_text, std::set<int> failing) {
    WindowTestSetup setup;
    setup.settings_text = settings_text;
    setup.failing_devices = std::move(failing);
    return setup;
  }
  // Picks a language from the menu as the user does; every window has its
  // texts again once the events posted have been handled.
  void Choose(const char* item) {
    ctx.forms.form1->findChild<QAction*>(QLatin1String(item))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  }
  // The whole file the close stores.
  std::string Stored() {
    ctx.forms.form1->close();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Its section [dev], as stored.
  std::string StoredDev() {
    const std::string text = Stored();
    const std::size_t from = text.find("[dev]");
    return text.substr(from, text.find("\n[", from) + 1 - from);
  }
};

// Every text of every window and menu, in a fixed order, each with the name
// of the object showing it. The language menu names itself in both
// languages on purpose and is left out.
QStringList AllTexts(const QWidgetList& windows = QApplication::topLevelWidgets()) {
  QStringList texts;
  const auto add = [&texts](const QObject* owner, const QString& text) {
    if (!text.isEmpty()) texts << owner->objectName() + QStringLiteral(": ") + text;
  };
  for (QWidget* window : windows) {
    add(window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
      if (w->objectName() == QStringLiteral("LanguageMenu")) continue;
      if (auto* label = qobject_cast<QLabel*>(w)) add(w, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, button->text());
      if (auto* box = qobject_cast<QGroupBox*>(w)) add(w, box->title());
      if (auto* edit = qobject_cast<QLineEdit*>(w)) add(w, edit->placeholderText());
      if (auto* combo = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < combo->count(); ++i) add(w, combo->itemText(i));
      if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
        for (int i = 0; i < header->model()->columnCount(); ++i)
          add(w, header->model()->headerData(i, Qt::Horizontal).toString());
      if (auto* menu = qobject_cast<QMenu*>(w)) emit menu->aboutToShow();  // fills the input menu
      for (const QAction* action : w->actions())
        if (action->menu() == nullptr)
          add(action, action->text());
        else if (action->menu()->objectName() != QStringLiteral("LanguageMenu"))
          add(action->menu(), action->text());
    }
  }
  return texts;
}

QStringList Japanese(const QStringList& texts) {
  static const QRegularExpression kKanaOrKanji(
      QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF01}-\\x{FF9F}]"));
  return texts.filter(kKanaOrKanji);
}

QString ActionText(QWidget* window, const char* name) {
  return window->findChild<QAction*>(QLatin1String(name))->text();
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void englishReachesEveryWindowAtOnceAndJapaneseComesBackAsItWas() {
    World world;
    const Forms& f = world.ctx.forms;
    // The finder and the edit windows are made before the choice, the export
    // dialog after it.
    f.form2->SearchRequested();
    f.form2->ToneEditRequested();
    f.form4->DrumEditRequested();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const QStringList japanese = AllTexts(windows);
    QVERIFY(japanese.contains(QStringLiteral("N2: 音源の種類の設定")));
    QCOMPARE(ActionText(f.form1, "Japanese"), QStringLiteral("日本語"));
    QVERIFY(f.form1->findChild<QAction*>(QStringLiteral("Japanese"))->isChecked());

    world.Choose("English");
    f.form1->findChild<QAction*>(QStringLiteral("ExportDefinitions"))->trigger();
    const QStringList english = AllTexts();
    QCOMPARE(Japanese(english), QStringList());
    for (const char* shown : {"TForm1: Tonalyx Main",
                              "N1: Settings",
                              "N2: Module type…",
                              "N3: Tone map…",
                              "MidiInputMenu: MIDI input",
                              "ExportDefinitions: Export definition file…",
                              ": None",
                              "MSB1: Bank select MSB",
                              "N1: Effects",
                              "N2: Keyboard",
                              "N3: Information",
                              "N4: Find a sound",
                              "TForm3: Module type",
                              "RadioGroup1Item3: GM2 (not yet)",
                              "Label1: Velocity=",
                              "Label5: Reverb=",
                              "Label15: Bend range=",
                              "TForm12: Information",
                              "RadioButton2: Drums",
                              "WriteButton: Export…",
                              "ToneEditWindow: Tone edit",
                              "Caption4: Cutoff",
                              "ComboBox1: Module default",
                              "DrumEditWindow: Drum sound edit",
                              "Random: Random"})
      QVERIFY2(english.contains(QString::fromUtf8(shown)), shown);

    world.Choose("Japanese");
    QCOMPARE(AllTexts(windows), japanese);
  }

  void theChoiceIsKeptInAKeyOfItsOwnAndAFileWithoutItStaysAsItWas() {
    // Whatever the system's language, no key means Japanese; the file is
    // written back without one.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::string before = "[dev]\ndev_num=0\ndrum=Recording MIDI Out\ntype=0\n\n";
    World plain(before);
    QVERIFY(plain.ctx.forms.form1->findChild<QAction*>(QStringLiteral("Japanese"))->isChecked());
    QVERIFY(!Japanese(AllTexts()).isEmpty());
    QCOMPARE(plain.StoredDev(), before);
    QLocale::setDefault(QLocale::system());

    World chosen(before);
    chosen.Choose("English");
    QCOMPARE(chosen.StoredDev(),
             "[dev]\ndev_num=0\ndrum=Recording MIDI Out\ntype=0\nlanguage=en\n\n");

    // The next start is in English from the first message on.
    World english(before + "[dev]\nlanguage=en\n", {0});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(english.messages, std::vector<std::string>{"Cannot open the MIDI device"});
    QVERIFY(english.ctx.forms.form1->findChild<QAction*>(QStringLiteral("English"))->isChecked());
    QCOMPARE(Japanese(AllTexts()), QStringList());
    english.Choose("Japanese");
    QVERIFY(english.Stored().find("\nlanguage=ja\n") != std::string::npos);
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::LanguageTest)
#include "LanguageTest.moc"
