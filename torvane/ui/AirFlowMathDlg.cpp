#include "torvane/ui/AirFlowMathDlg.h"

#include <cfloat>

#include "common/Assertion.h"
#include "common/Util.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/AirflowResources.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

namespace {

const char kAssertModule[] = "AirFlowMathDlg";

const float kInchToCm = 2.54f;
const float kInHgToInH2O = 13.55f;
const float kMercuryPerWater = 0.0738f;
const float kMinFlow = 100.0f, kMaxFlow = 4000.0f;
const float kMinDropInH2O = 0.1f, kMaxDropInH2O = 100.0f;

// A rating standard's pressure drop in inHg.
float StandardDropInHg(int standard) {
    APP_ASSERT(standard == kTwoBarrelRating || standard == kFourBarrelRating);
    return standard == kTwoBarrelRating ? 3.0f : 1.5f;
}

// The standard's pressure drop in one of the four units.
float StandardDrop(int standard, bool metric, bool water) {
    const float inHg = StandardDropInHg(standard);
    const float inH2O = kInHgToInH2O * inHg;
    if (!metric) return water ? inH2O : inHg;
    return water ? kInchToCm * inH2O : kInchToCm * inHg;
}

CFloatPtSpec PressureDropField(const char* name, bool metric) {
    if (metric)
        return CFloatPtSpec(name, kUnitCmH2O, kInchToCm * kMinDropInH2O, kInchToCm * kMaxDropInH2O,
                            kUnitCmHg, kMercuryPerWater);
    return CFloatPtSpec(name, kUnitInH2O, kMinDropInH2O, kMaxDropInH2O, kUnitInHg, kMercuryPerWater);
}

// A pressure drop's value in its base (water) unit, the field left as shown.
float InWater(const CFloatPtSpec& drop) {
    CFloatPtSpec copy(drop);
    copy.ToBaseUnit();
    return copy.GetValue();
}

int CheckedOf(bool water, int waterId, int mercuryId) { return water ? waterId : mercuryId; }

}  // namespace

CAirFlowCalculation::CAirFlowCalculation(int unitsMode)
    : knownFlow("Known Airflow Rate", kUnitCfm, kMinFlow, kMaxFlow, kUnitCfm, 1.0f),
      knownDrop(PressureDropField("Known Pressure Drop", unitsMode == 1)),
      calculatedFlow("Airflow Rate", kUnitCfm, -FLT_MAX, FLT_MAX, kUnitCfm, 1.0f),
      calculatedDrop(PressureDropField("Pressure Drop", unitsMode == 1)),
      unitsMode_(unitsMode) {
    APP_ASSERT(unitsMode == 0 || unitsMode == 1);
    calculatedDrop.ToAltUnit();
}

void CAirFlowCalculation::ShowInWater(CFloatPtSpec& drop, bool water) {
    if (water)
        drop.ToBaseUnit();
    else
        drop.ToAltUnit();
}

void CAirFlowCalculation::SetStandard(int standard) {
    APP_ASSERT(standard >= kNoRatingStandard && standard <= kFourBarrelRating);
    standard_ = standard;
    if (standard == kNoRatingStandard) return;
    calculatedDrop.SetValue(StandardDrop(standard, unitsMode_ == 1, calculatedDrop.IsBaseUnit()));
}

void CAirFlowCalculation::Compute() {
    if (!knownFlow.IsSet() || !knownDrop.IsSet() || !calculatedDrop.IsSet()) return;
    calculatedFlow.SetValue(
        EngineMathScaleFlow(knownFlow.GetValue(), InWater(knownDrop), InWater(calculatedDrop)));
}

bool CAirFlowCalculation::Validate(unsigned short& code) const {
    code = 0;
    if (!knownDrop.IsSet()) code = 98;
    else if (!knownFlow.IsSet()) code = 97;
    else if (!calculatedFlow.IsSet() || !knownFlow.IsInRange(calculatedFlow.GetValue())) code = 99;
    return code == 0;
}

void CAirFlowCalculation::GetInductionFlow(float* flow, float* pressureDrop) const {
    APP_ASSERT(calculatedFlow.IsSet() && calculatedFlow.GetUnit() == kUnitCfm);
    *flow = calculatedFlow.GetValue();
    *pressureDrop = StandardDropInHg(standard_);
}

BEGIN_MESSAGE_MAP(CAirFlowMathDlg, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_AM_NO_STANDARD, IDC_AM_FOUR_BARREL, OnStandard)
ON_CONTROL_RANGE(BN_CLICKED, IDC_AM_KNOWN_WATER, IDC_AM_KNOWN_MERCURY, OnKnownUnit)
ON_CONTROL_RANGE(BN_CLICKED, IDC_AM_CALC_WATER, IDC_AM_CALC_MERCURY, OnCalculatedUnit)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_AM_KNOWN_FLOW, IDC_AM_CALC_DROP, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_AM_KNOWN_FLOW, IDC_AM_CALC_DROP, OnFieldKillFocus)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CAirFlowMathDlg::CAirFlowMathDlg(int unitsMode, CWnd* parent)
    : CDialog(IDD_AIRFLOW_MATH, parent), calc_(unitsMode), entry_(this, IDC_AM_HELP) {
    // Typed known values stay as typed.
    entry_.Bind(IDC_AM_KNOWN_DROP, &calc_.knownDrop, false);
    entry_.Bind(IDC_AM_KNOWN_FLOW, &calc_.knownFlow, false);
    entry_.Bind(IDC_AM_CALC_DROP, &calc_.calculatedDrop);
}

BOOL CAirFlowMathDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_AM_NO_STANDARD, IDC_AM_FOUR_BARREL, 0);
    calc_.SetStandard(calc_.GetStandard());
    ApplyStandard();
    const int standardIds[] = {IDC_AM_NO_STANDARD, IDC_AM_TWO_BARREL, IDC_AM_FOUR_BARREL};
    const int button = standardIds[calc_.GetStandard()];
    CheckRadioButton(IDC_AM_NO_STANDARD, IDC_AM_FOUR_BARREL, button);
    GetDlgItem(button)->SetFocus();

    const bool metric = calc_.GetUnitsMode() == 1;
    UtilSetItemText(this, IDC_AM_TWO_BARREL,
                    metric ? "2-Barrel Rating at 7.6 cmHg Pressure Drop"
                           : "2-Barrel Rating at 3.0 inHg Pressure Drop");
    UtilSetItemText(this, IDC_AM_FOUR_BARREL,
                    metric ? "4-Barrel Rating at 3.8 cmHg Pressure Drop"
                           : "4-Barrel Rating at 1.5 inHg Pressure Drop");
    const char* water = metric ? "cm Water (cmH2O)" : "Inches Water (inH2O)";
    const char* mercury = metric ? "cm Mercury (cmHg)" : "Inches Mercury (inHg)";
    UtilSetItemText(this, IDC_AM_KNOWN_WATER, water);
    UtilSetItemText(this, IDC_AM_CALC_WATER, water);
    UtilSetItemText(this, IDC_AM_KNOWN_MERCURY, mercury);
    UtilSetItemText(this, IDC_AM_CALC_MERCURY, mercury);
    CheckRadioButton(IDC_AM_KNOWN_WATER, IDC_AM_KNOWN_MERCURY,
                     CheckedOf(calc_.knownDrop.IsBaseUnit(), IDC_AM_KNOWN_WATER, IDC_AM_KNOWN_MERCURY));
    CheckRadioButton(IDC_AM_CALC_WATER, IDC_AM_CALC_MERCURY,
                     CheckedOf(calc_.calculatedDrop.IsBaseUnit(), IDC_AM_CALC_WATER, IDC_AM_CALC_MERCURY));

    ShowKnownValues();
    ComputeAndShow();
    UtilSetItemText(this, IDC_AM_HELP, "");
    return FALSE;
}

void CAirFlowMathDlg::ApplyStandard() {
    const bool rated = calc_.GetStandard() != kNoRatingStandard;
    GetDlgItem(IDC_AM_CALC_DROP)->EnableWindow(rated ? FALSE : TRUE);
    UtilSetItemText(this, IDOK, rated ? "Apply" : "OK");
    GetDlgItem(IDCANCEL)->ShowWindow(rated ? SW_SHOW : SW_HIDE);
    if (rated) ComputeAndShow();
}

void CAirFlowMathDlg::ShowKnownValues() {
    entry_.Show(IDC_AM_KNOWN_DROP);
    entry_.Show(IDC_AM_KNOWN_FLOW);
    UtilSetItemUnitText(this, IDC_AM_KNOWN_DROP_UNIT, calc_.knownDrop);
    UtilSetItemUnitText(this, IDC_AM_KNOWN_FLOW_UNIT, calc_.knownFlow);
}

void CAirFlowMathDlg::ComputeAndShow() {
    calc_.Compute();
    entry_.Show(IDC_AM_CALC_DROP);
    UtilSetItemUnitText(this, IDC_AM_CALC_DROP_UNIT, calc_.calculatedDrop);
    UtilSetItemSpecText(this, IDC_AM_CALC_FLOW, calc_.calculatedFlow);
    UtilSetItemUnitText(this, IDC_AM_CALC_FLOW_UNIT, calc_.calculatedFlow);
}

void CAirFlowMathDlg::OnStandard(UINT id) {
    calc_.SetStandard(static_cast<int>(id) - IDC_AM_NO_STANDARD);
    ApplyStandard();
}

void CAirFlowMathDlg::OnKnownUnit(UINT id) {
    CAirFlowCalculation::ShowInWater(calc_.knownDrop, id == IDC_AM_KNOWN_WATER);
    ShowKnownValues();
}

void CAirFlowMathDlg::OnCalculatedUnit(UINT id) {
    CAirFlowCalculation::ShowInWater(calc_.calculatedDrop, id == IDC_AM_CALC_WATER);
    ComputeAndShow();
}

void CAirFlowMathDlg::OnFieldSetFocus(UINT id) {
    if (entry_.IsBound(static_cast<int>(id))) entry_.OnSetFocus(static_cast<int>(id));
}

void CAirFlowMathDlg::OnFieldKillFocus(UINT id) {
    if (!entry_.IsBound(static_cast<int>(id))) return;
    if (entry_.OnKillFocus(static_cast<int>(id)) == CFieldEntry::kAccepted) ComputeAndShow();
    UtilSetItemText(this, IDC_AM_HELP, "");
}

LRESULT CAirFlowMathDlg::OnFieldRejected(WPARAM id, LPARAM) {
    return CFieldEntry::OnFieldRejected(this, id);
}

void CAirFlowMathDlg::OnOK() {
    // A free calculation hands nothing back.
    if (calc_.GetStandard() == kNoRatingStandard) {
        EndDialog(IDCANCEL);
        return;
    }
    if (!entry_.BeginCommit(IDOK)) return;
    unsigned short code = 0;
    if (!calc_.Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    EndDialog(IDOK);
}

void OpenAirflowCalculator(CTorvaneDoc* doc, CWnd* parent) {
    APP_ASSERT(doc != nullptr);
    CAirFlowMathDlg dialog(doc->GetUnitsMode(), parent);
    if (dialog.DoModal() != IDOK) return;
    // The same confirmation as every other change of the engine.
    if (!doc->ConfirmSpecChange(doc->inductionFlow)) return;
    float flow = 0.0f, pressureDrop = 0.0f;
    dialog.GetInductionFlow(&flow, &pressureDrop);
    doc->inductionFlow.SetValueInUnit(flow, true);
    doc->pressureDrop.SetValueInUnit(pressureDrop, true);
    doc->SetUnitsMode(doc->GetUnitsMode());
    doc->SetModifiedFlag(TRUE);
    doc->RecomputeDerived();
    doc->UpdateAllViews(nullptr, 0, nullptr);
}

}  // namespace torvane
