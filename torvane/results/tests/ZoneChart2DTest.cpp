// The zone chart in a real window: the owner paints the zones on the
// chart's after-paint message, over the plot with the curve still visible,
// with the label strip, the preset's name and the labels of bounds that
// were not clipped.
#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/charts/ZoneChart2D.h"
#include "torvane/results/TorvaneChartCatalogue.h"

using testing_harness::Pixels;
using testing_harness::Rgb;

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
// The piston-speed preset's colours, as the zone page blends them.
constexpr int kColors[6] = {0xFFFFFF, 0xD6F7FF, 0xBDF3FF, 0x9CEFFF, 0x84EBFF, 0x6BE7FF};

// The graph view's part: it owns the zone chart and paints the zones when
// the chart reports a paint.
class GraphOwner : public CWnd {
public:
    GraphOwner() {
        CreateEx(0, AfxRegisterWndClass(0), "Graph", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 720, 560, nullptr,
                 nullptr);
    }
    ~GraphOwner() override { DestroyWindow(); }
    CZoneChart2D chart;
    int painted = 0;

protected:
    afx_msg LRESULT OnChartPainted(WPARAM, LPARAM lParam) {
        ++painted;
        if (chart.ZonesEnabled()) chart.PaintZones(*reinterpret_cast<HDC*>(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GraphOwner, CWnd)
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

// Piston-speed zones over engine speed for a 3.48-inch stroke.
ZoneSettings PistonSpeedZones(int curve) {
    torvane::TorvaneInstallChartCatalogue();
    ZoneSettings zones;
    zones.preset = torvane::kPistonSpeedZonePreset;
    zones.zoneCount = ZonePresetZoneCount(zones.preset);
    for (int i = 0; i < zones.zoneCount; ++i) {
        zones.zones[i].SetMin(float(ZonePresetZoneMin(zones.preset, i)));
        zones.zones[i].SetMax(float(ZonePresetZoneMax(zones.preset, i)));
        zones.zones[i].SetColor(kColors[i]);
    }
    zones.enabled = true;
    if (zones.AttachToCurve(0, curve)) zones.ConvertPistonSpeedZones(true, 3.48f);
    return zones;
}

struct ZoneChartFixture : ::testing::Test {
    GraphOwner owner;
    ZELDATA data = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 19);

    void SetUp() override {
        ASSERT_TRUE(owner.chart.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 500), &owner, 0));
        for (int i = 0; i < 19; ++i) {
            ZelDataSetXElement(data, 0, i, 2000 + 500 * i);
            ZelDataSetYElement(data, 0, i, 100 + 20 * i);
        }
        ZelStyle red = {ZEL2D_LINE_SOLID, 0, int(kRed), 2, 0, 0, 0};
        ZelSetNthDataStyle(owner.chart.m_chart, 0, &red);
        zel2d::SetValues(owner.chart.m_chart, zel2d::DATA(data), zel2d::X_MIN(0), zel2d::X_MAX(11000),
                         zel2d::Y_MIN(0), zel2d::Y_MAX(500), zel2d::PLOT_BACKGROUND(0xFFFFFF),
                         zel2d::FONT(HFONT(::GetStockObject(DEFAULT_GUI_FONT))));
    }
    void TearDown() override {
        owner.chart.DestroyWindow();
        ZelDataDestroy(data);
    }
    // Lays the margins out as the graph view does, then paints.
    Pixels Paint(const ZoneSettings& zones, const char* picture) {
        owner.chart.SetZoneSettings(zones);
        HDC dc = ::GetDC(owner.chart.m_hWnd);
        int top = 0, right = 0;
        owner.chart.MeasureZoneLegend(dc, top, right);
        ::ReleaseDC(owner.chart.m_hWnd, dc);
        if (zones.axis == 0) zel2d::SetValues(owner.chart.m_chart, zel2d::MARGIN_TOP(top), zel2d::AUTO_MARGIN_RIGHT(1));
        else zel2d::SetValues(owner.chart.m_chart, zel2d::MARGIN_RIGHT(right), zel2d::AUTO_MARGIN_TOP(1));
        const int before = owner.painted;
        owner.chart.Invalidate(FALSE);
        owner.chart.UpdateWindow();
        EXPECT_TRUE(testing_harness::PumpUntil([&] { return owner.painted > before; }, 3000));
        Pixels pixels = Pixels::FromWindow(owner.chart.m_hWnd);
        char folder[MAX_PATH] = "";
        if (::GetEnvironmentVariableA("ZEL2D_PICTURES", folder, MAX_PATH))
            pixels.SavePng(std::string(folder) + "\\" + picture + ".png");
        return pixels;
    }
    POINT At(double x, double y, int axis = 1) {
        POINT p = {-1, -1};
        ZelUnmap(owner.chart.m_chart, axis, x, y, &p);
        return p;
    }
    static int Black(const Pixels& p, RECT r) {
        int count = 0;
        for (LONG y = std::max(0L, r.top); y < r.bottom; ++y)
            for (LONG x = std::max(0L, r.left); x < r.right; ++x) count += p.At(x, y) == 0;
        return count;
    }
};

}  // namespace

TEST_F(ZoneChartFixture, PistonSpeedBandsLieBehindTheCurveWithTheirLabels) {
    const ZoneSettings zones = PistonSpeedZones(1);
    ASSERT_TRUE(zones.applies);
    // 1000 fpm at a 3.48-inch stroke is 1724.1 rpm.
    EXPECT_NEAR(zones.zones[1].GetDisplayMin(), 1724.14f, 0.01f);
    EXPECT_NEAR(zones.zones[5].GetDisplayMax(), 17241.4f, 0.1f);
    const Pixels p = Paint(zones, "zel2d_zones_x");
    // Each band's colour across the plot, between its bounds.
    const double middles[6] = {862, 2586, 4310, 6034, 7759, 9800};
    for (int i = 0; i < 6; ++i) {
        const POINT q = At(middles[i], 480);
        EXPECT_EQ(p.At(q.x, q.y), Rgb(kColors[i])) << i;
    }
    // The curve stays visible inside a band (red masked by a light colour).
    const POINT on_curve = At(4000, 180);
    EXPECT_EQ(p.At(on_curve.x, on_curve.y), Rgb(kRed & kColors[2]));
    // The strip above the plot: the labels of bounds inside the range, but
    // not the last band's clipped maximum (17241 rpm is beyond 11000).
    const POINT top_left = At(0, 500), top_right = At(11000, 500);
    const RECT strip_row = {top_left.x, top_left.y - 30, top_right.x, top_left.y - 3};
    EXPECT_GT(Black(p, strip_row), 100);
    // Inside the strip's frame (its size follows the chart font).
    HDC dc = ::GetDC(owner.chart.m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    int gap = 0, strip = 0;
    owner.chart.GetZoneStripMetrics(dc, gap, strip);
    ::SelectObject(dc, old);
    ::ReleaseDC(owner.chart.m_hWnd, dc);
    const LONG inside_top = top_left.y - gap - strip + 2, inside_bottom = top_left.y - gap - 1;
    const POINT bound = At(8620.7, 500);
    EXPECT_GT(Black(p, RECT{bound.x - 14, inside_top, bound.x + 14, inside_bottom}), 5);  // "5000"
    EXPECT_EQ(Black(p, RECT{top_right.x - 14, inside_top, top_right.x - 2, inside_bottom}), 0);
    // The preset's name above the strip.
    EXPECT_GT(Black(p, RECT{top_left.x, 0, top_right.x, top_left.y - 20}), 30);
}

TEST_F(ZoneChartFixture, AnEngineWithoutAStrokeShowsNoPistonSpeedBands) {
    ZoneSettings zones = PistonSpeedZones(1);
    zones.needsConversion = true;
    zones.ConvertPistonSpeedZones(false, 0.0f);
    EXPECT_FALSE(zones.needsConversion);
    for (int i = 0; i < zones.zoneCount; ++i) EXPECT_FALSE(zones.zones[i].IsEnabled()) << i;
    const Pixels p = Paint(zones, "zel2d_zones_no_stroke");
    for (double x : {2586.0, 6034.0, 9800.0}) EXPECT_EQ(p.At(At(x, 480).x, At(x, 480).y), kWhite) << x;
}

TEST_F(ZoneChartFixture, ZonesThatDoNotFitTheCurveSayIncompatibleAndDrawNoBands) {
    const ZoneSettings zones = PistonSpeedZones(2);  // power on x: piston speed does not fit
    ASSERT_FALSE(zones.applies);
    ZoneSettings converted = zones;
    converted.needsConversion = false;
    const Pixels p = Paint(converted, "zel2d_zones_incompatible");
    const POINT q = At(2586, 480);
    EXPECT_EQ(p.At(q.x, q.y), kWhite);
    const POINT top_left = At(0, 500), top_right = At(11000, 500);
    EXPECT_GT(Black(p, RECT{top_left.x + 1, top_left.y - 30, top_right.x - 1, top_left.y - 3}), 150);
}

TEST_F(ZoneChartFixture, YZonesFillTheirBandAcrossThePlotWithAStripOnTheRight) {
    ZoneSettings zones;
    zones.preset = 2;  // power
    zones.zoneCount = 1;
    zones.zones[0].SetMin(100);
    zones.zones[0].SetMax(200);
    zones.zones[0].SetColor(0xBDF3FF);
    zones.enabled = true;
    ASSERT_TRUE(zones.AttachToCurve(1, 2));
    const Pixels p = Paint(zones, "zel2d_zones_y");
    EXPECT_EQ(p.At(At(1000, 150).x, At(1000, 150).y), Rgb(0xBDF3FF));
    EXPECT_EQ(p.At(At(1000, 250).x, At(1000, 250).y), kWhite);
    EXPECT_EQ(p.At(At(1000, 50).x, At(1000, 50).y), kWhite);
    // The strip right of the plot takes the band too; labels beside it.
    const POINT right = At(11000, 150);
    int zone_in_strip = 0;
    for (int x = right.x + 2; x < right.x + 60; ++x) zone_in_strip += p.At(x, right.y) == Rgb(0xBDF3FF);
    EXPECT_GT(zone_in_strip, 3);
    const POINT max_label = At(11000, 200);
    EXPECT_GT(Black(p, RECT{max_label.x + 10, max_label.y - 10, max_label.x + 100, max_label.y + 10}), 5);
}

TEST_F(ZoneChartFixture, TheZoneLegendNeedsRoomFromTheChartFont) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm;
    ::GetTextMetricsA(dc, &tm);
    const int h = tm.tmHeight;
    owner.chart.SetZoneSettings(PistonSpeedZones(1));
    int top = -1, right = -1;
    owner.chart.MeasureZoneLegend(dc, top, right);
    EXPECT_EQ(top, (h + 2) + h * 5 / 4 + h / 3);
    EXPECT_EQ(right, 0);
    int gap = 0, strip = 0;
    owner.chart.GetZoneStripMetrics(dc, gap, strip);
    EXPECT_EQ(strip, h + 2);
    EXPECT_EQ(gap, h / 3);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
}

TEST_F(ZoneChartFixture, PaintingZonesThatStillNeedConvertingIsAnAssertion) {
    ZoneSettings zones = PistonSpeedZones(1);
    zones.needsConversion = true;
    owner.chart.SetZoneSettings(zones);
    EXPECT_EXIT(
        {
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            HDC dc = ::GetDC(nullptr);
            owner.chart.PaintZones(dc);
        },
        ::testing::ExitedWithCode(9999), "");
}
