// The common-control wrappers in real windows, driven by the input a user
// gives them: the values they report and the notifications the parent's map
// receives (spin changes a handler may refuse, slider scrolls naming the
// slider, list and tab selections, combo choices by item data).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommonControls.h"
#include "Controls.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

namespace {

enum : UINT {
    IDC_SPIN = 1101,
    IDC_BUDDY = 1102,
    IDC_SLIDER = 1103,
    IDC_LIST = 1104,
    IDC_TABS = 1105,
    IDC_COMBO = 1106,
    IDC_EDIT_COMBO = 1107,
};

// The parent: records notifications and may refuse spin changes.
class CControlHost : public CWnd {
public:
    bool refuseSpin = false;
    std::vector<int> spinDeltas;
    CScrollBar* scrolledBar = nullptr;
    UINT scrollCode = 0;
    int changedItem = -1;
    int tabChanges = 0;
    DWORD_PTR chosenData = 0;

    BOOL CreateTopLevel() {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                        "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 500, 400, nullptr, nullptr);
    }

    CComboBox* combo = nullptr;

protected:
    afx_msg void OnSpinDelta(NMHDR* header, LRESULT* result) {
        spinDeltas.push_back(reinterpret_cast<NMUPDOWN*>(header)->iDelta);
        *result = refuseSpin ? 1 : 0;
    }
    afx_msg void OnHScroll(UINT code, UINT, CScrollBar* bar) {
        scrollCode = code;
        scrolledBar = bar;
    }
    afx_msg void OnItemChanged(NMHDR* header, LRESULT*) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED)) changedItem = change->iItem;
    }
    afx_msg void OnTabChange(NMHDR*, LRESULT*) { ++tabChanges; }
    afx_msg void OnComboChange() { chosenData = combo->GetItemData(combo->GetCurSel()); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlHost, CWnd)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, OnSpinDelta)
    ON_WM_HSCROLL()
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST, OnItemChanged)
    ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, OnTabChange)
    ON_CBN_SELCHANGE(IDC_COMBO, OnComboChange)
END_MESSAGE_MAP()

class CommonControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.CreateTopLevel()); }
    void TearDown() override { host.DestroyWindow(); }

    CControlHost host;
};

TEST_F(CommonControlsTest, SpinStepsItsBuddyWithinItsRangeUnlessTheParentRefuses) {
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 60, 32), &host, IDC_BUDDY));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(60, 10, 80, 32),
                            &host, IDC_SPIN));
    spin.SetBuddy(&buddy);
    EXPECT_EQ(spin.GetBuddy(), &buddy);
    spin.SetRange(1, 6);
    int lower = 0, upper = 0;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 6);
    spin.SetPos(5);
    EXPECT_EQ(testing_harness::ControlText(buddy.m_hWnd), "5");

    CRect area;
    spin.GetClientRect(&area);
    auto clickUp = [&] { testing_harness::ClickAt(spin.m_hWnd, area.Width() / 2, 2); };
    clickUp();
    EXPECT_EQ(spin.GetPos(), 6);
    EXPECT_EQ(testing_harness::ControlText(buddy.m_hWnd), "6");
    clickUp();  // at the top of the range it stays
    EXPECT_EQ(spin.GetPos(), 6);
    ASSERT_FALSE(host.spinDeltas.empty());
    EXPECT_EQ(host.spinDeltas.front(), 1);

    // A parent that answers non-zero keeps the old value.
    auto clickDown = [&] { testing_harness::ClickAt(spin.m_hWnd, area.Width() / 2, area.Height() - 2); };
    host.refuseSpin = true;
    size_t asked = host.spinDeltas.size();
    clickDown();
    EXPECT_GT(host.spinDeltas.size(), asked);
    EXPECT_EQ(host.spinDeltas.back(), -1);
    EXPECT_EQ(spin.GetPos(), 6);
    host.refuseSpin = false;
    clickDown();
    EXPECT_EQ(spin.GetPos(), 5);
    EXPECT_EQ(testing_harness::ControlText(buddy.m_hWnd), "5");
}

TEST_F(CommonControlsTest, SliderKeysMoveItAndItsParentSeesTheSliderAsTheScrollBar) {
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(10, 50, 210, 80), &host, IDC_SLIDER));
    slider.SetRange(0, 20);
    EXPECT_EQ(slider.GetRangeMin(), 0);
    EXPECT_EQ(slider.GetRangeMax(), 20);
    slider.SetPos(25);  // clamped to the range
    EXPECT_EQ(slider.GetPos(), 20);
    slider.SetPos(10);
    slider.SetLineSize(3);

    slider.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(slider.GetPos(), 13);
    EXPECT_EQ(host.scrollCode, static_cast<UINT>(TB_LINEDOWN));
    // The bar handed to the parent is the slider's own object.
    EXPECT_EQ(static_cast<CWnd*>(host.scrolledBar), &slider);
    slider.SendMessage(WM_KEYDOWN, VK_HOME, 1);
    EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(CommonControlsTest, ReportListKeepsColumnsItemTextAndDataAndNotifiesSelection) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 90, 410, 250),
                            &host, IDC_LIST));
    EXPECT_EQ(list.InsertColumn(0, "File", LVCFMT_LEFT, 150), 0);
    EXPECT_EQ(list.InsertColumn(1, "Folder", LVCFMT_LEFT, 200, 1), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 150);

    const char* names[] = {"alpha.cam", "beta.cam", "gamma.cam"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list.InsertItem(i, names[i]), i);
        EXPECT_TRUE(list.SetItemText(i, 1, (std::string("C:\\cams\\") + std::to_string(i)).c_str()));
        EXPECT_TRUE(list.SetItemData(i, 100 + i));
    }
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(std::string(list.GetItemText(1, 0)), "beta.cam");
    EXPECT_EQ(std::string(list.GetItemText(2, 1)), "C:\\cams\\2");
    EXPECT_EQ(list.GetItemData(2), 102u);

    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(host.changedItem, 1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetSelectedCount(), 1u);

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(std::string(list.GetItemText(0, 0)), "");
}

TEST_F(CommonControlsTest, TabClickSelectsTheTabAndTellsTheParent) {
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 410, 210), &host, IDC_TABS));
    EXPECT_EQ(tabs.InsertItem(0, "First"), 0);
    EXPECT_EQ(tabs.InsertItem(1, "Second"), 1);
    EXPECT_EQ(tabs.InsertItem(2, "Third"), 2);
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.GetCurSel(), 0);

    // The page area lies inside the control, below the tabs.
    CRect page;
    tabs.GetClientRect(&page);
    CRect whole = page;
    tabs.AdjustRect(FALSE, &page);
    CRect tab;
    ASSERT_TRUE(tabs.GetItemRect(2, &tab));
    EXPECT_GE(page.top, tab.bottom);
    EXPECT_TRUE(whole.PtInRect(page.TopLeft()));

    testing_harness::ClickAt(tabs.m_hWnd, tab.CenterPoint().x, tab.CenterPoint().y);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(host.tabChanges, 1);
    // Selecting from code sends no notification.
    EXPECT_EQ(tabs.SetCurSel(0), 2);
    EXPECT_EQ(host.tabChanges, 1);
    TCITEMA item = {};
    char text[32] = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(text, "Second");
}

TEST_F(CommonControlsTest, ComboChoiceIsFoundByItsItemData) {
    CComboBox combo;
    host.combo = &combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 200, 200),
                             &host, IDC_COMBO));
    const char* titles[] = {"(None)", "Engine1", "Race2"};
    for (int i = 0; i < 3; ++i) combo.SetItemData(combo.AddString(titles[i]), 10 * i);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    CString text;
    combo.GetLBText(1, text);
    EXPECT_EQ(std::string(text), "Engine1");
    EXPECT_EQ(combo.SetCurSel(7), CB_ERR);  // no such item
    combo.SetCurSel(-1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    // A key picks the item that starts with it and the parent reads its data.
    combo.SetFocus();
    combo.SendMessage(WM_CHAR, 'R', 1);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(host.chosenData, 20u);
    EXPECT_EQ(combo.FindStringExact(-1, "(None)"), 0);

    // An editable combo keeps at most the limit of typed characters.
    CComboBox editable;
    ASSERT_TRUE(editable.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(210, 10, 400, 200), &host,
                                IDC_EDIT_COMBO));
    editable.LimitText(4);
    HWND edit = ::GetWindow(editable.m_hWnd, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    testing_harness::TypeText(edit, "123456");
    EXPECT_EQ(testing_harness::ControlText(editable.m_hWnd), "1234");
}

TEST(ImageListTest, MaskedImageDrawsOnlyItsOpaquePixels) {
    CClientDC screen(nullptr);
    CBitmap picture;
    ASSERT_TRUE(picture.CreateCompatibleBitmap(&screen, 16, 16));
    {
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* old = dc.SelectObject(&picture);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));  // the mask colour
        dc.FillSolidRect(4, 4, 8, 8, RGB(255, 0, 0));
        dc.SelectObject(old);
    }
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    EXPECT_EQ(images.Add(&picture, RGB(255, 0, 255)), 0);
    EXPECT_EQ(images.Add(&picture, RGB(255, 0, 255)), 1);
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_TRUE(images.Remove(1));
    EXPECT_EQ(images.GetImageCount(), 1);
    // The list is the permanent object of its handle.
    EXPECT_EQ(CImageList::FromHandle(images.m_hImageList), &images);

    CDC target;
    target.CreateCompatibleDC(&screen);
    CBitmap surface;
    surface.CreateCompatibleBitmap(&screen, 32, 32);
    CBitmap* old = target.SelectObject(&surface);
    target.FillSolidRect(0, 0, 32, 32, RGB(0, 0, 255));
    EXPECT_TRUE(images.Draw(&target, 0, CPoint(8, 8), ILD_TRANSPARENT));
    auto pixels = testing_harness::Pixels::FromDC(target.m_hDC, 32, 32);
    target.SelectObject(old);
    EXPECT_EQ(pixels.At(16, 16), 0xFF0000u);  // the opaque part
    EXPECT_EQ(pixels.At(9, 9), 0x0000FFu);    // the masked part shows the background
    EXPECT_EQ(pixels.At(2, 2), 0x0000FFu);    // outside the image
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(images.m_hImageList, nullptr);
}

}  // namespace
