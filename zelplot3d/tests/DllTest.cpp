// The library as the programs load it: the DLL registers its window class,
// carries its version block and about box, and finds a translated resource
// library next to the module that owns a chart window.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ModalDriver.h"
#include "OwnerWindow.h"
#include "WindowHelpers.h"
#include "zelplot3d.h"

namespace {

using testing_harness::ModalDriver;
using zel3d_test::OwnerWindow;

HMODULE Library() { return GetModuleHandleA("zelplot3d.dll"); }

// The names the module's export directory lists.
std::set<std::string> ExportedNames(HMODULE module) {
    std::set<std::string> names;
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (!entry.VirtualAddress) return names;
    auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    auto* offsets = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
    for (DWORD k = 0; k < directory->NumberOfNames; ++k)
        names.insert(reinterpret_cast<const char*>(base + offsets[k]));
    return names;
}

TEST(Dll, ExportsTheLibraryFunctionsByName) {
    const char* const expected[] = {
        "Zel3dAboutDialogBox", "Zel3dAttachWindow", "Zel3dCallAction", "Zel3dClearVersionInfo",
        "Zel3dColorToRGBStr", "Zel3dColorToStr", "Zel3dComputePalette", "Zel3dComputeZValue",
        "Zel3dComputeZValueIndirect", "Zel3dContourStylesFromFile", "Zel3dContourStylesToFile",
        "Zel3dCreate", "Zel3dCreateWindow", "Zel3dDataContours", "Zel3dDataCopy", "Zel3dDataShaded",
        "Zel3dDataSmooth", "Zel3dDataUpdateDataValue", "Zel3dDataWindow", "Zel3dDestroy",
        "Zel3dDestroyData", "Zel3dDetachWindow", "Zel3dDistnIndex", "Zel3dDistnTableFromFile",
        "Zel3dDistnTableToFile", "Zel3dDrawToClipboard", "Zel3dDrawToDC", "Zel3dDrawToFile",
        "Zel3dDupContourStyles", "Zel3dDupDataStyles", "Zel3dDupDistnTable", "Zel3dDupStrings",
        "Zel3dDupValueLabels", "Zel3dDupXYColors", "Zel3dExitCtrl", "Zel3dForceRedraw",
        "Zel3dFreeContourStyles", "Zel3dFreeDataStyles", "Zel3dFreeDistnTable",
        "Zel3dFreePropString", "Zel3dFreeStrings", "Zel3dFreeValueLabels", "Zel3dFreeXYColors",
        "Zel3dGetAction", "Zel3dGetActionList", "Zel3dGetAndInitDC", "Zel3dGetDC",
        "Zel3dGetDamagedRect", "Zel3dGetDistnTable", "Zel3dGetHandle",
        "Zel3dGetLocalizedResourceHandle", "Zel3dGetModuleVersionInfo", "Zel3dGetNthContourStyle",
        "Zel3dGetNthDataLabel", "Zel3dGetNthDataStyle", "Zel3dGetNthFooterString",
        "Zel3dGetNthHeaderString", "Zel3dGetNthLegendString", "Zel3dGetPalette",
        "Zel3dGetPropString", "Zel3dGetValueInfo", "Zel3dGetValueLabel", "Zel3dGetValues",
        "Zel3dGetWindow", "Zel3dGetXYColor", "Zel3dInitCtrl", "Zel3dInitDC",
        "Zel3dInsertNthDataStyle", "Zel3dLoadResourceString", "Zel3dMakeDataFromFile",
        "Zel3dMakeGridData", "Zel3dMakeIrGridData", "Zel3dMakePointData",
        "Zel3dMakePointDataSeries", "Zel3dMap", "Zel3dPick", "Zel3dPrint", "Zel3dRGBStrToColor",
        "Zel3dRegisterClass", "Zel3dReinitialize", "Zel3dReleaseDC",
        "Zel3dReleaseLocalizedResourceHandle", "Zel3dRemoveAllActions", "Zel3dRemoveNthDataStyle",
        "Zel3dResetAllActions", "Zel3dResetContourStyles", "Zel3dSaveDataToFile",
        "Zel3dSaveImageAsDibBytes", "Zel3dSaveImageAsJpeg", "Zel3dSaveImageAsJpegBytes",
        "Zel3dSaveImageAsPng", "Zel3dSaveImageAsPngBytes", "Zel3dSetAction", "Zel3dSetCreator",
        "Zel3dSetEventHandler", "Zel3dSetNthContourStyle", "Zel3dSetNthDataLabel",
        "Zel3dSetNthDataStyle", "Zel3dSetNthFooterString", "Zel3dSetNthHeaderString",
        "Zel3dSetNthLegendString", "Zel3dSetPropString", "Zel3dSetValueLabel", "Zel3dSetValues",
        "Zel3dSetWorkColor", "Zel3dSetXYColor", "Zel3dStrToColor", "Zel3dTextCreate",
        "Zel3dTextDestroy", "Zel3dTextGetPropString", "Zel3dTextGetValueInfo", "Zel3dTextGetValues",
        "Zel3dTextSetPropString", "Zel3dTextSetValues", "Zel3dUnmap", "Zel3dUnpick",
        "Zel3dUnregisterClass", "Zel3dZInterpolate", "Zel3dZInterpolateIndirect",
        "Zel3d_GetEnumList", "Zel3d_GetImageData", "Zel3d_GetResEnumList", "Zel3d_SetImageData",
        "Zel3d_SetImageFileName",
    };
    std::set<std::string> exported = ExportedNames(Library());
    for (const char* name : expected) {
        EXPECT_EQ(1u, exported.count(name)) << name;
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(Library(), name))) << name;
    }
    // Undecorated, so that programs find the window procedure by its name.
    EXPECT_EQ(1u, exported.count("Zel3dWndProc"));
    // Nothing of the library's internals.
    for (const std::string& name : exported) EXPECT_EQ(0u, name.rfind("Zel3d", 0)) << name;
    EXPECT_EQ(sizeof expected / sizeof expected[0] + 1, exported.size());
}

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
