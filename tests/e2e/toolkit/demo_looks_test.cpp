// The demo's window as a user sees it: every kind at its design place with its styles,
// the window's frame, and what is drawn where (read back from the screen). Also leaves a
// screenshot of the window in the e2e output folder for a person to look at.
#include "tests/e2e/toolkit/demo_fixture.h"

namespace toolkit::demo {
namespace {

// clang-format off
struct KindWindow {
  Kind kind;
  const char* windowClass;
};
constexpr KindWindow kKindWindows[] = {
  {Kind::EditBox,          "Edit"},
  {Kind::Button,           "Button"},
  {Kind::Label,            "Static"},
  {Kind::TransparentLabel, "Static"},
  {Kind::GroupBox,         "Button"},
  {Kind::PictureBox,       "Static"},
  {Kind::RadioButton,      "Button"},
  {Kind::ShapeBox,         "Static"},
  {Kind::Browser,          "Static"},
};
// clang-format on

const char* windowClassOf(Kind kind) {
  for (const KindWindow& row : kKindWindows)
    if (row.kind == kind) return row.windowClass;
  return nullptr;  // the timer and the file dialog component have no window
}

common::Text classOf(HWND hwnd) {
  char name[32] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool hasStyle(HWND hwnd, LONG_PTR style) {
  return (GetWindowLongPtrA(hwnd, GWL_STYLE) & style) == style;
}
bool hasExtendedStyle(HWND hwnd, LONG_PTR style) {
  return (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & style) == style;
}

TEST_F(DemoTest, EveryControlStandsAtItsDesignPlaceAsItsKind) {
  for (std::size_t row = 0; row < kMainWindow.controls.size(); ++row) {
    const ControlDesign& design = kMainWindow.controls[row];
    SCOPED_TRACE(design.name);
    const HWND hwnd = control(design.name);
    const char* windowClass = windowClassOf(design.kind);
    if (!windowClass) {
      EXPECT_EQ(hwnd, nullptr);
      continue;
    }
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(GetParent(hwnd), main_);
    EXPECT_EQ(classOf(hwnd), windowClass);
    EXPECT_EQ(e2e::visible(hwnd), design.visible);
    const e2e::Box expected = e2e::designBox(kMainWindow, design.name);
    const e2e::Box actual = e2e::controlBox(hwnd);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.width, expected.width);
    const bool oneLineEdit = design.kind == Kind::EditBox && !(design.flags & kMultiLine);
    if (oneLineEdit)
      EXPECT_GE(actual.height, expected.height);
    else
      EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(e2e::controlAt(main_, actual), hwnd);
  }
}

TEST_F(DemoTest, OneLineEditBoxTooShortForItsFontGrowsDownwards) {
  const e2e::Box designed = e2e::designBox(kMainWindow, "编辑框2");  // 16 high, a 14 px font
  const e2e::Box actual = e2e::controlBox(control("编辑框2"));
  EXPECT_EQ(actual.top, designed.top);
  EXPECT_GT(actual.height, designed.height);
  // A box tall enough keeps its height.
  EXPECT_EQ(e2e::controlBox(control("编辑框5")).height,
            e2e::designBox(kMainWindow, "编辑框5").height);
}

TEST_F(DemoTest, WindowHasAFixedFrameCentredOnTopWithItsIcon) {
  const e2e::Box outer = e2e::windowBox(main_);
  EXPECT_EQ(outer.width, kMainWindow.width);
  EXPECT_EQ(outer.height, kMainWindow.height);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - kMainWindow.width) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - kMainWindow.height) / 2);
  EXPECT_TRUE(hasStyle(main_, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_FALSE(hasStyle(main_, WS_MAXIMIZEBOX));
  EXPECT_FALSE(hasStyle(main_, WS_THICKFRAME));
  EXPECT_TRUE(hasExtendedStyle(main_, WS_EX_TOPMOST));
  EXPECT_TRUE(hasExtendedStyle(main_, WS_EX_APPWINDOW));
  EXPECT_EQ(e2e::text(main_), kMainWindow.title);

  // The browser control lies below the client area.
  RECT client;
  GetClientRect(main_, &client);
  EXPECT_GE(e2e::controlBox(control("超文本浏览框1")).top, client.bottom);
}

TEST_F(DemoTest, ControlsCarryTheStylesOfTheirLooks) {
  const HWND score = control("编辑框1");
  EXPECT_TRUE(hasStyle(score, ES_CENTER | ES_AUTOHSCROLL));  // EDIT keeps WS_BORDER to itself
  EXPECT_FALSE(hasExtendedStyle(score, WS_EX_CLIENTEDGE));
  EXPECT_TRUE(hasExtendedStyle(control("编辑框5"), WS_EX_CLIENTEDGE));
  EXPECT_TRUE(
      hasStyle(control("编辑框3"), ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL));
  EXPECT_FALSE(hasStyle(control("编辑框3"), ES_AUTOHSCROLL));  // long lines wrap
  EXPECT_FALSE(e2e::enabled(control("编辑框4")));
  EXPECT_TRUE(e2e::checked(control("单选框1")));
  EXPECT_FALSE(e2e::enabled(control("单选框1")));
  EXPECT_TRUE(hasStyle(control("标签2"), SS_CENTER | SS_CENTERIMAGE));
  EXPECT_FALSE(hasStyle(control("标签1"), SS_CENTERIMAGE));  // wrapping
  for (const char* button :
       {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6", "按钮7", "按钮8"})
    EXPECT_FALSE(hasStyle(control(button), BS_DEFPUSHBUTTON)) << button;
}

bool isRed(COLORREF colour) {
  return GetRValue(colour) > 200 && GetGValue(colour) < 60 && GetBValue(colour) < 60;
}

TEST_F(DemoTest, OwnerDrawnKindsShowWhatTheirDesignsSay) {
  const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
  const e2e::Box shape = e2e::designBox(kMainWindow, "外形框1");
  const e2e::Box picture = e2e::designBox(kMainWindow, "图片框1");
  const e2e::Box label = e2e::designBox(kMainWindow, "透明标签1");
  const e2e::Box star = e2e::designBox(kMainWindow, "图片框2");
  ASSERT_TRUE(e2e::waitUntil([&] { return isRed(e2e::pixelAt(main_, shape.left, shape.top)); }));

  // The shape box: a 3 px red frame inside its edges, and the window showing through inside.
  for (int inset = 0; inset < 3; ++inset)
    EXPECT_TRUE(isRed(e2e::pixelAt(main_, shape.left + inset, shape.top + shape.height / 2)));
  EXPECT_EQ(e2e::pixelAt(main_, shape.left + 4, shape.top + 4), buttonFace);
  // The score box's thin border: one line of the frame colour, then its button-face inside.
  const e2e::Box score = e2e::designBox(kMainWindow, "编辑框1");
  EXPECT_NE(e2e::pixelAt(main_, score.left, score.top + 3), buttonFace);
  EXPECT_EQ(e2e::pixelAt(main_, score.left + 1, score.top + 3), buttonFace);
  // The picture box: the stretched landscape (sky at the top left, no button face).
  const COLORREF sky = e2e::pixelAt(main_, picture.left + 2, picture.top + 40);
  EXPECT_GT(GetBValue(sky), GetRValue(sky));
  // The transparent label: the picture goes on beneath it, past the end of its text.
  const COLORREF beneath = e2e::pixelAt(main_, label.left + label.width - 2, label.top + 2);
  EXPECT_NE(beneath, buttonFace);
  EXPECT_GT(GetBValue(beneath), GetRValue(beneath));
  // The hidden flash picture leaves the window's background.
  EXPECT_EQ(e2e::pixelAt(main_, star.left + star.width / 2, star.top + star.height / 2),
            buttonFace);
}

TEST_F(DemoTest, LeavesAScreenshotOfTheWindow) {
  // A moment of use: a score written, a typed amount, the flash picture shown.
  e2e::click(control("按钮1"));
  e2e::type(control("编辑框2"), "-520");
  e2e::click(control("按钮3"));
  ASSERT_TRUE(logReads("创建 加前 变为10 加后 等1"));
  Sleep(300);  // let the paint settle
  const std::string path = std::string(E2E_OUTPUT_DIR) + "/demo.bmp";
  ASSERT_TRUE(e2e::screenshot(e2e::windowBox(main_), path));
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const DWORD size = GetFileSize(file, nullptr);
  CloseHandle(file);
  const DWORD rowBytes = ((kMainWindow.width * 3 + 3) / 4) * 4;
  EXPECT_EQ(size, 14 + 40 + rowBytes * kMainWindow.height);
}

}  // namespace
}  // namespace toolkit::demo
