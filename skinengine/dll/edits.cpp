// Edit-box borders in the skin's colours, drawn over the native non-client frame: the
// focused box shows the skin's focus colour.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {

void paintEditBorder(HWND edit) {
  const LONG style = GetWindowLongA(edit, GWL_STYLE);
  const LONG extended = GetWindowLongA(edit, GWL_EXSTYLE);
  int thickness = 0;
  if (extended & WS_EX_CLIENTEDGE)
    thickness = 2;
  else if ((style & WS_BORDER) || (extended & WS_EX_STATICEDGE))
    thickness = 1;
  if (thickness == 0) return;

  RECT window;
  GetWindowRect(edit, &window);
  OffsetRect(&window, -window.left, -window.top);
  const HDC dc = GetWindowDC(edit);
  if (!dc) return;
  const Role edge = GetFocus() == edit ? Role::Focus : Role::Border;
  outline(dc, window, skinColour(edge), 0);
  if (thickness == 2) {
    InflateRect(&window, -1, -1);
    outline(dc, window, skinColour(Role::Field), 0);
  }
  ReleaseDC(edit, dc);
}

}  // namespace skinengine
