#pragma once

#include <QtGlobal>

// Every text the definition file export dialog shows, in one place, in the
// translation context of the dialog.

namespace tonalyx::export_texts {

inline constexpr char kTitle[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "音源定義ファイルの書き出し");
inline constexpr char kFormatLabel[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "形式");
inline constexpr char kMapLabel[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "音源マップ");
inline constexpr char kMidnam[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "MIDNAM（Ardour、Qtractor、Logic など）");
inline constexpr char kCakewalk[] = QT_TRANSLATE_NOOP(
    "tonalyx::ExportDialog", "Cakewalk 音源定義 .ins（SONAR、Qtractor、VMPK など）");
inline constexpr char kDomino[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "Domino 音源定義ファイル");
inline constexpr char kWrite[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "書き出し…");
inline constexpr char kClose[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "閉じる");
inline constexpr char kSaveCaption[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "音源定義ファイルの保存先");
inline constexpr char kMidnamFilter[] = "MIDNAM (*.midnam)";
inline constexpr char kCakewalkFilter[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "Cakewalk 音源定義 (*.ins)");
inline constexpr char kDominoFilter[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "Domino 音源定義 (*.xml)");
// The map box's last item: the user's favourites as one instrument.
inline constexpr char kFavouritesMap[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "お気に入り");
inline constexpr char kNoFavourites[] = QT_TRANSLATE_NOOP(
    "tonalyx::ExportDialog",
    "お気に入りに書き出せる音がありません（GM2 の音は音を選ぶメッセージがないため除きます）。");
// %1: GM or GM2.
inline constexpr char kNoNames[] =
    QT_TRANSLATE_NOOP("tonalyx::ExportDialog",
                      "%1 には書き出せる名前がありません。GS か XG のマップを選んでください。");
// %1: the file written.
inline constexpr char kWritten[] = QT_TRANSLATE_NOOP("tonalyx::ExportDialog", "書き出しました: %1");
// %1: the file, %2: its folder.
inline constexpr char kNoFolder[] = QT_TRANSLATE_NOOP(
    "tonalyx::ExportDialog", "%1 を書き出せません。\nフォルダー %2 がありません。");
inline constexpr char kNotWritten[] = QT_TRANSLATE_NOOP(
    "tonalyx::ExportDialog",
    "%1 を書き出せません。\nフォルダーに書き込めないか、ディスクに空きがありません。"
    "\n元のファイルはそのままです。");

}  // namespace tonalyx::export_texts
