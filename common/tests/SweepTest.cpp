// The sweep pieces both programs share: the 1 % rule of the step count, the
// odometer's end, and the ten best with either rule for ties.
#include <gtest/gtest.h>

#include <vector>

#include "common/SweepBest.h"
#include "common/SweepOdometer.h"
#include "common/SweepRange.h"
#include "common/tests/FieldTestSupport.h"
#include "common/tests/TestProfile.h"

namespace {

// A range variable as the programs build one: active with two values or more.
class TestVariable : public CSweepRange {
public:
    TestVariable(float min, float max, float step) {
        AssignRange(UnitlessSpec((min + max) / 2), UnitlessSpec((max - min) / 2),
                    UnitlessSpec(step));
    }
    bool IsActive() const { return GetStepCount() > 1; }
};

class SweepTest : public ::testing::Test {
protected:
    void SetUp() override { InstallTestProfile(); }
};

TEST_F(SweepTest, ALastStepWithinOnePercentOfAStepIsNoStepOfItsOwn) {
    const struct {
        float step;
        std::vector<float> values;
    } cases[] = {
        {3.0f, {10, 13, 16, 19, 20}},
        {4.9f, {10, 14.9f, 19.8f, 20}},  // 4 % of a step is left: a step of its own
        {4.99f, {10, 14.99f, 20}},       // 0.2 % is left: it goes into the last step
        {10.0f, {10, 20}},
        {10.5f, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        TestVariable variable(10.0f, 20.0f, c.step);
        ASSERT_EQ(static_cast<int>(c.values.size()), variable.GetStepCount());
        for (float expected : c.values) {
            EXPECT_FALSE(variable.IsAtEnd());
            variable.ProduceNext();
            EXPECT_NEAR(expected, variable.GetCurrentValue(), 1e-4f);
        }
        EXPECT_EQ(!c.values.empty(), variable.IsAtEnd());
    }
}

TEST_F(SweepTest, TheOdometerSkipsInactiveVariablesAndStopsOnTheLastCombination) {
    TestVariable variables[] = {{1.0f, 2.0f, 1.0f},   // 2 values, slowest
                                {5.0f, 5.0f, 1.0f},   // 1 value: not swept
                                {1.0f, 3.0f, 1.0f},   // 3 values
                                {7.0f, 8.0f, 1.0f}};  // 2 values, fastest
    EXPECT_EQ(12, CountSweepCombinations(variables, 1000));
    EXPECT_EQ(10, CountSweepCombinations(variables, 10));
    CSweepOdometer<TestVariable, 4> odometer;
    odometer.Collect(variables);
    ASSERT_EQ(3, odometer.GetCount());
    odometer.Rewind();
    std::vector<std::vector<float>> runs;
    while (odometer.Advance()) {
        runs.push_back({variables[0].GetCurrentValue(), variables[2].GetCurrentValue(),
                        variables[3].GetCurrentValue()});
    }
    std::vector<std::vector<float>> expected;
    for (float a : {1, 2})
        for (float b : {1, 2, 3})
            for (float c : {7, 8}) expected.push_back({a, b, c});
    EXPECT_EQ(expected, runs);
    // The final carry moves nothing: every variable still holds the last run's value.
    EXPECT_FALSE(odometer.Advance());
    for (int i = 0; i < odometer.GetCount(); ++i) EXPECT_TRUE(odometer.Get(i).IsAtEnd()) << i;
    EXPECT_EQ(expected.back(),
              (std::vector<float>{variables[0].GetCurrentValue(), variables[2].GetCurrentValue(),
                                  variables[3].GetCurrentValue()}));
}

struct TestResult {
    void Clear() { *this = TestResult(); }
    bool marked = false;
    int runNumber = 0;
    float score = 0.0f;
    int stored = 0;  // what the store step wrote
};

const auto kSmallerIsBetter = [](float a, float b) { return a < b; };
const auto kLargerIsBetter = [](float a, float b) { return a > b; };

template <typename Best, typename IsBetter>
bool Keep(Best& best, float score, int run, IsBetter isBetter) {
    return best.Keep(score, run, isBetter, [run](TestResult& result) { result.stored = run; });
}

TEST(SweepBestTest, TheRingFillsThenOnlyABetterRunReplacesTheWorst) {
    CSweepBest<TestResult, 3, SweepTie::kLaterIsWorst> best;
    EXPECT_TRUE(Keep(best, 12.0f, 1, kSmallerIsBetter));
    EXPECT_TRUE(Keep(best, 11.0f, 2, kSmallerIsBetter));
    EXPECT_TRUE(Keep(best, 13.0f, 3, kSmallerIsBetter));
    EXPECT_EQ(11.0f, best.GetBestScore());
    EXPECT_EQ(13.0f, best.GetWorstScore());
    best.Get(2).marked = true;
    EXPECT_FALSE(Keep(best, 14.0f, 4, kSmallerIsBetter));
    EXPECT_TRUE(Keep(best, 10.0f, 5, kSmallerIsBetter));  // into the worst's slot
    const TestResult& replaced = best.Get(2);
    EXPECT_EQ(5, replaced.runNumber);
    EXPECT_EQ(5, replaced.stored);
    EXPECT_EQ(10.0f, replaced.score);
    EXPECT_TRUE(replaced.marked);  // the slot's flag is left as it was
    EXPECT_EQ(10.0f, best.GetBestScore());
    EXPECT_EQ(12.0f, best.GetWorstScore());
    best.MarkBest();
    EXPECT_EQ(&best.GetBest(), &best.Get(2));
    best.Clear();
    EXPECT_EQ(0, best.GetCount());
    EXPECT_FALSE(best.GetSlot(2).marked);
}

// The run numbers kept, in slot order, after ten equal scores and a better one.
template <SweepTie Tie>
std::vector<int> KeptAfterTiesAndABetterRun() {
    CSweepBest<TestResult, 10, Tie> best;
    for (int run = 1; run <= 10; ++run) Keep(best, 5.0f, run, kLargerIsBetter);
    EXPECT_FALSE(Keep(best, 5.0f, 11, kLargerIsBetter));  // a tie is no better
    EXPECT_TRUE(Keep(best, 6.0f, 12, kLargerIsBetter));
    EXPECT_EQ(6.0f, best.GetBestScore());
    std::vector<int> runs;
    for (int i = 0; i < best.GetCount(); ++i) runs.push_back(best.Get(i).runNumber);
    return runs;
}

TEST(SweepBestTest, TheTieRuleChoosesWhichOfEqualScoresIsReplaced) {
    EXPECT_EQ((std::vector<int>{12, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
              KeptAfterTiesAndABetterRun<SweepTie::kEarlierIsWorst>());
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}),
              KeptAfterTiesAndABetterRun<SweepTie::kLaterIsWorst>());
}

}  // namespace
