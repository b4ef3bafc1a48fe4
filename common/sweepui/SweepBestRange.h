// The y range of a best-results bar chart: the bars from the worst to the
// best kept score and the baseline line must all show. The range is kept
// while it holds them with 2 units to spare and is not more than 1.25 times
// as tall as they need, else it is set again with a tenth of their span
// above and below (whole units, never below 0).
#pragma once

struct SweepYRange {
    double minimum;
    double maximum;
};

// `lo` and `hi`: the lowest and highest bar (the caller's choice when no
// bar is kept); `current`: the chart's range now. Returns the range to
// show, which is `current` when it still fits.
SweepYRange SweepBestYRange(double lo, double hi, double baseline, SweepYRange current);
