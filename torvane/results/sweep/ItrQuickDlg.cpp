#include "torvane/results/sweep/ItrQuickDlg.h"

#include <algorithm>

#include "common/Assertion.h"
#include "torvane/res/ItrProResources.h"
#include "torvane/res/QuickIteratorResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "ItrQuickDlg.cpp";

namespace {

// Catalogue rows and scale presets of the "Current Test" chart's axes.
constexpr int kRowEngineSpeed = 1;
constexpr int kRowPower = 2;
constexpr int kRowTorque = 3;
constexpr int kSpeedPreset = 3;
constexpr int kValuePreset = 1;

// The speed window searched around the document's peak.
constexpr float kWindowHalfWidth = 500.0f;
constexpr float kLowestSpeed = 2000.0f;
constexpr float kHighestSpeed = 11000.0f;

constexpr COLORREF kCurrentGreen = 0x00FF00;
constexpr COLORREF kBaselineGrey = 0x808080;
constexpr COLORREF kBestRed = 0x0000FF;

enum CurrentTestSet { kBestSet = 0, kBaselineSet = 1, kWorkingSet = 2 };

bool Uses(CIterator& sweep, int slot, int kind) {
    const CIterVariable& variable = sweep.GetVariable(slot);
    return variable.GetKind() == kind && variable.IsEnabled();
}

}  // namespace

void QuickRpmWindow(float peakRpm, float* from, float* to) {
    *from = std::max(peakRpm - kWindowHalfWidth, kLowestSpeed);
    *to = std::min(peakRpm + kWindowHalfWidth, kHighestSpeed);
}

BEGIN_MESSAGE_MAP(CItrQuickDlg, CQuickSweepDlg)
ON_BN_CLICKED(IDC_QI_CAM_BEST_POWER, OnCamBestPower)
ON_BN_CLICKED(IDC_QI_CAM_BEST_TORQUE, OnCamBestTorque)
ON_BN_CLICKED(IDC_QI_BORE_BEST_POWER, OnBoreBestPower)
ON_BN_CLICKED(IDC_QI_BORE_BEST_TORQUE, OnBoreBestTorque)
ON_BN_CLICKED(IDC_QI_RUN, OnRun)
END_MESSAGE_MAP()

CItrQuickDlg::CItrQuickDlg(CIterator* coarse, CIterator* fine, CWnd* parent)
    : CQuickSweepDlg(IDD_QUICK_ITERATOR, parent,
                     {{IDC_QI_CAM_BEST_POWER, IDC_QI_CAM_BEST_TORQUE, IDC_QI_BORE_BEST_POWER, IDC_QI_BORE_BEST_TORQUE},
                      IDC_QI_RUN,
                      {IDC_QI_RUNNING_LAMP, IDC_QI_STOPPED_LAMP, IDC_QI_PHASE1_LAMP, IDC_QI_PHASE2_LAMP, IDC_QI_TOTAL,
                       IDC_QI_COMPLETED, IDC_QI_PROGRESS, IDC_QI_PERCENT}},
                     {IDB_LAMP_GREEN_LIT, IDB_LAMP_GREEN_UNLIT, IDB_LAMP_RED_LIT, IDB_LAMP_RED_UNLIT}),
      document_(coarse != nullptr ? coarse->GetAttachedDocument() : nullptr),
      documentCoarse_(coarse),
      documentFine_(fine),
      current_(&coarse_) {
    APP_ASSERT(coarse != nullptr && fine != nullptr && document_ != nullptr);
    unsigned short code = 0;
    APP_ASSERT(document_->Validate(code));
    coarse_ = *coarse;
    fine_ = *fine;
    // The settings carry over; the results go.
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->AttachDocument(document_);
        sweep->Reset();
    }
}

CItrQuickDlg::~CItrQuickDlg() {
    // The chart window goes before the data it draws.
    currentChart_.DestroyWindow();
    if (currentData_) ZelDataDestroy(currentData_);
}

BOOL CItrQuickDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!CreateCurrentTestChart() || !bestChart_.Create(this, IDC_QI_BEST_CHART, font_, true)) return FALSE;
    InitSweepControls({{IDC_QI_LEGEND_CURRENT, kCurrentGreen},
                       {IDC_QI_LEGEND_BASELINE, kBaselineGrey},
                       {IDC_QI_LEGEND_BEST, kBestRed}});
    UpdateControls();
    return TRUE;
}

bool CItrQuickDlg::CreateCurrentTestChart() {
    if (!CreateChartInPlaceOf(this, IDC_QI_CURRENT_CHART, currentChart_, ZEL2D_CHART_LINE, font_)) return false;
    ZELCHART chart = currentChart_.m_chart;
    using namespace zel2d;
    SetValues(chart, TITLE_FONT(font_.Get()));
    xAxis_.Select(kRowEngineSpeed, kSpeedPreset);
    SetValues(chart, X_TITLE(xAxis_.name), X_AXIS_SHOW(1), X_MIN(double(xAxis_.presetMin)),
              X_MAX(double(xAxis_.presetMax)));
    SelectYAxis(coarse_.GetCriterion());

    ZelStyle style = {};
    ZelGetNthDataStyle(chart, kBestSet, &style);
    style.pattern = ZEL2D_LINE_SOLID;
    style.width = 1;
    style.symbol = ZEL2D_SYMBOL_DOT;
    style.symbol_size = 5;
    const std::pair<int, COLORREF> colours[] = {
        {kBestSet, kBestRed}, {kBaselineSet, kBaselineGrey}, {kWorkingSet, kCurrentGreen}};
    for (const auto& colour : colours) {
        style.color = static_cast<int>(colour.second);
        ZelSetNthDataStyle(chart, colour.first, &style);
    }
    APP_ASSERT(currentData_ == nullptr);
    currentData_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 3, kResultPointCount);
    SetValues(chart, DATA(currentData_));
    ReduceChartMargins(chart, font_);
    return true;
}

void CItrQuickDlg::SelectYAxis(int criterion) {
    APP_ASSERT(criterion == kCriterionPeakTorque || criterion == kCriterionPeakPower);
    yAxis_.Select(criterion == kCriterionPeakTorque ? kRowTorque : kRowPower, kValuePreset);
    if (!currentChart_.m_chart) return;
    using namespace zel2d;
    const double minimum = yAxis_.presetMin, maximum = yAxis_.presetMax;
    SetValues(currentChart_.m_chart, Y_TITLE(yAxis_.name), Y_AXIS_SHOW(1), Y_MIN(minimum), Y_MAX(maximum),
              Y2_MIN(minimum), Y2_MAX(maximum));
}

// ------------------------------------------------------------------ presets

void CItrQuickDlg::OnCamBestPower() { StartPreset(Preset::kCam, kCriterionPeakPower); }
void CItrQuickDlg::OnCamBestTorque() { StartPreset(Preset::kCam, kCriterionPeakTorque); }
void CItrQuickDlg::OnBoreBestPower() { StartPreset(Preset::kBoreStroke, kCriterionPeakPower); }
void CItrQuickDlg::OnBoreBestTorque() { StartPreset(Preset::kBoreStroke, kCriterionPeakTorque); }

void CItrQuickDlg::StartPreset(Preset preset, int criterion) {
    if (IsRunning()) return;
    // Each sweep starts from the document's engine (a stopped sweep is
    // dropped).
    for (CIterator* sweep : {&coarse_, &fine_}) sweep->AttachDocument(document_);
    if (preset == Preset::kCam) {
        coarse_.PresetValveEvents(16.0f, 8.0f);
        fine_.PresetValveEvents(4.0f, 2.0f);
        for (CIterator* sweep : {&coarse_, &fine_}) {
            sweep->EnableValveEvents(true);
            sweep->EnablePartTypeList(false);
            sweep->EnableBoreStroke(false);
            sweep->ClearHoldDisplacement();
        }
    } else {
        // The stroke follows the bore: the preset comes first, so that both
        // variables are made before the stroke's is held still.
        coarse_.PresetBoreStroke(0.25f, 0.05f);
        fine_.PresetBoreStroke(0.05f, 0.01f);
        for (CIterator* sweep : {&coarse_, &fine_}) {
            sweep->EnableBoreStroke(true);
            sweep->EnablePartTypeList(false);
            sweep->EnableValveEvents(false);
            sweep->SetHoldDisplacement(false, true);
        }
    }
    const int curve = criterion == kCriterionPeakPower ? kCurvePower : kCurveTorque;
    float from = 0.0f, to = 0.0f;
    QuickRpmWindow(document_->GetPeakRpm(curve), &from, &to);
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->SetCriterion(criterion);
        sweep->SetRpmRange(from, to);
        sweep->AttachDocument(document_);
        sweep->Reset();
    }
    current_ = &coarse_;
    SelectYAxis(criterion);
    StartNewSweep();
}

// -------------------------------------------------------------------- sweep

void CItrQuickDlg::OnRun() { RunOrStop(); }

bool CItrQuickDlg::PrepareRun() {
    for (CIterator* sweep : {&coarse_, &fine_}) {
        unsigned short code = 0;
        if (!sweep->Validate(code)) {
            ErrCodeShowError(code);
            return false;
        }
        if (sweep->GetRunsDone() == 0) sweep->Reset();
    }
    APP_ASSERT(Uses(fine_, kSlotIntakeOpening, kIterIntakeOpening) || Uses(fine_, kSlotBore, kIterBore));
    return true;
}

bool CItrQuickDlg::StepCurrent(int runs) {
    bool kept = false;
    current_->StepMany(runs, &kept);
    return kept;
}

void CItrQuickDlg::ShowProgress(bool kept) {
    UpdateStatus();
    UpdateCurrentTestChart();
    if (kept) UpdateChart();
}

void CItrQuickDlg::StartFinePhase() {
    // When no coarse run came through, the fine sweep stays round the
    // document's engine.
    CTorvaneDoc* best = coarse_.GetResultCount() > 0 ? coarse_.GetBestResultDoc() : document_;
    fine_.AttachDocument(best);
    if (Uses(fine_, kSlotIntakeOpening, kIterIntakeOpening)) {
        const CamTimingSet& events = best->cam.primary;
        const CFloatPtSpec* centres[] = {&events.ivo, &events.ivc, &events.evo, &events.evc};
        for (int i = 0; i < 4; ++i) {
            CIterVariable& variable = fine_.GetVariable(kSlotIntakeOpening + i);
            APP_ASSERT(variable.GetKind() == kIterIntakeOpening + i && variable.IsEnabled());
            variable.Recentre(*centres[i]);
        }
    } else {
        APP_ASSERT(Uses(fine_, kSlotBore, kIterBore) && Uses(fine_, kSlotStroke, kIterStroke));
        fine_.GetVariable(kSlotBore).Recentre(best->bore);
        fine_.GetVariable(kSlotStroke).Recentre(best->stroke);
    }
    fine_.Reset();
    current_ = &fine_;
}

// ------------------------------------------------------------------ display

void CItrQuickDlg::UpdateControls() {
    if (!m_hWnd) return;
    UpdateStatus();
    UpdateCurrentTestChart();
    UpdateChart();
    APP_ASSERT(coarse_.GetCriterion() == fine_.GetCriterion());
    SetDlgItemText(IDC_QI_INCREASE_UNIT, coarse_.GetCriterion() == kCriterionPeakTorque ? "lb-ft" : "hp");
    GetDlgItem(IDOK)->EnableWindow(current_->GetResultCount() > 0);
}

void CItrQuickDlg::UpdateStatus() {
    const bool coarsePhase = current_ == &coarse_;
    ShowStatus(coarsePhase, coarse_.GetTotal() + fine_.GetTotal(),
               coarse_.GetRunsDone() + (coarsePhase ? 0 : fine_.GetRunsDone()), current_->GetProgressPercent());

    CString text;
    if (coarse_.GetRunsDone() == 0) {
        text = "0";
    } else {
        // A fine phase that has kept nothing yet starts from the coarse best.
        const CIterator& best = current_->GetResultCount() > 0 ? *current_ : coarse_;
        const float score = best.GetResultCount() > 0 ? best.GetBestScore() : coarse_.GetBaselineScore();
        text.Format("%.1f", score - coarse_.GetBaselineScore());
    }
    SetDlgItemText(IDC_QI_INCREASE, text);
}

void CItrQuickDlg::FillCurve(int set, const float* rpm, const float* values) {
    for (int i = 0; i < kResultPointCount; ++i) {
        ZelDataSetXElement(currentData_, set, i, rpm[i]);
        ZelDataSetYElement(currentData_, set, i, values[i]);
    }
}

void CItrQuickDlg::UpdateCurrentTestChart() {
    if (!currentChart_.m_chart) return;
    const int curve = yAxis_.resultCurve;
    FillCurve(kBaselineSet, document_->GetCurve(kCurveRpm), document_->GetCurve(curve));
    ZelDataSetDisplay(currentData_, kBaselineSet, ZEL2D_DISPLAY_SHOW);
    const bool started = coarse_.GetRunsDone() > 0;
    // The best curve needs a kept result: runs that failed count as done.
    const bool best = started && current_->GetResultCount() > 0;
    if (best) {
        const CTorvaneDoc* doc = current_->GetBestResultDoc();
        FillCurve(kBestSet, doc->GetCurve(kCurveRpm), doc->GetCurve(curve));
    }
    ZelDataSetDisplay(currentData_, kBestSet, best ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    if (started) {
        const float* values = curve == kCurvePower ? current_->GetPowerCurve() : current_->GetTorqueCurve();
        FillCurve(kWorkingSet, current_->GetRpmCurve(), values);
    }
    ZelDataSetDisplay(currentData_, kWorkingSet, started ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    zel2d::SetValues(currentChart_.m_chart, zel2d::Y_AUTO_MAX(1), zel2d::DATA(currentData_));
}

void CItrQuickDlg::UpdateChart() {
    if (!bestChart_.Chart().m_chart) return;
    const bool kept = current_->GetResultCount() > 0;
    bestChart_.Update(coarse_.GetBaselineScore(), kept, current_->GetWorstScore(), current_->GetBestScore(),
                      current_->GetBestScore());
}

// ---------------------------------------------------------------- closing

void CItrQuickDlg::SaveResults() {
    current_->MarkBestResult();
    *documentCoarse_ = coarse_;
    *documentFine_ = fine_;
}

}  // namespace torvane
