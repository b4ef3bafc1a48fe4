// Bitmap menus through a toolkit frame's menu plug-in: pop-ups converted to
// owner-drawn items (system commands and other components' items left
// alone), measured, drawn with the toolbar images, searched by mnemonic,
// cleaned up, and turned back into string items; a real pop-up tracked and
// chosen from by its mnemonic.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BmpMenuPlugIn.h"
#include "BmpMgr.h"
#include "CmdUI.h"
#include "MenuTestResources.h"
#include "SDIFrame.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

namespace {

using testing_harness::Pixels;
using testing_harness::Rgb;

class CMenuFrame : public SECFrameWnd {
public:
    afx_msg void OnAnything() {}
    afx_msg void OnUpdateMetric(CCmdUI* cmdUI) { cmdUI->SetCheck(1); }
    afx_msg void OnUpdateLocked(CCmdUI* cmdUI) {
        cmdUI->Enable(FALSE);
        cmdUI->SetCheck(1);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuFrame, SECFrameWnd)
    ON_COMMAND(ID_MENU_NEW, OnAnything)
    ON_COMMAND(ID_MENU_OPEN, OnAnything)
    ON_COMMAND(ID_MENU_SAVE, OnAnything)
    ON_COMMAND(ID_MENU_SETUP, OnAnything)
    ON_COMMAND(ID_MENU_METRIC, OnAnything)
    ON_UPDATE_COMMAND_UI(ID_MENU_METRIC, OnUpdateMetric)
    ON_UPDATE_COMMAND_UI(ID_MENU_LOCKED, OnUpdateLocked)
END_MESSAGE_MAP()

class BmpMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CMenuFrame;
        frame_->EnableBitmapMenus(RUNTIME_CLASS(SECBmpMenuPlugIn));
        ASSERT_TRUE(frame_->LoadFrame(IDR_MENU_FRAME, WS_OVERLAPPEDWINDOW));
        frame_->SetWindowPos(nullptr, 60, 60, 400, 300, SWP_NOZORDER);
        frame_->ShowWindow(SW_SHOW);
        plugIn_ = dynamic_cast<SECBmpMenuPlugIn*>(frame_->GetMenuPlugIn());
        ASSERT_NE(plugIn_, nullptr);
        const UINT ids[3] = {ID_MENU_NEW, ID_MENU_OPEN, ID_MENU_SAVE};
        ASSERT_TRUE(plugIn_->GetBmpMgr()->AddStrip(MAKEINTRESOURCEA(IDB_MENU_STRIP), ids, 3));
        file_ = ::GetSubMenu(::GetMenu(frame_->m_hWnd), 0);
        options_ = ::GetSubMenu(::GetMenu(frame_->m_hWnd), 1);
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }

    void Open(HMENU popup, BOOL system = FALSE) {
        frame_->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, system));
    }
    static MENUITEMINFOA Item(HMENU menu, UINT id) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE | MIIM_ID;
        ::GetMenuItemInfoA(menu, id, FALSE, &item);
        return item;
    }
    static bool OwnerDrawn(HMENU menu, UINT id) { return (Item(menu, id).fType & MFT_OWNERDRAW) != 0; }

    // Draws one item into a bitmap and returns its pixels.
    Pixels DrawItem(HMENU menu, UINT id, UINT state, int width, int height) {
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = id;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = reinterpret_cast<HWND>(menu);
        draw.hDC = dc;
        draw.rcItem = RECT{0, 0, width, height};
        draw.itemData = Item(menu, id).dwItemData;
        EXPECT_EQ(frame_->SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
        Pixels pixels = Pixels::FromDC(dc, width, height);
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        return pixels;
    }

    CMenuFrame* frame_ = nullptr;
    SECBmpMenuPlugIn* plugIn_ = nullptr;
    HMENU file_ = nullptr;
    HMENU options_ = nullptr;
};

TEST_F(BmpMenuTest, OpeningAPopupConvertsItsItems) {
    // A system command and an item another component draws.
    ::AppendMenuA(file_, MF_STRING, SC_CLOSE, "&Close");
    ::AppendMenuA(file_, MF_OWNERDRAW, 0x8300, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(0x1234)));
    Open(file_);
    for (UINT id : {ID_MENU_NEW, ID_MENU_OPEN, ID_MENU_SAVE, ID_MENU_SETUP, ID_MENU_SPLIT}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(OwnerDrawn(file_, id));
        ASSERT_NE(plugIn_->FindItem(file_, id), nullptr);
        EXPECT_EQ(Item(file_, id).dwItemData, reinterpret_cast<ULONG_PTR>(plugIn_->FindItem(file_, id)));
    }
    EXPECT_STREQ(plugIn_->FindItem(file_, ID_MENU_SAVE)->m_strText, "&Save\tCtrl+S");
    EXPECT_EQ(plugIn_->FindItem(file_, ID_MENU_SETUP)->m_cMnemonic, 'e');
    EXPECT_FALSE(OwnerDrawn(file_, SC_CLOSE));
    EXPECT_EQ(Item(file_, 0x8300).dwItemData, 0x1234u);
    EXPECT_TRUE(plugIn_->IsForeign(0x8300));
    EXPECT_EQ(plugIn_->FindItem(file_, 0x8300), nullptr);
    // The frame updated the items first: Split has no handler.
    EXPECT_TRUE(Item(file_, ID_MENU_SPLIT).fState & MFS_DISABLED);

    // The system menu is never converted.
    HMENU system = ::GetSystemMenu(frame_->m_hWnd, FALSE);
    Open(system, TRUE);
    EXPECT_FALSE(OwnerDrawn(system, SC_CLOSE));

    // Opening again reuses the records.
    Open(file_);
    EXPECT_EQ(plugIn_->GetMenuRecordCount(), 1);

    // Unplugged, the items are string items with their texts again.
    plugIn_->UnPlug();
    EXPECT_FALSE(OwnerDrawn(file_, ID_MENU_SAVE));
    char text[64] = {};
    ::GetMenuStringA(file_, ID_MENU_SAVE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Save\tCtrl+S");
    EXPECT_EQ(Item(file_, 0x8300).dwItemData, 0x1234u);
}

TEST_F(BmpMenuTest, MeasuresItemsByTextImageAndMenuHeight) {
    Open(file_);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = ID_MENU_SAVE;
    measure.itemData = Item(file_, ID_MENU_SAVE).dwItemData;
    EXPECT_EQ(frame_->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);

    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, plugIn_->GetMenuFont());
    RECT text{};
    ::DrawTextA(screen, "&Save\tCtrl+S", -1, &text, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(static_cast<LONG>(measure.itemWidth), text.right + 16 + 30);
    EXPECT_EQ(static_cast<int>(measure.itemHeight),
              std::max({static_cast<int>(text.bottom), ::GetSystemMetrics(SM_CYMENU), 15 + 4}));

    const SIZE rule = SECBmpMenuPlugIn::MeasureItem(SIZE{50, 10}, SIZE{16, 15});
    EXPECT_EQ(rule.cx, 96);
    EXPECT_EQ(rule.cy, std::max(::GetSystemMetrics(SM_CYMENU), 19));

    // Items another component draws are not measured here.
    measure.itemData = 0x1234;
    measure.itemWidth = measure.itemHeight = 7;
    frame_->SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 7u);
    EXPECT_EQ(measure.itemHeight, 7u);
}

TEST_F(BmpMenuTest, DrawsImagesSelectionAndEmbossedItems) {
    Open(file_);
    Open(options_);
    const unsigned selection = Rgb(::GetSysColor(COLOR_HIGHLIGHT)), menu = Rgb(::GetSysColor(COLOR_MENU)),
                   highlight = Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)), shadow = Rgb(::GetSysColor(COLOR_BTNSHADOW));
    const int width = 160, height = 24;

    // The toolbar image in its box: image pixels at (1 + 2, box top + 2).
    const Pixels save = DrawItem(file_, ID_MENU_SAVE, ODS_SELECTED, width, height);
    save.SavePng("menu-item-save.png");
    HBITMAP strip = nullptr;
    int index = 0;
    ASSERT_TRUE(plugIn_->GetBmpMgr()->GetBitmap(ID_MENU_SAVE, strip, index, TRUE));
    HDC stripDc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(stripDc, strip);
    const Pixels image = Pixels::FromDC(stripDc, 176, 15);
    ::SelectObject(stripDc, old);
    ::DeleteDC(stripDc);
    const int boxTop = (height - 19) / 2;
    int same = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) same += save.At(3 + x, boxTop + 2 + y) == image.At(index * 16 + x, y);
    EXPECT_EQ(same, 16 * 15);
    // The selected text area, from the column on.
    EXPECT_EQ(save.At(30, 1), selection);
    EXPECT_EQ(save.At(width - 2, height - 2), selection);

    // Unselected without an image: the column and the text area in the menu colour.
    const Pixels split = DrawItem(file_, ID_MENU_SPLIT, ODS_GRAYED, width, height);
    EXPECT_EQ(split.At(2, 2), menu);
    EXPECT_EQ(split.At(width - 2, 2), menu);
    // Grey text is embossed: highlight one pixel right and down of the grey.
    EXPECT_GT(split.Count(highlight), 0);
    EXPECT_GT(split.Count(Rgb(::GetSysColor(COLOR_GRAYTEXT))), 0);

    // A disabled, checked item without an image shows its check mark embossed
    // in a sunken box: highlight and shadow, no black.
    const Pixels locked = DrawItem(options_, ID_MENU_LOCKED, ODS_GRAYED | ODS_CHECKED, width, height);
    locked.SavePng("menu-item-locked.png");
    const RECT column{1, 0, 1 + 20, height};
    EXPECT_GT(locked.Count(shadow, &column), 4);
    EXPECT_GT(locked.Count(highlight, &column), 4);
    EXPECT_EQ(locked.Count(0x000000), 0);
    // Checked and enabled: the check mark itself (black) in the box.
    const Pixels metric = DrawItem(options_, ID_MENU_METRIC, ODS_CHECKED, width, height);
    EXPECT_GT(metric.Count(0x000000, &column), 4);
}

TEST_F(BmpMenuTest, MnemonicsSelectTheNextMatchOrExecuteTheOnlyOne) {
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, ID_MENU_SAVE, "&Save");
    ::AppendMenuA(popup, MF_STRING, ID_MENU_OPEN, "&Open");
    ::AppendMenuA(popup, MF_STRING, ID_MENU_SETUP, "&Setup");
    ::AppendMenuA(popup, MF_STRING, ID_MENU_NEW, "&New");
    Open(popup);
    auto menuChar = [&](char c) {
        return frame_->SendMessage(WM_MENUCHAR, MAKEWPARAM(static_cast<BYTE>(c), MF_POPUP),
                                   reinterpret_cast<LPARAM>(popup));
    };
    auto highlight = [&](int position) {
        for (int i = 0; i < 4; ++i) {
            MENUITEMINFOA state{};
            state.cbSize = sizeof state;
            state.fMask = MIIM_STATE;
            state.fState = i == position ? MFS_HILITE : 0;
            ::SetMenuItemInfoA(popup, static_cast<UINT>(i), TRUE, &state);
        }
    };
    EXPECT_EQ(menuChar('o'), MAKELRESULT(1, MNC_EXECUTE));
    EXPECT_EQ(menuChar('N'), MAKELRESULT(3, MNC_EXECUTE));
    EXPECT_EQ(menuChar('s'), MAKELRESULT(0, MNC_SELECT));
    highlight(0);
    EXPECT_EQ(menuChar('s'), MAKELRESULT(2, MNC_SELECT));
    highlight(2);
    EXPECT_EQ(menuChar('S'), MAKELRESULT(0, MNC_SELECT));  // wraps to the first
    EXPECT_EQ(menuChar('z'), 0);

    // A destroyed menu loses its record at the next idle update.
    const INT_PTR before = plugIn_->GetMenuRecordCount();
    ::DestroyMenu(popup);
    frame_->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(plugIn_->GetMenuRecordCount(), before - 1);
}

// A real pop-up: tracked by the system, drawn by the plug-in, and an item
// chosen by typing its mnemonic.
TEST_F(BmpMenuTest, ARealPopupIsDrawnAndChosenByMnemonic) {
    static Pixels shot;
    static bool typed = false;
    shot = Pixels();
    typed = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menuWindow = ::FindWindowA("#32768", nullptr);
        if (menuWindow == nullptr || typed) return;
        shot = Pixels::FromWindow(menuWindow);
        typed = true;
        ::KillTimer(nullptr, id);
        ::PostMessageA(menuWindow, WM_KEYDOWN, 'E', 0);
        ::PostMessageA(menuWindow, WM_CHAR, 'e', 0);
        ::PostMessageA(menuWindow, WM_KEYUP, 'E', 0);
    });
    ASSERT_NE(timer, 0u);
    const UINT_PTR safety = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::EndMenu();
    });
    frame_->SetForegroundWindow();
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(file_, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 120,
                                                           120, 0, frame_->m_hWnd, nullptr));
    ::KillTimer(nullptr, safety);
    ::KillTimer(nullptr, timer);
    ASSERT_TRUE(typed);
    shot.SavePng("menu-popup.png");
    EXPECT_EQ(chosen, static_cast<UINT>(ID_MENU_SETUP));
    EXPECT_TRUE(OwnerDrawn(file_, ID_MENU_SAVE));
    // The images of New, Open and Save show in the pop-up's image column.
    EXPECT_GT(shot.width(), 60);
}

}  // namespace
