// Docking geometry as plain functions: which side a dragged rectangle would
// dock on, which row of a dock bar a rectangle falls into, and where the
// bars of one row go.
#pragma once

#include <windows.h>

#include <vector>

namespace dock_layout {

// One dock bar of a frame as a drop target: its side (a CBRS_ALIGN_* bit)
// and its window rectangle in screen coordinates.
struct DockTarget {
    DWORD side = 0;
    RECT rect = {0, 0, 0, 0};
};

// The first target whose side is among `sides` and whose rectangle, widened
// to at least one pixel each way (an empty dock bar is a line), meets
// `rect`. Answers its index, or -1.
int TargetHit(const std::vector<DockTarget>& targets, DWORD sides, const RECT& rect);

// What a drag needs to choose its dock side.
struct DragState {
    RECT horzRect = {0, 0, 0, 0};  // the bar's outline docked horizontally
    RECT vertRect = {0, 0, 0, 0};  // and vertically
    POINT point = {0, 0};          // the mouse
    BOOL barHorizontal = TRUE;     // the bar stands horizontally now
    BOOL flip = FALSE;             // Shift: try the other orientation
    DWORD allowed = 0;             // the sides the bar may dock on
};

// The side the dragged bar would dock on, or 0 to float: the bar's own
// orientation first (for a vertical bar, only when the mouse is over the
// dock bar it found), then a side on which both outlines agree.
DWORD ChooseDockSide(const std::vector<DockTarget>& targets, const DragState& drag);

// A row of a dock bar across the rows: where it starts and how thick it is.
struct RowBand {
    int start = 0;
    int thickness = 0;
};

// Where a bar whose outline is centred at `centre` (across the rows) goes:
// into the row `row` when `newRow` is false, else into a new row inserted
// before row `row` (row == rows.size() appends).
struct RowChoice {
    size_t row = 0;
    bool newRow = true;
};
RowChoice ChooseRow(const std::vector<RowBand>& rows, int centre);

// Places the bars of one row: each wants to start at `wanted[i]` (in row
// order) and is `lengths[i]` long; none overlaps the one before, and bars
// that would stick out past `available` are pushed back inside as far as
// the bars before them allow. Answers the starts.
std::vector<int> PlaceRow(const std::vector<int>& wanted, const std::vector<int>& lengths, int available);

}  // namespace dock_layout
