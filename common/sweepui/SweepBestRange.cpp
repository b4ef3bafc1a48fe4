#include "common/sweepui/SweepBestRange.h"

#include <algorithm>
#include <cmath>

SweepYRange SweepBestYRange(double lo, double hi, double baseline, SweepYRange current) {
    lo = std::min(lo, baseline);
    hi = std::max(hi, baseline);
    const double span = hi - lo;
    const bool fits = current.minimum + 2.0 <= lo && current.maximum - 2.0 >= hi &&
                      current.maximum - current.minimum <= 1.25 * span;
    if (fits) return current;
    const double margin = 0.1 * span;
    SweepYRange range;
    range.minimum = std::max(0.0, std::trunc(lo - margin - 1.0));
    range.maximum = std::trunc(hi + margin + 1.0);
    return range;
}
