// The flat tab strip's geometry as plain functions: scroll-button rectangles,
// tab trapezoids, hit tests and the scroll buttons' states after a change.
#pragma once

#include <windows.h>

#include <array>

namespace tab_geometry {

// Scroll buttons, as bits of a button set.
enum Button : int { kFirst = 1, kPrevious = 2, kNext = 4, kLast = 8 };
// Button sets by strip style: none, Previous and Next, all four.
int ButtonSetForStyle(DWORD style);

// Button `bit` of `buttonSet`, each button (m + 1) square, in bit order.
RECT ButtonRect(int buttonSet, int bit, int metric);
// The total width of the present buttons.
int ButtonBlockWidth(int buttonSet, int metric);
// The button under `point`, or 0.
int ButtonAt(int buttonSet, int metric, POINT point);

// Neighbouring tabs overlap by this much; a tab narrows by kSlant each side.
constexpr int kOverlap = 5;
constexpr int kSlant = 6;
// A tab is its bold label's width plus this.
constexpr int kLabelPadding = 20;

// A tab's corners: top-left, bottom-left, bottom-right, top-right.
std::array<POINT, 4> TabPolygon(int x, int width, int top, int bottom);
// Whether `point` lies inside the trapezoid of TabPolygon.
bool PointInTab(int x, int width, int top, int bottom, POINT point);

// The scroll buttons after the offset or the tabs changed: the new offset
// (0 or negative) and the disabled buttons.
struct ButtonState {
    int offset;
    int disabled;
};
ButtonState UpdateButtons(int offset, int tabCount, int clientRight, int lastTabRight);

}  // namespace tab_geometry
