// Setting and reading properties from zero-ended (code, value) lists, by
// the property table.
#pragma once

#include <cstdarg>

#include "Chart.h"

namespace zel2d_core {

// Each returns 1 when every pair was taken. A refused value (wrong range,
// NaN, a stale data handle, a read-only code) is skipped; an unknown code
// ends the list, since its value's size is unknown.
int SetChartValues(ZelChartRecord& chart, va_list args);
int GetChartValues(ZelChartRecord& chart, va_list args);
int SetAreaValues(ZelTextAreaRecord& area, va_list args);

// The type class of a code in the table, or -1 for an unknown code.
int KnownTypeClass(int code);

}  // namespace zel2d_core
