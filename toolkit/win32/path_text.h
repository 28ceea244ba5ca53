// Paths between the system's UTF-16 and the programs' code-page-936 texts. A path that
// code page 936 cannot write (a Korean or Thai file name) would come back from the ANSI
// file dialog with '?' in it; its short 8.3 form names the same file in plain bytes.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace toolkit::win32 {

inline constexpr unsigned kChineseCodePage = 936;

struct CodePageText {
  common::Text text;
  bool exact;  // false when some character had no code-page-936 form
};

CodePageText toCodePage936(std::wstring_view wide);
std::wstring fromCodePage936(const common::Text& text);

// The text the program keeps for a chosen file: the path itself when code page 936 can
// write it, else its short form when that can be written, else the path with its
// unwritable characters replaced.
common::Text pathAsText(std::wstring_view path, std::wstring_view shortPath);

}  // namespace toolkit::win32
