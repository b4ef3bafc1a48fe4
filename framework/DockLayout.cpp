#include "DockLayout.h"

#include <algorithm>

#include "ControlBar.h"

namespace dock_layout {

int TargetHit(const std::vector<DockTarget>& targets, DWORD sides, const RECT& rect) {
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!(targets[i].side & sides)) continue;
        RECT area = targets[i].rect;
        if (area.right <= area.left) area.right = area.left + 1;
        if (area.bottom <= area.top) area.bottom = area.top + 1;
        RECT meet;
        if (::IntersectRect(&meet, &area, &rect)) return static_cast<int>(i);
    }
    return -1;
}

namespace {

DWORD SideOf(const std::vector<DockTarget>& targets, DWORD sides, const RECT& rect) {
    int hit = TargetHit(targets, sides, rect);
    return hit < 0 ? 0 : targets[static_cast<size_t>(hit)].side;
}

}  // namespace

DWORD ChooseDockSide(const std::vector<DockTarget>& targets, const DragState& drag) {
    const DWORD horzSides = drag.allowed & CBRS_ORIENT_HORZ;
    const DWORD vertSides = drag.allowed & CBRS_ORIENT_VERT;
    const bool horizontal = (drag.barHorizontal != FALSE) != (drag.flip != FALSE);
    DWORD side = 0;
    if (horizontal && horzSides) {
        side = SideOf(targets, horzSides, drag.horzRect);
    } else if (vertSides) {
        int hit = TargetHit(targets, vertSides, drag.vertRect);
        if (hit >= 0) {
            const RECT& area = targets[static_cast<size_t>(hit)].rect;
            RECT widened = area;
            if (widened.right <= widened.left) widened.right = widened.left + 1;
            if (widened.bottom <= widened.top) widened.bottom = widened.top + 1;
            side = ::PtInRect(&widened, drag.point) ? targets[static_cast<size_t>(hit)].side : 0;
        }
    }
    if (drag.flip || side != 0) return side;
    if (horzSides) {
        DWORD a = SideOf(targets, horzSides, drag.vertRect);
        DWORD b = SideOf(targets, horzSides, drag.horzRect);
        if (a != 0 && a == b) return a;
    }
    if (vertSides) {
        DWORD a = SideOf(targets, vertSides, drag.horzRect);
        DWORD b = SideOf(targets, vertSides, drag.vertRect);
        if (a != 0 && a == b) return a;
    }
    return 0;
}

RowChoice ChooseRow(const std::vector<RowBand>& rows, int centre) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (centre < rows[i].start) return {i, true};
        if (centre < rows[i].start + rows[i].thickness) return {i, false};
    }
    return {rows.size(), true};
}

std::vector<int> PlaceRow(const std::vector<int>& wanted, const std::vector<int>& lengths, int available) {
    const size_t n = wanted.size();
    std::vector<int> starts(n);
    int next = 0;
    for (size_t i = 0; i < n; ++i) {
        starts[i] = std::max(wanted[i], next);
        next = starts[i] + lengths[i];
    }
    // Push back from the end: each bar ends at most where the next begins.
    int limit = available;
    for (size_t i = n; i-- > 0;) {
        if (starts[i] + lengths[i] > limit) starts[i] = limit - lengths[i];
        if (starts[i] < 0) starts[i] = 0;
        limit = starts[i];
    }
    // Bars pushed below zero overlap the ones after them: lay those out again.
    next = 0;
    for (size_t i = 0; i < n; ++i) {
        starts[i] = std::max(starts[i], next);
        next = starts[i] + lengths[i];
    }
    return starts;
}

}  // namespace dock_layout
