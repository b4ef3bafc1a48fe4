// "Bore/Stroke": sweeps bore and stroke around the engine's own, in a coarse
// and an optional fine phase, either freely or keeping the displacement (the
// stroke, or the bore, then follows the other and shows "(Auto)"). The
// limits show how far each dimension and the displacement can move.
#pragma once

#include "torvane/results/sweep/ItrProPage.h"

namespace torvane {

class CItrProBoreStrokePropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProBoreStrokePropPage)
public:
    CItrProBoreStrokePropPage();

    void UpdatePage() override;
    void EnableControls(bool enable) override;

    int GetCoarseTestCount() const;
    int GetFineTestCount() const;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnComboChanged(UINT id);
    afx_msg void OnPhaseClicked(UINT id);
    afx_msg void OnHoldDisplacement();
    DECLARE_MESSAGE_MAP()

private:
    void Changed();
    void ToleranceChanged(bool fine, int slot, int thousandths);
    void ShowLimits(bool coarseOn, bool fineOn);
};

}  // namespace torvane
