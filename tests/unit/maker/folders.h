// Files and folders of a run folder addressed as the maker addresses them: GBK names through
// the same file operations, so a name such as "Zavo计算器.exe" means the same file to the
// test and to the maker on every platform (std::filesystem takes narrow names as UTF-8 on
// Windows).
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <string>

#include "common/files.h"

namespace maker::testing {

inline std::string readWhole(const common::Text& path) {
  const common::ByteBlock bytes = common::readFile(path);
  return {bytes.begin(), bytes.end()};
}

inline void writeWhole(const common::Text& path, const std::string& bytes) {
  ASSERT_TRUE(common::writeFile(path, common::asBytes(bytes)));
}

inline void makeFolder(const common::Text& path) {
#ifdef _WIN32
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
#else
  ASSERT_EQ(::mkdir(common::Text(path).replace(path.rfind('\\'), 1, "/").c_str(), 0755), 0);
#endif
}

inline void removeFolder(const common::Text& path) {
#ifdef _WIN32
  ASSERT_TRUE(RemoveDirectoryA(path.c_str()));
#else
  ASSERT_EQ(::rmdir(common::Text(path).replace(path.rfind('\\'), 1, "/").c_str()), 0);
#endif
}

}  // namespace maker::testing
