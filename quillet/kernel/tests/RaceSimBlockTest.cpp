#include "quillet/kernel/RaceSimBlock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "quillet/kernel/QuilletMath.h"
#include "quillet/kernel/tests/RaceTestVehicles.h"

namespace quillet {

namespace {

constexpr float kUntouched = -1.0f;

std::unique_ptr<RaceSimBlock> NewBlock() {
    return std::unique_ptr<RaceSimBlock>(new RaceSimBlock());
}

// Curves and step tables of the document, with one spare step table after
// the six to catch writes past them.
struct CopiedCurves {
    float curves[kRaceChannelCount][kRaceMaxSamples];
    float stepTables[kRaceStepTableCount + 1][kRaceStepCount];

    CopiedCurves() {
        for (auto& curve : curves)
            for (float& value : curve) value = kUntouched;
        for (auto& table : stepTables)
            for (float& value : table) value = kUntouched;
    }
    int CopyFrom(const RaceSimBlock& block) {
        return RaceSimBlockCopyCurves(block, curves, stepTables);
    }
};

// --- Power curve ------------------------------------------------------------

TEST(RaceSimBlockPowerCurve, ExtendsRpmByTheFirstStepWithZeroTorque) {
    std::unique_ptr<RaceSimBlock> block = NewBlock();
    const float rpm[] = {3000.0f, 3500.0f};
    const float torque[] = {200.0f, 210.0f};
    ASSERT_TRUE(RaceSimBlockSetPowerCurve(*block, rpm, torque, 2));
    EXPECT_EQ(block->torquePoints[0], 200.0f);
    EXPECT_EQ(block->torquePoints[1], 210.0f);
    for (int i = 0; i < kRaceCurvePoints; ++i) {
        EXPECT_EQ(block->rpmPoints[i], 3000.0f + 500.0f * i) << i;
        if (i >= 2) {
            EXPECT_EQ(block->torquePoints[i], 0.0f) << i;
        }
    }
    EXPECT_EQ(block->rpmPoints[kRaceCurvePoints - 1], 15500.0f);
}

TEST(RaceSimBlockPowerCurve, TakesAFullTableAsItIs) {
    std::unique_ptr<RaceSimBlock> block = NewBlock();
    float rpm[kRaceCurvePoints];
    float torque[kRaceCurvePoints];
    for (int i = 0; i < kRaceCurvePoints; ++i) {
        rpm[i] = 1000.0f + 400.0f * i;
        torque[i] = 100.0f + i;
    }
    ASSERT_TRUE(RaceSimBlockSetPowerCurve(*block, rpm, torque, kRaceCurvePoints));
    for (int i = 0; i < kRaceCurvePoints; ++i) {
        EXPECT_EQ(block->rpmPoints[i], rpm[i]);
        EXPECT_EQ(block->torquePoints[i], torque[i]);
    }
}

TEST(RaceSimBlockPowerCurve, RefusesPointCountsOutsideTwoToTwentySix) {
    std::unique_ptr<RaceSimBlock> block = NewBlock();
    float rpm[kRaceCurvePoints + 1] = {3000.0f, 3500.0f};
    float torque[kRaceCurvePoints + 1] = {200.0f, 210.0f};
    block->rpmPoints[0] = 1234.0f;
    for (int count : {-1, 0, 1, kRaceCurvePoints + 1}) {
        EXPECT_FALSE(RaceSimBlockSetPowerCurve(*block, rpm, torque, count)) << count;
        EXPECT_EQ(block->rpmPoints[0], 1234.0f);
        EXPECT_EQ(block->rpmPoints[1], 0.0f);
    }
}

// --- Curves and step tables over a made-up block ----------------------------

class RaceSimBlockCurves : public ::testing::Test {
protected:
    // Sample i lies 7.5 ft past sample i-1, so every eighth sample opens a
    // 60-ft step; channel c holds 1000 c + i.
    void Fill(int count, float feetPerSample = 7.5f) {
        block_->sampleCount = count;
        for (int channel = 0; channel < kRaceChannelCount; ++channel)
            for (int i = 0; i < kRaceMaxSamples; ++i)
                block_->channel[channel][i] = 1000.0f * channel + i;
        for (int i = 0; i < kRaceMaxSamples; ++i)
            block_->channel[kRaceChannelDistance][i] = feetPerSample * i;
    }

    std::unique_ptr<RaceSimBlock> block_ = NewBlock();
    std::unique_ptr<CopiedCurves> copied_{new CopiedCurves};
};

TEST_F(RaceSimBlockCurves, DocumentTakesTheChannelsInItsOwnOrder) {
    Fill(50);
    ASSERT_EQ(copied_->CopyFrom(*block_), 50);
    // Document curves 1..12 = block channels 1, 2, 3, 4, 6, 11, 9, 10, 7, 8, 5, 12.
    const int blockChannelOfCurve[kRaceChannelCount] = {1, 2, 3, 4, 6, 11, 9, 10, 7, 8, 5, 12};
    for (int curve = 0; curve < kRaceChannelCount; ++curve) {
        const int channel = blockChannelOfCurve[curve] - 1;
        SCOPED_TRACE(curve + 1);
        EXPECT_EQ(copied_->curves[curve][0],
                  channel == kRaceChannelDistance ? 0.0f : 1000.0f * channel);
        EXPECT_EQ(copied_->curves[curve][49], block_->channel[channel][49]);
        EXPECT_EQ(copied_->curves[curve][50], kUntouched);
    }
}

TEST_F(RaceSimBlockCurves, StepTablesTakeTheFirstSampleAtOrPastEachSixtyFeet) {
    Fill(50);  // 0 .. 367.5 ft: steps at 0, 60 .. 360 ft
    copied_->CopyFrom(*block_);
    const float(&tables)[kRaceStepTableCount + 1][kRaceStepCount] = copied_->stepTables;
    for (int step = 0; step < 7; ++step) {
        SCOPED_TRACE(step);
        const int sample = 8 * step;
        EXPECT_EQ(tables[0][step], step == 0 ? 0.0f : static_cast<float>(sample));  // time
        EXPECT_EQ(tables[1][step], 60.0f * step);                                   // distance
        EXPECT_EQ(tables[2][step], 2000.0f + sample);                               // acceleration
        EXPECT_EQ(tables[3][step], 3000.0f + sample);                               // speed
        EXPECT_EQ(tables[4][step], 8000.0f + sample);                               // torque
        EXPECT_EQ(tables[5][step], 9000.0f + sample);                               // power
    }
    for (int table = 0; table < kRaceStepTableCount; ++table)
        EXPECT_EQ(tables[table][7], kUntouched);
}

TEST_F(RaceSimBlockCurves, StopsAtTheCapacities) {
    // 60 ft a sample would open a 24th step at sample 23; more samples than
    // the channels hold are cut at their capacity.
    Fill(kRaceMaxSamples + 5, 60.0f);
    EXPECT_EQ(copied_->CopyFrom(*block_), kRaceMaxSamples);
    EXPECT_EQ(copied_->curves[0][kRaceMaxSamples - 1], kRaceMaxSamples - 1.0f);
    EXPECT_EQ(copied_->stepTables[1][kRaceStepCount - 1], 1320.0f);
    for (float value : copied_->stepTables[kRaceStepTableCount]) EXPECT_EQ(value, kUntouched);
}

TEST_F(RaceSimBlockCurves, NoSamplesCopyNothing) {
    Fill(0);
    EXPECT_EQ(copied_->CopyFrom(*block_), 0);
    EXPECT_EQ(copied_->curves[0][0], kUntouched);
    EXPECT_EQ(copied_->stepTables[0][0], kUntouched);
}

// --- Copy-out after real runs ----------------------------------------------

class RaceSimBlockAfterRun : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        race_test::FillBlock(race_test::DefaultStreetV8(), *block_);
        ASSERT_TRUE(QuilletMathRun(*block_, GetParam()));
    }
    std::unique_ptr<RaceSimBlock> block_ = NewBlock();
};

TEST_P(RaceSimBlockAfterRun, TrackRowsHoldStartLineMarksAndFinish) {
    const RaceSimBlock& block = *block_;
    float rows[kRaceTrackRowCount][kRaceTrackRowValues];
    RaceSimBlockFillTrackRows(block, rows);

    // Start line: 6 in of rollout, then the first sample.
    const float expectedStart[kRaceTrackRowValues] = {0.5f,
                                                      block.startTime,
                                                      block.channel[kRaceChannelSpeed][0],
                                                      block.channel[kRaceChannelAcceleration][0],
                                                      block.channel[kRaceChannelResistance][0],
                                                      block.channel[kRaceChannelTyreSpeed][0],
                                                      block.channel[kRaceChannelEngineRpm][0],
                                                      block.channel[kRaceChannelClutchRpm][0]};
    for (int value = 0; value < kRaceTrackRowValues; ++value)
        EXPECT_EQ(rows[0][value], expectedStart[value]);

    const float markFeet[] = {60.0f, 330.0f, 660.0f, 1000.0f};
    for (int mark = 0; mark < kRaceMarkCount; ++mark) {
        SCOPED_TRACE(mark);
        const float* row = rows[mark + 1];
        if (mark < kRaceTimedMarkCount) {
            EXPECT_EQ(row[0], markFeet[mark]);
            EXPECT_EQ(row[1], block.markTime[mark]);
            EXPECT_EQ(row[2], static_cast<float>(block.markSpeed[mark]));
        }
        EXPECT_EQ(row[3], block.markAcceleration[mark]);
        EXPECT_EQ(row[4], block.markResistance[mark]);
        EXPECT_EQ(row[5], block.markTyreSpeed[mark]);
        EXPECT_EQ(row[6], static_cast<float>(block.markEngineRpm[mark]));
        EXPECT_EQ(row[7], block.markClutchRpm[mark]);
    }

    // The finish row is labelled 1320 ft after either race.
    const float* finish = rows[kRaceTrackRowCount - 1];
    EXPECT_EQ(finish[0], 1320.0f);
    EXPECT_EQ(finish[1], block.elapsedTime);
    EXPECT_FLOAT_EQ(finish[2], block.finishSpeed * 0.6818f);
    if (GetParam() == kRaceEighthMile) {
        for (int value = 3; value < kRaceTrackRowValues; ++value) {
            EXPECT_EQ(finish[value], 0.0f) << value;
            EXPECT_EQ(rows[4][value], 0.0f) << value;
        }
    } else {
        EXPECT_GT(finish[6], 0.0f);
    }
}

TEST_P(RaceSimBlockAfterRun, StepTablesCoverTheRaceEverySixtyFeet) {
    std::unique_ptr<CopiedCurves> copied(new CopiedCurves);
    const int count = copied->CopyFrom(*block_);
    ASSERT_EQ(count, block_->sampleCount);
    const float* distance = block_->channel[kRaceChannelDistance];
    const int steps = GetParam() / 60 + 1;  // 23 for 1320 ft, 12 for 660 ft
    int sample = 0;
    for (int step = 0; step < steps; ++step) {
        while (distance[sample] < 60.0f * step) ++sample;
        ASSERT_LT(sample, count);
        EXPECT_EQ(copied->stepTables[1][step], distance[sample]) << step;
        EXPECT_EQ(copied->stepTables[0][step],
                  step == 0 ? 0.0f : block_->channel[kRaceChannelTime][sample])
            << step;
        EXPECT_EQ(copied->stepTables[5][step], block_->channel[kRaceChannelPower][sample]) << step;
    }
    if (steps < kRaceStepCount) {
        EXPECT_EQ(copied->stepTables[0][steps], kUntouched);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLengths, RaceSimBlockAfterRun,
                         ::testing::Values(kRaceEighthMile, kRaceQuarterMile));

}  // namespace

}  // namespace quillet
