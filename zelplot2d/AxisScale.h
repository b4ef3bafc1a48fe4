// Axis arithmetic without any drawing: automatic ranges, tick positions and
// their labels, and the mapping between data values and pixels.
#pragma once

#include <string>
#include <vector>

namespace zel2d_core {

struct ValueRange {
    double min;
    double max;
};

// A round tick spacing (1, 2 or 5 times a power of ten) that cuts `span`
// into at most about `steps` parts; 1 for an empty or invalid span.
double NiceSpacing(double span, int steps = 5);

// The automatic range of data lying in [low, high]: both ends moved out to
// the nice spacing. No data (low > high) gives 0..1; a single value is
// widened by a tenth of itself (or by 1 at 0).
ValueRange FitRange(double low, double high);
// The same, keeping one end fixed: `fit_min` / `fit_max` say which ends are
// fitted, `current` holds the fixed ones.
ValueRange FitRangeEnds(double low, double high, ValueRange current, bool fit_min, bool fit_max);
// The automatic x range of bar groups centred on x values from low to high.
ValueRange FitBarRange(double low, double high);

// Tick values from min to max (ends included) every `spacing`, placed so that
// one falls on `anchor` (the minimum when the anchor is not finite). A
// spacing that is not positive, or that would give more than 1000 ticks, is
// replaced by NiceSpacing(max - min).
std::vector<double> TickValues(double min, double max, double spacing, double anchor);
// The spacing actually used by TickValues.
double EffectiveSpacing(double min, double max, double spacing);

// Decimals that show every multiple of `spacing` exactly (at most 6).
int AutoDecimals(double spacing);
// A tick label: fixed-point with `decimals` places, never "-0".
std::string FormatTick(double value, int decimals);

// Maps `value` of [min, max] onto the pixels [from, to] (either order). The
// mapped pixel, or -1 when the value lies outside the range, is not finite,
// or the range is empty.
int MapInside(double value, double min, double max, int from, int to);
// The same without the range test: values outside land outside [from, to],
// held within +-30000 pixels so that GDI takes them.
int Project(double value, double min, double max, int from, int to);

}  // namespace zel2d_core
