// Pens, symbols and legend samples drawn from a style record.
#pragma once

#include <windows.h>

#include "zelplot2d.h"

namespace zel2d_core {

// A pen for the style's line, or null for ZEL2D_LINE_NONE.
HPEN CreateStylePen(const ZelStyle& style);
// The style's symbol centred on (x, y); nothing for ZEL2D_SYMBOL_NONE.
void DrawSymbol(HDC dc, int x, int y, const ZelStyle& style);
// A legend sample in `box`: a filled box for bars, else a line across the
// middle with the symbol in its centre.
void DrawSample(HDC dc, const RECT& box, const ZelStyle& style, bool bar, COLORREF outline);
// Fills a rectangle with a colour.
void FillColor(HDC dc, const RECT& rect, COLORREF color);
// A one-pixel frame in a colour.
void FrameColor(HDC dc, const RECT& rect, COLORREF color);

}  // namespace zel2d_core
