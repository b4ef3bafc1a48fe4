// Both programs' models in one program: an engine built and run in the engine
// document, written as an engine file, imported by the vehicle document and
// raced. The two programs' own names (messages, units, iterators) live apart.
#include <gtest/gtest.h>

#include <memory>

#include "common/tests/ScratchFile.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/services/QuilletProfile.h"
#include "testing/ModalDriver.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/services/TorvaneProfile.h"

namespace {

TEST(BothModelsTest, EachProgramKeepsItsOwnUnitsAndFileCodes) {
    EXPECT_EQ(torvane::kUnitInch, 3);
    EXPECT_EQ(quillet::kUnitInch, 5);
    EXPECT_STREQ(torvane::TorvaneProgramProfile().name, "Torvane");
    EXPECT_STREQ(quillet::QuilletProgramProfile().name, "Quillet");
    EXPECT_EQ(torvane::TorvaneProgramProfile().fileErrors.write, 44);
    EXPECT_EQ(quillet::QuilletProgramProfile().fileErrors.write, 80);
}

TEST(BothModelsTest, AnEngineRunOnTheDynoRacesInTheVehicle) {
    testing_harness::ModalDriver::Instance().Reset();
    ScratchFile engineFile("both_models_engine.tvn");
    float enginePeakPower = 0.0f;
    {
        torvane::TorvaneInstallProgramProfile();
        auto engine = std::make_unique<torvane::CTorvaneDoc>();
        torvane::BuildChevy350(*engine);
        ASSERT_TRUE(engine->RunSimulation(true, true));
        enginePeakPower = engine->GetPeakValue(torvane::kCurvePower, 2000.0f, 11000.0f);
        ASSERT_TRUE(engine->WriteEngineFile(engineFile.Path()));
    }
    ASSERT_GT(enginePeakPower, 200.0f);

    quillet::QuilletInstallProgramProfile();
    quillet::TestDocHost host;
    std::unique_ptr<quillet::CQuilletDoc> vehicle = quillet::NewDoc();
    vehicle->SetAutoRun(false);
    quillet::ChooseStreetCar(*vehicle);
    ASSERT_TRUE(vehicle->ImportEngineFile(engineFile.Path()));
    EXPECT_STREQ(vehicle->m_engineType.GetTypeName(), "Chevy 350");
    // The import keeps the dyno's power curve, rounded to whole horsepower.
    EXPECT_NEAR(vehicle->m_powerCurve.GetPeakPower(), enginePeakPower, 1.0f);
    ASSERT_TRUE(vehicle->RunSimulation(true, true));
    const quillet::CRaceResults& slip = vehicle->GetResults();
    EXPECT_GT(slip.elapsedTime, 10.0f);
    EXPECT_LT(slip.elapsedTime, 20.0f);
    EXPECT_GT(slip.trapSpeed, 60.0f);
    EXPECT_TRUE(testing_harness::ModalDriver::Instance().Boxes().empty());
}

}  // namespace
