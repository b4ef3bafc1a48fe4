// The dialog bar in a real frame: made from a template (with its
// initialisation data), natural size kept for all three remembered sizes,
// laid out at the top of the frame, and its controls following command
// update of the frame.
#include <gtest/gtest.h>

#include "ButtonTestResources.h"
#include "CmdUI.h"
#include "DialogBar.h"
#include "FrameWnd.h"
#include "WinThread.h"
#include "WindowHelpers.h"

namespace {

class CDialogBarFrame : public CFrameWnd {
public:
    int goes = 0;
    BOOL metric = TRUE;
    afx_msg void OnGo() { ++goes; }
    afx_msg void OnUpdateMetric(CCmdUI* cmdUI) { cmdUI->SetCheck(metric ? 1 : 0); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDialogBarFrame, CFrameWnd)
    ON_COMMAND(ID_BAR_GO, OnGo)
    ON_UPDATE_COMMAND_UI(ID_BAR_METRIC, OnUpdateMetric)
END_MESSAGE_MAP()

class DialogBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CDialogBarFrame;
        ASSERT_TRUE(frame_->Create(nullptr, "Dialog bar", WS_OVERLAPPEDWINDOW, CRect(40, 40, 560, 360)));
        frame_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }
    CDialogBarFrame* frame_ = nullptr;
};

TEST_F(DialogBarTest, TakesItsNaturalSizeFromTheTemplate) {
    SECDialogBar bar;
    ASSERT_TRUE(bar.Create(frame_, IDD_TEST_DIALOGBAR, WS_VISIBLE | CBRS_TOP, 0, 0xE810));
    EXPECT_EQ(bar.GetDlgCtrlID(), 0xE810);
    EXPECT_EQ(bar.GetTemplateId(), static_cast<UINT>(IDD_TEST_DIALOGBAR));
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(SECControlBar)));
    EXPECT_TRUE(bar.GetStyle() & WS_CLIPSIBLINGS);
    EXPECT_FALSE(bar.GetStyle() & WS_CAPTION);
    EXPECT_TRUE(bar.IsWindowVisible());

    // 240 x 24 dialog units in the template's font.
    CRect units(0, 0, 240, 24);
    ::MapDialogRect(bar.m_hWnd, &units);
    const CSize natural = bar.GetNaturalSize();
    EXPECT_EQ(natural.cx, units.Width());
    EXPECT_EQ(natural.cy, units.Height());
    EXPECT_EQ(bar.m_szHorzDocked, natural);
    EXPECT_EQ(bar.m_szVertDocked, natural);
    EXPECT_EQ(bar.m_szFloat, natural);

    // The template's initialisation data filled the list.
    EXPECT_EQ(bar.SendDlgItemMessage(IDC_BAR_LIST, CB_GETCOUNT, 0, 0), 2);
    char text[32] = {};
    bar.SendDlgItemMessage(IDC_BAR_LIST, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Speed");

    // Laid out as the frame's top bar at its natural height.
    EXPECT_EQ(frame_->GetControlBar(0xE810), &bar);
    frame_->RecalcLayout();
    CRect placed;
    bar.GetWindowRect(&placed);
    frame_->ScreenToClient(&placed);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.Height(), natural.cy);
    testing_harness::PumpPending();
    testing_harness::Pixels::FromWindow(frame_->m_hWnd).SavePng("dialogbar-frame.png");
}

TEST_F(DialogBarTest, ControlsFollowTheFramesCommandHandlers) {
    SECDialogBar bar;
    ASSERT_TRUE(bar.Create(frame_, IDD_TEST_DIALOGBAR, WS_VISIBLE | CBRS_TOP, 0, 0xE810));
    frame_->RecalcLayout();
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_TRUE(::IsWindowEnabled(bar.GetDlgItem(ID_BAR_GO)->m_hWnd));
    EXPECT_FALSE(::IsWindowEnabled(bar.GetDlgItem(ID_BAR_STOP)->m_hWnd));  // no handler
    EXPECT_EQ(bar.IsDlgButtonChecked(ID_BAR_METRIC), 1u);
    frame_->metric = FALSE;
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_EQ(bar.IsDlgButtonChecked(ID_BAR_METRIC), 0u);
    EXPECT_TRUE(::IsWindowEnabled(bar.GetDlgItem(IDC_BAR_LIST)->m_hWnd));  // not a command

    testing_harness::Click(bar.GetDlgItem(ID_BAR_GO)->m_hWnd);
    testing_harness::PumpUntil([&] { return frame_->goes == 1; }, 2000);
    EXPECT_EQ(frame_->goes, 1);
}

TEST_F(DialogBarTest, AMissingTemplateFails) {
    SECDialogBar bar;
    EXPECT_FALSE(bar.Create(frame_, 9876, WS_VISIBLE | CBRS_TOP, 0, 0xE811));
    EXPECT_EQ(bar.m_hWnd, nullptr);
    SECDialogBar hidden;
    ASSERT_TRUE(hidden.Create(frame_, IDD_TEST_DIALOGBAR, CBRS_BOTTOM, 0, 0xE812));
    EXPECT_FALSE(hidden.IsWindowVisible());
}

}  // namespace
