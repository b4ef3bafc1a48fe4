// The workbook frame in real windows: the MDI client inside its margins,
// sheet tabs that activate their sheets, hidden sheets leaving no gap,
// shortened labels with tooltips, and the tab geometry as plain functions.
#include <gtest/gtest.h>

#include <string>

#include "WinApp.h"
#include "WindowHelpers.h"
#include "Workbook.h"
#include "WorkbookTestResources.h"

namespace {

namespace wg = workbook_geometry;
using testing_harness::PumpPending;
using testing_harness::PumpUntil;

TEST(WorkbookGeometry, TabWidthsPolygonsAndLabels) {
    struct Width { int client, sheets, expected; };
    const Width widths[] = {{600, 1, 90}, {600, 6, 90}, {600, 7, 86}, {100, 3, 35}, {600, 0, 100}};
    for (const Width& w : widths) EXPECT_EQ(wg::TabWidth(w.client, w.sheets, 100), w.expected) << w.sheets;

    const RECT client = {13, 13, 413, 250};
    const auto plain = wg::TabPolygon(client, 80, 1, false);
    const POINT expectedPlain[7] = {{93, 254}, {93, 275}, {95, 277}, {171, 277}, {173, 275}, {173, 254}, {93, 254}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(plain[i].x, expectedPlain[i].x) << i;
        EXPECT_EQ(plain[i].y, expectedPlain[i].y) << i;
    }
    // Raised: 2 wider on each side and 2 deeper.
    const auto raised = wg::TabPolygon(client, 80, 1, true);
    EXPECT_EQ(raised[0].x, 91);
    EXPECT_EQ(raised[2].y, 279);
    EXPECT_EQ(raised[4].x - raised[1].x, 84);
    const RECT label = wg::TabLabelRect(plain, 16);
    EXPECT_EQ(label.left, 95 + 16 + 3);
    EXPECT_EQ(label.right, 171);
    EXPECT_EQ(wg::TabLabelRect(plain, 0).left, 98);

    // Shortening: one character a round, ending in "...", never below 4.
    auto fitsIn = [](size_t n) { return [n](const std::string& s) { return s.size() <= n; }; };
    struct Label { const char* text; size_t room; const char* expected; };
    const Label labels[] = {
        {"Engine.eng", 20, "Engine.eng"}, {"Engine.eng", 7, "Engi..."}, {"Engine.eng", 1, "..."},
        {"Abc", 1, "Abc"}, {"Abcd", 3, "..."},
    };
    for (const Label& l : labels) EXPECT_EQ(wg::ShortenLabel(l.text, fitsIn(l.room)), l.expected) << l.text;
}

class CTestWorkbook : public SECWorkbook {
public:
    afx_msg void OnToggle() { ToggleWorkbookMode(); }
    afx_msg void OnUpdateToggle(CCmdUI* cmdUI) { OnUpdateWorkbookMode(cmdUI); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestWorkbook, SECWorkbook)
    ON_COMMAND(ID_TEST_TOGGLE_WORKBOOK, OnToggle)
    ON_UPDATE_COMMAND_UI(ID_TEST_TOGGLE_WORKBOOK, OnUpdateToggle)
END_MESSAGE_MAP()

class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CTestWorkbook;
        ASSERT_TRUE(frame->LoadFrame(IDR_TEST_WORKBOOK));
        app.m_pMainWnd = frame;
        frame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        frameWnd = frame->m_hWnd;
    }
    void TearDown() override {
        if (::IsWindow(frameWnd)) frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    SECWorksheet* AddSheet(const char* title) {
        auto* sheet = new SECWorksheet;
        EXPECT_TRUE(sheet->LoadFrame(IDR_TEST_SHEET, WS_CHILD | WS_OVERLAPPEDWINDOW, frame));
        sheet->SetWindowText(title);
        sheet->ShowWindow(SW_SHOW);
        sheet->MDIActivate();
        PumpPending();
        return sheet;
    }
    HWND Active() const {
        return reinterpret_cast<HWND>(::SendMessageA(frame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    }
    POINT TabCentre(SECWorksheet* sheet) {
        const auto p = frame->GetTabPolygon(sheet);
        return POINT{(p[0].x + p[5].x) / 2, (p[0].y + p[2].y) / 2};
    }

    CWinApp app;
    CTestWorkbook* frame = nullptr;
    HWND frameWnd = nullptr;
};

TEST_F(WorkbookTest, ClientInsideItsMarginsAndTabsActivateTheirSheets) {
    CRect free = frame->QueryFreeRect();
    EXPECT_EQ(frame->GetClientAreaRect(), free);  // mode off: no margins
    frame->SendMessage(WM_COMMAND, ID_TEST_TOGGLE_WORKBOOK);
    ASSERT_TRUE(frame->IsWorkbookMode());
    EXPECT_TRUE(SECWorkbook::workbookModeInProcess);
    free = frame->QueryFreeRect();
    EXPECT_EQ(frame->GetClientAreaRect(), CRect(free.left + 13, free.top + 13, free.right - 13, free.bottom - 33));
    CRect book;
    frame->GetWorkbookRect(book);
    EXPECT_EQ(book, free);

    SECWorksheet* first = AddSheet("Engine");
    SECWorksheet* second = AddSheet("Vehicle");
    SECWorksheet* third = AddSheet("A rather long sheet title for a narrow tab");
    ASSERT_EQ(frame->GetSheetCount(), 3);
    EXPECT_EQ(frame->GetTabWidth(), 90);
    EXPECT_EQ(Active(), third->m_hWnd);
    ASSERT_NE(first->m_icon, nullptr);

    frame->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(first).x, TabCentre(first).y));
    frame->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(TabCentre(first).x, TabCentre(first).y));
    PumpPending();
    EXPECT_EQ(Active(), first->m_hWnd);
    EXPECT_FALSE(first->m_pressed);
    // A click on the active tab, or below every tab, changes nothing.
    frame->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(first).x, TabCentre(first).y));
    frame->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(second).x, free.bottom - 1));
    PumpPending();
    EXPECT_EQ(Active(), first->m_hWnd);

    // Tooltips: only the shortened label has one, with its full text.
    TOOLINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_EQ(frame->OnToolHitTest(CPoint(TabCentre(first)), &info), -1);
    ASSERT_EQ(frame->OnToolHitTest(CPoint(TabCentre(third)), &info), 3);
    EXPECT_STREQ(info.lpszText, "A rather long sheet title for a narrow tab");
    std::free(info.lpszText);

    frame->RedrawWindow();
    PumpPending();
    const auto pixels = testing_harness::Pixels::FromWindow(frame->m_hWnd);
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    pixels.SavePng(std::string(dir) + "workbook.png");
    // The tab face and the border lines are drawn in the margins.
    const auto tab = frame->GetTabPolygon(second);
    EXPECT_EQ(pixels.At(tab[5].x - 4, tab[0].y + 3), testing_harness::Rgb(::GetSysColor(COLOR_BTNFACE)));
    const CRect mdi = frame->GetClientAreaRect();
    EXPECT_EQ(pixels.At(mdi.right - 20, mdi.bottom + 4), testing_harness::Rgb(::GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(pixels.At(mdi.right + 5, mdi.top + 20), 0u);  // the black outer edge

    // A hidden sheet leaves no gap: the next tab moves into its place.
    const auto before = frame->GetTabPolygon(second);
    first->ShowWindow(SW_HIDE);
    const auto after = frame->GetTabPolygon(second);
    EXPECT_EQ(after[1].x, before[1].x - 90);
    frame->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(TabCentre(second).x, TabCentre(second).y));
    frame->SendMessage(WM_LBUTTONUP, 0, 0);
    PumpPending();
    EXPECT_EQ(Active(), second->m_hWnd);

    // A sheet that goes leaves the array renumbered.
    second->MDIDestroy();
    PumpPending();
    ASSERT_EQ(frame->GetSheetCount(), 2);
    EXPECT_EQ(frame->GetSheet(1), third);
    EXPECT_EQ(third->m_index, 1);

    frame->SetWorkbookMode(FALSE);
    EXPECT_EQ(frame->GetClientAreaRect(), frame->QueryFreeRect());
}

TEST_F(WorkbookTest, AnUnhandledSystemCommandGoesToTheMaximisedSheetOnce) {
    SECWorksheet* sheet = AddSheet("Engine");
    sheet->MDIMaximize();
    PumpPending();
    BOOL maximized = FALSE;
    frame->MDIGetActive(&maximized);
    ASSERT_TRUE(maximized);
    // The maximised sheet's system menu sits in the frame's menu bar; its
    // Restore arrives at the frame as WM_COMMAND.
    frame->SendMessage(WM_COMMAND, SC_RESTORE, 0);
    PumpPending();
    frame->MDIGetActive(&maximized);
    EXPECT_FALSE(maximized);
    EXPECT_TRUE(::IsWindow(frameWnd));
}

}  // namespace
