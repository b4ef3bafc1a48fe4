// The Quick Iterator: one click sets up and starts a complete two-phase
// sweep (coarse, then fine around the best coarse result) of the cam timing
// or of bore and stroke, for the highest power or torque near the engine's
// peak. The dialog works on copies of the document's two sweeps and writes
// them back on "Save", with the best result marked.
#pragma once

#include "common/Chart2D.h"
#include "common/charts/ChartAxisSetting.h"
#include "common/sweepui/QuickCharts.h"
#include "common/sweepui/QuickSweepDlg.h"
#include "framework/Framework.h"
#include "torvane/document/Iterator.h"

namespace torvane {

// The speed window searched: 500 rpm either side of the peak, within 2000
// to 11000 rpm.
void QuickRpmWindow(float peakRpm, float* from, float* to);

class CItrQuickDlg : public CQuickSweepDlg {
public:
    // `coarse` and `fine`: the document's sweeps, attached to a valid engine
    // document.
    CItrQuickDlg(CIterator* coarse, CIterator* fine, CWnd* parent);
    ~CItrQuickDlg() override;

    BOOL OnInitDialog() override;

    CIterator& GetWorkingCoarse() { return coarse_; }
    CIterator& GetWorkingFine() { return fine_; }
    // The sweep running and shown: the coarse one, then the fine one.
    CIterator& GetCurrentIterator() { return *current_; }
    // The charts, for the look of their properties.
    ZELCHART GetCurrentTestChart() { return currentChart_.m_chart; }
    ZELDATA GetCurrentTestData() const { return currentData_; }
    CQuickBestChart& GetBestChart() { return bestChart_; }

protected:
    afx_msg void OnCamBestPower();
    afx_msg void OnCamBestTorque();
    afx_msg void OnBoreBestPower();
    afx_msg void OnBoreBestTorque();
    afx_msg void OnRun();
    DECLARE_MESSAGE_MAP()

    bool IsCurrentFinished() override { return GetLeadFlag(*current_); }
    bool StepCurrent(int runs) override;
    bool IsCoarsePhaseOver() override { return current_ == &coarse_ && GetLeadFlag(coarse_); }
    // Moves the fine sweep to the best coarse engine and makes it current.
    void StartFinePhase() override;
    bool AreBothPhasesFinished() override { return GetLeadFlag(coarse_) && GetLeadFlag(fine_); }
    bool PrepareRun() override;
    void ShowProgress(bool kept) override;
    void UpdateControls() override;
    bool HasKeptResult() override { return current_->GetResultCount() > 0; }
    void SaveResults() override;

private:
    enum class Preset { kCam, kBoreStroke };

    void StartPreset(Preset preset, int criterion);
    void UpdateStatus();
    void UpdateCurrentTestChart();
    void UpdateChart();
    bool CreateCurrentTestChart();
    void SelectYAxis(int criterion);
    // The curve of the y axis' row against its speeds, into set `set`.
    void FillCurve(int set, const float* rpm, const float* values);

    CTorvaneDoc* document_;
    CIterator* documentCoarse_;
    CIterator* documentFine_;
    CIterator coarse_;
    CIterator fine_;
    CIterator* current_;

    CDialogChartFont font_;
    CChart2D currentChart_;
    ZELDATA currentData_ = nullptr;
    ChartAxisSetting xAxis_;
    ChartAxisSetting yAxis_;
    CQuickBestChart bestChart_;
};

}  // namespace torvane
