#pragma once

namespace tonalyx {

// What the main window and its menus say to the user.
inline constexpr const char* kCannotOpenDevice = "ＭＩＤＩデバイスが開けません";
inline constexpr const char* kInputMenuTitle = "MIDI入力";
inline constexpr const char* kNoInput = "なし";

}  // namespace tonalyx
