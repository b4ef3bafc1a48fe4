#include "torvane/ui/EngineFormView.h"

#include <iterator>

#include "common/Assertion.h"
#include "common/ui/SimSpecEditDlg.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/ChoiceMenus.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

const char kAssertModule[] = "EngineFormView";

// How each field of the form is bound.
struct FormField {
    UINT id;
    CSimSpec* (*field)(CTorvaneDoc&);
    int kind;
    UINT menuId;
};

#define DOC_FIELD(member) [](CTorvaneDoc& doc) -> CSimSpec* { return &doc.member; }

const FormField kFields[kFormFieldCount] = {
    {1014, DOC_FIELD(shortBlockType), kFieldTyped, kMenuShortBlocks},
    {1022, DOC_FIELD(bore), kFieldTyped, 0},
    {1026, DOC_FIELD(stroke), kFieldTyped, 0},
    {1017, DOC_FIELD(cylinders), kFieldTyped, 0},
    {1030, DOC_FIELD(cylinderVolume), kFieldDerived, 0},
    {1034, DOC_FIELD(totalBlockVolume), kFieldDerived, 0},
    {1036, DOC_FIELD(cylinderHeadType), kFieldChosen, kMenuCylinderHeads},
    {1056, DOC_FIELD(intakeValvesPerCylinder), kFieldDerived, 0},
    {1068, DOC_FIELD(exhaustValvesPerCylinder), kFieldDerived, 0},
    {1038, DOC_FIELD(intakeValveDiameter), kFieldTyped, kMenuIntakeValveDiameters},
    {1040, DOC_FIELD(exhaustValveDiameter), kFieldTyped, kMenuExhaustValveDiameters},
    {1042, DOC_FIELD(compressionRatio), kFieldTyped, kMenuCompressionRatio},
    {1044, DOC_FIELD(combustionSpace), kFieldDerived, 0},
    {1031, DOC_FIELD(cylinderVolume), kFieldDerived, 0},
    {1046, DOC_FIELD(inductionFlow), kFieldTyped, kMenuInductionAirflow},
    {1057, DOC_FIELD(pressureDrop), kFieldChosen, kMenuPressureDrop},
    {1048, DOC_FIELD(manifoldType), kFieldChosen, kMenuManifolds},
    {1050, DOC_FIELD(fuelType), kFieldChosen, kMenuFuels},
    {1052, DOC_FIELD(nitrousFlowRate), kFieldTyped, 0},
    {1091, DOC_FIELD(forcedInductionType), kFieldChosen, kMenuForcedInduction},
    {1095, DOC_FIELD(blowerFlowRate), kFieldTyped, 0},
    {1097, DOC_FIELD(blowerPressureRatio), kFieldTyped, 0},
    {1099, DOC_FIELD(blowerEfficiency), kFieldTyped, 0},
    {1101, DOC_FIELD(blowerRpm), kFieldTyped, 0},
    {1103, DOC_FIELD(blowerSurgeFlowRate), kFieldTyped, 0},
    {1107, DOC_FIELD(blowerInternalGearRatio), kFieldTyped, 0},
    {1109, DOC_FIELD(blowerBeltGearRatio), kFieldTyped, 0},
    {1105, DOC_FIELD(blowerBoostLimit), kFieldTyped, 0},
    {1093, DOC_FIELD(intercoolerEfficiency), kFieldTyped, kMenuIntercooler},
    {1060, DOC_FIELD(exhaustSystem), kFieldChosen, kMenuExhaust},
    {1071, DOC_FIELD(cam.camshaftType), kFieldChosen, kMenuCamTypes},
    {1077, DOC_FIELD(cam.lifterType), kFieldChosen, kMenuLifterTypes},
    {1110, DOC_FIELD(cam.rampRate), kFieldTyped, kMenuLifterRampRate},
    {1073, DOC_FIELD(cam.primary.method), kFieldChosen, kMenuCamTiming},
    {1082, DOC_FIELD(cam.lobeCenterAngle), kFieldDerived, 0},
    {1198, DOC_FIELD(cam.valveOverlap), kFieldDerived, 0},
    {1202, DOC_FIELD(cam.advance), kFieldTyped, kMenuCamAdvance},
    {1196, DOC_FIELD(cam.intakeLift), kFieldTyped, kMenuIntakeValveLift},
    {1200, DOC_FIELD(cam.exhaustLift), kFieldTyped, kMenuExhaustValveLift},
    {1088, DOC_FIELD(cam.intakeDuration), kFieldDerived, 0},
    {1194, DOC_FIELD(cam.exhaustDuration), kFieldDerived, 0},
    {1084, DOC_FIELD(cam.primary.ivo), kFieldTyped, 0},
    {1086, DOC_FIELD(cam.primary.ivc), kFieldTyped, 0},
    {1190, DOC_FIELD(cam.primary.evo), kFieldTyped, 0},
    {1192, DOC_FIELD(cam.primary.evc), kFieldTyped, 0},
    {1128, DOC_FIELD(cam.alternate.ivo), kFieldTyped, 0},
    {1129, DOC_FIELD(cam.alternate.ivc), kFieldTyped, 0},
    {1213, DOC_FIELD(cam.alternate.evo), kFieldTyped, 0},
    {1217, DOC_FIELD(cam.alternate.evc), kFieldTyped, 0},
    {1080, DOC_FIELD(cam.intakeCenterline), kFieldDerived, 0},
    {1208, DOC_FIELD(cam.exhaustCenterline), kFieldDerived, 0},
    {1227, DOC_FIELD(cam.actualIvo), kFieldDerived, 0},
    {1230, DOC_FIELD(cam.actualIvc), kFieldDerived, 0},
    {1233, DOC_FIELD(cam.actualEvo), kFieldDerived, 0},
    {1235, DOC_FIELD(cam.actualEvc), kFieldDerived, 0},
    {1223, DOC_FIELD(cam.actualIntakeCenterline), kFieldDerived, 0},
    {1246, DOC_FIELD(cam.actualExhaustCenterline), kFieldDerived, 0},
    {1664, DOC_FIELD(notes), kFieldTyped, 0},
};

#undef DOC_FIELD

// Refresh groups, in the order the form refreshes them.
const UINT kBlockAndHeads[] = {1014, 1022, 1026, 1017, 1030, 1034, 1036, 1056, 1068, 1038, 1040};
const UINT kCompressionAndInduction[] = {1042, 1044, 1031, 1046, 1057, 1048, 1050, 1052, 1091,
                                         1095, 1097, 1099, 1101, 1103, 1107, 1109, 1105, 1093};
const UINT kCamWithUnits[] = {1071, 1077, 1110, 1073};
const UINT kCamSummary[] = {1082, 1198, 1202};
const UINT kValveLifts[] = {1196, 1200};
const UINT kTiming[] = {1088, 1194, 1084, 1086, 1190, 1192, 1128, 1129, 1213, 1217};
const UINT kCenterlines[] = {1080, 1208, 1227, 1230, 1233, 1235, 1223, 1246};
const UINT kNotes[] = {1664};

// Forced induction: the blower type, the eight blower fields, the intercooler.
const UINT kBlowerType = 1091, kIntercooler = 1093;
const UINT kBlowerFields[] = {1095, 1097, 1099, 1101, 1103, 1107, 1109, 1105};
// Per blower category 1..3, which of the eight blower fields are enabled.
const bool kBlowerEnabled[3][8] = {
    {true, true, true, false, true, false, false, true},  // turbocharger
    {true, true, true, true, false, true, true, true},    // centrifugal blower
    {true, false, true, false, false, false, true, true},  // roots blower
};

const UINT kPanels[] = {1003, 1006, 1008, 1010, 1058, 1069, 1013};
const UINT kNotesPanel = 1013;
const UINT kSeparators[] = {1214, 1207, 1209, 1211, 1212};
const UINT kStatusIcons[6] = {1004, 1005, 1007, 1009, 1055, 1067};
const UINT kCaptionBitmaps[] = {IDB_CAPTION_SHORT_BLOCK, IDB_CAPTION_HEADS, IDB_CAPTION_COMPRESSION,
                                IDB_CAPTION_INDUCTION,   IDB_CAPTION_EXHAUST, IDB_CAPTION_CAMSHAFT,
                                IDB_CAPTION_NOTES};
const UINT kFirstFocus = 1014;
const UINT kTimingLabel = 1134, kSecondTimingLabel = 1136;
const UINT kExhaust = 1060, kNitrous = 1052;
const UINT kCamButton = 2127, kAirFlowButton = 2128, kCompressionButton = 2129;

// Fuel types without nitrous.
const int kFuelsWithoutNitrous[] = {1, 10, 19, 20, 21};

const char kForcedInductionExhaust[] = "Forced Induction Exhaust";
const char kAutoMarker[] = "(Auto)";
const char kNoMarker[] = " ";

SpecFormPictures g_pictures;

const SpecFormLayout kLayout = {
    IDD_ENGINE_FORM, kPanels,     static_cast<int>(std::size(kPanels)), kNotesPanel, kSeparators,
    static_cast<int>(std::size(kSeparators)), kCaptionBitmaps, IDB_VALID, IDB_INVALID, kFirstFocus,
    &g_pictures,
};

}  // namespace

IMPLEMENT_DYNCREATE(CEngineFormView, CSpecFormView)

BEGIN_MESSAGE_MAP(CEngineFormView, CSpecFormView)
    ON_MESSAGE(kMsgFieldEditDone, OnSpecEditDone)
    ON_COMMAND(ID_FILE_PRINT, DoFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, DoFilePrintPreview)
    ON_BN_CLICKED(kCamButton, OnCamButton)
    ON_BN_CLICKED(kAirFlowButton, OnAirFlowButton)
    ON_BN_CLICKED(kCompressionButton, OnCompressionButton)
END_MESSAGE_MAP()

CEngineFormView::CEngineFormView() : CSpecFormView(kLayout, kFormFieldCount) {}

CEngineFormView::~CEngineFormView() { printFont_.DeleteObject(); }

CTorvaneDoc* CEngineFormView::GetDocument() const {
    CDocument* document = CFormView::GetDocument();
    APP_ASSERT(document != nullptr && document->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(document);
}

void CEngineFormView::EnterIntoDocument() {
    CTorvaneDoc* document = GetDocument();
    if (document->GetViewPointer(kFormViewSlot) == nullptr) document->SetViewPointer(kFormViewSlot, this);
}

void CEngineFormView::OnInitialUpdate() {
    CTorvaneDoc* document = GetDocument();
    EnterIntoDocument();
    if (!IsBound()) {
        for (int i = 0; i < kFormFieldCount; ++i)
            BindField(i, kFields[i].id, kFields[i].field(*document), kFields[i].kind, kFields[i].menuId);
        RecordLayout();
        // The compression calculator comes with its dialog; until then its
        // button stays disabled.
        GetDlgItem(kCompressionButton)->EnableWindow(FALSE);
    }
    CFormView::OnInitialUpdate();
}

void CEngineFormView::OnUpdate(CView*, LPARAM, CObject*) {
    if (!IsBound()) return;
    // The form of a window that closed may have held the slot.
    EnterIntoDocument();
    CTorvaneDoc* doc = GetDocument();
    UpdateFields(kBlockAndHeads, true);
    const int valveKind = doc->IsAutoValveSizes() ? kFieldChosen : kFieldTyped;
    GetField(1038).SetEditKind(valveKind);
    GetField(1040).SetEditKind(valveKind);
    UpdateFields(kCompressionAndInduction, true);
    EnableForcedInduction();
    UpdateExhaust();
    UpdateNitrous();
    UpdateFields(kCamWithUnits, true);
    UpdateFields(kCamSummary, false);
    UpdateFields(kValveLifts, true);
    const int liftKind = doc->IsAutoValveLift() ? kFieldChosen : kFieldTyped;
    GetField(1196).SetEditKind(liftKind);
    GetField(1200).SetEditKind(liftKind);
    GetField(1110).SetEditKind(doc->IsAutoCamAccurate() ? kFieldChosen : kFieldTyped);
    UpdateFields(kTiming, false);
    UpdateTimingLabels();
    UpdateFields(kCenterlines, false);
    UpdateFields(kNotes, true);
    UpdateStatusIcons();
    UpdateAutoMarkers();
}

void CEngineFormView::EnableForcedInduction() {
    CTorvaneDoc* doc = GetDocument();
    const bool forcedManifold = doc->manifoldType.IsSet() && doc->manifoldType.GetValue() == kManifoldForcedInduction;
    if (!forcedManifold) {
        GetField(kBlowerType).SetEnabled(false);
        GetField(kIntercooler).SetEnabled(false);
        for (UINT id : kBlowerFields) GetField(id).SetEnabled(false);
        return;
    }
    GetField(kBlowerType).SetEnabled(true);
    GetField(kIntercooler).SetEnabled(true);
    const int category = doc->GetForcedInductionKind();
    const bool noBlower = doc->forcedInductionType.GetValue() == kForcedInductionNone;
    APP_ASSERT(category >= 0 && category <= 3);
    APP_ASSERT(category == 0 ? noBlower : !noBlower);
    for (size_t i = 0; i < std::size(kBlowerFields); ++i)
        GetField(kBlowerFields[i]).SetEnabled(category != 0 && kBlowerEnabled[category - 1][i]);
}

void CEngineFormView::UpdateExhaust() {
    CTorvaneDoc* doc = GetDocument();
    CSimSpecEditCtrl& exhaust = GetField(kExhaust);
    if (doc->manifoldType.IsSet() && doc->manifoldType.GetValue() == kManifoldForcedInduction) {
        exhaust.SetEnabled(false);
        CString shown;
        exhaust.GetText(shown);
        if (shown != kForcedInductionExhaust) exhaust.SetText(kForcedInductionExhaust);
        return;
    }
    exhaust.SetEnabled(true);
    exhaust.UpdateFromSpec(true);
}

void CEngineFormView::UpdateNitrous() {
    CTorvaneDoc* doc = GetDocument();
    bool allowed = doc->fuelType.IsSet();
    for (int fuel : kFuelsWithoutNitrous)
        if (allowed && doc->fuelType.GetValue() == fuel) allowed = false;
    GetField(kNitrous).SetEnabled(allowed);
}

void CEngineFormView::UpdateTimingLabels() {
    const Cam& cam = GetDocument()->cam;
    auto label = [&](int method) {
        if (!cam.primary.method.IsSet()) return "(Not Defined):";
        return method == kSeatToSeat ? "(Seat-to-Seat):" : "(0.050-inch):";
    };
    SetControlText(kTimingLabel, label(cam.primary.method.IsSet() ? cam.primary.method.GetValue() : 0));
    SetControlText(kSecondTimingLabel, label(cam.alternate.method.IsSet() ? cam.alternate.method.GetValue() : 0));
}

void CEngineFormView::UpdateStatusIcons() {
    CTorvaneDoc* doc = GetDocument();
    unsigned short code = 0;
    const bool valid[6] = {doc->ValidateBlock(code),       doc->ValidateHead(code),
                           doc->ValidateCompression(code), doc->ValidateInduction(code),
                           doc->ValidateExhaust(code),     doc->ValidateCam(code)};
    for (int i = 0; i < 6; ++i) SetStatusIcon(kStatusIcons[i], valid[i]);
}

void CEngineFormView::SetMarker(UINT id, bool automatic) { SetControlText(id, automatic ? kAutoMarker : kNoMarker); }

void CEngineFormView::UpdateAutoMarkers() {
    CTorvaneDoc* doc = GetDocument();
    SetMarker(1062, doc->IsAutoValveSizes());
    SetMarker(1063, doc->IsAutoValveSizes());
    SetMarker(1064, doc->IsAutoValveLift());
    SetMarker(1065, doc->IsAutoValveLift());
    SetMarker(1112, doc->IsAutoCamAccurate());
}

LRESULT CEngineFormView::OnSpecEditDone(WPARAM control, LPARAM ok) {
    if (!FocusNextAfterEdit(control, ok)) return 0;
    CTorvaneDoc* doc = GetDocument();
    doc->SetModifiedFlag(TRUE);
    doc->RecomputeDerived();
    doc->UpdateAllViews(nullptr, 0, nullptr);
    return 0;
}

bool CEngineFormView::ConfirmSpecChange(CSimSpec& field) { return GetDocument()->ConfirmSpecChange(field); }

void CEngineFormView::ShowStatusText(const char* text) { GetMainFrame()->SetStatusText(text); }

HMENU CEngineFormView::MakeChoiceMenu(UINT menuId) { return torvane::MakeChoiceMenu(menuId); }

void CEngineFormView::PrepareChoiceMenu(CMenu* menu) { TorvaneDocPrepareChoiceMenu(*GetDocument(), menu->m_hMenu); }

void CEngineFormView::EditorOpened(CWnd* editor) { FieldEditorRegister(editor); }

void CEngineFormView::EditorClosed(CWnd* editor) { FieldEditorUnregister(editor); }

void CEngineFormView::OnCamButton() { SendCommand(ID_CAM_MANAGER); }

void CEngineFormView::OnAirFlowButton() { SendCommand(ID_CUSTOM_AIRFLOW); }

void CEngineFormView::OnCompressionButton() { SendCommand(ID_COMPRESSION_MATH); }

}  // namespace torvane
