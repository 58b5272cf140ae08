// The definition file export dialog: where the main window offers it, which
// map it starts from, that the file it writes is the map's whole definition,
// and that a file it cannot write leaves a message and nothing half-written.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/TForm1.h"
#include "definitions/DefinitionFile.h"
#include "export/ExportDialog.h"
#include "modules/TForm10.h"
#include "support/WindowTestWorld.h"

#ifndef _WIN32
#include <unistd.h>

#include "support/FileSizeLimit.h"
#endif

namespace tonalyx {
namespace {

ExportDialog* OpenExport(WindowTestWorld& w) {
  auto* item = w.ctx.forms.form1->findChild<QAction*>(QStringLiteral("ExportDefinitions"));
  if (item == nullptr) qFatal("no export menu item");
  item->trigger();
  ExportDialog* dialog = w.ctx.forms.exporter;
  if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog)) qFatal("export dialog not shown");
  return dialog;
}

QComboBox* Box(ExportDialog* d, const char* name) {
  return d->findChild<QComboBox*>(QString::fromLatin1(name));
}
QString Note(ExportDialog* d) { return d->findChild<QLabel*>(QStringLiteral("Label1"))->text(); }

// Chooses the format and map, answers the save dialog with `path` (empty:
// cancelled) and writes. Returns the path the save dialog was offered.
QString WriteAs(ExportDialog* d, int format, int map, const QString& path) {
  Box(d, "FormatBox")->setCurrentIndex(format);
  Box(d, "MapBox")->setCurrentIndex(map);
  QString suggested;
  d->SetFileChooser([&](QWidget*, const QString& offered, const QString&) {
    suggested = offered;
    return path;
  });
  d->findChild<QPushButton*>(QStringLiteral("WriteButton"))->click();
  return suggested;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Expected(DefinitionFormat format, int map) {
  NameTables tables;
  tables.FillNameTables();
  return QByteArray::fromStdString(DefinitionFileText(format, AllNameMaps()[map], tables));
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class ExportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void FollowsTheSettingsMenuItemsAndStartsFromTheCurrentMap() {
    WindowTestWorld w;
    const QList<QAction*> items =
        w.ctx.forms.form1->findChild<QMenu*>(QStringLiteral("N1"))->actions();
    QCOMPARE(items.first()->objectName(), QStringLiteral("N2"));
    QCOMPARE(items.at(1)->objectName(), QStringLiteral("N3"));
    // The language submenu alone comes after it.
    QCOMPARE(items.at(items.size() - 2)->text(), QStringLiteral("音源定義ファイルの書き出し…"));
    QCOMPARE(items.last()->text(), QStringLiteral("言語 / Language"));

    ExportDialog* d = OpenExport(w);
    QCOMPARE(Box(d, "MapBox")->currentText(), QStringLiteral("GS  SC-8850"));
    QVERIFY(Note(d).isEmpty());

    w.TypeItem(1)->click();
    w.ctx.forms.form10->findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->click();
    d = OpenExport(w);
    QCOMPARE(Box(d, "MapBox")->currentText(), QStringLiteral("XG  MU90"));

    // GM has no names: the dialog says so and still writes any GS or XG map.
    w.TypeItem(2)->click();
    d = OpenExport(w);
    QVERIFY(Note(d).startsWith(QStringLiteral("GM には書き出せる名前がありません")));
    const QString path = w.dir.filePath(QStringLiteral("gm.midnam"));
    WriteAs(d, 0, 3, path);
    QCOMPARE(ReadFile(path), Expected(DefinitionFormat::kMidnam, 3));
  }

  void WritesTheWholeDefinitionAndReplacesAConfirmedFile() {
    WindowTestWorld w;
    ExportDialog* d = OpenExport(w);
    const QString path = w.dir.filePath(QStringLiteral("module.ins"));
    const QString suggested = WriteAs(d, 1, 5, path);
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Tonalyx-MU1000-2000.ins"));
    QCOMPARE(ReadFile(path), Expected(DefinitionFormat::kCakewalk, 5));
    QVERIFY(Note(d).contains(QStringLiteral("module.ins")));

    // The save dialog has confirmed the existing file: it is replaced whole,
    // and the next save dialog opens in the same folder.
    QCOMPARE(QFileInfo(WriteAs(d, 2, 0, path)).absolutePath(), QFileInfo(path).absolutePath());
    QCOMPARE(ReadFile(path), Expected(DefinitionFormat::kDomino, 0));
    QCOMPARE(Entries(w.dir.path()).filter(QStringLiteral("module")),
             QStringList({QStringLiteral("module.ins")}));

    // A cancelled save dialog writes nothing.
    WriteAs(d, 0, 0, QString());
    QCOMPARE(ReadFile(path), Expected(DefinitionFormat::kDomino, 0));
    QVERIFY(w.messages.empty());
  }

  void AFileThatCannotBeWrittenIsReportedAndLeavesNothingHalfWritten() {
    WindowTestWorld w;
    ExportDialog* d = OpenExport(w);

    const QString missing = w.dir.filePath(QStringLiteral("no such folder/a.midnam"));
    WriteAs(d, 0, 0, missing);
    QCOMPARE(w.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(w.messages[0]).contains(QStringLiteral("がありません")));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(Note(d).isEmpty());

#ifndef _WIN32  // a file size limit stands in for a full disk
    const QString path = w.dir.filePath(QStringLiteral("full.midnam"));
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    {
      const FileSizeLimit full_disk(4096);
      QVERIFY(full_disk.IsSet());
      WriteAs(d, 0, 0, path);
    }
    QCOMPARE(w.messages.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(w.messages[1]).contains(QStringLiteral("ディスク")));
    QCOMPARE(ReadFile(path), QByteArray());
    QCOMPARE(Entries(w.dir.path()).filter(QStringLiteral("midnam")),
             QStringList({QStringLiteral("full.midnam")}));
#endif
  }

  void AReadOnlyFolderIsReported() {
#ifdef _WIN32
    QSKIP("a folder's read-only attribute keeps no file out of it on Windows");
#else
    if (::geteuid() == 0) QSKIP("root ignores a folder's permission bits");
#endif
    WindowTestWorld w;
    ExportDialog* d = OpenExport(w);
    const QString locked = w.dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    WriteAs(d, 1, 0, locked + QStringLiteral("/a.ins"));
    QCOMPARE(w.messages.size(), std::size_t{1});
    QVERIFY(Entries(locked).isEmpty());
  }
};

}  // namespace tonalyx

QTEST_MAIN(tonalyx::ExportDialogTest)
#include "ExportDialogTest.moc"
