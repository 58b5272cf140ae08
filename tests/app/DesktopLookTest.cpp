// The windows as a desktop shows them, at the scale factor this test runs at
// (QT_SCALE_FACTOR; ctest runs it at 1 and at 2): the program icon, the design
// layout in device-independent pixels, captions that fit their buttons, and
// settings geometry that reads and writes the same whatever the factor.

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <string_view>

#include "app/ProgramIdentity.h"
#include "app/TForm1.h"
#include "drum/TForm11.h"
#include "drum/TForm13.h"
#include "drum/TForm4.h"
#include "drum/TForm5.h"
#include "modules/TForm10.h"
#include "modules/TForm3.h"
#include "modules/TForm9.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/TForm8.h"
#include "ui/UiLook.h"

namespace tonalyx {
namespace {

qreal ScaleFactor() {
  bool ok = false;
  const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok ? factor : 1.0;
}

// The shared window fixture, with a settings file of the given text (none
// when empty), and its thirteen windows in a list.
struct World : WindowTestWorld {
  explicit World(const QByteArray& settings = {}) : WindowTestWorld(Setup(settings)) {}
  static WindowTestSetup Setup(const QByteArray& settings) {
    WindowTestSetup setup;
    setup.settings_text = settings.toStdString();
    return setup;
  }
  QList<QWidget*> Windows() const {
    const Forms& f = ctx.forms;
    return {f.form1, f.form2, f.form3,  f.form4,  f.form5,  f.form6, f.form7,
            f.form8, f.form9, f.form10, f.form11, f.form12, f.form13};
  }
};

QString Displayed(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The room the button's style leaves for its caption, and the caption's width.
struct CaptionRoom {
  int text;
  int room;
};
CaptionRoom RoomFor(const QPushButton& button, const QString& shown) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect contents =
      button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
  return {button.fontMetrics().horizontalAdvance(shown), contents.width()};
}

// The widest name of a table in the design font, and where it is.
struct Widest {
  QString name;
  int width = -1;
  int a = 0, b = 0, c = 0;  // the table's own coordinates
};
template <typename Lookup>
Widest WidestName(int a_count, int b_count, int c_count, Lookup lookup) {
  const QFontMetrics metrics(DesignFont());
  Widest widest;
  for (int a = 0; a < a_count; ++a)
    for (int b = 0; b < b_count; ++b)
      for (int c = 0; c < c_count; ++c) {
        const QString name = Displayed(lookup(a, b, c));
        const int width = metrics.horizontalAdvance(name);
        if (width > widest.width) widest = {name, width, a, b, c};
      }
  return widest;
}

// The text a label, radio button or group box shows, and the width it needs.
struct ShownText {
  QString text;
  int needed = 0;
};
ShownText TextOf(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control))
    return {label->text(), label->fontMetrics().horizontalAdvance(label->text())};
  if (const auto* box = qobject_cast<const QGroupBox*>(&control))
    return {box->title(), box->fontMetrics().horizontalAdvance(box->title()) + 16};
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
    if (qobject_cast<const QPushButton*>(&control) == nullptr)
      return {button->text(), button->sizeHint().width()};
  return {};
}

// Every label, radio button and group box of a window showing a translated
// text (window/control names in `translated`) is wide enough for it, and the
// text runs into no control standing to its right.
void ExpectTextsInTheirPlaces(const QWidget& window, const QStringList& translated) {
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    const ShownText shown = TextOf(*control);
    const QString name = window.objectName() + '/' + control->objectName();
    if (shown.text.isEmpty() || control->isHidden() || !translated.contains(name)) continue;
    const QString where = name + " \"" + shown.text;
    QVERIFY2(shown.needed <= control->width(), qPrintable(QStringLiteral("%1\" needs %2 px, has %3")
                                                              .arg(where)
                                                              .arg(shown.needed)
                                                              .arg(control->width())));
    const QRect text(control->pos(), QSize(shown.needed, control->height()));
    for (const QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == control || other->isHidden() || other->x() <= control->x()) continue;
      QVERIFY2(!text.intersects(other->geometry()),
               qPrintable(QStringLiteral("%1\" runs into %2").arg(where, other->objectName())));
    }
  }
}

QPushButton* Button(QWidget* window, int n) {
  return window->findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
}

}  // namespace

class DesktopLookTest : public QObject {
  Q_OBJECT

  // The caption shown on a button is the name, whole.
  static void ExpectShownWhole(QPushButton* button, const QString& name) {
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
    const CaptionRoom room = RoomFor(*button, name);
    QVERIFY2(room.text <= room.room, qPrintable(QStringLiteral("\"%1\" is %2 px wide, %3 has %4 px")
                                                    .arg(name)
                                                    .arg(room.text)
                                                    .arg(button->objectName())
                                                    .arg(room.room)));
  }

 private slots:
  void initTestCase() { ApplyProgramIdentity(); }

  void everyWindowCarriesTheProgramIcon() {
    World world;
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.tonalyx.Tonalyx"));
    const QList<QSize> sizes = ProgramIcon().availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
      QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    for (QWidget* window : world.Windows()) {
      const QIcon icon = window->windowIcon();
      QCOMPARE(icon.cacheKey(), QGuiApplication::windowIcon().cacheKey());
      QVERIFY(!icon.pixmap(QSize(32, 32)).isNull());
    }
  }

  void windowsKeepTheDesignLayoutScaled() {
    World world;
    const Forms& f = world.ctx.forms;
    const QList<QWidget*> shown = {f.form1, f.form2, f.form4, f.form7};
    for (QWidget* window : shown) {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
      QCOMPARE(window->devicePixelRatioF(), ScaleFactor());
      // Drawn with as many device pixels as the factor asks for.
      const QPixmap picture = window->grab();
      QCOMPARE(picture.size(), window->size() * ScaleFactor());
    }
    // Controls stand where the design puts them, in device-independent pixels.
    const auto at = [](QWidget* window, const char* name) {
      auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
      return control != nullptr ? QRect(control->mapTo(window, QPoint(0, 0)), control->size())
                                : QRect();
    };
    const int menu = f.form1->menuBar()->height();
    QCOMPARE(at(f.form1, "Button1"), QRect(8, menu, 97, 33));
    QCOMPARE(at(f.form1, "Button2"), QRect(112, menu, 97, 33));
    QCOMPARE(at(f.form2, "Button128").topLeft() - at(f.form2, "Button1").topLeft(),
             QPoint(176 * 3, 264 + 16 * 15));
    QCOMPARE(at(f.form2, "Button17").size(), QSize(177, 17));
    QCOMPARE(at(f.form4, "Button2").topLeft() - at(f.form4, "Button1").topLeft(), QPoint(0, 16));
    QCOMPARE(at(f.form7, "ScrollBar8"), QRect(16, 24 + 48 * 7, 153, 17));
    QCOMPARE(f.form7->size(), QSize(445, 423));
  }

  void theWidestNamesOfEveryTableFitTheirButtons() {
    World world;
    const NameTables& tables = world.ctx.tables;
    SharedState& state = world.ctx.state;
    const Forms& f = world.ctx.forms;

    // GS and XG tones on the program buttons and on the bank buttons.
    const Widest gs_tone = WidestName(5, 128, 128, [&](int map, int bank, int program) {
      return tables.GsTone(program + 1, bank, map);
    });
    const Widest xg_tone = WidestName(6, 128, 128, [&](int map, int bank, int program) {
      return tables.XgTone(program, bank, map);
    });
    const auto expect_on_tone_buttons = [&](int type, int& map_index, const Widest& widest) {
      f.form3->RestoreSelection(type);
      map_index = widest.a;
      state.CurrentBank = widest.b;
      state.CurrentProgram = widest.c;
      f.form2->RefreshProgramCaptions();
      f.form6->RefreshBankCaptions();
      ExpectShownWhole(Button(f.form2, widest.c + 1), widest.name);
      ExpectShownWhole(Button(f.form6, widest.b + 1), widest.name);
    };
    expect_on_tone_buttons(0, state.MapIndex, gs_tone);
    expect_on_tone_buttons(1, state.XgMapIndex, xg_tone);

    // GS and XG drum instruments on the drum note buttons.
    const Widest gs_drum = WidestName(
        5, 128, 128, [&](int map, int kit, int note) { return tables.GsDrum(kit, note, map); });
    const Widest xg_drum =
        WidestName(1, 128, 128, [&](int, int kit, int note) { return tables.XgDrum(kit, note); });
    f.form3->RestoreSelection(0);
    state.MapIndex = gs_drum.a;
    state.DrumKit = gs_drum.b;
    f.form4->RefreshDrumCaptions();
    ExpectShownWhole(Button(f.form4, gs_drum.c + 1), gs_drum.name);
    f.form3->RestoreSelection(1);
    state.DrumKit = xg_drum.b;
    f.form4->RefreshDrumCaptions();
    ExpectShownWhole(Button(f.form4, xg_drum.c + 1), xg_drum.name);
  }

  void everyFixedCaptionFitsItsControl_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("Japanese") << QByteArray();
    QTest::newRow("English") << QByteArray("[dev]\nlanguage=en\n");
  }
  void everyFixedCaptionFitsItsControl() {
    QFETCH(QByteArray, settings);
    // The controls with texts of their own language; the others show names.
    QStringList translated;
    {
      const World japanese;
      for (QWidget* window : japanese.Windows())
        for (const QWidget* control : window->findChildren<QWidget*>())
          if (TextOf(*control).text.contains(QRegularExpression(QStringLiteral("[^\\x00-\\x7F]"))))
            translated << window->objectName() + '/' + control->objectName();
    }
    QVERIFY(translated.size() >= 16);  // captions, group boxes, radio items
    World world(settings);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (QWidget* window : world.Windows()) {
      for (QPushButton* button : window->findChildren<QPushButton*>()) {
        QString shown = button->text();
        shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
        if (!shown.isEmpty()) ExpectShownWhole(button, shown);
      }
      ExpectTextsInTheirPlaces(*window, translated);
    }
  }

  void storedGeometryReadsAndWritesTheSameAtAnyFactor() {
    // Geometry as a run at another factor would have stored it, odd numbers
    // included: read at this factor and stored again, it must not move.
    QByteArray text = "[window]\nHeight=131\nWidth=251\nTop=77\nLeft=93\n\n";
    for (int n = 2; n <= 12; ++n) {
      text += QStringLiteral("[Window%1]\nHeight=%2\nWidth=%3\nTop=%4\nLeft=%5\n\n")
                  .arg(n)
                  .arg(201 + n)
                  .arg(301 + 2 * n)
                  .arg(41 + n)
                  .arg(61 + 3 * n)
                  .toLatin1();
    }
    text += "[dev]\ndev_num=0\ndrum=Recording MIDI Out\ntype=0\n\n";
    World world(text);
    const QList<QWidget*> windows = world.Windows();
    for (int n = 2; n <= 10; ++n) {
      QWidget* window = windows[n - 1];
      QCOMPARE(window->size(), QSize(301 + 2 * n, 201 + n));
      QCOMPARE(window->pos(), QPoint(61 + 3 * n, 41 + n));
    }
    world.ctx.forms.form1->close();
    QFile stored(world.dir.filePath(QStringLiteral("tonalyx.ini")));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray written = stored.readAll();
    // The drum information window is never placed from its section, so it
    // stores its design geometry; everything else reads back unchanged.
    const qsizetype from = written.indexOf("[Window11]");
    const qsizetype to = written.indexOf("[Window12]");
    const qsizetype expected_from = text.indexOf("[Window11]");
    const qsizetype expected_to = text.indexOf("[Window12]");
    QVERIFY(from >= 0 && to > from);
    QCOMPARE(written.left(from), text.left(expected_from));
    QCOMPARE(written.mid(to), text.mid(expected_to));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::DesktopLookTest)
#include "DesktopLookTest.moc"
