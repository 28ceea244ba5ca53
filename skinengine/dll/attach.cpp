// The library's entry point SkinH_AttachRes: reads the skin handed over, makes the brushes
// for it and gives every window of the calling thread its look, through subclassing of the
// windows that exist and a creation hook for those that come later. A block that cannot be
// read (a null pointer and length 0 included) brings the native look back.
#include <windows.h>

#include "skinengine/dll/engine.h"

namespace skinengine {
namespace {

void freeBrushes(Engine& state) {
  if (state.faceBrush) DeleteObject(state.faceBrush);
  if (state.fieldBrush) DeleteObject(state.fieldBrush);
  state.faceBrush = state.fieldBrush = nullptr;
}

LRESULT CALLBACK onWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
  Engine& state = engine();
  if (code == HCBT_CREATEWND && state.active) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    const auto* creation = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    attachWindow(window, className, creation->lpcs->style);
  }
  return CallNextHookEx(state.creationHook, code, wParam, lParam);
}

BOOL CALLBACK redrawThreadWindow(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

void redrawEverything(DWORD thread) {
  EnumThreadWindows(thread, redrawThreadWindow, 0);
}

void restoreNativeLook() {
  Engine& state = engine();
  if (state.creationHook) UnhookWindowsHookEx(state.creationHook);
  state.creationHook = nullptr;
  const bool wasActive = state.active;
  state.active = false;
  detachAllWindows();
  freeBrushes(state);
  if (wasActive) redrawEverything(state.thread);
}

void applySkin(const Skin& skin) {
  Engine& state = engine();
  const HBRUSH face = CreateSolidBrush(toColorRef(skin.colour(Role::Face)));
  const HBRUSH field = CreateSolidBrush(toColorRef(skin.colour(Role::Field)));
  if (!face || !field) {
    if (face) DeleteObject(face);
    if (field) DeleteObject(field);
    restoreNativeLook();
    return;
  }
  // The old brushes may still be selected nowhere: controls take a fresh one at every paint.
  freeBrushes(state);
  state.skin = skin;
  state.faceBrush = face;
  state.fieldBrush = field;
  state.active = true;
  state.thread = GetCurrentThreadId();
  if (!state.creationHook)
    state.creationHook = SetWindowsHookExA(WH_CBT, onWindowCreation, nullptr, state.thread);
  attachExistingWindows();
  redrawEverything(state.thread);
}

}  // namespace

Engine& engine() {
  static Engine state;
  return state;
}

}  // namespace skinengine

// The calculator passes the block, its length, an empty password and three zeros. The
// block is read into the engine's own Skin here; the caller's pointer is not kept.
extern "C" __declspec(dllexport) int __stdcall SkinH_AttachRes(const unsigned char* skin,
                                                               unsigned int length,
                                                               const char* password, int, int,
                                                               int) {
  (void)password;  // our skins are not encrypted
  skinengine::Skin read;
  if (!skin || !skinengine::readSkin({skin, static_cast<std::size_t>(length)}, read)) {
    skinengine::restoreNativeLook();
    return 0;
  }
  skinengine::applySkin(read);
  return 1;
}

// Unloading the library must not leave windows whose procedures point into it.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) skinengine::restoreNativeLook();
  return TRUE;
}
