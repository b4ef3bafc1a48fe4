// What the Quick Iterator dialogs of both programs share: the sweep loop of
// "Run/Stop" (batches of runs on the worker threads with the messages
// pumped between them, the phase switch, Stop), the run state with its
// caption and lamps, the controls locked during a sweep, the legend
// swatches, and Save and Close refused while a sweep runs. Each program's
// dialog supplies its two sweeps through the hooks below.
#pragma once

#include <utility>
#include <vector>

#include "common/DialogChart.h"
#include "common/sweepui/QuickStatus.h"
#include "common/sweepui/SweepLamps.h"
#include "framework/Framework.h"

class CQuickSweepDlg : public CDialog {
public:
    enum RunState { kNotSet = 0, kStopped = 1, kRunning = 2, kFinished = 3 };

    int GetRunState() const { return state_; }

    // "Save": `SaveResults` and IDOK. Ignored while a sweep runs, and while
    // the sweep shown keeps no result (Enter reaches here with "Save"
    // disabled too).
    void OnOK() override;
    // "Close": the working sweeps are dropped. Ignored while a sweep runs.
    void OnCancel() override;

protected:
    struct Controls {
        std::vector<int> presets;  // locked during a sweep, with Save and Close
        int run;                   // "Run/Stop"
        QuickStatusIds status;
    };

    CQuickSweepDlg(UINT templateId, CWnd* parent, const Controls& controls, const CSweepLamps::BitmapIds& lamps);

    // The sweep being run and shown.
    virtual bool IsCurrentFinished() = 0;
    // Up to `runs` runs of it; true when one became a result.
    virtual bool StepCurrent(int runs) = 0;
    // The coarse phase is current and finished: the fine phase takes over.
    virtual bool IsCoarsePhaseOver() = 0;
    virtual void StartFinePhase() = 0;
    virtual bool AreBothPhasesFinished() = 0;
    // Validates both sweeps (an error is shown) and resets each that has
    // run nothing yet; false: no run.
    virtual bool PrepareRun() = 0;
    // The display after a batch (`kept`: a run became a result), and all of
    // it with the buttons' states.
    virtual void ShowProgress(bool kept) = 0;
    virtual void UpdateControls() = 0;
    virtual bool HasKeptResult() = 0;
    // Marks the best result shown and writes both working sweeps back.
    virtual void SaveResults() = 0;

    // "Run/Stop": runs the sweep to its end or a stop, or asks the running
    // one to stop.
    void RunOrStop();
    // The preset (whose sweeps are set up) starts a new sweep.
    void StartNewSweep();
    // Lamps, counts and progress.
    void ShowStatus(bool coarsePhase, int total, int completed, int percent);
    // From OnInitDialog: the legend swatch controls' places, painted in
    // their colours; "Run/Stop" greyed until a preset.
    void InitSweepControls(const std::vector<std::pair<int, COLORREF>>& swatches);
    bool IsRunning() const { return running_; }

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void EnableControls(bool enable);
    void SetRunCaption();

    Controls controls_;
    CSweepLamps lamps_;
    bool running_ = false;
    bool stopRequest_ = false;
    int state_ = kNotSet;
    CLegendSwatches legends_;
};
