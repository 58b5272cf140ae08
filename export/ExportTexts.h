#pragma once

// Every text the definition file export dialog shows, in one place.

namespace tonalyx::export_texts {

inline constexpr char kTitle[] = "音源定義ファイルの書き出し";
inline constexpr char kFormatLabel[] = "形式";
inline constexpr char kMapLabel[] = "音源マップ";
inline constexpr char kMidnam[] = "MIDNAM（Ardour、Qtractor、Logic など）";
inline constexpr char kCakewalk[] = "Cakewalk 音源定義 .ins（SONAR、Qtractor、VMPK など）";
inline constexpr char kDomino[] = "Domino 音源定義ファイル";
inline constexpr char kWrite[] = "書き出し…";
inline constexpr char kClose[] = "閉じる";
inline constexpr char kSaveCaption[] = "音源定義ファイルの保存先";
inline constexpr char kMidnamFilter[] = "MIDNAM (*.midnam)";
inline constexpr char kCakewalkFilter[] = "Cakewalk 音源定義 (*.ins)";
inline constexpr char kDominoFilter[] = "Domino 音源定義 (*.xml)";
// %1: GM or GM2.
inline constexpr char kNoNames[] =
    "%1 には書き出せる名前がありません。GS か XG のマップを選んでください。";
// %1: the file written.
inline constexpr char kWritten[] = "書き出しました: %1";
// %1: the file, %2: its folder.
inline constexpr char kNoFolder[] = "%1 を書き出せません。\nフォルダー %2 がありません。";
inline constexpr char kNotWritten[] =
    "%1 を書き出せません。\nフォルダーに書き込めないか、ディスクに空きがありません。"
    "\n元のファイルはそのままです。";

}  // namespace tonalyx::export_texts
