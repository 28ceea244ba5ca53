// Conversions at the file dialog's edge, in code page 936 whatever the system's own.
#include "toolkit/win32/path_text.h"

#include <windows.h>

namespace toolkit::win32 {

CodePageText toCodePage936(std::wstring_view wide) {
  if (wide.empty()) return {{}, true};
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int size = WideCharToMultiByte(kChineseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                       nullptr, 0, nullptr, &usedDefault);
  common::Text text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(kChineseCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(),
                        size, nullptr, &usedDefault);
  return {text, size > 0 && !usedDefault};
}

std::wstring fromCodePage936(const common::Text& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(kChineseCodePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(kChineseCodePage, 0, text.data(), length, wide.data(), size);
  return wide;
}

common::Text pathAsText(std::wstring_view path, std::wstring_view shortPath) {
  CodePageText full = toCodePage936(path);
  if (full.exact || shortPath.empty()) return full.text;
  CodePageText shortened = toCodePage936(shortPath);
  return shortened.exact ? shortened.text : full.text;
}

}  // namespace toolkit::win32
