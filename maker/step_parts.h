// What the four step windows of the maker share: their frame, the group box that names the
// step, the welcome line, the illustration, the prompt and the answer box, and the checks
// each window's table states about itself.
#pragma once

#include <span>
#include <string_view>

#include "assets/assets.h"
#include "toolkit/design.h"

namespace maker {

inline constexpr const char* kMakerTitle = "ZavoMorvek计算器专属版制作器";
inline constexpr toolkit::Colour kRed = toolkit::rgb(255, 0, 0);
inline constexpr toolkit::Font kCaptionFont{16, true};

// Every step answers in, and the handlers read, the box of this name.
inline constexpr const char* kAnswerBox = "编辑框1";
inline constexpr const char* kStepGroup = "分组框1";

constexpr toolkit::WindowDesign stepWindow(int width, int height, bool minimiseBox,
                                           std::span<const toolkit::ControlDesign> controls) {
  return {
      kMakerTitle, width, height, minimiseBox, false, assets::kMakerIcon, toolkit::kDefaultColour,
      controls};
}

constexpr toolkit::ControlDesign stepGroupBox(const char* caption, toolkit::Rect rect) {
  return {toolkit::Kind::GroupBox, kStepGroup,  "", rect, true, caption, toolkit::kBlack,
          toolkit::kDefaultColour, kCaptionFont};
}

inline constexpr toolkit::ControlDesign kWelcomeLabel{toolkit::Kind::Label,
                                                      "标签1",
                                                      kStepGroup,
                                                      {31, 22, 328, 26},
                                                      true,
                                                      "欢迎使用Zavo专属版计算器安装-Morvek软件",
                                                      kRed,
                                                      toolkit::kDefaultColour,
                                                      kCaptionFont,
                                                      toolkit::kCentred};

constexpr toolkit::ControlDesign stepIllustration(common::EmbeddedBytes picture) {
  return {toolkit::Kind::PictureBox,
          "图片框1",
          kStepGroup,
          {15, 59, 353, 275},
          true,
          "",
          toolkit::kDefaultColour,
          toolkit::kDefaultColour,
          toolkit::kDefaultFont,
          0,
          0,
          picture};
}

constexpr toolkit::ControlDesign promptLabel(const char* text) {
  return {toolkit::Kind::Label, "标签2", kStepGroup, {15, 349, 96, 24}, true, text,
          toolkit::kBlack};
}

constexpr toolkit::ControlDesign answerBox(toolkit::Rect rect, const char* text,
                                           unsigned flags = 0) {
  return {toolkit::Kind::EditBox, kAnswerBox, kStepGroup, rect, true, text, kRed, toolkit::kWhite,
          toolkit::kDefaultFont,  flags};
}

constexpr toolkit::ControlDesign button(const char* name, const char* parent, toolkit::Rect rect,
                                        const char* caption) {
  return {toolkit::Kind::Button, name, parent, rect, true, caption};
}

// True when the window has a control of this name and kind: what the handlers address must be
// in the design.
constexpr bool hasControl(std::span<const toolkit::ControlDesign> controls, std::string_view name,
                          toolkit::Kind kind) {
  for (const toolkit::ControlDesign& control : controls)
    if (control.name == name && control.kind == kind) return true;
  return false;
}

// True when every control inside a container lies wholly within the container's rectangle.
constexpr bool childrenFitTheirParents(std::span<const toolkit::ControlDesign> controls) {
  for (const toolkit::ControlDesign& child : controls) {
    const std::string_view parent = child.parent;
    if (parent.empty()) continue;
    for (const toolkit::ControlDesign& container : controls) {
      if (container.name != parent) continue;
      const toolkit::Rect inner = child.rect, outer = container.rect;
      if (inner.left < 0 || inner.top < 0 || inner.left + inner.width > outer.width ||
          inner.top + inner.height > outer.height)
        return false;
    }
  }
  return true;
}

// What every step's table must hold: unique names, containers before what they hold, and
// every contained control within its container.
constexpr bool isSoundDesign(std::span<const toolkit::ControlDesign> controls) {
  return toolkit::namesAreUnique(controls) && toolkit::parentsComeFirst(controls) &&
         childrenFitTheirParents(controls);
}

}  // namespace maker
