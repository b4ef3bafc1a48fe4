// The DLL's export table: every function of the interface under its own
// undecorated name, as a C program or GetProcAddress finds it, and nothing
// of the library's internals.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace {

// The names in a loaded module's export directory.
std::set<std::string> ExportedNames(HMODULE module) {
    std::set<std::string> names;
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (!directory.VirtualAddress) return names;
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    auto offsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.insert(reinterpret_cast<const char*>(base + offsets[i]));
    return names;
}

const char* const kInterface[] = {
    "Zel3dAboutDialogBox",
    "Zel3dAttachWindow",
    "Zel3dCallAction",
    "Zel3dClearVersionInfo",
    "Zel3dColorToRGBStr",
    "Zel3dColorToStr",
    "Zel3dComputePalette",
    "Zel3dContourStylesFromFile",
    "Zel3dContourStylesToFile",
    "Zel3dCreate",
    "Zel3dCreateWindow",
    "Zel3dDataContours",
    "Zel3dDataCopy",
    "Zel3dDataUpdateDataValue",
    "Zel3dDestroy",
    "Zel3dDestroyData",
    "Zel3dDetachWindow",
    "Zel3dDistnTableFromFile",
    "Zel3dDistnTableToFile",
    "Zel3dDrawToClipboard",
    "Zel3dDrawToDC",
    "Zel3dDrawToFile",
    "Zel3dDupContourStyles",
    "Zel3dDupDataStyles",
    "Zel3dDupDistnTable",
    "Zel3dDupStrings",
    "Zel3dDupValueLabels",
    "Zel3dDupXYColors",
    "Zel3dExitCtrl",
    "Zel3dForceRedraw",
    "Zel3dFreeContourStyles",
    "Zel3dFreeDataStyles",
    "Zel3dFreeDistnTable",
    "Zel3dFreePropString",
    "Zel3dFreeStrings",
    "Zel3dFreeValueLabels",
    "Zel3dFreeXYColors",
    "Zel3dGetAction",
    "Zel3dGetActionList",
    "Zel3dGetAndInitDC",
    "Zel3dGetDC",
    "Zel3dGetDamagedRect",
    "Zel3dGetHandle",
    "Zel3dGetLocalizedResourceHandle",
    "Zel3dGetModuleVersionInfo",
    "Zel3dGetPalette",
    "Zel3dGetPropString",
    "Zel3dGetValueInfo",
    "Zel3dGetValues",
    "Zel3dGetWindow",
    "Zel3dGetXYColor",
    "Zel3dInitCtrl",
    "Zel3dInitDC",
    "Zel3dLoadResourceString",
    "Zel3dMakeDataFromFile",
    "Zel3dMakeGridData",
    "Zel3dMakeIrGridData",
    "Zel3dMakePointData",
    "Zel3dMakePointDataSeries",
    "Zel3dMap",
    "Zel3dPick",
    "Zel3dPrint",
    "Zel3dRGBStrToColor",
    "Zel3dRegisterClass",
    "Zel3dReinitialize",
    "Zel3dReleaseDC",
    "Zel3dReleaseLocalizedResourceHandle",
    "Zel3dRemoveAllActions",
    "Zel3dResetAllActions",
    "Zel3dSaveDataToFile",
    "Zel3dSaveImageAsDibBytes",
    "Zel3dSaveImageAsJpeg",
    "Zel3dSaveImageAsJpegBytes",
    "Zel3dSaveImageAsPng",
    "Zel3dSaveImageAsPngBytes",
    "Zel3dSetAction",
    "Zel3dSetCreator",
    "Zel3dSetEventHandler",
    "Zel3dSetPropString",
    "Zel3dSetValues",
    "Zel3dSetWorkColor",
    "Zel3dSetXYColor",
    "Zel3dStrToColor",
    "Zel3dTextCreate",
    "Zel3dTextDestroy",
    "Zel3dTextGetPropString",
    "Zel3dTextGetValueInfo",
    "Zel3dTextGetValues",
    "Zel3dTextSetPropString",
    "Zel3dTextSetValues",
    "Zel3dUnmap",
    "Zel3dUnpick",
    "Zel3dUnregisterClass",
    "Zel3dWndProc",
    "Zel3d_GetEnumList",
    "Zel3d_GetImageData",
    "Zel3d_GetResEnumList",
    "Zel3d_SetImageData",
    "Zel3d_SetImageFileName",
};

TEST(DllExports, EveryInterfaceFunctionUnderItsOwnName) {
    HMODULE library = GetModuleHandleA("zelplot3d.dll");
    ASSERT_NE(nullptr, library);
    std::set<std::string> exported = ExportedNames(library);
    for (const char* name : kInterface) {
        EXPECT_EQ(1u, exported.count(name)) << name;
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(library, name))) << name;
    }
    for (const std::string& name : exported) EXPECT_EQ(0u, name.rfind("Zel3d", 0)) << name;
    EXPECT_EQ(sizeof kInterface / sizeof kInterface[0], exported.size());
}

}  // namespace
