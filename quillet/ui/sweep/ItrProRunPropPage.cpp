#include "quillet/ui/sweep/ItrProRunPropPage.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/sweepui/SweepRunLoop.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/ItrProResources.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "ItrProRunPropPage.cpp";

namespace {

// Distance in feet along the surface's y, 0 to 1320 by 60.
const SweepSurfaceLook kSurfaceLook = {-55.0, false, "Feet(Y)", kRaceStepCount, 60.0, 0.0};

// Sweep variables: 0 converter stall, 1..6 gear ratios, 7 final drive,
// 8 launch, 9..13 the shifts after gears 1 to 5.
constexpr int kStallVariable = 0;
constexpr int kFirstRatioVariable = 1;
constexpr int kFinalDriveVariable = 7;
constexpr int kLaunchVariable = 8;
constexpr int kFirstShiftVariable = 9;

bool IsOn(CIterator& sweep, int variable) {
    const CIterVariable& v = sweep.GetVariable(variable);
    return v.GetKind() != kIterUnused && v.IsEnabled();
}

void RecentreOn(CIterator& sweep, int variable, const CFloatPtSpec& centre) {
    APP_ASSERT(IsOn(sweep, variable));
    sweep.GetVariable(variable).Recentre(centre.GetValue());
}

const char* ZTitle(int criterion) {
    static const char* const kTitles[] = {"Time(Z))", "MPH(Z)", "Acceleration - g's(Z))",
                                          "MPH(Z))",  "lbft(Z))", "HP(Z))"};
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    return kTitles[criterion];
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
    short code = 0;
    if (!owner_->IsFinePhaseEnabled()) {
        if (coarse_->Validate(&code)) state_ = coarse_->IsFinished() ? kStateFinished : kStateReady;
    } else if (coarse_->Validate(&code) && fine_->Validate(&code)) {
        const bool coarseDone = coarse_->IsFinished();
        if (coarseDone && fine_->IsFinished()) {
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
    // A quarter-mile race fills every distance row, an eighth-mile one half.
    const int length = document_->GetRaceLength();
    APP_ASSERT(length == 660 || length == 1320);
    surface_.SetRowCount(length == 660 ? 12 : kRaceStepCount);
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
    short code = 0;
    if (!coarse_->Validate(&code) || (owner_->IsFinePhaseEnabled() && !fine_->Validate(&code))) {
        ErrCodeShowError(static_cast<unsigned short>(code));
        return false;
    }
    return true;
}

bool CItrProRunPropPage::IsFinished() const {
    return owner_->IsFinePhaseEnabled() ? coarse_->IsFinished() && fine_->IsFinished() : coarse_->IsFinished();
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
    steps.finished = [this] { return shown_->IsFinished(); };
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
        if (dual && shown_ == coarse_ && coarse_->IsFinished()) StartFinePhase();
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
    CQuilletDoc* best = coarse_->GetBestResultDoc();
    fine_->AttachDocument(best);
    const int gears = document_->m_gearCount.GetValue();
    APP_ASSERT(gears >= 1 && gears == best->m_gearCount.GetValue());
    if (IsOn(*fine_, kFirstRatioVariable)) {
        for (int k = 0; k < gears; ++k) RecentreOn(*fine_, kFirstRatioVariable + k, best->m_gearRatio[k]);
        RecentreOn(*fine_, kFinalDriveVariable, best->m_rearAxleRatio);
    }
    if (IsOn(*fine_, kLaunchVariable)) {
        RecentreOn(*fine_, kLaunchVariable, best->m_launchRpm);
        for (int k = 0; k < gears - 1; ++k) RecentreOn(*fine_, kFirstShiftVariable + k, best->m_shiftRpm[k]);
    }
    if (IsOn(*fine_, kStallVariable)) RecentreOn(*fine_, kStallVariable, best->m_converterStall);
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
    // Elapsed times: the best is the lowest.
    const bool lowerIsBetter = shown_->GetCriterion() == kCriterionElapsedTime;
    const double best = shown_->GetBestScore(), worst = shown_->GetWorstScore();
    bars_.Update(coarse_->GetBaselineScore(), count, scores, lowerIsBetter ? best : worst,
                 lowerIsBetter ? worst : best);
}

void CItrProRunPropPage::UpdateSurface() {
    surface_.SetZTitle(ZTitle(shown_->GetCriterion()));
    if (shown_->GetRunsDone() == 0) {
        surface_.ShowEmpty();
        return;
    }
    const int rows = surface_.GetRowCount();
    APP_ASSERT(rows == 12 || rows == kRaceStepCount);
    surface_.Show(std::min(shown_->GetResultCount(), kIterResultCount), [this](int column, int row) {
        return static_cast<double>(shown_->GetResultStepTable(column)[row]);
    });
}

}  // namespace quillet
