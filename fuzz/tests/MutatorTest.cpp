// The fuzz harness itself: inputs that can be made again from their number,
// edits that really damage, boxes answered without a window, and a watchdog
// that ends an input that hangs or grows too far.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/BoxAnswerer.h"
#include "fuzz/InputWatchdog.h"
#include "fuzz/Mutator.h"

namespace {

const char kSample[] =
    "4.05\n0\n1\nChevy 350\n36\n1 4.000000\n1 3.480000\n8\n2000 183.378006 481.367279\n";

TEST(Mutator, EveryInputCanBeMadeAgainFromItsNumber) {
    const Mutator one({kSample, "GRID 2 3\n1e308\n1 1\n0 0\n1 2 3\n4 5 6\n"}, 7);
    const Mutator again({kSample, "GRID 2 3\n1e308\n1 1\n0 0\n1 2 3\n4 5 6\n"}, 7);
    EXPECT_EQ(one.Input(0), kSample);  // the seeds come first, unchanged
    int differentFromSeeds = 0;
    for (uint64_t index = 2; index < 200; ++index) {
        const std::string input = one.Input(index);
        EXPECT_EQ(input, again.Input(index)) << index;
        if (input != kSample && input != one.Input(1)) ++differentFromSeeds;
    }
    EXPECT_GT(differentFromSeeds, 180);
    const Mutator otherSeed({kSample}, 8);
    EXPECT_NE(one.Input(100), otherSeed.Input(100));
}

TEST(Mutator, EachEditDamagesTheFile) {
    using Edit = void (*)(std::string&, FuzzRandom&);
    const Edit edits[] = {&Mutator::FlipBits,           &Mutator::EditBytes,
                          &Mutator::EditLines,          &Mutator::ReplaceNumber,
                          &Mutator::ReplaceBinaryField, &Mutator::Truncate,
                          &Mutator::InsertLongLine,     &Mutator::InsertGarbage};
    for (size_t e = 0; e < sizeof edits / sizeof *edits; ++e) {
        int changed = 0;
        for (uint64_t seed = 1; seed <= 50; ++seed) {
            FuzzRandom random(seed);
            std::string data = kSample;
            edits[e](data, random);
            if (data != kSample) ++changed;
        }
        EXPECT_GE(changed, 35) << "edit " << e;
    }
    FuzzRandom random(3);
    std::string data = kSample;
    Mutator::Splice(data, "IRGRID 1 1\n", random);
    EXPECT_NE(data, kSample);
}

TEST(Mutator, LongLinesReachFarPastEveryBuffer) {
    size_t longest = 0;
    for (uint64_t seed = 1; seed <= 100; ++seed) {
        FuzzRandom random(seed);
        std::string data = kSample;
        Mutator::InsertLongLine(data, random);
        longest = std::max(longest, data.size());
    }
    EXPECT_GT(longest, 100000u);
}

TEST(BoxAnswerer, BoxesAreAnsweredWithoutAWindow) {
    ASSERT_TRUE(InstallBoxAnswerer());
    TakeAnsweredBoxCount();
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_YESNO), IDNO);
    EXPECT_EQ(TakeAnsweredBoxCount(), 3);
    EXPECT_EQ(TakeAnsweredBoxCount(), 0);
}

TEST(InputWatchdogDeathTest, AnInputThatRunsTooLongEndsTheWorker) {
    EXPECT_EXIT(
        {
            InputWatchdog watchdog(100, size_t(1) << 30);
            watchdog.Begin();
            Sleep(20000);
        },
        ::testing::ExitedWithCode(kExitHang), "");
}

TEST(InputWatchdogDeathTest, AnInputThatGrowsPastTheCeilingEndsTheWorker) {
    EXPECT_EXIT(
        {
            InputWatchdog watchdog(20000, size_t(16) << 20);
            watchdog.Begin();
            std::vector<char> block(size_t(64) << 20);
            memset(block.data(), 1, block.size());
            Sleep(2000);
            double milliseconds = 0;
            size_t peak = 0;
            watchdog.End(&milliseconds, &peak);
            volatile char keep = block[12345];
            (void)keep;
        },
        ::testing::ExitedWithCode(kExitMemory), "");
}

TEST(InputWatchdog, AQuietInputReportsItsTimeAndGrowth) {
    InputWatchdog watchdog(20000, size_t(256) << 20);
    watchdog.Begin();
    std::vector<char> block(size_t(8) << 20);
    memset(block.data(), 1, block.size());
    Sleep(20);
    double milliseconds = 0;
    size_t peak = 0;
    watchdog.End(&milliseconds, &peak);
    EXPECT_GE(milliseconds, 15.0);
    EXPECT_GE(peak, size_t(7) << 20);
    EXPECT_EQ(block[100], 1);
}

}  // namespace
