#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "HostCommand.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"

using namespace testing_harness;

TEST(Window, IsCreatedPaintedAndReadBack) {
    const COLORREF red = RGB(200, 10, 20);
    HWND wnd = CreateTestWindow(120, 80, [red](HDC dc, const RECT& client) {
        HBRUSH brush = CreateSolidBrush(red);
        RECT left = {0, 0, client.right / 2, client.bottom};
        FillRect(dc, &left, brush);
        DeleteObject(brush);
    });
    ASSERT_NE(wnd, nullptr);
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
    Pixels pixels = Pixels::FromWindow(wnd);
    ASSERT_EQ(pixels.width(), 120);
    ASSERT_EQ(pixels.height(), 80);
    EXPECT_EQ(pixels.At(10, 40), Rgb(red));
    EXPECT_NE(pixels.At(100, 40), Rgb(red));
    RECT left = {0, 0, 60, 80};
    EXPECT_EQ(pixels.Count(Rgb(red), &left), 60 * 80);
    EXPECT_TRUE(pixels.SavePng("harness_window.png"));
    DestroyWindow(wnd);
    DeleteFileA("harness_window.png");
}

TEST(Window, MemoryDcPixelsAndPng) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, bitmap);
    RECT all = {0, 0, 40, 30};
    FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixel(mem, 5, 7, RGB(0, 0, 255));
    Pixels pixels = Pixels::FromDC(mem, 40, 30);
    EXPECT_EQ(pixels.At(5, 7), 0x0000FFu);
    EXPECT_EQ(pixels.At(6, 7), 0xFFFFFFu);
    EXPECT_TRUE(pixels.SavePng("harness_dc.png"));
    FILE* f = fopen("harness_dc.png", "rb");
    ASSERT_NE(f, nullptr);
    unsigned char magic[8] = {};
    EXPECT_EQ(fread(magic, 1, 8, f), 8u);
    fclose(f);
    EXPECT_EQ(magic[1], 'P');
    EXPECT_EQ(magic[2], 'N');
    EXPECT_EQ(magic[3], 'G');
    DeleteFileA("harness_dc.png");
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
}

TEST(ModalDriver, AnswersAndRecordsAMessageBox) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Answer("Save Changes", IDNO);
    int result = MessageBoxA(nullptr, "Save the engine?", "Save Changes",
                             MB_YESNOCANCEL | MB_ICONWARNING);
    EXPECT_EQ(result, IDNO);
    ASSERT_EQ(driver.Boxes().size(), 1u);
    const BoxRecord& box = driver.Boxes()[0];
    EXPECT_EQ(box.caption, "Save Changes");
    EXPECT_EQ(box.text, "Save the engine?");
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    EXPECT_TRUE(box.scripted);
    EXPECT_TRUE(box.HasButton(IDYES));
    EXPECT_TRUE(box.HasButton(IDNO));
    EXPECT_TRUE(box.HasButton(IDCANCEL));
    EXPECT_EQ(driver.PendingScripts(), 0u);
}

TEST(ModalDriver, AnswersBoxesInScriptOrder) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Answer("First", IDCANCEL);
    driver.Answer("", IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "a", "First", MB_OKCANCEL | MB_ICONERROR), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "b", "Second", MB_OKCANCEL | MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(driver.Boxes().size(), 2u);
    EXPECT_EQ(driver.Boxes()[0].icon, BoxIcon::Error);
    EXPECT_EQ(driver.Boxes()[1].icon, BoxIcon::Information);
}

TEST(ModalDriver, HandlesADialogWithAnAction) {
    ModalDriver& driver = ModalDriver::Instance();
    bool seen = false;
    driver.Handle("Question", [&seen](HWND box) {
        seen = IsWindowVisible(box) != FALSE;
        ModalDriver::PressButton(box, IDRETRY);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "again?", "Question", MB_RETRYCANCEL), IDRETRY);
    EXPECT_TRUE(seen);
}

TEST(ModalDriver, UnscriptedBoxFailsTheTestAndIsCancelled) {
    int result = 0;
    EXPECT_NONFATAL_FAILURE(
        result = MessageBoxA(nullptr, "Nobody expects this", "Surprise", MB_OKCANCEL),
        "Unexpected box \"Surprise\": Nobody expects this");
    EXPECT_EQ(result, IDCANCEL);
}

TEST(ModalDriver, UnscriptedOkOnlyBoxIsClosed) {
    int result = 0;
    EXPECT_NONFATAL_FAILURE(result = MessageBoxA(nullptr, "Note", "Plain", MB_OK), "Plain");
    EXPECT_EQ(result, IDOK);
}

TEST(DeathTest, ExitCode9999IsSeenByTheParent) {
    EXPECT_EXIT(ExitProcess(9999), ::testing::ExitedWithCode(9999), "");
}

TEST(Helpers, PumpUntilSeesAPostedMessageAndTimesOut) {
    HWND wnd = CreateTestWindow(50, 50, nullptr, "posted");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(FindWindowOf("HarnessTestWindow", "posted"), wnd);
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(wnd); }, 2000));
    EXPECT_EQ(FindWindowOf("HarnessTestWindow", "posted"), nullptr);
    EXPECT_FALSE(PumpUntil([] { return false; }, 50));
}

TEST(Helpers, TypeTextAndClickReachControls) {
    HWND wnd = CreateTestWindow(200, 100);
    HWND edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20, wnd,
                              reinterpret_cast<HMENU>(101), GetModuleHandleA(nullptr), nullptr);
    HWND check = CreateWindowA("BUTTON", "x", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 30,
                               150, 20, wnd, reinterpret_cast<HMENU>(102),
                               GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(FindControl(wnd, 101), edit);
    TypeText(edit, "4.030");
    EXPECT_EQ(ControlText(edit), "4.030");
    Click(check);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    DestroyWindow(wnd);
}

TEST(HostCommand, RunsAHostShellCommandAndReturnsItsOutputAndStatus) {
    // Quotes, backslashes and dollars reach the shell as written.
    HostCommandResult echo = RunHostCommand("printf '%s|' \"a b\" 'c\\\"d' x\\\\y; echo $((6*7))", 30000);
    ASSERT_TRUE(echo.finished) << echo.output;
    EXPECT_EQ(echo.exitCode, 0);
    EXPECT_EQ(echo.output, "a b|c\\\"d|x\\y|42\n");
    // A failing command's status and error output come back.
    HostCommandResult failing = RunHostCommand("echo gone >&2; exit 3", 30000);
    ASSERT_TRUE(failing.finished);
    EXPECT_EQ(failing.exitCode, 3);
    EXPECT_FALSE(failing.Succeeded());
    EXPECT_EQ(failing.output, "gone\n");
}

TEST(HostCommand, FilesAreSharedThroughTheScratchFolder) {
    std::string scratch = HostScratchDir();
    ASSERT_FALSE(scratch.empty());
    EXPECT_EQ(scratch[0], '/');
    std::string expected = EnvironmentValue("TEST_SCRATCH_DIR");
    if (!expected.empty()) {
        EXPECT_EQ(scratch, expected);
    }
    // A file the host writes is read here through its Windows path, and back.
    std::string unixFile = scratch + "/shared file.txt";
    ASSERT_TRUE(RunHostCommand("echo from the host > '" + unixFile + "'").Succeeded());
    std::string windowsFile = WindowsPathOf(unixFile);
    EXPECT_EQ(windowsFile.substr(0, 3), "Z:\\");
    EXPECT_NE(GetFileAttributesA(windowsFile.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(UnixPathOf(windowsFile), unixFile);
    EXPECT_EQ(RunHostCommand("cat '" + unixFile + "'").output, "from the host\n");
    EXPECT_TRUE(DeleteFileA(windowsFile.c_str()));
    // Wine's temporary folder has a Unix path too.
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string tempUnix = UnixPathOf(temp);
    ASSERT_FALSE(tempUnix.empty());
    EXPECT_TRUE(RunHostCommand("test -d '" + tempUnix + "'").Succeeded());
}
