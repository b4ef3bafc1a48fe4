// Sizes a control bar remembers and the room its borders take, and the
// status bar's pane edges.
#include <gtest/gtest.h>

#include <vector>

#include "SECControlBar.h"
#include "SECStatusBar.h"

namespace {

TEST(ControlBarLayoutTest, CommittedLengthsGoToTheSizeOfTheirState) {
    struct Case {
        DWORD mode;
        int length;
        float proportion;
        CSize horz, vert, floating;
        int mru;
    } cases[] = {
        {LM_COMMIT | LM_HORZDOCK | LM_STRETCH, 400, 1.0f, {400, 180}, {300, 180}, {300, 180}, 32767},
        {LM_COMMIT | LM_HORZDOCK | LM_STRETCH, 400, 0.5f, {200, 180}, {300, 180}, {300, 180}, 32767},
        {LM_COMMIT | LM_HORZDOCK | LM_LENGTHY, 90, 1.0f, {300, 90}, {300, 180}, {300, 180}, 32767},
        {LM_COMMIT | LM_VERTDOCK | LM_LENGTHY, 500, 1.0f, {300, 180}, {300, 500}, {300, 180}, 32767},
        {LM_COMMIT | LM_VERTDOCK, 120, 1.0f, {300, 180}, {120, 180}, {300, 180}, 32767},
        {LM_COMMIT | LM_LENGTHY, 250, 1.0f, {300, 180}, {300, 180}, {300, 250}, 32767},
        {LM_COMMIT, 260, 1.0f, {300, 180}, {300, 180}, {260, 180}, 260},
        {LM_HORZDOCK, 999, 1.0f, {300, 180}, {300, 180}, {300, 180}, 32767},  // no commit: nothing stored
    };
    for (const Case& c : cases) {
        SECControlBar bar;
        bar.m_fProportionalWidth = c.proportion;
        bar.CalcDynamicLayout(c.length, c.mode);
        EXPECT_EQ(c.horz, bar.m_szHorzDocked) << std::hex << c.mode;
        EXPECT_EQ(c.vert, bar.m_szVertDocked) << std::hex << c.mode;
        EXPECT_EQ(c.floating, bar.m_szFloat) << std::hex << c.mode;
        EXPECT_EQ(c.mru, bar.m_nMRUWidth) << std::hex << c.mode;
    }
    SECControlBar bar;
    bar.m_szFloat = CSize(120, 45);
    EXPECT_EQ(CSize(120, 45), bar.CalcDynamicLayout(-1, LM_HORZ));
    EXPECT_EQ(CSize(300, 180), bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK));
}

TEST(ControlBarLayoutTest, InsideRectangleTakesBordersMarginsAndTheGripper) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        BOOL horz;
        CRect inside;  // of the empty rectangle
    } cases[] = {
        // The framework's rule: 2 per bordered side, then margins 6, 2, 6, 2 (turned when vertical).
        {CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, 0, TRUE, {6, 2, -6, -4}},
        {CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT, 0, FALSE, {2, 6, -4, -6}},
        // Own borders: 1 per bordered side; a docked gripper takes 17 on the leading side.
        {CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, CBRS_EX_OWNBORDERS, TRUE, {6, 2, -6, -3}},
        {CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER, TRUE, {17, 2, -6, -3}},
        {CBRS_ALIGN_LEFT, CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER, FALSE, {2, 17, -2, -6}},
        {CBRS_ALIGN_TOP | CBRS_FLOATING, CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER, TRUE, {6, 2, -6, -2}},
        // A gripper without own borders is the framework's business.
        {CBRS_ALIGN_TOP, CBRS_EX_GRIPPER, TRUE, {6, 2, -6, -2}},
    };
    for (const Case& c : cases) {
        SECControlBar bar;
        bar.m_dwStyle = c.style;
        bar.SetExBarStyle(c.exStyle, FALSE);
        CRect inside;
        bar.CalcInsideRect(inside, c.horz);
        EXPECT_EQ(c.inside, inside) << std::hex << c.style << " " << c.exStyle;
    }
}

TEST(StatusBarLayoutTest, PanesGetTheirWidthsPlusBordersAndStretchPanesShareTheRest) {
    struct Case {
        std::vector<int> widths;
        std::vector<bool> stretch;
        int inside;
        std::vector<int> edges;
    } cases[] = {
        // One stretching message pane and two fixed ones fill 600 pixels (borders 0, spacing 2).
        {{320, 30, 30}, {true, false, false}, 600, {524, 562, 600}},
        // No room to share: every pane keeps its own width.
        {{320, 30, 30}, {true, false, false}, 300, {326, 364, 402}},
        // Two stretch panes split the free width, the first getting the smaller half.
        {{10, 10}, {true, true}, 101, {49, 101}},
        {{}, {}, 400, {}},
    };
    for (const Case& c : cases) {
        std::vector<int> edges = SECStatusBar::PaneEdges(c.widths, c.stretch, c.inside, 0, 2);
        EXPECT_EQ(c.edges, edges) << c.inside;
    }
}

}  // namespace
