// SkinH_EL.dll's SkinH_AttachRes, looked up by name at the first call.
#include <windows.h>

#include <vector>

#include "calculator/win32/services_win32.h"

namespace calculator::win32 {

bool DllSkinLibrary::attachSkin(common::ByteView skin) {
  if (!attachRes_) {
    const HMODULE library = LoadLibraryA("SkinH_EL.dll");
    if (!library) return false;
    const FARPROC found = GetProcAddress(library, "SkinH_AttachRes");
    if (!found) return false;
    // Through the generic function type, which the compiler accepts for any signature.
    attachRes_ = reinterpret_cast<AttachRes>(reinterpret_cast<void (*)()>(found));
  }
  // The engine gets a copy for the call only: it must not keep the pointer.
  std::vector<unsigned char> copy(skin.begin(), skin.end());
  attachRes_(copy.empty() ? nullptr : copy.data(), static_cast<unsigned int>(copy.size()), "", 0, 0,
             0);
  return true;
}

}  // namespace calculator::win32
