// Reading the screen (GetDC(NULL)): single pixels, and areas saved as 24-bit BMP files.
#include <cstdio>

#include "tests/e2e/driver/driver.h"

namespace e2e {

COLORREF pixelAt(HWND window, int left, int top) {
  POINT point{left, top};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool screenshot(Box box, const std::string& path) {
  if (box.width <= 0 || box.height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = box.width;
  header.biHeight = box.height;  // positive: rows run bottom-up, as a BMP file stores them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &pixels, nullptr, 0);
  bool saved = false;
  if (bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, box.width, box.height, screen, box.left, box.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = ((box.width * 3 + 3) / 4) * 4;
    header.biSizeImage = rowBytes * box.height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
      saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&header, sizeof header, 1, out) == 1 &&
              std::fwrite(pixels, header.biSizeImage, 1, out) == 1;
      saved = std::fclose(out) == 0 && saved;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

}  // namespace e2e
