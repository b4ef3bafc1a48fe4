#include "torvane/results/sweep/ItrProBoreStrokePropPage.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/ui/ComboItems.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/Iterator.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/ItrProPageControls.h"

namespace torvane {

static const char kAssertModule[] = "ItrProBoreStrokePropPage.cpp";

IMPLEMENT_DYNCREATE(CItrProBoreStrokePropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProBoreStrokePropPage, CItrProPage)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ITB_COARSE_TOL_BORE, IDC_ITB_FINE_STEP, OnComboChanged)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITB_SINGLE, IDC_ITB_EXCLUDE, OnPhaseClicked)
    ON_BN_CLICKED(IDC_ITB_HOLD_DISPLACEMENT, OnHoldDisplacement)
END_MESSAGE_MAP()

namespace {

// Thousandths of an inch.
const ComboItem kTolerances[] = {{"0", 0},        {".010", 10},      {"0.050", 50},
                                 {"0.080", 80},    {"0.100", 100},    {"0.250", 250},
                                 {"0.500", 500},   {"1.000", 1000},   {"2.000", 2000}};
const ComboItem kSteps[] = {{"0.001", 1},  {"0.002", 2},  {"0.005", 5},   {"0.010", 10}, {"0.020", 20},
                            {"0.050", 50}, {"0.100", 100}, {"0.125", 125}, {"0.500", 500}};

// The ranges a preset or unticking "Maintain Current Displacement" gives.
constexpr float kCoarseTolerance = 0.5f, kCoarseStep = 0.125f;
constexpr float kFineTolerance = 0.08f, kFineStep = 0.02f;
constexpr float kCubicInchToCc = 16.38706f;

struct PhaseControls {
    int group;
    int bore, stroke;
    int boreTolerance, strokeTolerance;
    int step;
    int tests;
};

const PhaseControls kCoarse = {IDC_ITB_COARSE_GROUP,    IDC_ITB_COARSE_BORE,       IDC_ITB_COARSE_STROKE,
                               IDC_ITB_COARSE_TOL_BORE, IDC_ITB_COARSE_TOL_STROKE, IDC_ITB_COARSE_STEP,
                               IDC_ITB_COARSE_TESTS};
const PhaseControls kFine = {IDC_ITB_FINE_GROUP,    IDC_ITB_FINE_BORE,       IDC_ITB_FINE_STROKE,
                             IDC_ITB_FINE_TOL_BORE, IDC_ITB_FINE_TOL_STROKE, IDC_ITB_FINE_STEP,
                             IDC_ITB_FINE_TESTS};

// An inch figure of the sweep as thousandths, the lists' values.
int Thousandths(const CFloatPtSpec& figure) {
    return static_cast<int>((figure.GetValue() + 0.00001f) * 1000.0f);
}

// A field's value in its base unit (inches, cubic inches).
float BaseValue(const CFloatPtSpec& field) {
    CFloatPtSpec base(field);
    base.ToBaseUnit();
    return base.GetValue();
}

// Shows a base-unit figure in the unit the document shows `field` in.
void ShowInFieldUnit(CWnd* page, int id, float base, const CFloatPtSpec& field) {
    const float baseValue = BaseValue(field);
    const float shown = field.IsBaseUnit() || baseValue == 0.0f ? base : base * field.GetValue() / baseValue;
    SetItemTextF(page, id, "%.3f", shown);
}

bool BoreStrokeEnabled(CIterator& sweep) {
    const bool enabled = sweep.GetVariable(kSlotBore).IsEnabled();
    APP_ASSERT(sweep.GetVariable(kSlotStroke).IsEnabled() == enabled);
    return enabled;
}

}  // namespace

CItrProBoreStrokePropPage::CItrProBoreStrokePropPage() : CItrProPage(IDD_ITRPRO_BORE_STROKE) {}

BOOL CItrProBoreStrokePropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    for (const PhaseControls* phase : {&kCoarse, &kFine}) {
        ComboFillItems(m_hWnd, phase->boreTolerance, kTolerances);
        ComboFillItems(m_hWnd, phase->strokeTolerance, kTolerances);
        ComboFillItems(m_hWnd, phase->step, kSteps);
    }
    UpdatePage();
    return TRUE;
}

int CItrProBoreStrokePropPage::GetCoarseTestCount() const {
    return PhaseTestCount(*coarse_, kSlotBore, kSlotStroke);
}

int CItrProBoreStrokePropPage::GetFineTestCount() const {
    return PhaseTestCount(*fine_, kSlotBore, kSlotStroke);
}

void CItrProBoreStrokePropPage::UpdatePage() {
    if (GetSafeHwnd() == nullptr) return;
    const bool coarseOn = BoreStrokeEnabled(*coarse_);
    const bool fineOn = BoreStrokeEnabled(*fine_);
    CheckPhaseRadios(this, IDC_ITB_EXCLUDE, IDC_ITB_SINGLE, IDC_ITB_DUAL, PhaseOf(coarseOn, fineOn));
    const bool hold = coarse_->IsHoldDisplacement();
    APP_ASSERT(fine_->IsHoldDisplacement() == hold);
    CheckDlgButton(IDC_ITB_HOLD_DISPLACEMENT, hold ? BST_CHECKED : BST_UNCHECKED);
    for (int phase = 0; phase < 2; ++phase) {
        const PhaseControls& controls = phase == 0 ? kCoarse : kFine;
        CIterator& sweep = phase == 0 ? *coarse_ : *fine_;
        if (hold && coarse_->IsBoreFollowing()) {
            SetDlgItemText(controls.bore, "(Auto)");
        } else {
            UtilSetItemSpecText(this, controls.bore, document_->bore);
        }
        if (hold && coarse_->IsStrokeFollowing()) {
            SetDlgItemText(controls.stroke, "(Auto)");
        } else {
            UtilSetItemSpecText(this, controls.stroke, document_->stroke);
        }
        ComboSelectValue(m_hWnd, controls.boreTolerance, Thousandths(sweep.GetVariable(kSlotBore).GetTolerance()));
        ComboSelectValue(m_hWnd, controls.strokeTolerance,
                         Thousandths(sweep.GetVariable(kSlotStroke).GetTolerance()));
        ComboSelectValue(m_hWnd, controls.step, Thousandths(sweep.GetVariable(kSlotBore).GetStep()));
        SetItemTextF(this, controls.tests, "%d", PhaseTestCount(sweep, kSlotBore, kSlotStroke));
    }
    ShowLimits(coarseOn, fineOn);
    EnableGroup(this, kCoarse.group, coarseOn);
    EnableGroup(this, kFine.group, fineOn);
}

void CItrProBoreStrokePropPage::ShowLimits(bool coarseOn, bool fineOn) {
    float boreMin = 0.0f, boreMax = 0.0f, strokeMin = 0.0f, strokeMax = 0.0f;
    float displacementMin = 0.0f, displacementMax = 0.0f;
    if (coarseOn) {
        // Inches: the sweep holds its tolerances in inches whatever the
        // document shows.
        const float bore = BaseValue(document_->bore);
        const float stroke = BaseValue(document_->stroke);
        float boreReach = coarse_->GetVariable(kSlotBore).GetTolerance().GetValue();
        float strokeReach = coarse_->GetVariable(kSlotStroke).GetTolerance().GetValue();
        if (fineOn) {
            boreReach += fine_->GetVariable(kSlotBore).GetTolerance().GetValue();
            strokeReach += fine_->GetVariable(kSlotStroke).GetTolerance().GetValue();
        }
        // A dimension cannot reach 0, however wide the tolerance.
        constexpr float kSmallest = 0.001f;
        boreMin = std::max(bore - boreReach, kSmallest);
        boreMax = bore + boreReach;
        strokeMin = std::max(stroke - strokeReach, kSmallest);
        strokeMax = stroke + strokeReach;
        const int cylinders = document_->cylinders.GetValue();
        if (coarse_->IsHoldDisplacement()) {
            displacementMin = displacementMax = BaseValue(document_->totalBlockVolume);
            if (coarse_->IsBoreFollowing()) {
                boreMin = EngineMathBoreFromDisplacement(displacementMin, cylinders, strokeMax);
                boreMax = EngineMathBoreFromDisplacement(displacementMin, cylinders, strokeMin);
            }
            if (coarse_->IsStrokeFollowing()) {
                strokeMin = EngineMathStrokeFromDisplacement(displacementMin, cylinders, boreMax);
                strokeMax = EngineMathStrokeFromDisplacement(displacementMin, cylinders, boreMin);
            }
        } else {
            displacementMin = EngineMathSweptVolume(boreMin, strokeMin) / kCubicInchToCc * cylinders;
            displacementMax = EngineMathSweptVolume(boreMax, strokeMax) / kCubicInchToCc * cylinders;
        }
    }
    ShowInFieldUnit(this, IDC_ITB_BORE_MIN, boreMin, document_->bore);
    ShowInFieldUnit(this, IDC_ITB_BORE_MAX, boreMax, document_->bore);
    ShowInFieldUnit(this, IDC_ITB_STROKE_MIN, strokeMin, document_->stroke);
    ShowInFieldUnit(this, IDC_ITB_STROKE_MAX, strokeMax, document_->stroke);
    ShowInFieldUnit(this, IDC_ITB_DISPLACEMENT_MIN, displacementMin, document_->totalBlockVolume);
    ShowInFieldUnit(this, IDC_ITB_DISPLACEMENT_MAX, displacementMax, document_->totalBlockVolume);
}

void CItrProBoreStrokePropPage::EnableControls(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id : {IDC_ITB_PHASE_GROUP, kCoarse.group, kFine.group, IDC_ITB_LIMITS_GROUP}) EnableGroup(this, id, enable);
}

void CItrProBoreStrokePropPage::Changed() {
    owner_->ResetRunResults();
    UpdatePage();
    owner_->UpdateAllPages(this);
}

void CItrProBoreStrokePropPage::OnComboChanged(UINT id) {
    const int value = ComboSelectedValue(m_hWnd, static_cast<int>(id));
    if (value < 0) return;
    for (int phase = 0; phase < 2; ++phase) {
        const PhaseControls& controls = phase == 0 ? kCoarse : kFine;
        CIterator& sweep = phase == 0 ? *coarse_ : *fine_;
        if (static_cast<int>(id) == controls.boreTolerance) return ToleranceChanged(phase == 1, kSlotBore, value);
        if (static_cast<int>(id) == controls.strokeTolerance)
            return ToleranceChanged(phase == 1, kSlotStroke, value);
        if (static_cast<int>(id) == controls.step) {
            if (value <= 0) return;
            sweep.GetVariable(kSlotBore).SetStep(value * 0.001f);
            sweep.GetVariable(kSlotStroke).SetStep(value * 0.001f);
            Changed();
            return;
        }
    }
}

void CItrProBoreStrokePropPage::ToleranceChanged(bool fine, int slot, int thousandths) {
    CIterator& sweep = fine ? *fine_ : *coarse_;
    const bool bore = slot == kSlotBore;
    sweep.GetVariable(slot).SetCentre(bore ? document_->bore : document_->stroke, thousandths * 0.001f);
    // The dimension just given a range is swept; the other follows it.
    if (coarse_->IsHoldDisplacement()) {
        APP_ASSERT(fine_->IsHoldDisplacement());
        coarse_->SetHoldDisplacement(!bore, bore);
        fine_->SetHoldDisplacement(!bore, bore);
    }
    Changed();
}

void CItrProBoreStrokePropPage::OnPhaseClicked(UINT id) {
    if (IsDlgButtonChecked(static_cast<int>(id)) != BST_CHECKED) return;
    coarse_->EnableBoreStroke(id != IDC_ITB_EXCLUDE);
    fine_->EnableBoreStroke(id == IDC_ITB_DUAL);
    Changed();
}

void CItrProBoreStrokePropPage::OnHoldDisplacement() {
    if (IsDlgButtonChecked(IDC_ITB_HOLD_DISPLACEMENT) == BST_CHECKED) {
        coarse_->SetHoldDisplacement(false, true);
        fine_->SetHoldDisplacement(false, true);
    } else {
        coarse_->ClearHoldDisplacement();
        fine_->ClearHoldDisplacement();
        // The presets start both ranges afresh, which would also switch the
        // phases on: the page's Exclude/Single/Dual choice stays.
        const bool coarseOn = BoreStrokeEnabled(*coarse_);
        const bool fineOn = BoreStrokeEnabled(*fine_);
        coarse_->PresetBoreStroke(kCoarseTolerance, kCoarseStep);
        fine_->PresetBoreStroke(kFineTolerance, kFineStep);
        coarse_->EnableBoreStroke(coarseOn);
        fine_->EnableBoreStroke(fineOn);
    }
    // The ranges changed: results of the old ones would not match them.
    Changed();
}

}  // namespace torvane
