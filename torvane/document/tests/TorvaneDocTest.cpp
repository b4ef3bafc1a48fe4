// The engine document's fields, defaults, component commands, change
// confirmations, copies, serial numbers and the shell services it calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/tests/FieldTestSupport.h"
#include "testing/ModalDriver.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

std::string PartName(const CPartTypeSpec& field) {
    return field.GetTypeName().GetString();
}

TEST_F(TorvaneDocTest, ANewDocumentHasOnlyItsFuelAndNoBlower) {
    CTorvaneDoc doc;
    const CSimSpec* unset[] = {&doc.shortBlockType,
                               &doc.bore,
                               &doc.stroke,
                               &doc.cylinders,
                               &doc.cylinderVolume,
                               &doc.totalBlockVolume,
                               &doc.cylinderHeadType,
                               &doc.airflowFile,
                               &doc.intakeValvesPerCylinder,
                               &doc.exhaustValvesPerCylinder,
                               &doc.intakeValveDiameter,
                               &doc.exhaustValveDiameter,
                               &doc.compressionRatio,
                               &doc.combustionSpace,
                               &doc.inductionFlow,
                               &doc.pressureDrop,
                               &doc.manifoldType,
                               &doc.blowerFlowRate,
                               &doc.blowerPressureRatio,
                               &doc.blowerEfficiency,
                               &doc.blowerRpm,
                               &doc.blowerSurgeFlowRate,
                               &doc.blowerInternalGearRatio,
                               &doc.blowerBeltGearRatio,
                               &doc.blowerBoostLimit,
                               &doc.intercoolerEfficiency,
                               &doc.exhaustSystem,
                               &doc.camDataFile,
                               &doc.chamberVolume,
                               &doc.gasketBore,
                               &doc.gasketThickness,
                               &doc.pistonDistance,
                               &doc.pistonDeckVolume,
                               &doc.gasketVolume,
                               &doc.deckVolume,
                               &doc.notes,
                               &doc.cam.camshaftType,
                               &doc.cam.intakeLift,
                               &doc.cam.primary.ivo};
    for (const CSimSpec* field : unset) EXPECT_FALSE(field->IsSet()) << field->GetName();
    EXPECT_TRUE(doc.fuelType.IsValid());
    EXPECT_EQ(1, doc.fuelType.GetValue());
    EXPECT_EQ("Gasoline", PartName(doc.fuelType));
    EXPECT_TRUE(doc.nitrousFlowRate.IsValid());
    EXPECT_EQ(0.0f, doc.nitrousFlowRate.GetValue());
    EXPECT_EQ(1, doc.forcedInductionType.GetValue());
    EXPECT_EQ("None", PartName(doc.forcedInductionType));
    EXPECT_EQ(0, doc.GetForcedInductionKind());
    EXPECT_EQ(0.1f, doc.blowerFlowRate.GetValue());  // reset to the lower limit
    EXPECT_TRUE(doc.IsAutoRun());
    EXPECT_FALSE(doc.IsAutoValveSizes());
    EXPECT_EQ(0, doc.GetUnitsMode());
    EXPECT_EQ(2, doc.GetPistonMethod());
    EXPECT_FALSE(doc.HasResults());
    EXPECT_EQ(nullptr, doc.GetCoarseIterator());
    EXPECT_TRUE(doc.AreSweepResultsInvalidated());
    EXPECT_EQ(4, doc.headFlow.GetNumPoints());
    EXPECT_EQ(3.0f, doc.cam.rampRate.GetValue());
    EXPECT_TRUE(doc.cam.advance.IsValid());
}

TEST_F(TorvaneDocTest, AShortBlockStoresEnglishValuesWhileMetricIsShown) {
    CTorvaneDoc doc;
    doc.SetUnitsMode(1);
    SendCommand(doc, 33135);
    EXPECT_EQ("Chevy 350", PartName(doc.shortBlockType));
    EXPECT_EQ(36, doc.shortBlockType.GetValue());
    EXPECT_EQ("101.60 mm", Shown(doc.bore));
    EXPECT_EQ("88.39 mm", Shown(doc.stroke));
    EXPECT_EQ(8, doc.cylinders.GetValue());
    doc.SetUnitsMode(0);
    EXPECT_FLOAT_EQ(4.0f, doc.bore.GetValue());
    EXPECT_FLOAT_EQ(3.48f, doc.stroke.GetValue());
}

TEST_F(TorvaneDocTest, DerivedVolumesFollowTheBlockAndCompression) {
    CTorvaneDoc doc;
    doc.SetAutoRun(false);
    SendCommand(doc, 33135);
    SendCommand(doc, 33468);  // compression 10
    doc.RecomputeDerived();
    EXPECT_FLOAT_EQ(716.62f, doc.cylinderVolume.GetValue());
    EXPECT_NEAR(349.85f, doc.totalBlockVolume.GetValue(), 0.01f);
    EXPECT_FLOAT_EQ(79.62f, doc.combustionSpace.GetValue());
    doc.SetUnitsMode(1);
    EXPECT_NEAR(5732.98f, doc.totalBlockVolume.GetValue(), 0.05f);

    // No short-block choice: no volumes.
    CTorvaneDoc typed;
    typed.SetAutoRun(false);
    typed.bore.SetValue(4.0f);
    typed.stroke.SetValue(3.48f);
    typed.cylinders.SetValue(8);
    typed.RecomputeDerived();
    EXPECT_FALSE(typed.cylinderVolume.IsSet());
}

TEST_F(TorvaneDocTest, CompressorRowsSetTheValuesOfTheirKind) {
    CTorvaneDoc doc;
    SendCommand(doc, 33010);  // "Roots- B&&M 144 Powercharger"
    EXPECT_EQ(3, doc.GetForcedInductionKind());
    EXPECT_EQ(47, doc.forcedInductionType.GetValue());
    EXPECT_EQ(144.0f, doc.blowerFlowRate.GetValue());
    EXPECT_EQ(55.0f, doc.blowerEfficiency.GetValue());
    EXPECT_EQ(1.0f, doc.blowerBeltGearRatio.GetValue());
    EXPECT_EQ(10.0f, doc.blowerBoostLimit.GetValue());
    for (const CFloatPtSpec* field : {&doc.blowerPressureRatio, &doc.blowerRpm,
                                      &doc.blowerSurgeFlowRate, &doc.blowerInternalGearRatio})
        EXPECT_FALSE(field->IsSet()) << field->GetName();

    // A turbocharger keeps the boost limit already chosen.
    doc.blowerBoostLimit.SetValue(14.0f);
    SendCommand(doc, 32965);  // "Turbo- Air Research TB301"
    EXPECT_EQ(1, doc.GetForcedInductionKind());
    EXPECT_EQ(245.0f, doc.blowerFlowRate.GetValue());
    EXPECT_EQ(1.8f, doc.blowerPressureRatio.GetValue());
    EXPECT_EQ(105.0f, doc.blowerSurgeFlowRate.GetValue());
    EXPECT_EQ(14.0f, doc.blowerBoostLimit.GetValue());
    EXPECT_FALSE(doc.blowerBeltGearRatio.IsSet());
    EXPECT_FALSE(doc.blowerRpm.IsSet());

    SendCommand(doc, 32998);  // "Custom Turbo": type, name and kind only
    EXPECT_EQ("Custom Turbo", PartName(doc.forcedInductionType));
    EXPECT_EQ(1, doc.GetForcedInductionKind());
    for (const CFloatPtSpec* field :
         {&doc.blowerFlowRate, &doc.blowerPressureRatio, &doc.blowerEfficiency, &doc.blowerRpm,
          &doc.blowerSurgeFlowRate, &doc.blowerInternalGearRatio, &doc.blowerBeltGearRatio})
        EXPECT_FALSE(field->IsSet()) << field->GetName();
    EXPECT_TRUE(doc.blowerBoostLimit.IsValid());

    SendCommand(doc, 33315);  // intercooler 50 %
    EXPECT_EQ(50.0f, doc.intercoolerEfficiency.GetValue());
    SendCommand(doc, 33310);  // 0 %: no intercooler
    EXPECT_FALSE(doc.intercoolerEfficiency.IsSet());
}

TEST_F(TorvaneDocTest, HeadsBringTheirFlowDataAndValveCounts) {
    CTorvaneDoc doc;
    doc.airflowFile.ParseAndSet("C:\\Heads\\old.flw", false);
    ModalDriver::Instance().Answer("Important!", IDOK);  // 4 valves: warning 104
    SendCommand(doc, 32808);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(0u, ModalDriver::Instance().Boxes()[0].text.find("4-Valve heads use two intake"));
    EXPECT_EQ("4-Valve Head/Stock Ports And Valves", PartName(doc.cylinderHeadType));
    EXPECT_EQ(2, doc.intakeValvesPerCylinder.GetValue());
    EXPECT_EQ(2, doc.exhaustValvesPerCylinder.GetValue());
    EXPECT_EQ(8, doc.headFlow.GetNumPoints());
    EXPECT_FALSE(doc.airflowFile.IsSet());

    SendCommand(doc, 32798);  // two valves: no warning
    SendCommand(doc, 32914);  // intake 1, exhaust 1
    ModalDriver::Instance().Answer("Important!", IDOK);
    SendCommand(doc, 32917);  // exhaust 2: three valves, warning 103
    EXPECT_EQ(2, doc.exhaustValvesPerCylinder.GetValue());
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(0u, ModalDriver::Instance().Boxes()[1].text.find("3-Valve heads"));
}

TEST_F(TorvaneDocTest, CustomHeadTakesTheNameOfItsFlowData) {
    CTorvaneDoc doc;
    std::string description = "  My Ported Head ";
    bool accept = true;
    ComponentDialogs dialogs;
    dialogs.editAirflow = [&](CylHeadFlow& flow, CFileSpec& file) {
        if (!accept) return false;
        flow.LoadPreset(14);
        flow.SetDescription(description.c_str());
        file.ParseAndSet("C:\\Heads\\ported.flw", false);
        return true;
    };
    InstallComponentDialogs(dialogs);
    doc.SetAutoValveSizes(true);
    SendCommand(doc, 32811);
    EXPECT_EQ(17, doc.cylinderHeadType.GetValue());
    EXPECT_EQ("My Ported Head", PartName(doc.cylinderHeadType));
    EXPECT_FALSE(doc.IsAutoValveSizes());
    EXPECT_EQ(2, doc.intakeValvesPerCylinder.GetValue());
    EXPECT_TRUE(doc.airflowFile.IsValid());

    description = "Wedge/Stock Ports And Valves";  // a built-in head's name
    SendCommand(doc, 32811);
    EXPECT_EQ("Custom Airflow", PartName(doc.cylinderHeadType));

    accept = false;  // Cancel changes nothing
    SendCommand(doc, 32798);
    SendCommand(doc, 32811);
    EXPECT_EQ(4, doc.cylinderHeadType.GetValue());
    InstallComponentDialogs(ComponentDialogs());
}

TEST_F(TorvaneDocTest, ManifoldChoicesWarnAndCompleteTheExhaust) {
    CTorvaneDoc doc;
    ModalDriver::Instance().Answer("Important!", IDOK);  // warning 105
    SendCommand(doc, 33513);
    EXPECT_EQ(4, doc.manifoldType.GetValue());
    EXPECT_EQ(1u, ModalDriver::Instance().Boxes().size());

    SendCommand(doc, 33516);  // forced induction without an exhaust
    EXPECT_EQ(7, doc.manifoldType.GetValue());
    EXPECT_EQ("Stock Manifolds And Mufflers", PartName(doc.exhaustSystem));
    SendCommand(doc, 32867);
    SendCommand(doc, 33516);
    EXPECT_EQ(7, doc.exhaustSystem.GetValue());
}

TEST_F(TorvaneDocTest, CamTypesSetASeatToSeatCam) {
    CTorvaneDoc doc;
    doc.camDataFile.ParseAndSet("C:\\Cams\\old.cam", false);
    doc.cam.SetMoreAccurateRampRate(true);
    SendCommand(doc, 32893);  // "Dual Purpose Street/Track"
    const Cam& cam = doc.cam;
    EXPECT_EQ("Dual Purpose Street/Track", PartName(cam.camshaftType));
    EXPECT_EQ(kSeatToSeat, cam.primary.method.GetValue());
    EXPECT_EQ(34.0f, cam.primary.ivo.GetValue());
    EXPECT_EQ(66.0f, cam.primary.ivc.GetValue());
    EXPECT_EQ(77.0f, cam.primary.evo.GetValue());
    EXPECT_EQ(29.0f, cam.primary.evc.GetValue());
    EXPECT_FALSE(cam.alternate.method.IsSet());
    EXPECT_EQ(0.608f, cam.intakeLift.GetValue());
    EXPECT_EQ(0.614f, cam.exhaustLift.GetValue());
    EXPECT_EQ(3.9f, cam.rampRate.GetValue());
    EXPECT_EQ(0.0f, cam.advance.GetValue());
    EXPECT_FALSE(cam.GetMoreAccurateRampRate());
    EXPECT_EQ("Roller Solid", PartName(cam.lifterType));
    EXPECT_FALSE(doc.camDataFile.IsSet());

    SendCommand(doc, 33490);  // advance -5
    SendCommand(doc, 33436);  // ramp rate 2.0
    SendCommand(doc, 33445);  // "Hydraulic"
    EXPECT_EQ(-5.0f, cam.advance.GetValue());
    EXPECT_EQ(2.0f, cam.rampRate.GetValue());
    EXPECT_EQ(1, cam.lifterType.GetValue());
}

TEST_F(TorvaneDocTest, CustomCamTypeTakesTheEnteredName) {
    CTorvaneDoc doc;
    std::string entered = "Lumpy Grind";
    ComponentDialogs dialogs;
    dialogs.chooseCamTypeName = [&](const char*, CString& name) {
        name = entered.c_str();
        return true;
    };
    InstallComponentDialogs(dialogs);
    SendCommand(doc, 32897);
    EXPECT_EQ(7, doc.cam.camshaftType.GetValue());
    EXPECT_EQ("Lumpy Grind", PartName(doc.cam.camshaftType));
    entered = "";
    SendCommand(doc, 32897);
    EXPECT_EQ("Custom Cam Type", PartName(doc.cam.camshaftType));
    InstallComponentDialogs(ComponentDialogs());
}

TEST_F(TorvaneDocTest, TimingMethodChangesWarnAndKeepBothEventSets) {
    CTorvaneDoc doc;
    SendCommand(doc, 32900);  // first choice: no warning
    EXPECT_EQ(0u, ModalDriver::Instance().Boxes().size());
    SendCommand(doc, 32891);
    doc.cam.alternate.method.SetType(kFiftyThou, "0.050-inch");
    doc.cam.alternate.ivo.SetValue(5.0f);
    ModalDriver::Instance().Answer("Important!", IDOK);
    SendCommand(doc, 32901);  // warning 102
    EXPECT_EQ(kFiftyThou, doc.cam.primary.method.GetValue());
    EXPECT_EQ(5.0f, doc.cam.primary.ivo.GetValue());
    EXPECT_EQ(20.0f, doc.cam.alternate.ivo.GetValue());
    ModalDriver::Instance().Answer("Important!", IDOK);
    SendCommand(doc, 32900);  // warning 101
    EXPECT_EQ(kSeatToSeat, doc.cam.primary.method.GetValue());
    EXPECT_EQ(20.0f, doc.cam.primary.ivo.GetValue());
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("TO 0.050-inch"));
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("TO Seat-To-Seat"));
}

TEST_F(TorvaneDocTest, ValueCommandsStoreTheirValues) {
    CTorvaneDoc doc;
    doc.SetAutoValveSizes(true);
    doc.cam.SetAutoValveLift(true);
    struct Case {
        UINT id;
        const CFloatPtSpec* field;
        float value;
    };
    const Case cases[] = {
        {33057, &doc.intakeValveDiameter, 2.5f}, {33058, &doc.exhaustValveDiameter, 1.0f},
        {33081, &doc.cam.intakeLift, 0.8f},      {33082, &doc.cam.exhaustLift, 0.3f},
        {33484, &doc.compressionRatio, 18.0f},   {32860, &doc.inductionFlow, 1100.0f},
        {32860, &doc.pressureDrop, 1.5f},        {32844, &doc.pressureDrop, 3.0f},
        {33326, &doc.pressureDrop, 1.5f},        {33327, &doc.pressureDrop, 3.0f},
        {32832, &doc.nitrousFlowRate, 16.0f},
    };
    for (const Case& c : cases) {
        SendCommand(doc, c.id);
        EXPECT_FLOAT_EQ(c.value, c.field->GetValue()) << c.id;
    }
    EXPECT_FALSE(doc.IsAutoValveSizes());
    EXPECT_FALSE(doc.IsAutoValveLift());
    EXPECT_EQ("Gasoline/Nitrous", PartName(doc.fuelType));
}

TEST_F(TorvaneDocTest, CompressionCalculatorDataIsGivenUpOnlyWithConsent) {
    CTorvaneDoc doc;
    SendCommand(doc, 33135);
    doc.SetCompressionCalculatorUsed(true);
    doc.SetPistonMethod(1);
    doc.chamberVolume.SetValue(64.0f);

    ModalDriver::Instance().Answer("Warning!", IDCANCEL);
    EXPECT_FALSE(doc.ConfirmSpecChange(doc.bore));  // 203, cancelled
    EXPECT_TRUE(doc.IsCompressionCalculatorUsed());
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);
    SendCommand(doc, 33470);  // compression 11: 202, cancelled
    EXPECT_FALSE(doc.compressionRatio.IsSet());
    EXPECT_NE(std::string::npos,
              ModalDriver::Instance().Boxes()[1].text.find("new Compression Ratio value"));

    EXPECT_TRUE(doc.ConfirmSpecChange(doc.cylinders));  // no question for other fields
    ModalDriver::Instance().Answer("Warning!", IDOK);
    EXPECT_TRUE(doc.ConfirmSpecChange(doc.stroke));
    EXPECT_NE(std::string::npos,
              ModalDriver::Instance().Boxes()[2].text.find("cylinder-bore or crankshaft-stroke"));
    EXPECT_FALSE(doc.IsCompressionCalculatorUsed());
    EXPECT_EQ(2, doc.GetPistonMethod());
    EXPECT_FALSE(doc.chamberVolume.IsSet());
}

TEST_F(TorvaneDocTest, SweepResultsAreGivenUpOnlyWithConsent) {
    CTorvaneDoc doc;
    doc.CreateIterators();
    doc.GetCoarseIterator()->SetHasResults(true);
    doc.SetSweepResultsInvalidated(false);

    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 205
    SendCommand(doc, 32834);                               // "Ethanol"
    EXPECT_EQ(1, doc.fuelType.GetValue());
    EXPECT_FALSE(doc.AreSweepResultsInvalidated());

    ModalDriver::Instance().Answer("Warning!", IDOK);
    SendCommand(doc, 32834);
    EXPECT_EQ(19, doc.fuelType.GetValue());
    EXPECT_TRUE(doc.AreSweepResultsInvalidated());
    SendCommand(doc, 32835);  // asked once only
    EXPECT_EQ(2u, ModalDriver::Instance().Boxes().size());
}

TEST_F(TorvaneDocTest, ClearComponentsRestoresTheDefaultsInTheShownUnits) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.SetUnitsMode(1);
    doc.SetModifiedFlag(TRUE);
    SendCommand(doc, 57632);
    EXPECT_FALSE(doc.shortBlockType.IsSet());
    EXPECT_FALSE(doc.cam.camshaftType.IsSet());
    EXPECT_EQ(1, doc.GetUnitsMode());
    EXPECT_TRUE(doc.bore.IsAltUnit());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ("Gasoline", PartName(doc.fuelType));
}

TEST_F(TorvaneDocTest, CopyEngineToCarriesTheEngineAndSixCurves) {
    CTorvaneDoc source;
    BuildPaxtonChevy350(source);
    source.SetTitle("Blown 350.tvn");
    source.SetAutoValveSizes(true);
    source.notes.ParseAndSet("ported heads", false);
    ASSERT_TRUE(source.RunSimulation(true, true));
    source.SetUnitsMode(1);

    CTorvaneDoc copy;
    source.CopyEngineTo(copy);
    EXPECT_EQ("Blown 350.tvn", std::string(copy.GetTitle().GetString()));
    EXPECT_EQ("Chevy 350", PartName(copy.shortBlockType));
    EXPECT_EQ(source.bore.GetValue(), copy.bore.GetValue());
    EXPECT_EQ(2, copy.GetForcedInductionKind());
    EXPECT_EQ(4.4f, copy.blowerInternalGearRatio.GetValue());
    EXPECT_EQ(8, copy.headFlow.GetNumPoints());
    EXPECT_EQ(source.cam.primary.ivc.GetValue(), copy.cam.primary.ivc.GetValue());
    EXPECT_EQ(std::string("ported heads"), copy.notes.GetText().GetString());
    EXPECT_EQ(1, copy.GetUnitsMode());
    EXPECT_TRUE(copy.IsAutoValveSizes());
    EXPECT_NE(source.GetSerial(), copy.GetSerial());
    for (int type : {1, 2, 3, 4, 5, 7})
        for (int i = 0; i < kResultPointCount; ++i)
            EXPECT_EQ(source.GetCurvePoint(type, i), copy.GetCurvePoint(type, i)) << type;
    for (int type : {6, 8, 9, 10, 11, 12, 13, 14, 15, 16})
        for (int i = 0; i < kResultPointCount; ++i) EXPECT_EQ(0.0f, copy.GetCurvePoint(type, i));
}

TEST_F(TorvaneDocTest, SerialNumbersAreUniqueAndOpenDocumentsAreKnown) {
    CWinApp app("TorvaneDocTest");
    auto* docTemplate = new CMultiDocTemplate(0, RUNTIME_CLASS(CTorvaneDoc), nullptr, nullptr);
    app.AddDocTemplate(docTemplate);

    TorvaneDocClearLastCreated();
    CDocument* opened = docTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, opened);
    CTorvaneDoc* doc = TorvaneDocGetLastCreated();
    ASSERT_EQ(opened, doc);
    const int serial = doc->GetSerial();
    EXPECT_TRUE(TorvaneDocIsValid(doc));
    EXPECT_TRUE(TorvaneDocIsOpen(doc, serial));
    EXPECT_FALSE(TorvaneDocIsOpen(doc, serial + 1));

    CTorvaneDoc loose;  // not held by a template: a sweep's own document
    EXPECT_NE(serial, loose.GetSerial());
    EXPECT_FALSE(TorvaneDocIsValid(&loose));
    EXPECT_FALSE(TorvaneDocIsValid(nullptr));

    doc->OnCloseDocument();
    EXPECT_FALSE(TorvaneDocIsOpen(doc, serial));
    EXPECT_EQ(nullptr, TorvaneDocGetLastCreated());
}

// A window that only receives posted messages.
class MessageWindow {
public:
    MessageWindow() {
        wnd_.Attach(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr));
    }
    ~MessageWindow() { DestroyWindow(wnd_.Detach()); }
    CWnd* Wnd() { return &wnd_; }
    // The posted messages of that number, with their wParam.
    std::vector<WPARAM> Take(UINT message) {
        std::vector<WPARAM> taken;
        MSG posted;
        while (PeekMessageA(&posted, wnd_.GetSafeHwnd(), message, message, PM_REMOVE))
            taken.push_back(posted.wParam);
        return taken;
    }

private:
    CWnd wnd_;
};

TEST_F(TorvaneDocTest, AnOpenFieldEditorIsAskedToCommit) {
    MessageWindow editor;
    FieldEditorRegister(editor.Wnd());
    CTorvaneDoc doc;
    doc.SetAutoRun(false);
    SendCommand(doc, 32798);  // a head with an editor open: commit, no recompute
    SendCommand(doc, 33135);
    FieldEditorUnregister(editor.Wnd());
    EXPECT_EQ(2u, editor.Take(kMsgCommitFieldEditor).size());
    EXPECT_FALSE(doc.cylinderVolume.IsSet());
    SendCommand(doc, 33136);  // no editor: nothing posted
    EXPECT_TRUE(editor.Take(kMsgCommitFieldEditor).empty());
}

class FormView : public CView {};

TEST_F(TorvaneDocTest, ADocumentWithAFormViewTellsTheMainFrameItCloses) {
    CWinApp app("TorvaneDocTest");
    MessageWindow frame;
    app.m_pMainWnd = frame.Wnd();
    FormView form;
    for (bool withForm : {false, true}) {
        auto* doc = new CTorvaneDoc;
        if (withForm) doc->SetViewPointer(kFormViewSlot, &form);
        const WPARAM address = reinterpret_cast<WPARAM>(doc);
        delete doc;
        const std::vector<WPARAM> posted = frame.Take(kMsgDocumentClosing);
        EXPECT_EQ(withForm ? std::vector<WPARAM>{address} : std::vector<WPARAM>{}, posted);
    }
    app.m_pMainWnd = nullptr;
}

TEST_F(TorvaneDocTest, TheUnitsCommandsSwitchAndCheck) {
    CTorvaneDoc doc;
    SendCommand(doc, 33135);
    SendCommand(doc, 32872);
    EXPECT_EQ(1, doc.GetUnitsMode());
    EXPECT_EQ("101.60 mm", Shown(doc.bore));
    SendCommand(doc, 32871);
    EXPECT_EQ("4.000 in", Shown(doc.bore));
}

}  // namespace

}  // namespace torvane
