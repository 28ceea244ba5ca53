// The skin library under Wine, as the calculator uses it: loaded by name, handed skins and
// the empty block, and checked on the screen: the window's face takes each skin's face
// colour and returns to the native one, explicit text colours stay (kept legible), windows
// made later (a message box) are skinned too, and switching skins leaks no GDI object.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "sample_window.h"
#include "skinengine/colour.h"
#include "skinengine/skin_blocks.h"
#include "skinengine/skin_reader.h"

namespace {

using AttachSkin = int(__stdcall*)(const unsigned char*, unsigned int, const char*, int, int, int);
using skinengine::Rgb;

Rgb rgbOf(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A copy of part of the screen, read through the screen's DC as a user would see it.
class ScreenGrab {
 public:
  ScreenGrab(HWND window, RECT client)
      : width_(client.right - client.left), height_(client.bottom - client.top) {
    POINT origin{client.left, client.top};
    ClientToScreen(window, &origin);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels, pixels + width_ * height_);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  Rgb at(int x, int y) const {
    const std::uint32_t p = pixels_[y * width_ + x];
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p)};
  }
  int count(Rgb colour) const {
    int found = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) found += at(x, y) == colour;
    return found;
  }

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
};

Rgb pixelAt(HWND window, POINT point) {
  return ScreenGrab(window, {point.x, point.y, point.x + 1, point.y + 1}).at(0, 0);
}

class SkinLibrary : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = LoadLibraryA("SkinH_EL.dll");
    ASSERT_NE(library_, nullptr) << "error " << GetLastError();
    attach_ = reinterpret_cast<AttachSkin>(
        reinterpret_cast<void*>(GetProcAddress(library_, "SkinH_AttachRes")));
    ASSERT_NE(attach_, nullptr);
  }
  void SetUp() override {
    ASSERT_NE(attach_, nullptr);
    window_ = skin_sample::createSampleWindow(40, 40);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    apply(nullptr, 0);
    DestroyWindow(window_);
    skin_sample::settle();
  }

  int apply(const unsigned char* block, unsigned int length) {
    const int result = attach_(block, length, "", 0, 0, 0);
    skin_sample::settle();
    return result;
  }
  int applySkin(int number) {
    const auto block = skinengine::skinBlock(number);
    return apply(block.data(), static_cast<unsigned int>(block.size()));
  }
  static skinengine::Skin skin(int number) {
    skinengine::Skin read;
    EXPECT_TRUE(skinengine::readSkin(skinengine::skinBlock(number), read));
    return read;
  }
  Rgb face() const { return pixelAt(window_, skin_sample::kEmptySpot); }

  static inline HMODULE library_ = nullptr;
  static inline AttachSkin attach_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(SkinLibrary, FaceFollowsEachSkinAndReturnsToTheNativeLook) {
  const Rgb native = rgbOf(GetSysColor(COLOR_BTNFACE));
  ASSERT_EQ(face(), native);
  for (const int number : {1, 4, 33}) {
    const Rgb expected = skin(number).colour(skinengine::Role::Face);
    ASSERT_NE(expected, native) << "skin " << number << " must differ from the native face";
    EXPECT_EQ(applySkin(number), 1);
    EXPECT_EQ(face(), expected) << "skin " << number;
    // The score group's caption stands on the face too.
    EXPECT_EQ(pixelAt(window_, {skin_sample::kScoreGroup.right - 4, 20}), expected)
        << "skin " << number;
  }
  EXPECT_EQ(apply(nullptr, 0), 0);
  EXPECT_EQ(face(), native);
}

TEST_F(SkinLibrary, UnreadableBlocksBringBackTheNativeLook) {
  const Rgb native = rgbOf(GetSysColor(COLOR_BTNFACE));
  const auto good = skinengine::skinBlock(4);
  std::vector<unsigned char> damaged(good.begin(), good.end());
  damaged[0] = 'X';
  struct Case {
    const char* what;
    const unsigned char* block;
    unsigned int length;
  };
  const Case cases[] = {
      {"null block", nullptr, 0},
      {"zero length", good.data(), 0},
      {"wrong magic", damaged.data(), static_cast<unsigned int>(damaged.size())},
      {"truncated", good.data(), static_cast<unsigned int>(good.size() - 1)},
      {"null with a length", nullptr, 100},
  };
  for (const Case& test : cases) {
    ASSERT_EQ(applySkin(4), 1);
    ASSERT_NE(face(), native);
    EXPECT_EQ(apply(test.block, test.length), 0) << test.what;
    EXPECT_EQ(face(), native) << test.what;
  }
}

TEST_F(SkinLibrary, KeepsExplicitTextColoursLegible) {
  struct Explicit {
    const char* what;
    RECT where;
    COLORREF colour;
    skinengine::Role background;
  };
  // clang-format off
  const Explicit texts[] = {
    {"red score",      skin_sample::kScoreBox,    skin_sample::kScoreRed,       skinengine::Role::Face},
    {"violet caption", skin_sample::kScoreGroup,  skin_sample::kCaptionViolet,  skinengine::Role::Face},
    {"red members",    skin_sample::kMemberBox,   skin_sample::kScoreRed,       skinengine::Role::Field},
    {"magenta amount", skin_sample::kAmountBox,   skin_sample::kAmountMagenta,  skinengine::Role::Field},
    {"red label",      skin_sample::kPrefixLabel, skin_sample::kScoreRed,       skinengine::Role::Face},
  };
  // clang-format on
  for (const int number : {1, 4, 10, 33}) {
    ASSERT_EQ(applySkin(number), 1);
    const skinengine::Skin applied = skin(number);
    for (const Explicit& text : texts) {
      const Rgb shown = skinengine::legibleOn(rgbOf(text.colour), applied.colour(text.background));
      EXPECT_GT(ScreenGrab(window_, text.where).count(shown), 5)
          << "skin " << number << ": " << text.what;
    }
  }
  apply(nullptr, 0);
  EXPECT_GT(ScreenGrab(window_, skin_sample::kScoreBox).count({255, 0, 0}), 5);
}

// Whether every channel of `pixel` lies between those of the two ends of a blended fill.
bool withinFill(Rgb pixel, Rgb top, Rgb bottom) {
  const auto between = [](int value, int a, int b) {
    return value >= (a < b ? a : b) && value <= (a < b ? b : a);
  };
  return between(pixel.red, top.red, bottom.red) && between(pixel.green, top.green, bottom.green) &&
         between(pixel.blue, top.blue, bottom.blue);
}

TEST_F(SkinLibrary, DrawsButtonsAndEditBordersInTheSkinsColours) {
  using skinengine::Role;
  ASSERT_EQ(applySkin(33), 1);
  const skinengine::Skin applied = skin(33);
  const RECT where = skin_sample::kRestartButton;
  const HWND button = ChildWindowFromPoint(window_, {where.left + 4, where.top + 4});
  ASSERT_NE(button, window_);
  const int middle = (where.bottom - where.top) / 2;
  auto body = [&] { return ScreenGrab(window_, where).at(4, middle); };

  const ScreenGrab normal(window_, where);
  EXPECT_EQ(normal.at(0, middle), applied.colour(Role::ButtonBorder));
  EXPECT_TRUE(
      withinFill(body(), applied.colour(Role::ButtonTop), applied.colour(Role::ButtonBottom)));

  POINT centre{(where.left + where.right) / 2, (where.top + where.bottom) / 2};
  ClientToScreen(window_, &centre);
  SetCursorPos(centre.x, centre.y);
  skin_sample::settle();
  EXPECT_TRUE(withinFill(body(), applied.colour(Role::HotTop), applied.colour(Role::HotBottom)));

  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  skin_sample::settle();
  EXPECT_TRUE(
      withinFill(body(), applied.colour(Role::PressedTop), applied.colour(Role::PressedBottom)));
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  SetCursorPos(0, 0);

  SetFocus(button);
  skin_sample::settle();
  EXPECT_EQ(ScreenGrab(window_, where).at(0, middle), applied.colour(Role::Focus));

  const ScreenGrab edit(window_, skin_sample::kAmountBox);
  EXPECT_EQ(edit.at(0, 8), applied.colour(Role::Border));
  EXPECT_EQ(edit.at(2, 8), applied.colour(Role::Field));
}

// The message box is made inside MessageBoxA; a timer reads it off the screen and closes it.
Rgb messageBoxFace;
void CALLBACK readMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = FindWindowA("#32770", "皮肤测试");
  if (!box || !IsWindowVisible(box)) return;
  KillTimer(nullptr, timer);
  RECT client;
  GetClientRect(box, &client);
  messageBoxFace = pixelAt(box, {2, client.bottom - 3});
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(SkinLibrary, SkinsWindowsMadeAfterTheCall) {
  ASSERT_EQ(applySkin(15), 1);
  SetTimer(nullptr, 0, 200, readMessageBox);
  MessageBoxA(nullptr, "一个后来的窗口", "皮肤测试", MB_OK);
  EXPECT_EQ(messageBoxFace, skin(15).colour(skinengine::Role::Face));
}

// The brush the engine answers a colour request with: its face brush while a skin is on.
HBRUSH answeredBrush(HWND window) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
  DeleteDC(dc);
  return brush;
}

TEST_F(SkinLibrary, ThousandSwitchesLeakNoGdiObject) {
  applySkin(1);
  apply(nullptr, 0);
  // Wine answers GetGuiResources with 0, so the brushes each skin made are also checked one
  // by one: every one of them must be gone once its skin has been replaced.
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  std::vector<HBRUSH> brushes;
  for (int call = 0; call < 1000; ++call) {
    const int number = call % (skinengine::kSkinCount + 1);  // 0 is the empty block
    const auto block = skinengine::skinBlock(number);
    attach_(block.empty() ? nullptr : block.data(), static_cast<unsigned int>(block.size()), "", 0,
            0, 0);
    if (number != 0) brushes.push_back(answeredBrush(window_));
    if (call % 50 == 0) skin_sample::settle();
  }
  apply(nullptr, 0);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
  ASSERT_FALSE(brushes.empty());
  int alive = 0;
  for (const HBRUSH brush : brushes) alive += GetObjectType(brush) != 0;
  EXPECT_EQ(alive, 0) << "of " << brushes.size() << " face brushes";
}

}  // namespace
