#include "quillet/ui/sweep/ItrQuickDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/Assertion.h"
#include "quillet/res/ItrProResources.h"
#include "quillet/res/QuickIteratorResources.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "ItrQuickDlg.cpp";

namespace {

// Sweep variables: 1..6 gear ratios, 7 rear axle, 8 launch, 9..13 shifts.
constexpr int kFirstRatioVariable = 1;
constexpr int kRearAxleVariable = 7;
constexpr int kLaunchVariable = 8;
constexpr int kFirstShiftVariable = 9;
constexpr int kShiftVariableCount = 5;

constexpr int kHistoryPoints = kIterHistoryCount;
constexpr COLORREF kChartGrey = 0xC0C0C0;
constexpr COLORREF kCurrentGreen = 0x00FF00;
constexpr COLORREF kBestRed = 0x0000FF;
constexpr COLORREF kAreaText = 0x800000;

bool Uses(CIterator& sweep, int variable) {
    const CIterVariable& v = sweep.GetVariable(variable);
    return v.GetKind() != kIterUnused && v.IsEnabled();
}

// Re-centres a variable the sweep uses (a vehicle without the value left it
// unused).
void Recentre(CIterator& sweep, int variable, const CFloatPtSpec& centre) {
    CIterVariable& v = sweep.GetVariable(variable);
    if (v.GetKind() != kIterUnused) v.Recentre(centre.GetValue());
}

}  // namespace

bool QuickHistoryYRange(double best, double* minimum, double* maximum) {
    if (!(best > 0.0)) return false;
    const double span = *maximum - *minimum;
    const double place = span > 0.0 ? (best - *minimum) / span : -1.0;
    if (best > *minimum && best < *maximum && place >= 0.25 && place <= 0.75) return false;
    const int whole = static_cast<int>(std::trunc(best));
    const int quarter = std::max(whole / 4, 1);
    *minimum = std::max(whole - quarter, 0);
    *maximum = whole + quarter;
    return true;
}

BEGIN_MESSAGE_MAP(CItrQuickDlg, CQuickSweepDlg)
ON_BN_CLICKED(IDC_QI_GEARS_BEST_ET, OnGearsBestEt)
ON_BN_CLICKED(IDC_QI_GEARS_BEST_MPH, OnGearsBestMph)
ON_BN_CLICKED(IDC_QI_SHIFTS_BEST_ET, OnShiftsBestEt)
ON_BN_CLICKED(IDC_QI_SHIFTS_BEST_MPH, OnShiftsBestMph)
ON_BN_CLICKED(IDC_QI_RUN, OnRun)
END_MESSAGE_MAP()

CItrQuickDlg::CItrQuickDlg(CIterator* coarse, CIterator* fine, CWnd* parent)
    : CQuickSweepDlg(IDD_QUICK_ITERATOR, parent,
                     {{IDC_QI_GEARS_BEST_ET, IDC_QI_GEARS_BEST_MPH, IDC_QI_SHIFTS_BEST_ET, IDC_QI_SHIFTS_BEST_MPH},
                      IDC_QI_RUN,
                      {IDC_QI_RUNNING_LAMP, IDC_QI_STOPPED_LAMP, IDC_QI_PHASE1_LAMP, IDC_QI_PHASE2_LAMP, IDC_QI_TOTAL,
                       IDC_QI_COMPLETED, IDC_QI_PROGRESS, IDC_QI_PERCENT}},
                     {IDB_LAMP_GREEN_LIT, IDB_LAMP_GREEN_UNLIT, IDB_LAMP_RED_LIT, IDB_LAMP_RED_UNLIT}),
      document_(coarse != nullptr ? coarse->GetSourceDocument() : nullptr),
      documentCoarse_(coarse),
      documentFine_(fine),
      current_(&coarse_) {
    APP_ASSERT(coarse != nullptr && fine != nullptr && document_ != nullptr);
    short code = 0;
    APP_ASSERT(document_->Validate(&code));
    coarse_ = *coarse;
    fine_ = *fine;
    // The settings carry over; the results go.
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->AttachDocument(document_);
        sweep->Reset();
    }
}

CItrQuickDlg::~CItrQuickDlg() {
    // The chart window goes before what it draws.
    historyChart_.DestroyWindow();
    if (historyText_) ZelTextAreaDestroy(historyText_);
    if (historyData_) ZelDataDestroy(historyData_);
}

BOOL CItrQuickDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!CreateHistoryChart() || !bestChart_.Create(this, IDC_QI_BEST_CHART, font_, false)) return FALSE;
    // The baseline has no swatch here.
    InitSweepControls({{IDC_QI_LEGEND_CURRENT, kCurrentGreen}, {IDC_QI_LEGEND_BEST, kBestRed}});
    UpdateControls();
    return TRUE;
}

bool CItrQuickDlg::CreateHistoryChart() {
    if (!CreateChartInPlaceOf(this, IDC_QI_CURRENT_CHART, historyChart_, ZEL2D_CHART_LINE, font_)) return false;
    ZELCHART chart = historyChart_.m_chart;
    using namespace zel2d;
    SetValues(chart, TITLE_FONT(font_.Get()));

    // The best score's label, beside the best line.
    historyText_ = ZelTextAreaCreate(chart);
    APP_ASSERT(historyText_ != nullptr);
    TextAreaSetValues(historyText_, AREA_KIND(ZEL2D_AREA_DATA_ANCHORED), AREA_PLACEMENT(ZEL2D_PLACE_BELOW),
                      AREA_FONT(font_.Get()), AREA_BACKGROUND(0xFFFFFF), AREA_TEXT_COLOR(kAreaText),
                      AREA_BORDER(4), AREA_AUTO_SIZE(1), AREA_PADDING(2));

    SetValues(chart, X_TITLE("Iteration Number"), X_AXIS_SHOW(1));
    SelectYAxis(coarse_.GetCriterion());
    SetValues(chart, X_MIN(1.0), X_MAX(double(kHistoryPoints)), Y_MIN(0.0), Y_MAX(10.0));

    ZelStyle style = {};
    ZelGetNthDataStyle(chart, 0, &style);
    style.color = kCurrentGreen;
    style.width = 1;
    style.symbol = ZEL2D_SYMBOL_DOT;
    style.symbol_color = kBestRed;
    style.symbol_size = 5;
    ZelSetNthDataStyle(chart, 0, &style);
    ZelStyle bestLine = GetValue(chart, REFERENCE_LINE_STYLE);
    bestLine.pattern = ZEL2D_LINE_SOLID;
    bestLine.color = kBestRed;
    bestLine.width = 1;
    ZelStyle grid = GetValue(chart, Y_GRID_STYLE);
    grid.pattern = ZEL2D_LINE_SOLID;
    grid.color = kChartGrey;
    grid.width = 1;
    grid.symbol = ZEL2D_SYMBOL_DOT;
    SetValues(chart, REFERENCE_LINE_STYLE(&bestLine), REFERENCE_VALUE(0.0), Y_GRID_STYLE(&grid),
              Y2_GRID_STYLE(&grid));

    APP_ASSERT(historyData_ == nullptr);
    historyData_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, kHistoryPoints);
    SetValues(chart, DATA(historyData_));
    ReduceChartMargins(chart, font_);
    return true;
}

void CItrQuickDlg::SelectYAxis(int criterion) {
    APP_ASSERT(criterion == kCriterionElapsedTime || criterion == kCriterionTrapSpeed);
    if (!historyChart_.m_chart) return;
    const bool elapsed = criterion == kCriterionElapsedTime;
    zel2d::SetValues(historyChart_.m_chart, zel2d::Y_TITLE(elapsed ? "ET (secs.)" : "Speed (mph)"),
                     zel2d::Y_AXIS_SHOW(1));
    // The label lies below a time's line and above a speed's.
    zel2d::TextAreaSetValues(historyText_, zel2d::AREA_PLACEMENT(elapsed ? ZEL2D_PLACE_BELOW : ZEL2D_PLACE_ABOVE));
}

// ------------------------------------------------------------------ presets

void CItrQuickDlg::OnGearsBestEt() { StartPreset(Preset::kGearRatios, kCriterionElapsedTime); }
void CItrQuickDlg::OnGearsBestMph() { StartPreset(Preset::kGearRatios, kCriterionTrapSpeed); }
void CItrQuickDlg::OnShiftsBestEt() { StartPreset(Preset::kShiftPoints, kCriterionElapsedTime); }
void CItrQuickDlg::OnShiftsBestMph() { StartPreset(Preset::kShiftPoints, kCriterionTrapSpeed); }

void CItrQuickDlg::StartPreset(Preset preset, int criterion) {
    if (IsRunning()) return;
    // Each sweep starts from the document's vehicle (a stopped sweep is
    // dropped).
    for (CIterator* sweep : {&coarse_, &fine_}) sweep->AttachDocument(document_);
    const bool gears = preset == Preset::kGearRatios;
    if (gears) {
        coarse_.PresetGearRatios(1.5f, 0.75f);
        fine_.PresetGearRatios(0.375f, 0.125f);
    } else {
        coarse_.PresetShiftPoints(2000.0f, 1000.0f);
        fine_.PresetShiftPoints(500.0f, 250.0f);
    }
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->EnableGearRatios(gears);
        sweep->EnableShiftPoints(!gears);
        sweep->EnableConverterStall(false);
        sweep->SetCriterion(criterion);
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
    // A vehicle without the values swept (a jet has no gears or shifts) has
    // nothing to run.
    for (CIterator* sweep : {&coarse_, &fine_}) {
        short code = 0;
        if (!sweep->Validate(&code)) {
            ErrCodeShowError(static_cast<unsigned short>(code));
            return false;
        }
        if (sweep->GetRunsDone() == 0) sweep->Reset();
    }
    APP_ASSERT(Uses(fine_, kFirstRatioVariable) || Uses(fine_, kLaunchVariable));
    return true;
}

bool CItrQuickDlg::StepCurrent(int runs) {
    bool kept = false;
    current_->StepMany(runs, &kept);
    return kept;
}

void CItrQuickDlg::ShowProgress(bool kept) {
    UpdateStatus();
    UpdateHistoryChart();
    if (kept) UpdateChart();
}

void CItrQuickDlg::StartFinePhase() {
    APP_ASSERT(coarse_.IsFinished());
    // When no coarse run came through, the fine sweep stays round the
    // document's vehicle.
    CQuilletDoc* best = coarse_.GetResultCount() > 0 ? coarse_.GetBestResultDoc() : document_;
    fine_.AttachDocument(best);
    const int gears = std::max(document_->m_gearCount.GetValue(), 1);
    if (Uses(fine_, kFirstRatioVariable)) {
        for (int v = kLaunchVariable; v < kIterVariableCount; ++v) APP_ASSERT(!Uses(fine_, v));
        for (int k = 0; k < gears; ++k) Recentre(fine_, kFirstRatioVariable + k, best->m_gearRatio[k]);
        Recentre(fine_, kRearAxleVariable, best->m_rearAxleRatio);
    } else {
        APP_ASSERT(Uses(fine_, kLaunchVariable));
        for (int v = kFirstRatioVariable; v <= kRearAxleVariable; ++v) APP_ASSERT(!Uses(fine_, v));
        Recentre(fine_, kLaunchVariable, best->m_launchRpm);
        for (int k = 0; k < kShiftVariableCount; ++k) {
            if (gears > k + 1) Recentre(fine_, kFirstShiftVariable + k, best->m_shiftRpm[k]);
        }
    }
    fine_.Reset();
    current_ = &fine_;
}

// ------------------------------------------------------------------ display

void CItrQuickDlg::UpdateControls() {
    if (!m_hWnd) return;
    UpdateStatus();
    UpdateHistoryChart();
    UpdateChart();
    APP_ASSERT(coarse_.GetCriterion() == fine_.GetCriterion());
    SetDlgItemText(IDC_QI_INCREASE_UNIT, coarse_.GetCriterion() == kCriterionElapsedTime ? "secs" : "MPH");
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
        const float baseline = coarse_.GetBaselineScore();
        const float score = best.GetResultCount() > 0 ? best.GetBestScore() : baseline;
        // A shorter time is the gain for elapsed time.
        if (coarse_.GetCriterion() == kCriterionElapsedTime)
            text.Format("%.3f", baseline - score);
        else
            text.Format("%.1f", score - baseline);
    }
    SetDlgItemText(IDC_QI_INCREASE, text);
}

void CItrQuickDlg::UpdateHistoryChart() {
    ZELCHART chart = historyChart_.m_chart;
    if (!chart) return;
    using namespace zel2d;
    // Nothing to show before the first run, nor when the fine phase has
    // just begun.
    const int newest = current_->GetHistoryPosition();
    if (coarse_.GetRunsDone() == 0 || newest < 0) {
        SetValues(chart, X_MIN(1.0), X_MAX(double(kHistoryPoints)), REFERENCE_LINE_SHOW(0));
        TextAreaSetValues(historyText_, AREA_SHOW(0));
        ZelDataSetDisplay(historyData_, 0, ZEL2D_DISPLAY_HIDE);
        SetValues(chart, DATA(historyData_));
        return;
    }
    SetValues(chart, DRAWING(0));
    const float* runs = current_->GetHistoryRunNumbers();
    const float* scores = current_->GetHistoryScores();
    for (int i = 0; i <= newest; ++i) {
        ZelDataSetXElement(historyData_, 0, i, runs[i]);
        // A failed run breaks the line.
        ZelDataSetYElement(historyData_, 0, i, scores[i] > 0.0f ? scores[i] : ZEL2D_HOLE);
    }
    ZelDataSetFirstPoint(historyData_, 0, 0);
    ZelDataSetLastPoint(historyData_, 0, newest);
    SetValues(chart, X_MIN(double(runs[0])), X_MAX(double(runs[0]) + kHistoryPoints));

    const bool kept = current_->GetResultCount() > 0;
    const double best = kept ? current_->GetBestScore() : 0.0;
    if (kept) {
        double minimum = GetValue(chart, Y_MIN), maximum = GetValue(chart, Y_MAX);
        if (QuickHistoryYRange(best, &minimum, &maximum)) SetValues(chart, Y_MIN(minimum), Y_MAX(maximum));
    }
    SetValues(chart, Y_TICK_ANCHOR(GetValue(chart, Y_MIN)));
    if (kept && best > 0.0) {
        SetValues(chart, REFERENCE_VALUE(best), REFERENCE_LINE_SHOW(1));
        std::snprintf(bestText_, sizeof bestText_, "%.3f", best);
        TextAreaSetValues(historyText_, AREA_LINES(bestLines_), AREA_X(double(runs[0]) + 50.0), AREA_Y(best),
                          AREA_SHOW(1));
    }
    ZelDataSetDisplay(historyData_, 0, ZEL2D_DISPLAY_SHOW);
    SetValues(chart, DATA(historyData_), DRAWING(1));
}

void CItrQuickDlg::UpdateChart() {
    if (!bestChart_.Chart().m_chart) return;
    const bool kept = current_->GetResultCount() > 0;
    // The bars span the kept scores whichever way the criterion counts.
    const double worst = current_->GetWorstScore(), best = current_->GetBestScore();
    bestChart_.Update(coarse_.GetBaselineScore(), kept, std::min(worst, best), std::max(worst, best), best);
}

// ---------------------------------------------------------------- closing

void CItrQuickDlg::SaveResults() {
    current_->MarkBestResult();
    *documentCoarse_ = coarse_;
    *documentFine_ = fine_;
}

}  // namespace quillet
