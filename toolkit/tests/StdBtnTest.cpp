// Self-drawn toolbar buttons on a stub bar: sizes, the press and release
// state machine (check boxes, drop-downs, disabled buttons), the caption
// buttons' commands to the active MDI child, menu-button mnemonics, and
// drawing into a memory DC.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "BmpMgr.h"
#include "ButtonTestResources.h"
#include "DC.h"
#include "SECToolBarDrawContext.h"
#include "StdBtn.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::Pixels;
using testing_harness::Rgb;

const UINT kIds[11] = {100, 101, 102, 0, 104, 105, 106, 107, 108, 109, 110};

// A bar of buttons over a real (hidden) window that also receives the
// buttons' notifications.
class StubBar : public SECButtonBar {
public:
    StubBar() {
        window = testing_harness::CreateTestWindow(300, 100, nullptr, "Button bar");
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previousProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StubBar::Proc)));
        images.AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), kIds, 11);
    }
    ~StubBar() override {
        for (SECStdBtn* button : buttons) delete button;
        ::DestroyWindow(window);
    }

    SECStdBtn* Add(SECStdBtn* button, UINT id, DWORD style, const void* data = nullptr) {
        button->m_nID = id;
        button->m_nStyle = style;
        button->Init(this, data);
        button->SetPos(x, 2);
        x += button->m_cx;
        buttons.push_back(button);
        return button;
    }

    HWND GetBarWindow() const override { return window; }
    UINT GetBarId() const override { return 0xE820; }
    HWND GetNotifyOwner() const override { return window; }
    DWORD GetExBarStyle() const override { return exStyle; }
    BOOL IsCustomizing() const override { return customizing; }
    SECBmpMgr* GetBmpMgr() const override { return const_cast<SECBmpMgr*>(&images); }
    int GetImageWidth() const override { return 16; }
    int GetImageHeight() const override { return 15; }
    HFONT GetFont() const override { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }
    int IndexOfButton(const SECStdBtn* button) const override {
        for (size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i] == button) return static_cast<int>(i);
        return -1;
    }
    void RaiseWidestButton(int cx) override { widest = std::max(widest, cx); }
    void InvalidateButton(SECStdBtn* button, BOOL erase) override {
        (void)erase;
        ++invalidations;
        const RECT r = button->GetRect();
        ::InvalidateRect(window, &r, FALSE);
    }
    void UpdateHotButton() override { ++hotUpdates; }
    void ShowButtonMenu(SECStdBtn* button) override { menuShownFor = button; }
    void InformButtons(UINT id, DWORD set, DWORD clear) override {
        for (SECStdBtn* button : buttons)
            if (button->m_nID == id) button->InformBtn(1, set, clear);
    }
    HWND GetActiveMDIChild() const override { return activeChild; }

    static LRESULT CALLBACK Proc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* bar = reinterpret_cast<StubBar*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
        if (message == WM_NOTIFY && bar != nullptr) {
            const auto* notify = reinterpret_cast<const SECBtnNotify*>(lParam);
            bar->notifications.push_back(*notify);
            bar->notifyingSeen = SECStdBtn::s_bNotifying;
            return 0;
        }
        return ::CallWindowProcA(bar->previousProc, wnd, message, wParam, lParam);
    }

    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    SECBmpMgr images;
    std::vector<SECStdBtn*> buttons;
    DWORD exStyle = 0;
    BOOL customizing = FALSE;
    int widest = 0;
    int x = 2;
    int invalidations = 0;
    int hotUpdates = 0;
    SECStdBtn* menuShownFor = nullptr;
    HWND activeChild = nullptr;
    std::vector<SECBtnNotify> notifications;
    BOOL notifyingSeen = FALSE;
};

POINT Centre(const SECStdBtn& button) {
    const RECT r = button.GetRect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(StdBtn, SizesFollowTheImageSizeAndTheText) {
    StubBar bar;
    SECStdBtn* plain = bar.Add(new SECStdBtn, 100, 0);
    EXPECT_EQ(plain->m_cx, 23);
    EXPECT_EQ(plain->m_cy, 22);
    SECStdBtn* separator = bar.Add(new SECStdBtn, 0, SEC_TBBS_SEPARATOR);
    EXPECT_EQ(separator->m_cx, 8);
    EXPECT_EQ(separator->m_cy, 22);

    SECTBMenuBtn::MenuData file{nullptr, 0, "&File", 0};
    auto* menu = static_cast<SECTBMenuBtn*>(bar.Add(new SECTBMenuBtn, 0, 0, &file));
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, bar.GetMenuFont());
    RECT text{};
    ::DrawTextA(screen, "&File", -1, &text, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(menu->m_cx, text.right + 10);
    EXPECT_EQ(menu->m_cy, text.bottom + 6);
    EXPECT_EQ(menu->m_nType, SEC_BTN_MENU);

    SECStdBtn* icon = bar.Add(new SECCapMenuBtn, 0, 0);
    EXPECT_EQ(icon->m_cx, 16);
    EXPECT_EQ(icon->m_cy, 16);
    auto* caption = static_cast<SECBtnCaption*>(bar.Add(new SECBtnCaption, 0, 0));
    const SIZE cell = SECBtnCaption::CellSize();
    EXPECT_EQ(cell.cx, ::GetSystemMetrics(SM_CXSIZE) - 2);
    EXPECT_EQ(cell.cy, ::GetSystemMetrics(SM_CYSIZE) - 4);
    EXPECT_EQ(caption->m_cx, 3 * cell.cx + 2);
    EXPECT_EQ(caption->m_dwCaptionFlags, 0xB0000u);
    EXPECT_FALSE(caption->CanMoveButton());
    EXPECT_EQ(bar.widest, std::max(caption->m_cx, menu->m_cx));

    // Bars create buttons through their class records.
    std::unique_ptr<SECStdBtn> made(SECBtnCaption::buttonClass.create());
    EXPECT_EQ(made->GetButtonClass(), &SECBtnCaption::buttonClass);
    EXPECT_EQ(made->m_nType, SEC_BTN_CAPTION);
}

TEST(StdBtn, MenuMnemonicsAreTheLetterAfterTheFirstAmpersand) {
    const std::pair<const char*, char> cases[] = {
        {"&File", 'f'}, {"Save &As", 'a'}, {"&&x&Y", '&'}, {"Tail&", 0}, {"None", 0}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(SECTBMenuBtn::MnemonicOf(c.first), c.second);
    }
}

struct PressCase {
    const char* what;
    DWORD style;
    bool releaseInside;
    BOOL downResult;
    bool commandSent;
    DWORD styleAfter;
};

TEST(StdBtn, PressAndReleaseStateMachine) {
    const PressCase cases[] = {
        {"plain", 0, true, TRUE, true, 0},
        {"plain released outside", 0, false, TRUE, false, 0},
        {"disabled", SEC_TBBS_DISABLED, true, FALSE, false, SEC_TBBS_DISABLED},
        {"check box checks", SEC_TBBS_CHECKBOX, true, TRUE, true, SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED},
        {"check box unchecks", SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED, true, TRUE, true, SEC_TBBS_CHECKBOX},
        {"indeterminate becomes checked", SEC_TBBS_CHECKBOX | SEC_TBBS_INDETERMINATE, true, TRUE, true,
         SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED},
        {"check box released outside", SEC_TBBS_CHECKBOX, false, TRUE, false, SEC_TBBS_CHECKBOX},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.what);
        StubBar bar;
        SECStdBtn* button = bar.Add(new SECStdBtn, 104, c.style);
        SECStdBtn* twin = bar.Add(new SECStdBtn, 104, c.style);  // same command
        const RECT r = button->GetRect();
        EXPECT_EQ(button->BtnPressDown(Centre(*button)), c.downResult);
        if (c.downResult) {
            EXPECT_TRUE(button->HasStyle(SEC_TBBS_PRESSED));
            button->BtnPressMouseMove(POINT{r.right + 5, r.top});
            EXPECT_FALSE(button->HasStyle(SEC_TBBS_PRESSED));
            button->BtnPressMouseMove(POINT{r.right, r.bottom});  // edges count as inside
            EXPECT_TRUE(button->HasStyle(SEC_TBBS_PRESSED));
        }
        const POINT release = c.releaseInside ? Centre(*button) : POINT{r.left, r.bottom + 3};
        EXPECT_EQ(button->BtnPressUp(release), c.commandSent ? 104u : 0u);
        EXPECT_EQ(button->GetStyle(), c.styleAfter);
        EXPECT_EQ(twin->GetStyle(), c.styleAfter);  // a check box changes every button of its command
    }
}

// A button that the idle update disables during the press sends nothing.
TEST(StdBtn, AButtonDisabledDuringThePressSendsNoCommand) {
    StubBar bar;
    SECStdBtn* button = bar.Add(new SECStdBtn, 101, 0);
    ASSERT_TRUE(button->BtnPressDown(Centre(*button)));
    button->InformBtn(1, SEC_TBBS_DISABLED, 0);
    EXPECT_EQ(button->BtnPressUp(Centre(*button)), 0u);
    EXPECT_FALSE(button->HasStyle(SEC_TBBS_PRESSED));
}

TEST(StdBtn, ADropDownOnlyNotifiesItsOwner) {
    StubBar bar;
    bar.Add(new SECStdBtn, 100, 0);
    SECStdBtn* drop = bar.Add(new SECStdBtn, 102, SEC_TBBS_DROPDOWN);
    EXPECT_FALSE(drop->BtnPressDown(Centre(*drop)));
    EXPECT_FALSE(drop->HasStyle(SEC_TBBS_PRESSED));
    EXPECT_EQ(::GetCapture(), nullptr);
    ASSERT_EQ(bar.notifications.size(), 1u);
    const SECBtnNotify& n = bar.notifications[0];
    EXPECT_EQ(static_cast<int>(n.hdr.code), -710);
    EXPECT_EQ(n.hdr.hwndFrom, bar.window);
    EXPECT_EQ(n.hdr.idFrom, 0xE820u);
    EXPECT_EQ(n.iItem, 102);
    EXPECT_EQ(n.nIndex, 1);
    EXPECT_EQ(n.tbButton.idCommand, 0);
    EXPECT_TRUE(bar.notifyingSeen);
    EXPECT_FALSE(SECStdBtn::s_bNotifying);
    EXPECT_EQ(bar.hotUpdates, 1);
}

TEST(StdBtn, MenuButtonsAskTheBarForTheirMenu) {
    StubBar bar;
    SECTBMenuBtn::MenuData edit{nullptr, 1, "&Edit", 0};
    SECStdBtn* menu = bar.Add(new SECTBMenuBtn, 0, 0, &edit);
    EXPECT_FALSE(menu->BtnPressDown(Centre(*menu)));  // the popup tracks; no capture
    EXPECT_EQ(bar.menuShownFor, menu);
    EXPECT_TRUE(menu->HasStyle(SEC_TBBS_PRESSED));
    EXPECT_EQ(static_cast<SECTBMenuBtn*>(menu)->m_cMnemonic, 'e');
    EXPECT_EQ(static_cast<SECTBMenuBtn*>(menu)->m_nSubMenu, 1);
}

// The three caption cells send their system commands to the active child,
// only when pressed and released over the same enabled cell.
TEST(StdBtn, CaptionButtonsSendSystemCommandsToTheActiveChild) {
    StubBar bar;
    bar.activeChild = testing_harness::CreateTestWindow(100, 100, nullptr, "Child");
    auto* caption = static_cast<SECBtnCaption*>(bar.Add(new SECBtnCaption, 0, 0));
    auto centreOf = [&](SECBtnCaption::Cell cell) {
        const RECT r = caption->CellRect(cell);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    auto posted = [&]() {
        MSG msg;
        std::vector<WPARAM> commands;
        while (::PeekMessageA(&msg, bar.activeChild, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
            commands.push_back(msg.wParam);
        return commands;
    };
    const std::pair<SECBtnCaption::Cell, WPARAM> cells[] = {
        {SECBtnCaption::kMinimize, SC_MINIMIZE}, {SECBtnCaption::kRestore, SC_RESTORE}, {SECBtnCaption::kClose, SC_CLOSE}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.second);
        ASSERT_TRUE(caption->BtnPressDown(centreOf(cell.first)));
        EXPECT_EQ(caption->BtnPressUp(centreOf(cell.first)), 0u);  // no WM_COMMAND from the bar
        EXPECT_EQ(posted(), std::vector<WPARAM>{cell.second});
    }
    // Released over another cell: nothing.
    ASSERT_TRUE(caption->BtnPressDown(centreOf(SECBtnCaption::kMinimize)));
    caption->BtnPressMouseMove(centreOf(SECBtnCaption::kClose));
    EXPECT_FALSE(caption->HasStyle(SEC_TBBS_PRESSED));
    caption->BtnPressUp(centreOf(SECBtnCaption::kClose));
    EXPECT_TRUE(posted().empty());
    // Disabled minimise and restore ignore the press.
    caption->m_dwCaptionFlags = SECBtnCaption::kShown | SECBtnCaption::kCloseEnabled;
    EXPECT_FALSE(caption->BtnPressDown(centreOf(SECBtnCaption::kRestore)));
    EXPECT_TRUE(caption->BtnPressDown(centreOf(SECBtnCaption::kClose)));
    caption->BtnPressUp(centreOf(SECBtnCaption::kClose));
    EXPECT_EQ(posted(), std::vector<WPARAM>{SC_CLOSE});
    // The gap between restore and close belongs to no cell.
    const RECT restore = caption->CellRect(SECBtnCaption::kRestore);
    EXPECT_EQ(caption->CellAt(POINT{restore.right + 1, restore.top + 2}), SECBtnCaption::kNone);
    ::DestroyWindow(bar.activeChild);
}

// Draws the bar's buttons into a bitmap the way a bar paints.
Pixels DrawBar(StubBar& bar, int width, int height) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    {
        SECToolBarDrawContext context;
        CDC target;
        target.Attach(dc);
        EXPECT_TRUE(context.PrepareBitmaps(&target, bar.widest, 40));
        target.Detach();
        for (SECStdBtn* button : bar.buttons) button->Draw(dc, context);
        context.Release();
    }
    Pixels pixels = Pixels::FromDC(dc, width, height);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return pixels;
}

TEST(StdBtn, DrawsFaceImageAndStates) {
    StubBar bar;
    SECStdBtn* normal = bar.Add(new SECStdBtn, 100, 0);
    SECStdBtn* pressed = bar.Add(new SECStdBtn, 100, SEC_TBBS_PRESSED);
    SECStdBtn* checked = bar.Add(new SECStdBtn, 100, SEC_TBBS_CHECKBOX | SEC_TBBS_CHECKED);
    SECStdBtn* disabled = bar.Add(new SECStdBtn, 100, SEC_TBBS_DISABLED);
    bar.Add(new SECStdBtn, 0, SEC_TBBS_SEPARATOR);
    SECStdBtn* noImage = bar.Add(new SECStdBtn, 555, 0);
    const Pixels pixels = DrawBar(bar, 200, 30);
    pixels.SavePng("buttons-states.png");

    const unsigned face = Rgb(::GetSysColor(COLOR_BTNFACE)), highlight = Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)),
                   shadow = Rgb(::GetSysColor(COLOR_BTNSHADOW));
    // The raised frame of a normal button: highlight top-left, shadow inside bottom-right.
    EXPECT_EQ(pixels.At(normal->m_x, normal->m_y + 5), highlight);
    EXPECT_EQ(pixels.At(normal->m_x + normal->m_cx - 2, normal->m_y + 5), shadow);
    // The image at x + (cx - 16 - 1) / 2, y + (cy - 15) / 2, and one pixel
    // further right and down while pressed.
    HBITMAP strip = bar.images.GetRecord(0).small;
    HDC stripDc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(stripDc, strip);
    const Pixels image = Pixels::FromDC(stripDc, 176, 15);
    ::SelectObject(stripDc, old);
    ::DeleteDC(stripDc);
    const int ix = (23 - 16 - 1) / 2, iy = (22 - 15) / 2;
    int compared = 0, same = 0, samePressed = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            ++compared;
            same += pixels.At(normal->m_x + ix + x, normal->m_y + iy + y) == image.At(x, y);
            if (x < 15 && y < 14) samePressed += pixels.At(pressed->m_x + ix + 1 + x, pressed->m_y + iy + 1 + y) == image.At(x, y);
        }
    EXPECT_EQ(same, compared);
    EXPECT_EQ(samePressed, 15 * 14);
    // A checked button's background is the face and highlight checkerboard.
    const int bx = checked->m_x + 3, by = checked->m_y + 3;
    EXPECT_NE(pixels.At(bx, by), pixels.At(bx + 1, by));
    for (int d = 0; d < 2; ++d) {
        const unsigned p = pixels.At(bx + d, by);
        EXPECT_TRUE(p == face || p == highlight) << std::hex << p;
    }
    // A disabled button is embossed: only face, highlight and shadow.
    int other = 0;
    for (int y = disabled->m_y; y < disabled->m_y + disabled->m_cy; ++y)
        for (int x = disabled->m_x; x < disabled->m_x + disabled->m_cx; ++x) {
            const unsigned p = pixels.At(x, y);
            if (p != face && p != highlight && p != shadow && p != Rgb(::GetSysColor(COLOR_WINDOWFRAME))) ++other;
        }
    EXPECT_EQ(other, 0);
    EXPECT_GT(pixels.Count(shadow, nullptr), 0);
    // A command without an image shows the bare face.
    EXPECT_EQ(pixels.At(noImage->m_x + 11, noImage->m_y + 11), face);
}

TEST(StdBtn, FlatBarsDrawHotFramesAndEtchedSeparators) {
    StubBar bar;
    bar.exStyle = SEC_BAR_FLAT;
    SECStdBtn* cold = bar.Add(new SECStdBtn, 100, 0);
    SECStdBtn* hot = bar.Add(new SECStdBtn, 100, SEC_TBBS_HOT);
    SECStdBtn* separator = bar.Add(new SECStdBtn, 0, SEC_TBBS_SEPARATOR);
    const Pixels pixels = DrawBar(bar, 120, 30);
    pixels.SavePng("buttons-flat.png");
    const unsigned face = Rgb(::GetSysColor(COLOR_BTNFACE)), highlight = Rgb(::GetSysColor(COLOR_BTNHIGHLIGHT)),
                   shadow = Rgb(::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixels.At(cold->m_x, cold->m_y + 5), face);
    EXPECT_EQ(pixels.At(hot->m_x, hot->m_y + 5), highlight);
    EXPECT_EQ(pixels.At(hot->m_x + hot->m_cx - 1, hot->m_y + 5), shadow);
    EXPECT_EQ(pixels.At(separator->m_x + 8, separator->m_y + 5), shadow);
    EXPECT_EQ(pixels.At(separator->m_x + 9, separator->m_y + 5), highlight);
}

TEST(StdBtn, ToolHitTestFillsTheToolRecord) {
    StubBar bar;
    SECStdBtn* button = bar.Add(new SECStdBtn, 106, 0);
    EXPECT_EQ(button->OnToolHitTest(Centre(*button), nullptr), 106);
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    EXPECT_EQ(button->OnToolHitTest(Centre(*button), &info), 106);
    EXPECT_EQ(info.hwnd, bar.window);
    EXPECT_EQ(info.uId, 106u);
    EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(info.rect.left, button->m_x);
    info.cbSize = 8;  // too small a record is not written
    EXPECT_EQ(button->OnToolHitTest(Centre(*button), &info), -1);
}

}  // namespace
