#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tonalyx {

// Text of the Windows API as the program keeps it, UTF-8: from UTF-16 (the
// W functions' names), or from a code page (the ANSI one by default). Text
// that cannot be converted gives "".
std::string Utf16ToUtf8(std::wstring_view text);
std::string CodePageToUtf8(std::string_view text, UINT code_page = CP_ACP);

}  // namespace tonalyx
