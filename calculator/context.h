// What every handler of the calculator reaches: the toolkit, the services, the bytes it
// deploys and the folder it runs from. Built once by the program's entry and by tests.
#pragma once

#include "calculator/services.h"
#include "common/clock.h"
#include "common/text.h"
#include "toolkit/toolkit.h"

namespace calculator {

struct Context {
  toolkit::Toolkit& toolkit;
  SkinLibrary& skinLibrary;
  const common::Clock& clock;
  ProgramEnd& programEnd;
  common::ByteView skinLibraryFile;  // written out as SkinH_EL.dll when it is missing
  common::Text runDirectory;         // no trailing separator
};

}  // namespace calculator
