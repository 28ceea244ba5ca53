// The skin library SkinH_EL.dll as bytes, for the calculator to write out beside itself.
// Only in the Windows build, where the library is built.
#pragma once

#include "common/text.h"

namespace skinengine {

common::ByteView skinLibraryImage();

}  // namespace skinengine
