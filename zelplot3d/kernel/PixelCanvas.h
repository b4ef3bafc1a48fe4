// Filled polygons and thin lines drawn straight into 32-bit pixel rows,
// with the pixel rules of the system's own drawing: a polygon covers the
// pixels of the scan lines from its top edge down to, but not including,
// its bottom edge, and on each line from a left edge up to, but not
// including, a right edge (even-odd or winding); a thin line covers its
// first point and every step up to, but not including, its last.
#pragma once

#include <cstdint>
#include <vector>

struct CanvasPoint {
    int32_t x;
    int32_t y;
};

class PixelCanvas {
public:
    // `top_row` is the first byte of row 0; `row_step` the signed distance
    // in pixels from one row to the next.
    PixelCanvas(uint32_t* top_row, int width, int height, int row_step);

    // Pixels outside [left, right) x [top, bottom) are never touched (the
    // box is cut to the canvas).
    void SetClip(int left, int top, int right, int bottom);

    // A closed polygon: the last point joins the first.
    void FillPolygon(const CanvasPoint* points, int count, uint32_t pixel, bool winding);
    void Line(int x1, int y1, int x2, int y2, uint32_t pixel);
    // Consecutive points joined; the very last point is not drawn.
    void Polyline(const CanvasPoint* points, int count, uint32_t pixel);
    void FillRectangle(int left, int top, int right, int bottom, uint32_t pixel);

    // The pixel value of a colour given as 0x00BBGGRR.
    static uint32_t PixelOf(uint32_t color) {
        return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    }

private:
    struct Edge {
        int y_top;     // first scan line
        int y_last;    // last scan line
        int x;         // x on the current scan line
        int dy;
        int m, m1;     // whole steps of x per line, and one more towards the far end
        int incr1, incr2, d;
        int direction;  // +1 running down, -1 running up (for the winding rule)
        void Step();
    };

    uint32_t* Row(int y) const { return top_row_ + intptr_t(y) * row_step_; }
    void Span(int y, int x_from, int x_to, uint32_t pixel);

    uint32_t* top_row_;
    int width_, height_, row_step_;
    int clip_left_, clip_top_, clip_right_, clip_bottom_;
    std::vector<Edge> edges_;
    std::vector<Edge*> pending_, active_;
};
