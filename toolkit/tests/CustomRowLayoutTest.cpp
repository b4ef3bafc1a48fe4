// The customisable toolbar's rows on plain button records: breaking into
// rows, evening the rows out, and the rows that fit a length.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CustomRowLayout.h"

namespace {

using custom_rows::BalanceRows;
using custom_rows::GetRows;
using custom_rows::Item;
using custom_rows::Row;
using custom_rows::SizeToolBar;

// A bar written as letters: 'b' button 23x22, 'w' button 50 wide, 'm'
// button 30 wide, '|' separator 8 wide, 'h' hidden.
std::vector<Item> Bar(const std::string& layout) {
    std::vector<Item> items;
    for (char kind : layout) {
        switch (kind) {
        case 'b': items.push_back({23, 22, false, false}); break;
        case 'w': items.push_back({50, 22, false, false}); break;
        case 'm': items.push_back({30, 22, false, false}); break;
        case '|': items.push_back({8, 22, true, false}); break;
        case 'h': items.push_back({23, 22, false, true}); break;
        }
    }
    return items;
}

std::vector<int> Lasts(const std::vector<Row>& rows) {
    std::vector<int> lasts;
    for (const Row& row : rows) lasts.push_back(row.last);
    return lasts;
}

TEST(CustomRowLayout, RowsBreakAtTheLastSeparatorElseBeforeTheOverflow) {
    struct Case {
        const char* bar;
        int width;
        std::vector<int> lasts;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {"bb|bb", 60, {2, 4}, {46, 46}},        // at the separator, which ends its row
        {"bbbb", 50, {1, 3}, {46, 46}},         // no separator: before the overflow
        {"bbbb", 48, {1, 3}, {46, 46}},         // 2 pixels of grace
        {"b", 5, {0}, {23}},                    // never an empty row
        {"bhbb", 46, {2, 3}, {46, 23}},         // hidden buttons take no room
        {"bbbbb", 32767, {4}, {115}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bar);
        const std::vector<Row> rows = GetRows(Bar(c.bar), c.width);
        EXPECT_EQ(Lasts(rows), c.lasts);
        std::vector<int> widths;
        for (const Row& row : rows) widths.push_back(row.width);
        EXPECT_EQ(widths, c.widths);
    }
}

TEST(CustomRowLayout, BalancingMovesButtonsOnWhileNoRowGetsWider) {
    struct Case {
        const char* bar;
        int width;                 // where the rows break first
        std::vector<int> lasts;    // after balancing
    };
    const Case cases[] = {
        // 4 + 1 becomes 2 + 3: each move leaves the next row no wider.
        {"bbbbb", 100, {1, 4}},
        // Equal rows: the last of the widest gives first; nothing gets wider.
        {"bbbbbbb", 69, {1, 3, 6}},
        // A button goes with the separator after it.
        {"bbbb|b", 100, {2, 5}},
        // The next row would overflow: it passes its own last button on first.
        {"wwmmmb", 100, {0, 2, 5}},
        // One row, and rows that can't move: unchanged.
        {"bbb", 32767, {2}},
        {"ww", 50, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bar);
        const std::vector<Item> items = Bar(c.bar);
        std::vector<Row> rows = GetRows(items, c.width);
        int widestBefore = 0;
        for (const Row& row : rows) widestBefore = std::max(widestBefore, row.width);
        BalanceRows(items, rows);
        EXPECT_EQ(Lasts(rows), c.lasts);
        int widestAfter = 0;
        for (const Row& row : rows) widestAfter = std::max(widestAfter, row.width);
        EXPECT_LE(widestAfter, widestBefore);
    }
}

TEST(CustomRowLayout, SizingFindsTheRowsForALength) {
    struct Case {
        const char* bar;
        int length;
        bool vertical;
        std::vector<int> lasts;
    };
    const Case cases[] = {
        // Standing: 70 high holds three rows, so two buttons a row.
        {"bbbbbb", 70, true, {1, 3, 5}},
        // 40 high holds one row: all in one.
        {"bbbbbb", 40, true, {5}},
        // 200 high: narrowed to one button a row while it fits.
        {"bbbbbb", 200, true, {0, 1, 2, 3, 4, 5}},
        // Lying: wrapped at the length, then balanced.
        {"bbbbbb", 50, false, {1, 3, 5}},
        {"bbbbb", 100, false, {1, 4}},
        // Never narrower than the widest button.
        {"wb", 10, false, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bar) + " " + std::to_string(c.length));
        EXPECT_EQ(Lasts(SizeToolBar(Bar(c.bar), c.length, c.vertical, SIZE{23, 22}, 8)), c.lasts);
    }
}

}  // namespace
