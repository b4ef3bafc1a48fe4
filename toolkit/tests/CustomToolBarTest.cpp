// The customisable toolbar in a real frame: buttons laid out in a row,
// command update, a real click posting the command, buttons added through
// the emulated toolbar message (enabled unless the state says otherwise),
// separators tidied on removal, and an emptied user toolbar going away
// only after the call that emptied it.
#include <gtest/gtest.h>

#include <thread>

#include "BmpMgr.h"
#include "CmdUI.h"
#include "CustomToolBar.h"
#include "CustomToolBarInfo.h"
#include "PersistentTree.h"
#include "SECDockState.h"
#include "FrameWnd.h"
#include "MenuTestResources.h"
#include "WinThread.h"
#include "WindowHelpers.h"

namespace {

class CToolFrame : public CFrameWnd {
public:
    int saves = 0;
    BOOL metric = TRUE;
    afx_msg void OnSave() { ++saves; }
    afx_msg void OnAnything() {}
    afx_msg void OnUpdateMetric(CCmdUI* cmdUI) { cmdUI->SetCheck(metric ? 1 : 0); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
    ON_COMMAND(ID_MENU_SAVE, OnSave)
    ON_COMMAND(ID_MENU_NEW, OnAnything)
    ON_COMMAND(ID_MENU_METRIC, OnAnything)
    ON_UPDATE_COMMAND_UI(ID_MENU_METRIC, OnUpdateMetric)
END_MESSAGE_MAP()

const UINT kImageIds[3] = {ID_MENU_NEW, ID_MENU_OPEN, ID_MENU_SAVE};

class CustomToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CToolFrame;
        ASSERT_TRUE(frame_->Create(nullptr, "Tools", WS_OVERLAPPEDWINDOW, CRect(100, 100, 560, 380)));
        frame_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }
    void MakeBar(SECCustomToolBar& bar, UINT id) {
        ASSERT_TRUE(bar.Create(frame_, WS_CHILD | WS_VISIBLE | CBRS_TOP, id));
        ASSERT_TRUE(bar.GetBmpMgr()->AddStrip(MAKEINTRESOURCEA(IDB_MENU_STRIP), kImageIds, 3));
    }
    CToolFrame* frame_ = nullptr;
};

TEST_F(CustomToolBarTest, LaysOutButtonsAndSeparatorsInARow) {
    SECCustomToolBar bar;
    MakeBar(bar, SEC_IDW_USERBAR_FIRST);
    const UINT ids[] = {ID_MENU_NEW, 0, ID_MENU_OPEN, ID_MENU_SAVE, ID_MENU_METRIC};
    ASSERT_TRUE(bar.SetButtons(ids, 5));
    frame_->RecalcLayout();
    ASSERT_EQ(bar.GetButtonCount(), 5);
    const int expectedX[] = {0, 23, 31, 54, 77};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bar.GetButton(i)->m_x, expectedX[i]);
        EXPECT_EQ(bar.GetButton(i)->m_cy, 22);
    }
    EXPECT_EQ(bar.GetButton(1)->m_cx, 8);
    EXPECT_EQ(bar.GetButton(2)->m_nImage, 1);
    EXPECT_EQ(bar.CommandToIndex(ID_MENU_SAVE), 3);
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(client.Height(), 22);
    EXPECT_EQ(bar.HitTest(CPoint(60, 10)), 3);
    EXPECT_EQ(bar.HitTest(CPoint(200, 10)), -1);
    testing_harness::PumpPending();
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("customtoolbar-frame.png");

    // Vertically docked: one button per row.
    bar.CalcDynamicLayout(0, LM_VERTDOCK);
    EXPECT_EQ(bar.GetButton(2)->m_x, 0);
    EXPECT_TRUE(bar.GetButton(0)->m_nStyle & SEC_TBBS_WRAPPED);
    EXPECT_GT(bar.GetButton(4)->m_y, bar.GetButton(3)->m_y);
}

TEST_F(CustomToolBarTest, ButtonsFollowCommandUpdateAndClicksPostTheirCommands) {
    SECCustomToolBar bar;
    MakeBar(bar, SEC_IDW_USERBAR_FIRST);
    const UINT ids[] = {ID_MENU_NEW, ID_MENU_OPEN, ID_MENU_SAVE, ID_MENU_METRIC};
    ASSERT_TRUE(bar.SetButtons(ids, 4));
    frame_->RecalcLayout();
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_FALSE(bar.GetButton(0)->m_nStyle & SEC_TBBS_DISABLED);
    EXPECT_TRUE(bar.GetButton(1)->m_nStyle & SEC_TBBS_DISABLED);  // no handler
    EXPECT_TRUE(bar.GetButton(3)->HasStyle(SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED));
    frame_->metric = FALSE;
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_FALSE(bar.GetButton(3)->m_nStyle & SEC_TBBS_CHECKED);

    const RECT save = bar.GetButton(2)->GetRect();
    testing_harness::MouseClickAt(bar.m_hWnd, (save.left + save.right) / 2, (save.top + save.bottom) / 2);
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return frame_->saves == 1; }, 3000));
    EXPECT_FALSE(bar.GetButton(2)->m_nStyle & SEC_TBBS_PRESSED);
    EXPECT_EQ(::GetCapture(), nullptr);
    // A click on the disabled button does nothing.
    const RECT open = bar.GetButton(1)->GetRect();
    testing_harness::MouseClickAt(bar.m_hWnd, (open.left + open.right) / 2, (open.top + open.bottom) / 2);
    testing_harness::PumpUntil([] { return false; }, 200);
    EXPECT_EQ(frame_->saves, 1);
}

// Buttons added through the emulated TB_ADDBUTTONS keep their state: the
// control's "enabled" bit means enabled, not disabled.
TEST_F(CustomToolBarTest, AddedButtonsStartEnabledUnlessTheirStateSaysOtherwise) {
    SECCustomToolBar bar;
    MakeBar(bar, SEC_IDW_USERBAR_FIRST);
    TBBUTTON added[3] = {};
    added[0].idCommand = ID_MENU_NEW;
    added[0].fsState = TBSTATE_ENABLED;
    added[1].idCommand = ID_MENU_OPEN;
    added[1].fsState = 0;
    added[2].idCommand = ID_MENU_SAVE;
    added[2].fsState = TBSTATE_ENABLED | TBSTATE_CHECKED;
    added[2].fsStyle = TBSTYLE_CHECK;
    EXPECT_EQ(bar.SendMessage(TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(added)), TRUE);
    ASSERT_EQ(bar.GetButtonCount(), 3);
    EXPECT_FALSE(bar.GetButton(0)->m_nStyle & SEC_TBBS_DISABLED);
    EXPECT_TRUE(bar.GetButton(1)->m_nStyle & SEC_TBBS_DISABLED);
    EXPECT_FALSE(bar.GetButton(2)->m_nStyle & SEC_TBBS_DISABLED);
    EXPECT_TRUE(bar.GetButton(2)->HasStyle(SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED));
}

TEST_F(CustomToolBarTest, RemovingButtonsTidiesSeparators) {
    SECCustomToolBar bar;
    MakeBar(bar, AFX_IDW_TOOLBAR);
    const UINT ids[] = {ID_MENU_NEW, 0, ID_MENU_OPEN, 0, ID_MENU_SAVE};
    ASSERT_TRUE(bar.SetButtons(ids, 5));
    // The only button between two separators: one separator goes with it.
    EXPECT_TRUE(bar.RemoveButton(2));
    ASSERT_EQ(bar.GetButtonCount(), 3);
    EXPECT_TRUE(bar.GetButton(1)->IsSeparator());
    EXPECT_EQ(bar.GetButton(2)->m_nID, static_cast<UINT>(ID_MENU_SAVE));
    // A separator left first goes too.
    EXPECT_TRUE(bar.RemoveButton(0));
    ASSERT_EQ(bar.GetButtonCount(), 1);
    EXPECT_EQ(bar.GetButton(0)->m_nID, static_cast<UINT>(ID_MENU_SAVE));
    EXPECT_FALSE(bar.RemoveButton(5));
    // The application's own bar stays when emptied, one button in size.
    EXPECT_EQ(bar.SendMessage(TB_DELETEBUTTON, 0), TRUE);
    EXPECT_EQ(bar.GetButtonCount(), 0);
    testing_harness::PumpUntil([] { return false; }, 100);
    ASSERT_TRUE(::IsWindow(bar.m_hWnd));
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    CRect inside(0, 0, 0, 0);
    bar.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(size.cx, 23 - inside.Width());
}

// Emptying a user toolbar from inside its own processing (as dragging its
// last button away does) leaves the bar usable until that processing is
// over; then the bar goes.
TEST_F(CustomToolBarTest, AnEmptiedUserToolBarGoesAwayAfterTheCall) {
    SECCustomToolBar bar;
    MakeBar(bar, SEC_IDW_USERBAR_FIRST + 3);
    const UINT ids[] = {ID_MENU_SAVE};
    ASSERT_TRUE(bar.SetButtons(ids, 1));
    const HWND window = bar.m_hWnd;
    EXPECT_FALSE(bar.RemoveButton(0));
    EXPECT_TRUE(::IsWindow(window));  // still there for the caller
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_EQ(bar.GetButtonCount(), 0);
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return !::IsWindow(window); }, 2000));
    EXPECT_EQ(bar.m_hWnd, nullptr);
}

// The real mouse: presses at one screen point, moves in steps to another
// and releases there (from another thread, while this one runs the drag).
void DragWithMouse(POINT from, POINT to) {
    const int cx = ::GetSystemMetrics(SM_CXSCREEN) - 1, cy = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    auto send = [&](POINT at, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = at.x * 65535 / cx;
        input.mi.dy = at.y * 65535 / cy;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        ::SendInput(1, &input, sizeof input);
        ::Sleep(30);
    };
    send(from, 0);
    send(from, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 8; ++step)
        send(POINT{from.x + (to.x - from.x) * step / 8, from.y + (to.y - from.y) * step / 8}, 0);
    send(to, MOUSEEVENTF_LEFTUP);
}

POINT ScreenCentre(CWnd& bar, const SECStdBtn* button) {
    const RECT r = button->GetRect();
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    bar.ClientToScreen(&centre);
    return centre;
}

// A user toolbar customised by dragging with the real mouse: a button moved
// within its bar, the only button of another user toolbar dragged onto it
// (that bar goes once the drag is over), then the bar saved and restored.
TEST_F(CustomToolBarTest, ButtonsDraggedInCustomiseModeAreSavedAndRestored) {
    auto* target = new SECCustomToolBar;
    auto* donor = new SECCustomToolBar;
    MakeBar(*target, SEC_IDW_USERBAR_FIRST);
    MakeBar(*donor, SEC_IDW_USERBAR_FIRST + 1);
    target->SetAutoDelete(TRUE);
    donor->SetAutoDelete(TRUE);
    target->SetWindowText("Target");
    const UINT targetIds[] = {ID_MENU_NEW, ID_MENU_OPEN};
    const UINT donorIds[] = {ID_MENU_SAVE};
    target->SetButtons(targetIds, 2);
    donor->SetButtons(donorIds, 1);
    frame_->RecalcLayout();
    target->SetCustomizing(TRUE);
    donor->SetCustomizing(TRUE);
    frame_->SetForegroundWindow();
    testing_harness::PumpUntil([] { return false; }, 200);

    // Open goes in front of New.
    POINT from = ScreenCentre(*target, target->GetButton(1));
    POINT to = ScreenCentre(*target, target->GetButton(0));
    to.x -= 8;
    std::thread first(DragWithMouse, from, to);
    testing_harness::PumpUntil([&] { return target->GetButton(0)->m_nID == ID_MENU_OPEN; }, 4000);
    first.join();
    testing_harness::PumpUntil([] { return false; }, 100);
    ASSERT_EQ(target->GetButtonCount(), 2);
    EXPECT_EQ(target->GetButton(0)->m_nID, static_cast<UINT>(ID_MENU_OPEN));
    EXPECT_EQ(target->GetButton(1)->m_nID, static_cast<UINT>(ID_MENU_NEW));

    // The donor's only button onto the end of the target.
    const HWND donorWindow = donor->m_hWnd;
    from = ScreenCentre(*donor, donor->GetButton(0));
    to = ScreenCentre(*target, target->GetButton(1));
    to.x += 20;
    std::thread second(DragWithMouse, from, to);
    testing_harness::PumpUntil([&] { return !::IsWindow(donorWindow); }, 4000);
    second.join();
    EXPECT_FALSE(::IsWindow(donorWindow));  // the emptied user toolbar went, after the drag
    ASSERT_EQ(target->GetButtonCount(), 3);
    EXPECT_EQ(target->GetButton(2)->m_nID, static_cast<UINT>(ID_MENU_SAVE));
    EXPECT_EQ(target->GetSelectedButton(), 2);
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("customtoolbar-dragged.png");

    // Saved in a tree and restored as a new bar in another frame.
    SECDockState saved;
    auto* info = static_cast<SECControlBarInfo*>(saved.NewBarInfo());
    info->m_nBarID = target->GetBarId();
    info->m_dwStyle = target->GetBarStyle();
    info->m_strClassName = "SECCustomToolBar";
    target->GetWindowText(info->m_strWindowName);
    info->CreateExtension();
    info->m_pInfoEx->GetFrom(target);
    saved.Add(info);
    SECPersistentTreeNode root;
    ASSERT_EQ(root.Create("Layout"), PTN_SUCCESS);
    ASSERT_TRUE(saved.SaveState(&root));
    SECDockState restored;
    ASSERT_TRUE(restored.LoadState(&root));
    ASSERT_EQ(restored.GetCount(), 1);
    auto* other = new CToolFrame;
    ASSERT_TRUE(other->Create(nullptr, "Restored", WS_OVERLAPPEDWINDOW, CRect(140, 140, 600, 400)));
    std::unique_ptr<SECControlBar> bar(restored.CreateControlBar("SECCustomToolBar", other, restored.GetInfo(0)));
    ASSERT_NE(bar, nullptr);
    auto* copy = static_cast<SECCustomToolBar*>(bar.get());
    ASSERT_EQ(copy->GetButtonCount(), 3);
    EXPECT_EQ(copy->GetButton(0)->m_nID, static_cast<UINT>(ID_MENU_OPEN));
    EXPECT_EQ(copy->GetButton(1)->m_nID, static_cast<UINT>(ID_MENU_NEW));
    EXPECT_EQ(copy->GetButton(2)->m_nID, static_cast<UINT>(ID_MENU_SAVE));
    CString title;
    copy->GetWindowText(title);
    EXPECT_STREQ(title, "Target");
    bar.reset();
    other->DestroyWindow();
}

// Dropping the last button of a user toolbar onto another bar succeeds,
// and the emptied bar is still there while the drop runs.
TEST_F(CustomToolBarTest, DroppingTheLastButtonOfAUserToolBarSucceeds) {
    SECCustomToolBar target;
    MakeBar(target, SEC_IDW_USERBAR_FIRST);
    auto* donor = new SECCustomToolBar;
    MakeBar(*donor, SEC_IDW_USERBAR_FIRST + 2);
    donor->SetAutoDelete(TRUE);
    const UINT ids[] = {ID_MENU_NEW};
    target.SetButtons(ids, 1);
    const UINT donorIds[] = {ID_MENU_SAVE};
    donor->SetButtons(donorIds, 1);
    frame_->RecalcLayout();
    const HWND donorWindow = donor->m_hWnd;
    const RECT first = target.GetButton(0)->GetRect();
    EXPECT_TRUE(target.DropButton(CRect(first.right + 2, first.top, first.right + 25, first.bottom), donor->GetButton(0),
                                  FALSE));
    EXPECT_TRUE(::IsWindow(donorWindow));
    ASSERT_EQ(target.GetButtonCount(), 2);
    EXPECT_EQ(target.GetButton(1)->m_nID, static_cast<UINT>(ID_MENU_SAVE));
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return !::IsWindow(donorWindow); }, 2000));
}

}  // namespace
