// The airflow calculator: flow correction between test pressures as a table
// of cases, and the dialog opened by its command and driven through its
// controls (standards, unit buttons, refusals, Apply through the document's
// change confirmation).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/AirflowResources.h"
#include "torvane/ui/AirFlowMathDlg.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::ModalDriver;
using namespace torvane;

namespace {

class AirFlowMathTest : public TorvaneDocTest {};

struct CorrectionCase {
    const char* what;
    int unitsMode;
    int standard;
    float knownFlow, knownDrop;
    bool knownInWater, calculatedInWater;
    float expectedFlow;
    unsigned short code;  // of Validate, 0 when it passes
};

const CorrectionCase kCorrectionCases[] = {
    {"4-barrel rating to 2-barrel", 0, kTwoBarrelRating, 500.0f, 1.5f, false, false, 707.1f, 0},
    {"the same, both drops shown in water", 0, kTwoBarrelRating, 500.0f, 20.325f, true, true, 707.1f,
     0},
    {"known in water, calculated in mercury", 0, kTwoBarrelRating, 500.0f, 20.325f, true, false,
     707.1f, 0},
    {"2-barrel rating to 4-barrel", 0, kFourBarrelRating, 707.1f, 3.0f, false, false, 500.0f, 0},
    {"metric, cmHg", 1, kTwoBarrelRating, 500.0f, 3.81f, false, false, 707.1f, 0},
    {"metric, cmH2O against cmHg", 1, kFourBarrelRating, 500.0f, 103.251f, true, false, 353.6f, 0},
    {"result at the upper limit", 0, kTwoBarrelRating, 2828.4f, 1.5f, false, false, 4000.0f, 0},
    {"result just above the upper limit", 0, kTwoBarrelRating, 2828.5f, 1.5f, false, false, 4000.1f,
     99},
    {"result below 100 cfm", 0, kFourBarrelRating, 120.0f, 3.0f, false, false, 84.9f, 99},
};

TEST_F(AirFlowMathTest, FlowCorrectionTable) {
    for (const CorrectionCase& c : kCorrectionCases) {
        SCOPED_TRACE(c.what);
        CAirFlowCalculation calc(c.unitsMode);
        CAirFlowCalculation::ShowInWater(calc.knownDrop, c.knownInWater);
        CAirFlowCalculation::ShowInWater(calc.calculatedDrop, c.calculatedInWater);
        calc.SetStandard(c.standard);
        calc.knownFlow.SetValue(c.knownFlow);
        calc.knownDrop.SetValue(c.knownDrop);
        calc.Compute();
        ASSERT_TRUE(calc.calculatedFlow.IsSet());
        EXPECT_NEAR(c.expectedFlow, calc.calculatedFlow.GetValue(), 0.06f);
        unsigned short code = 0;
        EXPECT_EQ(c.code == 0, calc.Validate(code));
        EXPECT_EQ(c.code, code);
        if (c.code == 0) {
            float flow = 0.0f, drop = 0.0f;
            calc.GetInductionFlow(&flow, &drop);
            EXPECT_FLOAT_EQ(calc.calculatedFlow.GetValue(), flow);
            EXPECT_FLOAT_EQ(c.standard == kTwoBarrelRating ? 3.0f : 1.5f, drop);
        }
    }
}

TEST_F(AirFlowMathTest, StandardsSetTheCalculatedDropInItsUnitAndMissingInputsAreReported) {
    struct StandardCase {
        int unitsMode, standard;
        bool water;
        float drop;
    };
    const StandardCase cases[] = {
        {0, kTwoBarrelRating, true, 40.65f},  {0, kFourBarrelRating, true, 20.325f},
        {0, kTwoBarrelRating, false, 3.0f},   {0, kFourBarrelRating, false, 1.5f},
        {1, kTwoBarrelRating, true, 103.251f}, {1, kFourBarrelRating, true, 51.6255f},
        {1, kTwoBarrelRating, false, 7.62f},  {1, kFourBarrelRating, false, 3.81f},
    };
    for (const StandardCase& c : cases) {
        CAirFlowCalculation calc(c.unitsMode);
        CAirFlowCalculation::ShowInWater(calc.calculatedDrop, c.water);
        calc.SetStandard(c.standard);
        EXPECT_NEAR(c.drop, calc.calculatedDrop.GetValue(), 0.0005f) << c.unitsMode << c.standard;
    }
    // A new calculator shows the known drop in water, the calculated one in
    // mercury, and asks for the drop first, then the flow.
    CAirFlowCalculation calc(0);
    EXPECT_TRUE(calc.knownDrop.IsBaseUnit());
    EXPECT_FALSE(calc.calculatedDrop.IsBaseUnit());
    EXPECT_EQ(kFourBarrelRating, calc.GetStandard());
    unsigned short code = 0;
    EXPECT_FALSE(calc.Validate(code));
    EXPECT_EQ(98, code);
    calc.knownDrop.SetValue(20.0f);
    EXPECT_FALSE(calc.Validate(code));
    EXPECT_EQ(97, code);
}

TEST_F(AirFlowMathTest, DialogRatesAFlowAndAppliesItToTheEngine) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    bool ran = false;
    ModalDriver::Instance().Handle("Airflow Math Calculator", [&](HWND dialog) {
        ran = true;
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog, IDC_AM_FOUR_BARREL));
        EXPECT_EQ("2-Barrel Rating at 3.0 inHg Pressure Drop", TextOf(dialog, IDC_AM_TWO_BARREL));
        EXPECT_EQ("4-Barrel Rating at 1.5 inHg Pressure Drop", TextOf(dialog, IDC_AM_FOUR_BARREL));
        EXPECT_EQ("Apply", TextOf(dialog, IDOK));
        EXPECT_FALSE(::IsWindowEnabled(testing_harness::FindControl(dialog, IDC_AM_CALC_DROP)));
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog, IDC_AM_KNOWN_WATER));
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog, IDC_AM_CALC_MERCURY));
        EXPECT_EQ("1.50", TextOf(dialog, IDC_AM_CALC_DROP));

        // Nothing typed: Apply asks for the pressure drop first.
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        testing_harness::PumpPending();
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("Pressure Drop"))
            << ModalDriver::Instance().Boxes()[1].text;

        // 500 cfm measured at 1.5 inHg, rated at the 2-barrel standard.
        ClickRadio(dialog, IDC_AM_KNOWN_MERCURY);
        EXPECT_EQ("inHg", TextOf(dialog, IDC_AM_KNOWN_DROP_UNIT));
        TypeInto(dialog, IDC_AM_KNOWN_DROP, "1.5");
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "500");
        FocusOn(dialog, IDC_AM_KNOWN_DROP);
        EXPECT_EQ("1.5", TextOf(dialog, IDC_AM_KNOWN_DROP));  // kept as typed
        ClickRadio(dialog, IDC_AM_TWO_BARREL);
        EXPECT_EQ("707.1", TextOf(dialog, IDC_AM_CALC_FLOW));
        EXPECT_EQ("3.00", TextOf(dialog, IDC_AM_CALC_DROP));
        // Showing a drop in the other unit changes the display only.
        ClickRadio(dialog, IDC_AM_CALC_WATER);
        EXPECT_EQ("inH2O", TextOf(dialog, IDC_AM_CALC_DROP_UNIT));
        EXPECT_EQ("707.1", TextOf(dialog, IDC_AM_CALC_FLOW));
        ClickRadio(dialog, IDC_AM_KNOWN_WATER);
        EXPECT_EQ("707.1", TextOf(dialog, IDC_AM_CALC_FLOW));

        // A refused entry: Apply beeps and refocuses, no box, no change.
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "abc");
        ModalDriver::PressButton(dialog, IDOK);
        testing_harness::PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(testing_harness::FindControl(dialog, IDC_AM_KNOWN_FLOW), ::GetFocus());
        EXPECT_EQ(2u, ModalDriver::Instance().Boxes().size());
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "500");
        SaveScreenshot(dialog, "airflow_calculator.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    OpenAirflowCalculator(&doc, nullptr);
    ASSERT_TRUE(ran);
    EXPECT_EQ("707.1 cfm", FormattedWithUnits(doc.inductionFlow));
    EXPECT_EQ("3.00 inHg", FormattedWithUnits(doc.pressureDrop));
    EXPECT_STREQ("Induction Flow", doc.inductionFlow.GetName());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AirFlowMathTest, FreeCalculationAndRefusedConfirmationLeaveTheEngineAlone) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    const std::string flowBefore = FormattedWithUnits(doc.inductionFlow);
    // "No Ratings Standard": the second drop can be typed and OK only closes.
    ModalDriver::Instance().Handle("Airflow Math Calculator", [&](HWND dialog) {
        ClickRadio(dialog, IDC_AM_NO_STANDARD);
        EXPECT_EQ("OK", TextOf(dialog, IDOK));
        EXPECT_FALSE(::GetWindowLongA(testing_harness::FindControl(dialog, IDCANCEL), GWL_STYLE) &
                     WS_VISIBLE);
        EXPECT_TRUE(::IsWindowEnabled(testing_harness::FindControl(dialog, IDC_AM_CALC_DROP)));
        TypeInto(dialog, IDC_AM_KNOWN_DROP, "20");
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "400");
        ClickRadio(dialog, IDC_AM_CALC_WATER);
        TypeInto(dialog, IDC_AM_CALC_DROP, "5");
        FocusOn(dialog, IDC_AM_KNOWN_DROP);
        EXPECT_EQ("200.0", TextOf(dialog, IDC_AM_CALC_FLOW));  // 400 x sqrt(5 / 20)
        ModalDriver::PressButton(dialog, IDOK);
    });
    OpenAirflowCalculator(&doc, nullptr);
    EXPECT_EQ(flowBefore, FormattedWithUnits(doc.inductionFlow));
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());

    // With sweep results kept, Apply asks to give them up; refusing changes nothing.
    doc.CreateIterators();
    doc.GetCoarseIterator()->SetHasResults(true);
    doc.SetSweepResultsInvalidated(false);
    ModalDriver::Instance().Handle("Airflow Math Calculator", [&](HWND dialog) {
        TypeInto(dialog, IDC_AM_KNOWN_DROP, "20.325");
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "800");
        FocusOn(dialog, IDC_AM_KNOWN_DROP);
        ModalDriver::PressButton(dialog, IDOK);
    });
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);
    OpenAirflowCalculator(&doc, nullptr);
    EXPECT_EQ(flowBefore, FormattedWithUnits(doc.inductionFlow));
    EXPECT_FALSE(doc.AreSweepResultsInvalidated());
    ASSERT_EQ(3u, ModalDriver::Instance().Boxes().size());  // both dialogs and the question
    EXPECT_EQ("Warning!", ModalDriver::Instance().Boxes()[2].caption);
}

TEST_F(AirFlowMathTest, MetricCaptionsAndRangeRefusal) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.SetUnitsMode(1);
    ModalDriver::Instance().Handle("Airflow Math Calculator", [&](HWND dialog) {
        EXPECT_EQ("2-Barrel Rating at 7.6 cmHg Pressure Drop", TextOf(dialog, IDC_AM_TWO_BARREL));
        EXPECT_EQ("4-Barrel Rating at 3.8 cmHg Pressure Drop", TextOf(dialog, IDC_AM_FOUR_BARREL));
        EXPECT_EQ("cm Water (cmH2O)", TextOf(dialog, IDC_AM_KNOWN_WATER));
        EXPECT_EQ("cm Mercury (cmHg)", TextOf(dialog, IDC_AM_CALC_MERCURY));
        // 120 cfm measured at 7.62 cmHg rated at 3.81 cmHg: 84.9 cfm, refused (99).
        ClickRadio(dialog, IDC_AM_KNOWN_MERCURY);
        TypeInto(dialog, IDC_AM_KNOWN_DROP, "7.62");
        TypeInto(dialog, IDC_AM_KNOWN_FLOW, "120");
        FocusOn(dialog, IDC_AM_KNOWN_DROP);
        EXPECT_EQ("84.9", TextOf(dialog, IDC_AM_CALC_FLOW));
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        testing_harness::PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    const std::string flowBefore = FormattedWithUnits(doc.inductionFlow);
    OpenAirflowCalculator(&doc, nullptr);
    EXPECT_EQ(flowBefore, FormattedWithUnits(doc.inductionFlow));
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("range"))
        << ModalDriver::Instance().Boxes()[1].text;
}

}  // namespace
