// The drag-race program's colour table: the shared slots 0..27 and its own
// slots 28..32 (common/ui/ColorSchemes.h holds the schemes, the
// high-colour flag and the gradient fill).
#pragma once

#include "common/ui/ColorSchemes.h"

namespace quillet {

constexpr int kColorSlotCount = 33;

extern const AppColorTable kQuilletColors;

// Slot 0..32 of the current scheme; a slot outside is an assertion.
inline COLORREF AppColorsGetColor(int slot) { return AppColorsGetSlot(kQuilletColors, slot); }

}  // namespace quillet
