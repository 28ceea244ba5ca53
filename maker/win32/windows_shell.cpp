// Implements maker::win32::WindowsShell:
// - desktopFolder: SHGetFolderPathA(CSIDL_DESKTOPDIRECTORY), the file-system folder;
// - saveShortcut: an IShellLinkA with the target and show command 5, saved by IPersistFile.
#include "maker/win32/windows_shell.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <string>

namespace maker::win32 {
namespace {

constexpr int kShowInCurrentPlace = 5;  // SW_SHOW: the window's current size and position

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class Held {
 public:
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (pointer_) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// COM for this thread while the scope lasts, if this scope was the one to start it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  // Already started in another mode still lets this thread use COM.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

std::wstring wide(const common::Text& text) {
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(),
                      length);
  return converted;
}

}  // namespace

common::Text WindowsShell::desktopFolder() {
  char folder[MAX_PATH] = {};
  if (FAILED(
          SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return {};
  return folder;
}

bool WindowsShell::saveShortcut(const common::Text& linkPath, const common::Text& target) {
  const ComScope com;
  if (!com.usable()) return false;
  Held<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out())))
    return false;
  if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetShowCmd(kShowInCurrentPlace)))
    return false;
  Held<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) return false;
  return SUCCEEDED(file->Save(wide(linkPath).c_str(), TRUE));
}

}  // namespace maker::win32
