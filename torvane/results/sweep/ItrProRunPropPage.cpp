#include "torvane/results/sweep/ItrProRunPropPage.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/sweepui/SweepRunLoop.h"
#include "torvane/document/Iterator.h"
#include "torvane/res/ItrProResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "ItrProRunPropPage.cpp";

namespace {

// Engine speed in thousands of rpm along the surface's y, 2.0 to 11.0.
const SweepSurfaceLook kSurfaceLook = {220.0, true, "RPMx1000(Y)", kResultPointCount, 0.5, 2.0};

bool ScoresTorque(int criterion) {
    APP_ASSERT(criterion >= kCriterionPeakTorque && criterion <= kCriterionPowerArea);
    return criterion == kCriterionPeakTorque || criterion == kCriterionTorqueArea;
}

}  // namespace

IMPLEMENT_DYNCREATE(CItrProRunPropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProRunPropPage, CItrProPage)
ON_BN_CLICKED(IDC_IR_RUN, OnRun)
ON_BN_CLICKED(IDC_IR_RESTART, OnRestart)
ON_CONTROL_RANGE(BN_CLICKED, IDC_IR_SAVE_FIRST, IDC_IR_SAVE_LAST, OnSaveBox)
ON_CONTROL_RANGE(BN_CLICKED, IDC_IR_X_PLUS, IDC_IR_HOME, OnRotate)
END_MESSAGE_MAP()

CItrProRunPropPage::CItrProRunPropPage() : CItrProPage(IDD_ITR_PRO_RUN), surface_(kSurfaceLook) {}

void CItrProRunPropPage::SetOwner(CItrProPageOwner* owner) {
    CItrProPage::SetOwner(owner);
    shown_ = coarse_;
    unsigned short code = 0;
    if (!owner_->IsFinePhaseEnabled()) {
        if (coarse_->Validate(code)) state_ = GetLeadFlag(*coarse_) ? kStateFinished : kStateReady;
    } else if (coarse_->Validate(code) && fine_->Validate(code)) {
        const bool coarseDone = GetLeadFlag(*coarse_);
        if (coarseDone && GetLeadFlag(*fine_)) {
            shown_ = fine_;
            state_ = kStateFinished;
        } else {
            shown_ = coarseDone ? fine_ : coarse_;
            state_ = kStateReady;
        }
    }
}

BOOL CItrProRunPropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    bars_.Create(this, IDC_IR_BARS_AREA);
    surface_.Create(this, IDC_IR_SURFACE_AREA);
    UpdateDisplay();
    return TRUE;
}

void CItrProRunPropPage::ResetResults() {
    for (CIterator* sweep : {coarse_, fine_}) {
        sweep->AttachDocument(document_);
        sweep->Reset();
    }
    shown_ = coarse_;
}

void CItrProRunPropPage::EnableControls(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id = IDC_IR_SAVE_FIRST; id <= IDC_IR_SAVE_LAST; ++id) GetDlgItem(id)->EnableWindow(enable);
    GetDlgItem(IDC_IR_RESTART)->EnableWindow(enable);
}

void CItrProRunPropPage::UpdateDisplay() {
    if (GetSafeHwnd() == nullptr) return;
    UtilSetItemText(this, IDC_IR_RUN, running_ ? "Stop" : "Run");
    UpdateBestSimsChart();
    UpdateSurface();
    UpdateBestChecks();
    bars_.PlaceBoxes(this, IDC_IR_SAVE_FIRST);
}

bool CItrProRunPropPage::ValidateSweeps() {
    unsigned short code = 0;
    if (!coarse_->Validate(code) || (owner_->IsFinePhaseEnabled() && !fine_->Validate(code))) {
        ErrCodeShowError(code);
        return false;
    }
    return true;
}

bool CItrProRunPropPage::IsFinished() const {
    return owner_->IsFinePhaseEnabled() ? GetLeadFlag(*coarse_) && GetLeadFlag(*fine_) : GetLeadFlag(*coarse_);
}

void CItrProRunPropPage::OnRun() {
    if (running_) {
        stopRequested_ = true;
        return;
    }
    if (coarse_->GetRunsDone() == 0) coarse_->Reset();
    const bool dual = owner_->IsFinePhaseEnabled();
    if (dual && fine_->GetRunsDone() == 0) fine_->Reset();
    if (!ValidateSweeps()) return;

    running_ = true;
    stopRequested_ = false;
    state_ = kStateRunning;
    UtilSetItemText(this, IDC_IR_RUN, "Stop");
    owner_->EnableControls(false);
    SweepRunSteps steps;
    steps.finished = [this] { return GetLeadFlag(*shown_); };
    steps.step = [this](int runs, bool* kept) { shown_->StepMany(runs, kept); };
    steps.shown = [this](bool kept) {
        owner_->UpdateStatus(true);
        owner_->UpdateValues(true);
        if (kept) {
            UpdateBestSimsChart();
            UpdateSurface();
        }
    };
    steps.nextPhase = [this, dual] {
        if (dual && shown_ == coarse_ && GetLeadFlag(*coarse_)) StartFinePhase();
    };
    SweepRunBatches(pace_, stopRequested_, steps);
    running_ = false;
    stopRequested_ = false;
    state_ = IsFinished() ? kStateFinished : kStateReady;
    UtilSetItemText(this, IDC_IR_RUN, "Run");
    owner_->EnableControls(true);
    UpdateBestChecks();
    owner_->UpdateAllPages(nullptr);
}

void CItrProRunPropPage::StartFinePhase() {
    // Every coarse run failed: there is nothing to refine.
    if (coarse_->GetResultCount() == 0) return;
    CTorvaneDoc* best = coarse_->GetBestResultDoc();
    fine_->AttachDocument(best);
    if (ItrVariableIsOn(fine_->GetVariable(kSlotIntakeOpening))) {
        const CFloatPtSpec* events[] = {&best->cam.primary.ivo, &best->cam.primary.ivc, &best->cam.primary.evo,
                                        &best->cam.primary.evc};
        for (int i = 0; i < 4; ++i) {
            CIterVariable& variable = fine_->GetVariable(kSlotIntakeOpening + i);
            APP_ASSERT(ItrVariableIsOn(variable));
            variable.Recentre(*events[i]);
        }
    }
    if (ItrVariableIsOn(fine_->GetVariable(kSlotBore))) {
        APP_ASSERT(ItrVariableIsOn(fine_->GetVariable(kSlotStroke)));
        fine_->GetVariable(kSlotBore).Recentre(best->bore);
        fine_->GetVariable(kSlotStroke).Recentre(best->stroke);
    }
    fine_->Reset();
    shown_ = fine_;
}

void CItrProRunPropPage::OnRestart() {
    if (!ValidateSweeps()) return;
    ResetResults();
    state_ = kStateReady;
    running_ = stopRequested_ = false;
    UpdateDisplay();
    owner_->UpdateAllPages(this);
}

void CItrProRunPropPage::OnSaveBox(UINT id) {
    const int k = static_cast<int>(id) - IDC_IR_SAVE_FIRST;
    APP_ASSERT(k < shown_->GetResultCount());
    shown_->SetResultMarked(k, IsDlgButtonChecked(id) == BST_CHECKED);
    owner_->UpdateOkButtonText();
}

void CItrProRunPropPage::OnRotate(UINT id) {
    surface_.Rotate(static_cast<CSweepSurface::Rotation>(id - IDC_IR_X_PLUS));
}

void CItrProRunPropPage::UpdateBestChecks() {
    SweepShowSaveBoxes(this, IDC_IR_SAVE_FIRST, std::min(shown_->GetResultCount(), kIterResultCount),
                       [this](int result) { return shown_->IsResultMarked(result); });
}

void CItrProRunPropPage::UpdateBestSimsChart() {
    float scores[kIterResultCount] = {};
    const int count = std::min(shown_->GetResultCount(), kIterResultCount);
    for (int i = 0; i < count; ++i) scores[i] = shown_->GetResultScore(i);
    bars_.Update(coarse_->GetBaselineScore(), count, scores, shown_->GetWorstScore(), shown_->GetBestScore());
}

void CItrProRunPropPage::UpdateSurface() {
    const bool torque = ScoresTorque(shown_->GetCriterion());
    surface_.SetZTitle(torque ? "Torque(Z)" : "HP(Z)");
    if (shown_->GetRunsDone() == 0) {
        surface_.ShowEmpty();
        return;
    }
    APP_ASSERT(surface_.GetRowCount() == kResultPointCount);
    surface_.Show(std::min(shown_->GetResultCount(), kIterResultCount), [this, torque](int column, int row) {
        const float* curve =
            torque ? shown_->GetResultTorqueCurve(column) : shown_->GetResultPowerCurve(column);
        return static_cast<double>(curve[row]);
    });
}

}  // namespace torvane
