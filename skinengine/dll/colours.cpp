// The engine's answer to WM_CTLCOLOR*: the program answers first (its design colours), then
// the engine puts the skin's background in place of the program's and keeps the program's
// explicit text colour, made legible on that background; texts left at the default take the
// skin's own text colour.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

// Put into the DC before the program answers: if it is still there afterwards, the program
// did not choose a text colour.
constexpr COLORREF kUnchosenText = RGB(1, 2, 3);

enum class Surface { Face, Field, Button, Transparent };

bool isDefaultTextColour(COLORREF colour) {
  return colour == kUnchosenText || colour == GetSysColor(COLOR_WINDOWTEXT) ||
         colour == GetSysColor(COLOR_BTNTEXT);
}

bool brushColour(HBRUSH brush, COLORREF& colour, bool& hollow) {
  hollow = false;
  const auto value = reinterpret_cast<UINT_PTR>(brush);
  // A system colour index plus one is accepted wherever a brush is.
  if (value > 0 && value <= COLOR_MENUBAR + 1) {
    colour = GetSysColor(static_cast<int>(value - 1));
    return true;
  }
  LOGBRUSH description;
  if (GetObjectA(brush, sizeof description, &description) != sizeof description) return false;
  hollow = description.lbStyle == BS_HOLLOW;
  colour = description.lbColor;
  return true;
}

Surface surfaceFor(UINT message, HWND control, HBRUSH answered) {
  const Engine& state = engine();
  WindowState child;
  if (message == WM_CTLCOLORBTN && stateOf(control, child) && child.part == Part::PushButton)
    return Surface::Button;
  if (answered == state.faceBrush) return Surface::Face;
  if (answered == state.fieldBrush) return Surface::Field;
  COLORREF colour;
  bool hollow;
  if (!answered || !brushColour(answered, colour, hollow))
    return message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? Surface::Field
                                                                       : Surface::Face;
  if (hollow) return Surface::Transparent;
  // What the program paints white (the system's window colour) becomes the skin's field;
  // every other background becomes the skin's face.
  return colour == GetSysColor(COLOR_WINDOW) ? Surface::Field : Surface::Face;
}

}  // namespace

LRESULT answerControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Engine& state = engine();
  if (!state.active) return DefSubclassProc(window, message, wParam, lParam);
  const HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, kUnchosenText);
  const LRESULT answer = DefSubclassProc(window, message, wParam, lParam);

  const COLORREF chosen = GetTextColor(dc);
  const auto answered = reinterpret_cast<HBRUSH>(answer);
  const Surface surface = surfaceFor(message, reinterpret_cast<HWND>(lParam), answered);

  Role background = Role::Face, defaultText = Role::Text;
  if (surface == Surface::Field) background = Role::Field, defaultText = Role::FieldText;
  if (surface == Surface::Button) background = Role::ButtonBottom, defaultText = Role::ButtonText;
  if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORMSGBOX) defaultText = Role::Text;

  const Rgb text = isDefaultTextColour(chosen)
                       ? skinColour(defaultText)
                       : legibleOn(fromColorRef(chosen), skinColour(background));
  SetTextColor(dc, toColorRef(text));
  if (surface == Surface::Transparent) return answer;
  SetBkColor(dc, toColorRef(skinColour(background)));
  return reinterpret_cast<LRESULT>(surface == Surface::Field ? state.fieldBrush : state.faceBrush);
}

}  // namespace skinengine
