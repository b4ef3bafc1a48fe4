// The run of a vehicle through the document: validation, English units,
// the simulation interface and the results copied back; the barometer,
// interpolation and curve areas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "quillet/document/SimInterface.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/kernel/QuilletMath.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

class RunTest : public ::testing::Test {
protected:
    void SetUp() override { doc_->SetAutoRun(false); }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
};

bool SameResults(const CRaceResults& a, const CRaceResults& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(RunTest, AStreetCarRunsTheQuarterMile) {
    ChooseStreetCar(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    const CRaceResults& results = doc_->GetResults();
    EXPECT_GT(results.elapsedTime, 12.0f);
    EXPECT_LT(results.elapsedTime, 20.0f);
    EXPECT_GT(results.trapSpeed, 80.0f);
    EXPECT_LT(results.trapSpeed, 110.0f);
    EXPECT_GT(results.time0To60, 4.0f);
    EXPECT_GT(results.timeInGear[0], 0.0f);

    // Track rows: the start line at the rollout, the marks, the finish.
    EXPECT_FLOAT_EQ(results.GetTrackRow(0).distance, 0.5f);  // 6 in
    const float marks[] = {60.0f, 330.0f, 660.0f, 1000.0f, 1320.0f};
    for (int row = 1; row < 6; ++row) {
        EXPECT_EQ(results.GetTrackRow(row).distance, marks[row - 1]);
        EXPECT_GT(results.GetTrackRow(row).time, results.GetTrackRow(row - 1).time) << row;
        EXPECT_GT(results.GetTrackRow(row).engineRpm, 0.0f) << row;
    }
    EXPECT_EQ(results.GetTrackRow(5).time, results.elapsedTime);

    // Channels: samples at least a foot apart, the last one at the finish.
    const int count = doc_->GetNumCurvePoints();
    ASSERT_GT(count, 1000);
    ASSERT_LE(count, 1322);
    const float* distance = doc_->GetCurve(kCurveDistance);
    for (int i = 1; i < count - 1; ++i) ASSERT_GE(distance[i] - distance[i - 1], 1.0f) << i;
    EXPECT_GE(distance[count - 1], 1320.0f);
    EXPECT_NEAR(doc_->GetCurve(kCurveTime)[count - 1], results.elapsedTime, 0.002f);
    // Curve 8 is the power of curves 7 (torque) and 9 (engine rpm).
    const int mid = count / 2;
    EXPECT_NEAR(doc_->GetCurve(kCurvePower)[mid],
                doc_->GetCurve(kCurveTorque)[mid] * doc_->GetCurve(kCurveEngineRpm)[mid] *
                    0.00019040366f,
                0.01f);

    // Step tables: the first sample at or past 0, 60 .. 1320 ft.
    const float* steps = doc_->GetStepTable(kCurveDistance);
    EXPECT_EQ(doc_->GetStepTable(kCurveTime)[0], 0.0f);
    for (int k = 0; k < 23; ++k) {
        EXPECT_GE(steps[k], 60.0f * k) << k;
        EXPECT_LT(steps[k], 60.0f * k + 2.0f) << k;
        EXPECT_GT(doc_->GetStepTable(kCurveSpeed)[k], k == 0 ? -1.0f : 0.0f) << k;
    }
    EXPECT_GT(doc_->GetStepTable(kCurvePower)[22], 0.0f);
}

TEST_F(RunTest, TheSameVehicleRunsToTheSameNumbers) {
    ChooseStreetCar(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    std::unique_ptr<CQuilletDoc> copy = NewDoc();
    doc_->CopyVehicleTo(copy.get());
    copy->GetResults().Clear();
    ASSERT_TRUE(copy->RunSimulation(true, true));
    EXPECT_TRUE(SameResults(doc_->GetResults(), copy->GetResults()));
}

TEST_F(RunTest, AnEighthMileEndsAt660Feet) {
    ChooseStreetCar(*doc_);
    Command(*doc_, kCmdEighthMile);
    EXPECT_EQ(doc_->GetRaceLength(), 660);
    const CRaceResults& results = doc_->GetResults();
    ASSERT_GT(results.elapsedTime, 0.0f);
    EXPECT_EQ(results.GetTrackRow(4).time, 0.0f);  // 1000 ft
    EXPECT_EQ(results.GetTrackRow(5).distance, 1320.0f);
    EXPECT_EQ(results.GetTrackRow(5).time, results.elapsedTime);
    EXPECT_EQ(results.GetTrackRow(5).engineRpm, 0.0f);
    EXPECT_LT(doc_->GetStepTable(kCurveDistance)[11], 662.0f);
    EXPECT_EQ(doc_->GetStepTable(kCurveDistance)[12], 0.0f);
}

TEST_F(RunTest, AMetricVehicleStaysMetricAfterItsRun) {
    ChooseStreetCar(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    const float englishTime = doc_->GetResults().elapsedTime;
    Command(*doc_, kCmdUnitsMetric);
    const float wheelbase = doc_->m_wheelbase.GetValue();
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    EXPECT_EQ(doc_->GetUnits(), 1);
    EXPECT_TRUE(doc_->m_wheelbase.IsAltUnit());
    EXPECT_FLOAT_EQ(doc_->m_wheelbase.GetValue(), wheelbase);
    EXPECT_TRUE(doc_->m_temperature.IsAltUnit());
    EXPECT_EQ(doc_->GetResults().elapsedTime, englishTime);
}

TEST_F(RunTest, AConverterCarAJetAndAMotorcycleFinish) {
    ChooseStreetCarWithConverter(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    EXPECT_GT(doc_->GetResults().trapSpeed, 70.0f);

    std::unique_ptr<CQuilletDoc> jet = NewDoc();
    jet->SetAutoRun(false);
    ChooseJetDragster(*jet);
    ASSERT_TRUE(jet->RunSimulation(true, true));
    EXPECT_LT(jet->GetResults().elapsedTime, 8.0f);
    EXPECT_GT(jet->GetResults().trapSpeed, 200.0f);

    ModalDriver::Instance().Answer("Warning!", IDOK);  // 205
    Command(*doc_, 33331);
    Command(*doc_, 33400);  // primary 1.60
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    EXPECT_GT(doc_->GetResults().elapsedTime, 0.0f);
}

TEST_F(RunTest, AFailedRunClearsTheResultsAndSaysSo) {
    ChooseStreetCar(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    // Air so hot and wet that no dry air is left for the engine.
    doc_->m_humidity.SetValue(100.0f);
    doc_->m_temperature.SetValue(180.0f);
    ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
    EXPECT_FALSE(doc_->RunSimulation(true, true));
    EXPECT_EQ(doc_->GetNumCurvePoints(), 0);
    EXPECT_EQ(doc_->GetResults().elapsedTime, 0.0f);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);

    // A vehicle that does not validate shows its code only when asked.
    doc_->m_weight.Clear();
    EXPECT_FALSE(doc_->RunSimulation(false, true));
    ModalDriver::Instance().Answer("Incomplete Vehicle Data", IDOK);
    EXPECT_FALSE(doc_->RunSimulation(true, true));
    EXPECT_EQ(ModalDriver::Instance().Boxes().size(), 2u);
}

TEST_F(RunTest, TheBlockTakesOnlyWhatTheVehicleUses) {
    ChooseStreetCar(*doc_);
    doc_->m_primaryRatio.SetValue(2.0f);  // an automobile ignores it
    ASSERT_TRUE(SimInterfaceRun(doc_.get()));
    const RaceSimBlock& block = SimInterfaceGetInstance().Block();
    EXPECT_EQ(block.primaryRatio, 0.0f);
    EXPECT_EQ(block.syncromeshTransmission, 2);
    EXPECT_EQ(block.planetaryTransmission, 0);
    EXPECT_EQ(block.clutchFlag, -1);
    EXPECT_EQ(block.gearRatio[3], 1.0f);
    EXPECT_EQ(block.gearRatio[4], 0.0f);
    EXPECT_EQ(block.shiftRpm[3], 4200.0f);  // the 4-5 shift of a 4-speed
    EXPECT_EQ(block.shiftRpm[4], 0.0f);
    EXPECT_FLOAT_EQ(block.shiftTime, 0.10f);
    EXPECT_EQ(block.rpmPoints[11], 7500.0f);
    EXPECT_EQ(block.rpmPoints[12], 8000.0f);  // extended by the first step
    EXPECT_EQ(block.rpmPoints[25], 14500.0f);
    EXPECT_EQ(block.torquePoints[12], 0.0f);
    EXPECT_FLOAT_EQ(block.peakPower, 271.0f);

    ChooseStreetCarWithConverter(*doc_);
    ASSERT_TRUE(SimInterfaceRun(doc_.get()));
    EXPECT_EQ(block.shiftTime, 0.0f);  // planetary
    EXPECT_EQ(block.converterFlag, 1);
    EXPECT_EQ(block.converterStall, 2400.0f);
    EXPECT_EQ(block.planetaryTransmission, 38);
}

TEST_F(RunTest, BarometerFromElevation) {
    const struct {
        float feet, inHg;
    } cases[] = {{0, 29.92f},    {500, 29.37f},  {800, 29.05f},  {1000, 28.84f},
                 {2000, 27.80f}, {3000, 26.80f}, {8000, 22.35f}, {-2000, 32.20f}};
    Command(*doc_, kCmdUnitsMetric);
    for (const auto& expected : cases) {
        doc_->m_elevation.SetValueInUnit(expected.feet, true);
        doc_->UpdateBarometerFromElevation();
        EXPECT_TRUE(doc_->m_elevation.IsAltUnit());
        EXPECT_FLOAT_EQ(doc_->m_barometer.GetValue(), expected.inHg) << expected.feet;
    }
}

TEST_F(RunTest, AutoRunRunsAfterTheBarometerIsUpdated) {
    ChooseStreetCar(*doc_);
    doc_->SetAutoRun(true);
    doc_->GetResults().Clear();
    doc_->UpdateBarometerFromElevation();
    EXPECT_GT(doc_->GetNumCurvePoints(), 0);
    Command(*doc_, kCmdAutoRun);
    EXPECT_FALSE(doc_->IsAutoRun());
}

TEST_F(RunTest, InterpolationBetweenSamples) {
    float values[6];
    doc_->InterpolateAtDistance(0.0f, &values[0], &values[1], &values[2], &values[3], &values[4],
                                &values[5]);
    for (float value : values) EXPECT_EQ(value, 0.0f);

    ChooseStreetCar(*doc_);
    Command(*doc_, kCmdEighthMile);
    float time, speed, tyreSpeed, slip, diameter, rpm;
    doc_->InterpolateAtDistance(330.0f, &time, &speed, &tyreSpeed, &slip, &diameter, &rpm);
    EXPECT_NEAR(time, doc_->GetResults().GetTrackRow(2).time, 0.05f);
    EXPECT_GT(speed, 50.0f);
    EXPECT_GE(slip, 0.0f);
    EXPECT_NEAR(diameter, 27.0f, 1.0f);
    EXPECT_GT(rpm, 1000.0f);
    // Beyond the last sample of a 660-ft run: zeros.
    doc_->InterpolateAtDistance(1000.0f, &time, &speed, &tyreSpeed, &slip, &diameter, &rpm);
    EXPECT_EQ(time, 0.0f);
    EXPECT_EQ(CQuilletDoc::LinearInterpolate(0.0f, 1.0f, 2.0f, 3.0f, 1.0f), 2.0f);
}

TEST_F(RunTest, CurveAreasOverADistanceWindow) {
    EXPECT_EQ(doc_->CurveAreaBetween(kCurveSpeed, 0.0f, 330.0f), 0.0f);  // no run yet
    ChooseStreetCar(*doc_);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    const float launch = doc_->CurveAreaBetween(kCurveSpeed, 0.0f, 330.0f);
    const float whole = doc_->CurveAreaBetween(kCurveSpeed, 0.0f, 1320.0f);
    EXPECT_GT(launch, 0.0f);
    EXPECT_GT(whole, launch);
    // Speed against distance: the area is roughly the mean speed x distance.
    EXPECT_NEAR(whole, 1.320f * doc_->GetResults().trapSpeed * 0.6f, 0.4f * whole);
    EXPECT_GT(doc_->CurveAreaBetween(kCurvePower, 0.0f, 1320.0f), 0.0f);
    // Both ends between the same two samples: nothing in between.
    const float* distance = doc_->GetCurve(kCurveDistance);
    EXPECT_EQ(doc_->CurveAreaBetween(kCurveSpeed, distance[500] + 0.1f, distance[500] + 0.2f), 0.0f);
}

}  // namespace

}  // namespace quillet
