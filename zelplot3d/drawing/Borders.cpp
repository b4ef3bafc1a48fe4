#include "drawing/Borders.h"

#include <algorithm>

#include "device/DeviceOps.h"
#include "drawing/DrawHelpers.h"

namespace {

constexpr int kBlack = 0;
constexpr int kWhite = 0xFFFFFF;

class BorderPainter {
public:
    BorderPainter(Zel3dChart* chart, ColorRecord* record, int foreground)
        : chart_(chart), ops_(zel3d_ops(chart)), record_(record), foreground_(foreground),
          one_bit_(chart->device_depth < 2) {}

    void Draw(int x, int y, int w, int h, int style, int e) {
        if (style == kBorderNone || e == 0) return;
        ops_.set_line_attributes(&chart_->device, 0, 1, 2, 3);
        int right = std::max(x + w - e - 1, x + e), bottom = std::max(y + h - e - 1, y + e);
        int inner_w = std::max(w - e, 0), inner_h = std::max(h - e, 0);
        switch (style) {
        case kBorder3dOut:
        case kBorder3dIn: Band(x, y, w, h, e, style == kBorder3dOut); break;
        case kBorderShadow:
            if (!one_bit_) Band(x, y, inner_w, inner_h, 1, true);
            Stippled(x + e, bottom + 1, inner_w, e);
            Stippled(right + 1, y + e, e, inner_h);
            if (one_bit_) Plain(x, y, inner_w, inner_h, 1, foreground_, false);
            break;
        case kBorderPlain: Plain(x, y, w, h, e, foreground_, true); break;
        case kBorderEtchedIn:
        case kBorderEtchedOut: {
            int outer = (e + 1) / 2;
            bool outer_raised = style == kBorderEtchedOut;
            Band(x, y, w, h, outer, outer_raised);
            Band(x + outer, y + outer, w - 2 * outer, h - 2 * outer, e - outer, !outer_raised);
            break;
        }
        case kBorderFrameIn:
        case kBorderFrameOut: {
            int outer = e / 2, rest = e - outer;
            bool raised = style == kBorderFrameOut;
            Band(x, y, w, h, outer, raised);
            Plain(x + outer, y + outer, w - 2 * outer, h - 2 * outer, rest, AreaColor(), true);
            if (rest < 4) {
                Band(x + outer, y + outer, w - 2 * outer, h - 2 * outer, rest, !raised);
                break;
            }
            Band(x + outer + 1, y + outer + 1, w - 2 * outer - 2, h - 2 * outer - 2, 1, true);
            ClosingLine(x, y, w, h, e);
            break;
        }
        case kBorderBevel:
            Plain(x, y, w, h, e, AreaColor(), true);
            Band(x + 1, y + 1, w - 2, h - 2, 1, true);
            ClosingLine(x, y, w, h, e);
            break;
        default: break;
        }
        ops_.set_fill_style(&chart_->device, kFillSolid);
        ops_.set_line_attributes(&chart_->device, 0, 1, 2, 3);
    }

private:
    int AreaColor() const { return record_->color; }

    // A raised or sunken band: two six-point polygons, the top-left one
    // light and the bottom-right one dark when raised.
    void Band(int x, int y, int w, int h, int e, bool raised) {
        if (e <= 0) return;
        int right = std::max(x + w - e - 1, x + e), bottom = std::max(y + h - e - 1, y + e);
        const POINT top_left[6] = {{x + e, bottom + 1}, {x, y + h}, {x, y}, {x + w, y}, {right + 1, y + e},
                                   {x + e, y + e}};
        const POINT bottom_right[6] = {{x + e, bottom + 1}, {x, y + h}, {x + w, y + h}, {x + w, y},
                                       {right + 1, y + e}, {right + 1, bottom + 1}};
        FillShade(top_left, raised);
        FillShade(bottom_right, !raised);
    }

    void FillShade(const POINT (&polygon)[6], bool light) {
        if (one_bit_) {
            // No shades on a one-bit device: black, or black through the
            // 50 % stipple.
            ops_.set_foreground(&chart_->device, kBlack);
            ops_.set_background(&chart_->device, kWhite);
            if (light) ops_.set_stipple(&chart_->device, 0);
            else zel3d_set_fill(chart_, kBlack);
        } else {
            int dark = zel3d_border_shades(record_);
            zel3d_set_fill(chart_, light ? record_->shade_light : dark);
        }
        ops_.fill_polygon(&chart_->device, polygon, 6, 0, kCoordAbsolute);
        if (one_bit_ && light) ops_.set_fill_style(&chart_->device, kFillSolid);
    }

    // A plain band: an outline of the band's width in one colour.
    void Plain(int x, int y, int w, int h, int e, int color, bool full_width) {
        ops_.set_foreground(&chart_->device, color);
        ops_.set_line_attributes(&chart_->device, full_width ? e : 0, 1, 2, 1);
        ops_.rectangle(&chart_->device, x + e / 2, y + e / 2, std::max(w - e, 0), std::max(h - e, 0));
        ops_.set_line_attributes(&chart_->device, 0, 1, 2, 3);
    }

    // Black through the 50 % stipple, ANDed into what is there.
    void Stippled(int x, int y, int w, int h) {
        ops_.set_foreground(&chart_->device, kBlack);
        ops_.set_background(&chart_->device, kWhite);
        ops_.set_stipple(&chart_->device, 0);
        ops_.set_fill_style(&chart_->device, kFillStippled);
        ops_.fill_rectangle(&chart_->device, x, y, w, h);
        ops_.set_fill_style(&chart_->device, kFillSolid);
    }

    void ClosingLine(int x, int y, int w, int h, int e) {
        Band(x + e - 1, y + e - 1, w - 2 * e + 2, h - 2 * e + 2, 1, false);
    }

    Zel3dChart* chart_;
    const DeviceOps& ops_;
    ColorRecord* record_;
    int foreground_;
    bool one_bit_;
};

}  // namespace

void zel3d_draw_border(Zel3dChart* chart, int x, int y, int width, int height, int style, int border_width,
                       ColorRecord* record, int foreground) {
    BorderPainter(chart, record, foreground).Draw(x, y, width, height, style, border_width);
}

void zel3d_draw_chart_border(Zel3dChart* chart) {
    if (chart->border_width <= 0) return;
    int m = chart->scene.outer_margin;
    zel3d_draw_border(chart, m, m, chart->width - 2 * m, chart->height - 2 * m, chart->border, chart->border_width,
                      &chart->background, chart->foreground.color);
}
