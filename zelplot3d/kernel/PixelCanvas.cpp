#include "kernel/PixelCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Whether a line whose error term is exactly half way steps along its minor
// axis, by direction: bit 0 minor axis decreasing, bit 1 major axis
// decreasing, bit 2 y the major axis.
const int kTieSteps[8] = {0, 1, 0, 1, 0, 1, 0, 1};

}  // namespace

void PixelCanvas::Edge::Step() {
    // Integer steps of x from one scan line to the next, the remainder
    // carried in d (never a division per line).
    if (m1 > 0) {
        if (d > 0) {
            x += m1;
            d += incr1;
        } else {
            x += m;
            d += incr2;
        }
    } else {
        if (d >= 0) {
            x += m1;
            d += incr1;
        } else {
            x += m;
            d += incr2;
        }
    }
}

PixelCanvas::PixelCanvas(uint32_t* top_row, int width, int height, int row_step)
    : top_row_(top_row), width_(width), height_(height), row_step_(row_step), clip_left_(0), clip_top_(0),
      clip_right_(width), clip_bottom_(height) {}

void PixelCanvas::SetClip(int left, int top, int right, int bottom) {
    clip_left_ = std::max(left, 0);
    clip_top_ = std::max(top, 0);
    clip_right_ = std::min(right, width_);
    clip_bottom_ = std::min(bottom, height_);
}

void PixelCanvas::Span(int y, int x_from, int x_to, uint32_t pixel) {
    if (y < clip_top_ || y >= clip_bottom_) return;
    x_from = std::max(x_from, clip_left_);
    x_to = std::min(x_to, clip_right_);
    if (x_from >= x_to) return;
    std::fill(Row(y) + x_from, Row(y) + x_to, pixel);
}

void PixelCanvas::FillRectangle(int left, int top, int right, int bottom, uint32_t pixel) {
    top = std::max(top, clip_top_);
    bottom = std::min(bottom, clip_bottom_);
    for (int y = top; y < bottom; ++y) Span(y, left, right, pixel);
}

void PixelCanvas::FillPolygon(const CanvasPoint* points, int count, uint32_t pixel, bool winding) {
    if (count < 3) return;
    edges_.clear();
    int y_end = points[0].y;
    for (int k = 0; k < count; ++k) {
        const CanvasPoint& a = points[k];
        const CanvasPoint& b = points[(k + 1) % count];
        y_end = std::max(y_end, a.y);
        if (a.y == b.y) continue;  // horizontal edges bound no span
        const CanvasPoint& top = a.y < b.y ? a : b;
        const CanvasPoint& bottom = a.y < b.y ? b : a;
        Edge e;
        e.y_top = top.y;
        e.y_last = bottom.y - 1;
        e.x = top.x;
        e.dy = bottom.y - top.y;
        e.direction = a.y < b.y ? 1 : -1;
        int dx = bottom.x - top.x;
        e.m = dx / e.dy;
        if (dx < 0) {
            e.m1 = e.m - 1;
            e.incr1 = -2 * dx + 2 * e.dy * e.m1;
            e.incr2 = -2 * dx + 2 * e.dy * e.m;
            e.d = 2 * e.m * e.dy - 2 * dx - 2 * e.dy;
        } else {
            e.m1 = e.m + 1;
            e.incr1 = 2 * dx - 2 * e.dy * e.m1;
            e.incr2 = 2 * dx - 2 * e.dy * e.m;
            e.d = -2 * e.m * e.dy + 2 * dx;
        }
        edges_.push_back(e);
    }
    if (edges_.empty()) return;
    pending_.clear();
    for (Edge& e : edges_) pending_.push_back(&e);
    std::sort(pending_.begin(), pending_.end(), [](const Edge* a, const Edge* b) { return a->y_top < b->y_top; });
    active_.clear();
    size_t next = 0;
    auto by_x = [](const Edge* a, const Edge* b) { return a->x < b->x; };
    for (int y = pending_.front()->y_top; y < y_end; ++y) {
        while (next < pending_.size() && pending_[next]->y_top == y) active_.push_back(pending_[next++]);
        if (active_.empty()) {
            if (next == pending_.size()) break;
            y = pending_[next]->y_top - 1;  // on to the next edge's first line
            continue;
        }
        // Few edges are active at once: insertion order is kept sorted.
        for (size_t k = 1; k < active_.size(); ++k)
            for (size_t n = k; n > 0 && by_x(active_[n], active_[n - 1]); --n) std::swap(active_[n], active_[n - 1]);
        if (winding) {
            int turns = 0;
            int from = 0;
            for (const Edge* e : active_) {
                int before = turns;
                turns += e->direction;
                if (before == 0 && turns != 0) from = e->x;
                else if (before != 0 && turns == 0) Span(y, from, e->x, pixel);
            }
        } else {
            for (size_t k = 0; k + 1 < active_.size(); k += 2) Span(y, active_[k]->x, active_[k + 1]->x, pixel);
        }
        size_t kept = 0;
        for (Edge* e : active_) {
            if (e->y_last == y) continue;
            e->Step();
            active_[kept++] = e;
        }
        active_.resize(kept);
        if (active_.empty() && next == pending_.size()) break;
    }
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2, uint32_t pixel) {
    int dx = x2 - x1, dy = y2 - y1;
    int adx = std::abs(dx), ady = std::abs(dy);
    if (adx == 0 && ady == 0) return;
    bool x_major = adx >= ady;
    int major = x_major ? adx : ady, minor = x_major ? ady : adx;
    int major_step = (x_major ? dx : dy) < 0 ? -1 : 1;
    int minor_step = (x_major ? dy : dx) < 0 ? -1 : 1;
    int bias = kTieSteps[(minor_step < 0 ? 1 : 0) | (major_step < 0 ? 2 : 0) | (x_major ? 0 : 4)];
    int err = 2 * minor - major;
    int& step_x = x_major ? major_step : minor_step;
    int& step_y = x_major ? minor_step : major_step;
    int x = x1, y = y1;
    for (int n = 0; n < major; ++n) {
        if (x >= clip_left_ && x < clip_right_ && y >= clip_top_ && y < clip_bottom_) Row(y)[x] = pixel;
        if (err + bias > 0) {
            if (x_major) y += step_y;
            else x += step_x;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        if (x_major) x += step_x;
        else y += step_y;
    }
}

void PixelCanvas::Polyline(const CanvasPoint* points, int count, uint32_t pixel) {
    for (int k = 0; k + 1 < count; ++k) Line(points[k].x, points[k].y, points[k + 1].x, points[k + 1].y, pixel);
}
