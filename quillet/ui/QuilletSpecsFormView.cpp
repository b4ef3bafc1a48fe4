#include "quillet/ui/QuilletSpecsFormView.h"

#include <iterator>

#include "common/Assertion.h"
#include "common/ui/SimSpecEditDlg.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/VehicleChoiceTable.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/ChoiceMenus.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/VehiclePrinting.h"

namespace quillet {

namespace {

const char kAssertModule[] = "QuilletSpecsFormView";

// How each field of the form is bound.
struct FormField {
    UINT id;
    CSimSpec* (*field)(CQuilletDoc&);
    int kind;
    UINT menuId;
};

#define DOC_FIELD(member) [](CQuilletDoc& doc) -> CSimSpec* { return &doc.member; }

const FormField kFields[kVehicleFormFieldCount] = {
    {1045, DOC_FIELD(m_vehicleType), kFieldTyped, kMenuVehicles},
    {1122, DOC_FIELD(m_vehicleClass), kFieldChosen, kMenuVehicleClass},
    {1124, DOC_FIELD(m_weight), kFieldTyped, 0},
    {1126, DOC_FIELD(m_wheelbase), kFieldTyped, 0},
    {1128, DOC_FIELD(m_driveType), kFieldChosen, kMenuDriveWheels},
    {1130, DOC_FIELD(m_drivingWeight), kFieldTyped, 0},
    {1047, DOC_FIELD(m_frontalArea), kFieldTyped, 0},
    {1132, DOC_FIELD(m_dragCoefficient), kFieldTyped, 0},
    {1012, DOC_FIELD(m_engineType), kFieldTyped, kMenuEngines},
    {1022, DOC_FIELD(m_engineClass), kFieldChosen, kMenuEngineClass},
    {1034, DOC_FIELD(m_displacement), kFieldTyped, 0},
    {1030, DOC_FIELD(m_powerCurve.PeakPower()), kFieldDerived, 0},
    {1031, DOC_FIELD(m_powerCurve.PeakPowerRpm()), kFieldDerived, 0},
    {1032, DOC_FIELD(m_powerCurve.PeakTorque()), kFieldDerived, 0},
    {1112, DOC_FIELD(m_powerCurve.PeakTorqueRpm()), kFieldDerived, 0},
    {1026, DOC_FIELD(m_rocketThrust), kFieldTyped, 0},
    {1027, DOC_FIELD(m_rocketWeight), kFieldTyped, 0},
    {1037, DOC_FIELD(m_transmissionType), kFieldTyped, kMenuTransmissions},
    {1023, DOC_FIELD(m_shiftType), kFieldChosen, kMenuShiftType},
    {1082, DOC_FIELD(m_gearCount), kFieldTyped, 0},
    {1061, DOC_FIELD(m_couplingType), kFieldChosen, kMenuCoupling},
    {1071, DOC_FIELD(m_converterStall), kFieldTyped, 0},
    {1039, DOC_FIELD(m_converterMultiplier), kFieldTyped, 0},
    {1113, DOC_FIELD(m_converterSlippage), kFieldTyped, 0},
    {1016, DOC_FIELD(m_gearRatio[0]), kFieldTyped, 0},
    {1018, DOC_FIELD(m_gearRatio[1]), kFieldTyped, 0},
    {1019, DOC_FIELD(m_gearRatio[2]), kFieldTyped, 0},
    {1040, DOC_FIELD(m_gearRatio[3]), kFieldTyped, 0},
    {1067, DOC_FIELD(m_gearRatio[4]), kFieldTyped, 0},
    {1116, DOC_FIELD(m_gearRatio[5]), kFieldTyped, 0},
    {1118, DOC_FIELD(m_rearAxleRatio), kFieldTyped, kMenuRearAxleRatios},
    {1120, DOC_FIELD(m_primaryRatio), kFieldTyped, kMenuPrimaryRatios},
    {1051, DOC_FIELD(m_tireType), kFieldTyped, kMenuTires},
    {1055, DOC_FIELD(m_wheelWidth), kFieldTyped, 0},
    {1088, DOC_FIELD(m_tractionCoefficient), kFieldTyped, 0},
    {1057, DOC_FIELD(m_tireGrowth), kFieldTyped, 0},
    {1053, DOC_FIELD(m_tireDiameter), kFieldTyped, 0},
    {1065, DOC_FIELD(m_drivingStyle), kFieldChosen, kMenuDrivingStyles},
    {1089, DOC_FIELD(m_redline), kFieldTyped, 0},
    {1091, DOC_FIELD(m_shiftTime), kFieldTyped, 0},
    {1093, DOC_FIELD(m_rollout), kFieldTyped, 0},
    {1059, DOC_FIELD(m_launchRpm), kFieldTyped, 0},
    {1095, DOC_FIELD(m_shiftRpm[0]), kFieldTyped, 0},
    {1100, DOC_FIELD(m_shiftRpm[1]), kFieldTyped, 0},
    {1102, DOC_FIELD(m_shiftRpm[2]), kFieldTyped, 0},
    {1104, DOC_FIELD(m_shiftRpm[3]), kFieldTyped, 0},
    {1134, DOC_FIELD(m_shiftRpm[4]), kFieldTyped, 0},
    {1076, DOC_FIELD(m_weather), kFieldTyped, kMenuWeather},
    {1086, DOC_FIELD(m_barometer), kFieldDerived, 0},
    {1201, DOC_FIELD(m_humidity), kFieldTyped, 0},
    {1078, DOC_FIELD(m_elevation), kFieldTyped, 0},
    {1084, DOC_FIELD(m_wind), kFieldTyped, 0},
    {1081, DOC_FIELD(m_temperature), kFieldTyped, 0},
    {1080, DOC_FIELD(m_notes), kFieldTyped, 0},
};

#undef DOC_FIELD

// The refresh runs over the first 40 controls (vehicle through shift
// time), then the rest (rollout through the notes).
const int kFirstRefreshCount = 40;

const UINT kPanels[] = {1005, 1000, 1003, 1007, 1063, 1072, 1859};
const UINT kNotesPanel = 1859;
const UINT kSeparators[] = {1205, 1207, 1204, 1203, 1206, 1208};
const UINT kCaptionBitmaps[] = {IDB_CAPTION_VEHICLE, IDB_CAPTION_ENGINE,  IDB_CAPTION_DRIVETRAIN, IDB_CAPTION_TIRES,
                                IDB_CAPTION_DRIVING, IDB_CAPTION_WEATHER, IDB_CAPTION_NOTES};
const UINT kFirstFocus = 1045;

SpecFormPictures g_pictures;

const SpecFormLayout kLayout = {
    IDD_VEHICLE_FORM, kPanels,     static_cast<int>(std::size(kPanels)), kNotesPanel, kSeparators,
    static_cast<int>(std::size(kSeparators)), kCaptionBitmaps, IDB_VALID, IDB_INVALID, kFirstFocus,
    &g_pictures,
};

// Controls the enabling rules name.
const UINT kShiftTime = 1091;
const UINT kConverterFields[] = {1071, 1039, 1113};
const UINT kGearRatios[kGearFieldCount] = {1016, 1018, 1019, 1040, 1067, 1116};
const UINT kShiftPoints[kShiftFieldCount] = {1095, 1100, 1102, 1104, 1134};
const UINT kPrimaryRatio = 1120;
const UINT kAutoMarker = 1097;

const char kConverterShiftTime[] = "0.000 secs";

}  // namespace

IMPLEMENT_DYNCREATE(CQuilletSpecsFormView, CSpecFormView)

BEGIN_MESSAGE_MAP(CQuilletSpecsFormView, CSpecFormView)
    ON_MESSAGE(kMsgFieldEditDone, OnSpecEditDone)
    ON_BN_CLICKED(IDC_HP_CURVE, OnPowerCurveButton)
    ON_BN_CLICKED(IDC_TRACTION_CALC, OnTractionButton)
END_MESSAGE_MAP()

CQuilletSpecsFormView::CQuilletSpecsFormView() : CSpecFormView(kLayout, kVehicleFormFieldCount) {}

CQuilletDoc* CQuilletSpecsFormView::GetDocument() const {
    CDocument* document = CFormView::GetDocument();
    APP_ASSERT(document != nullptr && document->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    return static_cast<CQuilletDoc*>(document);
}

void CQuilletSpecsFormView::OnInitialUpdate() {
    CQuilletDoc* document = GetDocument();
    if (document->GetFormView() == nullptr) document->SetFormView(this);
    if (!IsBound()) {
        for (int i = 0; i < kVehicleFormFieldCount; ++i)
            BindField(i, kFields[i].id, kFields[i].field(*document), kFields[i].kind, kFields[i].menuId);
        RecordLayout();
    }
    CSpecFormView::OnInitialUpdate();
}

void CQuilletSpecsFormView::OnUpdate(CView*, LPARAM, CObject*) {
    if (!IsBound()) return;
    CQuilletDoc* doc = GetDocument();
    EnableByEngineClass();
    for (int i = 0; i < kFirstRefreshCount; ++i) GetField(kFields[i].id).UpdateFromSpec(true);
    // A converter takes no time to shift.
    if (doc->m_couplingType.IsSet() && doc->m_couplingType.GetValue() != kCouplingClutch) {
        CSimSpecEditCtrl& shiftTime = GetField(kShiftTime);
        CString shown;
        shiftTime.GetText(shown);
        if (shown != kConverterShiftTime) shiftTime.SetText(kConverterShiftTime);
    }
    for (int i = kFirstRefreshCount; i < kVehicleFormFieldCount; ++i) GetField(kFields[i].id).UpdateFromSpec(true);
    UpdateStatusIcons();
    SetControlText(kAutoMarker, doc->HasPresetDrivingStyle() ? "(Auto)" : " ");
}

void CQuilletSpecsFormView::Enable(UINT id, bool enabled) { GetField(id).SetEnabled(enabled); }

void CQuilletSpecsFormView::EnableByEngineClass() {
    const CQuilletDoc* doc = GetDocument();
    if (!doc->m_engineClass.IsSet()) return;
    switch (doc->m_engineClass.GetValue()) {
    case kEngineClassIC:
        EnablePistonEngine();
        break;
    case kEngineClassJet:
        EnableJetEngine();
        break;
    default:
        AssertionFailure(kAssertModule, __LINE__);
    }
}

void CQuilletSpecsFormView::EnablePistonEngine() {
    const CQuilletDoc* doc = GetDocument();
    // Vehicle through the engine's peak values.
    for (UINT id : {1045, 1122, 1124, 1126, 1128, 1130, 1047, 1132, 1012, 1022, 1034, 1030, 1031, 1032, 1112})
        Enable(id, true);
    Enable(1026, false);
    Enable(1027, false);
    for (UINT id : {1037, 1023, 1082, 1061}) Enable(id, true);
    const bool clutch = doc->m_couplingType.GetValue() == kCouplingClutch;
    for (UINT id : kConverterFields) Enable(id, !clutch);
    Enable(kShiftTime, clutch);
    const bool gearsSet = doc->m_gearCount.IsSet();
    const int gears = gearsSet ? doc->m_gearCount.GetValue() : 0;
    APP_ASSERT(!gearsSet || gears > 0);
    for (int k = 1; k <= kGearFieldCount; ++k) Enable(kGearRatios[k - 1], gearsSet && (k == 1 || gears >= k));
    for (int k = 2; k <= kGearFieldCount; ++k) Enable(kShiftPoints[k - 2], gearsSet && gears >= k);
    Enable(1118, true);
    Enable(kPrimaryRatio, doc->m_vehicleClass.GetValue() != kClassAutomobile);
    // Tires, driving style, redline, rollout, launch and the weather.
    for (UINT id : {1051, 1055, 1088, 1057, 1053, 1065, 1089, 1093, 1059, 1076, 1086, 1201, 1078, 1084, 1081})
        Enable(id, true);
}

void CQuilletSpecsFormView::EnableJetEngine() {
    for (UINT id : {1045, 1122, 1124, 1047, 1132, 1012, 1022, 1026, 1027}) Enable(id, true);
    for (UINT id : {1126, 1128, 1130, 1034, 1030, 1031, 1032, 1112}) Enable(id, false);
    // The drivetrain and the tires.
    for (UINT id : {1037, 1023, 1082, 1061, 1071, 1039, 1113, 1016, 1018, 1019, 1040, 1067, 1116, 1118, 1120, 1051,
                    1055, 1088, 1057, 1053})
        Enable(id, false);
    Enable(1065, true);
    Enable(1093, true);
    for (UINT id : {1089, 1091, 1059, 1095, 1100, 1102, 1104, 1134}) Enable(id, false);
    Enable(1076, true);
    Enable(1084, true);
    for (UINT id : {1086, 1201, 1078, 1081}) Enable(id, false);
}

void CQuilletSpecsFormView::UpdateStatusIcons() {
    const CQuilletDoc* doc = GetDocument();
    SetStatusIcon(1004, doc->ValidateVehicle() == 0);
    SetStatusIcon(1001, doc->ValidateEngine() == 0);
    SetStatusIcon(1002, doc->ValidateDrivetrain() == 0);
    SetStatusIcon(1006, doc->ValidateTires() == 0);
    SetStatusIcon(1060, doc->ValidateDriving() == 0);
    SetStatusIcon(1070, doc->ValidateWeather() == 0);
}

LRESULT CQuilletSpecsFormView::OnSpecEditDone(WPARAM control, LPARAM ok) {
    if (!FocusNextAfterEdit(control, ok)) return 0;
    CQuilletDoc* doc = GetDocument();
    doc->SetModifiedFlag(TRUE);
    doc->UpdateBarometerFromElevation();
    doc->RefreshAllViews();
    return 0;
}

bool CQuilletSpecsFormView::ConfirmSpecChange(CSimSpec& field) { return GetDocument()->ConfirmBaselineChange(field); }

int CQuilletSpecsFormView::StoreTypedText(CSimSpec& field, const char* text) {
    return GetDocument()->CommitEditedText(field, text) == 0 ? 0 : 2;
}

void CQuilletSpecsFormView::ShowStatusText(const char* text) {
    CMainFrame* frame = GetMainFrame();
    frame->SetMessageText(text);
    frame->GetStatusBar().UpdateWindow();
}

HMENU CQuilletSpecsFormView::MakeChoiceMenu(UINT menuId) { return quillet::MakeChoiceMenu(menuId); }

void CQuilletSpecsFormView::PrepareChoiceMenu(CMenu* menu) {
    // The edited field's current choice is checked.
    const CSimSpecEditDlg* editor = CSimSpecEditDlg::GetOpenEditor();
    const auto* chosen = editor != nullptr ? dynamic_cast<const CPartTypeSpec*>(editor->GetControl()->GetSpec()) : nullptr;
    for (int i = 0, count = ::GetMenuItemCount(menu->m_hMenu); i < count; ++i) {
        const UINT id = ::GetMenuItemID(menu->m_hMenu, i);
        if (id == static_cast<UINT>(-1)) continue;
        // Tools whose windows the program does not have yet stay greyed.
        if (CChildFrame::IsWithheldTool(id))
            ::EnableMenuItem(menu->m_hMenu, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
        const VehicleChoiceRow* row = FindVehicleChoiceRow(id);
        const bool current = chosen != nullptr && chosen->IsSet() && row != nullptr && row->name != nullptr &&
                             row->choiceIndex == chosen->GetValue() && chosen->GetTypeName() == row->name;
        ::CheckMenuItem(menu->m_hMenu, static_cast<UINT>(i), MF_BYPOSITION | (current ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CQuilletSpecsFormView::EditorOpened(CWnd*) {}

void CQuilletSpecsFormView::EditorClosed(CWnd*) {}

void CQuilletSpecsFormView::OnPowerCurveButton() { GetDocument()->OnEngineChoice(kCmdCustomEngine); }

void CQuilletSpecsFormView::OnTractionButton() { GetDocument()->OnTractionCalculator(); }

void CQuilletSpecsFormView::DoFilePrint() { OnFilePrint(); }

void CQuilletSpecsFormView::DoFilePrintPreview() { OnFilePrintPreview(); }

BOOL CQuilletSpecsFormView::OnPreparePrinting(CPrintInfo* info) {
    VehiclePreparePrinting(info);
    return DoPreparePrinting(info);
}

void CQuilletSpecsFormView::OnPrint(CDC* dc, CPrintInfo* info) {
    APP_ASSERT(dc != nullptr && info != nullptr);
    PrintVehiclePage(dc, info->m_nCurPage, this, GetScrollPosition(), *GetDocument(), ShownControlText);
}

}  // namespace quillet
