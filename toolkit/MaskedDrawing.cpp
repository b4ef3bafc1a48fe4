#include "MaskedDrawing.h"

void SECFillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const COLORREF old = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

void SECMaskImagePixels(HDC maskDc, HDC source, int cx, int cy) {
    ::PatBlt(maskDc, 0, 0, cx, cy, WHITENESS);
    const COLORREF old = ::SetBkColor(source, ::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(maskDc, 0, 0, cx, cy, source, 0, 0, SRCCOPY);
    ::SetBkColor(source, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::BitBlt(maskDc, 0, 0, cx, cy, source, 0, 0, SRCPAINT);
    ::SetBkColor(source, old);
}

void SECBrushThroughMask(HDC dc, int x, int y, int cx, int cy, HDC maskDc, HBRUSH brush, DWORD rop) {
    // Mono to colour: the mask's black reads as the text colour, its white
    // as the background; black and white keep them all-zero and all-one.
    const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    ::BitBlt(dc, x, y, cx, cy, maskDc, 0, 0, rop);
    ::SelectObject(dc, oldBrush);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}
