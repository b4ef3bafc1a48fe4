// Copying a field's value alone: the target keeps its own name, unit and
// limits (a whole-field assignment would take the source's too).
#pragma once

#include "common/SimSpec.h"

// The target becomes unset with the source; a value outside the target's
// limits leaves the target as it was.
inline void CopyFieldValue(CFloatPtSpec& target, const CFloatPtSpec& source) {
    if (!source.IsSet()) {
        target.Clear();
        return;
    }
    const float value = source.GetValue();
    if (target.IsInRange(value)) target.SetValue(value);
}
