#include "AxisScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zel2d_core {

namespace {

constexpr double kEpsilon = 1e-9;
constexpr int kMaxTicks = 1000;
constexpr double kPixelLimit = 30000.0;

bool Finite(double v) { return std::isfinite(v) && std::fabs(v) < 1e300; }

}  // namespace

double NiceSpacing(double span, int steps) {
    if (!Finite(span) || span <= 0.0 || steps <= 0) return 1.0;
    const double raw = span / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normalised = raw / magnitude;
    double nice = 10.0;
    if (normalised <= 1.0 + kEpsilon) nice = 1.0;
    else if (normalised <= 2.0 + kEpsilon) nice = 2.0;
    else if (normalised <= 5.0 + kEpsilon) nice = 5.0;
    return nice * magnitude;
}

ValueRange FitRangeEnds(double low, double high, ValueRange current, bool fit_min, bool fit_max) {
    if (!Finite(low) || !Finite(high) || low > high) {
        low = 0.0;
        high = 1.0;
    } else if (low == high) {
        const double widen = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= widen;
        high += widen;
    }
    const double from = fit_min ? low : current.min;
    const double to = fit_max ? high : current.max;
    double span = to - from;
    if (!(span > 0.0)) span = high - low;
    const double step = NiceSpacing(span);
    ValueRange range = current;
    if (fit_min) range.min = std::floor(low / step + kEpsilon) * step;
    if (fit_max) range.max = std::ceil(high / step - kEpsilon) * step;
    if (!(range.max > range.min)) {
        // A fixed end beyond the data: keep a usable range one step wide.
        if (fit_max) range.max = range.min + step;
        else range.min = range.max - step;
    }
    return range;
}

ValueRange FitRange(double low, double high) { return FitRangeEnds(low, high, {0.0, 1.0}, true, true); }

ValueRange FitBarRange(double low, double high) {
    if (!Finite(low) || !Finite(high) || low > high) return {0.5, 1.5};
    return {low - 0.5, high + 0.5};
}

double EffectiveSpacing(double min, double max, double spacing) {
    const double span = max - min;
    if (!Finite(spacing) || spacing <= 0.0 || !(span >= 0.0) || span / spacing > kMaxTicks)
        return NiceSpacing(span);
    return spacing;
}

std::vector<double> TickValues(double min, double max, double spacing, double anchor) {
    std::vector<double> ticks;
    if (!Finite(min) || !Finite(max) || !(max > min)) return ticks;
    spacing = EffectiveSpacing(min, max, spacing);
    if (!Finite(anchor)) anchor = min;
    const double tolerance = (max - min) * kEpsilon;
    const double first = std::ceil((min - anchor) / spacing - kEpsilon);
    for (int k = 0; k <= kMaxTicks + 1; ++k) {
        double value = anchor + (first + k) * spacing;
        if (value > max + tolerance) break;
        if (std::fabs(value) < spacing * kEpsilon) value = 0.0;
        ticks.push_back(value);
    }
    return ticks;
}

int AutoDecimals(double spacing) {
    if (!Finite(spacing) || spacing <= 0.0) return 0;
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = spacing * std::pow(10.0, decimals);
        if (std::round(scaled) >= 1.0 && std::fabs(scaled - std::round(scaled)) < 1e-6 * scaled) return decimals;
    }
    return 6;
}

std::string FormatTick(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 12) decimals = 12;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string label = text;
    // "-0", "-0.00": a value that rounds to zero shows without its sign.
    if (label[0] == '-' && label.find_first_not_of("-0.") == std::string::npos) label.erase(0, 1);
    return label;
}

int MapInside(double value, double min, double max, int from, int to) {
    if (!Finite(value) || !Finite(min) || !Finite(max) || !(max > min)) return -1;
    const double tolerance = (max - min) * kEpsilon;
    if (value < min - tolerance || value > max + tolerance) return -1;
    return Project(value, min, max, from, to);
}

int Project(double value, double min, double max, int from, int to) {
    if (!Finite(value) || !Finite(min) || !Finite(max) || !(max > min)) return from;
    double pixel = from + (value - min) / (max - min) * (to - from);
    if (pixel > kPixelLimit) pixel = kPixelLimit;
    if (pixel < -kPixelLimit) pixel = -kPixelLimit;
    return int(std::lround(pixel));
}

}  // namespace zel2d_core
