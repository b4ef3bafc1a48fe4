// CChart2D with the real chart library: the window and its chart are made
// together, owners reach the chart through the handle, the library's
// after-paint message goes to the parent, and destruction ends both.
#include <gtest/gtest.h>

#include "common/Chart2D.h"
#include "WindowHelpers.h"

namespace {

class ChartOwner : public CWnd {
public:
    BOOL CreateTopLevel() {
        return CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                        nullptr);
    }
    int painted = 0;
    HWND painted_by = nullptr;

protected:
    afx_msg LRESULT OnChartPainted(WPARAM wParam, LPARAM) {
        ++painted;
        painted_by = HWND(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ChartOwner, CWnd)
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

}  // namespace

TEST(Chart2D, CreateMakesTheWindowAndItsChart) {
    ChartOwner owner;
    ASSERT_TRUE(owner.CreateTopLevel());
    auto chart = std::make_unique<CChart2D>();
    EXPECT_EQ(chart->m_chart, nullptr);
    EXPECT_TRUE(chart->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_STREQ(chart->GetRuntimeClass()->m_lpszClassName, "CChart2D");
    EXPECT_EQ(chart->GetRuntimeClass()->m_wSchema, 0xFFFFu);
    ASSERT_TRUE(chart->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &owner, 0));
    ASSERT_NE(chart->m_chart, nullptr);
    char class_name[32] = "";
    GetClassNameA(chart->m_hWnd, class_name, sizeof class_name);
    EXPECT_STREQ(class_name, ZEL2D_WINDOW_CLASS);
    EXPECT_EQ(::GetParent(chart->m_hWnd), owner.m_hWnd);

    // The owner sets properties through the handle; the chart paints and
    // tells the parent, which the wrapper leaves unhandled.
    EXPECT_EQ(zel2d::SetValues(chart->m_chart, zel2d::X_MAX(660), zel2d::X_TITLE("Crank Degrees")), 1);
    chart->UpdateWindow();
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return owner.painted > 0; }, 3000));
    EXPECT_EQ(owner.painted_by, chart->m_hWnd);
    LRESULT result = 0;
    EXPECT_FALSE(chart->OnChildNotify(WM_COMMAND, 0, 0, &result));

    // Destruction: the window goes, then the chart (its handle no longer
    // takes properties).
    const HWND window = chart->m_hWnd;
    ZELCHART handle = chart->m_chart;
    chart.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(zel2d::SetValues(handle, zel2d::X_MAX(1)), 0);
    owner.DestroyWindow();
}

TEST(Chart2D, AnObjectNeverCreatedDestroysNothing) {
    auto chart = std::make_unique<CChart2D>();
    chart.reset();  // no window, no chart: nothing to end
    SUCCEED();
}
