// The toolbar's row layout on plain button records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolBarLayout.h"

namespace {

using toolbar_layout::CalcSize;
using toolbar_layout::SizeToolBar;
using toolbar_layout::WrapToolBar;

// A bar written as letters: 'b' button, '|' separator 8 wide, 'c' separator
// holding a control (command id, 40 wide), 'h' hidden button.
std::vector<TBBUTTON> Bar(const std::string& layout) {
    std::vector<TBBUTTON> buttons;
    int id = 100;
    for (char kind : layout) {
        TBBUTTON button = {};
        button.fsState = TBSTATE_ENABLED;
        switch (kind) {
        case 'b': button.idCommand = id++; break;
        case 'h': button.idCommand = id++; button.fsState |= TBSTATE_HIDDEN; break;
        case '|': button.fsStyle = TBSTYLE_SEP; button.iBitmap = 8; break;
        case 'c': button.fsStyle = TBSTYLE_SEP; button.iBitmap = 40; button.idCommand = id++; break;
        }
        buttons.push_back(button);
    }
    return buttons;
}

// The wrap bits as a string: '/' after each wrapped item.
std::string Wraps(const std::vector<TBBUTTON>& buttons) {
    std::string text;
    for (const TBBUTTON& button : buttons) {
        text += (button.fsStyle & TBSTYLE_SEP) ? (button.idCommand ? 'c' : '|') : (button.fsState & TBSTATE_HIDDEN ? 'h' : 'b');
        if (button.fsState & TBSTATE_WRAP) text += '/';
    }
    return text;
}

// The programs' toolbar: three buttons, a separator, six buttons, a separator, two buttons.
const char* const kProgramsBar = "bbb|bbbbbb|bb";

TEST(ToolBarLayoutTest, WrappingAtAWidthChoosesSeparatorsFirstAndNeverControlsOrHiddenItems) {
    struct Case {
        const char* layout;
        int width;
        const char* wraps;
        int rows;
    } cases[] = {
        {kProgramsBar, 32767, "bbb|bbbbbb|bb", 1},
        // Every button on its own row; a separator stays with the button before it.
        {kProgramsBar, 0, "b/b/b|/b/b/b/b/b/b|/b/b", 11},
        {kProgramsBar, 150, "bbb|/bbbbbb|/bb", 3},
        {"bbcbb", 80, "bb/cb/b", 3},  // the control's separator is never a wrap point
        {"bbhbb", 70, "bbhb/b", 2},   // nor is a hidden button
        {"bbbb", 70, "bbb/b", 2},
    };
    for (const Case& c : cases) {
        std::vector<TBBUTTON> buttons = Bar(c.layout);
        ToolBarMetrics metrics;
        int rows = WrapToolBar(buttons, metrics, c.width);
        EXPECT_EQ(c.rows, rows) << c.layout << " at " << c.width;
        EXPECT_EQ(c.wraps, Wraps(buttons)) << c.layout << " at " << c.width;
    }
}

TEST(ToolBarLayoutTest, SizeCountsButtonsSeparatorsAndWrappedSeparatorHeights) {
    ToolBarMetrics metrics;  // 23 x 22 buttons
    std::vector<TBBUTTON> buttons = Bar(kProgramsBar);
    WrapToolBar(buttons, metrics, 32767);
    SIZE one = CalcSize(buttons, metrics);
    EXPECT_EQ(11 * 23 + 2 * 8, one.cx);
    EXPECT_EQ(22, one.cy);

    WrapToolBar(buttons, metrics, 150);  // rows of 3, 6 and 2 buttons, two wrapped separators
    SIZE three = CalcSize(buttons, metrics);
    EXPECT_EQ(6 * 23, three.cx);
    EXPECT_EQ(3 * 22 + 2 * (8 * 2 / 3), three.cy);
    metrics.fullHeightSeparators = true;
    EXPECT_EQ(3 * 22 + 2 * 8, CalcSize(buttons, metrics).cy);

    // A drop-down button is wider by the arrow.
    std::vector<TBBUTTON> dropDown = Bar("bb");
    dropDown[1].fsStyle |= TBSTYLE_DROPDOWN;
    metrics.dropDownWidth = 12;
    EXPECT_EQ(2 * 23 + 12, CalcSize(dropDown, metrics).cx);
}

TEST(ToolBarLayoutTest, SizingFindsTheNarrowestWidthForTheRowsAndTheWrappingForAHeight) {
    ToolBarMetrics metrics;
    struct Case {
        int width;
        const char* wraps;
    } cases[] = {
        {32767, "bbb|bbbbbb|bb"},
        {200, "bbb|/bbbbbb|bb"},  // two rows, the second 192 wide
        {0, "b/b/b|/b/b/b/b/b/b|/b/b"},
    };
    for (const Case& c : cases) {
        std::vector<TBBUTTON> buttons = Bar(kProgramsBar);
        SizeToolBar(buttons, metrics, c.width, false);
        EXPECT_EQ(c.wraps, Wraps(buttons)) << c.width;
    }
    // Standing vertically the bar takes a wrapping no higher than the length
    // when one exists, and narrower than one row.
    for (int height : {60, 100, 200, 400}) {
        std::vector<TBBUTTON> buttons = Bar(kProgramsBar);
        SizeToolBar(buttons, metrics, height, true);
        SIZE size = CalcSize(buttons, metrics);
        EXPECT_LE(size.cy, height) << height;
        EXPECT_LT(size.cx, 11 * 23 + 2 * 8) << height;
    }
}

}  // namespace
