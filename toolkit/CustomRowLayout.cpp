#include "CustomRowLayout.h"

#include <algorithm>

namespace custom_rows {

Row MeasureRow(const std::vector<Item>& items, int first, int last) {
    Row row{last, items[static_cast<size_t>(last)].separator, 0, 0};
    for (int i = first; i <= last; ++i) {
        const Item& item = items[static_cast<size_t>(i)];
        if (item.hidden) continue;
        if (!(i == last && row.endsAtSeparator)) row.width += item.cx;
        row.height = std::max(row.height, item.cy);
    }
    return row;
}

std::vector<Row> GetRows(const std::vector<Item>& items, int width) {
    std::vector<Row> rows;
    const int count = static_cast<int>(items.size());
    int first = 0;
    while (first < count) {
        int sum = 0, lastSeparator = -1, last = count - 1;
        for (int i = first; i < count; ++i) {
            const Item& item = items[static_cast<size_t>(i)];
            if (item.hidden) continue;
            sum += item.cx;
            if (sum > width + 2 && i > first) {
                last = lastSeparator >= first ? lastSeparator : i - 1;
                break;
            }
            if (item.separator) lastSeparator = i;
        }
        rows.push_back(MeasureRow(items, first, last));
        first = last + 1;
    }
    return rows;
}

SIZE RowsSize(const std::vector<Row>& rows, int separatorWidth) {
    SIZE size{0, 0};
    for (const Row& row : rows) {
        size.cx = std::max<LONG>(size.cx, row.width);
        size.cy += row.height + (row.endsAtSeparator ? separatorWidth * 2 / 3 : 0);
    }
    return size;
}

namespace {

int FirstOf(const std::vector<Row>& rows, size_t r) { return r == 0 ? 0 : rows[r - 1].last + 1; }

// The index where the last button of row `r` starts its trailing group
// (the button and the separators after it), or -1 when moving it would
// leave the row without a button.
int TrailingGroupStart(const std::vector<Item>& items, const std::vector<Row>& rows, size_t r) {
    const int first = FirstOf(rows, r);
    int at = rows[r].last;
    while (at >= first && (items[static_cast<size_t>(at)].separator || items[static_cast<size_t>(at)].hidden)) --at;
    if (at < first) return -1;
    // Something must stay: a button before the group.
    for (int i = first; i < at; ++i)
        if (!items[static_cast<size_t>(i)].separator && !items[static_cast<size_t>(i)].hidden) return at;
    return -1;
}

// Moves the trailing group of row `r` to the start of row r + 1 when that
// row then is no wider than `limit`, passing row r + 1's own last group
// on first when it would be wider. TRUE when it moved.
bool MoveOn(const std::vector<Item>& items, std::vector<Row>& rows, size_t r, int limit, int depth) {
    if (r + 1 >= rows.size() || depth > static_cast<int>(items.size())) return false;
    const int start = TrailingGroupStart(items, rows, r);
    if (start < 0) return false;
    for (;;) {
        const Row grown = MeasureRow(items, start, rows[r + 1].last);
        if (grown.width <= limit) {
            const int first = FirstOf(rows, r);
            rows[r] = MeasureRow(items, first, start - 1);
            rows[r + 1] = grown;
            return true;
        }
        if (!MoveOn(items, rows, r + 1, limit, depth + 1)) return false;
    }
}

}  // namespace

void BalanceRows(const std::vector<Item>& items, std::vector<Row>& rows) {
    // Buttons only move to later rows, so this ends; the cap is a guard.
    const size_t cap = items.size() * (rows.size() + 1) + 1;
    for (size_t step = 0; step < cap && rows.size() > 1; ++step) {
        size_t widest = 0;
        for (size_t r = 1; r < rows.size(); ++r)
            if (rows[r].width >= rows[widest].width) widest = r;
        if (widest + 1 >= rows.size()) break;
        if (!MoveOn(items, rows, widest, rows[widest].width, 0)) break;
    }
}

std::vector<Row> SizeToolBar(const std::vector<Item>& items, int length, bool vertical, SIZE button,
                             int separatorWidth) {
    const int buttonCx = static_cast<int>(button.cx), buttonCy = static_cast<int>(button.cy);
    int narrowest = 0, widest = 0, count = 0;
    for (const Item& item : items) {
        if (item.hidden) continue;
        narrowest = count == 0 ? item.cx : std::min(narrowest, item.cx);
        widest = std::max(widest, item.cx);
        ++count;
    }
    if (count == 0) narrowest = widest = buttonCx;
    std::vector<Row> rows;
    if (vertical) {
        const int fit = buttonCy > 0 ? length / buttonCy : 0;
        int width = fit > 0 ? std::max(narrowest, count * buttonCx / fit) : 32767;
        auto height = [&](int w) { return RowsSize(GetRows(items, w), separatorWidth).cy; };
        if (height(width) < length) {
            while (width - buttonCx >= narrowest && height(width - buttonCx) <= length) width -= buttonCx;
        } else {
            while (height(width) > length && height(width) > buttonCy && width < 32767) width += buttonCx;
        }
        rows = GetRows(items, width);
    } else {
        rows = GetRows(items, std::max(length, widest));
    }
    BalanceRows(items, rows);
    return rows;
}

}  // namespace custom_rows
