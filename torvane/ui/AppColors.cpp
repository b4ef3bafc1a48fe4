#include "torvane/ui/AppColors.h"

namespace torvane {

namespace {

const COLORREF kOwnSlots[2][kColorSlotCount - kSharedColorSlotCount] = {
    {0x808080, 0x000000, 0x000000, 0x808080, 0x808080, 0xC0C0C0, 0xC0C0C0},
    {0x808080, 0xFFFFFF, 0xFFFFFF, 0xEBB394, 0x808080, 0xFEE0D6, 0xC7FEFD},
};

}  // namespace

const AppColorTable kTorvaneColors = {{kOwnSlots[0], kOwnSlots[1]}, kColorSlotCount - kSharedColorSlotCount};

}  // namespace torvane
