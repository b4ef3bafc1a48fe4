#include "torvane/results/sweep/ItrProCamPropPage.h"

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/ui/ComboItems.h"
#include "torvane/document/Iterator.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/ItrProPageControls.h"

namespace torvane {

static const char kAssertModule[] = "ItrProCamPropPage.cpp";

IMPLEMENT_DYNCREATE(CItrProCamPropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProCamPropPage, CItrProPage)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ITC_COARSE_TOL_IVO, IDC_ITC_FINE_STEP, OnComboChanged)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITC_SINGLE, IDC_ITC_EXCLUDE, OnPhaseClicked)
END_MESSAGE_MAP()

namespace {

const ComboItem kTolerances[] = {{"0", 0},   {"1", 1},   {"2", 2},   {"4", 4},
                                 {"8", 8},   {"16", 16}, {"24", 24}, {"32", 32}};
const ComboItem kSteps[] = {{"1", 1}, {"2", 2}, {"4", 4}, {"8", 8}};

constexpr int kEvents = 4;

// The controls of one phase; event order IVO, IVC, EVO, EVC.
struct PhaseControls {
    int group;
    int events[kEvents];
    int tolerances[kEvents];
    int step;
    int tests;
};

const PhaseControls kCoarse = {IDC_ITC_COARSE_GROUP,
                               {IDC_ITC_COARSE_IVO, IDC_ITC_COARSE_IVC, IDC_ITC_COARSE_EVO, IDC_ITC_COARSE_EVC},
                               {IDC_ITC_COARSE_TOL_IVO, IDC_ITC_COARSE_TOL_IVC, IDC_ITC_COARSE_TOL_EVO,
                                IDC_ITC_COARSE_TOL_EVC},
                               IDC_ITC_COARSE_STEP,
                               IDC_ITC_COARSE_TESTS};
const PhaseControls kFine = {IDC_ITC_FINE_GROUP,
                             {IDC_ITC_FINE_IVO, IDC_ITC_FINE_IVC, IDC_ITC_FINE_EVO, IDC_ITC_FINE_EVC},
                             {IDC_ITC_FINE_TOL_IVO, IDC_ITC_FINE_TOL_IVC, IDC_ITC_FINE_TOL_EVO, IDC_ITC_FINE_TOL_EVC},
                             IDC_ITC_FINE_STEP,
                             IDC_ITC_FINE_TESTS};
const int kWindows[kEvents] = {IDC_ITC_WINDOW_IVO, IDC_ITC_WINDOW_IVC, IDC_ITC_WINDOW_EVO, IDC_ITC_WINDOW_EVC};

const CFloatPtSpec& DocumentEvent(CTorvaneDoc& doc, int event) {
    const CamTimingSet& events = doc.cam.primary;
    const CFloatPtSpec* fields[kEvents] = {&events.ivo, &events.ivc, &events.evo, &events.evc};
    return *fields[event];
}

bool EventsEnabled(CIterator& sweep) {
    const bool enabled = sweep.GetVariable(kSlotIntakeOpening).IsEnabled();
    for (int i = 1; i < kEvents; ++i) APP_ASSERT(sweep.GetVariable(kSlotIntakeOpening + i).IsEnabled() == enabled);
    return enabled;
}

}  // namespace

CItrProCamPropPage::CItrProCamPropPage() : CItrProPage(IDD_ITRPRO_CAM) {}

BOOL CItrProCamPropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    for (const PhaseControls* phase : {&kCoarse, &kFine}) {
        for (int id : phase->tolerances) ComboFillItems(m_hWnd, id, kTolerances);
        ComboFillItems(m_hWnd, phase->step, kSteps);
    }
    UpdatePage();
    return TRUE;
}

int CItrProCamPropPage::GetCoarseTestCount() const {
    return PhaseTestCount(*coarse_, kSlotIntakeOpening, kSlotExhaustClosing);
}

int CItrProCamPropPage::GetFineTestCount() const {
    return PhaseTestCount(*fine_, kSlotIntakeOpening, kSlotExhaustClosing);
}

void CItrProCamPropPage::UpdatePage() {
    if (GetSafeHwnd() == nullptr) return;
    const bool coarseOn = EventsEnabled(*coarse_);
    const bool fineOn = EventsEnabled(*fine_);
    CheckPhaseRadios(this, IDC_ITC_EXCLUDE, IDC_ITC_SINGLE, IDC_ITC_DUAL, PhaseOf(coarseOn, fineOn));
    for (int phase = 0; phase < 2; ++phase) {
        const PhaseControls& controls = phase == 0 ? kCoarse : kFine;
        CIterator& sweep = phase == 0 ? *coarse_ : *fine_;
        for (int i = 0; i < kEvents; ++i) {
            UtilSetItemSpecText(this, controls.events[i], DocumentEvent(*document_, i));
            const int tolerance = static_cast<int>(sweep.GetVariable(kSlotIntakeOpening + i).GetTolerance().GetValue());
            ComboSelectValue(m_hWnd, controls.tolerances[i], tolerance);
        }
        ComboSelectValue(m_hWnd, controls.step,
                         static_cast<int>(sweep.GetVariable(kSlotIntakeOpening).GetStep().GetValue()));
        SetItemTextF(this, controls.tests, "%d", PhaseTestCount(sweep, kSlotIntakeOpening, kSlotExhaustClosing));
    }
    EnableGroup(this, kCoarse.group, coarseOn);
    EnableGroup(this, kFine.group, fineOn);
    // Each event moves within its coarse window, widened by the fine one
    // around wherever the coarse phase ends.
    for (int i = 0; i < kEvents; ++i) {
        float window = 0.0f;
        if (coarseOn) window = 2.0f * coarse_->GetVariable(kSlotIntakeOpening + i).GetTolerance().GetValue();
        if (fineOn) window += 2.0f * fine_->GetVariable(kSlotIntakeOpening + i).GetTolerance().GetValue();
        SetItemTextF(this, kWindows[i], "%.1f", window);
    }
}

void CItrProCamPropPage::EnableControls(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id : {IDC_ITC_PHASE_GROUP, kCoarse.group, kFine.group, IDC_ITC_WINDOW_GROUP}) EnableGroup(this, id, enable);
}

void CItrProCamPropPage::Changed() {
    owner_->ResetRunResults();
    UpdatePage();
    owner_->UpdateAllPages(this);
}

void CItrProCamPropPage::OnComboChanged(UINT id) {
    if (static_cast<int>(id) == kCoarse.step || static_cast<int>(id) == kFine.step) {
        StepChanged(static_cast<int>(id));
        return;
    }
    for (int phase = 0; phase < 2; ++phase) {
        const PhaseControls& controls = phase == 0 ? kCoarse : kFine;
        for (int i = 0; i < kEvents; ++i) {
            if (controls.tolerances[i] != static_cast<int>(id)) continue;
            const int degrees = ComboSelectedValue(m_hWnd, static_cast<int>(id));
            if (degrees < 0) return;
            CIterator& sweep = phase == 0 ? *coarse_ : *fine_;
            sweep.GetVariable(kSlotIntakeOpening + i).SetCentre(DocumentEvent(*document_, i),
                                                                static_cast<float>(degrees));
            Changed();
            return;
        }
    }
}

void CItrProCamPropPage::StepChanged(int id) {
    const int degrees = ComboSelectedValue(m_hWnd, id);
    if (degrees <= 0) return;
    CIterator& sweep = id == kCoarse.step ? *coarse_ : *fine_;
    for (int i = 0; i < kEvents; ++i) sweep.GetVariable(kSlotIntakeOpening + i).SetStep(static_cast<float>(degrees));
    Changed();
}

void CItrProCamPropPage::OnPhaseClicked(UINT id) {
    if (IsDlgButtonChecked(static_cast<int>(id)) != BST_CHECKED) return;
    coarse_->EnableValveEvents(id != IDC_ITC_EXCLUDE);
    fine_->EnableValveEvents(id == IDC_ITC_DUAL);
    Changed();
}

}  // namespace torvane
