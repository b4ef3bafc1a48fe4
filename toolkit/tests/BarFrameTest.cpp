// A frame with a toolbar, a status bar and a view, in real windows: the
// layout of the bars and the pane, command update of the buttons, tooltips,
// fly-by and menu prompts in the status bar, its panes, and showing and
// hiding the bars by their commands.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BarTestResources.h"
#include "CmdUI.h"
#include "FrameWnd.h"
#include "SECStatusBar.h"
#include "SECToolBar.h"
#include "View.h"
#include "WinThread.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

namespace {

class CPlainView : public CView {
    DECLARE_DYNCREATE(CPlainView)
public:
    void OnDraw(CDC* dc) override {
        CRect area;
        GetClientRect(&area);
        dc->FillSolidRect(&area, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(CPlainView, CView)

const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

// The frame the programs build: toolbar at the top, status bar at the
// bottom, bars with tooltips, fly-by prompts and dynamic size.
class CBarFrame : public CFrameWnd {
public:
    SECToolBar toolBar;
    SECStatusBar statusBar;
    BOOL canStop = FALSE;
    BOOL metric = TRUE;
    int runs = 0;

    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (CFrameWnd::OnCreate(cs) == -1) return -1;
        if (!toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR) ||
            !toolBar.LoadToolBar(IDR_TEST_TOOLBAR))
            return -1;
        if (!statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, AFX_IDW_STATUS_BAR) ||
            !statusBar.SetIndicators(kIndicators, 3))
            return -1;
        toolBar.SetBarStyle(toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
        toolBar.EnableDocking(CBRS_ALIGN_ANY);
        return 0;
    }
    afx_msg void OnRun() { ++runs; }
    afx_msg void OnAnything() {}
    afx_msg void OnUpdateStop(CCmdUI* cmdUI) { cmdUI->Enable(canStop); }
    afx_msg void OnUpdateGraph(CCmdUI* cmdUI) { cmdUI->SetCheck(metric ? 1 : 0); }
    afx_msg void OnUpdateNum(CCmdUI* cmdUI) { cmdUI->Enable(metric); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_TEST_RUN, OnRun)
    ON_COMMAND(ID_TEST_NEW, OnAnything)
    ON_COMMAND(ID_TEST_OPEN, OnAnything)
    ON_COMMAND(ID_TEST_STOP, OnAnything)
    ON_COMMAND(ID_TEST_GRAPH, OnAnything)
    ON_UPDATE_COMMAND_UI(ID_TEST_STOP, OnUpdateStop)
    ON_UPDATE_COMMAND_UI(ID_TEST_GRAPH, OnUpdateGraph)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateNum)
END_MESSAGE_MAP()

class BarFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPlainView);
        frame_ = new CBarFrame;
        ASSERT_TRUE(frame_->Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW, CRect(20, 20, 660, 420), nullptr, nullptr, 0,
                                   &context));
        frame_->ShowWindow(SW_SHOW);
        frame_->RecalcLayout();
        Idle();
        testing_harness::PumpPending();
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }
    void Idle() { CWinThread::SendIdleUpdates(frame_); }
    // Dispatches messages as the program's loop does, through the windows'
    // PreTranslateMessage (tooltips and fly-by prompts live there), until
    // `done` holds or `timeout` ms pass.
    bool LoopUntil(const std::function<bool()>& done, DWORD timeout) {
        const DWORD start = ::GetTickCount();
        for (;;) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (CWnd::WalkPreTranslateTree(frame_->m_hWnd, &msg)) continue;
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            if (done()) return true;
            if (::GetTickCount() - start >= timeout) return false;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    // A child's rectangle in the frame's client coordinates.
    CRect RectOf(CWnd* child) const {
        CRect rect;
        child->GetWindowRect(&rect);
        frame_->ScreenToClient(&rect);
        return rect;
    }
    CWnd* Pane() const { return frame_->GetDescendantWindow(AFX_IDW_PANE_FIRST); }
    std::string StatusText(int pane) const {
        char text[256] = {};
        ::SendMessageA(frame_->statusBar.m_hWnd, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Enabled(UINT id) const {
        return ::SendMessageA(frame_->toolBar.m_hWnd, TB_ISBUTTONENABLED, id, 0) != 0;
    }

    CBarFrame* frame_ = nullptr;
};

TEST_F(BarFrameTest, ToolBarLoadsItsButtonsSizesAndImages) {
    SECToolBar& bar = frame_->toolBar;
    EXPECT_EQ(13, bar.GetButtonCount());
    EXPECT_EQ(13, bar.GetCount());
    EXPECT_EQ(23, bar.GetButtonSize().cx);
    EXPECT_EQ(22, bar.GetButtonSize().cy);
    EXPECT_EQ(16, bar.GetImageSize().cx);
    EXPECT_EQ(15, bar.GetImageSize().cy);
    // Images are counted over buttons only; separators are 8 wide on this control.
    int image = 0;
    for (int i = 0; i < 13; ++i) {
        TBBUTTON button;
        bar.GetButtonInfo(i, button);
        if (button.fsStyle & TBSTYLE_SEP) {
            EXPECT_EQ(0, button.idCommand);
            EXPECT_EQ(SECToolBar::GetComCtlVersion() == SECToolBar::version471 ? 6 : 8, button.iBitmap);
        } else {
            EXPECT_EQ(image++, button.iBitmap);
        }
    }
    EXPECT_EQ(11, image);
    EXPECT_EQ(UINT(ID_TEST_RUN), bar.GetItemID(7));
    EXPECT_EQ(7, bar.CommandToIndex(ID_TEST_RUN));
    EXPECT_EQ(DWORD(CBRS_HIDE_INPLACE), bar.GetBarStyle() & CBRS_HIDE_INPLACE);
    EXPECT_EQ(DWORD(CBRS_EX_FIXEDFRAME), bar.GetExBarStyle());
    // The wrong version word still loads; a count longer than the resource is refused.
    SECToolBar second;
    ASSERT_TRUE(second.Create(frame_, WS_CHILD | CBRS_TOP, 0xE810));
    EXPECT_FALSE(second.LoadToolBar(IDR_SHORT_TOOLBAR));
    EXPECT_FALSE(second.LoadToolBar(999));
}

// The colours the strip resource holds, pixel by pixel, with black, the greys
// and white as the current button colours.
std::vector<unsigned> MappedStripColours(UINT id, int& width, int& height) {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
    const auto* info = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, found)));
    const auto* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(info) + info->biSize);
    const BYTE* bits = reinterpret_cast<const BYTE*>(table + 16);
    width = info->biWidth;
    height = info->biHeight;
    const int rowBytes = ((width * 4 + 31) / 32) * 4;
    std::vector<unsigned> colours;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE pair = bits[(height - 1 - y) * rowBytes + x / 2];
            const RGBQUAD entry = table[x % 2 == 0 ? pair >> 4 : pair & 15];
            COLORREF colour = RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
            if (colour == RGB(0, 0, 0)) colour = ::GetSysColor(COLOR_BTNTEXT);
            else if (colour == RGB(128, 128, 128)) colour = ::GetSysColor(COLOR_BTNSHADOW);
            else if (colour == RGB(192, 192, 192)) colour = ::GetSysColor(COLOR_BTNFACE);
            else if (colour == RGB(255, 255, 255)) colour = ::GetSysColor(COLOR_BTNHIGHLIGHT);
            colours.push_back(testing_harness::Rgb(colour));
        }
    }
    return colours;
}

std::vector<unsigned> BitmapColours(HBITMAP bitmap, int width, int height) {
    HDC memory = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, width, height);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    std::vector<unsigned> colours;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) colours.push_back(pixels.At(x, y));
    return colours;
}

TEST_F(BarFrameTest, TheImageStripTakesTheButtonColoursAndIsMadeAgainWhenTheyChange) {
    SECToolBar& bar = frame_->toolBar;
    int width = 0, height = 0;
    const std::vector<unsigned> expected = MappedStripColours(IDR_TEST_TOOLBAR, width, height);
    ASSERT_EQ(176, width);
    HBITMAP strip = bar.GetBitmap();
    ASSERT_NE(nullptr, strip);
    EXPECT_EQ(expected, BitmapColours(strip, width, height));

    // A colour change makes the strip again from its resource and hands it
    // to the control in place of the old one.
    bar.SendMessage(WM_SYSCOLORCHANGE);
    HBITMAP again = bar.GetBitmap();
    ASSERT_NE(nullptr, again);
    EXPECT_NE(strip, again);
    EXPECT_EQ(OBJ_BITMAP, static_cast<int>(::GetObjectType(again)));
    EXPECT_EQ(expected, BitmapColours(again, width, height));
    EXPECT_EQ(13, bar.GetButtonCount());

    // Button records keep their 64-bit data through the control.
    TBBUTTON button;
    bar.GetButtonInfo(0, button);
    button.dwData = static_cast<DWORD_PTR>(0x0123456789ABCDEFull & ~DWORD_PTR(0));
    bar.SetButtonInfo(0, button);
    TBBUTTON read;
    bar.GetButtonInfo(0, read);
    EXPECT_EQ(button.dwData, read.dwData);
    EXPECT_EQ(button.idCommand, read.idCommand);
    EXPECT_EQ(button.iBitmap, read.iBitmap);
}

TEST_F(BarFrameTest, BorderLinesAreFlatUnlessTheBarAsksForShadowedOnes) {
    SECToolBar& bar = frame_->toolBar;
    const DWORD style = bar.GetBarStyle();
    bar.SetBarStyle((style & ~CBRS_BORDER_ANY) | CBRS_BORDER_ANY | CBRS_BORDER_3D);
    struct Case {
        DWORD exStyle;
        COLORREF dark, light;
    } cases[] = {
        {CBRS_EX_FIXEDFRAME, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE)},
        {CBRS_EX_FIXEDFRAME | CBRS_EX_SHADOWBORDERS, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT)},
    };
    for (const Case& c : cases) {
        bar.SetExBarStyle(c.exStyle, FALSE);
        HDC memory = ::CreateCompatibleDC(nullptr);
        HDC screen = ::GetDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 40, 20);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        CDC* dc = CDC::FromHandle(memory);
        dc->FillSolidRect(0, 0, 40, 20, RGB(1, 2, 3));
        CRect rect(0, 0, 40, 20);
        bar.DrawBorders(dc, rect);
        EXPECT_EQ(CRect(2, 2, 38, 18), rect);
        testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, 40, 20);
        using testing_harness::Rgb;
        EXPECT_EQ(Rgb(c.dark), pixels.At(20, 0));   // top
        EXPECT_EQ(Rgb(c.light), pixels.At(20, 1));
        EXPECT_EQ(Rgb(c.dark), pixels.At(0, 10));   // left
        EXPECT_EQ(Rgb(c.dark), pixels.At(38, 10));  // right, one further in
        EXPECT_EQ(Rgb(c.light), pixels.At(39, 10));
        EXPECT_EQ(Rgb(c.dark), pixels.At(20, 18));  // bottom, one further in
        EXPECT_EQ(Rgb(RGB(1, 2, 3)), pixels.At(20, 10));
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
    }
    bar.SetExBarStyle(CBRS_EX_FIXEDFRAME, FALSE);
    bar.SetBarStyle(style);
}

TEST_F(BarFrameTest, LayoutPutsTheToolBarOnTopTheStatusBarBelowAndThePaneBetween) {
    CRect client;
    frame_->GetClientRect(&client);
    CRect tool = RectOf(&frame_->toolBar);
    CRect status = RectOf(&frame_->statusBar);
    // One row of 23 x 22 buttons, margins 3 above and below, the bottom border line 2.
    EXPECT_EQ(CRect(0, 0, client.right, 30), tool);
    const int statusHeight = frame_->statusBar.CalcFixedLayout(TRUE, TRUE).cy;
    EXPECT_GT(statusHeight, 10);
    EXPECT_EQ(CRect(0, client.bottom - statusHeight, client.right, client.bottom), status);
    CRect pane = RectOf(Pane());
    EXPECT_EQ(CRect(0, 30, client.right, client.bottom - statusHeight), pane);
    // Laid out by the frame the bar is stretched along its side; committed
    // unstretched it is every button in one row plus the borders.
    EXPECT_EQ(30, frame_->toolBar.m_szHorzDocked.cy);
    EXPECT_EQ(CSize(11 * 23 + 2 * 8 + 12, 30),
              frame_->toolBar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT));
    EXPECT_EQ(CSize(11 * 23 + 2 * 8 + 12, 30), frame_->toolBar.m_szHorzDocked);

    // A wider frame keeps the rule.
    frame_->SetWindowPos(nullptr, 0, 0, 800, 500, SWP_NOMOVE | SWP_NOZORDER);
    frame_->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, client.right, 30), RectOf(&frame_->toolBar));
    EXPECT_EQ(CRect(0, 30, client.right, client.bottom - statusHeight), RectOf(Pane()));

    testing_harness::PumpUntil([] { return false; }, 200);
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("bars-frame.png");
}

TEST_F(BarFrameTest, ButtonsFollowCommandUpdateAtIdle) {
    EXPECT_TRUE(Enabled(ID_TEST_RUN));     // handled
    EXPECT_TRUE(Enabled(ID_TEST_NEW));
    EXPECT_FALSE(Enabled(ID_TEST_SAVE));   // no handler: disabled
    EXPECT_FALSE(Enabled(ID_TEST_STOP));   // its update handler disables it
    EXPECT_EQ(UINT(TBBS_DISABLED), frame_->toolBar.GetButtonStyle(frame_->toolBar.CommandToIndex(ID_TEST_STOP)) &
                                       TBBS_DISABLED);
    const int graph = frame_->toolBar.CommandToIndex(ID_TEST_GRAPH);
    EXPECT_EQ(UINT(TBBS_CHECKBOX | TBBS_CHECKED), frame_->toolBar.GetButtonStyle(graph) & (TBBS_CHECKBOX | TBBS_CHECKED));
    EXPECT_TRUE(::SendMessageA(frame_->toolBar.m_hWnd, TB_ISBUTTONCHECKED, ID_TEST_GRAPH, 0));

    frame_->canStop = TRUE;
    frame_->metric = FALSE;
    Idle();
    EXPECT_TRUE(Enabled(ID_TEST_STOP));
    EXPECT_FALSE(::SendMessageA(frame_->toolBar.m_hWnd, TB_ISBUTTONCHECKED, ID_TEST_GRAPH, 0));

    // Setting the style it has writes nothing and leaves the layout flag alone.
    SECToolBar& bar = frame_->toolBar;
    CRect item;
    bar.GetItemRect(0, &item);
    EXPECT_FALSE(bar.IsLayoutDelayed());
    bar.SetButtonStyle(0, bar.GetButtonStyle(0));
    EXPECT_FALSE(bar.IsLayoutDelayed());

    // A click on an enabled button reaches the frame.
    const int run = bar.CommandToIndex(ID_TEST_RUN);
    bar.GetItemRect(run, &item);
    testing_harness::ClickAt(bar.m_hWnd, item.CenterPoint().x, item.CenterPoint().y);
    testing_harness::PumpPending();
    EXPECT_EQ(1, frame_->runs);
}

TEST_F(BarFrameTest, HitTestNamesTheButtonAndTheTipIsTheTextAfterTheNewline) {
    SECToolBar& bar = frame_->toolBar;
    CRect item;
    bar.GetItemRect(bar.CommandToIndex(ID_TEST_SAVE), &item);
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(INT_PTR(ID_TEST_SAVE), bar.OnToolHitTest(item.CenterPoint(), &info));
    EXPECT_EQ(bar.m_hWnd, info.hwnd);
    EXPECT_EQ(UINT_PTR(ID_TEST_SAVE), info.uId);
    EXPECT_EQ(LPSTR_TEXTCALLBACKA, info.lpszText);
    CRect separator;
    bar.GetItemRect(3, &separator);
    EXPECT_EQ(INT_PTR(-1), bar.OnToolHitTest(separator.CenterPoint(), nullptr));

    // The tooltip asks the bar for the text; the bar's frame answers.
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = bar.m_hWnd;
    request.hdr.idFrom = ID_TEST_SAVE;
    request.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(bar.m_hWnd, WM_NOTIFY, ID_TEST_SAVE, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(nullptr, request.lpszText);
    EXPECT_STREQ("Save", request.lpszText);

    // The real mouse resting on the button brings up the tip with that text.
    CPoint centre = item.CenterPoint();
    bar.ClientToScreen(&centre);
    frame_->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    frame_->SetForegroundWindow();
    ::SetCursorPos(centre.x - 2, centre.y);
    LoopUntil([] { return false; }, 100);
    ::SetCursorPos(centre.x, centre.y);
    HWND tip = nullptr;
    LoopUntil([&] {
        tip = testing_harness::FindWindowOf(TOOLTIPS_CLASSA, "");
        return tip != nullptr && ::IsWindowVisible(tip);
    }, 4000);
    ASSERT_NE(nullptr, tip);
    EXPECT_TRUE(::IsWindowVisible(tip));
    char shown[80] = {};
    TOOLINFOA current = {};
    current.cbSize = TTTOOLINFOA_V2_SIZE;
    current.lpszText = shown;
    ASSERT_TRUE(::SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&current)));
    EXPECT_EQ(UINT_PTR(ID_TEST_SAVE), current.uId);
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("bars-tooltip.png");

    // Fly-by: the status bar shows the button's prompt while the mouse is over it.
    LoopUntil([&] { return frame_->statusBar.GetPaneText(0) == CString("Save the engine"); }, 2000);
    EXPECT_EQ(CString("Save the engine"), frame_->statusBar.GetPaneText(0));
    ::SetCursorPos(centre.x, centre.y + 200);
    LoopUntil([&] { return frame_->statusBar.GetPaneText(0) == CString("Ready"); }, 2000);
    EXPECT_EQ(CString("Ready"), frame_->statusBar.GetPaneText(0));
}

TEST_F(BarFrameTest, StatusPanesShowTextsWidthsAndPrompts) {
    SECStatusBar& bar = frame_->statusBar;
    ASSERT_EQ(3, bar.GetPaneCount());
    EXPECT_EQ(1, bar.CommandToIndex(ID_INDICATOR_CAPS));
    EXPECT_EQ(-1, bar.CommandToIndex(ID_INDICATOR_NONE));
    EXPECT_EQ(std::string("CAP"), StatusText(1));
    EXPECT_EQ(UINT(SBPS_STRETCH | SBPS_NOBORDERS), bar.GetPaneStyle(0));
    // Pane edges: the fixed panes are their text plus 6, the message pane takes the rest.
    int edges[3] = {};
    ASSERT_EQ(3, ::SendMessageA(bar.m_hWnd, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
    UINT id, style;
    int capWidth, numWidth;
    bar.GetPaneInfo(1, id, style, capWidth);
    bar.GetPaneInfo(2, id, style, numWidth);
    int borders[3] = {};
    ::SendMessageA(bar.m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    EXPECT_EQ(capWidth + SECStatusBar::paneBorder, edges[1] - edges[0] - borders[2]);
    EXPECT_EQ(numWidth + SECStatusBar::paneBorder, edges[2] - edges[1] - borders[2]);
    EXPECT_GT(edges[0], 300);

    // "Ready" at idle, the prompt of a hovered menu item, then "Ready" again.
    EXPECT_EQ(std::string("Ready"), StatusText(0));
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_RUN, MF_STRING), reinterpret_cast<LPARAM>(::CreateMenu()));
    EXPECT_EQ(std::string("Run the simulation"), StatusText(0));
    char windowText[64] = {};
    bar.GetWindowText(windowText, sizeof(windowText));
    EXPECT_STREQ("Run the simulation", windowText);
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Idle();
    EXPECT_EQ(std::string("Ready"), StatusText(0));

    // A pane disabled by its update handler keeps its text but shows none.
    EXPECT_EQ(std::string("NUM"), StatusText(2));
    frame_->metric = FALSE;
    Idle();
    EXPECT_EQ(std::string(""), StatusText(2));
    EXPECT_EQ(CString("NUM"), bar.GetPaneText(2));
    frame_->metric = TRUE;
    Idle();
    EXPECT_EQ(std::string("NUM"), StatusText(2));

    // Texts and widths set by the program.
    bar.SetPaneText(1, "SIM");
    EXPECT_EQ(std::string("SIM"), StatusText(1));
    bar.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_NORMAL, 80);
    ::SendMessageA(bar.m_hWnd, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(80 + SECStatusBar::paneBorder, edges[1] - edges[0] - borders[2]);
    testing_harness::PumpUntil([] { return false; }, 100);
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("bars-status.png");
}

TEST_F(BarFrameTest, BarCommandsHideAndShowTheBarsAndCheckTheirMenuItems) {
    struct Case {
        UINT id;
        CControlBar* (*bar)(CBarFrame*);
    } cases[] = {
        {AFX_IDW_TOOLBAR, [](CBarFrame* f) -> CControlBar* { return &f->toolBar; }},
        {AFX_IDW_STATUS_BAR, [](CBarFrame* f) -> CControlBar* { return &f->statusBar; }},
    };
    CRect client;
    frame_->GetClientRect(&client);
    const CRect full = RectOf(Pane());
    for (const Case& c : cases) {
        CControlBar* bar = c.bar(frame_);
        EXPECT_EQ(bar, frame_->GetControlBar(c.id));
        CCmdUI state;
        state.m_nID = c.id;
        struct CheckProbe : CCmdUI {
            int check = -1;
            void SetCheck(int value) override { check = value; }
        } probe;
        probe.m_nID = c.id;
        probe.DoUpdate(frame_, FALSE);
        EXPECT_EQ(1, probe.check);

        testing_harness::SendCommand(frame_->m_hWnd, static_cast<int>(c.id));
        EXPECT_FALSE(bar->IsWindowVisible());
        CRect pane = RectOf(Pane());
        if (c.id == AFX_IDW_TOOLBAR) EXPECT_EQ(0, pane.top);
        else EXPECT_EQ(client.bottom, pane.bottom);
        probe.DoUpdate(frame_, FALSE);
        EXPECT_EQ(0, probe.check);

        testing_harness::SendCommand(frame_->m_hWnd, static_cast<int>(c.id));
        EXPECT_TRUE(bar->IsWindowVisible());
        EXPECT_EQ(full, RectOf(Pane()));
    }
    // A delayed hide takes effect at idle.
    frame_->ShowControlBar(&frame_->toolBar, FALSE, TRUE);
    EXPECT_FALSE(frame_->toolBar.IsVisible());
    EXPECT_TRUE(frame_->toolBar.IsWindowVisible());
    Idle();
    EXPECT_FALSE(frame_->toolBar.IsWindowVisible());
    EXPECT_EQ(0, RectOf(Pane()).top);
}

}  // namespace
