#include "torvane/results/Dimension.h"

#include <cstdio>

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "Dimension.cpp";

namespace {

constexpr COLORREF kTickGrey = 0x808080;
constexpr int kOutsideLength = 10;
constexpr int kLeaderLength = 10;
constexpr int kNarrowestSpan = 12;

// Terminator directions: toward +x, -x, +y, -y.
enum Direction { kTowardRight = 0, kTowardLeft = 1, kTowardDown = 2, kTowardUp = 3 };

}  // namespace

CDimension::CDimension(int kind, int placement, int extension, const char* label, const char* format)
    : kind_(kind), extension_(0), format_(format), label_(label), placement_(placement), fallback_(placement) {
    APP_ASSERT(label != nullptr || format != nullptr);
    SetExtension(extension);
    if (fallback_ == kAutomatic) fallback_ = Vertical() ? kTextAbove : kTextLeft;
}

void CDimension::SetColors(COLORREF dimensionLine, COLORREF extensionLine, COLORREF text) {
    dimensionColor_ = dimensionLine;
    extensionColor_ = extensionLine;
    textColor_ = text;
}

void CDimension::SetFallbackSide(int side) { fallback_ = side; }

void CDimension::SetExtension(int pixels) {
    APP_ASSERT(pixels >= 0);
    extension_ = pixels;
}

CString CDimension::Text(float value) const {
    char number[64] = "";
    if (format_) std::snprintf(number, sizeof number, format_, double(value));
    CString text;
    if (label_ && format_) text.Format("%s:%s", label_, number);
    else if (format_) text = number;
    else text = label_;
    return text;
}

CDimension::Choice CDimension::Choose(int span, int extent) const {
    const int room = Vertical() ? extent + 14 : extent + 16;
    const int near_style = span < kNarrowestSpan ? kOutside : kSpanning;
    if (placement_ == kAutomatic) {
        if (span < room) return {Style(near_style), fallback_};
        return {kSplit, kAutomatic};
    }
    if (Vertical()) APP_ASSERT(placement_ == kTextAbove || placement_ == kTextBelow);
    else APP_ASSERT(placement_ == kTextLeft || placement_ == kTextRight);
    return {Style(near_style), placement_};
}

void CDimension::DrawLine(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2) const {
    HPEN pen = ::CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = dc->SelectObject(HGDIOBJ(pen));
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    dc->SelectObject(old);
    ::DeleteObject(pen);
}

void CDimension::DrawExtensionLines(CDC* dc, int x1, int y1, int x2, int y2) const {
    if (!Vertical()) {
        APP_ASSERT(x2 >= x1);
        const int from = kind_ == kBelow ? 4 : -4;
        const int to = kind_ == kBelow ? 4 + extension_ : -4 - extension_;
        DrawLine(dc, extensionColor_, x1, y1 + from, x1, y1 + to);
        DrawLine(dc, extensionColor_, x2, y2 + from, x2, y2 + to);
    } else {
        APP_ASSERT(y2 >= y1);
        const int from = kind_ == kRight ? 4 : -4;
        const int to = kind_ == kRight ? 4 + extension_ : -4 - extension_;
        DrawLine(dc, extensionColor_, x1 + from, y1, x1 + to, y1);
        DrawLine(dc, extensionColor_, x2 + from, y2, x2 + to, y2);
    }
}

void CDimension::DrawTerminator(CDC* dc, int x, int y, int direction, int length) const {
    switch (direction) {
    case kTowardRight:
        DrawLine(dc, kTickGrey, x + 1, y - 1, x + 1, y + 2);
        DrawLine(dc, dimensionColor_, x, y, x + length, y);
        DrawLine(dc, dimensionColor_, x + 2, y - 1, x + 2, y + 2);
        break;
    case kTowardLeft:
        DrawLine(dc, kTickGrey, x - 1, y - 1, x - 1, y + 2);
        DrawLine(dc, dimensionColor_, x, y, x - length, y);
        DrawLine(dc, dimensionColor_, x - 2, y - 1, x - 2, y + 2);
        break;
    case kTowardDown:
        DrawLine(dc, kTickGrey, x - 1, y + 1, x + 2, y + 1);
        DrawLine(dc, dimensionColor_, x, y, x, y + length);
        DrawLine(dc, dimensionColor_, x - 1, y + 2, x + 2, y + 2);
        break;
    default:
        DrawLine(dc, kTickGrey, x - 1, y - 1, x + 2, y - 1);
        DrawLine(dc, dimensionColor_, x, y, x, y - length);
        DrawLine(dc, dimensionColor_, x - 1, y - 2, x + 2, y - 2);
        break;
    }
}

void CDimension::DrawDimension(CDC* dc, const CString& text, int x1, int y1, int x2, int y2) const {
    const CSize extent = dc->GetTextExtent(text, text.GetLength());
    const bool vertical = Vertical();
    const int span = vertical ? y2 - y1 : x2 - x1;
    const int gap = vertical ? extent.cy + 2 : extent.cx + 4;
    const Choice choice = Choose(span, vertical ? extent.cy : extent.cx);
    const int inward = choice.style == kSplit ? (span - gap) / 2 : span / 2;
    if (!vertical) {
        if (choice.style == kOutside) {
            DrawTerminator(dc, x1 - 1, y1, kTowardLeft, kOutsideLength);
            DrawTerminator(dc, x2 + 1, y2, kTowardRight, kOutsideLength);
        } else {
            DrawTerminator(dc, x1 + 1, y1, kTowardRight, inward);
            DrawTerminator(dc, x2 - 1, y2, kTowardLeft, inward);
        }
        if (choice.style == kSpanning) {
            if (choice.side == kTextLeft) DrawLine(dc, dimensionColor_, x1 - 1, y1, x1 - kLeaderLength, y1);
            else DrawLine(dc, dimensionColor_, x2 + 1, y2, x2 + kLeaderLength, y2);
        }
    } else {
        if (choice.style == kOutside) {
            DrawTerminator(dc, x1, y1 - 1, kTowardUp, kOutsideLength);
            DrawTerminator(dc, x2, y2 + 1, kTowardDown, kOutsideLength);
        } else {
            DrawTerminator(dc, x1, y1 + 1, kTowardDown, inward);
            DrawTerminator(dc, x2, y2 - 1, kTowardUp, inward);
        }
        if (choice.style == kSpanning) {
            if (choice.side == kTextAbove) DrawLine(dc, dimensionColor_, x1, y1 - 1, x1, y1 - kLeaderLength);
            else DrawLine(dc, dimensionColor_, x2, y2 + 1, x2, y2 + kLeaderLength);
        }
    }

    const int old_mode = dc->SetBkMode(TRANSPARENT);
    const COLORREF old_color = dc->SetTextColor(textColor_);
    const UINT old_align = dc->SetTextAlign(0);
    const UINT single = DT_SINGLELINE | DT_NOCLIP;
    CRect box;
    UINT format = single | DT_VCENTER;
    if (!vertical) {
        switch (choice.side) {
        case kTextLeft: box = CRect(x1 - 12, y1 - 1, x1 - 11, y1 + 1), format |= DT_RIGHT; break;
        case kTextRight: box = CRect(x2 + 12, y1 - 1, x2 + 13, y1 + 1), format |= DT_LEFT; break;
        default: box = CRect(x1, y1 - 1, x2, y1 + 1), format |= DT_CENTER; break;
        }
    } else {
        switch (choice.side) {
        case kTextAbove: box = CRect(x1 - 1, y1 - 10 - extent.cy, x1 + 1, y1 - 10), format = single | DT_CENTER | DT_BOTTOM; break;
        case kTextBelow: box = CRect(x1 - 1, y2 + 10, x1 + 1, y2 + 10 + extent.cy), format = single | DT_CENTER | DT_TOP; break;
        default: box = CRect(x1 - 1, y1, x1 + 1, y2), format |= DT_CENTER; break;
        }
    }
    dc->DrawText(text, box, format);
    ::GdiFlush();
    dc->SetTextAlign(old_align);
    dc->SetTextColor(old_color);
    dc->SetBkMode(old_mode);
}

void CDimension::Draw(CDC* dc, float value, int x1, int y1, int x2, int y2) {
    APP_ASSERT(dc != nullptr);
    APP_ASSERT(kind_ >= kAbove && kind_ <= kLeft);
    DrawExtensionLines(dc, x1, y1, x2, y2);
    switch (kind_) {
    case kAbove: y1 -= extension_, y2 -= extension_; break;
    case kBelow: y1 += extension_, y2 += extension_; break;
    case kRight: x1 += extension_, x2 += extension_; break;
    default: x1 -= extension_, x2 -= extension_; break;
    }
    DrawDimension(dc, Text(value), x1, y1, x2, y2);
}

int CDimension::DrawInData(CDC* dc, CChart2D* owner, float value, float x1, float y1, float x2, float y2) {
    APP_ASSERT(dc != nullptr);
    APP_ASSERT(owner != nullptr);
    POINT first = {-1, -1}, second = {-1, -1};
    ZelUnmap(owner->m_chart, 1, x1, y1, &first);
    ZelUnmap(owner->m_chart, 1, x2, y2, &second);
    if (first.x == -1 || first.y == -1 || second.x == -1 || second.y == -1) return -1;
    Draw(dc, value, first.x, first.y, second.x, second.y);
    return 1;
}

}  // namespace torvane
