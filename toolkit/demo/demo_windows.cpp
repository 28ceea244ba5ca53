// The demo's design tables, one row per control.
#include "toolkit/demo/demo_windows.h"

COMMON_DECLARE_EMBEDDED(demo_icon);
COMMON_DECLARE_EMBEDDED(demo_landscape);
COMMON_DECLARE_EMBEDDED(demo_star);

namespace toolkit::demo {

namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kViolet = rgb(144, 0, 255);
constexpr Colour kMagenta = rgb(255, 0, 255);
constexpr Colour kBlue = rgb(0, 0, 200);
constexpr Font kBold14{14, true};
constexpr Font kBold16{16, true};
constexpr Font kBold19{19, true};
constexpr Font kNormal14{14, false};

// clang-format off
constexpr ControlDesign kMainControls[] = {
  // kind                   name             parent     rect                  visible text                    text colour background     font        flags                                   border picture
  {Kind::GroupBox,         "分组框1",       "",        {8, 4, 120, 56},      true,  "得分",                  kViolet, kDefaultColour, kBold14},
  {Kind::EditBox,          "编辑框1",       "分组框1", {6, 16, 106, 32},     true,  "0",                     kRed,    kDefaultColour, kBold19,    kCentred | kThinBorder},
  {Kind::Label,            "标签3",         "",        {146, 20, 76, 24},    true,  "框里的字",              kBlack,  kDefaultColour, kDefaultFont, kCentred},
  {Kind::ShapeBox,         "外形框1",       "",        {136, 10, 96, 44},    true,  "",                      kRed,    kDefaultColour, kDefaultFont, 0,                                     3},
  {Kind::PictureBox,       "图片框1",       "",        {344, 8, 200, 150},   true,  "",                      kDefaultColour, kDefaultColour, kDefaultFont, 0,                              0, COMMON_EMBEDDED(demo_landscape)},
  {Kind::TransparentLabel, "透明标签1",     "图片框1", {8, 8, 184, 20},      true,  "透明标签：字在图上",    kRed,    kDefaultColour, kBold14},
  {Kind::TransparentLabel, "透明标签2",     "图片框1", {8, 124, 184, 20},    true,  "计时：0",               kWhite,  kDefaultColour, kBold16},
  {Kind::GroupBox,         "分组框2",       "",        {8, 66, 120, 52},     true,  "整数框",                kRed,    kDefaultColour, kBold14},
  {Kind::EditBox,          "编辑框2",       "分组框2", {6, 20, 106, 16},     true,  "",                      kMagenta, kWhite,        kNormal14,  kCentred | kIntegerOnly},
  {Kind::GroupBox,         "分组框3",       "",        {136, 66, 200, 90},   true,  "多行框",                kRed,    kDefaultColour, kBold14},
  {Kind::EditBox,          "编辑框3",       "分组框3", {6, 16, 188, 68},     true,  "多行文字，回车换行。",  kRed,    kWhite,         kBold14,    kMultiLine},
  {Kind::EditBox,          "编辑框4",       "",        {8, 126, 120, 24},    true,  "不能改",                kRed,    kWhite,         kDefaultFont, kDisabled},
  {Kind::RadioButton,      "单选框1",       "",        {8, 160, 120, 18},    true,  "已选中",                kDefaultColour, kDefaultColour, kDefaultFont, kTicked | kDisabled},
  {Kind::Label,            "标签2",         "",        {136, 160, 200, 20},  true,  "居中的标签",            kBlue,   kDefaultColour, kDefaultFont, kCentred},
  {Kind::PictureBox,       "图片框2",       "",        {240, 8, 96, 52},     false, "",                      kDefaultColour, kDefaultColour, kDefaultFont, 0,                              0, COMMON_EMBEDDED(demo_star)},
  {Kind::Button,           "按钮1",         "",        {8, 186, 62, 24},     true,  "+10"},
  {Kind::Button,           "按钮2",         "",        {76, 186, 62, 24},    true,  "重写"},
  {Kind::Button,           "按钮3",         "",        {144, 186, 62, 24},   true,  "等两秒"},
  {Kind::Button,           "按钮4",         "",        {212, 186, 62, 24},   true,  "消息框"},
  {Kind::Button,           "按钮5",         "",        {280, 186, 62, 24},   true,  "子窗口"},
  {Kind::Button,           "按钮6",         "",        {348, 186, 62, 24},   true,  "选文件"},
  {Kind::Button,           "按钮7",         "",        {416, 186, 62, 24},   true,  "链接"},
  {Kind::Button,           "按钮8",         "",        {484, 186, 62, 24},   true,  "关闭"},
  {Kind::EditBox,          "编辑框5",       "",        {8, 216, 538, 22},    true,  "",                      kBlack,  kWhite},
  {Kind::GroupBox,         "分组框4",       "",        {8, 244, 538, 140},   true,  "处理日志",              kBlack,  kDefaultColour, kDefaultFont},
  {Kind::Label,            "标签1",         "分组框4", {8, 18, 522, 114},    true,  "",                      kBlack,  kWhite,         kDefaultFont, kWrapping},
  {Kind::Timer,            "时间",          "",        {0, 400, 40, 40},     false, ""},
  {Kind::Browser,          "超文本浏览框1", "",        {48, 400, 40, 32},    true,  ""},
  {Kind::OpenFileDialog,   "通用对话框1",   "",        {96, 400, 40, 40},    false, ""},
};
// clang-format on
static_assert(namesAreUnique(kMainControls));
static_assert(parentsComeFirst(kMainControls));

constexpr bool usesEveryKind(std::span<const ControlDesign> controls) {
  for (int kind = 0; kind <= static_cast<int>(Kind::OpenFileDialog); ++kind) {
    bool found = false;
    for (const ControlDesign& control : controls)
      found = found || static_cast<int>(control.kind) == kind;
    if (!found) return false;
  }
  return true;
}
static_assert(usesEveryKind(kMainControls), "the demo shows every control kind");

// clang-format off
constexpr ControlDesign kInnerControls[] = {
  {Kind::Label,   "标签1",   "", {12, 10, 260, 24}, true, "模态窗口：关掉它，上一层才继续。"},
  {Kind::EditBox, "编辑框1", "", {12, 40, 260, 24}, true, "", kBlack, kWhite},
  {Kind::Button,  "按钮1",   "", {12, 76, 120, 24}, true, "再开一层"},
  {Kind::Button,  "按钮2",   "", {152, 76, 120, 24}, true, "关闭"},
};
// clang-format on
static_assert(namesAreUnique(kInnerControls));

}  // namespace

const WindowDesign kMainWindow{
    "ToolkitDemo 控件演示", 560,          420, true, true, COMMON_EMBEDDED(demo_icon),
    kDefaultColour,         kMainControls};
const WindowDesign kInnerWindow{
    "ToolkitDemo 第一层", 300,           150, false, false, COMMON_EMBEDDED(demo_icon),
    kDefaultColour,       kInnerControls};
const WindowDesign kInnermostWindow{
    "ToolkitDemo 第二层", 300,           150, false, false, COMMON_EMBEDDED(demo_icon),
    kDefaultColour,       kInnerControls};

}  // namespace toolkit::demo
