// The Zuv Oradizov's sheet of pages, embedded in the dialog: what to sweep,
// how to score, and the run with its results.
#pragma once

#include "common/ui/EmbeddedPropSheet.h"
#include "torvane/results/sweep/ItrProBoreStrokePropPage.h"
#include "torvane/results/sweep/ItrProCamPropPage.h"
#include "torvane/results/sweep/ItrProCriteriaPropPage.h"
#include "torvane/results/sweep/ItrProInducPropPage.h"
#include "torvane/results/sweep/ItrProRunPropPage.h"

namespace torvane {

class CItrProPropSheet : public CEmbeddedPropSheet {
    DECLARE_DYNAMIC(CItrProPropSheet)

public:
    CItrProPropSheet();

    // Hands the dialog to every page.
    void SetOwner(CItrProPageOwner* owner);
    // Refreshes every page but `asker`.
    void UpdatePages(CPropertyPage* asker);
    void EnablePages(bool enable);

    CItrProRunPropPage& GetRunPage() { return runPage_; }
    CItrProCamPropPage& GetCamPage() { return camPage_; }
    CItrProInducPropPage& GetInductionPage() { return inductionPage_; }
    CItrProBoreStrokePropPage& GetBoreStrokePage() { return boreStrokePage_; }
    CItrProCriteriaPropPage& GetCriteriaPage() { return criteriaPage_; }

private:
    // In tab order.
    CItrProPage* Pages(int index);
    static constexpr int kPageCount = 5;

    CItrProCamPropPage camPage_;
    CItrProInducPropPage inductionPage_;
    CItrProBoreStrokePropPage boreStrokePage_;
    CItrProCriteriaPropPage criteriaPage_;
    CItrProRunPropPage runPage_;
};

}  // namespace torvane
