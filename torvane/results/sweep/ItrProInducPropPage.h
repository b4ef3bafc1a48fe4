// "Induction": sweeps the induction manifold over a list of manifold types
// chosen with ten check boxes, and says whether an individual-runner
// manifold gets an induction flow scaled to the engine.
#pragma once

#include "common/SimSpec.h"
#include "torvane/results/sweep/ItrProPage.h"

namespace torvane {

// A manifold the sweep can try: its check box, the component command whose
// menu text names it, and its manifold type. Type 7 (forced induction) is
// never swept.
struct SweepManifold {
    int boxId;
    UINT command;
    int type;
};
constexpr int kSweepManifoldCount = 10;
extern const SweepManifold kSweepManifolds[kSweepManifoldCount];
// The "Manifold Type" part (types 1..11) of a sweep manifold, named by its
// component command.
CPartTypeSpec MakeSweepManifoldPart(const SweepManifold& manifold);

class CItrProInducPropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProInducPropPage)
public:
    CItrProInducPropPage();

    void UpdatePage() override;
    void EnableControls(bool enable) override;

    // The manifolds in the list.
    int GetTestCount() const;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnManifoldClicked(UINT id);
    afx_msg void OnPhaseClicked(UINT id);
    afx_msg void OnFlowClicked(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void Changed();
};

}  // namespace torvane
