// A small window that looks like a piece of the calculator, for testing the skin library
// under Wine and for the skins' contact sheet: a score group with a violet bold caption
// and a red centred score box, a member box, an amount box, bonus buttons, a red label, and
// a settings group that holds its own controls (the group box is their real parent).
#pragma once

#include <windows.h>

namespace skin_sample {

// Where the window's controls lie, in client coordinates, for reading them off the screen.
// clang-format off
inline constexpr RECT kScoreBox     {8,   22, 88,  54};
inline constexpr RECT kScoreGroup   {4,   4,  92,  60};
inline constexpr RECT kMemberBox    {102, 20, 262, 78};
inline constexpr RECT kAmountBox    {102, 92, 222, 110};
inline constexpr RECT kBonusButton  {8,   70, 58,  92};
inline constexpr RECT kRestartButton{8,   96, 92,  120};
inline constexpr RECT kPrefixLabel  {8,   128, 92, 146};
inline constexpr RECT kSettingsGroup{270, 4,  410, 146};
inline constexpr POINT kEmptySpot   {240, 140};  // plain window background
// clang-format on
inline constexpr int kClientWidth = 416, kClientHeight = 152;

inline constexpr COLORREF kScoreRed = RGB(255, 0, 0);
inline constexpr COLORREF kCaptionViolet = RGB(144, 0, 255);
inline constexpr COLORREF kAmountMagenta = RGB(255, 0, 255);

// Creates and shows the window at (left, top) of the screen, always on top.
HWND createSampleWindow(int left, int top);

// Runs pending messages until none is left, so every repaint has reached the screen.
void settle();

}  // namespace skin_sample
