// The maker's step windows as a user meets them from outside: which step is on the screen,
// its controls by design name, and what the shell and the disk hold afterwards.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <string>

#include "common/files.h"
#include "maker/step1_window.h"
#include "maker/step2_window.h"
#include "maker/step3_window.h"
#include "maker/step4_window.h"
#include "tests/e2e/driver/driver.h"
#include "tests/unit/maker/shell_links.h"

namespace maker::e2e_testing {

using common::Text;

inline constexpr const char* kMakerTitle = "ZavoMorvek计算器专属版制作器";
inline constexpr const toolkit::WindowDesign* kSteps[] = {&kStep1Window, &kStep2Window,
                                                          &kStep3Window, &kStep4Window};
inline constexpr const char* kCaptions[] = {"安装步骤【1】", "安装步骤【2】", "安装步骤【3】",
                                            "安装步骤【4】"};
inline constexpr const char* kForwardButtons[] = {"按钮1", "按钮19", "按钮2", "按钮1"};

// One step window on the screen.
class StepWindow {
 public:
  StepWindow(HWND window, int step) : window_(window), step_(step) {}
  HWND hwnd() const { return window_; }
  const toolkit::WindowDesign& design() const { return *kSteps[step_ - 1]; }
  HWND operator[](std::string_view name) const { return e2e::control(window_, design(), name); }
  Text answer() const { return e2e::text((*this)[kAnswerBox]); }
  void answer(const Text& text) const { e2e::setText((*this)[kAnswerBox], text); }
  void pressForward() const { e2e::click((*this)[kForwardButtons[step_ - 1]]); }
  bool isShown() const {
    return e2e::visible(window_) && e2e::text((*this)[kStepGroup]) == kCaptions[step_ - 1];
  }

 private:
  HWND window_;
  int step_;
};

// The step window of this number once it is the one on the screen, or a null window.
inline StepWindow waitForStep(const e2e::Program& maker, int step) {
  HWND found = nullptr;
  e2e::waitUntil([&] {
    found = maker.window(kMakerTitle, 50);
    return found && StepWindow(found, step).isShown();
  });
  return {found && StepWindow(found, step).isShown() ? found : nullptr, step};
}

inline std::string readWhole(const Text& path) {
  const common::ByteBlock bytes = common::readFile(path);
  return {bytes.begin(), bytes.end()};
}

// The shell's desktop folder of this Wine environment, where the maker puts its shortcut.
inline Text desktopFolder() {
  char folder[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder);
  return folder;
}
inline Text shortcutPath() {
  return common::pathIn(desktopFolder(), "Zavo计算器.lnk");
}

// Saves a picture of the screen around these windows for a person to look at.
inline void saveScreenshot(std::initializer_list<HWND> windows, const char* name) {
  Sleep(300);  // the last paint of what was just shown
  RECT all{};
  for (HWND window : windows) {
    RECT place;
    GetWindowRect(window, &place);
    UnionRect(&all, &all, &place);
  }
  e2e::screenshot({all.left, all.top, all.right - all.left, all.bottom - all.top},
                  std::string(E2E_OUTPUT_DIR) + "/" + name);
}

}  // namespace maker::e2e_testing
