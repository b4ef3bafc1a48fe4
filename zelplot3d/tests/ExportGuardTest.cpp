// No C++ exception leaves the library: with every allocation of operator new
// failing, exported calls return their error values, the chart keeps its
// state, and it works again once memory is back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "OwnerWindow.h"
#include "TestFiles.h"
#include "WindowHelpers.h"
#include "chart/Chart.h"
#include "zelplot3d.h"

namespace {

bool g_fail_allocations = false;

// Makes operator new throw for the lifetime of the object.
class AllocationsFail {
public:
    AllocationsFail() { g_fail_allocations = true; }
    ~AllocationsFail() { g_fail_allocations = false; }
};

}  // namespace

void* operator new(size_t size) {
    if (g_fail_allocations) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }

namespace {

using testing_harness::Pixels;
using testing_harness::PumpPending;
using zel3d_test::TempFolder;

TEST(ExportGuard, ExportsThatThrowReturnTheirErrorValues) {
    TempFolder folder;
    std::string styles_path = folder.File("contour styles with a long name.txt");
    std::string data_path = folder.File("grid data with a long name.dat");
    zel3d_test::WriteBytes(styles_path, "Red Blue 1 LpatSolid\nGreen Black 2 LpatDotted\n");
    Zel3dData* grid = Zel3dMakeGridData(2, 2, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
    ASSERT_EQ(1, Zel3dSaveDataToFile(grid, data_path.c_str(), nullptr));
    Zel3dChart* chart = Zel3dCreate();
    ASSERT_NE(nullptr, chart);
    zel3d::SetValues(chart, zel3d::HEADER_STRINGS(nullptr));
    char message[256] = "";
    {
        AllocationsFail failing;
        EXPECT_EQ(nullptr, Zel3dContourStylesFromFile(styles_path.c_str(), message));
        EXPECT_EQ(nullptr, Zel3dMakeDataFromFile(data_path.c_str(), message));
        EXPECT_EQ(0, Zel3dSetPropString(chart, ZEL3D_HEADER_STRINGS, "first line,second line"));
    }
    // The value list that failed left drawing enabled and nothing stored.
    EXPECT_EQ(1, chart->repaint);
    EXPECT_EQ(nullptr, zel3d::GetValue(chart, zel3d::HEADER_STRINGS));

    // With memory back every call works.
    Zel3dContourStyle** styles = Zel3dContourStylesFromFile(styles_path.c_str(), message);
    ASSERT_NE(nullptr, styles);
    Zel3dFreeContourStyles(styles);
    Zel3dData* read = Zel3dMakeDataFromFile(data_path.c_str(), message);
    ASSERT_NE(nullptr, read);
    Zel3dDestroyData(read, 1);
    EXPECT_EQ(1, Zel3dSetPropString(chart, ZEL3D_HEADER_STRINGS, "first line,second line"));
    const char* const* strings = zel3d::GetValue(chart, zel3d::HEADER_STRINGS);
    ASSERT_NE(nullptr, strings);
    EXPECT_STREQ("second line", strings[1]);
    Zel3dDestroy(chart);
    Zel3dDestroyData(grid, 1);
}

// A paint that fails inside the window procedure leaves the window valid
// (no endless WM_PAINT) and the chart out of its paint; the next paint
// draws the chart.
TEST(ExportGuard, AFailedPaintLeavesTheWindowUsable) {
    ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA(nullptr)));
    zel3d_test::OwnerWindow owner(400, 300);
    HWND child = CreateWindowExA(0, "ZelChart3D8", "", WS_CHILD | WS_VISIBLE, 0, 0, 320, 240, owner.window(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    Zel3dChart* chart = Zel3dCreate();
    ASSERT_EQ(1, Zel3dAttachWindow(chart, child));
    Zel3dData* grid = Zel3dMakeGridData(3, 3, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(grid), zel3d::DRAW_SHADED(1),
                     zel3d::BACKGROUND_COLOR(0xC0C0C0),
                     zel3d::GRAPH_BACKGROUND_COLOR(0xC0C0C0), zel3d::DOUBLE_BUFFER(0));
    PumpPending();
    {
        AllocationsFail failing;
        InvalidateRect(child, nullptr, FALSE);
        UpdateWindow(child);
    }
    RECT still_invalid;
    EXPECT_FALSE(GetUpdateRect(child, &still_invalid, FALSE));
    EXPECT_EQ(0, chart->painting);
    EXPECT_EQ(nullptr, chart->device.draw_dc);

    InvalidateRect(child, nullptr, FALSE);
    UpdateWindow(child);
    Pixels pixels = Pixels::FromWindow(child);
    int drawn = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) drawn += pixels.At(x, y) != 0xC0C0C0;
    EXPECT_GT(drawn, 1000);
    DestroyWindow(child);
    Zel3dDestroy(chart);
    Zel3dDestroyData(grid, 1);
}

}  // namespace
