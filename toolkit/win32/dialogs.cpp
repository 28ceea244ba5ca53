// The message box and the open-file dialog component.
#include <vector>

#include "toolkit/win32/path_text.h"
#include "toolkit/win32/state.h"

// After <windows.h>, which state.h brings.
#include <commdlg.h>

namespace toolkit::win32 {

namespace {

// Room for the longest path the wide API can return.
constexpr DWORD kPathRoom = 32768;

// "desc|pattern|..." as the dialog wants it: NUL-separated, ending in two NULs. Split after
// widening: a GBK character's second byte may be the byte of "|".
std::wstring dialogFilter(const Text& filter) {
  std::wstring pairs = fromCodePage936(filter);
  for (wchar_t& character : pairs)
    if (character == L'|') character = L'\0';
  pairs.push_back(L'\0');
  pairs.push_back(L'\0');
  return pairs;
}

std::wstring shortPathOf(const std::wstring& path) {
  std::wstring shortened(kPathRoom, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortened.data(), kPathRoom);
  shortened.resize(length < kPathRoom ? length : 0);
  return shortened;
}

// Wine leaves out MB_TOPMOST: the box is put on top once it is activated.
LRESULT CALLBACK raiseMessageBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    char windowClass[8] = {};
    const auto box = reinterpret_cast<HWND>(wParam);
    GetClassNameA(box, windowClass, sizeof windowClass);
    if (std::string_view(windowClass) == "#32770")
      SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void Backend::messageBox(const Text& text, const Text& title) {
  // Task-modal with no owner disables every window of the program; topmost keeps the box
  // above an always-on-top main window.
  HHOOK hook = SetWindowsHookExA(WH_CBT, raiseMessageBox, nullptr, GetCurrentThreadId());
  MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_TASKMODAL | MB_TOPMOST);
  if (hook) UnhookWindowsHookEx(hook);
}

std::optional<Text> Backend::chooseFile(const WindowDesign& window, std::string_view dialog,
                                        const Text& filter) {
  const WindowRecord* loaded = state_->find(window);
  const ControlRecord* found = state_->findControl(window, dialog);
  if (!found || found->design->kind != Kind::OpenFileDialog) return std::nullopt;
  const std::wstring filterPairs = dialogFilter(filter);
  std::vector<wchar_t> chosen(kPathRoom, L'\0');
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = loaded->hwnd;
  request.lpstrFilter = filterPairs.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = chosen.data();
  request.nMaxFile = kPathRoom;
  // The programs address their files from the run directory: keep it current.
  request.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&request)) return std::nullopt;
  const std::wstring path(chosen.data());
  return pathAsText(path, shortPathOf(path));
}

}  // namespace toolkit::win32
