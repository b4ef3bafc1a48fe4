// The vehicle document: construction, presets of the choice commands,
// confirmations, units, driving styles, validation and typed values.
#include <gtest/gtest.h>

#include <string>

#include "quillet/document/VehicleChoiceTable.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

std::string Text(const CSimSpec& field) {
    CString out;
    field.FormatValue(out);
    return std::string(out);
}

short ValidationCode(const CQuilletDoc& doc) {
    short code = 0;
    return doc.Validate(&code) ? 0 : code;
}

// The questions asked since the test began.
std::vector<std::string> QuestionTexts() {
    std::vector<std::string> texts;
    for (const auto& box : ModalDriver::Instance().Boxes()) texts.push_back(box.text);
    return texts;
}

class VehicleDocTest : public ::testing::Test {
protected:
    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
};

// --- Construction ---------------------------------------------------------------

TEST_F(VehicleDocTest, ANewVehicleHoldsOnlyItsDefaults) {
    CQuilletDoc& doc = *doc_;
    EXPECT_EQ(ValidationCode(doc), 41);
    EXPECT_EQ(Text(doc.m_vehicleClass), "Automobile");
    EXPECT_EQ(doc.m_vehicleClass.GetValue(), kClassAutomobile);
    EXPECT_EQ(Text(doc.m_engineClass), "IC Engine");
    EXPECT_EQ(Text(doc.m_driveType), "Rear");
    EXPECT_FALSE(doc.m_vehicleType.IsSet());
    EXPECT_FALSE(doc.m_weight.IsSet());
    EXPECT_FALSE(doc.m_transmissionType.IsSet());
    EXPECT_FALSE(doc.m_notes.IsSet());
    EXPECT_EQ(doc.GetUnits(), 0);
    EXPECT_TRUE(doc.IsAutoRun());
    EXPECT_EQ(doc.GetRaceLength(), 1320);
    EXPECT_EQ(doc.m_powerCurve.GetNumPoints(), 10);
    EXPECT_EQ(doc.GetNumCurvePoints(), 0);
    EXPECT_EQ(doc.GetResults().elapsedTime, 0.0f);
    EXPECT_EQ(doc.GetCoarseIterator(), nullptr);
}

TEST_F(VehicleDocTest, SerialNumbersFollowEachOther) {
    std::unique_ptr<CQuilletDoc> second = NewDoc();
    EXPECT_NE(doc_->GetSerial(), 0);
    EXPECT_EQ(second->GetSerial(), doc_->GetSerial() + 1);
}

TEST(VehicleChoiceTable, RowsAndRangesHoldTogether) {
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33520).choiceIndex, 1);
    EXPECT_STREQ(CQuilletDoc::FindChoiceRow(33520).name, "'69 Dodge Charger");
    // Automatic transmissions: choices 66 and 67 stand at 33652 and 33654.
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33651).choiceIndex, 49);
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33652).choiceIndex, 66);
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33653).choiceIndex, 50);
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33654).choiceIndex, 67);
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33669).choiceIndex, 65);
    EXPECT_EQ(CQuilletDoc::FindChoiceRow(33471).choiceIndex, kEngineTypeCustom);
    // Every preset transmission has its gears in descending order.
    for (const VehicleChoiceRow& row : kVehicleChoiceTable) {
        if (row.commandId < 33600 || row.commandId > 33669) continue;
        const int gears = static_cast<int>(row.values[6]);
        ASSERT_GE(gears, 1);
        for (int k = 1; k < gears; ++k) EXPECT_GE(row.values[k - 1] - row.values[k], 0.01f) << row.name;
    }
}

TEST(VehicleChoiceTableDeathTest, AnUnknownCommandIsAProgrammingError) {
    EXPECT_EXIT(
        {
            ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            CQuilletDoc::FindChoiceRow(33700);
        },
        ::testing::ExitedWithCode(9999), "");
}

// --- Choices --------------------------------------------------------------------

TEST_F(VehicleDocTest, AVehicleTypeFillsTheBodyAndSwitchesUnits) {
    Command(*doc_, 33520);
    CQuilletDoc& doc = *doc_;
    EXPECT_EQ(Text(doc.m_vehicleType), "'69 Dodge Charger");
    EXPECT_FLOAT_EQ(doc.m_weight.GetValue(), 3727.0f);
    EXPECT_FLOAT_EQ(doc.m_wheelbase.GetValue(), 117.8f);
    EXPECT_EQ(Text(doc.m_driveType), "Rear");
    EXPECT_FLOAT_EQ(doc.m_drivingWeight.GetValue(), 45.0f);
    EXPECT_FLOAT_EQ(doc.m_frontalArea.GetValue(), 22.0f);
    EXPECT_FLOAT_EQ(doc.m_dragCoefficient.GetValue(), 0.40f);
    Command(doc, kCmdUnitsMetric);
    EXPECT_EQ(Text(doc.m_wheelbase), "2992.12");
    Command(doc, kCmdUnitsEnglish);
    EXPECT_EQ(Text(doc.m_wheelbase), "117.800");
    // A front-drive preset while metric units are shown.
    Command(doc, kCmdUnitsMetric);
    Command(doc, 33522);
    EXPECT_EQ(Text(doc.m_driveType), "Front");
    EXPECT_EQ(Text(doc.m_wheelbase), "2697.48");  // 106.2 in
}

TEST_F(VehicleDocTest, AJetEngineTakesPlaceholdersThatAPistonEngineClears) {
    ModalDriver::Instance().Answer("Warning!", IDOK);  // 206
    Command(*doc_, 33490);
    CQuilletDoc& doc = *doc_;
    EXPECT_TRUE(doc.IsJet());
    EXPECT_EQ(Text(doc.m_engineType), "GE GE-4");
    EXPECT_FLOAT_EQ(doc.m_rocketThrust.GetValue(), 68000.0f);
    EXPECT_FLOAT_EQ(doc.m_rocketWeight.GetValue(), 11300.0f);
    const struct {
        const CPartTypeSpec& field;
        int placeholder;
    } parts[] = {{doc.m_transmissionType, 68}, {doc.m_shiftType, 3},
                 {doc.m_couplingType, 9}, {doc.m_tireType, 9}};
    for (const auto& part : parts) {
        EXPECT_TRUE(part.field.IsSet());
        EXPECT_EQ(part.field.GetValue(), part.placeholder);
        EXPECT_EQ(Text(part.field), "***");
    }
    Command(doc, 33380);  // a clutch is chosen while the engine is a jet
    Command(doc, 33452);  // a piston engine
    EXPECT_FALSE(doc.IsJet());
    EXPECT_FALSE(doc.m_transmissionType.IsSet());
    EXPECT_FALSE(doc.m_shiftType.IsSet());
    EXPECT_FALSE(doc.m_tireType.IsSet());
    EXPECT_EQ(Text(doc.m_couplingType), "Clutch");
    EXPECT_FALSE(doc.m_rocketThrust.IsSet());
    EXPECT_FALSE(doc.m_rocketWeight.IsSet());
}

TEST_F(VehicleDocTest, CancelledQuestionsLeaveTheVehicleAsItWas) {
    CQuilletDoc& doc = *doc_;
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 206
    Command(doc, 33490);
    EXPECT_FALSE(doc.IsJet());
    EXPECT_FALSE(doc.m_engineType.IsSet());

    Command(doc, 33383);  // a converter
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 207
    Command(doc, 33380);
    EXPECT_EQ(doc.m_couplingType.GetValue(), 4);
    EXPECT_FLOAT_EQ(doc.m_converterStall.GetValue(), 2400.0f);
    ModalDriver::Instance().Answer("Warning!", IDOK);
    Command(doc, 33380);
    EXPECT_EQ(doc.m_couplingType.GetValue(), kCouplingClutch);
    EXPECT_FALSE(doc.m_converterStall.IsSet());
    EXPECT_FALSE(doc.m_converterMultiplier.IsSet());

    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 205
    Command(doc, 33331);
    EXPECT_EQ(doc.m_vehicleClass.GetValue(), kClassAutomobile);
    ModalDriver::Instance().Answer("Warning!", IDOK);
    Command(doc, 33331);
    EXPECT_TRUE(doc.IsMotorcycle());
    Command(doc, 33403);  // primary ratio 1.90
    EXPECT_FLOAT_EQ(doc.m_primaryRatio.GetValue(), 1.90f);
    // Back to an automobile: the primary ratio is cleared, as 204 says.
    ModalDriver::Instance().Answer("Warning!", IDOK);
    Command(doc, 33520);
    EXPECT_FALSE(doc.IsMotorcycle());
    EXPECT_FALSE(doc.m_primaryRatio.IsSet());
    const std::vector<std::string> questions = QuestionTexts();
    ASSERT_EQ(questions.size(), 6u);
    EXPECT_EQ(questions[5].substr(0, 62),
              "You have selected a vehicle type categorized as\nan AUTOMOBILE.");
}

TEST_F(VehicleDocTest, TransmissionsTiresAndWeatherComeFromTheirRows) {
    CQuilletDoc& doc = *doc_;
    Command(doc, 33613);  // the 6-speed
    EXPECT_EQ(Text(doc.m_shiftType), "Syncromesh");
    EXPECT_EQ(doc.m_gearCount.GetValue(), 6);
    EXPECT_FLOAT_EQ(doc.m_gearRatio[5].GetValue(), 0.50f);
    Command(doc, 33640);  // the 2-speed automatic
    EXPECT_EQ(Text(doc.m_transmissionType), "GM Powerglide 1.82-Low 2-Speed");
    EXPECT_EQ(Text(doc.m_shiftType), "Planetary");
    EXPECT_EQ(doc.m_gearCount.GetValue(), 2);
    EXPECT_FLOAT_EQ(doc.m_gearRatio[0].GetValue(), 1.82f);
    EXPECT_FALSE(doc.m_gearRatio[2].IsSet());
    Command(doc, 33425);
    EXPECT_EQ(Text(doc.m_tireType), "Dragster");
    EXPECT_FLOAT_EQ(doc.m_tireDiameter.GetValue(), 32.0f);
    EXPECT_FLOAT_EQ(doc.m_wheelWidth.GetValue(), 15.5f);
    EXPECT_FLOAT_EQ(doc.m_tireGrowth.GetValue(), 25.0f);
    EXPECT_FLOAT_EQ(doc.m_tractionCoefficient.GetValue(), 3.5f);
    Command(doc, kCmdUnitsMetric);
    Command(doc, 33433);  // weather while metric units are shown
    EXPECT_EQ(Text(doc.m_weather), "High Altitude Mountain ");
    EXPECT_EQ(Text(doc.m_elevation), "2438.40");  // 8000 ft
    EXPECT_EQ(Text(doc.m_temperature), "10.0");    // 50 F
    EXPECT_EQ(Text(doc.m_barometer), "22.35");
}

TEST_F(VehicleDocTest, DrivingStylesFollowThePowerPeak) {
    CQuilletDoc& doc = *doc_;
    Command(doc, 33380);  // clutch
    Command(doc, 33601);  // four speeds
    CPowerCurve& curve = doc.m_powerCurve;
    curve.SetEntryMode(kEntryPower);
    curve.SetNumPoints(11);
    for (int i = 0; i < 11; ++i) {
        curve.RpmAt(i).SetValue(2000.0f + 500.0f * i);  // up to 7000 rpm
        curve.PowerAt(i).SetValue(i == 8 ? 400.0f : 200.0f);
        curve.ComputeTorqueFromPower(i);
    }
    curve.UpdatePeaksFromTable();
    ASSERT_FLOAT_EQ(curve.PeakPowerRpm().GetValue(), 6000.0f);

    Command(doc, 33442);  // Professional
    EXPECT_FLOAT_EQ(doc.m_redline.GetValue(), 6900.0f);
    EXPECT_FLOAT_EQ(doc.m_launchRpm.GetValue(), 6000.0f);
    for (int k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(doc.m_shiftRpm[k].GetValue(), 6600.0f) << k;
    EXPECT_FALSE(doc.m_shiftRpm[4].IsSet());
    EXPECT_FLOAT_EQ(doc.m_shiftTime.GetValue(), 0.01f);
    EXPECT_FLOAT_EQ(doc.m_rollout.GetValue(), 8.0f);

    curve.SetNumPoints(10);  // the table now ends at 6500 rpm
    Command(doc, 33442);
    EXPECT_FLOAT_EQ(doc.m_redline.GetValue(), 6500.0f);
    EXPECT_FLOAT_EQ(doc.m_shiftRpm[0].GetValue(), 6500.0f);
    EXPECT_FLOAT_EQ(doc.m_launchRpm.GetValue(), 6000.0f);

    // A preset engine: "Aggressive" on the street 350.
    Command(doc, 33452);
    Command(doc, 33441);
    EXPECT_FLOAT_EQ(doc.m_redline.GetValue(), 4400.0f);
    EXPECT_FLOAT_EQ(doc.m_launchRpm.GetValue(), 2800.0f);
    EXPECT_FLOAT_EQ(doc.m_shiftRpm[0].GetValue(), 4200.0f);
    EXPECT_FLOAT_EQ(doc.m_shiftTime.GetValue(), 0.10f);
    EXPECT_FLOAT_EQ(doc.m_rollout.GetValue(), 6.0f);
    // A converter launches at its stall speed.
    Command(doc, 33384);
    EXPECT_FLOAT_EQ(doc.m_launchRpm.GetValue(), 3000.0f);
}

TEST_F(VehicleDocTest, AStyleRpmBeyondTheFieldLimitIsLeftUnset) {
    CQuilletDoc& doc = *doc_;
    Command(doc, 33380);
    Command(doc, 33601);
    // Peaks only: no table to limit the style's rpms.
    doc.m_powerCurve.PeakPowerRpm().SetValue(13000.0f);
    Command(doc, 33442);
    EXPECT_FALSE(doc.m_redline.IsSet());  // 14950 rpm
    EXPECT_FLOAT_EQ(doc.m_shiftRpm[0].GetValue(), 14300.0f);
    EXPECT_FLOAT_EQ(doc.m_launchRpm.GetValue(), 13000.0f);
}

TEST_F(VehicleDocTest, AnEngineWhoseTableEndsBelowTheDrivingRpmsResetsThem) {
    ChooseStreetCarWithoutEngine(*doc_);
    CQuilletDoc& doc = *doc_;
    Command(doc, kCmdDrivingStyleFirst + 3 - 1);  // Professional needs the peak
    doc.m_drivingStyle.SetType(kDrivingStyleCustom, "Custom");
    doc.m_redline.SetValue(9000.0f);
    doc.m_launchRpm.SetValue(5000.0f);
    ModalDriver::Instance().Answer("Important!", IDOK);  // 64
    Command(doc, 33450);  // the street 2.2-litre four: up to 7500 rpm
    EXPECT_FALSE(doc.m_redline.IsSet());
    EXPECT_FALSE(doc.m_launchRpm.IsSet());
    ASSERT_EQ(QuestionTexts().size(), 1u);
}

TEST_F(VehicleDocTest, TheCustomEngineComesFromThePowerCurveEditor) {
    CQuilletDoc& doc = *doc_;
    std::string offered;
    host_.powerCurveDialog = [&offered](CPowerCurve& curve, CString& description) {
        offered = description;
        curve.LoadPresetEngine(10);
        description = "  My Engine  ";
        return true;
    };
    Command(doc, kCmdCustomEngine);
    EXPECT_EQ(offered, "Custom");
    EXPECT_EQ(Text(doc.m_engineType), "My Engine");
    EXPECT_EQ(doc.m_engineType.GetValue(), kEngineTypeCustom);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FLOAT_EQ(doc.m_powerCurve.GetPeakPower(), 400.0f);

    host_.powerCurveDialog = [&offered](CPowerCurve&, CString& description) {
        offered = description;
        description = "";
        return true;
    };
    Command(doc, kCmdCustomEngine);
    EXPECT_EQ(offered, "My Engine");
    EXPECT_EQ(Text(doc.m_engineType), "Custom");
}

TEST_F(VehicleDocTest, ChoicesAskAnOpenEditorToCommit) {
    host_.editorOpen = true;
    Command(*doc_, 33520);
    Command(*doc_, 33452);
    EXPECT_EQ(host_.commitsPosted, 2);
    EXPECT_TRUE(host_.posted.empty());  // the views refresh after the commit
    host_.editorOpen = false;
    Command(*doc_, 33452);
    ASSERT_EQ(host_.posted.size(), 1u);
    EXPECT_EQ(host_.posted[0].first, kMsgRepaintTimeSlip);
}

TEST_F(VehicleDocTest, UpdateHandlersCheckTheCurrentSettings) {
    struct RecordingCmdUI : CCmdUI {
        void SetCheck(int check) override { checked = check; }
        void Enable(BOOL on) override { enabled = on != FALSE; }
        int checked = -1;
        bool enabled = true;
    };
    const auto state = [this](UINT id) {
        RecordingCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(doc_.get(), FALSE);
        return ui;
    };
    EXPECT_EQ(state(kCmdQuarterMile).checked, 1);
    EXPECT_EQ(state(kCmdEighthMile).checked, 0);
    EXPECT_EQ(state(kCmdUnitsEnglish).checked, 1);
    EXPECT_EQ(state(kCmdAutoRun).checked, 1);
    Command(*doc_, kCmdAutoRun);
    EXPECT_EQ(state(kCmdAutoRun).checked, 0);
    EXPECT_TRUE(state(kCmdTractionCalculator).enabled);
}

TEST_F(VehicleDocTest, ACopyCarriesEverythingButIteratorsViewsAndSerial) {
    ChooseStreetCar(*doc_);
    doc_->SetTitle("Street.qlt");
    doc_->m_notes.ParseAndSet("two\nlines", false);
    Command(*doc_, kCmdUnitsMetric);
    ASSERT_GT(doc_->GetNumCurvePoints(), 0);
    std::unique_ptr<CQuilletDoc> copy = NewDoc();
    doc_->CopyVehicleTo(copy.get());
    EXPECT_EQ(std::string(copy->GetTitle()), "Street.qlt");
    EXPECT_EQ(copy->GetUnits(), 1);
    EXPECT_EQ(Text(copy->m_wheelbase), Text(doc_->m_wheelbase));
    EXPECT_EQ(Text(copy->m_engineType), "350ci V8--Street");
    EXPECT_EQ(Text(copy->m_notes), "two\nlines");
    EXPECT_EQ(copy->m_powerCurve.GetNumPoints(), 12);
    EXPECT_EQ(copy->GetNumCurvePoints(), doc_->GetNumCurvePoints());
    EXPECT_EQ(copy->GetResults().elapsedTime, doc_->GetResults().elapsedTime);
    EXPECT_NE(copy->GetSerial(), doc_->GetSerial());
}

// --- Validation -----------------------------------------------------------------

class ValidationTest : public VehicleDocTest {
protected:
    void SetUp() override {
        ChooseStreetCar(*doc_);
        ASSERT_EQ(ValidationCode(*doc_), 0);
    }
};

TEST_F(ValidationTest, EachMissingValueNamesItsCode) {
    const struct {
        void (*spoil)(CQuilletDoc&);
        short code;
    } cases[] = {
        {[](CQuilletDoc& d) { d.m_vehicleType.Clear(); }, 41},
        {[](CQuilletDoc& d) { d.m_weight.Clear(); }, 43},
        {[](CQuilletDoc& d) { d.m_wheelbase.Clear(); }, 44},
        {[](CQuilletDoc& d) { d.m_dragCoefficient.Clear(); }, 48},
        {[](CQuilletDoc& d) { d.m_engineType.Clear(); }, 1},
        {[](CQuilletDoc& d) { d.m_displacement.Clear(); }, 3},
        {[](CQuilletDoc& d) { d.m_powerCurve.PeakTorque().Clear(); }, 6},
        {[](CQuilletDoc& d) { d.m_transmissionType.Clear(); }, 14},
        {[](CQuilletDoc& d) { d.m_gearCount.Clear(); }, 16},
        {[](CQuilletDoc& d) { d.m_gearRatio[2].Clear(); }, 23},
        {[](CQuilletDoc& d) { d.m_rearAxleRatio.Clear(); }, 27},
        {[](CQuilletDoc& d) { d.m_tireType.Clear(); }, 49},
        {[](CQuilletDoc& d) { d.m_tireDiameter.Clear(); }, 53},
        {[](CQuilletDoc& d) { d.m_drivingStyle.Clear(); }, 54},
        {[](CQuilletDoc& d) { d.m_redline.Clear(); }, 55},
        {[](CQuilletDoc& d) { d.m_shiftTime.Clear(); }, 56},
        {[](CQuilletDoc& d) { d.m_rollout.Clear(); }, 57},
        {[](CQuilletDoc& d) { d.m_launchRpm.Clear(); }, 58},
        {[](CQuilletDoc& d) { d.m_launchRpm.SetValue(4500.0f); }, 104},
        {[](CQuilletDoc& d) { d.m_shiftRpm[2].Clear(); }, 61},
        {[](CQuilletDoc& d) { d.m_shiftRpm[1].SetValue(4500.0f); }, 106},
        {[](CQuilletDoc& d) { d.m_redline.SetValue(8000.0f); }, 65},
        {[](CQuilletDoc& d) { d.m_weather.Clear(); }, 72},
        {[](CQuilletDoc& d) { d.m_elevation.Clear(); }, 75},
        {[](CQuilletDoc& d) { d.m_wind.Clear(); }, 76},
        {[](CQuilletDoc& d) { d.m_temperature.Clear(); }, 77},
    };
    for (const auto& spoiled : cases) {
        std::unique_ptr<CQuilletDoc> copy = NewDoc();
        doc_->CopyVehicleTo(copy.get());
        spoiled.spoil(*copy);
        EXPECT_EQ(ValidationCode(*copy), spoiled.code);
    }
    // The barometer follows from the elevation and is not checked.
    doc_->m_barometer.Clear();
    EXPECT_EQ(ValidationCode(*doc_), 0);
}

TEST_F(ValidationTest, GearRatiosMustDescendByAboutOneHundredth) {
    const float ratios[][4] = {{2.52f, 2.52f, 1.47f, 1.00f}, {2.52f, 1.88f, 1.47f, 1.00f},
                               {2.52f, 1.88f, 1.88f, 1.00f}, {1.00f, 1.88f, 1.47f, 1.00f}};
    const short expected[] = {29, 0, 30, 29};
    for (int set = 0; set < 4; ++set) {
        for (int k = 0; k < 4; ++k) doc_->m_gearRatio[k].SetValue(ratios[set][k]);
        EXPECT_EQ(ValidationCode(*doc_), expected[set]) << "set " << set;
    }
    // A gear without a ratio is skipped by its neighbours' check.
    doc_->m_gearRatio[1].Clear();
    EXPECT_EQ(ValidationCode(*doc_), 22);
}

TEST_F(ValidationTest, TheFirstShiftMustNotLieFarBelowTheLaunch) {
    doc_->m_launchRpm.SetValue(3000.0f);
    doc_->m_shiftRpm[0].SetValue(2600.0f);
    EXPECT_EQ(ValidationCode(*doc_), 110);
    doc_->m_shiftRpm[0].SetValue(2700.0f);
    EXPECT_EQ(ValidationCode(*doc_), 0);
}

TEST_F(ValidationTest, ConverterStallAgainstRedlineAndLaunch) {
    ChooseStreetCarWithConverter(*doc_);
    ASSERT_EQ(ValidationCode(*doc_), 0);
    doc_->m_converterStall.SetValue(4395.0f);
    EXPECT_EQ(ValidationCode(*doc_), 102);
    doc_->m_converterStall.SetValue(2000.0f);
    EXPECT_EQ(ValidationCode(*doc_), 103);
    doc_->m_converterSlippage.Clear();
    EXPECT_EQ(ValidationCode(*doc_), 20);
}

TEST_F(ValidationTest, AMotorcycleNeedsItsPrimaryAndFinalDrive) {
    ModalDriver::Instance().Answer("Warning!", IDOK);
    Command(*doc_, 33331);
    EXPECT_EQ(ValidationCode(*doc_), 28);
    Command(*doc_, 33400);
    EXPECT_EQ(ValidationCode(*doc_), 0);
    doc_->m_rearAxleRatio.Clear();
    EXPECT_EQ(ValidationCode(*doc_), 27);
}

TEST_F(ValidationTest, ATypedCouplingOrShiftTypeIsASelectionStillMissing) {
    // A typed part name takes the list's last index, which for these two is
    // the jets' placeholder.
    ASSERT_TRUE(doc_->m_couplingType.ParseAndSet("Home-made clutch", false));
    EXPECT_EQ(ValidationCode(*doc_), 17);
    Command(*doc_, 33380);  // a clutch
    ASSERT_TRUE(doc_->m_shiftType.ParseAndSet("Sequential", false));
    EXPECT_EQ(ValidationCode(*doc_), 15);
}

TEST_F(VehicleDocTest, AJetNeedsNoDrivetrainTiresOrEngineSpeeds) {
    ChooseJetDragster(*doc_);
    EXPECT_EQ(ValidationCode(*doc_), 0);
    doc_->m_rollout.Clear();
    EXPECT_EQ(ValidationCode(*doc_), 57);
    doc_->m_rollout.SetValue(0.0f);
    doc_->m_wind.Clear();
    EXPECT_EQ(ValidationCode(*doc_), 76);
}

// --- Typed values -----------------------------------------------------------------

class TypedValueTest : public ValidationTest {
protected:
    int Commit(CSimSpec& field, const char* text) { return doc_->CommitEditedText(field, text); }
};

TEST_F(TypedValueTest, AValueWithoutConflictIsStoredAndMakesTheStyleCustom) {
    EXPECT_EQ(Commit(doc_->m_redline, "4500"), 0);
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 4500.0f);
    EXPECT_EQ(Text(doc_->m_drivingStyle), "Custom");
    EXPECT_EQ(Commit(doc_->m_redline, "abc"), 1);
    EXPECT_EQ(Commit(doc_->m_weight, "3500"), 0);
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
}

TEST_F(TypedValueTest, AnAcceptedCorrectionStoresTheCorrectedValue) {
    // The street 350's table ends at 7500 rpm.
    ModalDriver::Instance().Answer("Warning!", IDOK);  // 215
    EXPECT_EQ(Commit(doc_->m_redline, "9000"), 0);
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 7500.0f);

    ModalDriver::Instance().Answer("Warning!", IDOK);  // 209: below the shifts
    EXPECT_EQ(Commit(doc_->m_redline, "3000"), 0);
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 4200.0f);

    doc_->m_redline.SetValue(5000.0f);
    ModalDriver::Instance().Answer("Warning!", IDOK);  // 211: launch above first shift + 300
    EXPECT_EQ(Commit(doc_->m_launchRpm, "4600"), 0);
    EXPECT_FLOAT_EQ(doc_->m_launchRpm.GetValue(), 4500.0f);

    ModalDriver::Instance().Answer("Warning!", IDOK);  // 214: first shift too low
    EXPECT_EQ(Commit(doc_->m_shiftRpm[0], "3000"), 0);
    EXPECT_FLOAT_EQ(doc_->m_shiftRpm[0].GetValue(), 4200.0f);
}

TEST_F(TypedValueTest, ACancelledQuestionRefusesTheValueAndKeepsTheStyle) {
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 215
    EXPECT_EQ(Commit(doc_->m_redline, "9000"), 2);
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 4400.0f);
    EXPECT_EQ(Text(doc_->m_drivingStyle), "Aggressive");
}

TEST_F(TypedValueTest, AValueThatOnlyRaisesANoticeIsStored) {
    ChooseStreetCarWithConverter(*doc_);  // stall 2400, shift 4200, redline 4400
    ModalDriver::Instance().Answer("Important!", IDOK);  // notice 104
    EXPECT_EQ(Commit(doc_->m_shiftRpm[0], "2400"), 0);
    EXPECT_FLOAT_EQ(doc_->m_shiftRpm[0].GetValue(), 2400.0f);
    ModalDriver::Instance().Answer("Important!", IDOK);  // notice 103: above the 2-3 shift
    EXPECT_EQ(Commit(doc_->m_converterStall, "4300"), 0);
    EXPECT_FLOAT_EQ(doc_->m_converterStall.GetValue(), 4300.0f);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 2u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[1].caption, "Important!");
}

TEST_F(TypedValueTest, StallAboveTheRedlineRaisesTheRedline) {
    ChooseStreetCarWithConverter(*doc_);
    ModalDriver::Instance().Answer("Warning!", IDOK);      // 210
    ModalDriver::Instance().Answer("Important!", IDOK);  // notice 103
    EXPECT_EQ(Commit(doc_->m_converterStall, "4395"), 0);
    EXPECT_FLOAT_EQ(doc_->m_converterStall.GetValue(), 4395.0f);
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 4415.0f);
}

TEST_F(TypedValueTest, AGearRatioOutOfOrderIsRefusedWithItsError) {
    ModalDriver::Instance().Answer("Gear Ratio Error Constraint", IDOK);
    EXPECT_EQ(Commit(doc_->m_gearRatio[1], "2.60"), 2);
    EXPECT_FLOAT_EQ(doc_->m_gearRatio[1].GetValue(), 1.88f);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text.substr(0, 47),
              "The Transmission Second Gear Ratio is too high.");
    EXPECT_EQ(Commit(doc_->m_gearRatio[1], "2.00"), 0);
}

}  // namespace

}  // namespace quillet
