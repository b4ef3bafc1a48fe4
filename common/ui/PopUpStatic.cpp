#include "common/ui/PopUpStatic.h"

#include <mmsystem.h>

#include "common/Assertion.h"
#include "common/ui/FieldHost.h"

namespace {
const char kAssertModule[] = "PopUpStatic";
const int kFlashSteps = 4;
const DWORD kFlashStepMs = 20;
}  // namespace

IMPLEMENT_DYNAMIC(CPopUpStatic, CStatic)

BEGIN_MESSAGE_MAP(CPopUpStatic, CStatic)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

void CPopUpStatic::SetText(LPCSTR text) {
    APP_ASSERT(text != nullptr);
    text_ = text;
    SetWindowText(text);
    Invalidate(TRUE);
    UpdateWindow();
}

int CPopUpStatic::SetEnabled(bool enabled) {
    if ((IsWindowEnabled() != FALSE) != enabled) {
        EnableWindow(enabled);
        Invalidate(TRUE);
        UpdateWindow();
    }
    return 1;
}

COLORREF CPopUpStatic::GetTextColor() const {
    return FieldColor(IsWindowEnabled() ? textSlot_ : disabledTextSlot_);
}

void CPopUpStatic::SetColorSlots(int background, int text, int focusedBackground, int focusedText,
                                 int disabledText, int disabledShadow) {
    backgroundSlot_ = background;
    textSlot_ = text;
    focusedBackgroundSlot_ = focusedBackground;
    focusedTextSlot_ = focusedText;
    disabledTextSlot_ = disabledText;
    disabledShadowSlot_ = disabledShadow;
}

void CPopUpStatic::OnSetFocus(CWnd* oldWnd) {
    CStatic::OnSetFocus(oldWnd);
    Invalidate(TRUE);
}

void CPopUpStatic::OnKillFocus(CWnd* newWnd) {
    CStatic::OnKillFocus(newWnd);
    Invalidate(TRUE);
}

void CPopUpStatic::OnMouseMove(UINT flags, CPoint point) {
    if (::GetFocus() != m_hWnd) {
        SetFocus();
        const UINT sound = GetFieldHoverSound();
        if (soundOn_ && sound != 0)
            ::PlaySoundA(MAKEINTRESOURCEA(sound), AfxGetResourceHandle(), SND_RESOURCE | SND_ASYNC);
        flashArmed_ = true;
    }
    CStatic::OnMouseMove(flags, point);
}

void CPopUpStatic::OnPaint() {
    CPaintDC dc(this);
    CRect area;
    GetClientRect(&area);
    const bool focused = ::GetFocus() == m_hWnd;
    if (focused && flashArmed_) {
        flashArmed_ = false;
        Flash(dc, area, FieldColor(focusedBackgroundSlot_));
    } else {
        dc.FillSolidRect(&area, FieldColor(focused ? focusedBackgroundSlot_ : backgroundSlot_));
    }

    CWnd* parent = GetParent();
    APP_ASSERT(parent != nullptr);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(parent->m_hWnd, WM_GETFONT, 0, 0));
    APP_ASSERT(font != nullptr);
    HGDIOBJ oldFont = ::SelectObject(dc.m_hDC, font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    COLORREF oldColor;
    if (IsWindowEnabled()) {
        oldColor = dc.SetTextColor(FieldColor(focused ? focusedTextSlot_ : textSlot_));
        dc.DrawText(text_, -1, &area, multiLine_ ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER));
    } else {
        APP_ASSERT(!multiLine_);
        CRect shadow = area;
        shadow.left += 1;
        oldColor = dc.SetTextColor(FieldColor(disabledShadowSlot_));
        dc.DrawText(text_, -1, &shadow, DT_SINGLELINE | DT_VCENTER);
        CRect face = area;
        face.bottom -= 2;
        dc.SetTextColor(FieldColor(disabledTextSlot_));
        dc.DrawText(text_, -1, &face, DT_SINGLELINE | DT_VCENTER);
    }
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColor);
    ::SelectObject(dc.m_hDC, oldFont);
}

void CPopUpStatic::Flash(CDC& dc, const CRect& area, COLORREF colour) {
    const int dx = area.Width() / 8, dy = area.Height() / 8;
    CRect step = area;
    step.InflateRect(-3 * dx, -3 * dy);
    for (int i = 0; i < kFlashSteps; ++i) {
        dc.FillSolidRect(&step, colour);
        ::GdiFlush();
        PreciseDelay(kFlashStepMs);
        step.InflateRect(dx, dy);
    }
}

void CPopUpStatic::PreciseDelay(DWORD ms) {
    LARGE_INTEGER frequency;
    if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0) {
        ::Sleep(ms);
        return;
    }
    const LONGLONG counts = static_cast<LONGLONG>(ms) * frequency.QuadPart / 1000;
    LARGE_INTEGER start, now;
    ::QueryPerformanceCounter(&start);
    for (;;) {
        ::QueryPerformanceCounter(&now);
        if (now.QuadPart < start.QuadPart) start = now;  // the counter went back
        if (now.QuadPart - start.QuadPart >= counts) return;
    }
}
