// A small design of its own for the model's tests: a main window with one control of each
// kind that matters, and three step windows for chains of modal loads.
#pragma once

#include <cstdint>

#include "toolkit/design.h"

namespace toolkit::testing_windows {

inline constexpr std::uint8_t kPictureFile[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0xFF, 0xD9};
inline constexpr common::EmbeddedBytes kPicture{kPictureFile, kPictureFile + sizeof kPictureFile};

// clang-format off
inline constexpr ControlDesign kMainControls[] = {
  // kind                   name             parent      rect                  visible text
  {Kind::EditBox,        "编辑框1",       "",         {10, 10, 100, 20},    true,  "初值"},
  {Kind::EditBox,        "编辑框2",       "",         {10, 40, 100, 20},    true,  "", {}, {}, {}, kIntegerOnly},
  {Kind::EditBox,        "编辑框3",       "",         {10, 70, 100, 60},    true,  "", {}, {}, {}, kMultiLine},
  {Kind::EditBox,        "编辑框4",       "",         {10, 140, 100, 20},   true,  "锁定", {}, {}, {}, kDisabled},
  {Kind::Button,         "按钮1",         "",         {120, 10, 60, 20},    true,  "确定"},
  {Kind::Button,         "按钮2",         "",         {120, 40, 60, 20},    true,  "取消"},
  {Kind::Button,         "按钮3",         "",         {120, 70, 60, 20},    true,  "禁用", {}, {}, {}, kDisabled},
  {Kind::GroupBox,       "分组框1",       "",         {190, 10, 100, 60},   true,  "分组"},
  {Kind::Button,         "按钮4",         "分组框1",  {5, 15, 60, 20},      true,  "组内"},
  {Kind::Label,          "标签1",         "",         {190, 80, 100, 20},   true,  "标签"},
  {Kind::PictureBox,     "图片框1",       "",         {190, 110, 48, 48},   false, "", {}, {}, {}, 0, 0, kPicture},
  {Kind::Timer,          "时间",          "",         {0, 300, 40, 40},     false, ""},
  {Kind::Timer,          "时间2",         "",         {40, 300, 40, 40},    false, ""},
  {Kind::Browser,        "超文本浏览框1", "",         {80, 300, 40, 40},    true,  ""},
  {Kind::OpenFileDialog, "通用对话框1",   "",         {120, 300, 40, 40},   false, ""},
};
// clang-format on
static_assert(namesAreUnique(kMainControls));
static_assert(parentsComeFirst(kMainControls));

inline constexpr WindowDesign kMain{"测试主窗口",   300,          233, true, false, {},
                                    kDefaultColour, kMainControls};

// clang-format off
inline constexpr ControlDesign kStepControls[] = {
  {Kind::EditBox, "编辑框1", "", {10, 10, 100, 20}, true, "答案"},
  {Kind::Button,  "按钮1",   "", {10, 40, 60, 20},  true, "下一步"},
};
// clang-format on
static_assert(namesAreUnique(kStepControls));

// Three windows of the same layout: a design is a window's identity, so each is its own.
inline constexpr WindowDesign kStep1{"步骤1",        391,          441, false, false, {},
                                     kDefaultColour, kStepControls};
inline constexpr WindowDesign kStep2{"步骤2",        391,          442, false, false, {},
                                     kDefaultColour, kStepControls};
inline constexpr WindowDesign kStep3{"步骤3",        392,          151, true, false, {},
                                     kDefaultColour, kStepControls};

}  // namespace toolkit::testing_windows
