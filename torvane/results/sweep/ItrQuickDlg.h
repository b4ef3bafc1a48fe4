// The Quick Iterator: one click sets up and starts a complete two-phase
// sweep (coarse, then fine around the best coarse result) of the cam timing
// or of bore and stroke, for the highest power or torque near the engine's
// peak. The dialog works on copies of the document's two sweeps and writes
// them back on "Save", with the best result marked.
#pragma once

#include "common/Chart2D.h"
#include "common/charts/ChartAxisSetting.h"
#include "common/sweepui/QuickCharts.h"
#include "common/sweepui/SweepLamps.h"
#include "framework/Framework.h"
#include "torvane/document/Iterator.h"

namespace torvane {

// The speed window searched: 500 rpm either side of the peak, within 2000
// to 11000 rpm.
void QuickRpmWindow(float peakRpm, float* from, float* to);

class CItrQuickDlg : public CDialog {
public:
    // Run states.
    enum RunState { kNotSet = 0, kStopped = 1, kRunning = 2, kFinished = 3 };

    // `coarse` and `fine`: the document's sweeps, attached to a valid engine
    // document.
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
    ZELCHART GetCurrentTestChart() { return currentChart_.m_chart; }
    ZELDATA GetCurrentTestData() const { return currentData_; }
    CQuickBestChart& GetBestChart() { return bestChart_; }

protected:
    afx_msg void OnCamBestPower();
    afx_msg void OnCamBestTorque();
    afx_msg void OnBoreBestPower();
    afx_msg void OnBoreBestTorque();
    // "Run/Stop": starts or resumes the sweep and runs it to its end, or
    // asks the running sweep to stop.
    afx_msg void OnRun();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    enum class Preset { kCam, kBoreStroke };

    void StartPreset(Preset preset, int criterion);
    // Moves the fine sweep to the best coarse engine and makes it current.
    void StartFinePhase();
    void EnableControls(bool enable);
    void SetRunCaption();
    void UpdateControls();
    void UpdateStatus();
    void UpdateCurrentTestChart();
    void UpdateChart();
    bool CreateCurrentTestChart();
    void SelectYAxis(int criterion);
    // The curve of the y axis' row of `doc` against its speeds, into set
    // `set`.
    void FillCurve(int set, const float* rpm, const float* values);

    CTorvaneDoc* document_;
    CIterator* documentCoarse_;
    CIterator* documentFine_;
    CIterator coarse_;
    CIterator fine_;
    CIterator* current_;
    bool running_ = false;
    bool stopRequest_ = false;
    int state_ = kNotSet;

    CSweepChartFont font_;
    CChart2D currentChart_;
    ZELDATA currentData_ = nullptr;
    ChartAxisSetting xAxis_;
    ChartAxisSetting yAxis_;
    CQuickBestChart bestChart_;
    CSweepLamps lamps_;
    CRect legendCurrent_;
    CRect legendBaseline_;
    CRect legendBest_;
};

}  // namespace torvane
