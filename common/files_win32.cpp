// Win32 implementation of common/files.h: ANSI API only, so paths stay GBK bytes.
#include <windows.h>

#include <new>

#include "common/files.h"

namespace common {
namespace {

// Removes the file when it goes out of scope unless released: no stray temporaries.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  const std::string& path() const { return path_; }
  void release() { path_.clear(); }

 private:
  std::string path_;
};

std::string folderOf(const Text& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

bool writeAll(HANDLE file, ByteView bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

Text runDirectory() {
  char buffer[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (n == 0 || n >= sizeof buffer) return ".";
  std::string path(buffer, n);
  const auto separator = path.find_last_of('\\');
  return separator == std::string::npos ? path : path.substr(0, separator);
}

bool enterDirectory(const Text& directory) {
  // "C:" alone would mean "the current folder of drive C", not its root.
  const std::string folder = (directory.size() == 2 && directory[1] == ':') ? directory + "\\" : directory;
  return SetCurrentDirectoryA(folder.c_str()) != 0;
}

bool fileExists(const Text& path) {
  return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ByteBlock readFile(const Text& path) {
  if (path.empty()) return {};
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  ByteBlock bytes;
  LARGE_INTEGER size;
  bool whole = GetFileSizeEx(file, &size) != 0 &&
               static_cast<unsigned long long>(size.QuadPart) <= bytes.max_size();
  try {
    if (whole) bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    whole = false;  // too large for this process: an empty block, as for any unreadable file
  }
  std::size_t done = 0;
  while (whole && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr) || read == 0) whole = false;
    done += read;
  }
  CloseHandle(file);
  if (!whole) return {};
  return bytes;
}

bool writeFile(const Text& path, ByteView bytes) {
  char name[MAX_PATH * 4];
  if (GetTempFileNameA(folderOf(path).c_str(), "zav", 0, name) == 0) return false;
  TemporaryFile temporary(name);
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = writeAll(file, bytes) && FlushFileBuffers(file) != 0;
  ok = CloseHandle(file) != 0 && ok;
  if (!ok) return false;
  if (!MoveFileExA(name, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
  temporary.release();
  return true;
}

bool setFileAttributes(const Text& path, std::uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) != 0;
}

}  // namespace common
