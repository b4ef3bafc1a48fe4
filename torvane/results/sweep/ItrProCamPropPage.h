// "Cam Timing": sweeps the four valve events around the engine's own, in a
// coarse phase and, for a dual-phase sweep, a fine phase around the best
// coarse result. Each event has its own tolerance; the phase one step.
#pragma once

#include "torvane/results/sweep/ItrProPage.h"

namespace torvane {

class CItrProCamPropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProCamPropPage)
public:
    CItrProCamPropPage();

    void UpdatePage() override;
    void EnableControls(bool enable) override;

    // The number of tests of the coarse and of the fine phase.
    int GetCoarseTestCount() const;
    int GetFineTestCount() const;

protected:
    BOOL OnInitDialog() override;
    // A tolerance or a step chosen.
    afx_msg void OnComboChanged(UINT id);
    afx_msg void OnPhaseClicked(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    // Reset the run results and show the change here and on the other pages.
    void Changed();
    void StepChanged(int id);
};

}  // namespace torvane
