// The menu bar in a toolkit frame, driven by real keyboard input: Alt
// enters and leaves menu mode, arrows move between the menus, Alt with a
// letter opens that menu, arrows in an open pop-up move to the next menu's
// pop-up unless the item opens (or is in) a sub-menu, a letter chooses an
// item (its command reaches the frame), Escape closes; past the last menu
// or with Alt and Space the system menu opens; a click on a menu button
// opens its pop-up.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BmpMgr.h"
#include "MenuBar.h"
#include "MenuBarFeature.h"
#include "MenuTestResources.h"
#include "SDIFrame.h"
#include "WindowHelpers.h"

namespace {

using testing_harness::Pixels;

class CMenuBarFrame : public SECFrameWnd {
public:
    SECMenuBar menuBar;
    int saves = 0;
    int setups = 0;
    int pascals = 0;

    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (SECFrameWnd::OnCreate(cs) == -1) return -1;
        return menuBar.Create(this) ? 0 : -1;
    }
    afx_msg void OnSave() { ++saves; }
    afx_msg void OnSetup() { ++setups; }
    afx_msg void OnPascal() { ++pascals; }
    afx_msg void OnAnything() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuBarFrame, SECFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_MENU_SAVE, OnSave)
    ON_COMMAND(ID_MENU_SETUP, OnSetup)
    ON_COMMAND(ID_MENU_PASCAL, OnPascal)
    ON_COMMAND(ID_MENU_NEW, OnAnything)
    ON_COMMAND(ID_MENU_OPEN, OnAnything)
    ON_COMMAND(ID_MENU_METRIC, OnAnything)
END_MESSAGE_MAP()

void Key(BYTE key, bool up) { ::keybd_event(key, 0, up ? KEYEVENTF_KEYUP : 0, 0); }
void Tap(BYTE key) {
    Key(key, false);
    Key(key, true);
}
void AltWith(BYTE key) {
    Key(VK_MENU, false);
    Tap(key);
    Key(VK_MENU, true);
}
HWND OpenPopup() {
    HWND popup = ::FindWindowA("#32768", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup) ? popup : nullptr;
}

// Runs steps one after the other from a thread timer, which also fires
// inside the modal loops of pop-up menus; each step may check what the
// previous input did and give the next input. Past its deadline the script
// ends any menu still open, so that a failing step fails the test instead
// of leaving it in a pop-up's loop.
class Script {
public:
    explicit Script(std::vector<std::function<void()>> steps, DWORD timeoutMs = 12000)
        : steps_(std::move(steps)), deadline_(::GetTickCount() + timeoutMs) {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 250, &Script::Tick);
    }
    ~Script() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool Done() const { return next_ >= steps_.size(); }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* self = current_;
        if (self == nullptr) return;
        if (static_cast<LONG>(::GetTickCount() - self->deadline_) > 0) {
            self->timedOut_ = true;
            self->next_ = self->steps_.size();
            ::EndMenu();
            return;
        }
        if (self->running_ || self->Done()) return;
        self->running_ = true;
        const size_t step = self->next_++;
        self->steps_[step]();  // may enter a modal loop, in which ticks go on
        self->running_ = false;
    }

    static Script* current_;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    bool running_ = false;
    bool timedOut_ = false;
    DWORD deadline_;
    UINT_PTR timer_ = 0;
};
Script* Script::current_ = nullptr;

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = new CMenuBarFrame;
        frame_->SetMenuBar(&frame_->menuBar);
        ASSERT_TRUE(frame_->LoadFrame(IDR_MENU_FRAME, WS_OVERLAPPEDWINDOW));
        frame_->SetWindowPos(nullptr, 80, 80, 420, 260, SWP_NOZORDER);
        frame_->ShowWindow(SW_SHOW);
        frame_->RecalcLayout();
        frame_->SetForegroundWindow();
        frame_->SetFocus();
        Loop([] { return false; }, 200);
    }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
    }
    // The program's loop: messages through the windows' pre-translation.
    bool Loop(const std::function<bool()>& done, DWORD timeout) {
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
    SECMenuBar& Bar() { return frame_->menuBar; }
    // Runs `steps` as a script in the program's loop, lets the last
    // command's message through, and reports the steps' failed checks.
    void RunScript(std::vector<std::function<void()>> steps, DWORD timeout = 15000) {
        Script script(std::move(steps));
        const bool finished = Loop([&] { return script.Done(); }, timeout);
        Loop([] { return false; }, 300);
        ::EndMenu();
        EXPECT_TRUE(finished);
        EXPECT_FALSE(script.TimedOut());
        for (const std::string& failure : failures_) ADD_FAILURE() << failure;
    }
    // A step's check, reported once the script ends.
    void Expect(bool ok, const char* what) {
        if (!ok) failures_.push_back(what);
    }

    CMenuBarFrame* frame_ = nullptr;
    std::vector<std::string> failures_;
};

TEST_F(MenuBarTest, ShowsTheFramesMenuAsButtons) {
    EXPECT_EQ(::GetMenu(frame_->m_hWnd), nullptr);  // no system menu bar
    ASSERT_EQ(Bar().GetButtonCount(), 2);
    EXPECT_EQ(Bar().GetDlgCtrlID(), static_cast<int>(SEC_IDW_MENUBAR));
    EXPECT_EQ(Bar().GetMenuId(), static_cast<UINT>(IDR_MENU_FRAME));
    auto* file = static_cast<SECTBMenuBtn*>(Bar().GetButton(0));
    EXPECT_EQ(file->m_nType, SEC_BTN_MENU);
    EXPECT_STREQ(file->m_strText, "&File");
    EXPECT_EQ(file->m_cMnemonic, 'f');
    EXPECT_EQ(Bar().FindMnemonic('o'), 1);
    EXPECT_EQ(Bar().FindMnemonic('x'), -1);
    EXPECT_NE(dynamic_cast<SECMenuBarFeature*>(frame_->GetMenuPlugIn()), nullptr);
    // Laid out at the top of the frame, one row of its buttons.
    CRect bar;
    Bar().GetWindowRect(&bar);
    frame_->ScreenToClient(&bar);
    EXPECT_EQ(bar.top, 0);
    EXPECT_GT(bar.Height(), file->m_cy);
    Loop([] { return false; }, 100);
    Pixels::FromWindow(frame_->m_hWnd).SavePng("menubar-frame.png");
}

TEST_F(MenuBarTest, KeyboardDrivesTheMenus) {
    Pixels popupShot;
    RunScript({
        [&] { Tap(VK_MENU); },
        [&] {
            Expect(Bar().IsMenuMode(), "Alt enters menu mode");
            Expect(Bar().GetHotButton() == 0, "on the first menu");
            Tap(VK_RIGHT);
        },
        [&] {
            Expect(Bar().GetHotButton() == 1, "Right moves to the next menu");
            Tap(VK_LEFT);
        },
        [&] {
            Expect(Bar().GetHotButton() == 0, "Left moves back");
            Tap(VK_ESCAPE);
        },
        [&] {
            Expect(!Bar().IsMenuMode(), "Escape leaves menu mode");
            Tap(VK_MENU);
        },
        [&] {
            Expect(Bar().IsMenuMode(), "Alt enters menu mode again");
            Tap(VK_MENU);
        },
        [&] {
            Expect(!Bar().IsMenuMode(), "a second Alt leaves it");
            AltWith('O');
        },
        [&] {
            Expect(OpenPopup() != nullptr, "Alt+O opens a pop-up");
            Expect(Bar().GetMenuButton() == 1, "the Options pop-up");
            Expect(!Bar().IsMenuMode(), "Alt+O does not toggle menu mode");
            if (HWND popup = OpenPopup()) popupShot = Pixels::FromWindow(popup);
            Tap(VK_LEFT);
        },
        [&] {
            Expect(OpenPopup() != nullptr, "Left in a pop-up opens the neighbour's");
            Expect(Bar().GetMenuButton() == 0, "the File pop-up");
            Tap('S');
        },
        [&] {
            Expect(OpenPopup() == nullptr, "choosing an item closes the pop-up");
            Expect(Bar().GetMenuButton() == -1, "no menu button open");
            AltWith('F');
        },
        [&] {
            Expect(Bar().GetMenuButton() == 0, "Alt+F opens File");
            Tap(VK_ESCAPE);
        },
        [&] {
            Expect(OpenPopup() == nullptr && Bar().GetMenuButton() == -1, "Escape closes the pop-up");
        },
    });
    EXPECT_EQ(frame_->saves, 1);  // "&Save" chosen by its letter
    if (popupShot.width() > 0) popupShot.SavePng("menubar-options.png");
}

// The open menus (pop-up windows on the screen).
int OpenMenuCount() {
    int count = 0;
    for (HWND wnd = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); wnd != nullptr;
         wnd = ::FindWindowExA(nullptr, wnd, "#32768", nullptr))
        if (::IsWindowVisible(wnd)) ++count;
    return count;
}

// Right on an item with a sub-menu opens it instead of the next menu, and
// Left in the sub-menu closes it instead of moving to the previous menu.
TEST_F(MenuBarTest, ArrowsOpenAndCloseASubMenuInAPopup) {
    RunScript({
        [&] { AltWith('O'); },
        [&] {
            Expect(Bar().GetMenuButton() == 1 && OpenMenuCount() == 1, "Alt+O opens Options");
            Tap(VK_DOWN);
            Tap(VK_DOWN);  // Metric, Locked, Units
        },
        [&] { Tap(VK_RIGHT); },
        [&] {
            Expect(Bar().GetMenuButton() == 1, "Right on Units stays in Options");
            Expect(OpenMenuCount() == 2, "Right on Units opens its sub-menu");
            Tap(VK_LEFT);
        },
        [&] {
            Expect(Bar().GetMenuButton() == 1, "Left in the sub-menu stays in Options");
            Expect(OpenMenuCount() == 1, "Left closes the sub-menu");
            Tap(VK_RIGHT);
        },
        [&] {
            Expect(OpenMenuCount() == 2, "Right opens it again");
            Tap(VK_RETURN);  // its first item
        },
        [&] {
            Expect(OpenMenuCount() == 0 && Bar().GetMenuButton() == -1, "choosing closes the menus");
            AltWith('F');
        },
        [&] {
            Tap(VK_RIGHT);  // on New: no sub-menu
        },
        [&] {
            Expect(Bar().GetMenuButton() == 1, "Right elsewhere moves to the next menu");
            Tap(VK_ESCAPE);
        },
        [&] {},
    });
    EXPECT_EQ(frame_->pascals, 1);
}

// The open pop-up's menu (MN_GETHMENU), or null.
HMENU OpenPopupMenu() {
    HWND popup = OpenPopup();
    return popup != nullptr ? reinterpret_cast<HMENU>(::SendMessageA(popup, 0x01E1, 0, 0)) : nullptr;
}

bool HasClose(HMENU menu) { return menu != nullptr && ::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1); }

// Past the last menu, or with Alt and Space, the frame's system menu opens;
// Escape closes it and the frame stays.
TEST_F(MenuBarTest, RightPastTheLastMenuOrAltSpaceOpensTheSystemMenu) {
    RunScript({
        [&] { AltWith('O'); },
        [&] {
            Expect(Bar().GetMenuButton() == 1 && !HasClose(OpenPopupMenu()), "Alt+O opens Options, the last menu");
            Tap(VK_RIGHT);
        },
        [&] {
            Expect(HasClose(OpenPopupMenu()), "Right on the last menu opens the system menu");
            Expect(Bar().GetMenuButton() == -1, "no menu button is open with it");
            Tap(VK_ESCAPE);
        },
        [&] {
            Expect(OpenPopup() == nullptr, "Escape closes the system menu");
            AltWith(VK_SPACE);
        },
        [&] {
            Expect(HasClose(OpenPopupMenu()), "Alt+Space opens the system menu");
            Tap(VK_ESCAPE);
        },
        [&] { Expect(OpenPopup() == nullptr, "Escape closes it again"); },
    });
    EXPECT_TRUE(::IsWindow(frame_->m_hWnd));
}

TEST_F(MenuBarTest, AClickOnAMenuButtonOpensItsPopup) {
    SECStdBtn* file = Bar().GetButton(0);
    const RECT r = file->GetRect();
    RunScript({
        [&] { testing_harness::MouseClickAt(Bar().m_hWnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2); },
        [&] {
            Expect(Bar().GetMenuButton() == 0 && OpenPopup() != nullptr, "the File pop-up opens");
            Expect((file->m_nStyle & SEC_TBBS_PRESSED) != 0, "its button shows pressed");
            Tap(VK_DOWN);
            Tap(VK_DOWN);
            Tap(VK_DOWN);
            Tap(VK_DOWN);
            Tap(VK_RETURN);  // New, Open, Save, Setup
        },
        [&] {},
    }, 10000);
    EXPECT_EQ(frame_->setups, 1);
    EXPECT_FALSE(file->m_nStyle & SEC_TBBS_PRESSED);
}

}  // namespace
