// Axis arithmetic on plain numbers: nice numbers, the tick step and shown
// range of an axis, and the number format of its labels.
#pragma once

#include <cstddef>
#include <vector>

// Size of a label format: at most 9 characters and the terminator.
constexpr int kLabelFormatSize = 10;
// Room for one printed label.
constexpr size_t kLabelTextSize = 128;

struct AxisTicks {
    double step;     // distance between labelled ticks
    double minimum;  // shown range
    double maximum;
    int precision;   // decimal exponent of the step
};

// A "nice" number near |x| (nearest) or not below it (ceiling): 1, 2 or 5
// times a power of ten; 0 for 0.
double zel3d_nice_number(double x, bool nearest);

// Step and range of an axis of length `axis_length` whose labels are
// `label_size` long (both in box units) and spaced by `spacing` times that,
// covering [low, high]; with `exact` the range is [low, high] itself.
AxisTicks zel3d_axis_ticks(double label_size, double axis_length, double spacing, double low, double high,
                           bool exact);

// Decimal exponent of whichever of the range ends has the larger magnitude
// (of `maximum` when they tie).
int zel3d_axis_exponent(double minimum, double maximum);

// Whether labels of this precision and exponent print in exponential form
// (steps of 100000 or more, or ranges below 0.0001 in magnitude).
bool zel3d_axis_uses_exponent(int precision, int exponent);

// The printf format of the labels: "%.<p - x>E" in exponential form,
// otherwise "%.<max(p, 0)>f". Digits are kept between 0 and 30.
void zel3d_axis_label_format(int precision, int exponent, char format[kLabelFormatSize]);

// One label: values too small for the exponential form print as 0, and a
// zero never prints as "-0".
void zel3d_format_axis_value(char* text, size_t size, double value, int precision, int exponent,
                             const char* format);

struct TickMark {
    double value;
    bool labelled;
};

// The ticks of a numeric axis: every half step, labelled and minor ones
// alternating; the first labelled one is a multiple of the step. Returns
// the value of the first labelled tick (the minimum without ticks).
double zel3d_axis_tick_marks(double step, double minimum, double maximum, std::vector<TickMark>* ticks);
