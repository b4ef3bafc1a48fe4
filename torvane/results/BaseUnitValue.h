// A field's value in its base unit (inches for lengths and lifts), whatever
// unit the document shows it in; 0 when it is not set.
#pragma once

#include "common/SimSpec.h"

namespace torvane {

inline float BaseUnitValue(const CFloatPtSpec& field) {
    if (!field.IsSet()) return 0;
    CFloatPtSpec copy(field);
    copy.ToBaseUnit();
    return copy.GetValue();
}

}  // namespace torvane
