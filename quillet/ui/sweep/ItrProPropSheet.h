// The drag-race Zuv Oradizov's sheet of pages, embedded in the dialog: what
// to sweep, how to score, and the run with its results.
#pragma once

#include "common/ui/EmbeddedPropSheet.h"
#include "quillet/ui/sweep/ItrProConvStallPropPage.h"
#include "quillet/ui/sweep/ItrProCriteriaPropPage.h"
#include "quillet/ui/sweep/ItrProGearsPropPage.h"
#include "quillet/ui/sweep/ItrProRunPropPage.h"
#include "quillet/ui/sweep/ItrProShiftPtsPropPage.h"

namespace quillet {

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
    CItrProShiftPtsPropPage& GetShiftPointsPage() { return shiftPointsPage_; }
    CItrProGearsPropPage& GetGearsPage() { return gearsPage_; }
    CItrProConvStallPropPage& GetConverterPage() { return converterPage_; }
    CItrProCriteriaPropPage& GetCriteriaPage() { return criteriaPage_; }

private:
    // In tab order.
    CItrProPage* Pages(int index);
    static constexpr int kPageCount = 5;

    CItrProShiftPtsPropPage shiftPointsPage_;
    CItrProGearsPropPage gearsPage_;
    CItrProConvStallPropPage converterPage_;
    CItrProCriteriaPropPage criteriaPage_;
    CItrProRunPropPage runPage_;
};

}  // namespace quillet
