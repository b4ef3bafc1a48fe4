#include <gtest/gtest.h>

#include "testing/ModalDriver.h"
#include "torvane/components/AutoValveSizing.h"
#include "torvane/components/EngineMath.h"

namespace torvane {

namespace {

TEST(EngineMath, VolumesAndCompression) {
    EXPECT_NEAR(EngineMathSweptVolume(4.0f, 3.48f), 716.62f, 0.005f);
    EXPECT_EQ(EngineMathCylinderDisplacement(4.0f, 3.48f), EngineMathSweptVolume(4.0f, 3.48f));
    EXPECT_FLOAT_EQ(EngineMathCompressionRatio(350.0f, 35.0f), 11.0f);
    EXPECT_FLOAT_EQ(EngineMathChamberVolume(350.0f, 11.0f), 35.0f);
    EXPECT_NEAR(EngineMathChamberVolume(EngineMathSweptVolume(4.0f, 3.48f), 10.0f), 79.62f, 0.005f);
}

TEST(EngineMath, FlowScaledToAnotherPressureDrop) {
    EXPECT_NEAR(EngineMathScaleFlow(300.0f, 28.0f, 10.0f), 179.3f, 0.05f);
    EXPECT_FLOAT_EQ(EngineMathScaleFlow(0.0f, 28.0f, 10.0f), 0.0f);
}

TEST(EngineMath, BoreAndStrokeFromDisplacementInvertEachOther) {
    // 350 ci over 8 cylinders with a 3.48 in stroke needs a bore of about 4.0 in.
    const float bore = EngineMathBoreFromDisplacement(350.0f, 8, 3.48f);
    EXPECT_NEAR(bore, 4.0f, 0.002f);
    EXPECT_NEAR(EngineMathStrokeFromDisplacement(350.0f, 8, bore), 3.48f, 0.0001f);
}

struct ValveSizeCase {
    int headType;
    float bore;
    float intake, exhaust;
};

TEST(AutoValveSizing, DiametersFromTheBoreWithinTheFieldLimits) {
    const ValveSizeCase cases[] = {
        {1, 4.0f, 1.76f, 1.4f},   {14, 1.5f, 0.75f, 0.5f},   {13, 4.0f, 2.244f, 1.824f},
        {16, 4.0f, 1.58f, 1.38f}, {7, 7.0f, 3.703f, 3.192f}, {6, 8.0f, 4.0f, 3.2f},
        {9, 4.0f, 1.94f, 1.5f},
    };
    for (const ValveSizeCase& c : cases) {
        float intake = 0.0f, exhaust = 0.0f;
        SimInterfaceAutoValveSizes(c.headType, c.bore, intake, exhaust);
        EXPECT_NEAR(intake, c.intake, 1e-4f) << "head " << c.headType;
        EXPECT_NEAR(exhaust, c.exhaust, 1e-4f) << "head " << c.headType;
    }
    EXPECT_TRUE(SimInterfaceHasValveSizeRatio(16));
    EXPECT_FALSE(SimInterfaceHasValveSizeRatio(17));
}

TEST(AutoValveSizing, LiftsFromTheValveDiameterByCamType) {
    float intake = 0.0f, exhaust = 0.0f;
    SimInterfaceAutoValveLift(5, 2.2f, intake, exhaust);
    EXPECT_NEAR(intake, 0.7612f, 1e-5f);
    EXPECT_NEAR(exhaust, 0.72314f, 1e-5f);
    SimInterfaceAutoValveLift(1, 0.8f, intake, exhaust);
    EXPECT_FLOAT_EQ(intake, 0.2f);
    EXPECT_FLOAT_EQ(exhaust, 0.2f);
    SimInterfaceAutoValveLift(7, 6.0f, intake, exhaust);
    EXPECT_FLOAT_EQ(intake, 1.5f);
    EXPECT_FALSE(SimInterfaceHasValveLiftRatio(6));
    EXPECT_TRUE(SimInterfaceHasValveLiftRatio(7));
}

TEST(AutoValveSizingDeathTest, TypesWithoutARatioAreProgrammingErrors) {
    float intake = 0.0f, exhaust = 0.0f;
    EXPECT_EXIT(
        {
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            SimInterfaceAutoValveLift(6, 2.0f, intake, exhaust);
        },
        ::testing::ExitedWithCode(9999), "");
    EXPECT_EXIT(
        {
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            SimInterfaceAutoValveSizes(17, 4.0f, intake, exhaust);
        },
        ::testing::ExitedWithCode(9999), "");
}

}  // namespace

}  // namespace torvane
