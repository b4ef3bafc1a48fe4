// Sharing a dock-bar row: minimum proportions, normalised shares, lengths
// from shares and splitter moves, as tables of cases.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "DockRowLayout.h"

using namespace dock_rows;

namespace {

TEST(DockRows, MinimumProportionIs18PixelsOfTheLength) {
    struct Case {
        int length;
        float expected;
    } cases[] = {{600, 0.03f}, {18, 1.0f}, {10, 1.0f}, {0, 0.05f}, {-5, 0.05f}, {180, 0.1f}};
    for (const Case& c : cases) EXPECT_FLOAT_EQ(c.expected, MinimumProportion(c.length)) << c.length;
}

TEST(DockRows, NormalisedSharesAddUpToOneAndKeepTheChangedShare) {
    struct Case {
        const char* what;
        std::vector<float> shares;
        int changed;
        std::vector<float> expected;
    } cases[] = {
        {"plain normalisation", {1.0f, 1.0f}, -1, {0.5f, 0.5f}},
        {"ratios kept", {0.2f, 0.6f}, -1, {0.25f, 0.75f}},
        {"the changed bar keeps its share, the others share the rest",
         {0.6f, 0.4f}, 0, {0.6f, 0.4f}},
        {"the rest in the old ratios", {0.5f, 0.3f, 0.1f}, 0, {0.5f, 0.375f, 0.125f}},
        {"a share above 0.95 counts as no change", {0.99f, 0.5f}, 0, {0.99f / 1.49f, 0.5f / 1.49f}},
        {"others without shares share the rest equally", {0.4f, 0.0f, 0.0f}, 0, {0.4f, 0.3f, 0.3f}},
        {"tiny shares are raised to the minimum", {1.0f, 0.0f}, -1, {1.0f, 0.05f}},
        {"a lone bar takes the row", {0.3f}, 0, {1.0f}},
    };
    for (const Case& c : cases) {
        std::vector<float> shares = c.shares;
        NormaliseShares(shares, c.changed, 0.05f);
        ASSERT_EQ(c.expected.size(), shares.size()) << c.what;
        for (size_t i = 0; i < shares.size(); ++i) EXPECT_NEAR(c.expected[i], shares[i], 1e-5) << c.what << " #" << i;
    }
}

TEST(DockRows, AChangedShareNeverMakesABarLongerThanItsRow) {
    // Multiplying by S / (S - p) would give the changed bar 1.5 of the row here.
    std::vector<float> shares = {0.6f, 0.4f};
    shares[0] = 0.6f;
    NormaliseShares(shares, 0, 0.03f);
    for (float s : shares) {
        EXPECT_GE(s, 0.03f);
        EXPECT_LE(s, 0.95f);
    }
    EXPECT_NEAR(1.0f, shares[0] + shares[1], 1e-5);
}

TEST(DockRows, LengthsFollowSharesAfterTheSplitters) {
    struct Case {
        std::vector<float> shares;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {{1.0f}, 600, {600}},
        {{0.5f, 0.5f}, 606, {300, 300}},
        {{0.25f, 0.75f}, 406, {100, 300}},
        {{0.01f, 0.99f}, 606, {18, 582}},
        {{0.3333f, 0.3333f, 0.3334f}, 612, {199, 199, 202}},
    };
    for (const Case& c : cases) {
        std::vector<int> lengths = ShareLengths(c.shares, c.available);
        EXPECT_EQ(c.expected, lengths) << c.available;
    }
    EXPECT_TRUE(ShareLengths({}, 500).empty());
}

TEST(DockRows, SplitterMovesPassLengthOnAndStopAtTheMinimum) {
    struct Case {
        const char* what;
        std::vector<int> lengths;
        int index, delta;
        std::vector<int> expected;
        int moved;
    } cases[] = {
        {"right: the left bar grows, the right one shrinks", {300, 300}, 0, 60, {360, 240}, 60},
        {"left", {300, 300}, 0, -100, {200, 400}, -100},
        {"held at 18 pixels", {300, 300}, 0, 400, {582, 18}, 282},
        {"passed on to the next bar", {100, 50, 200}, 0, 100, {200, 18, 132}, 100},
        {"left past the first bar", {100, 50, 200}, 1, -120, {18, 18, 314}, -114},
        {"no splitter after the last bar", {100, 100}, 1, 10, {100, 100}, 0},
        {"nothing moved", {100, 100}, 0, 0, {100, 100}, 0},
    };
    for (const Case& c : cases) {
        std::vector<int> lengths = c.lengths;
        const int total = std::accumulate(lengths.begin(), lengths.end(), 0);
        EXPECT_EQ(c.moved, MoveSplitter(lengths, c.index, c.delta)) << c.what;
        EXPECT_EQ(c.expected, lengths) << c.what;
        EXPECT_EQ(total, std::accumulate(lengths.begin(), lengths.end(), 0)) << c.what;
    }
}

TEST(DockRows, SharesOfLengthsRoundTrip) {
    std::vector<int> lengths = {150, 450};
    std::vector<float> shares = SharesOf(lengths, 606);
    EXPECT_NEAR(0.25f, shares[0], 1e-5);
    EXPECT_NEAR(0.75f, shares[1], 1e-5);
    EXPECT_EQ(lengths, ShareLengths(shares, 606));
}

}  // namespace
