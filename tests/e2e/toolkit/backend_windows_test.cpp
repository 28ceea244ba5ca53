// Window and control operations in process: geometry, visibility through containers,
// the window icon, grown edit boxes, and operations on what is not there.
#include "tests/e2e/toolkit/backend_fixture.h"

namespace toolkit::win32 {
namespace {

TEST_F(BackendTest, SetHeightKeepsWidthAndTopEdge) {
  backend_.load(window_, {}, Mode::Ordinary);
  const e2e::Box before = e2e::windowBox(hwndOf(window_));
  backend_.setHeight(window_, 380);
  const e2e::Box after = e2e::windowBox(hwndOf(window_));
  EXPECT_EQ(after, (e2e::Box{before.left, before.top, before.width, 380}));
}

TEST_F(BackendTest, TitleAndWindowVisibility) {
  backend_.load(window_, {}, Mode::Ordinary);
  const HWND hwnd = hwndOf(window_);
  backend_.setTitle(window_, "新标题");
  EXPECT_EQ(e2e::text(hwnd), "新标题");
  backend_.setWindowVisible(window_, false);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_TRUE(backend_.isLoaded(window_));
  backend_.setWindowVisible(window_, true);
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(BackendTest, ContainerVisibilityHidesItsChildrenAndKeepsTheirOwn) {
  backend_.load(window_, {}, Mode::Ordinary);
  const HWND shownLabel = controlOf(window_, "标签1");
  const HWND hiddenLabel = controlOf(window_, "标签2");
  EXPECT_TRUE(IsWindowVisible(shownLabel));
  EXPECT_FALSE(IsWindowVisible(hiddenLabel));
  backend_.setVisible(window_, "分组框1", false);
  EXPECT_FALSE(IsWindowVisible(shownLabel));
  backend_.setVisible(window_, "标签2", true);  // shown, but its container is not
  EXPECT_FALSE(IsWindowVisible(hiddenLabel));
  backend_.setVisible(window_, "分组框1", true);
  EXPECT_TRUE(IsWindowVisible(shownLabel));
  EXPECT_TRUE(IsWindowVisible(hiddenLabel));
}

TEST_F(BackendTest, WindowCarriesBothSizesOfItsIcon) {
  backend_.load(window_, {}, Mode::Ordinary);
  for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
    const auto icon = reinterpret_cast<HICON>(SendMessageA(hwndOf(window_), WM_GETICON, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObject(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(size == ICON_BIG ? SM_CXICON : SM_CXSMICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

TEST_F(BackendTest, ShortOneLineEditBoxGrowsToItsFontsHeight) {
  backend_.load(window_, {}, Mode::Ordinary);
  HFONT font =
      CreateFontA(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  const e2e::Box box = e2e::controlBox(controlOf(window_, "编辑框2"));
  EXPECT_EQ(box.top, 40);
  EXPECT_EQ(box.height, metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE));
  EXPECT_EQ(e2e::controlBox(controlOf(window_, "编辑框1")).height, 24);
}

TEST_F(BackendTest, OperationsOnWhatIsNotThereDoNothing) {
  backend_.load(window_, {}, Mode::Ordinary);
  backend_.destroy(window_);
  // The window is gone, and other_ was never loaded; neither call may crash.
  for (const WindowDesign* design : {&window_, &other_}) {
    backend_.setTitle(*design, "无");
    backend_.setHeight(*design, 100);
    backend_.setWindowVisible(*design, true);
    backend_.setText(*design, "编辑框1", "无");
    backend_.setVisible(*design, "图片框1", false);
    backend_.setPicture(*design, "图片框1", demo::kMainWindow.icon.view());
    backend_.setTimerPeriod(*design, "时间", 10);
    backend_.navigate(*design, "超文本浏览框1", "zavodemo:none");
    EXPECT_EQ(backend_.chooseFile(*design, "通用对话框1", "*.*|*.*"), std::nullopt);
    EXPECT_EQ(backend_.text(*design, "编辑框1"), "");
    backend_.destroy(*design);
    EXPECT_FALSE(backend_.isLoaded(*design));
  }
  // A loaded window and names it lacks, or of the wrong kind.
  backend_.load(window_, {}, Mode::Ordinary);
  backend_.setText(window_, "没有这个", "无");
  backend_.setTimerPeriod(window_, "编辑框1", 10);
  backend_.setPicture(window_, "编辑框1", demo::kMainWindow.icon.view());
  EXPECT_EQ(backend_.chooseFile(window_, "按钮1", "*.*|*.*"), std::nullopt);
  EXPECT_EQ(backend_.text(window_, "没有这个"), "");
  EXPECT_EQ(backend_.text(window_, "编辑框1"), "初值");
}

TEST_F(BackendTest, LoadingALoadedDesignAgainDoesNothing) {
  int created = 0;
  backend_.load(window_, {{"", Event::Created, [&] { ++created; }}}, Mode::Ordinary);
  backend_.load(window_, {{"", Event::Created, [&] { ++created; }}}, Mode::Ordinary);
  EXPECT_EQ(created, 1);
}

}  // namespace
}  // namespace toolkit::win32
