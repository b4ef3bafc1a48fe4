// The "Launch/Shift RPMs" page: the launch rpm and the shift rpms 1->2 to
// 5->6 (sweep variables 8 to 13) in neither, the first or both phases of the
// sweep. Rows of shifts the vehicle does not make stay disabled.
#pragma once

#include "quillet/ui/sweep/ItrProRangePage.h"

namespace quillet {

class CItrProShiftPtsPropPage : public CItrProRangePage {
    DECLARE_DYNAMIC(CItrProShiftPtsPropPage)
public:
    CItrProShiftPtsPropPage();

    void EnableSinglePhaseRows(bool enable) { EnableSinglePhaseGroup(enable); }
    void EnableDualPhaseRows(bool enable) { EnableDualPhaseGroup(enable); }

protected:
    const CFloatPtSpec& RowValue(int row) const override;

    DECLARE_MESSAGE_MAP()
};

}  // namespace quillet
