// The colour-well button in real windows: its drop-down grid picked with
// the mouse and the keyboard, Escape, the "&Other..." colour dialog, and the
// colour reaching the parent as WM_SEC_COLORCHOSEN.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalDriver.h"
#include "OwnerDrawButton.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::PumpPending;
using testing_harness::PumpUntil;

struct Chosen {
    WPARAM id;
    COLORREF colour;
};

// A top-level window that records the colours its well buttons report.
class CColourPage : public CWnd {
public:
    std::vector<Chosen> chosen;
    BOOL Make() {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                        "Well test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(60, 60, 420, 360), nullptr, 0);
    }
    afx_msg LRESULT OnChosen(WPARAM w, LPARAM l) {
        chosen.push_back({w, static_cast<COLORREF>(l)});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColourPage, CWnd)
    ON_MESSAGE(WM_SEC_COLORCHOSEN, OnChosen)
END_MESSAGE_MAP()

std::string ShotPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

// The centre of a cell of the open drop-down, in its client coordinates.
POINT CellCentre(const SECColorWell& well, int c, int r) {
    const RECT cell = well_geometry::CellRect(well.GetGrid(), c, r);
    return POINT{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

class WellButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.Make());
        ASSERT_TRUE(button.CreateButton("", WS_CHILD | WS_VISIBLE, CRect(20, 20, 120, 44), &page, 301));
        button.SetColor(RGB(0, 0, 128));
        button.SetOtherButton(TRUE);
        PumpPending();
    }
    void TearDown() override { page.DestroyWindow(); }
    // Drops the grid as the space bar does. (Real mouse clicks are not used
    // here: other test programs' windows share the display.)
    SECPopupColorWell* Drop() {
        button.SendMessage(WM_KEYDOWN, VK_SPACE);
        button.SendMessage(WM_KEYUP, VK_SPACE);
        SECPopupColorWell* popup = button.GetPopup();
        EXPECT_TRUE(PumpUntil([popup] { return popup->IsActive(); }, 3000));
        return popup;
    }

    CColourPage page;
    SECWellButton button;
};

TEST_F(WellButtonTest, AColourPickedInTheDropDownReachesTheParent) {
    SECPopupColorWell* popup = Drop();
    ASSERT_TRUE(popup->IsActive());
    HWND popupWnd = popup->m_hWnd;
    // A click outside on the button itself leaves it open.
    RECT onButton;
    button.GetWindowRect(&onButton);
    POINT buttonPoint = {onButton.left + 5, onButton.top + 5};
    ::ScreenToClient(popupWnd, &buttonPoint);
    ::SendMessageA(popupWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(buttonPoint.x, buttonPoint.y));
    ASSERT_TRUE(::IsWindow(popupWnd));
    // It opens under the button, with the button's colour selected.
    RECT buttonRect, popupRect;
    button.GetWindowRect(&buttonRect);
    ::GetWindowRect(popupWnd, &popupRect);
    EXPECT_EQ(popupRect.top, buttonRect.bottom);
    EXPECT_EQ(popupRect.left, buttonRect.left);
    EXPECT_EQ(popup->GetSelectedColor(), RGB(0, 0, 128));
    EXPECT_NE(popup->GetOtherButton(), nullptr);
    PumpPending();
    testing_harness::Pixels::FromWindow(page).SavePng(ShotPath("well_page.png"));
    const auto shot = testing_harness::Pixels::FromWindow(popupWnd);
    shot.SavePng(ShotPath("well_popup.png"));
    const POINT red = CellCentre(*popup, 1, 3);
    EXPECT_EQ(shot.At(red.x, red.y), 0xFF0000u);

    ::SendMessageA(popupWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(red.x, red.y));
    ASSERT_TRUE(PumpUntil([this] { return !page.chosen.empty(); }, 3000));
    EXPECT_EQ(page.chosen[0].id, 301u);
    EXPECT_EQ(page.chosen[0].colour, RGB(255, 0, 0));
    EXPECT_EQ(button.GetColor(), RGB(255, 0, 0));
    EXPECT_TRUE(PumpUntil([popupWnd] { return !::IsWindow(popupWnd); }, 2000));
    EXPECT_FALSE(popup->IsActive());
}

TEST_F(WellButtonTest, KeysMoveThePickAndEscapeChangesNothing) {
    SECPopupColorWell* popup = Drop();
    HWND popupWnd = popup->m_hWnd;
    // (0, 1) is selected; Right then Down goes to (1, 2); Enter picks it.
    popup->SendMessage(WM_KEYDOWN, VK_RIGHT);
    popup->SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(page.chosen.empty());  // moving does not notify
    popup->SendMessage(WM_KEYDOWN, VK_RETURN);
    ASSERT_EQ(page.chosen.size(), 1u);
    EXPECT_EQ(page.chosen[0].colour, SECColorWell::DefaultColor(1 + 2 * 4) & 0xFFFFFF);
    EXPECT_FALSE(::IsWindow(popupWnd));

    popup = Drop();
    popupWnd = popup->m_hWnd;
    popup->SendMessage(WM_KEYDOWN, VK_LEFT);
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(popupWnd));
    EXPECT_EQ(page.chosen.size(), 1u);
}

TEST_F(WellButtonTest, ACustomColourFromTheColourDialog) {
    SECPopupColorWell* popup = Drop();
    HWND popupWnd = popup->m_hWnd;
    // The colour dialog: type a colour into its red, green and blue boxes.
    testing_harness::ModalDriver::Instance().Handle("", [](HWND box) {
        ::SetDlgItemTextA(box, 706, "12");
        ::SetDlgItemTextA(box, 707, "34");
        ::SetDlgItemTextA(box, 708, "56");
        testing_harness::ModalDriver::PressButton(box, IDOK);
    });
    popup->SendMessage(WM_COMMAND, SEC_IDC_WELL_OTHER);
    EXPECT_FALSE(::IsWindow(popupWnd));
    ASSERT_TRUE(PumpUntil([this] { return !page.chosen.empty(); }, 5000));
    EXPECT_EQ(page.chosen[0].id, 301u);
    EXPECT_EQ(page.chosen[0].colour, RGB(12, 34, 56));
    EXPECT_EQ(button.GetColor(), RGB(12, 34, 56));

    // Dropped again, the colour has no cell: it shows as the custom cell.
    popup = Drop();
    const POINT selected = popup->GetSelection();
    EXPECT_EQ(selected.x, 3);
    EXPECT_EQ(selected.y, 5);
    EXPECT_EQ(popup->GetSelectedColor(), RGB(12, 34, 56));
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
}

}  // namespace
