// The program's colour table: two schemes of 35 colour slots (0: the
// standard Windows greys, 1: the program's own colours), the current scheme,
// the high-colour flag and the gradient fill of msimg32, bound at run time.
// Painters ask for a slot's colour each time they paint, so switching the
// scheme and repainting recolours the program.
#pragma once

#include <windows.h>

namespace torvane {

constexpr int kColorSlotCount = 35;

// Slot 0..34 of the current scheme; a slot outside is an assertion.
COLORREF AppColorsGetColor(int slot);
// 0 or 1.
int AppColorsGetScheme();
// 0 or 1 is taken; any other value selects 0.
void AppColorsSetScheme(int scheme);

bool AppColorsIsHighColorMode();
// High-colour flag on; the scheme stays.
void AppColorsEnterHighColorMode();
// High-colour flag off and scheme 0.
void AppColorsEnterLowColorMode();

// The screen has a palette of 256 entries or fewer, or 256 colours or fewer.
bool AppColorsIsLowColorDisplay();
// Replaces the display query (tests): null restores the screen's own.
void AppColorsSetDisplayQuery(bool (*isLowColor)());

using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
bool AppColorsHasGradientFill();
GradientFillProc AppColorsGetGradientFillProc();
// Replaces the bound gradient fill (tests: null paints without gradients).
void AppColorsSetGradientFillProc(GradientFillProc proc);
// A horizontal blend over `rect` from `left` to `right` (asserts a bound
// gradient fill and a DC).
void AppColorsGradientFillRect(HDC dc, const RECT& rect, COLORREF left, COLORREF right);

// At static initialisation, before the application starts, the flag and the
// scheme come from the display and the gradient fill is bound.

}  // namespace torvane
