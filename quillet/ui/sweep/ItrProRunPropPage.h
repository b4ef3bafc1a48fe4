// The drag-race Zuv Oradizov's "Run/Results" page: runs the sweep with
// Run/Stop, moves from the coarse phase to the fine phase around the best
// coarse result, shows the ten best results as bars and as a surface over
// the distance, and marks the results to be opened as new documents.
#pragma once

#include "common/sweepui/SweepCharts.h"
#include "common/sweepui/SweepPace.h"
#include "quillet/ui/sweep/ItrProPage.h"

namespace quillet {

class CItrProRunPropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProRunPropPage)

public:
    enum RunState { kStateNotSet = 0, kStateReady = 1, kStateRunning = 2, kStateFinished = 3 };

    CItrProRunPropPage();

    // Also picks the shown sweep and the state from the sweeps' progress.
    void SetOwner(CItrProPageOwner* owner) override;
    void UpdatePage() override { UpdateDisplay(); }
    // The "Save:" boxes and "Restart".
    void EnableControls(bool enable) override;

    // Both sweeps lose their results and start again on the document as it
    // is now; the coarse one is shown. The caller refreshes the display.
    void ResetResults();
    void UpdateDisplay();

    CIterator* GetCurrentIterator() const { return shown_; }
    int GetRunState() const { return state_; }
    bool IsRunning() const { return running_; }
    ZELCHART GetBarChart() const { return bars_.Chart(); }
    const CSweepSurface& GetSurface() const { return surface_; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnRun();
    afx_msg void OnRestart();
    afx_msg void OnSaveBox(UINT id);
    afx_msg void OnRotate(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // The fine sweep takes over around the best coarse result.
    void StartFinePhase();
    bool IsFinished() const;
    void UpdateBestSimsChart();
    void UpdateSurface();
    void UpdateBestChecks();
    // Validates the coarse sweep, and the fine one in a dual-phase sweep;
    // shows the error of the first that fails.
    bool ValidateSweeps();

    CIterator* shown_ = nullptr;
    bool running_ = false;
    bool stopRequested_ = false;
    int state_ = kStateNotSet;
    CSweepBestBars bars_;
    CSweepSurface surface_;
    CSweepPace pace_;
};

}  // namespace quillet
