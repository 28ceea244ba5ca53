// Reads a shell link file back through the shell, for tests of the links the maker saves.
#pragma once

#include <objbase.h>
#include <shobjidl.h>
#include <windows.h>

#include "common/text.h"

namespace maker::testing {

// Where a shell link points, read back through the shell; empty when it cannot be read.
inline common::Text linkTarget(const common::Text& linkPath) {
  common::Text target;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    char path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
        target = path;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

}  // namespace maker::testing
