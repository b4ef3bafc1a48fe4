// The cam manager's timing page: the four valve events of each copy typed
// directly; durations, centre lines, lobe centre and overlap are derived
// from them. The two lifts belong to both copies.
#pragma once

#include "torvane/ui/CamCopiesPage.h"

namespace torvane {

class CCamTimingPropPage : public CCamCopiesPage {
    DECLARE_DYNCREATE(CCamTimingPropPage)
public:
    CCamTimingPropPage();

    void EnableControls(BOOL enable) override;

protected:
    void BindFields() override;
    void GetNumberIds(const int*& ids, int& count) const override;
    void GetRowIds(int method, const int*& ids, int& count) const override;
    void AfterEntry(int id, bool changed) override;

    DECLARE_MESSAGE_MAP()
};

}  // namespace torvane
