// The real "Zavo计算器.exe" under Wine, driven from outside as a user would drive it: in a
// fresh folder with the maker's three files and a photo, checking what the user sees.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "calculator/main_window.h"
#include "skinengine/library_image.h"
#include "tests/e2e/driver/driver.h"
#include "tests/unit/support/temp_folder.h"

COMMON_DECLARE_EMBEDDED(e2e_green_photo);

namespace {

using calculator::kMainWindow;
using common::Text;

constexpr const char* kTitle = "运动会计分";
constexpr const char* kPrefix = "时间：";
constexpr const char* kMissingMessage = "文件已损坏，请勿删除文件夹的配置信息！";
constexpr const char* kMissingTitle = "请联系QQ：" VENDOR_CONTACT;

// The configured photo is one flat colour, unlike the default photo it replaces.
constexpr COLORREF kPhotoColour = RGB(0, 160, 0);

Text repeated(const Text& piece, int times) {
  Text text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

bool isCloseTo(COLORREF colour, COLORREF expected) {
  const auto close = [](int a, int b) { return std::abs(a - b) <= 24; };
  return close(GetRValue(colour), GetRValue(expected)) &&
         close(GetGValue(colour), GetGValue(expected)) &&
         close(GetBValue(colour), GetBValue(expected));
}

// The main window as the user sees it: controls by design name, what the screen shows.
class CalculatorWindow {
 public:
  explicit CalculatorWindow(HWND window) : window_(window) {}
  HWND hwnd() const { return window_; }
  HWND operator[](std::string_view name) const { return e2e::control(window_, kMainWindow, name); }
  Text text(std::string_view name) const { return e2e::text((*this)[name]); }
  bool shows(std::string_view name) const { return e2e::visible((*this)[name]); }
  void click(std::string_view button) const { e2e::click((*this)[button]); }
  int height() const { return e2e::windowBox(window_).height; }
  // The colour on the screen at a point of a control, relative to its own top left.
  COLORREF colourIn(std::string_view name, int x, int y) const {
    const e2e::Box box = e2e::controlBox((*this)[name]);
    POINT point{box.left + x, box.top + y};
    ClientToScreen(window_, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
  }
  // Until the clock has ticked once more: whatever was asked of the window before has
  // been handled and painted by then.
  bool settle() const {
    const Text clock = text(calculator::kClockLabel);
    return e2e::waitUntil([&] { return text(calculator::kClockLabel) != clock; }, 1500);
  }
  // Leaves the whole window, frame included, for a person to compare with the design.
  bool saveScreenshot(const char* name) const {
    return settle() &&
           e2e::screenshot(e2e::windowBox(window_), std::string(E2E_OUTPUT_DIR) + "/" + name);
  }
  bool waitFor(std::string_view name, const Text& expected) const {
    return e2e::waitUntil([&] { return text(name) == expected; });
  }

 private:
  HWND window_;
};

class CalculatorE2E : public ::testing::Test {
 protected:
  testing_support::TempFolder folder;

  void SetUp() override {
    folder.write("1.txt", kTitle);
    folder.write("2.txt", kPrefix);
    const common::ByteView photo = COMMON_EMBEDDED(e2e_green_photo).view();
    folder.write("photo.jpg", std::string(photo.begin(), photo.end()));
    folder.write("3.txt", folder.file("photo.jpg"));
  }
  std::string install() const {
    return e2e::installCopy(E2E_PROGRAM(calculator_exe), folder.text());
  }
  Text libraryPath() const { return folder.file("SkinH_EL.dll"); }
};

TEST_F(CalculatorE2E, StartsWithTheConfigurationAndATickingClock) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  EXPECT_EQ(main.height(), 233);
  EXPECT_EQ(main.text(calculator::kPrefixLabel), kPrefix);

  ASSERT_TRUE(e2e::waitUntil([&] { return !main.text(calculator::kClockLabel).empty(); }));
  const Text first = main.text(calculator::kClockLabel);
  EXPECT_NE(first.find("时"), Text::npos);
  EXPECT_NE(first.find("秒"), Text::npos);
  EXPECT_TRUE(e2e::waitUntil([&] { return main.text(calculator::kClockLabel) != first; }, 2500));
  EXPECT_EQ(main.text(calculator::kPrefixLabel), kPrefix) << "the prefix is never rewritten";

  main.click(calculator::kPanelToggle);
  ASSERT_TRUE(e2e::waitUntil([&] { return main.height() == 380; }));
  const e2e::Box photo = e2e::controlBox(main[calculator::kPhotoBox]);
  EXPECT_TRUE(e2e::waitUntil([&] {
    return isCloseTo(main.colourIn(calculator::kPhotoBox, photo.width / 2, photo.height / 2),
                     kPhotoColour);
  })) << "the configured photo fills the photo box";
}

TEST_F(CalculatorE2E, DeploysTheSkinLibraryHiddenBesideItself) {
  e2e::Program program(install());
  ASSERT_TRUE(program.window(kTitle));
  const DWORD attributes = GetFileAttributesA(libraryPath().c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  // Wine adds the archive bit to every regular file it reports: test the hidden bit.
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  const common::ByteView image = skinengine::skinLibraryImage();
  EXPECT_EQ(folder.read("SkinH_EL.dll"), std::string(image.begin(), image.end()));
}

TEST_F(CalculatorE2E, AForeignLibraryFileIsKeptAndEndsTheProgramWithAMessage) {
  folder.write("SkinH_EL.dll", "not a library");
  e2e::Program program(install());
  const HWND message = program.messageBox();
  ASSERT_TRUE(message);
  const Text text = e2e::messageText(message);
  EXPECT_NE(text.find("SkinH_EL.dll"), Text::npos);
  EXPECT_NE(text.find("SkinH_AttachRes"), Text::npos);
  e2e::pressOk(message);
  EXPECT_TRUE(program.waitForExit());
  EXPECT_EQ(folder.read("SkinH_EL.dll"), "not a library");
}

TEST_F(CalculatorE2E, RefusesToRunWithoutEachConfigurationFile) {
  for (const char* missing : {"1.txt", "2.txt", "3.txt"}) {
    SCOPED_TRACE(missing);
    testing_support::TempFolder runFolder;
    for (const char* name : {"1.txt", "2.txt", "3.txt"})
      if (std::string(name) != missing) runFolder.write(name, folder.read(name));
    e2e::Program program(e2e::installCopy(E2E_PROGRAM(calculator_exe), runFolder.text()));
    const HWND message = program.messageBox();
    ASSERT_TRUE(message);
    EXPECT_EQ(e2e::messageText(message), kMissingMessage);
    EXPECT_EQ(e2e::text(message), kMissingTitle);
    EXPECT_TRUE(runFolder.exists("SkinH_EL.dll")) << "the skin comes first";
    e2e::pressOk(message);
    EXPECT_TRUE(program.waitForExit());
  }
}

TEST_F(CalculatorE2E, BonusButtonsAndTypedAmountsKeepTheScores) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());

  main.click("按钮2");  // team 1 "+33"
  EXPECT_TRUE(main.waitFor("编辑框1", "33"));
  EXPECT_TRUE(main.waitFor("编辑框2", "33"));
  EXPECT_TRUE(main.shows("外形框1"));
  EXPECT_FALSE(main.shows("外形框2"));

  e2e::type(main["编辑框7"], "a1b0-0x");
  EXPECT_EQ(main.text("编辑框7"), "10-0") << "only digits and minus are typed";
  e2e::setText(main["编辑框7"], "100");
  main.click("按钮26");  // team 2 "+"
  EXPECT_TRUE(main.waitFor("编辑框3", "100"));
  EXPECT_EQ(main.text("编辑框7"), "");
  EXPECT_TRUE(main.waitFor("编辑框2", "67"));
  EXPECT_TRUE(main.shows("外形框2"));
  EXPECT_FALSE(main.shows("外形框1"));

  e2e::type(main["编辑框4"], "队员甲");
  main.click(calculator::kRestartButton);
  for (const char* zero : {"编辑框1", "编辑框2", "编辑框3"}) EXPECT_TRUE(main.waitFor(zero, "0"));
  EXPECT_EQ(main.text("编辑框4"), "");
  EXPECT_FALSE(main.shows("外形框1"));
  EXPECT_FALSE(main.shows("外形框2"));
}

TEST_F(CalculatorE2E, AFlashShowsAboutTwoSecondsWhileTheWindowGoesOn) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  ASSERT_TRUE(e2e::waitUntil([&] { return !main.text(calculator::kClockLabel).empty(); }));

  const double processorBefore = program.processorMilliseconds();
  main.click("按钮5");  // team 1 "+520": the angel
  ASSERT_TRUE(e2e::waitUntil([&] { return main.shows("图片框1"); }));
  const DWORD shownAt = GetTickCount();
  const Text clockAtStart = main.text(calculator::kClockLabel);
  main.click("按钮1");  // "+10" during the flash
  EXPECT_TRUE(main.waitFor("编辑框1", "530")) << "buttons work during the flash";
  EXPECT_TRUE(e2e::waitUntil([&] { return main.text(calculator::kClockLabel) != clockAtStart; }))
      << "the clock ticks during the flash";
  EXPECT_TRUE(main.shows("图片框1"));
  EXPECT_TRUE(main.saveScreenshot("calculator-flash.bmp"));
  ASSERT_TRUE(e2e::waitUntil([&] { return !main.shows("图片框1"); }, 5000));
  const DWORD shownFor = GetTickCount() - shownAt;
  EXPECT_GE(shownFor, 1900u);
  EXPECT_LE(shownFor, 3000u);
  EXPECT_LT(program.processorMilliseconds() - processorBefore, 1000.0) << "the wait does not spin";
}

TEST_F(CalculatorE2E, ThePanelOpensAndClosesByItsCaption) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  const e2e::Box before = e2e::windowBox(main.hwnd());
  EXPECT_TRUE(main.saveScreenshot("calculator-closed.bmp"));
  main.click(calculator::kPanelToggle);
  EXPECT_TRUE(e2e::waitUntil([&] { return main.height() == 380; }));
  EXPECT_EQ(main.text(calculator::kPanelToggle), repeated("↑", 32));
  EXPECT_TRUE(main.saveScreenshot("calculator-open.bmp"));
  main.click(calculator::kPanelToggle);
  EXPECT_TRUE(e2e::waitUntil([&] { return main.height() == 237; }));
  EXPECT_EQ(main.text(calculator::kPanelToggle), repeated("↓", 32));
  const e2e::Box after = e2e::windowBox(main.hwnd());
  EXPECT_EQ(after.width, before.width);
  EXPECT_EQ(after.top, before.top) << "the top edge stays";
}

TEST_F(CalculatorE2E, EveryControlStandsWhereTheDesignPutsIt) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  for (const toolkit::ControlDesign& row : kMainWindow.controls) {
    if (row.kind == toolkit::Kind::Timer) continue;
    SCOPED_TRACE(row.name);
    const HWND control = main[row.name];
    ASSERT_TRUE(control);
    const e2e::Box want = e2e::designBox(kMainWindow, row.name);
    const e2e::Box got = e2e::controlBox(control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.width, want.width);
    // A one-line edit box may be made tall enough for its font; its top stays.
    if (row.kind == toolkit::Kind::EditBox)
      EXPECT_GE(got.height, want.height);
    else
      EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(e2e::visible(control), row.visible);
  }
}

TEST_F(CalculatorE2E, SavedLabelsAndSkinChangeWhatTheWindowShows) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  main.click(calculator::kPanelToggle);
  ASSERT_TRUE(e2e::waitUntil([&] { return main.height() == 380; }));

  e2e::setText(main["编辑框8"], "红队");
  e2e::setText(main["编辑框9"], "");
  main.click(calculator::kSaveLabelsButton);
  EXPECT_TRUE(main.waitFor("分组框1", "红队"));
  EXPECT_EQ(main.text("分组框2"), "");
  EXPECT_EQ(main.text("分组框6"), "棒棒糖") << "the bonus group keeps its caption";

  // A point on the restart button's face, clear of its border and caption.
  const e2e::Box restart = e2e::controlBox(main[calculator::kRestartButton]);
  const COLORREF skin4 = main.colourIn(calculator::kRestartButton, 6, restart.height / 2);
  e2e::setText(main[calculator::kSkinNumberBox], "");
  e2e::type(main[calculator::kSkinNumberBox], "2x0");
  ASSERT_EQ(main.text(calculator::kSkinNumberBox), "20");
  main.click(calculator::kSaveSkinButton);
  EXPECT_TRUE(e2e::waitUntil([&] {
    return main.colourIn(calculator::kRestartButton, 6, restart.height / 2) != skin4;
  })) << "skin 20 gives the button another face";

  // Outside 1..33 the library receives no block at all, and the program goes on.
  e2e::setText(main[calculator::kSkinNumberBox], "0");
  main.click(calculator::kSaveSkinButton);
  EXPECT_TRUE(main.settle());
  EXPECT_TRUE(program.running());
  main.click("按钮4");
  EXPECT_TRUE(main.waitFor("编辑框1", "199"));
}

TEST_F(CalculatorE2E, EscapeInAnEditBoxEndsTheProgram) {
  e2e::Program program(install());
  const CalculatorWindow main(program.window(kTitle));
  ASSERT_TRUE(main.hwnd());
  e2e::pressEscape(main["编辑框6"]);
  EXPECT_TRUE(program.waitForExit());
}

}  // namespace
