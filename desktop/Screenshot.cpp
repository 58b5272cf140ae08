// Takes the README's picture of the real windows on a real X server:
//
//   tonalyx_screenshot <output.png> [export | favourites | english | edit]
//
// Run it under Xvfb (scripts/screenshot does). It lays the main, program
// number, drum note and controller windows out through a settings file of its
// own, opens them the way their buttons and menus do, and grabs the screen.
// With "export" it opens the definition file export dialog from the main
// window's menu instead and takes that dialog alone; with "favourites" it
// opens the favourites window, over a favourites file of its own, from the
// program number window's menu and takes that window alone; with "english"
// the windows show their English texts, as chosen in the settings file; with
// "edit" it opens the tone edit and drum sound edit windows from the program
// and drum note windows' menus, a tone and a drum sound shaped, and takes the
// part of the screen they cover.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <string_view>

#include "app/FormSet.h"
#include "app/OutputDevices.h"
#include "app/ProgramIdentity.h"
#include "app/TForm1.h"
#include "drum/TForm4.h"
#include "tone/TForm2.h"
#include "tone/TForm7.h"
#include "ui/AppContext.h"
#include "ui/UiLook.h"

namespace {

// Where each window stands in the picture (a screen of 1680 x 1080).
constexpr char kLayout[] =
    "[window]\nHeight=127\nWidth=242\nTop=24\nLeft=24\n\n"
    "[Window2]\nHeight=579\nWidth=731\nTop=24\nLeft=492\n\n"
    "[Window4]\nHeight=608\nWidth=929\nTop=440\nLeft=728\n\n"
    "[Window7]\nHeight=423\nWidth=445\nTop=200\nLeft=24\n\n"
    "[ToneEdit]\nHeight=290\nWidth=400\nTop=500\nLeft=300\n\n"
    "[DrumEdit]\nHeight=190\nWidth=440\nTop=500\nLeft=720\n\n";
constexpr char kEnglish[] = "[dev]\nlanguage=en\n\n";
// A user's favourites: GS SC-8850 tones and drum sounds, renamed or not, and
// an XG tone that the GS module type greys out.
constexpr char kFavourites[] =
    "tonalyx-favourites\t1\n"
    "tone\tGS\t4\t8\t4\tVerse EP\n"
    "tone\tGS\t4\t0\t49\tSlow Strings\n"
    "tone\tGS\t4\t0\t33\tFingered Bass\n"
    "drum\tGS\t4\t0\t36\tStandard 1 Kick 1\n"
    "drum\tGS\t4\t0\t38\tスネア（サビ）\n"
    "tone\tGS\t4\t0\t81\tLead for the bridge\n"
    "tone\tXG\t2\t0\t16\tDrawOrg# from the MU100\n";

// A plain desktop behind the windows, where Xvfb would show black.
class Backdrop : public QWidget {
 public:
  Backdrop() {
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    setGeometry(QGuiApplication::primaryScreen()->geometry());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
    gradient.setColorAt(0, QColor(0x4b, 0x5d, 0x8c));
    gradient.setColorAt(1, QColor(0x23, 0x2b, 0x45));
    painter.fillRect(rect(), gradient);
  }
};

// What the edit windows show in the picture: a darker, slower tone in a small
// room, and a snare tuned up and set to the left.
void ShapeSounds(tonalyx::AppContext& context) {
  using tonalyx::DrumParameter;
  using tonalyx::PartParameter;
  constexpr tonalyx::ValueRange kRange{-64, 63};
  context.edits.SetPart(PartParameter::kCutoff, -24, kRange);
  context.edits.SetPart(PartParameter::kResonance, 12, kRange);
  context.edits.SetPart(PartParameter::kAttack, 20, kRange);
  context.edits.SetPart(PartParameter::kRelease, 30, kRange);
  context.edits.ChooseEffect(tonalyx::ModuleKind::kGs, tonalyx::Effect::kReverb, 2);
  context.state.DrumNote = 38;
  context.edits.SetDrum(0, 38, DrumParameter::kPitch, 5);
  context.edits.SetDrum(0, 38, DrumParameter::kPan, 40);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string_view mode = argc == 3 ? argv[2] : "";
  const bool export_dialog = mode == "export";
  const bool favourites = mode == "favourites";
  const bool english = mode == "english";
  const bool edit = mode == "edit";
  if (argc != 2 && !export_dialog && !favourites && !english && !edit) {
    std::fprintf(stderr, "usage: %s <output.png> [export | favourites | english | edit]\n",
                 argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tonalyx::ApplyProgramIdentity();

  QTemporaryDir dir;
  const QString settings_path = dir.filePath(QStringLiteral("tonalyx.ini"));
  QFile layout(settings_path);
  if (!layout.open(QIODevice::WriteOnly) || layout.write(kLayout) < 0) return 1;
  if (english && layout.write(kEnglish) < 0) return 1;
  layout.close();
  QFile favourites_file(dir.filePath(QStringLiteral("tonalyx-favourites.tsv")));
  if (!favourites_file.open(QIODevice::WriteOnly) || favourites_file.write(kFavourites) < 0)
    return 1;
  favourites_file.close();

  auto backend = tonalyx::CreateOutputBackend(settings_path.toStdString());
  tonalyx::AppContext context(*backend, settings_path.toStdString());
  context.sleep_ms = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
  // A machine without an audio output cannot open the built-in synth; the
  // picture is of the windows all the same.
  context.show_message = [](const std::string&) {};

  Backdrop backdrop;
  backdrop.show();
  tonalyx::FormSet forms(context);
  tonalyx::TForm1& main_window = *context.forms.form1;
  main_window.show();
  // The part of the screen to take; the whole screen when empty.
  QRect area;
  if (export_dialog) {
    main_window.findChild<QAction*>(QStringLiteral("ExportDefinitions"))->trigger();
    area = context.forms.exporter.Window()->frameGeometry();
  } else if (favourites) {
    main_window.Button1Click();  // the program number window, with the names
    context.forms.form2.Window()->findChild<QAction*>(QStringLiteral("OpenFavourites"))->trigger();
    QWidget* window = context.forms.favourites.Window();
    window->resize(560, 300);
    auto* list = window->findChild<QAbstractItemView*>(QStringLiteral("FavouritesList"));
    list->setCurrentIndex(list->model()->index(1, 0));
    area = window->frameGeometry();
  } else if (edit) {
    main_window.Button1Click();  // the tone map's names for the drum edit window
    ShapeSounds(context);
    context.forms.form2->findChild<QAction*>(QStringLiteral("N5"))->trigger();
    context.forms.form4->findChild<QAction*>(QStringLiteral("N4"))->trigger();
    context.forms.form2->hide();
    main_window.hide();
    area = context.forms.tone_edit.Window()->frameGeometry().united(
        context.forms.drum_edit.Window()->frameGeometry());
    area.adjust(-16, -16, 16, 16);
  } else {
    main_window.Button2Click();  // the drum note window
    main_window.Button1Click();  // the program number window, in front of it
    tonalyx::ShowInFront(context.forms.form7);
    main_window.raise();
  }

  // Let the windows map and paint before the screen is taken. exit(), not
  // quit(): quit() asks every window to close, and the windows that only hide
  // on close would refuse.
  QTimer::singleShot(1500, &app, [&] {
    if (area.isEmpty()) area = QRect(0, 0, -1, -1);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(
        0, area.x(), area.y(), area.width(), area.height());
    const bool saved = screen.save(QString::fromLocal8Bit(argv[1]), "PNG");
    if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[1]);
    QCoreApplication::exit(saved ? 0 : 1);
  });
  return QApplication::exec();
}
