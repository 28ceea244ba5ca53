// POSIX implementation of common/files.h for the host build. Paths written with "\" by
// the programs are turned into "/" here, at the edge. Attributes are kept in the same
// extended attribute Wine uses, so a test can read them back the same way.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <new>

#include "common/files.h"

namespace common {
namespace {

std::string nativePath(const Text& path) {
  std::string native = path;
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

bool writeAll(int fd, ByteView bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

Text runDirectory() {
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return ".";
  std::string path(buffer, static_cast<std::size_t>(n));
  const auto slash = path.rfind('/');
  return slash == 0 ? std::string() : path.substr(0, slash);
}

bool enterDirectory(const Text& directory) {
  return ::chdir(directory.empty() ? "/" : nativePath(directory).c_str()) == 0;
}

bool fileExists(const Text& path) {
  struct stat info;
  return !path.empty() && ::stat(nativePath(path).c_str(), &info) == 0;
}

ByteBlock readFile(const Text& path) {
  if (path.empty()) return {};
  const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  ByteBlock bytes;
  struct stat info;
  bool whole = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  try {
    if (whole) bytes.resize(static_cast<std::size_t>(info.st_size));
  } catch (const std::bad_alloc&) {
    whole = false;
  }
  std::size_t done = 0;
  while (whole && done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) whole = false;
    else done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (!whole) return {};
  return bytes;
}

bool writeFile(const Text& path, ByteView bytes) {
  const std::string target = nativePath(path);
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::chmod(temporary.c_str(), 0644) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

bool setFileAttributes(const Text& path, std::uint32_t attributes) {
  char value[16];
  const int length = std::snprintf(value, sizeof value, "0x%x", attributes);
  return ::setxattr(nativePath(path).c_str(), "user.DOSATTRIB", value,
                    static_cast<std::size_t>(length), 0) == 0;
}

}  // namespace common
