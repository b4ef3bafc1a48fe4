#include "quillet/kernel/QuilletMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "quillet/kernel/RaceSimBlock.h"
#include "quillet/kernel/tests/RaceTestVehicles.h"

namespace quillet {

namespace {

using race_test::Vehicle;

std::unique_ptr<RaceSimBlock> NewBlock() {
    return std::unique_ptr<RaceSimBlock>(new RaceSimBlock());
}

std::unique_ptr<RaceSimBlock> FilledBlock(const Vehicle& vehicle) {
    std::unique_ptr<RaceSimBlock> block = NewBlock();
    race_test::FillBlock(vehicle, *block);
    return block;
}

const float* Channel(const RaceSimBlock& block, RaceChannel channel) {
    return block.channel[channel];
}

// Time since the start at which the speed channel first reaches mph,
// interpolated between samples; -1 when it never does.
float SampleTimeAtSpeed(const RaceSimBlock& block, float mph) {
    const float* speed = Channel(block, kRaceChannelSpeed);
    const float* time = Channel(block, kRaceChannelTime);
    for (int i = 1; i < block.sampleCount; ++i) {
        if (speed[i] >= mph) {
            const float share = (mph - speed[i - 1]) / (speed[i] - speed[i - 1]);
            return time[i - 1] + share * (time[i] - time[i - 1]);
        }
    }
    return -1.0f;
}

// --- The default street vehicle over both race lengths ---------------------

class DefaultVehicleRun : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        block_ = FilledBlock(race_test::DefaultStreetV8());
        ASSERT_TRUE(QuilletMathRun(*block_, RaceLength()));
    }
    int RaceLength() const { return GetParam(); }
    const RaceSimBlock& Block() const { return *block_; }

private:
    std::unique_ptr<RaceSimBlock> block_;
};

TEST_P(DefaultVehicleRun, TimeSlipIsPlausible) {
    const RaceSimBlock& block = Block();
    const float finishMph = block.finishSpeed * 0.6818f;
    // 6 in of rollout take a fraction of a second.
    EXPECT_GT(block.startTime, 0.05f);
    EXPECT_LT(block.startTime, 1.0f);
    if (RaceLength() == kRaceQuarterMile) {
        EXPECT_GT(block.elapsedTime, 12.0f);
        EXPECT_LT(block.elapsedTime, 18.0f);
        EXPECT_GT(block.trapSpeed, 85.0f);
        EXPECT_LT(block.trapSpeed, 110.0f);
    } else {
        EXPECT_GT(block.elapsedTime, 8.0f);
        EXPECT_LT(block.elapsedTime, 12.0f);
        EXPECT_GT(block.trapSpeed, 65.0f);
        EXPECT_LT(block.trapSpeed, 90.0f);
    }
    // Still accelerating through the trap.
    EXPECT_LE(block.trapSpeed, finishMph);
    EXPECT_GT(block.trapSpeed, finishMph * 0.95f);
    // The 0-60 time counts from the launch, not from the start line.
    EXPECT_NEAR(block.time0To60, SampleTimeAtSpeed(block, 60.0f) + block.startTime, 0.02f);
    EXPECT_LT(block.time0To60, block.elapsedTime + block.startTime);
}

TEST_P(DefaultVehicleRun, ChannelsAreSampledAtLeastAFootApart) {
    const RaceSimBlock& block = Block();
    const int count = block.sampleCount;
    ASSERT_GT(count, RaceLength() * 9 / 10);
    ASSERT_LE(count, kRaceMaxSamples);
    const float* distance = Channel(block, kRaceChannelDistance);
    const float* time = Channel(block, kRaceChannelTime);
    EXPECT_GE(distance[0], 0.0f);
    EXPECT_LT(distance[0], 0.1f);
    for (int i = 1; i < count; ++i) {
        ASSERT_GT(time[i], time[i - 1]) << i;
        if (i < count - 1) {
            ASSERT_GE(distance[i] - distance[i - 1], 1.0f) << i;
        }
    }
    EXPECT_GE(distance[count - 1], RaceLength());
    EXPECT_LT(distance[count - 1], RaceLength() + 1.0f);
    EXPECT_FLOAT_EQ(time[count - 1], block.elapsedTime);

    for (int channel = 0; channel < kRaceChannelCount; ++channel)
        for (int i = 0; i < count; ++i) ASSERT_TRUE(std::isfinite(block.channel[channel][i]));
    // Past the samples the channels stay as the cleared block left them.
    if (count < kRaceMaxSamples) {
        EXPECT_EQ(Channel(block, kRaceChannelTime)[count], 0.0f);
    }

    for (int i = 0; i < count; ++i) {
        // Street tyres have no growth factor: 0.99 of the static diameter,
        // stretched only by the tyre surface speed (0.0001 ft per ft/s).
        const float tyreFeetPerSecond = Channel(block, kRaceChannelTyreSpeed)[i] / 0.6818f;
        ASSERT_NEAR(Channel(block, kRaceChannelTyreDiameter)[i],
                    27.0f * 0.99f + 0.0024f * tyreFeetPerSecond, 0.001f)
            << i;
        const float* power = Channel(block, kRaceChannelPower);
        const float expected = Channel(block, kRaceChannelEngineRpm)[i] *
                               Channel(block, kRaceChannelTorque)[i] * 0.00019040366f;
        ASSERT_NEAR(power[i], expected, 0.01f) << i;
        // The tyres never turn slower than the vehicle moved at the start of the step.
        ASSERT_GE(Channel(block, kRaceChannelTyreSpeed)[i] + 0.05f,
                  Channel(block, kRaceChannelSpeed)[i]);
    }
}

TEST_P(DefaultVehicleRun, MarksAndGearsFollowTheRun) {
    const RaceSimBlock& block = Block();
    const int reachedMarks = RaceLength() == kRaceQuarterMile ? 4 : 3;
    for (int mark = 0; mark < kRaceTimedMarkCount; ++mark) {
        SCOPED_TRACE(mark);
        if (mark < reachedMarks) {
            EXPECT_GT(block.markTime[mark], mark > 0 ? block.markTime[mark - 1] : 0.0f);
            EXPECT_LE(block.markTime[mark], block.elapsedTime);
            EXPECT_GT(block.markSpeed[mark], mark > 0 ? block.markSpeed[mark - 1] : 0);
            EXPECT_GT(block.markEngineRpm[mark], 1000);
        } else {
            EXPECT_EQ(block.markTime[mark], 0.0f);
            EXPECT_EQ(block.markSpeed[mark], 0);
            EXPECT_EQ(block.markEngineRpm[mark], 0);
            EXPECT_EQ(block.markClutchRpm[mark], 0.0f);
        }
    }
    // The 1320-ft mark has values only after a quarter mile.
    const int lastMark = kRaceMarkCount - 1;
    EXPECT_EQ(block.markEngineRpm[lastMark] > 0, RaceLength() == kRaceQuarterMile);
    EXPECT_EQ(block.markResistance[lastMark] > 0, RaceLength() == kRaceQuarterMile);

    // The gears share the whole run; each gear left behind lasted at least
    // the 0.1-s pause between shifts, and the last one ends at the finish.
    float total = 0;
    int lastGear = 0;
    for (int gear = 0; gear < kRaceGearCount; ++gear) {
        total += block.timeInGear[gear];
        if (block.timeInGear[gear] > 0) lastGear = gear;
    }
    EXPECT_GE(lastGear, 2);
    for (int gear = 0; gear < lastGear; ++gear) EXPECT_GE(block.timeInGear[gear], 0.099f) << gear;
    EXPECT_NEAR(total, block.elapsedTime + block.startTime, 0.002f);
    EXPECT_NEAR(block.distanceAtGearEnd[lastGear], RaceLength() + 0.5f, 0.5f);
}

TEST_P(DefaultVehicleRun, SameRunTwiceIsBitIdentical) {
    std::unique_ptr<RaceSimBlock> again = FilledBlock(race_test::DefaultStreetV8());
    ASSERT_TRUE(QuilletMathRun(*again, RaceLength()));
    EXPECT_EQ(0, std::memcmp(&Block(), again.get(), sizeof(RaceSimBlock)));

    // Nothing carries over from one run to the next, even on the same block.
    ASSERT_TRUE(QuilletMathRun(*again, RaceLength()));
    EXPECT_EQ(0, std::memcmp(&Block(), again.get(), sizeof(RaceSimBlock)));
}

INSTANTIATE_TEST_SUITE_P(BothLengths, DefaultVehicleRun,
                         ::testing::Values(kRaceEighthMile, kRaceQuarterMile));

TEST(AccelerationRun, NeverReachingHundredReportsTheLastStepAsZeroToHundred) {
    std::unique_ptr<RaceSimBlock> block = FilledBlock(race_test::DefaultStreetV8());
    ASSERT_TRUE(QuilletMathRun(*block, kRaceEighthMile));
    ASSERT_LT(block->finishSpeed, 146.66f);
    EXPECT_NEAR(block->time0To100, block->elapsedTime + block->startTime, 1e-4f);
}

// --- Physical sanity against the quarter-mile rules of thumb ---------------

TEST(AccelerationRun, StreetVehiclesAgreeWithQuarterMileRulesOfThumb) {
    std::printf("%-30s %6s %8s %8s %6s %8s %8s %6s\n", "vehicle", "lb/hp", "ET", "rule", "diff",
                "trap", "rule", "diff");
    for (const race_test::NamedVehicle& named : race_test::StreetVehicles()) {
        SCOPED_TRACE(named.name);
        std::unique_ptr<RaceSimBlock> block = FilledBlock(named.vehicle);
        ASSERT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
        const double weightPerHp =
            named.vehicle.body.weight / race_test::PeakPower(named.vehicle.engine);
        ASSERT_GE(weightPerHp, 8.0);
        ASSERT_LE(weightPerHp, 15.0);
        const double ruleEt = 5.825 * std::cbrt(weightPerHp);
        const double ruleTrap = 234.0 / std::cbrt(weightPerHp);
        const double etDiff = block->elapsedTime / ruleEt - 1.0;
        const double trapDiff = block->trapSpeed / ruleTrap - 1.0;
        std::printf("%-30s %6.2f %8.3f %8.3f %+5.1f%% %8.2f %8.2f %+5.1f%%\n", named.name,
                    weightPerHp, block->elapsedTime, ruleEt, etDiff * 100, block->trapSpeed,
                    ruleTrap, trapDiff * 100);
        EXPECT_LT(std::fabs(etDiff), 0.15);
        EXPECT_LT(std::fabs(trapDiff), 0.15);
    }
}

// --- Couplings and engines -------------------------------------------------

TEST(AccelerationRun, ConverterHoldsTheEngineAtOrAboveStall) {
    const Vehicle vehicle = race_test::StreetV8WithConverter();
    std::unique_ptr<RaceSimBlock> block = FilledBlock(vehicle);
    ASSERT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
    EXPECT_GT(block->elapsedTime, 12.0f);
    EXPECT_LT(block->elapsedTime, 18.0f);
    for (int i = 0; i < block->sampleCount; ++i)
        ASSERT_GE(Channel(*block, kRaceChannelEngineRpm)[i], vehicle.converter.stall) << i;
    // A planetary box shifts on the engine rpm without a shift time.
    EXPECT_GT(block->timeInGear[0], 0.1f);
    EXPECT_GT(block->timeInGear[1], 0.1f);
}

// An engine held at the redline with the tyres spinning turns them at the
// speed the redline gives, whatever the last bits of its speed after the
// trip through the driveline and back.
TEST(AccelerationRun, AnEngineHeldAtTheRedlineHoldsTheTyreSpeed) {
    Vehicle vehicle = race_test::StreetVehicles()[0].vehicle;  // the 3400-lb coupe
    for (float& hp : vehicle.engine.horsepower) hp *= 2.0f;
    vehicle.tyre.traction = 1.35f;
    vehicle.rearAxleRatio = 4.56f;
    for (float weight : {3300.0f, 3301.0f, 3308.0f, 3360.0f}) {
        SCOPED_TRACE(weight);
        vehicle.body.weight = weight;
        std::unique_ptr<RaceSimBlock> block = FilledBlock(vehicle);
        ASSERT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
        const float* engine = Channel(*block, kRaceChannelEngineRpm);
        const float* speed = Channel(*block, kRaceChannelSpeed);
        const float* tyre = Channel(*block, kRaceChannelTyreSpeed);
        float lowest = 1e9f, highest = 0.0f;
        const auto held = [&](int i) { return block->redline - engine[i] < 0.5f; };
        for (int i = 1; i < block->sampleCount; ++i) {
            if (!held(i) || !held(i - 1)) continue;
            if (!(tyre[i] > speed[i])) continue;
            lowest = std::min(lowest, tyre[i]);
            highest = std::max(highest, tyre[i]);
        }
        ASSERT_GT(highest, 0.0f) << "the tyres never spun at the redline";
        EXPECT_LT(highest - lowest, 0.001f);
    }
}

TEST(AccelerationRun, OneGearBoxDrivesTheWholeRunInFirst) {
    Vehicle vehicle = race_test::DefaultStreetV8();
    vehicle.gearRatios = {1.00f};
    std::unique_ptr<RaceSimBlock> block = FilledBlock(vehicle);
    ASSERT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
    EXPECT_NEAR(block->timeInGear[0], block->elapsedTime + block->startTime, 0.002f);
    for (int gear = 1; gear < kRaceGearCount; ++gear) EXPECT_EQ(block->timeInGear[gear], 0.0f);
}

TEST(AccelerationRun, JetPushesWithItsThrustPastTheTractionLimit) {
    std::unique_ptr<RaceSimBlock> block = FilledBlock(race_test::JetDragster());
    ASSERT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
    EXPECT_GT(block->elapsedTime, 3.0f);
    EXPECT_LT(block->elapsedTime, 5.0f);
    EXPECT_GT(block->trapSpeed, 300.0f);
    // Thrust against 13400 lb: about 5 g at the start, less as the air bites.
    EXPECT_NEAR(block->markAcceleration[0], 68000.0 / 13400.0, 0.2);
    for (int i = 0; i < block->sampleCount; ++i) {
        ASSERT_EQ(Channel(*block, kRaceChannelDriveForce)[i], 0.0f);
        ASSERT_EQ(Channel(*block, kRaceChannelEngineRpm)[i], 0.0f);
        ASSERT_EQ(Channel(*block, kRaceChannelTyreDiameter)[i], 0.0f);
    }
    for (int gear = 0; gear < kRaceGearCount; ++gear) EXPECT_EQ(block->timeInGear[gear], 0.0f);
}

TEST(AccelerationRun, JetIgnoresTheAirCorrectionOfEngines) {
    Vehicle vehicle = race_test::JetDragster();
    vehicle.weather.temperature = 180.0f;  // vapour pressure above the barometer
    vehicle.weather.humidity = 100.0f;
    std::unique_ptr<RaceSimBlock> block = FilledBlock(vehicle);
    EXPECT_TRUE(QuilletMathRun(*block, kRaceQuarterMile));
}

// --- Runs that cannot finish ------------------------------------------------

struct FailingCase {
    const char* name;
    void (*spoil)(RaceSimBlock&);
};

void PrintTo(const FailingCase& c, std::ostream* os) {
    *os << c.name;
}

class FailingRun : public ::testing::TestWithParam<FailingCase> {};

TEST_P(FailingRun, EndsWithFalse) {
    std::unique_ptr<RaceSimBlock> block = FilledBlock(race_test::DefaultStreetV8());
    GetParam().spoil(*block);
    EXPECT_FALSE(QuilletMathRun(*block, kRaceQuarterMile));
    EXPECT_GE(block->sampleCount, 0);
    EXPECT_LE(block->sampleCount, kRaceMaxSamples);
}

const FailingCase kFailingCases[] = {
    // Values the model cannot divide by: the run refuses them at once.
    {"ZeroWeight", [](RaceSimBlock& b) { b.weight = 0; }},
    {"ZeroFirstGear", [](RaceSimBlock& b) { b.gearRatio[0] = 0; }},
    {"ZeroRearAxle", [](RaceSimBlock& b) { b.rearAxleRatio = 0; }},
    {"ZeroTyreDiameter", [](RaceSimBlock& b) { b.tyreDiameter = 0; }},
    {"ZeroWheelWidth", [](RaceSimBlock& b) { b.wheelWidth = 0; }},
    {"ZeroDisplacement", [](RaceSimBlock& b) { b.displacement = 0; }},
    {"ZeroWheelbase", [](RaceSimBlock& b) { b.wheelbase = 0; }},
    {"NoWeightOnDrivingWheels", [](RaceSimBlock& b) { b.drivingWheelWeight = 0; }},
    {"NoDryAir",
     [](RaceSimBlock& b) {
         b.temperature = 180;
         b.humidity = 100;
     }},
    {"TorqueNotANumber",
     [](RaceSimBlock& b) { b.torquePoints[3] = std::numeric_limits<float>::quiet_NaN(); }},
    {"ConverterWithoutStall",
     [](RaceSimBlock& b) {
         b.clutchFlag = 0;
         b.converterFlag = 1;
         b.converterStall = 0;
     }},
    // Vehicles that cannot move: they fail when the 88 s are up.
    {"NoPower", [](RaceSimBlock& b) { std::memset(b.torquePoints, 0, sizeof b.torquePoints); }},
    {"NoCoupling", [](RaceSimBlock& b) { b.clutchFlag = 0; }},
    {"NoTraction", [](RaceSimBlock& b) { b.tractionCoefficient = 0; }},
    {"NoTransmission", [](RaceSimBlock& b) { b.syncromeshTransmission = 0; }},
    {"JetWithoutWeight",
     [](RaceSimBlock& b) {
         b.jetFlag = 1;
         b.weight = 0;
         b.rocketWeight = 0;
     }},
};

INSTANTIATE_TEST_SUITE_P(Spoilt, FailingRun, ::testing::ValuesIn(kFailingCases),
                         [](const ::testing::TestParamInfo<FailingCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(AccelerationRun, RefusesOtherRaceLengths) {
    std::unique_ptr<RaceSimBlock> block = FilledBlock(race_test::DefaultStreetV8());
    EXPECT_FALSE(QuilletMathRun(*block, 1000));
    EXPECT_FALSE(QuilletMathRun(*block, 0));
    EXPECT_EQ(block->sampleCount, 0);
}

// --- Barometer --------------------------------------------------------------

TEST(BarometerFromElevation, MatchesTheWeatherPresets) {
    const struct {
        float elevation;
        float inHg;  // rounded to two decimals, as the vehicle stores it
    } cases[] = {{0, 29.92f},    {500, 29.37f},  {800, 29.05f},  {1000, 28.84f},
                 {2000, 27.80f}, {3000, 26.80f}, {8000, 22.35f}, {-2000, 32.20f}};
    for (const auto& c : cases) {
        const float pressure = QuilletMathBarometerFromElevation(c.elevation);
        EXPECT_FLOAT_EQ(std::floor(pressure * 100.0f + 0.5f) / 100.0f, c.inHg) << c.elevation;
    }
}

}  // namespace

}  // namespace quillet
