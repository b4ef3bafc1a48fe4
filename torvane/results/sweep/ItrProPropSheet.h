// The Zuv Oradizov's sheet of pages, embedded in the dialog: what to sweep,
// how to score, and the run with its results.
#pragma once

#include "common/ui/EmbeddedPropSheet.h"
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
    // The pages the presets show; null while the sheet has no such page.
    CPropertyPage* GetCamPage() { return nullptr; }
    CPropertyPage* GetInductionPage() { return nullptr; }
    CPropertyPage* GetBoreStrokePage() { return nullptr; }
    CPropertyPage* GetCriteriaPage() { return nullptr; }

private:
    // In tab order.
    CItrProPage* Pages(int index);
    static constexpr int kPageCount = 1;

    CItrProRunPropPage runPage_;
};

}  // namespace torvane
