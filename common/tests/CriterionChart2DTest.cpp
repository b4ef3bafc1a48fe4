// The sweep's criterion preview: it takes the placeholder's place, and it
// draws the curve, the part inside the scoring window and the window's
// markers as the window and the criterion ask.
#include <gtest/gtest.h>

#include <memory>

#include "WindowHelpers.h"
#include "common/charts/CriterionChart2D.h"

namespace {

constexpr int kPlaceholder = 100;

class PreviewOwner : public CWnd {
public:
    BOOL CreateTopLevel() {
        if (!CreateEx(0, AfxRegisterWndClass(0), "Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                      nullptr, nullptr))
            return FALSE;
        return ::CreateWindowExA(0, "STATIC", "Area for Criterion Chart", WS_CHILD | WS_VISIBLE, 20, 10, 300, 200,
                                 m_hWnd, reinterpret_cast<HMENU>(kPlaceholder), nullptr, nullptr) != nullptr;
    }
};

ChartAxisSetting Axis(const char* name, int min, int max) {
    ChartAxisSetting axis;
    axis.name = name;
    axis.presetMin = min;
    axis.presetMax = max;
    return axis;
}

TEST(CriterionChart2D, ReplacesThePlaceholderAndDrawsTheWindow) {
    PreviewOwner owner;
    ASSERT_TRUE(owner.CreateTopLevel());
    auto chart = std::make_unique<CCriterionChart2D>();
    ASSERT_TRUE(chart->CreateInPlaceOf(&owner, kPlaceholder, 8, Axis("Speed", 0, 10), Axis("Torque", 0, 100)));
    EXPECT_EQ(owner.GetDlgItem(kPlaceholder)->m_hWnd, chart->m_hWnd);
    CRect rect;
    chart->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 300);
    EXPECT_STREQ(zel2d::GetValue(chart->m_chart, zel2d::Y_TITLE), "Torque");

    const float x[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const float y[8] = {10, 20, 40, 80, 70, 60, 50, 40};
    struct WindowCase {
        double from, to;
        bool showWindow, showMarkers;
        int inside;                   // samples in the window
        double fromHeight, toHeight;  // of the markers
    };
    const WindowCase cases[] = {
        {3.0, 5.0, true, true, 3, 40.0, 70.0},
        {1.0, 8.0, true, true, 8, 10.0, 40.0},
        {3.0, 5.0, false, true, 3, 40.0, 70.0},
        {8.2, 9.0, true, true, 0, 0.0, 0.0},  // no sample: nothing filled, flat markers
        {2.0, 4.0, false, false, 3, 20.0, 80.0},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.from);
        chart->ShowCurve(x, y, 8, c.from, c.to, c.showWindow, c.showMarkers);
        ZELDATA window = chart->GetWindowData();
        ZELDATA curve = chart->GetCurveData();
        const bool filled = c.showWindow && c.inside > 0;
        EXPECT_EQ(ZelDataGetDisplay(window, 0), filled ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
        if (c.inside > 0) EXPECT_EQ(ZelDataGetLastPoint(window, 0), c.inside - 1);
        EXPECT_EQ(ZelDataGetDisplay(curve, 0), ZEL2D_DISPLAY_SHOW);
        EXPECT_EQ(ZelDataGetLastPoint(curve, 0), 7);
        const int markers = c.showMarkers ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE;
        EXPECT_EQ(ZelDataGetDisplay(curve, 1), markers);
        EXPECT_EQ(ZelDataGetDisplay(curve, 2), markers);
        EXPECT_DOUBLE_EQ(chart->GetFromMarkerHeight(), c.fromHeight);
        EXPECT_DOUBLE_EQ(chart->GetToMarkerHeight(), c.toHeight);
        // Both y axes span the whole curve.
        EXPECT_DOUBLE_EQ(zel2d::GetValue(chart->m_chart, zel2d::Y_MAX),
                         zel2d::GetValue(chart->m_chart, zel2d::Y2_MAX));
        EXPECT_GE(zel2d::GetValue(chart->m_chart, zel2d::Y2_MAX), 80.0);
    }
    chart.reset();
    owner.DestroyWindow();
}

}  // namespace
