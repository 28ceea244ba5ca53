// The skin library's file, linked in by embed_bytes (see CMakeLists.txt).
#include "skinengine/library_image.h"

#include <cstdint>

COMMON_DECLARE_EMBEDDED(skin_library_dll);

namespace skinengine {

common::ByteView skinLibraryImage() {
  return COMMON_EMBEDDED(skin_library_dll).view();
}

}  // namespace skinengine
