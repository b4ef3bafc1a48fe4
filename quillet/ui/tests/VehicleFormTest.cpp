// The vehicle form of the running program, driven as a user drives it: the
// fields of a new vehicle, the field editor opened on a label, typed values
// committed or refused, choices from the choice menus, the enabling rules
// that follow, the panels in both colour schemes, and a vehicle typed in,
// given an engine from an engine file and run into the time slip.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "DrawnText.h"
#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "common/ui/tests/FieldEditing.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/ChoiceMenus.h"
#include "quillet/ui/QuilletSpecsFormView.h"
#include "quillet/ui/TimeSlipWnd.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ControlText;
using testing_harness::DrawnText;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;

// The engine file of the tests' data, found from the folder the tests start
// in (a file dialog changes the current folder afterwards).
const std::string& EngineDataFile() {
    static const std::string path = [] {
        char full[MAX_PATH] = {};
        ::GetFullPathNameA("data\\chevy350.tvn", MAX_PATH, full, nullptr);
        return std::string(full);
    }();
    return path;
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Each test works on a new vehicle in its own window.
class VehicleFormTest : public RunningQuilletTest {
protected:
    static void SetUpTestSuite() {
        EngineDataFile();
        RunningQuilletTest::SetUpTestSuite();
    }
    void SetUp() override {
        RunningQuilletTest::SetUp();
        AppColorsSetScheme(1);
        if (doc_ != nullptr) doc_->SetModifiedFlag(FALSE);
        FrameCommand(ID_FILE_NEW);
        RunningQuilletTest::SetUp();
        Child()->GetLeftTabs()->ActivateTabAt(0);
        PumpPending();
        CWnd* shown = Child()->GetLeftTabs()->GetActiveWnd();
        ASSERT_TRUE(shown != nullptr && shown->IsKindOf(RUNTIME_CLASS(CQuilletSpecsFormView)));
        form_ = static_cast<CQuilletSpecsFormView*>(shown);
        ASSERT_EQ(doc_, form_->GetDocument());
    }
    void TearDown() override {
        if (doc_ != nullptr) doc_->SetModifiedFlag(FALSE);
    }

    HWND Field(UINT id) const { return ::GetDlgItem(form_->m_hWnd, static_cast<int>(id)); }
    std::string Text(UINT id) const {
        CString text;
        form_->GetField(id).GetText(text);
        return std::string(text);
    }
    bool Enabled(UINT id) const { return ::IsWindowEnabled(Field(id)) != FALSE; }
    LRESULT Icon(UINT id) const { return ::SendMessageA(Field(id), STM_GETIMAGE, IMAGE_BITMAP, 0); }

    // The field's editor handed to `action`, which must close it.
    void Edit(UINT id, const std::function<void(HWND editor)>& action) {
        EXPECT_TRUE(testing_harness::EditField(Field(id), action)) << id;
    }
    // Types `text` into the editor and presses its OK button.
    void Type(UINT id, const char* text) {
        EXPECT_TRUE(testing_harness::TypeIntoField(Field(id), text, IDC_EDITOR_EDIT, IDC_EDITOR_OK)) << id;
    }
    // Picks a choice-menu command in the field's editor, as the menu does.
    void Choose(UINT id, UINT command) { EXPECT_TRUE(testing_harness::ChooseForField(Field(id), command)) << id; }
    // The same for a choice the document asks about first: OK to its
    // question (the command is posted, so the question comes after).
    void ChooseAndConfirm(UINT id, UINT command) {
        ModalDriver::Instance().Handle("", [command](HWND editor) {
            ::PostMessageA(editor, WM_COMMAND, command, 0);
        });
        ModalDriver::Instance().Answer("", IDOK);
        EXPECT_TRUE(testing_harness::OpenFieldEditorScripted(Field(id))) << id;
    }

    CQuilletSpecsFormView* form_ = nullptr;
};

TEST_F(VehicleFormTest, ANewVehicleShowsItsDefaultsAndUnsetFields) {
    EXPECT_EQ(doc_->GetFormView(), static_cast<CQuilletFormViewLink*>(form_));
    EXPECT_EQ("Automobile", Text(1122));
    EXPECT_EQ("IC Engine", Text(1022));
    EXPECT_EQ("Rear", Text(1128));
    EXPECT_EQ("***", Text(1045));
    EXPECT_EQ(" ", ControlText(Field(1097)));
    // Nothing described yet: every panel's check fails.
    const LRESULT invalid = Icon(1004);
    EXPECT_NE(0, invalid);
    for (UINT id : {1001u, 1002u, 1006u, 1060u, 1070u}) EXPECT_EQ(invalid, Icon(id)) << id;
    // The power-curve editor and the traction calculator are offered.
    EXPECT_TRUE(::IsWindowEnabled(Field(IDC_HP_CURVE)));
    EXPECT_TRUE(::IsWindowEnabled(Field(IDC_TRACTION_CALC)));
}

TEST_F(VehicleFormTest, TypedValuesAreStoredOrRefusedAndTheFocusMovesOn) {
    Choose(1045, 33520);  // '69 Dodge Charger
    EXPECT_EQ("'69 Dodge Charger", Text(1045));
    EXPECT_FLOAT_EQ(3727.0f, doc_->m_weight.GetValue());
    EXPECT_NE(Icon(1004), Icon(1001));  // the vehicle panel checks out now

    // Its menu checks the current choice.
    UINT checked = 0, other = 0;
    Edit(1045, [&](HWND editor) {
        HMENU menu = MakeChoiceMenu(125);
        ::SendMessageA(editor, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        checked = ::GetMenuState(menu, 33520, MF_BYCOMMAND) & MF_CHECKED;
        other = ::GetMenuState(menu, 33521, MF_BYCOMMAND) & MF_CHECKED;
        ::DestroyMenu(menu);
        ModalDriver::PressButton(editor, IDCANCEL);
    });
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), checked);
    EXPECT_EQ(0u, other);

    Type(1124, " 3500 ");
    EXPECT_FLOAT_EQ(3500.0f, doc_->m_weight.GetValue());
    CString withUnits;
    doc_->m_weight.FormatValue(withUnits);
    EXPECT_NE(std::string::npos, Text(1124).find(std::string(withUnits)));
    EXPECT_TRUE(doc_->IsModified());
    EXPECT_EQ(Field(1126), ::GetFocus());  // on to the next field

    for (const char* typed : {"abc", "999999", ""}) {
        bool stayed = false;
        Edit(1124, [&](HWND editor) {
            ::SetDlgItemTextA(editor, IDC_EDITOR_EDIT, typed);
            ModalDriver::PressButton(editor, IDC_EDITOR_OK);
            PumpPending();
            stayed = ::IsWindow(editor) && ::GetFocus() == ::GetDlgItem(editor, IDC_EDITOR_EDIT);
            ModalDriver::PressButton(editor, IDCANCEL);
        });
        EXPECT_TRUE(stayed) << typed;
        EXPECT_FLOAT_EQ(3500.0f, doc_->m_weight.GetValue()) << typed;
    }
}

TEST_F(VehicleFormTest, MetricUnitsShowInTheFormAndTheNotesEditorTakesLines) {
    Choose(1045, 33520);  // '69 Dodge Charger
    EXPECT_EQ("117.800 in", Text(1126));
    FrameCommand(kCmdUnitsMetric);
    EXPECT_EQ("2992.12 mm", Text(1126));
    FrameCommand(kCmdUnitsEnglish);
    EXPECT_EQ("117.800 in", Text(1126));

    Edit(1080, [](HWND editor) {
        ::SetDlgItemTextA(editor, IDC_NOTES_EDIT, "Street car\r\nNo nitrous");
        ModalDriver::PressButton(editor, IDC_EDITOR_OK);
    });
    CString notes;
    doc_->m_notes.FormatValue(notes);
    EXPECT_NE(std::string::npos, std::string(notes).find("No nitrous"));
    EXPECT_NE(std::string::npos, Text(1080).find("Street car"));
    EXPECT_TRUE(doc_->IsModified());
}

TEST_F(VehicleFormTest, GearsCouplingEngineClassAndVehicleClassEnableTheirControls) {
    const std::vector<UINT> gears = {1016, 1018, 1019, 1040, 1067, 1116};
    const std::vector<UINT> shifts = {1095, 1100, 1102, 1104, 1134};
    // No number of gears yet: no ratio and no shift point.
    for (UINT id : gears) EXPECT_FALSE(Enabled(id)) << id;
    for (UINT id : shifts) EXPECT_FALSE(Enabled(id)) << id;

    Type(1082, "4");  // a four-speed
    for (size_t k = 0; k < gears.size(); ++k) EXPECT_EQ(k < 4, Enabled(gears[k])) << gears[k];
    for (size_t k = 0; k < shifts.size(); ++k) EXPECT_EQ(k < 3, Enabled(shifts[k])) << shifts[k];

    Choose(1061, kCmdCouplingFirst);  // a clutch
    for (UINT id : {1071u, 1039u, 1113u}) EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(1091));
    Choose(1061, kCmdCouplingFirst + 2);  // a torque converter
    for (UINT id : {1071u, 1039u, 1113u}) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(1091));
    EXPECT_EQ("0.000 secs", Text(1091));

    EXPECT_FALSE(Enabled(1120));  // no primary ratio on a car
    ChooseAndConfirm(1122, kCmdVehicleClassLast);
    EXPECT_EQ("Motorcycle", Text(1122));
    EXPECT_TRUE(Enabled(1120));

    // A jet: the vehicle basics, thrust, weight, style, rollout, weather
    // and wind can be edited, nothing else.
    ChooseAndConfirm(1022, kCmdEngineClassLast);
    EXPECT_EQ("Jet/Rocket", Text(1022));
    const std::vector<UINT> open = {1045, 1122, 1124, 1047, 1132, 1012, 1022, 1026, 1027, 1065, 1093, 1076, 1084};
    for (UINT id : {1045u, 1122u, 1124u, 1126u, 1128u, 1130u, 1047u, 1132u, 1012u, 1022u, 1034u, 1030u, 1031u,
                    1032u, 1112u, 1026u, 1027u, 1037u, 1023u, 1082u, 1061u, 1071u, 1039u, 1113u, 1016u, 1018u,
                    1019u, 1040u, 1067u, 1116u, 1118u, 1120u, 1051u, 1055u, 1088u, 1057u, 1053u, 1065u, 1089u,
                    1091u, 1093u, 1059u, 1095u, 1100u, 1102u, 1104u, 1134u, 1076u, 1086u, 1201u, 1078u, 1084u,
                    1081u}) {
        const bool expected = std::find(open.begin(), open.end(), id) != open.end();
        EXPECT_EQ(expected, Enabled(id)) << id;
    }

    // An engine file imported into the jet makes it a piston-engined
    // vehicle again, without the jet's placeholders.
    ModalDriver::Instance().Handle("", [](HWND editor) {
        ::PostMessageA(editor, WM_COMMAND, kCmdImportEngineFile, 0);
    });
    ModalDriver::Instance().AnswerFileDialog("", EngineDataFile());
    ASSERT_TRUE(testing_harness::OpenFieldEditorScripted(Field(1012), 10000));
    EXPECT_EQ("IC Engine", Text(1022));
    EXPECT_FALSE(doc_->m_transmissionType.IsSet());
    EXPECT_FALSE(doc_->m_tireType.IsSet());
    for (UINT id : {1034u, 1037u, 1051u, 1089u}) EXPECT_TRUE(Enabled(id)) << id;
    for (UINT id : {1026u, 1027u}) EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(VehicleFormTest, TheFormIsPaintedInBothColourSchemes) {
    Choose(1045, 33520);
    for (int scheme : {1, 0}) {
        AppColorsSetScheme(scheme);
        form_->Invalidate(TRUE);
        form_->UpdateWindow();
        PumpPending();
        const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(form_->m_hWnd);
        EXPECT_TRUE(pixels.SavePng(testing_harness::TestOutputPath(scheme == 1 ? "quillet-form-program-colours.png"
                                                                                 : "quillet-form-windows-colours.png")));
        // Inside the vehicle panel, below its caption: the panel colour.
        const CRect panel = form_->GetPanelRect(0);
        EXPECT_EQ(testing_harness::Rgb(AppColorsGetColor(0)), pixels.At(panel.left + 4, panel.bottom - 3)) << scheme;
    }
    AppColorsSetScheme(1);
}

// A vehicle typed into the form, its engine taken from an engine file
// through the Engine menu's file dialog, run, and the time slip showing what
// the model gives for that vehicle.
TEST_F(VehicleFormTest, AVehicleTypedInWithAnImportedEngineRunsIntoTheTimeSlip) {
    doc_->SetAutoRun(false);
    Choose(1045, 33520);
    Type(1124, "3400");
    Type(1132, "0.38");
    // The engine menu's import entry opens the file dialog.
    ModalDriver::Instance().Handle("", [](HWND editor) {
        ::PostMessageA(editor, WM_COMMAND, kCmdImportEngineFile, 0);
    });
    ModalDriver::Instance().AnswerFileDialog("", EngineDataFile());
    ASSERT_TRUE(testing_harness::OpenFieldEditorScripted(Field(1012), 10000));
    EXPECT_EQ("Chevy 350", Text(1012));
    EXPECT_TRUE(doc_->m_displacement.IsSet());
    EXPECT_TRUE(doc_->m_powerCurve.PeakPower().IsSet());
    EXPECT_NE("***", Text(1030));

    Choose(1037, kCmdManualTransFirst + 3);
    Choose(1061, kCmdCouplingFirst);
    Choose(1118, kCmdRearAxleFirst + 3);
    Choose(1051, kCmdTireFirst + 2);
    Choose(1065, kCmdDrivingStyleFirst + 1);
    EXPECT_EQ("(Auto)", ControlText(Field(1097)));
    Choose(1076, kCmdWeatherFirst);
    short code = 0;
    ASSERT_TRUE(doc_->Validate(&code)) << code;
    const LRESULT valid = Icon(1004);
    for (UINT id : {1001u, 1002u, 1006u, 1060u, 1070u}) EXPECT_EQ(valid, Icon(id)) << id;

    FrameCommand(kCmdQuarterMile);
    FrameCommand(kCmdRun);
    FrameCommand(ID_TOOLS_TIME_SLIP);
    CTimeSlipWnd* slip = TimeSlipWndGetInstance();
    ASSERT_NE(nullptr, slip);

    // The same vehicle run by the model on its own.
    CQuilletDoc model;
    doc_->CopyVehicleTo(&model);
    ASSERT_TRUE(model.RunSimulation(false, false));
    const float elapsed = model.GetResults().elapsedTime, trap = model.GetResults().trapSpeed;
    EXPECT_GT(elapsed, 5.0f);
    EXPECT_LT(elapsed, 30.0f);
    const std::vector<DrawnText> texts = testing_harness::TextsDrawnBy([slip](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        slip->DrawSlip(&dc);
        dc.Detach();
    });
    auto has = [&](const std::string& text) {
        return std::any_of(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
    };
    EXPECT_TRUE(has(Format("%.3f", elapsed))) << elapsed;
    EXPECT_TRUE(has(Format("%.1f", trap))) << trap;

    Frame()->UpdateWindow();
    slip->UpdateWindow();
    PumpPending();
    testing_harness::SaveWindowPicture(Frame()->m_hWnd, testing_harness::TestOutputPath("quillet-form-after-run.png"));

    // The document's Print command goes through the form: five pages, the
    // first the form with the vehicle's values and without its buttons.
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    // A job name of letters and digits, which the PDF's text keeps as it is.
    const std::string title = "Form" + std::to_string(::GetCurrentProcessId()) + "x" + std::to_string(::GetTickCount());
    doc_->SetTitle(title.c_str());
    ModalDriver::Instance().Answer("Print", IDOK);  // the print dialog
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    FrameCommand(ID_FILE_PRINT);
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_EQ(5u, pages.size());
    CString weight;
    doc_->m_weight.FormatValue(weight);
    for (const std::string& text : {std::string("VEHICLE"), std::string("Vehicle Weight:"), std::string(weight),
                                   std::string("Chevy 350"), std::string("Page 1 of 5")})
        EXPECT_NE(std::string::npos, pages[0].find(text)) << text << pages[0];
    EXPECT_EQ(std::string::npos, pages[0].find("HP Curve"));
    EXPECT_EQ(std::string::npos, pages[0].find("Traction Calc"));
    testing_harness::KeepPdf(pdf, "vehicle-form-printout.pdf");
}

}  // namespace

}  // namespace quillet
