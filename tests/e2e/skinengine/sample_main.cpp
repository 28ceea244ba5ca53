// skin_sample N: shows the sample window at (20, 20) in skin N (0 or none: the native look)
// and keeps it open until it is closed, for the skins' contact sheet.
#include <windows.h>

#include <cstdlib>

#include "sample_window.h"
#include "skinengine/skin_blocks.h"

using AttachSkin = int(__stdcall*)(const unsigned char*, unsigned int, const char*, int, int, int);

int main(int argc, char** argv) {
  const int number = argc > 1 ? std::atoi(argv[1]) : 0;
  const HMODULE library = LoadLibraryA("SkinH_EL.dll");
  const auto attach = library ? reinterpret_cast<AttachSkin>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "SkinH_AttachRes")))
                              : nullptr;
  if (!attach) return 2;
  // Applied before the window exists, as the calculator does, so the creation hook does the work.
  const auto block = skinengine::skinBlock(number);
  attach(block.empty() ? nullptr : block.data(), static_cast<unsigned int>(block.size()), "", 0, 0,
         0);
  skin_sample::createSampleWindow(20, 20);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
