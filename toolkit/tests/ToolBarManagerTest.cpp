// The toolbar manager in a real frame: user toolbars with the lowest free
// id and their titles, large buttons, check boxes kept alike on every bar,
// the place of a new toolbar kept on the screen, and the customise dialogs
// opened and driven as a user would (hide a bar, make a new one, delete
// it, switch the cool look).
#include <gtest/gtest.h>

#include <string>

#include "BmpMgr.h"
#include "CustomToolBar.h"
#include "DockBar.h"
#include "FrameWnd.h"
#include "MenuTestResources.h"
#include "ModalDriver.h"
#include "ToolBarManager.h"
#include "ToolBarsDialog.h"
#include "ToolkitResources.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::ModalDriver;

const UINT kImageIds[3] = {ID_MENU_NEW, ID_MENU_OPEN, ID_MENU_SAVE};

// Clicks a dialog's button and returns once its handler is done.
void ClickNow(HWND box, int id) {
    ::SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

class ToolBarManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CFrameWnd;
        ASSERT_TRUE(frame_->Create(nullptr, "Managed", WS_OVERLAPPEDWINDOW, CRect(120, 120, 620, 420)));
        frame_->ShowWindow(SW_SHOW);
        manager_ = std::make_unique<SECToolBarManager>(frame_);
        ASSERT_TRUE(manager_->GetBmpMgr()->AddStrip(MAKEINTRESOURCEA(IDB_MENU_STRIP), kImageIds, 3));
        ASSERT_TRUE(standard_.Create(frame_, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR, "Standard"));
        manager_->AttachBar(&standard_);
        const UINT ids[] = {ID_MENU_NEW, 0, ID_MENU_SAVE};
        standard_.SetButtons(ids, 3);
        manager_->SetDefaultButtons(AFX_IDW_TOOLBAR, ids, 3);
        frame_->RecalcLayout();
    }
    void TearDown() override {
        if (::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
        manager_.reset();
    }
    static CString Title(CWnd* bar) {
        CString title;
        bar->GetWindowText(title);
        return title;
    }

    CFrameWnd* frame_ = nullptr;
    std::unique_ptr<SECToolBarManager> manager_;
    SECCustomToolBar standard_;
};

TEST_F(ToolBarManagerTest, UserToolBarsTakeTheLowestFreeIdAndNumber) {
    SECCustomToolBar* first = manager_->CreateUserToolBar();
    SECCustomToolBar* second = manager_->CreateUserToolBar();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetBarId(), 0xE820u);
    EXPECT_EQ(second->GetBarId(), 0xE821u);
    EXPECT_STREQ(Title(first), "ToolBar1");
    EXPECT_STREQ(Title(second), "ToolBar2");
    EXPECT_EQ(first->GetBmpMgr(), manager_->GetBmpMgr());
    EXPECT_EQ(manager_->GetBmpMgr()->GetRefCount(), 4);  // the manager and three bars
    first->DestroyWindow();  // the bar deletes itself
    EXPECT_EQ(manager_->GetBmpMgr()->GetRefCount(), 3);
    SECCustomToolBar* again = manager_->CreateUserToolBar(std::string(200, 'n').c_str());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetBarId(), 0xE820u);
    EXPECT_EQ(Title(again).GetLength(), SECToolBarManager::kMaxTitle);
}

TEST_F(ToolBarManagerTest, LargeButtonsAndCheckBoxesApplyToEveryBar) {
    SECCustomToolBar* user = manager_->CreateUserToolBar("Mine");
    ASSERT_NE(user, nullptr);
    const UINT ids[] = {ID_MENU_SAVE};
    user->SetButtons(ids, 1);
    manager_->SetLargeButtons(TRUE);
    EXPECT_EQ(user->GetButton(0)->m_cx, 22 + 7);
    EXPECT_EQ(user->GetButton(0)->m_cy, 24 + 7);
    EXPECT_EQ(standard_.GetButton(2)->m_cy, 24 + 7);
    manager_->SetLargeButtons(FALSE);
    EXPECT_EQ(user->GetButton(0)->m_cx, 23);

    // A check box pressed on one bar changes the same command on the other.
    standard_.GetButton(2)->m_nStyle |= SEC_TBBS_CHECKBOX;
    user->GetButton(0)->m_nStyle |= SEC_TBBS_CHECKBOX;
    const RECT r = user->GetButton(0)->GetRect();
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(user->GetButton(0)->BtnPressDown(centre));
    EXPECT_EQ(user->GetButton(0)->BtnPressUp(centre), static_cast<UINT>(ID_MENU_SAVE));
    EXPECT_TRUE(standard_.GetButton(2)->m_nStyle & SEC_TBBS_CHECKED);

    manager_->SetCoolLook(TRUE);
    EXPECT_TRUE(standard_.IsFlat());
    EXPECT_TRUE(user->IsFlat());
    manager_->SetToolTips(FALSE);
    EXPECT_FALSE(user->GetBarStyle() & CBRS_TOOLTIPS);
}

// A new toolbar placed right of and below the frame's bottom-right corner
// stays on the screen even when that corner is the screen's.
TEST(ToolBarPlacement, ANewToolBarStaysOnTheScreen) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const CPoint corner = SECToolBarManager::NewToolBarPoint(CPoint(work.right, work.bottom), CSize(120, 40));
    EXPECT_LE(corner.x + 120, work.right);
    EXPECT_LE(corner.y + 40, work.bottom);
    const CPoint inside = SECToolBarManager::NewToolBarPoint(CPoint(100, 100), CSize(120, 40));
    EXPECT_EQ(inside, CPoint(105, 105));
}

// A new toolbar of a maximised frame floats on the screen, below the
// start of the top dock bar when the frame has one.
TEST_F(ToolBarManagerTest, NewToolBarsFloatOnTheScreen) {
    frame_->ShowWindow(SW_MAXIMIZE);
    frame_->RecalcLayout();
    SECCustomToolBar* first = manager_->CreateUserToolBar("Maximised");
    ASSERT_NE(first, nullptr);
    manager_->FloatNewToolBar(first);
    ASSERT_TRUE(first->IsFloating());
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect outer;
    first->GetParentFrame()->GetWindowRect(&outer);
    EXPECT_GE(outer.left, work.left);
    EXPECT_GE(outer.top, work.top);
    EXPECT_LE(outer.right, work.right);
    EXPECT_LE(outer.bottom, work.bottom);
    EXPECT_TRUE(::IsWindowVisible(first->GetParentFrame()->m_hWnd));

    frame_->ShowWindow(SW_RESTORE);
    frame_->EnableDocking(CBRS_ALIGN_ANY);
    frame_->RecalcLayout();
    SECCustomToolBar* second = manager_->CreateUserToolBar("Docked frame");
    ASSERT_NE(second, nullptr);
    manager_->FloatNewToolBar(second);
    ASSERT_TRUE(second->IsFloating());
    CRect top;
    frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP)->GetWindowRect(&top);
    second->GetParentFrame()->GetWindowRect(&outer);
    EXPECT_EQ(outer.TopLeft(), CPoint(top.left + 5, top.bottom + 5));
}

TEST_F(ToolBarManagerTest, TheCustomiseDialogsAreDrivenAsAUserWould) {
    SECCustomToolBar* user = manager_->CreateUserToolBar("Extra");
    ASSERT_NE(user, nullptr);
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(10, 80, 100, 100), frame_, 0x7001));
    std::vector<std::string> seen;
    std::vector<std::string> failures;
    auto expect = [&](bool ok, const char* what) {
        if (!ok) failures.push_back(what);
    };

    ModalDriver::Instance().Handle("Toolbars", [&](HWND box) {
        HWND list = ::GetDlgItem(box, IDC_SEC_TOOLBAR_LIST);
        const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[200] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            seen.push_back(text);
        }
        expect(manager_->IsInCustomizeMode() && manager_->IsCustomising(), "customise mode while the dialog is up");
        expect(!::IsWindowEnabled(edit.m_hWnd), "the frame's other windows are disabled");
        expect(standard_.IsCustomizing(), "bars are in customise mode");

        // The user toolbar is second (by id); its check hides it.
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);
        ::SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_SEC_TOOLBAR_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        char caption[32] = {};
        ::GetDlgItemTextA(box, IDC_SEC_TOOLBAR_RESET, caption, sizeof caption);
        expect(std::string(caption) == "&Delete", "user toolbars are deleted, not reset");
        RECT item{};
        ::SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, (item.top + item.bottom) / 2));
        ::SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(4, (item.top + item.bottom) / 2));
        expect(!user->IsWindowVisible(), "unchecking hides the bar");

        // New...: the New Toolbar dialog names a new bar, which joins the list.
        ModalDriver::Instance().Handle("New Toolbar", [&](HWND newBox) {
            expect(!::IsWindowEnabled(::GetDlgItem(newBox, IDOK)), "OK waits for a name");
            ::SetDlgItemTextA(newBox, IDC_SEC_NEWTOOLBAR_NAME, "Favourites");
            expect(::IsWindowEnabled(::GetDlgItem(newBox, IDOK)) != FALSE, "a name enables OK");
            ModalDriver::PressButton(newBox, IDOK);
        });
        ClickNow(box, IDC_SEC_TOOLBAR_NEW);
        expect(::SendMessageA(list, LB_GETCOUNT, 0, 0) == count + 1, "the new bar is listed");
        char name[64] = {};
        ::GetDlgItemTextA(box, IDC_SEC_TOOLBAR_NAME, name, sizeof name);
        expect(std::string(name) == "Favourites", "the new bar is selected with its name");
        // It floats just beyond the frame's client area (the frame has no top dock bar).
        CControlBar* favourites = frame_->GetControlBar(SEC_IDW_USERBAR_FIRST + 1);
        expect(favourites != nullptr && favourites->IsFloating(), "the new bar floats");
        if (favourites != nullptr && favourites->IsFloating()) {
            CRect client, outer;
            frame_->GetClientRect(&client);
            frame_->ClientToScreen(&client);
            favourites->GetParentFrame()->GetWindowRect(&outer);
            expect(outer.TopLeft() == client.BottomRight() + CPoint(5, 5), "it floats 5 pixels beyond the corner");
        }

        // Delete it again.
        ClickNow(box, IDC_SEC_TOOLBAR_RESET);
        expect(::SendMessageA(list, LB_GETCOUNT, 0, 0) == count, "the deleted bar leaves the list");

        // Reset the application's bar to its default buttons.
        standard_.RemoveButton(0);
        ::SendMessageA(list, LB_SETCURSEL, 0, 0);
        ::SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_SEC_TOOLBAR_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        ::GetDlgItemTextA(box, IDC_SEC_TOOLBAR_RESET, caption, sizeof caption);
        expect(std::string(caption) == "&Reset", "the application's bar is reset");
        ClickNow(box, IDC_SEC_TOOLBAR_RESET);
        expect(standard_.GetButtonCount() == 3, "reset brings the default buttons back");

        ::CheckDlgButton(box, IDC_SEC_TOOLBAR_COOLLOOK, BST_CHECKED);
        ::UpdateWindow(box);
        testing_harness::Pixels::FromWindow(box).SavePng("toolbars-dialog.png");
        ModalDriver::PressButton(box, IDC_SEC_TOOLBAR_CLOSE);
    });
    EXPECT_EQ(manager_->RunCustomiseDialog(), IDOK);
    for (const std::string& failure : failures) ADD_FAILURE() << failure;
    EXPECT_EQ(seen, (std::vector<std::string>{"Standard", "Extra"}));
    EXPECT_FALSE(manager_->IsInCustomizeMode());
    EXPECT_TRUE(::IsWindowEnabled(edit.m_hWnd));
    EXPECT_TRUE(manager_->GetCoolLook());
    EXPECT_TRUE(standard_.IsFlat());
    EXPECT_EQ(ModalDriver::Instance().PendingScripts(), 0u);
}

}  // namespace
