#include "WellGeometry.h"

#include <algorithm>

namespace well_geometry {

SIZE WellSize(const Grid& grid) {
    SIZE size = {2 * grid.marginX + grid.columns * (grid.cellWidth + 2) - 2,
                 2 * grid.marginY + grid.rows * (grid.cellHeight + 2) - 2};
    if (grid.other) size.cy += grid.RowPitch() + 6;
    return size;
}

RECT CellRect(const Grid& grid, int column, int row) {
    const int left = grid.marginX + column * (grid.cellWidth + 2);
    int top = grid.marginY + row * (grid.cellHeight + 2);
    if (grid.IsCustom(column, row) && grid.other) top += 5;
    return RECT{left, top, left + grid.cellWidth, top + grid.cellHeight};
}

bool HitCell(const Grid& grid, POINT point, int& column, int& row) {
    auto hit = [&grid, point](int c, int r) {
        RECT cell = CellRect(grid, c, r);
        ::InflateRect(&cell, 1, 1);
        return ::PtInRect(&cell, point) != FALSE;
    };
    for (int c = 0; c < grid.columns; ++c) {
        for (int r = 0; r < grid.rows; ++r) {
            if (hit(c, r)) {
                column = c;
                row = r;
                return true;
            }
        }
    }
    if (grid.HasCustom() && hit(grid.CustomColumn(), grid.CustomRow())) {
        column = grid.CustomColumn();
        row = grid.CustomRow();
        return true;
    }
    return false;
}

POINT MoveSelection(const Grid& grid, int c, int r, UINT key) {
    const bool custom = grid.HasCustom();
    const bool onCustom = grid.IsCustom(c, r);
    const POINT customCell = {grid.CustomColumn(), grid.CustomRow()};
    const POINT lastCell = {grid.columns - 1, grid.rows - 1};
    switch (key) {
        case VK_LEFT:
            if (onCustom) return lastCell;
            if (c > 0) return POINT{c - 1, r};
            if (r > 0) return POINT{grid.columns - 1, r - 1};
            return custom ? customCell : lastCell;
        case VK_RIGHT:
            if (onCustom) return POINT{0, 0};
            if (c < grid.columns - 1) return POINT{c + 1, r};
            if (r < grid.rows - 1) return POINT{0, r + 1};
            return custom ? customCell : POINT{0, 0};
        case VK_UP:
            if (onCustom) return POINT{c, grid.rows - 1};
            if (r > 0) return POINT{c, r - 1};
            return custom && c == grid.CustomColumn() ? customCell : POINT{c, grid.rows - 1};
        case VK_DOWN:
            if (r < grid.rows - 1) return POINT{c, r + 1};
            if (custom && c == grid.CustomColumn() && !onCustom) return customCell;
            return POINT{c, 0};
        default:
            return POINT{c, r};
    }
}

RECT OtherButtonRect(const Grid& grid, SIZE size) {
    return RECT{grid.marginX, size.cy - grid.marginY - grid.RowPitch(), size.cx - grid.marginX,
                size.cy - grid.marginY};
}

}  // namespace well_geometry

namespace button_layout {

void CalcLayout(int alignment, SIZE bitmap, SIZE inside, int marginX, int marginY, RECT& bitmapRect,
                RECT& captionRect) {
    const int bw = bitmap.cx, bh = bitmap.cy, cw = inside.cx, ch = inside.cy;
    bitmapRect = RECT{0, 0, bw, bh};
    captionRect = RECT{0, 0, cw, ch};
    const int cx = (cw - bw) / 2, cy = (ch - bh) / 2;
    switch (alignment) {
        case kLeft:
            ::OffsetRect(&bitmapRect, marginX, cy);
            captionRect.left = bitmapRect.right + 1;
            break;
        case kRight:
            ::OffsetRect(&bitmapRect, cw - bw - marginX, cy);
            captionRect.right = bitmapRect.left - 1;
            break;
        case kAbove:
            ::OffsetRect(&bitmapRect, cx, marginY);
            captionRect.top = bitmapRect.bottom + 1;
            break;
        case kBelow:
            ::OffsetRect(&bitmapRect, cx, ch - bh - marginY);
            captionRect.bottom = bitmapRect.top - 1;
            break;
        case kCentred:
            ::OffsetRect(&bitmapRect, cx, cy);
            captionRect = RECT{0, 0, 0, 0};
            break;
        default:
            return;
    }
    auto clip = [cw, ch](RECT& r) {
        r.left = std::clamp<LONG>(r.left, 0, cw);
        r.right = std::clamp<LONG>(r.right, 0, cw);
        r.top = std::clamp<LONG>(r.top, 0, ch);
        r.bottom = std::clamp<LONG>(r.bottom, 0, ch);
    };
    clip(bitmapRect);
    clip(captionRect);
}

}  // namespace button_layout
