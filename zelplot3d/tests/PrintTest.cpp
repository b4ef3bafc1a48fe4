// Printing a chart on the real PDF printer of the test set-up: the print
// dialog answered as a user would, one page "Stock graphs" with the chart on
// it, checked by turning the PDF into pixels with the system's PDF tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "HostCommand.h"
#include "ImageDecoders.h"
#include "ModalDriver.h"
#include "OwnerWindow.h"
#include "TestFiles.h"
#include "WindowHelpers.h"
#include "zelplot3d.h"

namespace {

using testing_harness::EnvironmentValue;
using testing_harness::HostScratchDir;
using testing_harness::ModalDriver;
using testing_harness::PumpUntil;
using testing_harness::RunHostCommand;
using testing_harness::WindowsPathOf;
using zel3d_test::OwnerWindow;

// The newest "Stock graphs" PDF in the printer's folder written since
// `since`; empty when there is none.
std::string NewestPdf(const std::string& folder, const FILETIME& since) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((WindowsPathOf(folder) + "\\*Stock_graphs*.pdf").c_str(), &found);
    std::string newest;
    FILETIME best = since;
    if (search == INVALID_HANDLE_VALUE) return newest;
    do {
        if (CompareFileTime(&found.ftLastWriteTime, &best) >= 0) {
            best = found.ftLastWriteTime;
            newest = folder + "/" + found.cFileName;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return newest;
}

TEST(Print, OnePageWithTheChartOnThePdfPrinter) {
    std::string output = EnvironmentValue("TEST_PRINTER_OUTPUT_DIR");
    if (output.empty()) GTEST_SKIP() << "no PDF printer in this test set-up";
    ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA("zelplot3d.dll")));

    OwnerWindow owner(440, 360);
    Zel3dChart* chart =
        Zel3dCreateWindow("", 0, 0, 400, 300, owner.window(), GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, chart);
    Zel3dData* grid = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 19; ++j)
            grid->grid.values[i][j] = 300.0 + 12.0 * i - 4.0 * (j - 8) * (j - 8) * 0.25;
    zel3d_test::ApplyProgramsSetup(chart, 400, 300, grid);

    FILETIME start;
    GetSystemTimeAsFileTime(&start);
    ModalDriver::Instance().Answer("Print", IDOK);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the job closes its cancel box
    EXPECT_EQ(1, Zel3dPrint(chart, 1, 0, 0, 0, 0, 0));
    bool cancel_box = false;
    for (const testing_harness::BoxRecord& box : ModalDriver::Instance().Boxes())
        cancel_box |= box.caption == "Printing" && box.HasButton(IDCANCEL);
    EXPECT_TRUE(cancel_box);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Printing"));
    Zel3dDestroy(chart);
    Zel3dDestroyData(grid, 1);

    // The printer's queue writes the PDF a moment later.
    std::string pdf;
    ASSERT_TRUE(PumpUntil([&] { return !(pdf = NewestPdf(output, start)).empty(); }, 60000))
        << "no PDF appeared in " << output;
    // A PDF still being written fails pdfinfo: try until it reads.
    std::string info;
    for (int attempt = 0; attempt < 20 && info.find("Pages:") == std::string::npos; ++attempt) {
        testing_harness::HostCommandResult result = RunHostCommand("pdfinfo '" + pdf + "'");
        ASSERT_TRUE(result.finished) << result.output;
        info = result.output;
        if (info.find("Pages:") == std::string::npos) Sleep(500);
    }
    ASSERT_NE(std::string::npos, info.find("Pages:")) << info;
    EXPECT_EQ(1, atoi(info.c_str() + info.find("Pages:") + 6)) << info;
    EXPECT_NE(std::string::npos, info.find("Stock graphs")) << info;

    // The page as pixels, in a folder both sides see.
    std::string scratch = HostScratchDir();
    ASSERT_FALSE(scratch.empty());
    zel3d_test::TempFolder work(WindowsPathOf(scratch));
    std::string unix_work = scratch + "/" + work.path().substr(work.path().find_last_of('\\') + 1);
    testing_harness::HostCommandResult rendered =
        RunHostCommand("pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + unix_work + "/page'");
    ASSERT_TRUE(rendered.Succeeded()) << rendered.output;
    zel3d_test::DecodedImage page =
        zel3d_test::DecodePng(zel3d_test::ReadBytes(work.File("page.png")));
    ASSERT_TRUE(page.ok);
    // The chart fills the page's width: its silver background, the dark red
    // top of the surface and the grey walls.
    int silver = 0, red = 0, grey = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            unsigned c = page.At(x, y);
            int r = int(c >> 16), g = int((c >> 8) & 255), b = int(c & 255);
            silver += abs(r - 192) < 12 && abs(g - 192) < 12 && abs(b - 192) < 12;
            red += r > 90 && r < 170 && g < 40 && b < 40;
            grey += abs(r - 128) < 12 && abs(g - 128) < 12 && abs(b - 128) < 12;
        }
    int area = page.width * page.height;
    EXPECT_GT(silver, area / 10);
    EXPECT_GT(red, area / 100);
    EXPECT_GT(grey, area / 200);
    // Copied beside the pictures for a person to look at.
    zel3d_test::WriteBytes(std::string(getenv("TEMP") ? getenv("TEMP") : ".") + "\\print_page.png",
                           zel3d_test::ReadBytes(work.File("page.png")));
}

bool g_cancel_clicked = false;

// Clicks Cancel in the "Printing" box when it is first activated.
LRESULT CALLBACK ClickCancelInPrintingBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !g_cancel_clicked) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char caption[64] = "";
        GetWindowTextA(box, caption, sizeof caption);
        if (std::string(caption) == "Printing") {
            g_cancel_clicked = true;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(box, IDCANCEL)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Cancel in the "Printing" box, pressed while the job runs, ends it: the
// print gives 0, the box is gone, and the printer makes no document of it.
TEST(Print, CancelInTheCancelBoxEndsTheJob) {
    std::string output = EnvironmentValue("TEST_PRINTER_OUTPUT_DIR");
    if (output.empty()) GTEST_SKIP() << "no PDF printer in this test set-up";
    ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA("zelplot3d.dll")));
    OwnerWindow owner(440, 360);
    Zel3dChart* chart = Zel3dCreateWindow("", 0, 0, 400, 300, owner.window(), GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, chart);
    Zel3dData* grid = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 19; ++j) grid->grid.values[i][j] = 300.0 + 12.0 * i - (j - 8) * (j - 8);
    zel3d_test::ApplyProgramsSetup(chart, 400, 300, grid);

    FILETIME start;
    GetSystemTimeAsFileTime(&start);
    ModalDriver::Instance().Answer("Print", IDOK);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // cancelled below
    // Cancel is clicked as soon as the box shows: the click waits in the
    // queue for the job's own message pump.
    g_cancel_clicked = false;
    HHOOK hook = SetWindowsHookExA(WH_CBT, ClickCancelInPrintingBox, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    int printed = Zel3dPrint(chart, 1, 0, 0, 0, 0, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(g_cancel_clicked);
    EXPECT_EQ(0, printed);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Printing"));
    Zel3dDestroy(chart);
    Zel3dDestroyData(grid, 1);
    // The queue had time to write a document, had there been one.
    PumpUntil([] { return false; }, 4000);
    EXPECT_EQ("", NewestPdf(output, start));
}

}  // namespace
