// The compression-ratio calculator: its formula as a table of cases, and the
// dialog opened by its command and driven through its edit fields with the
// field-entry conventions (prompt, rewrite, refusal and refocus, Apply).
#include <gtest/gtest.h>

#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/CalculatorResources.h"
#include "torvane/ui/CompRatioDlg.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using namespace torvane;

namespace {

class CompRatioTest : public TorvaneDocTest {
protected:
    void SetUp() override { BuildChevy350(doc_); }
    CTorvaneDoc doc_;
};

struct FormulaCase {
    const char* what;
    bool metric;
    int piston;
    float chamber, gasketBore, thickness, distance, measured;  // measured < 0: not set
    float gasketVolume, deckVolume, total;
    bool infinite;
    unsigned short code;  // of Validate, 0 when it passes
};

// Chevy 350: 4.000 in bore; lengths given in inches (converted for metric).
const FormulaCase kFormulaCases[] = {
    {"flat top 0.020 below the deck", false, kPistonFlatTop, 64.0f, 4.1f, 0.041f, 0.020f, -1, 8.87f,
     4.12f, 76.99f, false, 0},
    {"the same in metric units", true, kPistonFlatTop, 64.0f, 4.1f, 0.041f, 0.020f, -1, 8.87f, 4.12f,
     76.99f, false, 0},
    {"flat top above the deck", false, kPistonFlatTop, 64.0f, 4.1f, 0.041f, -0.010f, -1, 8.87f,
     -2.06f, 70.81f, false, 0},
    {"domed piston, measured volume larger", false, kPistonDomed, 64.0f, 4.1f, 0.041f, 0.100f,
     25.0f, 8.87f, 4.41f, 77.28f, false, 0},
    {"domed piston smaller than the cylinder above it", false, kPistonDomed, 40.0f, 4.1f, 0.041f,
     0.100f, 2.0f, 8.87f, -18.59f, 30.28f, false, 89},
    {"chambers summing to nothing", false, kPistonFlatTop, 0.1f, 4.0f, 0.0f, -0.00048562f, -1, 0.0f,
     -0.1f, 0.0f, true, 96},
    {"ratio beyond the engine's limits", false, kPistonFlatTop, 200.0f, 4.1f, 0.041f, 0.020f, -1,
     8.87f, 4.12f, 212.99f, false, 89},
};

TEST_F(CompRatioTest, FormulaTable) {
    for (const FormulaCase& c : kFormulaCases) {
        SCOPED_TRACE(c.what);
        CTorvaneDoc doc;
        BuildChevy350(doc);
        if (c.metric) doc.SetUnitsMode(1);
        CCompressionCalculation calc(doc);
        calc.SetPistonType(c.piston);
        const float lengthFactor = c.metric ? 25.4f : 1.0f;
        calc.chamberVolume.SetValue(c.chamber);
        calc.gasketBore.SetValue(c.gasketBore * lengthFactor);
        calc.gasketThickness.SetValue(c.thickness * lengthFactor);
        calc.pistonDistance.SetValue(c.distance * lengthFactor);
        if (c.measured >= 0) calc.measuredVolume.SetValue(c.measured);
        calc.Compute(doc.cylinderVolume);
        EXPECT_NEAR(c.gasketVolume, calc.gasketVolume.GetValue(), 0.001f);
        EXPECT_NEAR(c.deckVolume, calc.deckVolume.GetValue(), 0.001f);
        EXPECT_NEAR(c.total, calc.totalCombustionVolume.GetValue(), 0.001f);
        EXPECT_EQ(c.infinite, calc.IsRatioInfinite());
        if (!c.infinite) {
            const float swept = doc.cylinderVolume.GetValue();
            EXPECT_NEAR((swept + c.total) / c.total, calc.compressionRatio.GetValue(), 0.0051f);
        } else {
            EXPECT_FALSE(calc.compressionRatio.IsSet());
        }
        unsigned short code = 0;
        EXPECT_EQ(c.code == 0, calc.Validate(code, doc.compressionRatio));
        EXPECT_EQ(c.code, code);
    }
}

TEST_F(CompRatioTest, MissingInputsAreReportedInOrder) {
    CCompressionCalculation calc(doc_);
    unsigned short code = 0;
    struct Step {
        CFloatPtSpec* field;
        float value;
        unsigned short codeBefore;
    };
    calc.SetPistonType(kPistonDomed);
    const Step steps[] = {{&calc.chamberVolume, 60.0f, 90}, {&calc.gasketBore, 4.1f, 91},
                          {&calc.gasketThickness, 0.04f, 92}, {&calc.pistonDistance, 0.1f, 94},
                          {&calc.measuredVolume, 30.0f, 95}};
    for (const Step& step : steps) {
        calc.Compute(doc_.cylinderVolume);
        EXPECT_FALSE(calc.Validate(code, doc_.compressionRatio));
        EXPECT_EQ(step.codeBefore, code);
        step.field->SetValue(step.value);
    }
    calc.Compute(doc_.cylinderVolume);
    EXPECT_TRUE(calc.Validate(code, doc_.compressionRatio));
    // Flat top: the piston distance has its own message, and its own limits.
    calc.SetPistonType(kPistonFlatTop);
    calc.pistonDistance.Clear();
    EXPECT_FALSE(calc.Validate(code, doc_.compressionRatio));
    EXPECT_EQ(93, code);
    EXPECT_TRUE(calc.pistonDistance.IsInRange(-0.5f));
    calc.SetPistonType(kPistonDomed);
    EXPECT_FALSE(calc.pistonDistance.IsInRange(0.0f));
}

TEST_F(CompRatioTest, DialogComputesRefusesAndApplies) {
    const float ratioBefore = doc_.compressionRatio.GetValue();
    bool ran = false;
    ModalDriver::Instance().Handle("Compression Ratio Calculator", [&](HWND dialog) {
        ran = true;
        // Flat top by default: the measured-volume row is hidden.
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(dialog, IDC_CR_FLAT_TOP));
        EXPECT_FALSE(::GetWindowLongA(testing_harness::FindControl(dialog, IDC_CR_MEASURED), GWL_STYLE) & WS_VISIBLE);
        EXPECT_EQ("Piston Down Bore @ TDC:", TextOf(dialog, IDC_CR_DISTANCE_LABEL));

        // Focus selects the whole text and shows the field's prompt.
        FocusOn(dialog, IDC_CR_CHAMBER);
        EXPECT_FALSE(TextOf(dialog, IDC_CR_HELP).empty());
        TypeInto(dialog, IDC_CR_CHAMBER, "  64 ");
        TypeInto(dialog, IDC_CR_GASKET_BORE, "4.1");
        EXPECT_EQ("64.00", TextOf(dialog, IDC_CR_CHAMBER));  // trimmed, parsed, rewritten
        EXPECT_TRUE(TextOf(dialog, IDC_CR_HELP).find("Bore") != std::string::npos)
            << TextOf(dialog, IDC_CR_HELP);
        TypeInto(dialog, IDC_CR_GASKET_THICKNESS, "0.041");
        TypeInto(dialog, IDC_CR_DISTANCE, "0.020");
        FocusOn(dialog, IDC_CR_CHAMBER);
        EXPECT_EQ("8.87", TextOf(dialog, IDC_CR_GASKET_VOLUME));
        EXPECT_EQ("4.12", TextOf(dialog, IDC_CR_DECK_VOLUME));
        EXPECT_EQ(0u, TextOf(dialog, IDC_CR_TOTAL_COMBUSTION).find("76.99"));

        // An unparsable entry: Apply beeps, returns the focus, shows no box.
        TypeInto(dialog, IDC_CR_DISTANCE, "abc");
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(testing_harness::FindControl(dialog, IDC_CR_DISTANCE), ::GetFocus());
        EXPECT_EQ(0u, ModalDriver::Instance().Boxes().size() - 1);  // only the dialog itself

        // Domed piston: the measured row appears and is required (message 95).
        ModalDriver::Instance().Answer("Incomplete Compression Ratio Data", IDOK);
        TypeInto(dialog, IDC_CR_DISTANCE, "0.1");
        // A click on the button: the focus moves to it first, which commits the
        // typed distance, then the button is checked and tells the dialog.
        // (The button's own click depends on where the system's pointer is.)
        HWND domed = testing_harness::FindControl(dialog, IDC_CR_DOMED);
        ::SetFocus(domed);
        PumpPending();
        ::CheckRadioButton(dialog, IDC_CR_FLAT_TOP, IDC_CR_DOMED, IDC_CR_DOMED);
        ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDC_CR_DOMED, BN_CLICKED), reinterpret_cast<LPARAM>(domed));
        PumpPending();
        // The row is shown (its own style: the dialog may not be on screen yet
        // while the harness drives it).
        EXPECT_TRUE(::GetWindowLongA(testing_harness::FindControl(dialog, IDC_CR_MEASURED), GWL_STYLE) &
                    WS_VISIBLE);
        EXPECT_EQ("Piston Down From TDC:", TextOf(dialog, IDC_CR_DISTANCE_LABEL));
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        ASSERT_TRUE(::IsWindow(dialog));
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos,
                  ModalDriver::Instance().Boxes()[1].text.find("measured volume above"));

        TypeInto(dialog, IDC_CR_MEASURED, "25");
        FocusOn(dialog, IDC_CR_CHAMBER);
        EXPECT_EQ("4.41", TextOf(dialog, IDC_CR_DECK_VOLUME));
        SaveScreenshot(dialog, "compression_ratio_calculator.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    OpenCompressionCalculator(&doc_, nullptr);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(doc_.IsCompressionCalculatorUsed());
    EXPECT_EQ(kPistonDomed, doc_.GetPistonMethod());
    EXPECT_FLOAT_EQ(77.28f, doc_.combustionSpace.GetValue());
    const float expected = (doc_.cylinderVolume.GetValue() + 77.28f) / 77.28f;
    EXPECT_NEAR(expected, doc_.compressionRatio.GetValue(), 0.0051f);
    EXPECT_NE(ratioBefore, doc_.compressionRatio.GetValue());
    EXPECT_FLOAT_EQ(64.0f, doc_.chamberVolume.GetValue());
    EXPECT_FLOAT_EQ(25.0f, doc_.pistonDeckVolume.GetValue());
    // Apply copies values: the document's fields keep their own names.
    EXPECT_STREQ("Piston to Block Deck Volume", doc_.pistonDeckVolume.GetName());
}

TEST_F(CompRatioTest, CancelChangesNothingAndIncompleteBlockRefuses) {
    const float ratioBefore = doc_.compressionRatio.GetValue();
    ModalDriver::Instance().Handle("Compression Ratio Calculator", [&](HWND dialog) {
        TypeInto(dialog, IDC_CR_CHAMBER, "70");
        FocusOn(dialog, IDC_CR_GASKET_BORE);
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    OpenCompressionCalculator(&doc_, nullptr);
    EXPECT_FALSE(doc_.IsCompressionCalculatorUsed());
    EXPECT_FALSE(doc_.chamberVolume.IsSet());
    EXPECT_EQ(ratioBefore, doc_.compressionRatio.GetValue());

    CTorvaneDoc empty;
    ModalDriver::Instance().Answer("Incomplete Short Block", IDOK);
    OpenCompressionCalculator(&empty, nullptr);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
}

TEST_F(CompRatioTest, ARefusedConfirmationKeepsTheDialogOpenAndTheEngineAsItWas) {
    // Sweep results kept: Apply first asks to give them up, like every change.
    const float ratioBefore = doc_.compressionRatio.GetValue();
    doc_.CreateIterators();
    doc_.GetCoarseIterator()->SetHasResults(true);
    doc_.SetSweepResultsInvalidated(false);
    ModalDriver::Instance().Handle("Compression Ratio Calculator", [&](HWND dialog) {
        TypeInto(dialog, IDC_CR_CHAMBER, "64");
        TypeInto(dialog, IDC_CR_GASKET_BORE, "4.1");
        TypeInto(dialog, IDC_CR_GASKET_THICKNESS, "0.041");
        TypeInto(dialog, IDC_CR_DISTANCE, "0.020");
        FocusOn(dialog, IDC_CR_CHAMBER);
        ModalDriver::Instance().Answer("Warning!", IDCANCEL);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    OpenCompressionCalculator(&doc_, nullptr);
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Warning!", ModalDriver::Instance().Boxes()[1].caption);
    EXPECT_EQ(ratioBefore, doc_.compressionRatio.GetValue());
    EXPECT_FALSE(doc_.IsCompressionCalculatorUsed());
    EXPECT_FALSE(doc_.chamberVolume.IsSet());
    EXPECT_FALSE(doc_.AreSweepResultsInvalidated());
}

}  // namespace
