// Nanoseconds per call of the correctly rounded maths functions on
// arguments like the kernels': angles up to 30 rad, pressure ratios to the
// powers 1.428 and 1.714, engine speeds to the power 1.3, and x^2.5 of
// speeds in hundreds of mph. Medians of several repeats.
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "common/fastmath/FastMath.h"

namespace {

constexpr int kRepeats = 9;
constexpr std::chrono::milliseconds kRepeatTime(200);
constexpr int kCount = 4096;

template <class Call>
void Report(const char* name, Call&& call) {
    const double callsPerSecond =
        kCount * bench::MedianOf(kRepeats, [&] { return bench::RunsPerSecond(call, kRepeatTime); });
    std::printf("%-28s %6.1f ns a call\n", name, 1e9 / callsPerSecond);
}

}  // namespace

int main() {
    std::vector<float> angles(kCount), ratios(kCount), speeds(kCount);
    std::vector<double> mph(kCount);
    for (int i = 0; i < kCount; ++i) {
        angles[i] = 30.0f * static_cast<float>(i) / kCount;
        ratios[i] = 0.05f + 0.95f * static_cast<float>(i) / kCount;
        speeds[i] = 500.0f + 10500.0f * static_cast<float>(i) / kCount;
        mph[i] = 2.0 * i / kCount;
    }
    volatile float sink = 0;
    volatile double sinkDouble = 0;
    std::printf("bench_fastmath: median of %d repeats of %d ms (%s)\n", kRepeats,
                static_cast<int>(kRepeatTime.count()), bench::ClockNote());
    Report("sinf", [&] {
        float s = 0;
        for (float a : angles) s += fastmath::Sin(a);
        sink = s;
    });
    Report("cosf", [&] {
        float s = 0;
        for (float a : angles) s += fastmath::Cos(a);
        sink = s;
    });
    Report("sincosf", [&] {
        float s = 0;
        for (float a : angles) {
            float x, y;
            fastmath::SinCos(a, &x, &y);
            s += x + y;
        }
        sink = s;
    });
    Report("powf(ratio, 1.428)", [&] {
        float s = 0;
        for (float r : ratios) s += fastmath::Pow(r, 1.428f);
        sink = s;
    });
    Report("powf(rpm, 1.3)", [&] {
        float s = 0;
        for (float n : speeds) s += fastmath::Pow(n, 1.3f);
        sink = s;
    });
    Report("x^2.5 (double)", [&] {
        double s = 0;
        for (double x : mph) s += fastmath::PowTwoAndAHalf(x);
        sinkDouble = s;
    });
    return 0;
}
