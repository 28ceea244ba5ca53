// The calculator's main window as data: its 64 controls with their design values, and the
// names by which the handlers address them.
#pragma once

#include <iterator>
#include <span>
#include <string_view>

#include "assets/assets.h"
#include "toolkit/design.h"

namespace calculator {

namespace design {

using toolkit::ControlDesign;
using toolkit::Font;
using toolkit::kBlack;
using toolkit::kDefaultColour;
using toolkit::kDefaultFont;
using toolkit::Kind;
using toolkit::kWhite;
using toolkit::rgb;

inline constexpr toolkit::Colour kRed = rgb(255, 0, 0);
inline constexpr toolkit::Colour kViolet = rgb(144, 0, 255);
inline constexpr toolkit::Colour kMagenta = rgb(255, 0, 255);
inline constexpr Font kBold14{14, true};
inline constexpr Font kScoreFont{19, true};
inline constexpr Font kAmountFont{14, false};
inline constexpr Font kSeriesFont{16, true};
inline constexpr unsigned kScoreStyle = toolkit::kCentred | toolkit::kThinBorder;
inline constexpr unsigned kAmountStyle = toolkit::kCentred | toolkit::kIntegerOnly;

// 32 arrows, 64 bytes in code page 936: the toggle button's caption is the panel's state.
inline constexpr char kPanelClosedCaption[] = "↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓↓";
inline constexpr char kPanelOpenCaption[] = "↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑↑";
static_assert(sizeof kPanelClosedCaption == 64 + 1 && sizeof kPanelOpenCaption == 64 + 1);

// Columns after the text: text colour, background, font, flags, border width, picture.
// A shape box draws its border in its text colour.
// clang-format off
inline constexpr ControlDesign kMainControls[] = {
  // kind               name            parent     rect                   visible text
  // The tally: scores, difference, lead bars, members and the flash pictures over them.
  {Kind::GroupBox,    "分组框1",       "",        {0, 1, 80, 48},        true,  "棒棒糖",     kViolet, kDefaultColour, kBold14},
  {Kind::EditBox,     "编辑框1",       "分组框1", {3, 13, 73, 32},       true,  "0",          kRed, kDefaultColour, kScoreFont, kScoreStyle},
  {Kind::GroupBox,    "分组框2",       "",        {-1, 56, 80, 48},      true,  "相差",       kViolet, kDefaultColour, kBold14},
  {Kind::EditBox,     "编辑框2",       "分组框2", {3, 17, 73, 25},       true,  "0",          kRed, kDefaultColour, kScoreFont, kScoreStyle},
  {Kind::GroupBox,    "分组框3",       "",        {-1, 112, 80, 48},     true,  "小黄鸭",     kViolet, kDefaultColour, kBold14},
  {Kind::EditBox,     "编辑框3",       "分组框3", {3, 13, 73, 32},       true,  "0",          kRed, kDefaultColour, kScoreFont, kScoreStyle},
  {Kind::ShapeBox,    "外形框1",       "",        {4, 38, 71, 6},        false, "",           kRed, kDefaultColour, kDefaultFont, 0, 3},
  {Kind::ShapeBox,    "外形框2",       "",        {3, 149, 71, 6},       false, "",           kRed, kDefaultColour, kDefaultFont, 0, 3},
  {Kind::GroupBox,    "分组框4",       "",        {81, 0, 165, 80},      true,  "棒棒糖队员", kRed, kDefaultColour, kBold14},
  {Kind::EditBox,     "编辑框4",       "分组框4", {2, 13, 160, 65},      true,  "",           kRed, kWhite, kBold14, toolkit::kMultiLine},
  {Kind::GroupBox,    "分组框5",       "",        {80, 80, 165, 80},     true,  "小黄鸭队员", kRed, kDefaultColour, kBold14},
  {Kind::EditBox,     "编辑框5",       "分组框5", {3, 13, 160, 65},      true,  "",           kRed, kWhite, kBold14, toolkit::kMultiLine},
  {Kind::PictureBox,  "图片框1",       "",        {136, 24, 48, 48},     false, ""},
  {Kind::PictureBox,  "图片框4",       "",        {136, 104, 48, 45},    false, ""},

  // Team 1's bonus group.
  {Kind::GroupBox,    "分组框6",       "",        {247, 0, 256, 80},     true,  "棒棒糖",     kBlack},
  {Kind::Button,      "按钮1",         "分组框6", {6, 15, 34, 19},       true,  "+10"},
  {Kind::Button,      "按钮2",         "分组框6", {49, 15, 34, 19},      true,  "+33"},
  {Kind::Button,      "按钮3",         "分组框6", {90, 15, 34, 19},      true,  "+66"},
  {Kind::Button,      "按钮4",         "分组框6", {131, 15, 34, 19},     true,  "+199"},
  {Kind::Button,      "按钮5",         "分组框6", {174, 15, 34, 19},     true,  "+520"},
  {Kind::Button,      "按钮6",         "分组框6", {215, 15, 34, 19},     true,  "+521"},
  {Kind::Button,      "按钮7",         "分组框6", {6, 37, 49, 19},       true,  "+1000"},
  {Kind::Button,      "按钮8",         "分组框6", {72, 37, 49, 19},      true,  "+1314"},
  {Kind::Button,      "按钮9",         "分组框6", {134, 37, 49, 19},     true,  "+1880"},
  {Kind::Button,      "按钮10",        "分组框6", {199, 37, 49, 19},     true,  "+1990"},
  {Kind::Button,      "按钮11",        "分组框6", {6, 60, 49, 19},       true,  "+5200"},
  {Kind::EditBox,     "编辑框6",       "分组框6", {71, 60, 120, 16},     true,  "",           kMagenta, kWhite, kAmountFont, kAmountStyle},
  {Kind::Button,      "按钮25",        "分组框6", {200, 60, 40, 16},     true,  "+"},

  // Team 2's bonus group: the same places, its buttons numbered from the other end.
  {Kind::GroupBox,    "分组框7",       "",        {247, 81, 256, 80},    true,  "小黄鸭",     kBlack},
  {Kind::Button,      "按钮22",        "分组框7", {6, 15, 34, 19},       true,  "+10"},
  {Kind::Button,      "按钮21",        "分组框7", {49, 15, 34, 19},      true,  "+33"},
  {Kind::Button,      "按钮20",        "分组框7", {90, 15, 34, 19},      true,  "+66"},
  {Kind::Button,      "按钮19",        "分组框7", {131, 15, 34, 19},     true,  "+199"},
  {Kind::Button,      "按钮18",        "分组框7", {174, 15, 34, 19},     true,  "+520"},
  {Kind::Button,      "按钮17",        "分组框7", {215, 15, 34, 19},     true,  "+521"},
  {Kind::Button,      "按钮16",        "分组框7", {6, 37, 49, 19},       true,  "+1000"},
  {Kind::Button,      "按钮15",        "分组框7", {72, 37, 49, 19},      true,  "+1314"},
  {Kind::Button,      "按钮14",        "分组框7", {134, 37, 49, 19},     true,  "+1880"},
  {Kind::Button,      "按钮13",        "分组框7", {199, 37, 49, 19},     true,  "+1990"},
  {Kind::Button,      "按钮12",        "分组框7", {6, 60, 49, 19},       true,  "+5200"},
  {Kind::EditBox,     "编辑框7",       "分组框7", {71, 59, 120, 16},     true,  "",           kMagenta, kWhite, kAmountFont, kAmountStyle},
  {Kind::Button,      "按钮26",        "分组框7", {200, 61, 40, 16},     true,  "+"},

  // The time strip, restart and the toggle button.
  {Kind::PictureBox,  "图片框2",       "",        {0, 160, 336, 24},     true,  ""},
  {Kind::TransparentLabel, "透明标签2", "图片框2", {8, 8, 56, 16},       true,  "Ostra：",    kRed, kDefaultColour, kBold14},
  {Kind::TransparentLabel, "透明标签1", "图片框2", {72, 1, 160, 16},     true,  "",           kRed, kDefaultColour, kBold14},
  {Kind::Button,      "按钮23",        "",        {345, 164, 158, 24},   true,  "重新开始"},
  {Kind::Button,      "按钮24",        "",        {0, 190, 504, 16},     true,  kPanelClosedCaption},

  // The settings panel, in view only while the window is 380 high.
  {Kind::GroupBox,    "分组框9",       "",        {0, 205, 504, 147},    true,  "设置",       kBlack},
  {Kind::GroupBox,    "分组框8",       "分组框9", {4, 16, 236, 127},     true,  "队员设置",   kBlack},
  {Kind::EditBox,     "编辑框8",       "分组框8", {12, 19, 80, 24},      true,  "棒棒糖",     kBlack, kWhite},
  {Kind::EditBox,     "编辑框9",       "分组框8", {13, 48, 80, 24},      true,  "相差",       kBlack, kWhite},
  {Kind::EditBox,     "编辑框10",      "分组框8", {13, 78, 80, 24},      true,  "小黄鸭",     kBlack, kWhite},
  {Kind::EditBox,     "编辑框11",      "分组框8", {112, 23, 108, 24},    true,  "棒棒糖队员", kBlack, kWhite},
  {Kind::EditBox,     "编辑框12",      "分组框8", {112, 64, 108, 24},    true,  "小黄鸭队员", kBlack, kWhite},
  {Kind::Button,      "按钮27",        "分组框8", {139, 99, 80, 24},     true,  "保存"},
  {Kind::GroupBox,    "分组框10",      "分组框9", {253, 16, 97, 127},    true,  "皮肤设置",   kBlack},
  {Kind::Label,       "标签2",         "分组框10", {9, 14, 80, 24},      true,  "请输入【1-33】", kBlack},
  {Kind::EditBox,     "编辑框13",      "分组框10", {17, 42, 64, 18},     true,  "13",         kBlack, kWhite, kDefaultFont, toolkit::kCentred | toolkit::kIntegerOnly},
  {Kind::Button,      "按钮28",        "分组框10", {9, 71, 80, 21},      true,  "保存"},
  {Kind::Button,      "按钮29",        "分组框10", {10, 102, 80, 21},    true,  "联系客服"},
  {Kind::PictureBox,  "图片框3",       "分组框9", {369, 14, 102, 128},   true,  "",           kDefaultColour, kDefaultColour, kDefaultFont, 0, 0, assets::kDefaultPhoto},
  {Kind::Label,       "标签3",         "分组框9", {474, 43, 24, 96},     true,  "Morvek系列软件", kRed, kDefaultColour, kSeriesFont, toolkit::kCentred | toolkit::kWrapping},

  // Below the client area at both heights: the clock and the contact link's browser.
  {Kind::Timer,       "时间",          "",        {160, 384, 40, 40},    false, ""},
  {Kind::Browser,     "超文本浏览框1", "",        {288, 384, 40, 32},    true,  ""},
};
// clang-format on
static_assert(std::size(kMainControls) == 64);
static_assert(toolkit::namesAreUnique(kMainControls));
static_assert(toolkit::parentsComeFirst(kMainControls));

constexpr const ControlDesign* findControl(std::string_view name) {
  for (const ControlDesign& control : kMainControls)
    if (name == control.name) return &control;
  return nullptr;
}
constexpr bool isControl(std::string_view name, Kind kind) {
  const ControlDesign* control = findControl(name);
  return control && control->kind == kind;
}

}  // namespace design

inline constexpr toolkit::WindowDesign kMainWindow{
    "ZavoYelvi计算器专属版", 510, 233, true, true, assets::kCalculatorIcon, toolkit::kDefaultColour,
    design::kMainControls};

// The controls the handlers address outside the team and bonus tables.
inline constexpr const char* kDifferenceBox = "编辑框2";
inline constexpr const char* kClockTimer = "时间";
inline constexpr const char* kPrefixLabel = "透明标签2";
inline constexpr const char* kClockLabel = "透明标签1";
inline constexpr const char* kPhotoBox = "图片框3";
inline constexpr const char* kRestartButton = "按钮23";
inline constexpr const char* kPanelToggle = "按钮24";
inline constexpr const char* kSaveLabelsButton = "按钮27";
inline constexpr const char* kSkinNumberBox = "编辑框13";
inline constexpr const char* kSaveSkinButton = "按钮28";
inline constexpr const char* kContactButton = "按钮29";
inline constexpr const char* kContactBrowser = "超文本浏览框1";

static_assert(design::isControl(kDifferenceBox, toolkit::Kind::EditBox));
static_assert(design::isControl(kClockTimer, toolkit::Kind::Timer));
static_assert(design::isControl(kPrefixLabel, toolkit::Kind::TransparentLabel));
static_assert(design::isControl(kClockLabel, toolkit::Kind::TransparentLabel));
static_assert(design::isControl(kPhotoBox, toolkit::Kind::PictureBox));
static_assert(design::isControl(kRestartButton, toolkit::Kind::Button));
static_assert(design::isControl(kPanelToggle, toolkit::Kind::Button));
static_assert(design::isControl(kSaveLabelsButton, toolkit::Kind::Button));
static_assert(design::isControl(kSkinNumberBox, toolkit::Kind::EditBox));
static_assert(design::isControl(kSaveSkinButton, toolkit::Kind::Button));
static_assert(design::isControl(kContactButton, toolkit::Kind::Button));
static_assert(design::isControl(kContactBrowser, toolkit::Kind::Browser));

}  // namespace calculator
