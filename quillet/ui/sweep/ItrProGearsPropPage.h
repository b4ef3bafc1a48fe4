// The "Gears Ratios" page: the ratios of gears 1st to 6th and of the rear
// axle (sweep variables 1 to 7) in neither, the first or both phases of the
// sweep. Rows of gears the vehicle does not have stay disabled.
#pragma once

#include "quillet/ui/sweep/ItrProRangePage.h"

namespace quillet {

class CItrProGearsPropPage : public CItrProRangePage {
    DECLARE_DYNAMIC(CItrProGearsPropPage)
public:
    CItrProGearsPropPage();

    void EnableSinglePhaseGears(bool enable) { EnableSinglePhaseGroup(enable); }
    void EnableDualPhaseGears(bool enable) { EnableDualPhaseGroup(enable); }

protected:
    const CFloatPtSpec& RowValue(int row) const override;

    DECLARE_MESSAGE_MAP()
};

}  // namespace quillet
