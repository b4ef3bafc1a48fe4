// CChart2D linked against a stand-in chart library that counts its calls
// and can fail to make a chart.
#include <gtest/gtest.h>

#include "common/Chart2D.h"
#include "FakeChartLibrary.h"

namespace {

struct Counts {
    int created, attached, destroyed;
};
Counts Now() {
    Counts c;
    FakeChartCounts(&c.created, &c.attached, &c.destroyed);
    return c;
}

class Parent : public CWnd {
public:
    Parent() { CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr); }
    ~Parent() override { DestroyWindow(); }
};

}  // namespace

TEST(Chart2DWithFakeLibrary, CreateCallsCreateThenAttachAndTheDestructorDestroys) {
    Parent parent;
    const Counts before = Now();
    {
        CChart2D chart;
        ASSERT_TRUE(chart.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 80), &parent, 0));
        EXPECT_EQ(Now().created, before.created + 1);
        EXPECT_EQ(Now().attached, before.attached + 1);
        EXPECT_EQ(Now().destroyed, before.destroyed);
    }
    EXPECT_EQ(Now().destroyed, before.destroyed + 1);
}

TEST(Chart2DWithFakeLibrary, AFailedChartLeavesTheWindowAndDestroysNoChart) {
    Parent parent;
    const Counts before = Now();
    FakeChartFailCreate(1);
    HWND window = nullptr;
    {
        CChart2D chart;
        EXPECT_FALSE(chart.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 80), &parent, 0));
        window = chart.m_hWnd;
        EXPECT_TRUE(::IsWindow(window));  // made, and kept until the object goes
        EXPECT_EQ(chart.m_chart, nullptr);
        EXPECT_EQ(Now().attached, before.attached);
    }
    FakeChartFailCreate(0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(Now().destroyed, before.destroyed);
    {
        CChart2D never_created;
    }
    EXPECT_EQ(Now().destroyed, before.destroyed);
}
