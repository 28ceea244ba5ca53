// The platform services the handlers reach besides the toolkit and the file operations:
// the skin library and the end of the process. Win32 implementations live in win32/;
// tests use fakes.
#pragma once

#include "common/text.h"

namespace calculator {

// SkinH_EL.dll, loaded at the first call from the program's folder.
class SkinLibrary {
 public:
  virtual ~SkinLibrary() = default;
  // Hands `skin` to SkinH_AttachRes (an empty block as a null pointer and length 0).
  // False when the library cannot be loaded or does not export SkinH_AttachRes.
  virtual bool attachSkin(common::ByteView skin) = 0;
};

class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  // Ends the process at once, windows and all; used after the fatal message.
  virtual void endProcess() = 0;
};

}  // namespace calculator
