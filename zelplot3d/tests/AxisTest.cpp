// Axis scaling: nice steps, shown ranges, label formats and the sequence of
// labelled and minor ticks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "kernel/AxisTicks.h"
#include "kernel/Helpers.h"

namespace {

// Label size and spacing chosen so that n labels fit on an axis of length 2.
AxisTicks TicksForLabels(int n, double low, double high, bool exact = false) {
    // n = ceil((L + s) / (s c)) with L = 2, c = 1: s a little above 2 / (n - 1).
    double s = 2.0 / (n - 1) * 1.001;
    return zel3d_axis_ticks(s, 2.0, 1.0, low, high, exact);
}

std::string Format(int precision, int exponent) {
    char format[kLabelFormatSize];
    zel3d_axis_label_format(precision, exponent, format);
    return format;
}

TEST(AxisTicks, StepRangeAndPrecision) {
    struct Case {
        int n;
        double low, high, step, minimum, maximum;
        int precision;
        const char* format;
    };
    const Case cases[] = {
        {6, 0, 10, 2, 0, 10, 0, "%.0f"},        {5, 0.1, 0.9, 0.2, 0.1, 0.9, 1, "%.1f"},
        {6, 0.3, 9.7, 2, 0, 10, 0, "%.0f"},     {6, 0.7, 9.3, 2, 0.7, 9.3, 0, "%.0f"},
        {4, 2, 11, 5, 2, 11, 0, "%.0f"},        {5, 0, 1e6, 2e5, 0, 1e6, -5, "%.1E"},
        {6, 3.25, 3.25, 2, 2.25, 4.25, 0, "%.0f"},
    };
    for (const Case& c : cases) {
        AxisTicks t = TicksForLabels(c.n, c.low, c.high);
        SCOPED_TRACE(c.format);
        EXPECT_DOUBLE_EQ(c.step, t.step);
        EXPECT_NEAR(c.minimum, t.minimum, 1e-12);
        EXPECT_NEAR(c.maximum, t.maximum, 1e-12);
        EXPECT_EQ(c.precision, t.precision);
        EXPECT_EQ(c.format, Format(t.precision, zel3d_axis_exponent(t.minimum, t.maximum)));
    }
}

TEST(AxisTicks, AHugeLabelStillGivesTwoLabelsAndExactRangesStay) {
    AxisTicks t = zel3d_axis_ticks(100.0, 2.0, 1.5, 0.0, 10.0, false);
    EXPECT_DOUBLE_EQ(10.0, t.step);  // n = 2: one step over the range
    AxisTicks exact = TicksForLabels(6, 0.3, 9.7, true);
    EXPECT_DOUBLE_EQ(0.3, exact.minimum);
    EXPECT_DOUBLE_EQ(9.7, exact.maximum);
}

TEST(AxisTicks, NiceNumbers) {
    EXPECT_EQ(0.0, zel3d_nice_number(0.0, true));
    EXPECT_DOUBLE_EQ(2.0, zel3d_nice_number(2.9, true));
    EXPECT_DOUBLE_EQ(5.0, zel3d_nice_number(2.9, false));
    EXPECT_DOUBLE_EQ(10.0, zel3d_nice_number(7.0, true));
    EXPECT_DOUBLE_EQ(0.5, zel3d_nice_number(-0.31, false));
}

// A symmetric +-60000 range with two labels has the step 1e5 and the
// larger end 6e4: the digits p - x = -1 would make "%.-1E"; none are used.
TEST(AxisTicks, NegativeDigitsNeverReachTheFormat) {
    AxisTicks t = zel3d_axis_ticks(100.0, 2.0, 1.5, -60000.0, 60000.0, false);
    EXPECT_DOUBLE_EQ(1e5, t.step);
    int exponent = zel3d_axis_exponent(t.minimum, t.maximum);
    EXPECT_EQ("%.0E", Format(t.precision, exponent));
    char text[kLabelTextSize];
    zel3d_format_axis_value(text, sizeof text, 60000.0, t.precision, exponent, "%.0E");
    EXPECT_DOUBLE_EQ(6e4, strtod(text, nullptr));
}

TEST(AxisTicks, LabelValues) {
    char text[kLabelTextSize];
    zel3d_format_axis_value(text, sizeof text, -0.0, 0, 0, "%.0f");
    EXPECT_STREQ("0", text);  // never "-0"
    zel3d_format_axis_value(text, sizeof text, 3e-12, -5, -6, "%.1E");
    EXPECT_DOUBLE_EQ(0.0, strtod(text, nullptr));  // too small for the exponential form
    zel3d_format_axis_value(text, sizeof text, 4e5, -5, -6, "%.1E");
    EXPECT_DOUBLE_EQ(4e5, strtod(text, nullptr));
    EXPECT_EQ("%.1E", Format(6, 5));  // data below 0.0001
}

std::string Sequence(double step, double low, double high) {
    std::vector<TickMark> marks;
    double first = zel3d_axis_tick_marks(step, low, high, &marks);
    std::string text;
    char item[32];
    for (const TickMark& mark : marks) {
        snprintf(item, sizeof item, "%s%g ", mark.labelled ? "L" : "m", mark.value);
        text += item;
    }
    snprintf(item, sizeof item, "first %g", first);
    return text + item;
}

TEST(AxisTicks, LabelledAndMinorTicksAlternate) {
    EXPECT_EQ("L0 m1 L2 m3 L4 m5 L6 m7 L8 m9 L10 first 0", Sequence(2, 0, 10));
    EXPECT_EQ("m1 L2 m3 L4 m5 L6 m7 L8 m9 first 2", Sequence(2, 0.7, 9.3));
    EXPECT_EQ("m0.1 L0.2 m0.3 L0.4 m0.5 L0.6 m0.7 L0.8 m0.9 first 0.2", Sequence(0.2, 0.1, 0.9));
    EXPECT_EQ("first 3", Sequence(0.0, 3, 5));  // a step of 0 gives no ticks
}

}  // namespace
