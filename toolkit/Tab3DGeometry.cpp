#include "Tab3DGeometry.h"

namespace tab3d_geometry {

Side SideOf(DWORD style) {
    if (style & kTop) return kTop;
    if (style & kBottom) return kBottom;
    if (style & kRight) return kRight;
    if (style & kLeft) return kLeft;
    return kTop;
}

bool IsHorizontal(Side side) { return side == kTop || side == kBottom; }

RECT EdgeRect(Side side, const RECT& c) {
    switch (side) {
        case kBottom: return {c.left, c.bottom - kEdge, c.right, c.bottom};
        case kLeft: return {c.left, c.top, c.left + kEdge, c.bottom};
        case kRight: return {c.right - kEdge, c.top, c.right, c.bottom};
        default: return {c.left, c.top, c.right, c.top + kEdge};
    }
}

std::vector<RECT> LayoutTabs(Side side, const RECT& c, const std::vector<int>& extents, int current) {
    std::vector<RECT> tabs;
    tabs.reserve(extents.size());
    int along = (IsHorizontal(side) ? c.left : c.top) + kMargin;
    for (size_t i = 0; i < extents.size(); ++i) {
        const int length = extents[i] + 2 * kPadding;
        RECT r;
        // Plain tabs stand kRaise off the edge's far side and off the
        // strip's far border, so the raised tab has room.
        switch (side) {
            case kBottom: r = {along, c.top + kRaise, along + length, c.bottom - kEdge}; break;
            case kLeft: r = {c.left + kEdge, along, c.right - kRaise, along + length}; break;
            case kRight: r = {c.left + kRaise, along, c.right - kEdge, along + length}; break;
            default: r = {along, c.top + kEdge, along + length, c.bottom - kRaise}; break;
        }
        if (static_cast<int>(i) == current) {
            switch (side) {
                case kBottom: r = {r.left - kRaise, r.top - kRaise, r.right + kRaise, c.bottom}; break;
                case kLeft: r = {c.left, r.top - kRaise, r.right + kRaise, r.bottom + kRaise}; break;
                case kRight: r = {r.left - kRaise, r.top - kRaise, c.right, r.bottom + kRaise}; break;
                default: r = {r.left - kRaise, c.top, r.right + kRaise, r.bottom + kRaise}; break;
            }
        }
        tabs.push_back(r);
        along += length;
    }
    return tabs;
}

int HitTest(const std::vector<RECT>& tabs, const std::vector<bool>& enabled, int current, POINT point) {
    auto hits = [&](int i) {
        return i >= 0 && i < static_cast<int>(tabs.size()) && i < static_cast<int>(enabled.size()) && enabled[i] &&
               ::PtInRect(&tabs[i], point);
    };
    if (hits(current)) return current;
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i)
        if (i != current && hits(i)) return i;
    return -1;
}

int NextEnabled(const std::vector<bool>& enabled, int from, int step) {
    for (int i = from + step; i >= 0 && i < static_cast<int>(enabled.size()); i += step)
        if (enabled[i]) return i;
    return from;
}

}  // namespace tab3d_geometry
