#include "quillet/ui/AppColors.h"

namespace quillet {

namespace {

const COLORREF kOwnSlots[2][kColorSlotCount - kSharedColorSlotCount] = {
    {0x808080, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080},
    {0xD67563, 0xFFFFFF, 0x000000, 0xEBB394, 0x808080},
};

}  // namespace

const AppColorTable kQuilletColors = {{kOwnSlots[0], kOwnSlots[1]}, kColorSlotCount - kSharedColorSlotCount};

}  // namespace quillet
