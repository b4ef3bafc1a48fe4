#include "kernel/AxisTicks.h"

#include <cmath>
#include <cstdio>

#include "kernel/Helpers.h"

namespace {

constexpr int kMaxDigits = 30;
constexpr double kMaxTicks = 10000;

int ClampDigits(int digits) { return digits < 0 ? 0 : digits > kMaxDigits ? kMaxDigits : digits; }

}  // namespace

double zel3d_nice_number(double x, bool nearest) {
    if (x == 0.0 || !std::isfinite(x)) return 0.0;
    double e = pow(10.0, floor(log10(fabs(x)) + 1e-13));
    double f = fabs(x) / e;
    if (nearest) {
        if (f < 1.5) return e;
        if (f < 3.0) return 2.0 * e;
        if (f < 7.0) return 5.0 * e;
        return 10.0 * e;
    }
    if (f <= 1.0) return e;
    if (f <= 2.0) return 2.0 * e;
    if (f <= 5.0) return 5.0 * e;
    return 10.0 * e;
}

AxisTicks zel3d_axis_ticks(double label_size, double axis_length, double spacing, double low, double high,
                           bool exact) {
    if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0.0;
    double room = label_size * spacing;
    int n = 2;
    if (room + 1.0 != 1.0) {
        double fitting = zel3d_ceil((axis_length + label_size) / room) + 0.5;
        n = fitting > 1e6 ? 1000000 : static_cast<int>(fitting);
    }
    if (n < 2) n = 2;
    double range = high - low;
    if (range == 0.0) return {2.0, low - 1.0, high + 1.0, 0};
    double eps = range * 0.0005;
    double step = zel3d_nice_number(range / (n - 1), true);
    if (step > range) step = zel3d_nice_number(range * 0.5, true);
    double q = step / 2.0;
    double minimum = low, maximum = high;
    if (!exact) {
        minimum = q * zel3d_floor((low + eps) / q);
        maximum = q * zel3d_ceil((high - eps) / q);
    }
    // A half-step end is kept only when it lies within a quarter step.
    if (low - minimum >= q / 2.0) minimum = low;
    if (maximum - high >= q / 2.0) maximum = high;
    return {step, minimum, maximum, zel3d_decimal_exponent(step)};
}

int zel3d_axis_exponent(double minimum, double maximum) {
    double larger = fabs(minimum) > fabs(maximum) ? minimum : maximum;
    return zel3d_decimal_exponent(larger);
}

bool zel3d_axis_uses_exponent(int precision, int exponent) {
    return precision < -4 || (exponent != kNoExponent && exponent > 4);
}

void zel3d_axis_label_format(int precision, int exponent, char format[kLabelFormatSize]) {
    // A negative precision would make the format undefined; none is used.
    if (zel3d_axis_uses_exponent(precision, exponent))
        snprintf(format, kLabelFormatSize, "%%.%dE", ClampDigits(precision - exponent));
    else
        snprintf(format, kLabelFormatSize, "%%.%df", ClampDigits(precision));
}

void zel3d_format_axis_value(char* text, size_t size, double value, int precision, int exponent,
                             const char* format) {
    if (zel3d_axis_uses_exponent(precision, exponent)) {
        if (fabs(value) < 0.5 * pow(10.0, -precision)) value = 0.0;
    } else if (value == 0.0) {
        value = 0.0;  // +0, never -0
    }
    snprintf(text, size, format, value);
}

double zel3d_axis_tick_marks(double step, double minimum, double maximum, std::vector<TickMark>* ticks) {
    ticks->clear();
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(minimum) || !std::isfinite(maximum)) return minimum;
    double q = step / 2.0;
    double first = q * zel3d_ceil(minimum / q) + 0.0;  // never -0
    // A first tick half-way between two steps is a minor one.
    bool first_minor = 2.0 * q * zel3d_ceil(minimum / (2.0 * q)) - first > q / 2.0;
    double count = std::round(zel3d_floor(maximum / q) - first / q + 1.0);
    int n = int(std::min(std::max(count, 0.0), kMaxTicks));
    for (int k = 0; k < n; ++k) ticks->push_back({first + k * q, (k % 2 == 0) != first_minor});
    return first_minor ? first + q : first;
}
