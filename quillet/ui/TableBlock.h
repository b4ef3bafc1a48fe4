// One titled, ruled block of a results table: rows and columns laid out in
// character units, painted in the program's colours on screen and black on
// white on a printer.
#pragma once

#include "framework/Framework.h"

namespace quillet {

class CTableBlock {
public:
    CTableBlock() = default;

    // Geometry; left, top, width, rows, columns, row height and column unit
    // must be positive and the column widths and rules given.
    void Layout(int left, int top, int width, int rows, int columns, int rowHeight, int columnUnit,
                const int* columnWidths, const BYTE* columnRules, const BYTE* rowRules, int margin);
    void SetTitle(const char* title) { title_ = title; }
    // Per-column fills and text colours come both or neither.
    void SetColours(COLORREF titleFill, COLORREF titleText, COLORREF rules, COLORREF blockFill,
                    const COLORREF* columnFills, const COLORREF* columnTexts);

    // The title band's height, and the whole block's.
    int GetHeaderHeight() const;
    int GetHeight() const;
    // The top of row `row`'s text.
    int RowTop(int row) const;
    // The left edge of column `column`.
    int ColumnLeft(int column) const;

    // Background, title band, column fills and rules.
    void DrawFrame(CDC* dc, CFont* titleFont) const;
    // One text per column; null entries are skipped.
    void DrawHeadingRow(CDC* dc, int row, const char* const* texts) const;
    // One text per column; empty entries are skipped.
    void DrawRow(CDC* dc, int row, const CString* texts) const;
    // One cell; underlined with a line in the cell's text colour.
    void DrawCell(CDC* dc, int row, int column, const char* text, bool underline = false) const;

private:
    void DoubleLine(CDC* dc, int x1, int y1, int x2, int y2, bool vertical) const;

    int left_ = -1, top_ = -1, width_ = -1, rowHeight_ = -1, columnUnit_ = -1, rows_ = -1, columns_ = -1;
    int margin_ = 0;
    const char* title_ = nullptr;
    const int* columnWidths_ = nullptr;
    const BYTE* columnRules_ = nullptr;
    const BYTE* rowRules_ = nullptr;
    COLORREF titleFill_ = RGB(0, 0, 0);
    COLORREF titleText_ = RGB(255, 255, 255);
    COLORREF textColour_ = RGB(0, 0, 0);
    COLORREF textBackground_ = RGB(192, 192, 192);
    COLORREF ruleColour_ = RGB(0, 0, 0);
    COLORREF blockFill_ = RGB(0, 0, 0);
    const COLORREF* columnFills_ = nullptr;
    const COLORREF* columnTexts_ = nullptr;
};

}  // namespace quillet
