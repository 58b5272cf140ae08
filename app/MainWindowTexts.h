#pragma once

#include <QCoreApplication>
#include <QString>

namespace tonalyx {

// What the main window and its menus say to the user, in the translation
// context of the main window.
inline constexpr const char* kSettingsMenuTitle = QT_TRANSLATE_NOOP("tonalyx::TForm1", "設定");
inline constexpr const char* kModuleTypeItem =
    QT_TRANSLATE_NOOP("tonalyx::TForm1", "音源の種類の設定");
inline constexpr const char* kToneMapItem =
    QT_TRANSLATE_NOOP("tonalyx::TForm1", "音源マップの設定");
inline constexpr const char* kExportItem =
    QT_TRANSLATE_NOOP("tonalyx::TForm1", "音源定義ファイルの書き出し…");
inline constexpr const char* kCannotOpenDevice =
    QT_TRANSLATE_NOOP("tonalyx::TForm1", "ＭＩＤＩデバイスが開けません");
inline constexpr const char* kInputMenuTitle = QT_TRANSLATE_NOOP("tonalyx::TForm1", "MIDI入力");
inline constexpr const char* kNoInput = QT_TRANSLATE_NOOP("tonalyx::TForm1", "なし");

// One of the texts above in the program's language.
inline QString MainWindowText(const char* text) {
  return QCoreApplication::translate("tonalyx::TForm1", text);
}

}  // namespace tonalyx
