#include "StartChecks.h"

#include <gtest/gtest.h>

#include "WindowHelpers.h"

namespace testing_harness {

namespace {

// The least time start-up keeps its splash window.
const DWORD kMinimumSplashMs = 2000;

}  // namespace

void ExpectStartedAsAUserMeetsIt(const SplashWatch& splash, HWND frame, HWND mdiClient,
                                 const std::string& childTitle) {
    ASSERT_TRUE(splash.seen);
    EXPECT_GE(splash.closed - splash.shown, kMinimumSplashMs);
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, "SECSplashWnd"));

    EXPECT_TRUE(::IsZoomed(frame));
    BOOL maximized = FALSE;
    HWND child = reinterpret_cast<HWND>(
        ::SendMessageA(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    ASSERT_NE(nullptr, child);
    EXPECT_TRUE(maximized);
    EXPECT_EQ(childTitle, ControlText(child));
    EXPECT_EQ(nullptr, ::GetWindow(child, GW_HWNDNEXT));  // the only document window
}

}  // namespace testing_harness
