// The colour well's grid as plain functions: its size, cell rectangles, hit
// tests and keyboard moves, with the custom cell below the last column.
#pragma once

#include <windows.h>

namespace well_geometry {

struct Grid {
    int columns = 4;
    int rows = 5;
    int cellWidth = 0;
    int cellHeight = 0;
    int marginX = 2;
    int marginY = 2;
    bool other = false;       // the well has its "&Other..." button
    bool customShown = false;  // the custom cell holds a colour

    int RowPitch() const { return cellHeight + 2; }
    int CustomColumn() const { return columns - 1; }
    int CustomRow() const { return rows; }
    bool HasCustom() const { return other && customShown; }
    bool IsCustom(int column, int row) const { return column == CustomColumn() && row == CustomRow(); }
};

// The well's size for its grid (and Other button row).
SIZE WellSize(const Grid& grid);
// Cell (column, row) in client coordinates; the custom cell sits 5 pixels
// lower than a plain row would put it.
RECT CellRect(const Grid& grid, int column, int row);
// The cell under `point` (each cell grown by 1 pixel), the custom cell last.
bool HitCell(const Grid& grid, POINT point, int& column, int& row);
// The selection after an arrow key (VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN).
POINT MoveSelection(const Grid& grid, int column, int row, UINT key);
// The Other button's rectangle inside a well of `size`.
RECT OtherButtonRect(const Grid& grid, SIZE size);

}  // namespace well_geometry

namespace button_layout {

// Where a bitmap button puts its bitmap and caption inside its border.
enum Alignment { kLeft = 0, kRight = 1, kAbove = 2, kBelow = 3, kCentred = 4 };
void CalcLayout(int alignment, SIZE bitmap, SIZE inside, int marginX, int marginY, RECT& bitmapRect,
                RECT& captionRect);

}  // namespace button_layout
