// The demo's handlers and their bindings.
#include "toolkit/demo/demo_handlers.h"

#include <cstdlib>
#include <string>

#include "common/files.h"
#include "toolkit/demo/demo_windows.h"

namespace toolkit::demo {

namespace {

constexpr int kTickPeriod = 500;
constexpr int kFlashLength = 2000;
constexpr char kLink[] = "zavodemo:hello";
constexpr char kFilter[] = "图片（*.JPG）|*.JPG|所有文件（*.*）|*.*";

Text number(long value) {
  return std::to_string(value);
}

}  // namespace

void Demo::start() {
  ui_.load(kMainWindow, mainBindings(), Mode::Ordinary);
}

Bindings Demo::mainBindings() {
  // clang-format off
  return {
    {"",        Event::Created,    [this] { prepareWindow(); }},
    {"",        Event::Destroying, [this] { saveLog(); }},
    {"时间",    Event::Tick,       [this] { showTick(); }},
    {"编辑框1", Event::Changed,    [this] { noteScoreChange(); }},
    {"按钮1",   Event::Clicked,    [this] { addTen(); }},
    {"按钮2",   Event::Clicked,    [this] { rewriteScore(); }},
    {"按钮3",   Event::Clicked,    [this] { flashStar(); }},
    {"按钮4",   Event::Clicked,    [this] { showMessage(); }},
    {"按钮5",   Event::Clicked,    [this] { openInnerWindow(); }},
    {"按钮6",   Event::Clicked,    [this] { chooseFile(); }},
    {"按钮7",   Event::Clicked,    [this] { openLink(); }},
    {"按钮8",   Event::Clicked,    [this] { closeMainWindow(); }},
  };
  // clang-format on
}

Bindings Demo::innerBindings(const WindowDesign& window) {
  Bindings bindings{{"按钮2", Event::Clicked, [this, &window] { ui_.destroy(window); }}};
  if (&window == &kInnerWindow)
    bindings.push_back({"按钮1", Event::Clicked, [this] { openInnermostWindow(); }});
  return bindings;
}

void Demo::log(const Text& entry) {
  const Text before = ui_.text(kMainWindow, "标签1");
  ui_.setText(kMainWindow, "标签1", before.empty() ? entry : before + " " + entry);
}

void Demo::prepareWindow() {
  ui_.setTimerPeriod(kMainWindow, "时间", kTickPeriod);
  log("创建");
}

void Demo::saveLog() {
  common::writeFile(common::pathIn(common::runDirectory(), kLastLogFile),
                    common::asBytes(ui_.text(kMainWindow, "标签1")));
}

void Demo::showTick() {
  ui_.setText(kMainWindow, "透明标签2", "计时：" + number(++ticks_));
}

void Demo::noteScoreChange() {
  log("变为" + ui_.text(kMainWindow, "编辑框1"));
}

void Demo::addTen() {
  log("加前");
  const long score = std::strtol(ui_.text(kMainWindow, "编辑框1").c_str(), nullptr, 10);
  ui_.setText(kMainWindow, "编辑框1", number(score + 10));
  log("加后");
}

void Demo::rewriteScore() {
  log("重写前");
  ui_.setText(kMainWindow, "编辑框1", ui_.text(kMainWindow, "编辑框1"));
  log("重写后");
}

void Demo::flashStar() {
  const Text mine = number(++flashes_);
  log("等" + mine);
  ui_.setVisible(kMainWindow, "图片框2", true);
  ui_.wait(kFlashLength);
  ui_.setVisible(kMainWindow, "图片框2", false);
  log("完" + mine);
}

void Demo::showMessage() {
  ui_.messageBox("这是一个消息框。", "ToolkitDemo");
  log("消息框已关");
}

void Demo::openInnerWindow() {
  log("开一层");
  ui_.load(kInnerWindow, innerBindings(kInnerWindow), Mode::Modal);
  log("一层已关");
}

void Demo::openInnermostWindow() {
  log("开二层");
  ui_.load(kInnermostWindow, innerBindings(kInnermostWindow), Mode::Modal);
  log("二层已关");
}

void Demo::chooseFile() {
  const std::optional<Text> chosen = ui_.chooseFile(kMainWindow, "通用对话框1", kFilter);
  if (chosen) ui_.setText(kMainWindow, "编辑框5", *chosen);
  log(chosen ? "已选" : "未选");
}

void Demo::openLink() {
  ui_.navigate(kMainWindow, "超文本浏览框1", kLink);
  log("链接已交");
}

void Demo::closeMainWindow() {
  ui_.destroy(kMainWindow);
  log("请求关闭");
}

}  // namespace toolkit::demo
