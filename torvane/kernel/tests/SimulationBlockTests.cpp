#include <gtest/gtest.h>

#include "torvane/kernel/SimulationBlock.h"

namespace torvane {

namespace {

// A block whose result arrays each hold their own marker (100 x array + point).
SimulationBlock MarkedBlock() {
    SimulationBlock block;
    float* values = &block.results.brakePower[0];
    for (int curve = 0; curve < 15; ++curve)
        for (int i = 0; i < kSimRpmPoints; ++i)
            values[curve * kSimRpmPoints + i] = static_cast<float>(100 * (curve + 1) + i);
    return block;
}

// The copy operations fill the document's curves in its storage order of types
// 1, 2, 3, 4, 5, 7, 9, 10, 11, 12, 13, 14, 15, 6, 8, 16.
TEST(SimulationBlock, CopyOperationsFollowTheStorageOrder) {
    const SimulationBlock block = MarkedBlock();
    const SimResults& r = block.results;
    const float* expected[] = {nullptr,
                               r.brakePower,
                               r.brakeTorque,
                               r.manifoldPressure,
                               r.volumetricEfficiency,
                               r.bmep,
                               r.indicatedPower,
                               r.frictionPower,
                               r.pumpingPower,
                               r.mechanicalEfficiency,
                               r.inductionAirflow,
                               r.pistonForce,
                               r.pistonSpeed,
                               r.imep,
                               r.fmep,
                               r.pmep};
    for (int copy = 1; copy <= 16; ++copy) {
        float dest[kSimRpmPoints] = {};
        ASSERT_TRUE(SimulationBlockCopyCurve(block, copy, dest, kSimRpmPoints));
        for (int i = 0; i < kSimRpmPoints; ++i) {
            const float want =
                copy == 1 ? 2000.0f + 500.0f * static_cast<float>(i) : expected[copy - 1][i];
            EXPECT_EQ(want, dest[i]) << "copy " << copy << " point " << i;
        }
    }
}

TEST(SimulationBlock, EngineSpeedsSurviveAClearedBlock) {
    SimulationBlock block = MarkedBlock();
    SimulationBlockClear(block);
    float dest[kSimRpmPoints];
    ASSERT_TRUE(SimulationBlockCopyCurve(block, 1, dest, kSimRpmPoints));
    EXPECT_EQ(2000.0f, dest[0]);
    EXPECT_EQ(11000.0f, dest[18]);
    ASSERT_TRUE(SimulationBlockCopyCurve(block, 2, dest, kSimRpmPoints));
    EXPECT_EQ(0.0f, dest[0]);
}

TEST(SimulationBlock, CopyRefusesBadArguments) {
    const SimulationBlock block = MarkedBlock();
    float dest[kSimRpmPoints + 1] = {};
    EXPECT_FALSE(SimulationBlockCopyCurve(block, 2, dest, 18));
    EXPECT_FALSE(SimulationBlockCopyCurve(block, 2, dest, 20));
    EXPECT_FALSE(SimulationBlockCopyCurve(block, 2, nullptr, kSimRpmPoints));
    EXPECT_FALSE(SimulationBlockCopyCurve(block, 0, dest, kSimRpmPoints));
    EXPECT_FALSE(SimulationBlockCopyCurve(block, 17, dest, kSimRpmPoints));
    for (float value : dest) EXPECT_EQ(0.0f, value);
}

}  // namespace

}  // namespace torvane
