// The engine program's colour table: the shared slots 0..27 and its own
// slots 28..34 (common/ui/ColorSchemes.h holds the schemes, the
// high-colour flag and the gradient fill).
#pragma once

#include "common/ui/ColorSchemes.h"

namespace torvane {

constexpr int kColorSlotCount = 35;

extern const AppColorTable kTorvaneColors;

// Slot 0..34 of the current scheme; a slot outside is an assertion.
inline COLORREF AppColorsGetColor(int slot) { return AppColorsGetSlot(kTorvaneColors, slot); }

}  // namespace torvane
