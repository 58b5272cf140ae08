// The favourites window, end to end through the windows a user works in:
// sounds added from the program, drum note and finder windows; the list
// reordered, renamed and trimmed, each change in the file at once; a row
// playing the bytes of its own button; the MIDI bar's three ways out; and the
// export dialog writing the favourites as a sequencer's patch list.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/TForm1.h"
#include "drum/TForm4.h"
#include "export/ExportDialog.h"
#include "favourites/FavouritesModel.h"
#include "favourites/FavouritesWindow.h"
#include "favouritesfile/FavouritesFile.h"
#include "search/FinderWindow.h"
#include "support/WindowTestWorld.h"
#include "tone/TForm2.h"
#include "ui/MidiClipBar.h"
#include "ui/ResultList.h"

namespace tonalyx {
namespace {

using Messages = std::vector<std::uint32_t>;

void Trigger(QWidget* window, const char* item) {
  auto* action = window->findChild<QAction*>(QLatin1String(item));
  if (action == nullptr) qFatal("no menu item %s", item);
  action->trigger();
}

// Holds a button with the right mouse button: what the press sent.
Messages Hold(WindowTestWorld& w, QPushButton* button) {
  w.backend.Clear();
  QTest::mousePress(button, Qt::RightButton);
  const Messages sent = w.backend.ShortMessages();
  QTest::mouseRelease(button, Qt::RightButton);
  return sent;
}

ResultList* List(FavouritesWindow* f) {
  return f->findChild<ResultList*>(QStringLiteral("FavouritesList"));
}
FavouritesModel* Model(FavouritesWindow* f) {
  return static_cast<FavouritesModel*>(List(f)->model());
}

Messages HoldRow(WindowTestWorld& w, FavouritesWindow* f, int row) {
  const QModelIndex index = Model(f)->index(row, 0);
  const QPoint at = List(f)->visualRect(index).center();
  w.backend.Clear();
  QTest::mousePress(List(f)->viewport(), Qt::RightButton, {}, at);
  const Messages sent = w.backend.ShortMessages();
  QTest::mouseRelease(List(f)->viewport(), Qt::RightButton, {}, at);
  return sent;
}

QStringList NamesInFile(const WindowTestWorld& w) {
  QStringList names;
  for (const Favourite& favourite :
       FavouritesFile(FavouritesFile::BesideSettings(w.path)).Entries())
    names << QString::fromStdString(favourite.name);
  return names;
}

}  // namespace

class FavouritesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void addReorderRenameRemoveAndPlay() {
    WindowTestWorld w;
    w.ctx.forms.form2->show();
    w.ctx.state.CurrentBank = 8;
    const Messages tone_press = Hold(w, WindowTestWorld::Button(w.ctx.forms.form2, 5));
    Trigger(w.ctx.forms.form2, "AddFavourite");
    const Messages drum_press = Hold(w, WindowTestWorld::Button(w.ctx.forms.form4, 39));
    Trigger(w.ctx.forms.form4, "AddFavourite");
    // Ctrl+D on the finder's selected row, pressed in the search field.
    Trigger(w.ctx.forms.form2, "N4");
    FinderWindow* finder = w.ctx.forms.finder;
    QVERIFY(QTest::qWaitForWindowActive(finder));
    auto* search = finder->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QTest::keyClicks(search, "slow strings");
    auto* found = finder->findChild<ResultList*>(QStringLiteral("ResultList"));
    found->setCurrentIndex(found->model()->index(0, 0));
    QTest::keyClick(search, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(search->text(), QStringLiteral("slow strings"));

    Trigger(w.ctx.forms.form2, "OpenFavourites");
    FavouritesWindow* f = w.ctx.forms.favourites;
    QVERIFY(f != nullptr && QTest::qWaitForWindowExposed(f));
    const QString ep = QString::fromLatin1(w.ctx.tables.GsTone(5, 8, 4));
    const QString snare = QString::fromLatin1(w.ctx.tables.GsDrum(0, 38, 4));
    const QString strings = found->model()->index(0, 2).data().toString();
    QCOMPARE(NamesInFile(w), (QStringList{ep, snare, strings}));
    QCOMPARE(Model(f)->rowCount(), 3);

    // A row plays exactly what its own button played.
    QVERIFY(!tone_press.empty() && !drum_press.empty());
    QCOMPARE(HoldRow(w, f, 0), tone_press);
    QCOMPARE(HoldRow(w, f, 1), drum_press);

    // Dropping the last row on the first moves it there.
    const std::unique_ptr<QMimeData> dragged(Model(f)->mimeData({Model(f)->index(2, 0)}));
    Model(f)->dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {});
    QCOMPARE(NamesInFile(w), (QStringList{strings, ep, snare}));
    // F2 renames the selected row, Delete removes it.
    List(f)->setFocus();
    List(f)->setCurrentIndex(Model(f)->index(2, 1));
    QTest::keyClick(List(f), Qt::Key_F2);
    auto* editor = List(f)->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->setText(QStringLiteral("マイ スネア"));
    QTest::keyClick(editor, Qt::Key_Return);  // the delegate commits from the event loop
    QTRY_COMPARE(NamesInFile(w), (QStringList{strings, ep, QStringLiteral("マイ スネア")}));
    List(f)->setCurrentIndex(Model(f)->index(0, 0));
    QTest::keyClick(List(f), Qt::Key_Delete);
    QCOMPARE(NamesInFile(w), (QStringList{ep, QStringLiteral("マイ スネア")}));

    // Under another module type a GS row plays nothing, and says why.
    w.TypeItem(1)->click();
    QVERIFY(HoldRow(w, f, 0).empty());
    QVERIFY(f->findChild<QLabel*>(QStringLiteral("Label1"))->text().contains(QStringLiteral("GS")));
  }

  void theMidiBarDragsSavesAndCopiesTheSelectedRow() {
    WindowTestWorld w;
    w.ctx.clip_folder =
        std::filesystem::path(w.dir.filePath(QStringLiteral("clips")).toStdU16String());
    w.ctx.Favourites().Add({SoundChoice::LastTone(w.ctx.state), "Piano / mine"});
    Trigger(w.ctx.forms.form2, "OpenFavourites");
    FavouritesWindow* f = w.ctx.forms.favourites;
    List(f)->setCurrentIndex(Model(f)->index(0, 0));
    auto* bar = f->findChild<MidiClipBar*>();

    // The drag: the file in the clip folder, named after the track, and its bytes.
    const auto request = bar->Request();
    QVERIFY(request.has_value());
    const std::unique_ptr<QMimeData> data = SongClipMimeData(w.ctx, *request);
    QVERIFY(data != nullptr);
    QCOMPARE(data->urls().size(), 1);
    const QString dragged = data->urls().first().toLocalFile();
    QCOMPARE(QFileInfo(dragged).fileName(), QStringLiteral("Piano - mine – SC-8850.mid"));
    // Left open, as a sequencer may keep the file dropped on it: Windows
    // cannot replace an open file, and the copy below must still give it.
    QFile file(dragged);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), data->data(QStringLiteral("audio/midi")));
    QVERIFY(data->data(QStringLiteral("audio/midi")).startsWith("MThd"));

    // Save: where the user says, the same bytes; a missing folder is told.
    const QString saved = w.dir.filePath(QStringLiteral("song.mid"));
    w.ctx.choose_save_file = [&](QWidget*, const QString&, const QString&) { return saved; };
    bar->SaveAction()->trigger();
    QFile saved_file(saved);
    QVERIFY(saved_file.open(QIODevice::ReadOnly));
    QCOMPARE(saved_file.readAll(), data->data(QStringLiteral("audio/midi")));
    w.ctx.choose_save_file = [&](QWidget*, const QString&, const QString&) {
      return w.dir.filePath(QStringLiteral("missing/song.mid"));
    };
    bar->SaveAction()->trigger();
    QCOMPARE(w.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(w.messages.back()).contains(QStringLiteral("missing")));

    // Copy: the file's URL on the clipboard.
    bar->CopyAction()->trigger();
    QCOMPARE(QApplication::clipboard()->mimeData()->urls().value(0).toLocalFile(), dragged);

    // GM2 selects nothing: the bar says so instead of giving a file.
    w.TypeItem(3)->click();
    w.ctx.Favourites().Add({SoundChoice::LastTone(w.ctx.state), "GM2 tone"});
    emit w.ctx.events.FavouritesChanged();
    List(f)->setCurrentIndex(Model(f)->index(1, 0));
    QVERIFY(!bar->findChild<QWidget*>(QStringLiteral("MidiHandle"))->isEnabled());
    QVERIFY(!bar->SaveAction()->isEnabled());
  }

  // At start the clips of earlier days go; nothing else in the folder does,
  // and a link is never followed.
  void oldClipsAreRemovedAndNothingElse() {
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    const fs::path folder(dir.filePath(QStringLiteral("midi")).toStdU16String());
    const fs::path elsewhere(dir.filePath(QStringLiteral("song.mid")).toStdU16String());
    fs::create_directory(folder);
    const auto day_ago = fs::file_time_type::clock::now() - std::chrono::hours(25);
    for (const fs::path& file :
         {folder / "old.mid", folder / "new.mid", folder / "old.txt", elsewhere}) {
      std::ofstream(file) << "MThd";
      if (file.filename() != "new.mid") fs::last_write_time(file, day_ago);
    }
    QStringList kept{"new.mid", "old.txt"};
#ifndef _WIN32
    fs::create_symlink(elsewhere, folder / "link.mid");
    kept.prepend("link.mid");
#endif
    RemoveOldSongClips(folder);
    QStringList left =
        QDir(QString::fromStdU16String(folder.u16string())).entryList(QDir::Files | QDir::System);
    left.sort();
    QCOMPARE(left, kept);
    QVERIFY(fs::exists(elsewhere));
  }

  void theExportDialogWritesTheFavouritesAsOneInstrument() {
    WindowTestWorld w;
    w.ctx.Favourites().Add({SoundChoice::LastTone(w.ctx.state), "ピアノ"});
    Trigger(w.ctx.forms.form1, "ExportDefinitions");
    ExportDialog* dialog = w.ctx.forms.exporter;
    auto* maps = dialog->findChild<QComboBox*>(QStringLiteral("MapBox"));
    maps->setCurrentIndex(maps->count() - 1);
    QCOMPARE(maps->currentText(), QStringLiteral("お気に入り"));
    dialog->findChild<QComboBox*>(QStringLiteral("FormatBox"))->setCurrentIndex(2);  // Domino
    const QString path = w.dir.filePath(QStringLiteral("fav.xml"));
    QString offered;
    dialog->SetFileChooser([&](QWidget*, const QString& suggested, const QString&) {
      offered = suggested;
      return path;
    });
    dialog->findChild<QPushButton*>(QStringLiteral("WriteButton"))->click();
    QVERIFY(offered.endsWith(QStringLiteral("Tonalyx-Favourites.xml")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    // Shift_JIS declared, so the user's Japanese name goes as character references.
    QVERIFY(text.contains("<Bank Name=\"&#x30D4;&#x30A2;&#x30CE;\" MSB=\"0\" LSB=\"4\"/>"));
    QVERIFY(text.contains("ModuleData Name=\"Favourites (Tonalyx)\""));
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::FavouritesWindowTest)
#include "FavouritesWindowTest.moc"
