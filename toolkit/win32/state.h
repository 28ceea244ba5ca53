// Internal state of the Win32 backend: the loaded windows with their controls' handles,
// the GDI objects they share, handler nesting with the deferred destroy requests.
// Windows are addressed by a never-reused id, so a handler or request that outlives its
// window finds nothing instead of a dangling pointer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/deferred_destroy.h"
#include "toolkit/win32/backend.h"

namespace toolkit::win32 {

using WindowId = std::uint64_t;

inline constexpr int kNoParent = -1;

struct ControlRecord {
  const ControlDesign* design;
  int parent = kNoParent;          // row of the containing group box or picture box
  HWND hwnd = nullptr;             // none for the timer and the file dialog component
  POINT origin{};                  // top left in the top-level window's client area
  bool shown = false;              // its own visibility; its containers may still hide it
  HBITMAP picture = nullptr;       // picture box: the picture already stretched to the box
  bool writing = false;            // a program write is under way: its EN_CHANGE is ours
  bool tickRunning = false;        // timer: its tick handler has not returned yet
  WNDPROC originalProc = nullptr;  // integer-only edit box: the EDIT procedure beneath
};

struct WindowRecord {
  WindowId id = 0;
  const WindowDesign* design = nullptr;
  Bindings bindings;
  Backend::State* state = nullptr;
  HWND hwnd = nullptr;
  std::vector<ControlRecord> controls;
  HICON bigIcon = nullptr, smallIcon = nullptr;
  bool destroying = false;
};

// Fonts and brushes, created once per look and freed with the backend.
class GdiCache {
 public:
  GdiCache() = default;
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;
  ~GdiCache();
  HFONT font(Font font);
  HBRUSH brush(COLORREF colour);

 private:
  // A design has a handful of looks: a short list searched in order is enough.
  struct FontLook {
    Font look;
    HFONT font;
  };
  struct BrushLook {
    COLORREF colour;
    HBRUSH brush;
  };
  std::vector<FontLook> fonts_;
  std::vector<BrushLook> brushes_;
};

struct Backend::State {
  std::vector<std::unique_ptr<WindowRecord>> windows;
  WindowId nextWindowId = 1;
  DeferredDestroy destroys;
  GdiCache gdi;
  bool comInitialised = false;

  // Windows and controls (windows.cpp).
  WindowRecord* find(const WindowDesign& design) const;
  WindowRecord* find(WindowId id) const;
  ControlRecord* findControl(const WindowDesign& design, std::string_view name) const;

  // Events and handler nesting (events.cpp).
  void raise(WindowId window, std::string_view control, Event event);
  void requestDestroy(WindowId window);
  void destroyNow(WindowId window);
  // Esc and the close box: the window goes at once, unless it is hidden.
  void close(WindowId window);

  // The one place every event loop hands a message to, and a modal load's loop
  // (event_loop.cpp).
  void pump(const MSG& message);
  void loopWhileLoaded(WindowId window);
};

// Edit boxes, buttons and the browser control take the focus while shown and enabled.
bool takesFocus(const ControlRecord& control);

// Colours of the design as GDI wants them; default background is the button face.
COLORREF textColourOf(const ControlDesign& control);
COLORREF backgroundOf(const ControlDesign& control);
COLORREF windowBackgroundOf(const WindowDesign& window);

// Building a window from its design (window_builder.cpp).
bool buildWindow(WindowRecord& window);
void applyVisibility(WindowRecord& window, std::size_t row);
// Frees a removed window's pictures and icons (events.cpp).
void releaseResources(WindowRecord& window);
// Redraws the transparent labels that stand on a container, after it changed beneath them.
void redrawTransparentChildren(const WindowRecord& window, std::size_t container);

// A button's click, posted to its top-level window by the window procedure and run from
// the event loop: wParam is the button's row. Run there, a click's handler sits in no
// window procedure, so waits that nest one per click do not nest window procedures
// (Wine refuses to go deeper than 64 of those).
inline constexpr UINT kRunClick = WM_APP + 1;
void runClick(WindowRecord& window, WPARAM row);

// Window procedures (window_proc.cpp, integer_typing.cpp).
LRESULT CALLBACK topLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr char kWindowClass[] = "ZavoToolkitWindow";
void keepIntegerTyping(ControlRecord& editBox);

// Owner-drawn kinds (painting.cpp).
void paintOwnerDrawn(const WindowRecord& window, const ControlRecord& control,
                     const DRAWITEMSTRUCT& item, GdiCache& gdi);

}  // namespace toolkit::win32
