#include "common/charts/ZoneChart2D.h"

#include <algorithm>
#include <cstdio>

#include "common/Assertion.h"

static const char kAssertModule[] = "ZoneChart2D.cpp";

IMPLEMENT_DYNAMIC(CZoneChart2D, CChart2D)

BEGIN_MESSAGE_MAP(CZoneChart2D, CChart2D)
END_MESSAGE_MAP()

namespace {

const char kIncompatible[] = "Data Zones Incompatible with Graph settings!";

// The chart's font, else the system font.
HFONT ChartFont(ZELCHART chart) {
    HFONT font = zel2d::GetValue(chart, zel2d::FONT);
    return font ? font : HFONT(::GetStockObject(SYSTEM_FONT));
}

struct AxisRange {
    double min, max;
};

// The chart's range of axis 0 (x), 1 (y) or 2 (second y).
AxisRange RangeOf(ZELCHART chart, int axis) {
    double low = 0, high = 0;
    const int codes[3][2] = {{ZEL2D_X_MIN, ZEL2D_X_MAX}, {ZEL2D_Y_MIN, ZEL2D_Y_MAX}, {ZEL2D_Y2_MIN, ZEL2D_Y2_MAX}};
    ZelGetValues(chart, codes[axis][0], &low, codes[axis][1], &high, 0);
    return {low, high};
}

void TextAt(HDC dc, int x, int y, UINT align, const char* text) {
    ::SetTextAlign(dc, align);
    ::TextOutA(dc, x, y, text, int(strlen(text)));
}

}  // namespace

void CZoneChart2D::GetZoneStripMetrics(HDC dc, int& gap, int& strip) {
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    strip = tm.tmHeight + 2;
    gap = tm.tmHeight / 3;
    if (zones_.axis == 0) return;
    ZELDATA second = zel2d::GetValue(m_chart, zel2d::DATA2);
    if (second && ZelDataGetDisplay(second, 0) == ZEL2D_DISPLAY_SHOW) {
        char number[64];
        std::snprintf(number, sizeof number, "%g", zel2d::GetValue(m_chart, zel2d::Y2_MAX));
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc, number, int(strlen(number)), &size);
        gap = tm.tmMaxCharWidth + size.cx;
    }
}

void CZoneChart2D::MeasureZoneLegend(HDC dc, int& top, int& right) {
    HGDIOBJ old = ::SelectObject(dc, ChartFont(m_chart));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    int gap = 0, strip = 0;
    GetZoneStripMetrics(dc, gap, strip);
    top = right = 0;
    if (zones_.axis == 0) top = strip + tm.tmHeight * 5 / 4 + gap;
    else right = zones_.MeasureLabelWidth(dc) + 2 * tm.tmHeight + strip + gap;
    ::SelectObject(dc, old);
}

void CZoneChart2D::PaintZones(HDC dc) {
    APP_ASSERT(!zones_.needsConversion);
    APP_ASSERT(zones_.enabled);
    APP_ASSERT(zones_.preset != 0);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, ChartFont(m_chart));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    const int h = tm.tmHeight, cw = tm.tmAveCharWidth;
    const AxisRange x = RangeOf(m_chart, 0);
    const AxisRange y = RangeOf(m_chart, 1);
    const int axis = zones_.applies ? zones_.axis : 0;
    const bool x_zones = axis == 0;

    POINT p1, p2, p3;
    ZelUnmap(m_chart, 1, x.min, y.max, &p1);
    ZelUnmap(m_chart, 1, x.max, y.max, &p2);
    ZelUnmap(m_chart, 1, x.max, y.min, &p3);
    if (p1.x == -1 || p1.y == -1 || p2.x == -1 || p2.y == -1 || p3.y == -1) {
        ::RestoreDC(dc, saved);
        return;
    }

    // The label strip, beside the plot.
    int gap = 0, strip = 0;
    GetZoneStripMetrics(dc, gap, strip);
    const RECT band = x_zones ? RECT{p1.x, p1.y - strip - gap, p2.x + 1, p2.y - gap + 1}
                              : RECT{p2.x + gap, p2.y, p2.x + gap + strip + 1, p3.y + 1};
    ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
    ::Rectangle(dc, band.left, band.top, band.right, band.bottom);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, 0);

    // The preset's name.
    const char* name = ZonePresetName(zones_.preset);
    if (x_zones) {
        TextAt(dc, (band.left + band.right) / 2, band.top - 2, TA_CENTER | TA_BOTTOM, name);
    } else {
        LOGFONTA lf = {};
        lf.lfHeight = h + 1;
        lf.lfEscapement = lf.lfOrientation = 900;
        lf.lfWeight = FW_NORMAL;
        lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
        lstrcpyA(lf.lfFaceName, "Arial");
        HFONT rotated = ::CreateFontIndirectA(&lf);
        HGDIOBJ previous = ::SelectObject(dc, rotated);
        TextAt(dc, band.right + zones_.MeasureLabelWidth(dc) + cw, (band.top + band.bottom) / 2,
               TA_CENTER | TA_TOP, name);
        ::SelectObject(dc, previous);
        ::DeleteObject(rotated);
    }
    if (!zones_.applies) {
        TextAt(dc, (band.left + band.right) / 2, band.bottom - 2, TA_CENTER | TA_BOTTOM, kIncompatible);
        ::RestoreDC(dc, saved);
        return;
    }

    // The bands, masked over the plot and the strip.
    const AxisRange range = RangeOf(m_chart, axis);
    const int map_axis = axis == 2 ? 2 : 1;
    ::SelectObject(dc, ::GetStockObject(NULL_PEN));
    ::SetROP2(dc, R2_MASKPEN);
    for (int i = 0; i < zones_.zoneCount; ++i) {
        const ZoneRange& zone = zones_.zones[i];
        if (!zone.IsEnabled()) continue;
        const double low = std::max(double(zone.GetDisplayMin()), range.min);
        const double high = std::min(double(zone.GetDisplayMax()), range.max);
        if (!(low < high)) continue;
        const bool low_clipped = low != double(zone.GetDisplayMin());
        const bool high_clipped = high != double(zone.GetDisplayMax());
        POINT a, b;
        if (x_zones) {
            ZelUnmap(m_chart, 1, low, y.max, &a);
            ZelUnmap(m_chart, 1, high, y.min, &b);
        } else {
            ZelUnmap(m_chart, map_axis, x.min, high, &a);
            ZelUnmap(m_chart, map_axis, x.max, low, &b);
        }
        if (a.x == -1 || a.y == -1 || b.x == -1 || b.y == -1) continue;
        HBRUSH brush = ::CreateSolidBrush(COLORREF(zone.GetColor()));
        HGDIOBJ old_brush = ::SelectObject(dc, brush);
        ::Rectangle(dc, a.x, a.y, b.x + 1, b.y + 1);
        if (x_zones) ::Rectangle(dc, a.x, band.top, b.x + 1, band.bottom);
        else ::Rectangle(dc, band.left, a.y, band.right, b.y + 1);
        ::SelectObject(dc, old_brush);
        ::DeleteObject(brush);

        // Labels of the bounds that were not clipped.
        const char* min_text = zone.IsShowMinLabel() && !low_clipped ? zone.GetMinText() : nullptr;
        const char* max_text = zone.IsShowMaxLabel() && !high_clipped ? zone.GetMaxText() : nullptr;
        if (x_zones) {
            const int baseline = band.bottom - 2;
            if (min_text) {
                if (i == 0 && double(zone.GetDisplayMin()) == x.min)
                    TextAt(dc, a.x - 2, baseline, TA_RIGHT | TA_BOTTOM, min_text);
                else
                    TextAt(dc, a.x, baseline, TA_CENTER | TA_BOTTOM, min_text);
            }
            if (max_text) TextAt(dc, b.x, baseline, TA_CENTER | TA_BOTTOM, max_text);
        } else {
            const int left = band.left + strip + cw / 2;
            if (min_text) TextAt(dc, left, b.y - h / 2, TA_LEFT | TA_TOP, min_text);
            if (max_text) TextAt(dc, left, a.y - h / 2, TA_LEFT | TA_TOP, max_text);
        }
    }
    ::RestoreDC(dc, saved);
}
