#include "calculator/skins.h"

#include "calculator/main_window.h"
#include "calculator/text_rules.h"
#include "common/files.h"
#include "skinengine/skin_blocks.h"

namespace calculator {
namespace {

constexpr const char* kSkinLibraryName = "SkinH_EL.dll";
constexpr const char* kLibraryFailedTitle = "Zavo计算器";
constexpr const char* kLibraryFailedMessage =
    "无法加载皮肤组件 SkinH_EL.dll，或其中缺少 SkinH_AttachRes 功能。\n"
    "程序无法继续运行，点击“确定”后将退出。";

}  // namespace

bool applySkin(const Context& context, std::int32_t number) {
  deploySkinLibrary(context);
  // skinBlock answers the empty block for any number outside 1..33.
  if (context.skinLibrary.attachSkin(skinengine::skinBlock(number))) return true;
  context.toolkit.messageBox(kLibraryFailedMessage, kLibraryFailedTitle);
  context.programEnd.endProcess();
  return false;
}

void saveSkinChoice(const Context& context) {
  applySkin(context, textToInteger(context.toolkit.text(kMainWindow, kSkinNumberBox)));
}

void deploySkinLibrary(const Context& context) {
  const common::Text path = common::pathIn(context.runDirectory, kSkinLibraryName);
  if (common::fileExists(path)) return;
  // Neither result is examined: a library that could not be written is looked for by the
  // platform's library search, and failing that ends in the fatal message.
  common::writeFile(path, context.skinLibraryFile);
  common::setFileAttributes(path, common::kAttributeHidden);
}

}  // namespace calculator
