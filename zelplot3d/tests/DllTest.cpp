// The library as the programs load it: the DLL registers its window class,
// carries its version block and about box, and finds a translated resource
// library next to the module that owns a chart window.
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "OwnerWindow.h"
#include "WindowHelpers.h"
#include "zelplot3d.h"

namespace {

using testing_harness::ModalDriver;
using zel3d_test::OwnerWindow;

HMODULE Library() { return GetModuleHandleA("zelplot3d.dll"); }

TEST(Dll, RegistersItsWindowClassWhenLoaded) {
    WNDCLASSA window_class = {};
    ASSERT_TRUE(GetClassInfoA(Library(), "ZelChart3D8", &window_class));
    EXPECT_EQ(UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS), window_class.style);
    EXPECT_EQ(int(sizeof(LONG_PTR)), window_class.cbWndExtra);
    EXPECT_EQ(nullptr, window_class.hbrBackground);
    EXPECT_EQ(1, Zel3dRegisterClass(Library()));
}

TEST(Dll, VersionBlock) {
    Zel3dVersionInfo info = {};
    ASSERT_NE(0, Zel3dGetModuleVersionInfo(Library(), &info));
    EXPECT_EQ(8, info.major);
    EXPECT_STREQ("zelplot3d", info.product_name);
    EXPECT_STREQ("8.0.0.1", info.product_version);
    EXPECT_STRNE("", info.legal_notice);
    EXPECT_STRNE("", info.second_legal_notice);
    EXPECT_EQ(1, Zel3dClearVersionInfo(&info));
    EXPECT_EQ(nullptr, info.product_name);
    EXPECT_EQ(1, Zel3dClearVersionInfo(&info));
    EXPECT_EQ(0, Zel3dClearVersionInfo(nullptr));
}

TEST(Dll, AboutBoxShowsTheLibrarysNameInAChart) {
    std::string header;
    bool chart_found = false;
    ModalDriver::Instance().Handle("About zelplot3d", [&](HWND box) {
        HWND control = GetDlgItem(box, 101);
        Zel3dChart* chart = Zel3dGetHandle(control);
        chart_found = chart != nullptr;
        char* text = nullptr;
        if (chart && Zel3dGetPropString(chart, ZEL3D_HEADER_STRINGS, &text)) header = text;
        Zel3dFreePropString(text);
        ModalDriver::PressButton(box, IDOK);
    });
    EXPECT_EQ(1, Zel3dAboutDialogBox(nullptr));
    EXPECT_TRUE(chart_found);
    EXPECT_EQ(0u, header.find("zelplot3d (8.0.0.1),")) << header;
}

TEST(Dll, ProgramsRoadThroughTheImportTable) {
    OwnerWindow owner(420, 320);
    HWND child = CreateWindowExA(0, "ZelChart3D8", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, owner.window(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    Zel3dChart* chart = Zel3dCreate();
    ASSERT_EQ(1, Zel3dAttachWindow(chart, child));
    Zel3dData* result = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    Zel3dData* empty = Zel3dMakeGridData(1, 1, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    empty->grid.values[0][0] = 0.0;
    zel3d_test::ApplyProgramsSetup(chart, 400, 300, empty);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 19; ++j) result->grid.values[i][j] = i + j;
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(result));
    EXPECT_EQ(31, owner.Count(ZEL3D_NOTIFY_REPAINT));
    EXPECT_EQ(0xC0C0C0u, testing_harness::Pixels::FromWindow(child).At(2, 2));
    zel3d::SetValues(chart, zel3d::XROTATION(zel3d::GetValue(chart, zel3d::XROTATION) + 5));
    EXPECT_EQ(30.0, zel3d::GetValue(chart, zel3d::XROTATION));
    // The programs' teardown: data sets, then the window, then the chart.
    Zel3dDestroyData(result, 1);
    Zel3dDestroyData(empty, 1);
    DestroyWindow(child);
    Zel3dDestroy(chart);
    EXPECT_FALSE(IsWindow(child));
}

TEST(Dll, CreateWindowMakesAnAttachedChart) {
    OwnerWindow owner(200, 200);
    Zel3dChart* chart = Zel3dCreateWindow("Made", 0, 0, 120, 90, owner.window(), GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, chart);
    HWND window = Zel3dGetWindow(chart);
    EXPECT_EQ(chart, Zel3dGetHandle(window));
    char* name = nullptr;
    Zel3dGetPropString(chart, ZEL3D_NAME, &name);
    EXPECT_STREQ("Made", name);
    Zel3dFreePropString(name);
    Zel3dDestroy(chart);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, Zel3dCreateWindow("No parent", 0, 0, 10, 10, nullptr, GetModuleHandleA(nullptr)));
}

// The test program's own translated resources: a library named after it
// with the user's language abbreviation beside it.
TEST(Dll, LocaleLibraryBesideTheWindowsModule) {
    char abbreviation[8] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, abbreviation, sizeof abbreviation);
    if (std::string(abbreviation) != "ENU") GTEST_SKIP() << "the resource library is built for ENU";
    OwnerWindow owner(100, 100);
    HWND child = CreateWindowExA(0, "ZelChart3D8", "", WS_CHILD, 0, 0, 10, 10, owner.window(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    Zel3dChart* chart = Zel3dCreate();
    Zel3dAttachWindow(chart, child);
    HMODULE locale = Zel3dGetLocalizedResourceHandle(chart);
    EXPECT_NE(GetModuleHandleA(nullptr), locale);
    char buffer[64];
    EXPECT_STREQ("Localized text", Zel3dLoadResourceString(chart, 1, buffer, sizeof buffer));
    EXPECT_STREQ("", Zel3dLoadResourceString(chart, 999, nullptr, 0));
    Zel3dReleaseLocalizedResourceHandle(chart);
    Zel3dDestroy(chart);
    EXPECT_EQ(nullptr, GetModuleHandleA("zelplot3d_dll_testsENU.dll"));
}

}  // namespace
