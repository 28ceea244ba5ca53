// The calculator's platform services on Windows: the skin library reached by name in
// SkinH_EL.dll, and the end of the process.
#pragma once

#include "calculator/services.h"

namespace calculator::win32 {

// Loads SkinH_EL.dll at the first call (from the program's folder, where the calculator
// deploys it) and never unloads it: the engine keeps skinning the windows until the end.
class DllSkinLibrary final : public SkinLibrary {
 public:
  bool attachSkin(common::ByteView skin) override;

 private:
  using AttachRes = int(__stdcall*)(const unsigned char* skin, unsigned int length,
                                    const char* password, int, int, int);
  AttachRes attachRes_ = nullptr;
};

class ExitProcessEnd final : public ProgramEnd {
 public:
  void endProcess() override;
};

}  // namespace calculator::win32
