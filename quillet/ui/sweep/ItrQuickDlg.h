// The drag-race Quick Iterator: one click sets up and starts a complete
// two-phase sweep (coarse, then fine around the best coarse result) of the
// gear ratios or of the launch and shift rpms, for the lowest elapsed time
// or the highest trap speed. The "Current Test" panel follows the scores of
// the last 100 runs. The dialog works on copies of the document's two
// sweeps and writes them back on "Save", with the best result marked.
#pragma once

#include "common/Chart2D.h"
#include "common/sweepui/QuickCharts.h"
#include "common/sweepui/SweepLamps.h"
#include "framework/Framework.h"
#include "quillet/document/Iterator.h"

namespace quillet {

// The history chart's y range for the best score: kept while the best lies
// in its middle half, else set round the best's whole part w, from
// w - w/4 to w + w/4 (at least 1 either side, never below 0). True when it
// changed.
bool QuickHistoryYRange(double best, double* minimum, double* maximum);

class CItrQuickDlg : public CDialog {
public:
    enum RunState { kNotSet = 0, kStopped = 1, kRunning = 2, kFinished = 3 };

    // `coarse` and `fine`: the document's sweeps, attached to a valid
    // vehicle document.
    CItrQuickDlg(CIterator* coarse, CIterator* fine, CWnd* parent);
    ~CItrQuickDlg() override;

    BOOL OnInitDialog() override;
    // "Save": marks the best result of the sweep shown and writes both
    // working sweeps back. Ignored while a sweep runs, and while the sweep
    // shown keeps no result.
    void OnOK() override;
    // "Close": the working sweeps are dropped. Ignored while a sweep runs.
    void OnCancel() override;

    CIterator& GetWorkingCoarse() { return coarse_; }
    CIterator& GetWorkingFine() { return fine_; }
    // The sweep running and shown: the coarse one, then the fine one.
    CIterator& GetCurrentIterator() { return *current_; }
    int GetRunState() const { return state_; }
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
    // "Run/Stop": starts or resumes the sweep and runs it to its end, or
    // asks the running sweep to stop.
    afx_msg void OnRun();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    enum class Preset { kGearRatios, kShiftPoints };

    void StartPreset(Preset preset, int criterion);
    // Moves the fine sweep to the best coarse vehicle and makes it current.
    void StartFinePhase();
    void EnableControls(bool enable);
    void SetRunCaption();
    void UpdateControls();
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
    bool running_ = false;
    bool stopRequest_ = false;
    int state_ = kNotSet;

    CSweepChartFont font_;
    CChart2D historyChart_;
    ZELDATA historyData_ = nullptr;
    ZELTEXT historyText_ = nullptr;
    // The text area's one line, which the chart reads where it lies.
    char bestText_[12] = "10.05";
    const char* bestLines_[2] = {bestText_, nullptr};
    CQuickBestChart bestChart_;
    CSweepLamps lamps_;
    CRect legendCurrent_;
    CRect legendBest_;
};

}  // namespace quillet
