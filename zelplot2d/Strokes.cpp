#include "Strokes.h"

#include <algorithm>

namespace zel2d_core {

HPEN CreateStylePen(const ZelStyle& style) {
    int pen_style;
    switch (style.pattern) {
    case ZEL2D_LINE_NONE: return nullptr;
    case ZEL2D_LINE_DOTTED: pen_style = PS_DOT; break;
    case ZEL2D_LINE_DASH_DOT: pen_style = PS_DASHDOT; break;
    case ZEL2D_LINE_DASHED: pen_style = PS_DASH; break;
    default: pen_style = PS_SOLID; break;
    }
    const int width = std::clamp(style.width, 1, 20);
    if (pen_style != PS_SOLID && width > 1) {
        // A wide pen keeps its pattern only as a geometric pen.
        LOGBRUSH brush = {BS_SOLID, COLORREF(style.color), 0};
        return ExtCreatePen(PS_GEOMETRIC | pen_style | PS_ENDCAP_FLAT, width, &brush, 0, nullptr);
    }
    return CreatePen(pen_style, width, COLORREF(style.color));
}

void DrawSymbol(HDC dc, int x, int y, const ZelStyle& style) {
    if (style.symbol == ZEL2D_SYMBOL_NONE) return;
    const int half = std::clamp(style.symbol_size, 1, 40) / 2;
    const COLORREF color = COLORREF(style.symbol_color);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    switch (style.symbol) {
    case ZEL2D_SYMBOL_BOX:
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, x - half, y - half, x + half + 1, y + half + 1);
        break;
    case ZEL2D_SYMBOL_TRIANGLE: {
        POINT corners[3] = {{x, y - half}, {x + half, y + half}, {x - half, y + half}};
        Polygon(dc, corners, 3);
        break;
    }
    case ZEL2D_SYMBOL_DIAMOND: {
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        POINT corners[4] = {{x, y - half}, {x + half, y}, {x, y + half}, {x - half, y}};
        Polygon(dc, corners, 4);
        break;
    }
    default:  // a dot
        Ellipse(dc, x - half, y - half, x + half + 1, y + half + 1);
        break;
    }
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
    // ExtTextOut with an opaque rectangle fills without making a brush.
    const COLORREF old = SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FrameColor(HDC dc, const RECT& rect, COLORREF color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}

void DrawSample(HDC dc, const RECT& box, const ZelStyle& style, bool bar, COLORREF outline) {
    const int middle = (box.top + box.bottom) / 2;
    if (bar) {
        const int half = std::max(2, int(box.bottom - box.top) / 2 - 1);
        RECT swatch = {box.left, middle - half, box.right, middle + half};
        FillColor(dc, swatch, COLORREF(style.color));
        FrameColor(dc, swatch, outline);
        return;
    }
    if (HPEN pen = CreateStylePen(style)) {
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, box.left, middle, nullptr);
        LineTo(dc, box.right, middle);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    DrawSymbol(dc, (box.left + box.right) / 2, middle, style);
}

}  // namespace zel2d_core
