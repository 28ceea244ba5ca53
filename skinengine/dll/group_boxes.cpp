// Group boxes drawn by the engine: the skin's frame (a line, an etched pair of lines or a
// rounded line) and the caption in the colour and font the program gave it.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

void drawFrame(HDC dc, RECT frame) {
  const Skin& skin = engine().skin;
  switch (skin.frameStyle) {
    case FrameStyle::Etched: {
      RECT light{frame.left + 1, frame.top + 1, frame.right, frame.bottom};
      outline(dc, light, skin.colour(Role::FrameHighlight), 0);
      RECT dark{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
      outline(dc, dark, skin.colour(Role::Frame), 0);
      break;
    }
    case FrameStyle::Rounded:
      outline(dc, frame, skin.colour(Role::Frame), skin.frameRadius);
      break;
    default:
      outline(dc, frame, skin.colour(Role::Frame), 0);
      break;
  }
}

}  // namespace

void paintGroupBox(HWND groupBox, HDC dc) {
  const int saved = SaveDC(dc);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(groupBox, WM_GETFONT, 0, 0));
  if (font) SelectObject(dc, font);
  // The parent's colour answer gives the caption colour (kept legible by the engine).
  const HWND parent = GetParent(groupBox) ? GetParent(groupBox) : groupBox;
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
      parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(groupBox)));

  char caption[256] = {};
  const int length = GetWindowTextA(groupBox, caption, sizeof caption);
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  SIZE extent{0, 0};
  if (length > 0) GetTextExtentPoint32A(dc, caption, length, &extent);

  RECT client;
  GetClientRect(groupBox, &client);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  RECT label{client.left + kCaptionIndent, client.top,
             client.left + kCaptionIndent + extent.cx + 2 * kCaptionPadding,
             client.top + metrics.tmHeight};
  if (label.right > client.right - 1) label.right = client.right - 1;

  if (length > 0) ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
  drawFrame(dc, frame);
  SelectClipRgn(dc, nullptr);
  if (length > 0) {
    if (brush) FillRect(dc, &label, brush);
    SetBkMode(dc, TRANSPARENT);
    RECT text = label;
    InflateRect(&text, -kCaptionPadding, 0);
    DrawTextA(dc, caption, length, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
  RestoreDC(dc, saved);
}

}  // namespace skinengine
