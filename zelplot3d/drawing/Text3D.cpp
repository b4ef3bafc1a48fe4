#include "drawing/Text3D.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "device/DeviceOps.h"
#include "drawing/DrawHelpers.h"
#include "kernel/StrokeFonts.h"

namespace {

constexpr int kMaxDevice = 32767;
constexpr double kTenthsPerRadian = 572.9577951308232;

POINT ToDevice(const Matrix* transform, double x, double y) {
    Point4 p = {x, y, 0.0, 1.0}, out;
    zel3d_mat_project_point(transform, &p, &out);
    return {zel3d_round_device(out.x), zel3d_round_device(out.y)};
}

// Characters outside 32-127 (and double-byte characters) count as blanks.
template <class Visit>
void ForEachCharacter(const char* text, Visit visit) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        unsigned char code = *c;
        if (IsDBCSLeadByte(code) && c[1]) ++c;
        visit(code < 32 || code > 127 || IsDBCSLeadByte(code) ? ' ' : code);
    }
}

void StrokeText(Zel3dChart* chart, const Matrix* transform, const char* text) {
    const StrokeFont& font = zel3d_stroke_font(chart->scene.stroke_font);
    double s = chart->scene.stroke_size * kTextUnit / (font.top - font.bottom);
    const DeviceOps& ops = zel3d_ops(chart);
    double pen_x = 0.0;
    std::vector<POINT> points;
    ForEachCharacter(text, [&](unsigned char code) {
        const StrokeGlyph& glyph = font.glyphs[code - kStrokeFirstChar];
        pen_x -= (glyph.left - kStrokeLetterOrigin) * s;
        const char* at = glyph.strokes;
        while (*at) {
            points.clear();
            while (at[0] && at[0] != ' ' && at[1]) {
                double x = (at[0] - kStrokeLetterOrigin) * s + pen_x;
                double y = (at[1] - kStrokeLetterOrigin) * s;
                points.push_back(ToDevice(transform, x, y));
                at += 2;
            }
            if (*at == ' ') ++at;
            if (points.empty()) continue;
            if (points[0].x > kMaxDevice) break;
            ops.lines2(&chart->device, points.data(), int(points.size()), kCoordAbsolute);
        }
        pen_x += (glyph.right - kStrokeLetterOrigin) * s;
    });
}

// A device context to measure glyphs on: the drawing DC, or a screen DC on
// metafiles and without one.
class MeasuringDC {
public:
    explicit MeasuringDC(Zel3dChart* chart) {
        dc_ = chart->device.draw_dc;
        if (!dc_ || zel3d_is_metafile_dc(dc_)) {
            screen_ = dc_ = GetDC(nullptr);
        }
        FontRecord* font = chart->scene.text_font;
        if (dc_ && font) {
            if (!font->handle) font->handle = CreateFontIndirectA(&font->logfont);
            previous_ = SelectObject(dc_, font->handle);
        }
    }
    ~MeasuringDC() {
        if (previous_) SelectObject(dc_, previous_);
        if (screen_) ReleaseDC(nullptr, screen_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HDC screen_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

const MAT2 kIdentityTransform = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};

int TrueTypeWidth(Zel3dChart* chart, const char* text) {
    MeasuringDC measuring(chart);
    TEXTMETRICA metrics;
    if (!measuring.dc() || !GetTextMetricsA(measuring.dc(), &metrics) || metrics.tmHeight <= 0) return 0;
    double advance = 0.0;
    ForEachCharacter(text, [&](unsigned char code) {
        GLYPHMETRICS glyph;
        if (GetGlyphOutlineA(measuring.dc(), code, GGO_METRICS, &glyph, 0, nullptr, &kIdentityTransform) != GDI_ERROR)
            advance += glyph.gmCellIncX;
    });
    return int(advance * chart->scene.stroke_size / metrics.tmHeight + 0.5);
}

double Fixed(const FIXED& f) { return f.value + f.fract / 65536.0; }

struct GlyphPoint {
    double x, y;
};

GlyphPoint FromFixed(const POINTFX& p) { return {Fixed(p.x), Fixed(p.y)}; }

// One glyph outline as device polygons (quadratic splines flattened).
class OutlineBuilder {
public:
    OutlineBuilder(const Matrix* transform, double scale, double shift_y, double pen_x)
        : transform_(transform), scale_(scale), shift_y_(shift_y), pen_x_(pen_x) {}

    // The contours of a GGO_NATIVE buffer.
    void Add(const BYTE* buffer, DWORD size) {
        const BYTE* end = buffer + size;
        while (buffer + sizeof(TTPOLYGONHEADER) <= end) {
            const TTPOLYGONHEADER* header = reinterpret_cast<const TTPOLYGONHEADER*>(buffer);
            const BYTE* contour_end = buffer + header->cb;
            if (header->cb < sizeof(TTPOLYGONHEADER) || contour_end > end) break;
            size_t first = points_.size();
            GlyphPoint start = FromFixed(header->pfxStart), last = start;
            Push(start);
            const BYTE* at = buffer + sizeof(TTPOLYGONHEADER);
            while (at + sizeof(TTPOLYCURVE) <= contour_end) {
                const TTPOLYCURVE* curve = reinterpret_cast<const TTPOLYCURVE*>(at);
                int n = curve->cpfx;
                if (at + sizeof(TTPOLYCURVE) + (n - 1) * sizeof(POINTFX) > contour_end) break;
                if (curve->wType == TT_PRIM_QSPLINE) {
                    // Every point but the last is a control point; between two
                    // controls the curve passes through their midpoint.
                    for (int k = 0; k + 1 < n; ++k) {
                        GlyphPoint control = FromFixed(curve->apfx[k]), next = FromFixed(curve->apfx[k + 1]);
                        GlyphPoint end_point =
                            k + 2 == n ? next : GlyphPoint{(control.x + next.x) / 2, (control.y + next.y) / 2};
                        Spline(last, control, end_point);
                        last = end_point;
                    }
                } else {  // lines; cubic records are followed through their points
                    for (int k = 0; k < n; ++k) {
                        last = FromFixed(curve->apfx[k]);
                        Push(last);
                    }
                }
                at += sizeof(TTPOLYCURVE) + (n - 1) * sizeof(POINTFX);
            }
            Push(start);
            counts_.push_back(int(points_.size() - first));
            buffer = contour_end;
        }
    }

    void Fill(Zel3dChart* chart) {
        if (counts_.empty() || !chart->device.draw_dc) return;
        HDC dc = chart->device.draw_dc;
        HGDIOBJ previous = SelectObject(dc, GetStockObject(NULL_PEN));
        PolyPolygon(dc, points_.data(), counts_.data(), int(counts_.size()));
        SelectObject(dc, previous);
    }

private:
    POINT Device(const GlyphPoint& p) const {
        return ToDevice(transform_, pen_x_ + p.x * scale_, (p.y - shift_y_) * scale_);
    }

    void Push(const GlyphPoint& p) {
        POINT d = Device(p);
        if (!points_.empty() && points_.back().x == d.x && points_.back().y == d.y) return;
        points_.push_back(d);
    }

    // P0 + 2t(Q - P0) + t^2(P0 - 2Q + P2), t = k / 2n, n from the device
    // length of the control polygon (1 to 32).
    void Spline(const GlyphPoint& p0, const GlyphPoint& q, const GlyphPoint& p2) {
        POINT d0 = Device(p0), dq = Device(q), d2 = Device(p2);
        int n = int(hypot(dq.x - d0.x, dq.y - d0.y) + hypot(d2.x - dq.x, d2.y - dq.y) + 0.5);
        n = n < 1 ? 1 : n > 32 ? 32 : n;
        for (int k = 1; k <= 2 * n; ++k) {
            double t = k / (2.0 * n);
            Push({p0.x + 2 * t * (q.x - p0.x) + t * t * (p0.x - 2 * q.x + p2.x),
                  p0.y + 2 * t * (q.y - p0.y) + t * t * (p0.y - 2 * q.y + p2.y)});
        }
    }

    const Matrix* transform_;
    double scale_;
    double shift_y_;
    double pen_x_;
    std::vector<POINT> points_;
    std::vector<int> counts_;
};

void OutlineText(Zel3dChart* chart, const Matrix* transform, const char* text) {
    MeasuringDC measuring(chart);
    HDC dc = measuring.dc();
    TEXTMETRICA metrics;
    if (!dc || !GetTextMetricsA(dc, &metrics) || metrics.tmHeight <= 0) return;
    double scale = kTextUnit * chart->scene.stroke_size / metrics.tmHeight;
    // The body is centred on the baseline of the string plane.
    double shift_y = (metrics.tmAscent - metrics.tmInternalLeading) / 2.0;
    zel3d_set_fill(chart, chart->device.pen.color);
    std::vector<BYTE> buffer;
    double pen_x = 0.0;
    ForEachCharacter(text, [&](unsigned char code) {
        GLYPHMETRICS glyph;
        DWORD size = GetGlyphOutlineA(dc, code, GGO_NATIVE, &glyph, 0, nullptr, &kIdentityTransform);
        if (size != GDI_ERROR && size > 0) {
            buffer.resize(size);
            if (GetGlyphOutlineA(dc, code, GGO_NATIVE, &glyph, size, buffer.data(), &kIdentityTransform) !=
                GDI_ERROR) {
                OutlineBuilder builder(transform, scale, shift_y, pen_x);
                builder.Add(buffer.data(), size);
                builder.Fill(chart);
            }
        } else if (size == GDI_ERROR) {
            GetGlyphOutlineA(dc, code, GGO_METRICS, &glyph, 0, nullptr, &kIdentityTransform);
        }
        pen_x += glyph.gmCellIncX * scale;
    });
}

// An ordinary font turned along the projected baseline.
void TurnedText(Zel3dChart* chart, const Matrix* transform, const char* text, int rotation) {
    HDC dc = chart->device.draw_dc;
    FontRecord* font = chart->scene.text_font;
    if (!dc || !font) return;
    double width = zel3d_text_width(chart, text) * kTextUnit;
    Point4 points[4] = {{width / 2, 0, 0, 1}, {width / 2 + 0.3, 0, 0, 1}, {0, 0, 0, 1},
                        {0, kTextUnit * chart->scene.stroke_size, 0, 1}};
    Point4 device[4];
    for (int k = 0; k < 4; ++k) zel3d_mat_project_point(transform, &points[k], &device[k]);
    LOGFONTA logfont = font->logfont;
    bool scaled = zel3d_is_3d(chart) || rotation != 0;
    if (scaled) logfont.lfHeight = -LONG(hypot(device[3].x - device[2].x, device[3].y - device[2].y) + 0.5);
    double angle = atan2(device[1].y - device[0].y, device[1].x - device[0].x);
    int tenths = int(-kTenthsPerRadian * angle);
    // Text never reads upside down: past the vertical it runs from the
    // other end.
    while (tenths > 900) tenths -= 1800;
    while (tenths < -900) tenths += 1800;
    bool use_angle = rotation == 1 || rotation == 2 || (rotation == 0 && !zel3d_is_3d(chart));
    logfont.lfEscapement = logfont.lfOrientation = use_angle ? tenths : 0;
    HFONT turned = CreateFontIndirectA(&logfont);
    if (!turned) return;
    HGDIOBJ previous = SelectObject(dc, turned);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    double shift = (metrics.tmAscent - metrics.tmInternalLeading) / 2.0;
    double radians = logfont.lfEscapement / kTenthsPerRadian;
    int x = zel3d_round_device(device[0].x + shift * sin(radians));
    int y = zel3d_round_device(device[0].y + shift * cos(radians));
    UINT align = SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    TextOutA(dc, x, y, text, int(strlen(text)));
    SetTextAlign(dc, align);
    SelectObject(dc, previous);
    DeleteObject(turned);
}

}  // namespace

bool zel3d_is_3d(const Zel3dChart* chart) { return chart->type == 1 || chart->draw_mesh || chart->draw_shaded; }

void zel3d_text_set_stroke(Zel3dChart* chart, int face, int size) {
    chart->scene.stroke_font = face;
    chart->scene.stroke_size = size;
}

void zel3d_text_set_font(Zel3dChart* chart, FontRecord* font) {
    chart->scene.text_font = font;
    if (font) zel3d_ops(chart).set_font(&chart->device, font);
}

int zel3d_text_width(Zel3dChart* chart, const char* text) {
    if (!text) return 0;
    if (chart->use_truetype && chart->scene.text_font) return TrueTypeWidth(chart, text);
    const StrokeFont& font = zel3d_stroke_font(chart->scene.stroke_font);
    long units = 0;
    ForEachCharacter(text, [&](unsigned char code) {
        const StrokeGlyph& glyph = font.glyphs[code - kStrokeFirstChar];
        units += glyph.right - glyph.left;
    });
    return int(double(units) * chart->scene.stroke_size / (font.top - font.bottom) + 0.5);
}

void zel3d_text_draw(Zel3dChart* chart, const Matrix* transform, const char* text) {
    zel3d_text_draw_rotation(chart, transform, text, chart->font_rotation);
}

void zel3d_text_draw_rotation(Zel3dChart* chart, const Matrix* transform, const char* text, int rotation) {
    if (!text || !*text) return;
    if (!chart->use_truetype || !chart->scene.text_font) StrokeText(chart, transform, text);
    else if (zel3d_is_3d(chart) && rotation == 2) OutlineText(chart, transform, text);
    else TurnedText(chart, transform, text, rotation);
}
