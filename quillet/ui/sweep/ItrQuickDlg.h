// The drag-race Quick Iterator: one click sets up and starts a complete
// two-phase sweep (coarse, then fine around the best coarse result) of the
// gear ratios or of the launch and shift rpms, for the lowest elapsed time
// or the highest trap speed. The "Current Test" panel follows the scores of
// the last 100 runs. The dialog works on copies of the document's two
// sweeps and writes them back on "Save", with the best result marked.
#pragma once

#include "common/Chart2D.h"
#include "common/sweepui/QuickCharts.h"
#include "common/sweepui/QuickSweepDlg.h"
#include "framework/Framework.h"
#include "quillet/document/Iterator.h"

namespace quillet {

// The history chart's y range for the best score: kept while the best lies
// in its middle half, else set round the best's whole part w, from
// w - w/4 to w + w/4 (at least 1 either side, never below 0). True when it
// changed.
bool QuickHistoryYRange(double best, double* minimum, double* maximum);

class CItrQuickDlg : public CQuickSweepDlg {
public:
    // `coarse` and `fine`: the document's sweeps, attached to a valid
    // vehicle document.
    CItrQuickDlg(CIterator* coarse, CIterator* fine, CWnd* parent);
    ~CItrQuickDlg() override;

    BOOL OnInitDialog() override;

    CIterator& GetWorkingCoarse() { return coarse_; }
    CIterator& GetWorkingFine() { return fine_; }
    // The sweep running and shown: the coarse one, then the fine one.
    CIterator& GetCurrentIterator() { return *current_; }
    // The charts, for the look of their properties.
    ZELCHART GetHistoryChart() { return historyChart_.m_chart; }
    ZELDATA GetHistoryData() const { return historyData_; }
    ZELTEXT GetHistoryText() const { return historyText_; }
    const char* GetHistoryBestText() const { return bestText_; }
    CQuickBestChart& GetBestChart() { return bestChart_; }

protected:
    afx_msg void OnGearsBestEt();
    afx_msg void OnGearsBestMph();
    afx_msg void OnShiftsBestEt();
    afx_msg void OnShiftsBestMph();
    afx_msg void OnRun();
    DECLARE_MESSAGE_MAP()

    bool IsCurrentFinished() override { return current_->IsFinished(); }
    bool StepCurrent(int runs) override;
    bool IsCoarsePhaseOver() override { return current_ == &coarse_ && coarse_.IsFinished(); }
    // Moves the fine sweep to the best coarse vehicle and makes it current.
    void StartFinePhase() override;
    bool AreBothPhasesFinished() override { return coarse_.IsFinished() && fine_.IsFinished(); }
    bool PrepareRun() override;
    void ShowProgress(bool kept) override;
    void UpdateControls() override;
    bool HasKeptResult() override { return current_->GetResultCount() > 0; }
    void SaveResults() override;

private:
    enum class Preset { kGearRatios, kShiftPoints };

    void StartPreset(Preset preset, int criterion);
    void UpdateStatus();
    void UpdateHistoryChart();
    void UpdateChart();
    bool CreateHistoryChart();
    void SelectYAxis(int criterion);

    CQuilletDoc* document_;
    CIterator* documentCoarse_;
    CIterator* documentFine_;
    CIterator coarse_;
    CIterator fine_;
    CIterator* current_;

    CDialogChartFont font_;
    CChart2D historyChart_;
    ZELDATA historyData_ = nullptr;
    ZELTEXT historyText_ = nullptr;
    // The text area's one line, which the chart reads where it lies.
    char bestText_[12] = "10.05";
    const char* bestLines_[2] = {bestText_, nullptr};
    CQuickBestChart bestChart_;
};

}  // namespace quillet
