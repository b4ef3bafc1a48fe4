// The menu button in a real window: its arrow bitmap and layout, the menu
// it pops up (closed here from a timer), and the menu it owns.
#include <gtest/gtest.h>

#include "OwnerDrawButton.h"
#include "ToolkitResources.h"
#include "WindowHelpers.h"

namespace {

bool menuWasOpen = false;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    menuWasOpen = true;
    ::KillTimer(nullptr, id);
    ::EndMenu();
}

TEST(MenuButton, ArrowLayoutMenuAndOwnership) {
    HWND pageWnd = testing_harness::CreateTestWindow(300, 200, nullptr, "Menu button test");
    CWnd page;
    page.Attach(pageWnd);

    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, 40100, "&First");
    ::AppendMenuA(menu, MF_STRING, 40101, "&Second");
    auto* captioned = new SECMenuButton;
    ASSERT_TRUE(captioned->CreateMenuButton("Units", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &page, 201, menu));
    // With a caption the down arrow (7 x 4) sits at the right.
    RECT arrow = captioned->GetBitmapRect();
    EXPECT_EQ(arrow.right - arrow.left, 7);
    EXPECT_EQ(arrow.bottom - arrow.top, 4);
    EXPECT_GT(arrow.left, 50);

    auto* bare = new SECMenuButton;
    HMENU other = ::CreatePopupMenu();
    ::AppendMenuA(other, MF_STRING, 40102, "&Third");
    ASSERT_TRUE(bare->CreateMenuButton("", WS_CHILD | WS_VISIBLE, CRect(10, 50, 40, 80), &page, 202, other, 1));
    // Without one the right arrow (4 x 7) is centred.
    arrow = bare->GetBitmapRect();
    EXPECT_EQ(arrow.right - arrow.left, 4);
    EXPECT_EQ(arrow.bottom - arrow.top, 7);
    EXPECT_EQ(arrow.left, (27 - 4) / 2);

    // The pop-up menu runs its own loop; a timer closes it.
    ::SetTimer(nullptr, 0, 200, CloseMenu);
    captioned->OnClicked();
    EXPECT_TRUE(menuWasOpen);
    EXPECT_TRUE(captioned->IsDrawing());

    // The buttons own their menus.
    captioned->DestroyWindow();
    bare->DestroyWindow();
    delete captioned;
    delete bare;
    EXPECT_FALSE(::IsMenu(menu));
    EXPECT_FALSE(::IsMenu(other));
    page.Detach();
    ::DestroyWindow(pageWnd);
}

}  // namespace
