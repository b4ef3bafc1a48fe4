#include "TabGeometry.h"

namespace tab_geometry {

int ButtonSetForStyle(DWORD style) {
    if (style & 0x2) return kFirst | kPrevious | kNext | kLast;
    if (style & 0x1) return kPrevious | kNext;
    return 0;
}

RECT ButtonRect(int buttonSet, int bit, int metric) {
    int x = 0;
    for (int b = 1; b < bit; b <<= 1)
        if (buttonSet & b) x += metric + 1;
    return RECT{x, 0, x + metric + 1, metric + 1};
}

int ButtonBlockWidth(int buttonSet, int metric) {
    int width = 0;
    for (int b = kFirst; b <= kLast; b <<= 1)
        if (buttonSet & b) width += metric + 1;
    return width;
}

int ButtonAt(int buttonSet, int metric, POINT point) {
    for (int b = kFirst; b <= kLast; b <<= 1) {
        if (!(buttonSet & b)) continue;
        const RECT r = ButtonRect(buttonSet, b, metric);
        if (::PtInRect(&r, point)) return b;
    }
    return 0;
}

std::array<POINT, 4> TabPolygon(int x, int width, int top, int bottom) {
    return {POINT{x, top}, POINT{x + kSlant, bottom}, POINT{x + width - kSlant, bottom},
            POINT{x + width, top}};
}

bool PointInTab(int x, int width, int top, int bottom, POINT point) {
    if (point.y < top || point.y >= bottom || bottom <= top) return false;
    // The slanted edges move kSlant pixels inwards over the tab's height.
    const int height = bottom - top;
    const int inset = (point.y - top) * kSlant / height;
    return point.x >= x + inset && point.x < x + width - inset;
}

ButtonState UpdateButtons(int offset, int tabCount, int clientRight, int lastTabRight) {
    if (tabCount == 0) return {offset, kFirst | kPrevious | kNext | kLast};
    int disabled = 0;
    if (offset >= 0) {
        offset = 0;
        disabled |= kFirst | kPrevious;
    }
    const int r = clientRight + offset - lastTabRight;
    if (r >= offset) {
        offset = r <= 0 ? r : 0;
        disabled |= kNext | kLast;
    }
    return {offset, disabled};
}

}  // namespace tab_geometry
