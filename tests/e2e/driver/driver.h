// A small driver for end-to-end tests: starts a real program under Wine (or Windows) and
// acts on its windows from outside, as a user would, by window messages.
//
// Using it:
//   testing_support::TempFolder folder;                  // each test its own folder
//   e2e::Program demo(e2e::installCopy(E2E_PROGRAM(ToolkitDemo), folder.text()));
//   HWND main = demo.window("ToolkitDemo 控件演示");      // waits until it is visible
//   HWND box = e2e::control(main, kMainWindow, "编辑框1");  // row i of the design: id 100+i
//   e2e::click(e2e::control(main, kMainWindow, "按钮1"));   // posted: never blocks the test
//   EXPECT_TRUE(e2e::waitUntil([&] { return e2e::text(box) == "10"; }));
//   HWND message = demo.messageBox();  e2e::messageText(message);  e2e::pressOk(message);
//   e2e::pressEscape(main);  EXPECT_TRUE(demo.waitForExit());
// Texts are GBK bytes both ways, like the programs' own. Every wait has a timeout and
// returns nullptr or false when it runs out, so a broken program fails a test instead of
// hanging it. A Program still running when it goes out of scope is ended.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"
#include "toolkit/design.h"

// The path of a program that add_e2e_test(... PROGRAMS target) names.
#define E2E_PROGRAM(target) E2E_PROGRAM_##target

namespace e2e {

using common::Text;

inline constexpr int kPatience = 10000;        // ms: the default timeout of every wait
inline constexpr int kMessageTextId = 0xFFFF;  // a message box's text (a static control)
inline constexpr int kFileNameBoxId = 0x47C;   // the open-file dialog's file name box

// Left, top, width, height in pixels.
struct Box {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

// Copies `program` into `folder` (the program's run directory) and gives the copy's path.
std::string installCopy(const std::string& program, const std::string& folder);

class Program {
 public:
  // Starts `path` with its own folder as the current directory.
  explicit Program(const std::string& path);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool started() const { return process_ != nullptr; }
  bool running() const;
  // A visible top-level window of this program with exactly this title.
  HWND window(const Text& title, int timeout = kPatience) const;
  // A message box of this program ("#32770" with its text in static 0xFFFF).
  HWND messageBox(int timeout = kPatience) const;
  // An open-file dialog of this program ("#32770" with its file name box 0x47C).
  HWND fileDialog(int timeout = kPatience) const;
  bool waitForExit(int timeout = kPatience) const;
  // Processor time used so far, user and kernel, in milliseconds.
  double processorMilliseconds() const;

 private:
  HWND findTopLevel(const std::function<bool(HWND)>& wanted, int timeout) const;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// Repeats `condition` every 20 ms until it holds or `timeout` ms have passed.
bool waitUntil(const std::function<bool()>& condition, int timeout = kPatience);

// Controls. A design name's row i is the child id toolkit::kFirstControlId + i.
HWND control(HWND window, const toolkit::WindowDesign& design, std::string_view name);
// The child whose place in the window's client area is exactly `box`.
HWND controlAt(HWND window, Box box);
// Where the design puts a control in the window's client area (containers' places added).
Box designBox(const toolkit::WindowDesign& design, std::string_view name);
// Where a control is in its top-level window's client area.
Box controlBox(HWND control);
// A window's outer place and size on the screen.
Box windowBox(HWND window);
bool visible(HWND hwnd);
bool enabled(HWND hwnd);
bool checked(HWND radioButton);

Text text(HWND hwnd);
// WM_SETTEXT, as another program would: for an edit box that is the user's change.
void setText(HWND hwnd, const Text& text);
void click(HWND button);
// One WM_CHAR per byte, each handled before the next is sent.
void type(HWND editBox, const Text& keys);
// Esc pressed while `target` has the focus; closes its window.
void pressEscape(HWND target);

Text messageText(HWND messageBox);
void pressOk(HWND dialog);
// Puts the full path into the open-file dialog's file name box and confirms it; the wide
// form reaches names that code page 936 cannot write.
void chooseInFileDialog(HWND dialog, const Text& path);
void chooseInFileDialog(HWND dialog, const std::wstring& path);
void cancelFileDialog(HWND dialog);

// The colour on the screen at a point of a window's client area.
COLORREF pixelAt(HWND window, int left, int top);
// Saves the screen inside `box` (screen coordinates) as a 24-bit BMP file.
bool screenshot(Box box, const std::string& path);

}  // namespace e2e
