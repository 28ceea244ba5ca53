// A fixture for tests of the Win32 backend in this very process: a small design of its own,
// a fresh Backend per test, and the window handles a test needs to act as the user.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "tests/e2e/driver/driver.h"
#include "toolkit/demo/demo_windows.h"
#include "toolkit/win32/backend.h"

namespace toolkit::win32 {

// clang-format off
inline constexpr ControlDesign kTestControls[] = {
  {Kind::EditBox,        "编辑框1",     "",        {10, 10, 100, 24},  true,  "初值"},
  {Kind::EditBox,        "编辑框2",     "",        {10, 40, 100, 12},  true,  "", kBlack, kWhite, {14, false}, kIntegerOnly},
  {Kind::Button,         "按钮1",       "",        {120, 10, 60, 24},  true,  "按钮"},
  {Kind::GroupBox,       "分组框1",     "",        {10, 70, 150, 60},  true,  "分组"},
  {Kind::Label,          "标签1",       "分组框1", {5, 20, 100, 20},   true,  "标签"},
  {Kind::Label,          "标签2",       "分组框1", {5, 40, 100, 16},   false, "隐藏的标签"},
  {Kind::PictureBox,     "图片框1",     "",        {170, 40, 48, 48},  true,  ""},
  {Kind::Timer,          "时间",        "",        {0, 300, 40, 40},   false, ""},
  {Kind::OpenFileDialog, "通用对话框1", "",        {40, 300, 40, 40},  false, ""},
};
// clang-format on
static_assert(namesAreUnique(kTestControls));
static_assert(parentsComeFirst(kTestControls));

class BackendTest : public ::testing::Test {
 protected:
  // Runtime designs: they borrow the demo's icon.
  const WindowDesign window_{"后端测试窗口", 300,          220,
                             false,          false,        demo::kMainWindow.icon,
                             kDefaultColour, kTestControls};
  const WindowDesign other_{
      "后端测试第二窗口", 300,          220, false, false, demo::kMainWindow.icon,
      kDefaultColour,     kTestControls};

  HWND hwndOf(const WindowDesign& design) const { return FindWindowA(nullptr, design.title); }
  HWND controlOf(const WindowDesign& design, std::string_view name) const {
    return e2e::control(hwndOf(design), design, name);
  }

  Backend backend_;
};

}  // namespace toolkit::win32
