// The library as the programs load it: the window class exists as soon as
// the DLL is loaded, and a chart window made before its chart paints and
// reports through the DLL.
#include <gtest/gtest.h>

#include "OwnerWindow.h"
#include "WindowHelpers.h"
#include "zelplot2d.h"

using namespace zel2d_test;

TEST(Library, TheWindowClassComesBeforeTheFirstChart) {
    OwnerWindow owner(500, 400);
    // The window first, then its chart, as the chart wrapper does.
    HWND window = owner.CreateChartWindow(400, 300);
    ASSERT_NE(window, nullptr);
    ZELCHART chart = ZelCreate();
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(ZelAttachWindow(chart, window), 1);
    ZELDATA data = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 2);
    ZelDataSetXElement(data, 0, 0, 0.0);
    ZelDataSetYElement(data, 0, 0, 0.0);
    ZelDataSetXElement(data, 0, 1, 1.0);
    ZelDataSetYElement(data, 0, 1, 1.0);
    EXPECT_EQ(zel2d::SetValues(chart, zel2d::DATA(data), zel2d::X_MAX(1), zel2d::Y_MAX(1)), 1);
    UpdateWindow(window);
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return owner.painted() > 0; }, 3000));
    POINT p;
    EXPECT_EQ(ZelUnmap(chart, 1, 1.0, 1.0, &p), 1);
    // Bad input is refused across the DLL boundary too.
    EXPECT_EQ(ZelSetValues(chart, 0x7777, 1, 0), 0);
    EXPECT_EQ(ZelDataCreate(7, 1, 1), nullptr);
    DestroyWindow(window);
    ZelDestroy(chart);
    ZelDataDestroy(data);
}
