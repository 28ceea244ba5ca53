// Image files given as bytes, turned into what GDI draws: a picture stretched to a box,
// a window icon of one size.
#pragma once

#include <windows.h>

#include "common/text.h"

namespace toolkit::win32 {

// The JPEG, BMP, GIF or ICO file drawn stretched to width x height over `background`;
// nullptr for an empty or undecodable file.
HBITMAP stretchedPicture(common::ByteView file, int width, int height, COLORREF background);

// The icon file's image nearest to size x size pixels; nullptr when there is none.
HICON iconFromFile(common::ByteView file, int size);

}  // namespace toolkit::win32
