// The splash window in the real display: found by its title, centred,
// topmost with a hidden tool-window owner, and gone after its time or a click.
#include <gtest/gtest.h>

#include "SplashTestResources.h"
#include "SplashWnd.h"
#include "ToolkitResources.h"
#include "WindowHelpers.h"

namespace {

// The thread's pump as the framework runs it: each message is offered to
// PreTranslateMessage of its window and parents first.
bool PumpWithTranslation(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

TEST(SplashWnd, CentredTopmostAndGoneAfterItsTime) {
    auto* splash = new SECSplashWnd(IDB_TEST_SPLASH, 400);
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(splash->Create());
    HWND wnd = ::FindWindowA(nullptr, "SECSplashWnd");
    ASSERT_EQ(wnd, splash->m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(wnd));
    RECT r;
    ::GetWindowRect(wnd, &r);
    EXPECT_EQ(r.right - r.left, 160);
    EXPECT_EQ(r.bottom - r.top, 96);
    EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 160) / 2);
    EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 96) / 2);
    EXPECT_TRUE(::GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND owner = ::GetWindow(wnd, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner, ::FindWindowA(nullptr, "SECSplashWndParent"));
    EXPECT_TRUE(::GetWindowLongPtrA(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(::IsWindowVisible(owner));

    // The picture is on the screen: the dark field and the orange band.
    ::UpdateWindow(wnd);
    const auto pixels = testing_harness::Pixels::FromWindow(wnd);
    pixels.SavePng(std::string(getenv("TEMP") ? getenv("TEMP") : ".") + "\\splash.png");
    EXPECT_EQ(pixels.At(5, 5), 0x103060u);
    EXPECT_EQ(pixels.At(150, 5), 0xF08020u);
    EXPECT_EQ(pixels.At(2, 94), 0xF08020u);

    EXPECT_TRUE(PumpWithTranslation([wnd, owner] { return !::IsWindow(wnd) && !::IsWindow(owner); }, 5000));
    EXPECT_GE(::GetTickCount() - start, 350u);
}

TEST(SplashWnd, ClickOrKeyClosesItUnlessManual) {
    for (const UINT message : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_KEYDOWN)}) {
        auto* splash = new SECSplashWnd(IDB_TEST_SPLASH, 60000);
        ASSERT_TRUE(splash->Create());
        HWND wnd = splash->m_hWnd;
        ::PostMessageA(wnd, message, message == WM_KEYDOWN ? VK_SPACE : MK_LBUTTON, MAKELPARAM(10, 10));
        EXPECT_TRUE(PumpWithTranslation([wnd] { return !::IsWindow(wnd); }, 3000)) << message;
    }
    // A real click on the window.
    auto* clicked = new SECSplashWnd(IDB_TEST_SPLASH, 60000);
    ASSERT_TRUE(clicked->Create());
    HWND wnd = clicked->m_hWnd;
    testing_harness::MouseClickAt(wnd, 20, 20);
    EXPECT_TRUE(PumpWithTranslation([wnd] { return !::IsWindow(wnd); }, 3000));

    // Manual: no timer, input ignored, closed by Close().
    auto* manual = new SECSplashWnd(IDB_TEST_SPLASH, 100, TRUE);
    ASSERT_TRUE(manual->Create());
    HWND manualWnd = manual->m_hWnd;
    ::PostMessageA(manualWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(PumpWithTranslation([manualWnd] { return !::IsWindow(manualWnd); }, 400));
    manual->Close();
    EXPECT_FALSE(::IsWindow(manualWnd));
}

TEST(SplashWnd, AnOwnerDisabledMeanwhileIsEnabledAgain) {
    HWND ownerWnd = testing_harness::CreateTestWindow(200, 100, nullptr, "Splash owner");
    CWnd owner;
    owner.Attach(ownerWnd);
    auto* splash = new SECSplashWnd(IDB_TEST_SPLASH, 60000);
    ASSERT_TRUE(splash->Create(&owner));
    EXPECT_EQ(splash->GetHiddenOwner(), nullptr);
    EXPECT_EQ(::GetWindow(splash->m_hWnd, GW_OWNER), ownerWnd);
    EXPECT_FALSE(::GetWindowLongPtrA(splash->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    splash->SetOwnerDisabled(TRUE);
    EXPECT_FALSE(::IsWindowEnabled(ownerWnd));
    splash->Close();
    EXPECT_TRUE(::IsWindowEnabled(ownerWnd));
    owner.Detach();
    ::DestroyWindow(ownerWnd);
}

TEST(ToolkitResources, TheSplitCursorAndTheTextsLoad) {
    EXPECT_NE(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_SEC_SPLITH)), nullptr);
    struct Text { UINT id; const char* text; };
    const Text texts[] = {{IDS_SEC_SPLASH_TITLE, "SECSplashWnd"},
                          {IDS_SEC_SPLASH_OWNER_TITLE, "SECSplashWndParent"},
                          {IDS_SEC_WELL_OTHER, "&Other..."}};
    for (const Text& t : texts) {
        char text[64] = "";
        ::LoadStringA(::GetModuleHandleA(nullptr), t.id, text, sizeof text);
        EXPECT_STREQ(text, t.text);
    }
}

}  // namespace
