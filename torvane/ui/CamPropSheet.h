// The camshaft dialog's property sheet: the specification, timing and
// search pages, each given the dialog as its owner.
#pragma once

#include "common/ui/EmbeddedPropSheet.h"
#include "framework/Framework.h"
#include "torvane/ui/CamSearchPropPage.h"
#include "torvane/ui/CamSheetOwner.h"
#include "torvane/ui/CamSpecsPropPage.h"
#include "torvane/ui/CamTimingPropPage.h"

namespace torvane {

class CCamPropSheet : public CEmbeddedPropSheet {
public:
    CCamPropSheet();

    // Hands the dialog to the three pages.
    void SetOwnerDialog(CCamSheetOwner* owner);

    BOOL OnInitDialog() override;

    // Refreshes every page but `exceptPage` (pages without a window skip it).
    void UpdatePages(CWnd* exceptPage);
    void EnablePages(BOOL enable);
    // The dialog's "Clear": the search page starts afresh.
    void ResetSearch() { searchPage_.Reset(); }
    // No page holds a refused entry.
    bool IsEntryAccepted() const;

    CCamSpecsPropPage& GetSpecsPage() { return specsPage_; }
    CCamTimingPropPage& GetTimingPage() { return timingPage_; }
    CCamSearchPropPage& GetSearchPage() { return searchPage_; }

private:
    CCamSpecsPropPage specsPage_;
    CCamTimingPropPage timingPage_;
    CCamSearchPropPage searchPage_;
};

}  // namespace torvane
