// File operations on real files in a temporary folder.
#include "common/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/unit/support/temp_folder.h"

namespace common {
namespace {

using testing_support::TempFolder;

TEST(Files, WriteThenReadGivesTheSameBytes) {
  TempFolder folder;
  const Text path = pathIn(folder.text(), "1.txt");
  const std::string bytes("ab\0cd\r\n", 7);
  ASSERT_TRUE(writeFile(path, asBytes(bytes)));
  EXPECT_TRUE(fileExists(path));
  const ByteBlock read = readFile(path);
  EXPECT_EQ(std::string(read.begin(), read.end()), bytes);
}

TEST(Files, WriteReplacesALongerFileWhole) {
  TempFolder folder;
  folder.write("2.txt", "a much longer old answer");
  ASSERT_TRUE(writeFile(pathIn(folder.text(), "2.txt"), asBytes(std::string("new"))));
  EXPECT_EQ(folder.read("2.txt"), "new");
}

TEST(Files, EmptyWriteLeavesAnEmptyFile) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(pathIn(folder.text(), "3.txt"), {}));
  EXPECT_TRUE(folder.exists("3.txt"));
  EXPECT_TRUE(readFile(pathIn(folder.text(), "3.txt")).empty());
}

TEST(Files, FailedWriteKeepsTheOldTargetAndLeavesNoTemporaryFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "1.txt");  // a folder where the file should go
  EXPECT_FALSE(writeFile(pathIn(folder.text(), "1.txt"), asBytes(std::string("title"))));
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "1.txt"));
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(Files, WriteIntoAMissingFolderFails) {
  TempFolder folder;
  EXPECT_FALSE(writeFile(pathIn(pathIn(folder.text(), "missing"), "1.txt"), asBytes(std::string("x"))));
}

TEST(Files, UnreadablePathsGiveAnEmptyBlock) {
  TempFolder folder;
  EXPECT_TRUE(readFile("").empty());
  EXPECT_TRUE(readFile(pathIn(folder.text(), "none.jpg")).empty());
  EXPECT_TRUE(readFile(folder.text()).empty());  // a folder is not a file to read
}

TEST(Files, ExistenceCoversFilesAndFolders) {
  TempFolder folder;
  EXPECT_TRUE(fileExists(folder.text()));
  EXPECT_FALSE(fileExists(pathIn(folder.text(), "1.txt")));
  EXPECT_FALSE(fileExists(""));
  folder.write("1.txt", "");
  EXPECT_TRUE(fileExists(pathIn(folder.text(), "1.txt")));
}

TEST(Files, GbkNamesRoundTrip) {
  TempFolder folder;
  const Text path = pathIn(folder.text(), "Zavo计算器.exe");
  ASSERT_TRUE(writeFile(path, asBytes(std::string("MZ"))));
  EXPECT_TRUE(fileExists(path));
  EXPECT_EQ(readFile(path).size(), 2u);
}

TEST(RunDirectory, IsTheFolderOfThisProgramWithoutTrailingSeparator) {
  const Text directory = runDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '\\');
  EXPECT_NE(directory.back(), '/');
  EXPECT_TRUE(fileExists(directory));
  ASSERT_TRUE(enterDirectory(directory));
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), std::filesystem::path(directory)));
}

}  // namespace
}  // namespace common
