#include "common/ui/ColorButton.h"

#include "common/Assertion.h"
#include "common/ui/ColorSchemes.h"

namespace {

const char kAssertModule[] = "ColorButton";

// The gradient fill all colour buttons paint with, taken when the first
// button is made and dropped when the last one goes.
GradientFillProc g_gradientFill = nullptr;
int g_buttonCount = 0;

// A line up the left edge and along the top in `topLeft`, then down the
// right edge and back along the bottom in `bottomRight`.
void FramePair(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    HPEN first = ::CreatePen(PS_SOLID, 1, topLeft);
    HGDIOBJ old = ::SelectObject(dc, first);
    ::MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    ::LineTo(dc, r.left, r.top);
    ::LineTo(dc, r.right - 1, r.top);
    HPEN second = ::CreatePen(PS_SOLID, 1, bottomRight);
    ::SelectObject(dc, second);
    ::LineTo(dc, r.right - 1, r.bottom - 1);
    ::LineTo(dc, r.left - 1, r.bottom - 1);
    ::SelectObject(dc, old);
    ::DeleteObject(first);
    ::DeleteObject(second);
}

RECT Shrunk(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
    TRIVERTEX v = {};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(c) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(c) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(c) << 8);
    return v;
}

void VerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    TRIVERTEX v[2] = {Vertex(r.left, r.top, top), Vertex(r.right, r.bottom, bottom)};
    GRADIENT_RECT g = {0, 1};
    g_gradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

// Two triangles over the rectangle split along the bottom-left to top-right
// diagonal, which blends from the top-left corner to the bottom-right.
void DiagonalGradient(HDC dc, const RECT& r, const COLORREF colours[3]) {
    TRIVERTEX v[4] = {Vertex(r.left, r.top, colours[0]), Vertex(r.right, r.top, colours[2]),
                      Vertex(r.left, r.bottom, colours[2]), Vertex(r.right, r.bottom, colours[1])};
    GRADIENT_TRIANGLE t[2] = {{0, 1, 2}, {1, 3, 2}};
    g_gradientFill(dc, v, 4, t, 2, GRADIENT_FILL_TRIANGLE);
}

}  // namespace

IMPLEMENT_DYNAMIC(CColorButton, CButton)

BEGIN_MESSAGE_MAP(CColorButton, CButton)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(kMsgIsColorButton, OnIsColorButton)
END_MESSAGE_MAP()

CColorButton::CColorButton() {
    if (g_buttonCount++ == 0) g_gradientFill = AppColorsGetGradientFillProc();
}

CColorButton::~CColorButton() {
    if (--g_buttonCount == 0) g_gradientFill = nullptr;
}

void CColorButton::DrawItem(LPDRAWITEMSTRUCT item) {
    APP_ASSERT(item != nullptr);
    APP_ASSERT(item->hDC != nullptr);
    const HDC dc = item->hDC;
    const RECT& rect = item->rcItem;
    const int savedDC = ::SaveDC(dc);
    if (item->itemState & ODS_SELECTED) {
        DrawPressed(dc, rect);
    } else if (item->itemState & ODS_FOCUS) {
        DrawDefault(dc, rect);
        DrawFocusDots(dc, rect);
    } else if (item->itemState & ODS_DISABLED) {
        DrawDisabled(dc, rect);
    } else if (hasFocus_) {
        DrawDefault(dc, rect);
    } else {
        DrawNormal(dc, rect, true);
    }
    ::RestoreDC(dc, savedDC);
}

void CColorButton::DrawNormal(HDC dc, const RECT& rect, bool withText) {
    FramePair(dc, rect, RGB(255, 255, 255), RGB(0, 0, 0));
    FramePair(dc, Shrunk(rect, 1), highlightColor, shadowColor);
    FillFace(dc, Shrunk(rect, 2));
    if (withText) DrawCaption(dc, rect, textColor);
}

void CColorButton::DrawDefault(HDC dc, const RECT& rect) {
    FramePair(dc, rect, RGB(0, 0, 0), RGB(0, 0, 0));
    DrawNormal(dc, Shrunk(rect, 1), true);
}

void CColorButton::DrawPressed(HDC dc, const RECT& rect) {
    FramePair(dc, rect, RGB(0, 0, 0), RGB(0, 0, 0));
    FramePair(dc, Shrunk(rect, 1), shadowColor, shadowColor);
    FillFace(dc, Shrunk(rect, 2));
    RECT shifted = rect;
    shifted.left += 2;
    shifted.top += 2;
    DrawCaption(dc, shifted, textColor);
    DrawFocusDots(dc, rect);
}

// An engraved caption: a light copy two pixels to the right under the grey
// text.
void CColorButton::DrawDisabled(HDC dc, const RECT& rect) {
    DrawNormal(dc, rect, false);
    RECT highlight = rect;
    highlight.left += 2;
    DrawCaption(dc, highlight, disabledTextHighlight);
    RECT text = rect;
    text.bottom -= 2;
    DrawCaption(dc, text, disabledTextColor);
}

// Every second pixel around the rectangle shrunk by 4; each side's run
// starts one pixel later when the corner it turns at is already dotted, so
// the dots keep alternating around the corners.
void CColorButton::DrawFocusDots(HDC dc, const RECT& rect) {
    const RECT r = Shrunk(rect, 4);
    if (r.right - r.left < 2 || r.bottom - r.top < 2) return;
    const COLORREF colour = textColor & 0xFFFFFF;
    auto startAfter = [&](int x, int y) { return (::GetPixel(dc, x, y) & 0xFFFFFF) == colour ? 2 : 1; };
    const int right = r.right - 1, bottom = r.bottom - 1;
    for (int x = r.left + startAfter(r.left, r.top); x <= right; x += 2) ::SetPixelV(dc, x, r.top, colour);
    for (int y = r.top + startAfter(right, r.top); y <= bottom; y += 2) ::SetPixelV(dc, right, y, colour);
    for (int x = right - startAfter(right, bottom); x >= r.left; x -= 2) ::SetPixelV(dc, x, bottom, colour);
    for (int y = bottom - startAfter(r.left, bottom); y > r.top; y -= 2) ::SetPixelV(dc, r.left, y, colour);
}

void CColorButton::FillFace(HDC dc, const RECT& rect) {
    if (g_gradientFill == nullptr || faceStyle == kSolidFace) {
        CDC::FromHandle(dc)->FillSolidRect(&rect, faceColor);
        return;
    }
    switch (faceStyle) {
    case kVerticalFace:
    case kVerticalInnerFace:
        VerticalGradient(dc, rect, outerGradient[0], outerGradient[1]);
        if (faceStyle == kVerticalInnerFace) VerticalGradient(dc, Shrunk(rect, 2), innerGradient[0], innerGradient[1]);
        break;
    case kDiagonalFace:
    case kDiagonalInnerFace:
        DiagonalGradient(dc, rect, outerGradient);
        if (faceStyle == kDiagonalInnerFace) DiagonalGradient(dc, Shrunk(rect, 2), innerGradient);
        break;
    default:
        APP_ASSERT(false);
    }
}

void CColorButton::DrawCaption(HDC dc, RECT rect, COLORREF colour) {
    CString caption;
    GetWindowText(caption);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colour);
    ::DrawTextA(dc, caption, caption.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CColorButton::NotifyFocusChange() {
    APP_ASSERT(notifyWindow != nullptr);
    notifyWindow->PostMessage(kMsgColorButtonFocus);
}

void CColorButton::OnSetFocus(CWnd* oldWnd) {
    CButton::OnSetFocus(oldWnd);
    hasFocus_ = 1;
    NotifyFocusChange();
}

void CColorButton::OnKillFocus(CWnd* newWnd) {
    CButton::OnKillFocus(newWnd);
    hasFocus_ = 0;
    if (newWnd == nullptr || newWnd->SendMessage(kMsgIsColorButton) == 0) NotifyFocusChange();
}

LRESULT CColorButton::OnIsColorButton(WPARAM, LPARAM) { return 1; }
