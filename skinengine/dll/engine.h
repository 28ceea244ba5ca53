// What the parts of the skin library share: the skin in force, the brushes it owns, and
// what the engine remembers of each window it has subclassed.
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <cstdint>

#include "skinengine/colour.h"
#include "skinengine/skin_reader.h"

namespace skinengine {

// The skin in force and the GDI objects made for it; `active` is false for the native look.
struct Engine {
  bool active = false;
  Skin skin;
  HBRUSH faceBrush = nullptr;
  HBRUSH fieldBrush = nullptr;
  HHOOK creationHook = nullptr;
  DWORD thread = 0;
};
Engine& engine();

// What a subclassed window is to the engine, kept in its subclass reference data.
enum class Part : std::uint8_t { Container, PushButton, GroupBox, Edit };
struct WindowState {
  Part part = Part::Container;
  std::uint8_t buttonType = 0;  // push buttons: BS_PUSHBUTTON or BS_DEFPUSHBUTTON, for restoring
  bool hot = false;             // push buttons: the mouse is over it
};
DWORD_PTR packState(WindowState state);
WindowState unpackState(DWORD_PTR data);

// Subclassing (subclass.cpp).
void attachWindow(HWND window, const char* className, LONG style);
void attachExistingWindows();
void detachAllWindows();
bool stateOf(HWND window, WindowState& state);
void storeState(HWND window, WindowState state);

// Drawing (colours.cpp, buttons.cpp, group_boxes.cpp, edits.cpp, painting.cpp).
LRESULT answerControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void drawPushButton(const DRAWITEMSTRUCT& item, bool hot);
void paintGroupBox(HWND groupBox, HDC dc);
void paintEditBorder(HWND edit);
bool eraseWithFace(HWND window, HDC dc, Part part);

COLORREF toColorRef(Rgb colour);
Rgb fromColorRef(COLORREF colour);
Rgb skinColour(Role role);
// Fills `rect` with a vertical blend from `top` to `bottom`.
void fillVertical(HDC dc, const RECT& rect, Rgb top, Rgb bottom);
void fillSolid(HDC dc, const RECT& rect, Rgb colour);
// A one-pixel outline, with rounded corners when `radius` is above 0.
void outline(HDC dc, const RECT& rect, Rgb colour, int radius);

}  // namespace skinengine
