// The menu button in a real window: its arrow bitmap and layout, the menu
// it pops up (closed here from a timer), and the menu it owns; bitmaps
// loaded with the system's button colours.
#include <gtest/gtest.h>

#include <vector>

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

namespace {

// The colours of the first row of `bitmap`, as COLORREFs.
std::vector<COLORREF> TopRow(CBitmap& bitmap, int width) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<RGBQUAD> pixels(2 * width);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(::GetDIBits(screen, static_cast<HBITMAP>(bitmap.GetSafeHandle()), 0, 2, pixels.data(), &info,
                          DIB_RGB_COLORS),
              2);
    ::ReleaseDC(nullptr, screen);
    std::vector<COLORREF> row;
    for (int x = 0; x < width; ++x) row.push_back(RGB(pixels[x].rgbRed, pixels[x].rgbGreen, pixels[x].rgbBlue));
    return row;
}

// A system colour as the screen's bitmaps hold it.
COLORREF OnScreen(COLORREF colour) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF nearest = ::GetNearestColor(screen, colour);
    ::ReleaseDC(nullptr, screen);
    return nearest;
}

}  // namespace

TEST(SysColorBitmap, MapsBlackGreysAndWhiteToTheButtonColoursWhateverTheTableSize) {
    const std::vector<COLORREF> expected = {
        OnScreen(::GetSysColor(COLOR_BTNTEXT)), OnScreen(::GetSysColor(COLOR_BTNSHADOW)),
        OnScreen(::GetSysColor(COLOR_BTNFACE)), OnScreen(::GetSysColor(COLOR_BTNHIGHLIGHT)), RGB(255, 0, 0)};
    for (const char* name : {"SysColorFull", "SysColorShortTable"}) {
        SCOPED_TRACE(name);
        CBitmap bitmap;
        ASSERT_TRUE(SECLoadSysColorBitmap(bitmap, name));
        BITMAP facts = {};
        bitmap.GetBitmap(&facts);
        EXPECT_EQ(facts.bmWidth, 5);
        EXPECT_EQ(facts.bmHeight, 2);
        EXPECT_EQ(TopRow(bitmap, 5), expected);
    }
}

TEST(SysColorBitmap, RefusesPicturesItCannotMapOrThatEndTooSoon) {
    for (const char* name : {"SysColorTrueColour", "SysColorShortBits", "NoSuchPicture"}) {
        SCOPED_TRACE(name);
        CBitmap bitmap;
        EXPECT_FALSE(SECLoadSysColorBitmap(bitmap, name));
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    }
}
