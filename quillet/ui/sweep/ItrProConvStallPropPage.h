// The "Converter Stall" page: the torque converter's stall speed (sweep
// variable 0) in neither, the first or both phases of the sweep. Only a
// vehicle with a converter (its stall speed set) can use the page.
#pragma once

#include "quillet/ui/sweep/ItrProRangePage.h"

namespace quillet {

class CItrProConvStallPropPage : public CItrProRangePage {
    DECLARE_DYNAMIC(CItrProConvStallPropPage)
public:
    CItrProConvStallPropPage();

    void UpdateControls() override;
    void SetCoarseVariableEnabled(bool enable) { SetCoarseVariablesEnabled(enable); }
    void SetFineVariableEnabled(bool enable) { SetFineVariablesEnabled(enable); }

protected:
    const CFloatPtSpec& RowValue(int row) const override;
    bool IsInUse() const override;

    DECLARE_MESSAGE_MAP()
};

}  // namespace quillet
