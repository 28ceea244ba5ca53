// Finding one image in an icon file (.ico): the directory at its start lists each image's
// size, colour depth and place in the file.
#pragma once

#include "common/text.h"

namespace toolkit::win32 {

// The bytes of the image whose width is nearest to `size` (ties: more bits per pixel),
// or an empty view when the file is no icon file or its directory points outside it.
common::ByteView iconImageNearest(common::ByteView file, int size);

}  // namespace toolkit::win32
