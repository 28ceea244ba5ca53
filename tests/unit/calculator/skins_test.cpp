// Skins: which block the library receives for a typed number, the library's deployment
// beside the program, and the fatal end when the library cannot be reached.
#include "calculator/skins.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/xattr.h>
#endif

#include "calculator/skins.h"
#include "calculator_fixture.h"
#include "skinengine/skin_blocks.h"

namespace calculator::testing {
namespace {

constexpr const char* kSkinSave = "按钮28";
constexpr const char* kSkinBox = "编辑框13";
constexpr const char* kLibraryFile = "SkinH_EL.dll";

// Whether the file carries the hidden attribute and no other: on Linux, the extended
// attribute common's POSIX implementation writes where Wine keeps it; on Windows the
// attributes themselves (Wine reports the archive bit for every regular file).
bool hiddenOnly(const testing_support::TempFolder& folder, const char* name) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(folder.file(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & ~DWORD{FILE_ATTRIBUTE_ARCHIVE}) == FILE_ATTRIBUTE_HIDDEN;
#else
  char value[32] = {};
  const ssize_t length =
      ::getxattr((folder.path() / name).c_str(), "user.DOSATTRIB", value, sizeof value);
  return length > 0 && std::string(value, static_cast<std::size_t>(length)) == "0x2";
#endif
}

struct SkinNumberCase {
  const char* text;
  int block;  // the skin block the library receives; 0 for the empty block
};

// clang-format off
const SkinNumberCase kSkinNumberCases[] = {
  {"13",          13},
  {"1",           1},
  {"33",          33},
  {"34",          0},
  {"0",           0},
  {"",            0},
  {"-1",          0},
  {"abc",         0},
  {"99999999999", 0},   // wraps to 1215752191
  {"4294967309",  13},  // wraps to 13
  {"-4294967295", 1},   // wraps to 1
  {"１３",        13},  // full-width digits
  {"7号",         7},
};
// clang-format on

using Skins = CalculatorTest;

TEST_F(Skins, SaveHandsTheLibraryTheBlockOfTheTypedNumber) {
  startWithConfiguration();
  for (const SkinNumberCase& c : kSkinNumberCases) {
    SCOPED_TRACE(c.text);
    put(kSkinBox, c.text);
    skinLibrary.received.clear();
    click(kSkinSave);
    ASSERT_EQ(skinLibrary.received.size(), 1u);
    if (c.block == 0) {
      EXPECT_TRUE(skinLibrary.received[0].empty());
    } else {
      EXPECT_EQ(skinLibrary.received[0], bytesOf(skinengine::skinBlock(c.block)));
      EXPECT_FALSE(skinLibrary.received[0].empty());
    }
  }
}

TEST_F(Skins, TheDesignNumberIs13ButTheStartSkinIs4) {
  startWithConfiguration();
  click(kSkinSave);
  click(kSkinSave);
  ASSERT_EQ(skinLibrary.received.size(), 3u) << "each save calls the library again";
  EXPECT_EQ(skinLibrary.received[0], bytesOf(skinengine::skinBlock(4)));
  EXPECT_EQ(skinLibrary.received[1], bytesOf(skinengine::skinBlock(13)));
  EXPECT_EQ(skinLibrary.received[2], bytesOf(skinengine::skinBlock(13)));
  EXPECT_NE(skinLibrary.received[0], skinLibrary.received[1]);
}

TEST_F(Skins, TheSkinNumberBoxTakesOnlyDigitsAndMinusFromTheKeyboard) {
  startWithConfiguration();
  type(kSkinBox, "\b\b2x.5");
  EXPECT_EQ(text(kSkinBox), "25");
}

TEST_F(Skins, TheLibraryIsDeployedHiddenBeforeItIsFirstCalled) {
  writeConfiguration();
  bool presentAtFirstCall = false;
  skinLibrary.onAttach = [&] {
    if (skinLibrary.received.empty()) presentAtFirstCall = folder.exists(kLibraryFile);
  };
  start();
  EXPECT_TRUE(presentAtFirstCall);
  EXPECT_EQ(folder.read(kLibraryFile), "MZ the skin library");
  EXPECT_TRUE(hiddenOnly(folder, kLibraryFile));
}

TEST_F(Skins, AnExistingLibraryFileIsLeftUntouched) {
  writeConfiguration();
  start();
  ASSERT_EQ(folder.read(kLibraryFile), "MZ the skin library");

  // A later start, and a later save, with other library bytes: the file stays.
  const common::ByteBlock otherImage = bytesOf("MZ another build");
  toolkit::model::Model laterModel;
  Context later{laterModel, skinLibrary, clock, programEnd, otherImage, folder.text()};
  startCalculator(later);
  laterModel.click(kMainWindow, kSkinSave);
  EXPECT_EQ(folder.read(kLibraryFile), "MZ the skin library");

  testing_support::TempFolder foreignFolder;
  foreignFolder.write(kLibraryFile, "not a library at all");
  Context foreign{laterModel, skinLibrary, clock, programEnd, otherImage, foreignFolder.text()};
  deploySkinLibrary(foreign);
  EXPECT_EQ(foreignFolder.read(kLibraryFile), "not a library at all");
  EXPECT_FALSE(hiddenOnly(foreignFolder, kLibraryFile)) << "its attributes neither";
}

TEST_F(Skins, ALibraryThatCannotBeWrittenIsStillCalled) {
  writeConfiguration();
  std::filesystem::create_directory(folder.path() / "missing-folder");
  Context unwritable{toolkit,    skinLibrary,  clock,
                     programEnd, libraryImage, folder.file("missing-folder/no/such")};
  applySkin(unwritable, 5);
  ASSERT_EQ(skinLibrary.received.size(), 1u);
  EXPECT_EQ(skinLibrary.received[0], bytesOf(skinengine::skinBlock(5)));
  EXPECT_TRUE(model.messages().empty());
}

TEST_F(Skins, AnUnreachableLibraryEndsTheProgramBeforeTheFilesAreRead) {
  writeConfiguration();
  skinLibrary.available = false;
  int endsWhileOpen = -1;
  model.onMessageBox([&](const toolkit::model::Message&) { endsWhileOpen = programEnd.ends; });
  start();
  ASSERT_EQ(model.messages().size(), 1u);
  const toolkit::model::Message& fatal = model.messages()[0];
  EXPECT_NE(fatal.text.find("SkinH_EL.dll"), common::Text::npos);
  EXPECT_NE(fatal.text.find("SkinH_AttachRes"), common::Text::npos);
  EXPECT_EQ(endsWhileOpen, 0) << "the process ends when the message is closed";
  EXPECT_EQ(programEnd.ends, 1);
  EXPECT_EQ(model.title(kMainWindow), "ZavoYelvi计算器专属版") << "no file was read";
  EXPECT_EQ(model.timerPeriod(kMainWindow, kClockTimer), 0);
}

TEST_F(Skins, ALibraryLostLaterEndsTheProgramFromSaveToo) {
  startWithConfiguration();
  skinLibrary.available = false;
  click(kSkinSave);
  ASSERT_EQ(model.messages().size(), 1u);
  EXPECT_NE(model.messages()[0].text.find("SkinH_AttachRes"), common::Text::npos);
  EXPECT_EQ(programEnd.ends, 1);
}

}  // namespace
}  // namespace calculator::testing
