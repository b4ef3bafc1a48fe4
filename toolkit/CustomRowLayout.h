// The customisable toolbar's rows, on plain button records: breaking the
// buttons into rows at a width, the size of the rows, evening out their
// widths, and finding the rows that fit a length along or across the bar.
#pragma once

#include <windows.h>

#include <vector>

namespace custom_rows {

struct Item {
    int cx;
    int cy;
    bool separator;
    bool hidden;
};

// A row: the index of its last button, whether that is a separator (which
// then does not count in the width), its width and its height.
struct Row {
    int last;
    bool endsAtSeparator;
    int width;
    int height;
};

// Breaks the buttons into rows no wider than `width` (+2): at the last
// separator before the button that overflows, else just before it; a row
// is never empty.
std::vector<Row> GetRows(const std::vector<Item>& items, int width);
// Width and height of the rows (a row ending at a separator is 2/3 of the
// separator width higher).
SIZE RowsSize(const std::vector<Row>& rows, int separatorWidth);
// The width and height of rows first..last (as GetRows measures them).
Row MeasureRow(const std::vector<Item>& items, int first, int last);
// Evens the rows out: the widest row (the last of equal ones) gives its
// last button, with the separators after it, to the next row when that
// row stays no wider; a next row that would become wider first passes its
// own last button on. Stops when the widest row is the last or nothing
// can move.
void BalanceRows(const std::vector<Item>& items, std::vector<Row>& rows);
// The rows for a length: across the bar (`vertical`: the height to fit,
// the width found by steps of one button) or along it (the width), then
// balanced.
std::vector<Row> SizeToolBar(const std::vector<Item>& items, int length, bool vertical, SIZE button,
                             int separatorWidth);

}  // namespace custom_rows
