#include "torvane/ui/CompRatioDlg.h"

#include <cfloat>

#include "common/Assertion.h"
#include "common/FieldValueCopy.h"
#include "common/Util.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/CalculatorResources.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

namespace {

const char kAssertModule[] = "CompRatioDlg";

const float kFlatTopDistanceMin = -0.5f, kDomedDistanceMin = 0.1f, kDistanceMax = 2.0f;

// A length in inches whatever unit it is shown in.
float InInches(const CFloatPtSpec& field) {
    CFloatPtSpec copy(field);
    copy.SetUnitSystem(true);
    return copy.GetValue();
}

void StoreRounded(CFloatPtSpec& field, float value) { field.SetValueRounded(value, 2); }

const int kEditIds[] = {IDC_CR_CHAMBER, IDC_CR_GASKET_BORE, IDC_CR_GASKET_THICKNESS,
                        IDC_CR_DISTANCE, IDC_CR_MEASURED};

}  // namespace

CCompressionCalculation::CCompressionCalculation(const CTorvaneDoc& doc)
    : bore(doc.bore),
      chamberVolume(doc.chamberVolume),
      gasketBore(doc.gasketBore),
      gasketThickness(doc.gasketThickness),
      pistonDistance(doc.pistonDistance),
      measuredVolume(doc.pistonDeckVolume),
      gasketVolume("Head Gasket Volume", kUnitCc, -FLT_MAX, FLT_MAX, kUnitCc, 1.0f),
      deckVolume("Deck Volume", kUnitCc, -FLT_MAX, FLT_MAX, kUnitCc, 1.0f),
      totalCombustionVolume("Total Combustion Volume", kUnitCc, -FLT_MAX, FLT_MAX, kUnitCc, 1.0f),
      compressionRatio("New Compression Ratio", kUnitRatio, -FLT_MAX, FLT_MAX, kUnitRatio, 1.0f),
      pistonType_(doc.GetPistonMethod()) {
    APP_ASSERT(pistonType_ == kPistonDomed || pistonType_ == kPistonFlatTop);
}

void CCompressionCalculation::SetPistonType(int type) {
    APP_ASSERT(type == kPistonDomed || type == kPistonFlatTop);
    pistonType_ = type;
    pistonDistance.SetLimits(type == kPistonFlatTop ? kFlatTopDistanceMin : kDomedDistanceMin,
                             kDistanceMax);
}

void CCompressionCalculation::Compute(const CFloatPtSpec& cylinderVolume) {
    gasketVolume.Clear();
    deckVolume.Clear();
    totalCombustionVolume.Clear();
    compressionRatio.Clear();
    if (gasketBore.IsSet() && gasketThickness.IsSet())
        StoreRounded(gasketVolume, EngineMathCylinderDisplacement(
                                       InInches(gasketBore), InInches(gasketThickness)));
    APP_ASSERT(bore.IsSet());
    if (pistonDistance.IsSet()) {
        const float above = EngineMathSweptVolume(InInches(bore), InInches(pistonDistance));
        if (pistonType_ == kPistonFlatTop)
            StoreRounded(deckVolume, above);
        else if (measuredVolume.IsSet())
            StoreRounded(deckVolume, measuredVolume.GetValue() - above);
    }
    if (chamberVolume.IsSet() && gasketVolume.IsSet() && deckVolume.IsSet())
        StoreRounded(totalCombustionVolume,
                     chamberVolume.GetValue() + (gasketVolume.GetValue() + deckVolume.GetValue()));
    if (totalCombustionVolume.IsSet() && totalCombustionVolume.GetValue() != 0.0f) {
        APP_ASSERT(cylinderVolume.IsSet());
        StoreRounded(compressionRatio, EngineMathCompressionRatio(
                                           cylinderVolume.GetValue(), totalCombustionVolume.GetValue()));
    }
}

bool CCompressionCalculation::IsRatioInfinite() const {
    return totalCombustionVolume.IsSet() && totalCombustionVolume.GetValue() == 0.0f;
}

bool CCompressionCalculation::Validate(unsigned short& code, const CFloatPtSpec& ratioLimits) const {
    code = 0;
    if (!chamberVolume.IsSet()) code = 90;
    else if (!gasketBore.IsSet()) code = 91;
    else if (!gasketThickness.IsSet()) code = 92;
    else if (!pistonDistance.IsSet()) code = pistonType_ == kPistonFlatTop ? 93 : 94;
    else if (pistonType_ == kPistonDomed && !measuredVolume.IsSet()) code = 95;
    else if (!compressionRatio.IsSet()) code = 96;
    else if (!ratioLimits.IsInRange(compressionRatio.GetValue())) code = 89;
    return code == 0;
}

BEGIN_MESSAGE_MAP(CCompRatioDlg, CDialog)
ON_BN_CLICKED(IDC_CR_FLAT_TOP, OnFlatTop)
ON_BN_CLICKED(IDC_CR_DOMED, OnDomed)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_CR_CHAMBER, IDC_CR_MEASURED, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CR_CHAMBER, IDC_CR_MEASURED, OnFieldKillFocus)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CCompRatioDlg::CCompRatioDlg(CTorvaneDoc* doc, CWnd* parent)
    : CDialog(IDD_COMPRESSION_RATIO, parent), doc_(doc), calc_(*doc), entry_(this, IDC_CR_HELP) {
    entry_.BindRounded(IDC_CR_CHAMBER, &calc_.chamberVolume, 2);
    entry_.Bind(IDC_CR_GASKET_BORE, &calc_.gasketBore);
    entry_.Bind(IDC_CR_GASKET_THICKNESS, &calc_.gasketThickness);
    entry_.Bind(IDC_CR_DISTANCE, &calc_.pistonDistance);
    entry_.BindRounded(IDC_CR_MEASURED, &calc_.measuredVolume, 2);
}

BOOL CCompRatioDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const int deckIds[] = {IDC_CR_DECK_LABEL, IDC_CR_DECK_VOLUME, IDC_CR_DECK_UNIT};
    const int measuredIds[] = {IDC_CR_MEASURED_LABEL, IDC_CR_MEASURED, IDC_CR_MEASURED_UNIT};
    for (int i = 0; i < 3; ++i) {
        GetDlgItem(deckIds[i])->GetWindowRect(&deckRow_[i]);
        ScreenToClient(&deckRow_[i]);
        GetDlgItem(measuredIds[i])->GetWindowRect(&measuredRow_[i]);
        ScreenToClient(&measuredRow_[i]);
    }
    CheckRadioButton(IDC_CR_FLAT_TOP, IDC_CR_DOMED, 0);
    UtilSetItemUnitText(this, IDC_CR_CHAMBER_UNIT, calc_.chamberVolume);
    UtilSetItemUnitText(this, IDC_CR_GASKET_BORE_UNIT, calc_.gasketBore);
    UtilSetItemUnitText(this, IDC_CR_GASKET_THICKNESS_UNIT, calc_.gasketThickness);
    UtilSetItemUnitText(this, IDC_CR_DISTANCE_UNIT, calc_.pistonDistance);
    UtilSetItemUnitText(this, IDC_CR_MEASURED_UNIT, calc_.measuredVolume);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_BORE, doc_->bore);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_STROKE, doc_->stroke);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_CYLINDER_VOLUME, doc_->cylinderVolume);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_COMBUSTION_VOLUME, doc_->combustionSpace);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_TOTAL_VOLUME, doc_->totalBlockVolume);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SUMMARY_RATIO, doc_->compressionRatio);
    ShowValuesAndLayout();
    ComputeAndShow();
    UtilSetItemText(this, IDC_CR_HELP, "");
    const int button = calc_.GetPistonType() == kPistonFlatTop ? IDC_CR_FLAT_TOP : IDC_CR_DOMED;
    CheckRadioButton(IDC_CR_FLAT_TOP, IDC_CR_DOMED, button);
    GetDlgItem(button)->SetFocus();
    return FALSE;
}

void CCompRatioDlg::ShowValuesAndLayout() {
    entry_.ShowAll();
    const bool flatTop = calc_.GetPistonType() == kPistonFlatTop;
    UtilSetItemText(this, IDC_CR_DISTANCE_LABEL,
                    flatTop ? "Piston Down Bore @ TDC:" : "Piston Down From TDC:");
    const int deckIds[] = {IDC_CR_DECK_LABEL, IDC_CR_DECK_VOLUME, IDC_CR_DECK_UNIT};
    const int measuredIds[] = {IDC_CR_MEASURED_LABEL, IDC_CR_MEASURED, IDC_CR_MEASURED_UNIT};
    for (int i = 0; i < 3; ++i) {
        GetDlgItem(measuredIds[i])->ShowWindow(flatTop ? SW_HIDE : SW_SHOW);
        // The deck-volume row takes the hidden measured row's place.
        CRect place = deckRow_[i];
        if (flatTop) place.OffsetRect(0, measuredRow_[0].top - deckRow_[0].top);
        GetDlgItem(deckIds[i])->MoveWindow(&place);
    }
}

void CCompRatioDlg::ComputeAndShow() {
    calc_.Compute(doc_->cylinderVolume);
    UtilSetItemSpecText(this, IDC_CR_GASKET_VOLUME, calc_.gasketVolume);
    UtilSetItemSpecText(this, IDC_CR_DECK_VOLUME, calc_.deckVolume);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_SWEPT, doc_->cylinderVolume);
    UtilSetItemSpecTextWithUnits(this, IDC_CR_TOTAL_COMBUSTION, calc_.totalCombustionVolume);
    if (calc_.IsRatioInfinite())
        UtilSetItemText(this, IDC_CR_RATIO, "Infinity");
    else
        UtilSetItemSpecText(this, IDC_CR_RATIO, calc_.compressionRatio);
}

void CCompRatioDlg::ChangePistonType(int type) {
    calc_.SetPistonType(type);
    ShowValuesAndLayout();
    ComputeAndShow();
}

void CCompRatioDlg::OnFlatTop() { ChangePistonType(kPistonFlatTop); }

void CCompRatioDlg::OnDomed() { ChangePistonType(kPistonDomed); }

void CCompRatioDlg::OnFieldSetFocus(UINT id) {
    if (entry_.IsBound(static_cast<int>(id))) entry_.OnSetFocus(static_cast<int>(id));
}

void CCompRatioDlg::OnFieldKillFocus(UINT id) {
    if (!entry_.IsBound(static_cast<int>(id))) return;
    if (entry_.OnKillFocus(static_cast<int>(id)) == CFieldEntry::kAccepted) ComputeAndShow();
    UtilSetItemText(this, IDC_CR_HELP, "");
}

LRESULT CCompRatioDlg::OnFieldRejected(WPARAM id, LPARAM) {
    return CFieldEntry::OnFieldRejected(this, id);
}

void CCompRatioDlg::OnOK() {
    if (!entry_.BeginCommit(IDOK)) return;
    unsigned short code = 0;
    if (!calc_.Validate(code, doc_->compressionRatio)) {
        ErrCodeShowError(code);
        return;
    }
    // The same confirmation as every other change of the engine.
    if (!doc_->ConfirmSpecChange(doc_->combustionSpace)) return;
    ApplyToDocument();
    EndDialog(IDOK);
}

void CCompRatioDlg::ApplyToDocument() {
    CTorvaneDoc& doc = *doc_;
    doc.SetPistonMethod(calc_.GetPistonType());
    CopyFieldValue(doc.chamberVolume, calc_.chamberVolume);
    CopyFieldValue(doc.gasketBore, calc_.gasketBore);
    CopyFieldValue(doc.gasketThickness, calc_.gasketThickness);
    CopyFieldValue(doc.pistonDistance, calc_.pistonDistance);
    CopyFieldValue(doc.pistonDeckVolume, calc_.measuredVolume);
    CopyFieldValue(doc.gasketVolume, calc_.gasketVolume);
    CopyFieldValue(doc.deckVolume, calc_.deckVolume);
    CopyFieldValue(doc.combustionSpace, calc_.totalCombustionVolume);
    CopyFieldValue(doc.compressionRatio, calc_.compressionRatio);
    doc.SetCompressionCalculatorUsed(true);
    doc.SetModifiedFlag(TRUE);
    doc.RecomputeDerived();
    doc.UpdateAllViews(nullptr, 0, nullptr);
}

void OpenCompressionCalculator(CTorvaneDoc* doc, CWnd* parent) {
    APP_ASSERT(doc != nullptr);
    unsigned short code = 0;
    if (!doc->ValidateBlock(code)) {
        ErrCodeShowError(88);
        return;
    }
    CCompRatioDlg dialog(doc, parent);
    dialog.DoModal();
}

}  // namespace torvane
