// Starting a program, finding its top-level windows and dialogs, waiting for its end.
#include <cstdint>

#include "tests/e2e/driver/driver.h"

namespace e2e {

namespace {

constexpr DWORD kPollInterval = 20;

Text classOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool isDialog(HWND hwnd) {
  return classOf(hwnd) == "#32770";
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct Search {
  DWORD processId;
  const std::function<bool(HWND)>* wanted;
  HWND found = nullptr;
};

BOOL CALLBACK considerWindow(HWND hwnd, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search.processId || !IsWindowVisible(hwnd) || !(*search.wanted)(hwnd)) return TRUE;
  search.found = hwnd;
  return FALSE;
}

double milliseconds(const FILETIME& time) {
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return static_cast<double>(ticks) / 10000.0;  // 100 ns units
}

}  // namespace

std::string installCopy(const std::string& program, const std::string& folder) {
  const std::string copy = folder + "\\" + nameOf(program);
  return CopyFileA(program.c_str(), copy.c_str(), FALSE) ? copy : std::string();
}

bool waitUntil(const std::function<bool()>& condition, int timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(timeout)) return false;
    Sleep(kPollInterval);
  }
}

Program::Program(const std::string& path) {
  std::string commandLine = "\"" + path + "\"";
  const std::string folder = folderOf(path);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started))
    return;
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
}

Program::~Program() {
  if (!process_) return;
  if (running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kPatience);
  }
  CloseHandle(process_);
}

bool Program::running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND Program::findTopLevel(const std::function<bool(HWND)>& wanted, int timeout) const {
  if (!process_) return nullptr;
  Search search{processId_, &wanted};
  waitUntil(
      [&] {
        EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout);
  return search.found;
}

HWND Program::window(const Text& title, int timeout) const {
  return findTopLevel([&](HWND hwnd) { return text(hwnd) == title; }, timeout);
}

HWND Program::messageBox(int timeout) const {
  return findTopLevel(
      [](HWND hwnd) {
        return isDialog(hwnd) && GetDlgItem(hwnd, kMessageTextId) &&
               !GetDlgItem(hwnd, kFileNameBoxId);
      },
      timeout);
}

HWND Program::fileDialog(int timeout) const {
  return findTopLevel([](HWND hwnd) { return isDialog(hwnd) && GetDlgItem(hwnd, kFileNameBoxId); },
                      timeout);
}

bool Program::waitForExit(int timeout) const {
  return process_ && WaitForSingleObject(process_, static_cast<DWORD>(timeout)) == WAIT_OBJECT_0;
}

double Program::processorMilliseconds() const {
  FILETIME created, ended, kernel, user;
  if (!process_ || !GetProcessTimes(process_, &created, &ended, &kernel, &user)) return -1;
  return milliseconds(kernel) + milliseconds(user);
}

}  // namespace e2e
