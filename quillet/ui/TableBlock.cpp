#include "quillet/ui/TableBlock.h"

#include <algorithm>

#include "common/Assertion.h"

namespace quillet {

static const char kAssertModule[] = "TableBlock";

void CTableBlock::Layout(int left, int top, int width, int rows, int columns, int rowHeight, int columnUnit,
                         const int* columnWidths, const BYTE* columnRules, const BYTE* rowRules, int margin) {
    APP_ASSERT(left > 0 && top > 0 && width > 0 && rowHeight > 0 && columnUnit > 0 && rows > 0 && columns > 0);
    APP_ASSERT(columnWidths != nullptr && columnRules != nullptr);
    left_ = left;
    top_ = top;
    width_ = width;
    rows_ = rows;
    columns_ = columns;
    rowHeight_ = rowHeight;
    columnUnit_ = columnUnit;
    columnWidths_ = columnWidths;
    columnRules_ = columnRules;
    rowRules_ = rowRules;
    margin_ = margin;
}

void CTableBlock::SetColours(COLORREF titleFill, COLORREF titleText, COLORREF rules, COLORREF blockFill,
                             const COLORREF* columnFills, const COLORREF* columnTexts) {
    APP_ASSERT((columnFills == nullptr) == (columnTexts == nullptr));
    titleFill_ = titleFill;
    titleText_ = titleText;
    ruleColour_ = rules;
    blockFill_ = blockFill;
    columnFills_ = columnFills;
    columnTexts_ = columnTexts;
}

int CTableBlock::GetHeaderHeight() const {
    APP_ASSERT(rowHeight_ > 0);
    return rowHeight_ * 3 / 2;
}

int CTableBlock::GetHeight() const { return GetHeaderHeight() + rows_ * rowHeight_ * 5 / 4; }

int CTableBlock::RowTop(int row) const {
    APP_ASSERT(row >= 0 && row < rows_);
    return top_ + GetHeaderHeight() + row * rowHeight_ * 5 / 4;
}

int CTableBlock::ColumnLeft(int column) const {
    APP_ASSERT(column >= 0 && column < columns_);
    int units = 0;
    for (int c = 0; c < column; ++c) units += columnWidths_[c];
    return left_ + units * columnUnit_;
}

void CTableBlock::DoubleLine(CDC* dc, int x1, int y1, int x2, int y2, bool vertical) const {
    for (int k = 0; k < 2; ++k) {
        dc->MoveTo(x1 + (vertical ? k : 0), y1 + (vertical ? 0 : k));
        dc->LineTo(x2 + (vertical ? k : 0), y2 + (vertical ? 0 : k));
    }
}

void CTableBlock::DrawFrame(CDC* dc, CFont* titleFont) const {
    APP_ASSERT(dc != nullptr && rowHeight_ > 0);
    const bool printing = dc->IsPrinting() != FALSE;
    const int header = GetHeaderHeight();
    const int bottom = top_ + GetHeight();
    const int right = left_ + width_;
    CPen rulePen(PS_SOLID, 1, printing ? RGB(0, 0, 0) : ruleColour_);
    CPen* oldPen = dc->SelectObject(&rulePen);
    if (!printing) dc->FillSolidRect(left_ - margin_, top_, width_ + 2 * margin_, GetHeight() + margin_, blockFill_);

    CFont* oldFont = titleFont != nullptr ? dc->SelectObject(titleFont) : nullptr;
    if (printing) {
        CBrush* oldBrush = static_cast<CBrush*>(dc->SelectStockObject(NULL_BRUSH));
        dc->Rectangle(left_, top_, right, top_ + header);
        dc->SelectObject(oldBrush);
    } else {
        CPen titlePen(PS_SOLID, 1, titleFill_);
        CBrush titleBrush(titleFill_);
        CPen* previousPen = dc->SelectObject(&titlePen);
        CBrush* oldBrush = dc->SelectObject(&titleBrush);
        dc->Rectangle(left_, top_, right, top_ + header);
        dc->SelectObject(oldBrush);
        dc->SelectObject(previousPen);
    }
    if (title_ != nullptr) {
        const COLORREF oldText = dc->SetTextColor(printing ? RGB(0, 0, 0) : titleText_);
        const COLORREF oldBack = dc->SetBkColor(printing ? RGB(255, 255, 255) : titleFill_);
        dc->TextOut(left_ + columnUnit_, top_ + (header - rowHeight_) / 4, title_, lstrlenA(title_));
        dc->SetTextColor(oldText);
        dc->SetBkColor(oldBack);
    }
    if (oldFont != nullptr) dc->SelectObject(oldFont);

    for (int c = 0; c < columns_; ++c) {
        const int x = ColumnLeft(c);
        if (columnFills_ != nullptr && !printing && x < right) {
            const int w = std::min(columnWidths_[c] * columnUnit_, right - x);
            dc->FillSolidRect(x, top_ + header, w, bottom - (top_ + header), columnFills_[c]);
        }
        if (columnRules_[c] == 1) DoubleLine(dc, x, top_ + header, x, bottom, true);
    }
    if (rowRules_ != nullptr)
        for (int r = 0; r < rows_; ++r)
            if (rowRules_[r] == 1) DoubleLine(dc, left_, RowTop(r) - 2, right, RowTop(r) - 2, false);
    DoubleLine(dc, left_, top_ + header - 1, right, top_ + header - 1, false);
    DoubleLine(dc, left_, bottom - 1, right, bottom - 1, false);
    dc->SelectObject(oldPen);
}

void CTableBlock::DrawHeadingRow(CDC* dc, int row, const char* const* texts) const {
    for (int c = 0; c < columns_; ++c)
        if (texts[c] != nullptr) DrawCell(dc, row, c, texts[c]);
}

void CTableBlock::DrawRow(CDC* dc, int row, const CString* texts) const {
    for (int c = 0; c < columns_; ++c)
        if (!texts[c].IsEmpty()) DrawCell(dc, row, c, texts[c]);
}

void CTableBlock::DrawCell(CDC* dc, int row, int column, const char* text, bool underline) const {
    APP_ASSERT(dc != nullptr && text != nullptr);
    const bool printing = dc->IsPrinting() != FALSE;
    COLORREF ink = textColour_, back = textBackground_;
    if (printing) {
        ink = RGB(0, 0, 0);
        back = RGB(255, 255, 255);
    } else if (columnTexts_ != nullptr) {
        ink = columnTexts_[column];
        back = columnFills_[column];
    }
    const int x = ColumnLeft(column) + columnUnit_;
    const int y = RowTop(row);
    const COLORREF oldText = dc->SetTextColor(ink);
    const COLORREF oldBack = dc->SetBkColor(back);
    const int length = lstrlenA(text);
    dc->TextOut(x, y, text, length);
    if (underline) {
        CPen pen(PS_SOLID, 1, ink);
        CPen* oldPen = dc->SelectObject(&pen);
        const CSize extent = dc->GetTextExtent(text, length);
        dc->MoveTo(x, y + rowHeight_);
        dc->LineTo(x + extent.cx, y + rowHeight_);
        dc->SelectObject(oldPen);
    }
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);
}

}  // namespace quillet
