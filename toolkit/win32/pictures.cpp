// Decoding pictures with the system's OLE picture loader (OleLoadPicture reads JPEG, BMP,
// GIF and ICO from a stream) and icons with CreateIconFromResourceEx.
#include "toolkit/win32/pictures.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "toolkit/win32/icon_file.h"

namespace toolkit::win32 {

namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

// The stream takes ownership of the memory block and frees it with its last reference.
IStream* streamOver(common::ByteView file) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, file.size());
  if (!memory) return nullptr;
  if (void* bytes = GlobalLock(memory)) {
    std::memcpy(bytes, file.data(), file.size());
    GlobalUnlock(memory);
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

IPicture* decode(common::ByteView file) {
  IStream* stream = streamOver(file);
  if (!stream) return nullptr;
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, static_cast<LONG>(file.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture))))
    picture = nullptr;
  stream->Release();
  return picture;
}

}  // namespace

HBITMAP stretchedPicture(common::ByteView file, int width, int height, COLORREF background) {
  if (file.empty() || width <= 0 || height <= 0) return nullptr;
  IPicture* picture = decode(file);
  if (!picture) return nullptr;
  OLE_XSIZE_HIMETRIC pictureWidth = 0;
  OLE_YSIZE_HIMETRIC pictureHeight = 0;
  picture->get_Width(&pictureWidth);
  picture->get_Height(&pictureHeight);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const RECT box{0, 0, width, height};
  HBRUSH fill = CreateSolidBrush(background);
  FillRect(memory, &box, fill);
  DeleteObject(fill);
  // Picture coordinates run bottom-up in HIMETRIC, hence the negative height.
  const bool drawn = SUCCEEDED(picture->Render(memory, 0, 0, width, height, 0, pictureHeight,
                                               pictureWidth, -pictureHeight, nullptr));
  SelectObject(memory, previous);
  DeleteDC(memory);
  picture->Release();
  if (!drawn) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

HICON iconFromFile(common::ByteView file, int size) {
  const common::ByteView image = iconImageNearest(file, size);
  if (image.empty()) return nullptr;
  return CreateIconFromResourceEx(const_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()),
                                  TRUE, kIconFormatVersion, size, size, LR_DEFAULTCOLOR);
}

}  // namespace toolkit::win32
