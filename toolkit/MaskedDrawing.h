// Drawing steps shared by the self-drawn toolbar buttons and the bitmap
// menus: solid fills, a monochrome mask of an image's own pixels, and
// brushes drawn through such a mask (embossing, dithered backgrounds).
#pragma once

#include <windows.h>

// Raster operations of the masked drawing, with the mask as source: the
// pattern where the mask is black (the image's own pixels), and the
// pattern where it is white.
constexpr DWORD SEC_ROP_PATTERN_ON_BLACK = 0xB8074A;
constexpr DWORD SEC_ROP_PATTERN_ON_WHITE = 0xE20746;

void SECFillSolid(HDC dc, const RECT& rect, COLORREF colour);
// Makes the mono `maskDc` black where `source` (cx by cy from 0, 0) is
// neither the button face nor the highlight colour, white elsewhere.
void SECMaskImagePixels(HDC maskDc, HDC source, int cx, int cy);
// Draws `brush` onto `dc` at (x, y) through the mono mask in `maskDc`.
void SECBrushThroughMask(HDC dc, int x, int y, int cx, int cy, HDC maskDc, HBRUSH brush, DWORD rop);
