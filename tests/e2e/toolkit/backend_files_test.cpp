// The backend's readers of bytes and paths: icon file directories, picture decoding, and
// the text a chosen path becomes in code page 936.
#include <cstdint>
#include <vector>

#include "tests/e2e/toolkit/backend_fixture.h"
#include "toolkit/win32/icon_file.h"
#include "toolkit/win32/path_text.h"
#include "toolkit/win32/pictures.h"

COMMON_DECLARE_EMBEDDED(demo_landscape);
COMMON_DECLARE_EMBEDDED(demo_star);

namespace toolkit::win32 {
namespace {

struct IconEntry {
  int width;  // 256 is written as 0
  int bits;
  std::uint32_t bytes, offset;
};

void put(common::ByteBlock& file, std::uint32_t value, int size) {
  for (int byte = 0; byte < size; ++byte)
    file.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
}

// An icon file whose images are runs of one marker byte each, 0x10 for the first.
common::ByteBlock iconFile(std::vector<IconEntry> entries, int type = 1,
                           std::size_t payload = 256) {
  common::ByteBlock file;
  put(file, 0, 2);
  put(file, static_cast<std::uint32_t>(type), 2);
  put(file, static_cast<std::uint32_t>(entries.size()), 2);
  for (const IconEntry& entry : entries) {
    file.push_back(static_cast<std::uint8_t>(entry.width == 256 ? 0 : entry.width));
    file.push_back(static_cast<std::uint8_t>(entry.width == 256 ? 0 : entry.width));
    put(file, 0, 2);  // colour count, reserved
    put(file, 1, 2);  // planes
    put(file, static_cast<std::uint32_t>(entry.bits), 2);
    put(file, entry.bytes, 4);
    put(file, entry.offset, 4);
  }
  file.resize(file.size() + payload, 0);
  for (std::size_t i = 0; i < entries.size(); ++i)
    for (std::uint32_t at = entries[i].offset;
         at < entries[i].offset + entries[i].bytes && at < file.size(); ++at)
      file[at] = static_cast<std::uint8_t>(0x10 + i);
  return file;
}

struct IconCase {
  const char* what;
  common::ByteBlock file;
  int size;
  int expectedMarker;  // 0: nothing found
};

TEST(IconFile, PicksTheImageNearestInSizeAndRejectsBrokenDirectories) {
  const std::uint32_t first = 6 + 16 * 2;
  // clang-format off
  const IconCase cases[] = {
    {"empty file",              {},                                                   32, 0},
    {"shorter than its header", {0, 0, 1},                                            32, 0},
    {"a cursor file",           iconFile({{32, 32, 40, 22}}, 2),                      32, 0},
    {"no images",               iconFile({}),                                         32, 0},
    {"directory past the end",  [] { auto f = iconFile({{32, 32, 4, 22}}, 1, 0); f[4] = 9; return f; }(), 32, 0},
    {"image past the end",      iconFile({{32, 32, 400, 22}}, 1, 40),                 32, 0},
    {"offset past the end",     iconFile({{32, 32, 4, 5000}}),                        32, 0},
    {"exact size, large",       iconFile({{16, 32, 40, first}, {48, 32, 40, first + 40}}), 48, 0x11},
    {"exact size, small",       iconFile({{16, 32, 40, first}, {48, 32, 40, first + 40}}), 16, 0x10},
    {"tie: more bits wins",     iconFile({{16, 8, 40, first}, {48, 32, 40, first + 40}}),  32, 0x11},
    {"a broken entry is skipped", iconFile({{48, 32, 4000, first}, {16, 32, 40, first + 40}}), 48, 0x11},
    {"width 0 means 256",       iconFile({{256, 32, 40, first}, {16, 32, 40, first + 40}}), 200, 0x10},
  };
  // clang-format on
  for (const IconCase& icon : cases) {
    SCOPED_TRACE(icon.what);
    const common::ByteView image = iconImageNearest(icon.file, icon.size);
    if (icon.expectedMarker == 0) {
      EXPECT_TRUE(image.empty());
      continue;
    }
    ASSERT_EQ(image.size(), 40u);
    EXPECT_EQ(image.front(), icon.expectedMarker);
    EXPECT_EQ(image.back(), icon.expectedMarker);
  }
}

struct PictureCase {
  const char* what;
  common::ByteBlock file;
  bool decodes;
};

common::ByteBlock bytesOf(common::EmbeddedBytes bytes) {
  return {bytes.begin, bytes.end};
}

TEST(Pictures, DecodeWholeImageFilesStretchedAndRefuseTheRest) {
  const common::ByteBlock jpeg = bytesOf(COMMON_EMBEDDED(demo_landscape));
  // clang-format off
  const PictureCase cases[] = {
    {"JPEG",           jpeg,                                          true},
    {"GIF",            bytesOf(COMMON_EMBEDDED(demo_star)),           true},
    {"ICO",            bytesOf(demo::kMainWindow.icon),               true},
    {"empty",          {},                                            false},
    {"not a picture",  {'h', 'e', 'l', 'l', 'o', 0, 1, 2, 3},         false},
    {"JPEG header only", common::ByteBlock(jpeg.begin(), jpeg.begin() + 20), false},
  };
  // clang-format on
  for (const PictureCase& picture : cases) {
    SCOPED_TRACE(picture.what);
    HBITMAP bitmap = stretchedPicture(picture.file, 48, 30, RGB(1, 2, 3));
    EXPECT_EQ(bitmap != nullptr, picture.decodes);
    if (!bitmap) continue;
    BITMAP size{};
    GetObject(bitmap, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 48);
    EXPECT_EQ(size.bmHeight, 30);
    DeleteObject(bitmap);
  }
}

struct PathCase {
  const char* what;
  const wchar_t* path;
  const wchar_t* shortPath;
  const char* expected;
};

TEST(PathText, KeepsWhatCodePage936CanWriteElseTheShortPath) {
  // clang-format off
  const PathCase cases[] = {
    {"Chinese path",                  L"C:\\照片\\小黄鸭.jpg", L"C:\\ZP~1\\XHY~1.JPG", "C:\\照片\\小黄鸭.jpg"},
    {"empty",                         L"",                     L"",                    ""},
    {"Hangul: the short path",        L"C:\\사진\\a.jpg",      L"C:\\AB12~1\\A.JPG",   "C:\\AB12~1\\A.JPG"},
    {"Hangul without a short path",   L"C:\\사진\\a.jpg",      L"",                    "C:\\??\\a.jpg"},
    {"short path no better",          L"C:\\사진\\a.jpg",      L"C:\\사~1\\A.JPG",     "C:\\??\\a.jpg"},
  };
  // clang-format on
  for (const PathCase& path : cases) {
    SCOPED_TRACE(path.what);
    EXPECT_EQ(pathAsText(path.path, path.shortPath), path.expected);
  }
}

TEST(PathText, ConversionsRoundTripAndReportLoss) {
  const common::Text chinese = "中文abc：";
  EXPECT_EQ(toCodePage936(fromCodePage936(chinese)).text, chinese);
  EXPECT_TRUE(toCodePage936(fromCodePage936(chinese)).exact);
  EXPECT_FALSE(toCodePage936(L"\xD55C").exact);
  // No best fit: a character without a form is not swapped for a look-alike.
  EXPECT_EQ(toCodePage936(L"\x0101\x0100").text, toCodePage936(L"\x0101").text + "?");
}

}  // namespace
}  // namespace toolkit::win32
