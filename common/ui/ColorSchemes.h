// The programs' colour tables: two schemes (0: the standard Windows greys,
// 1: the program's own colours) of colour slots, the current scheme, the
// high-colour flag and the gradient fill of msimg32, bound at run time.
// Slots 0..27 are the same in both programs; each program adds its own
// slots from 28 on in its `AppColorTable`. Painters ask for a slot's colour
// each time they paint, so switching the scheme and repainting recolours
// the program.
#pragma once

#include <windows.h>

class CCmdUI;

constexpr int kSharedColorSlotCount = 28;

// A program's slots from 28 on, scheme 0 and scheme 1.
struct AppColorTable {
    const COLORREF* ownSlots[2];
    int ownSlotCount;
    int SlotCount() const { return kSharedColorSlotCount + ownSlotCount; }
};

// Slot 0..SlotCount()-1 of `table` in the current scheme; a slot outside is
// an assertion.
COLORREF AppColorsGetSlot(const AppColorTable& table, int slot);
// Slot 0..27, the same in both programs, in the current scheme.
COLORREF AppColorsGetSharedSlot(int slot);
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

// The main frame's two scheme commands: the scheme chosen and every window
// repainted; the command enabled in high-colour mode and checked when its
// scheme is the current one.
void AppColorsChooseScheme(int scheme);
void AppColorsUpdateSchemeCommand(CCmdUI* cmdUI, int scheme);
// After the display's colours changed: high-colour mode when the display
// allows it, else low-colour mode with scheme 0. True when the display went
// to low colour (the program then shows its warning).
bool AppColorsFollowDisplay();

// At static initialisation, before the application starts, the flag and the
// scheme come from the display and the gradient fill is bound.
