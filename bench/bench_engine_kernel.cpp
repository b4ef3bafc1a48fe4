// Engine-cycle kernel runs per second for three engines: a 3.48-inch-stroke
// V8, a 1.5-inch-stroke four and the V8 with a centrifugal blower. Each figure
// is the median of several repeats, each running for a fixed time.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "BenchTiming.h"
#include "torvane/kernel/SimKernel.h"
#include "torvane/kernel/tests/KernelTestEngines.h"

using namespace torvane;

namespace {

constexpr int kRepeats = 9;
constexpr std::chrono::milliseconds kRepeatTime(300);
constexpr int kSpeedPoints = 22;  // 500 to 11000 rpm, three of them settling points

// Crank steps of one run: each cycle spans 720 degrees at the speed's step.
long CrankStepsPerRun(float stroke) {
    long steps = 0;
    for (int point = 1; point <= kSpeedPoints; ++point) {
        const float step = SimKernelCrankStep(stroke, 500.0f * static_cast<float>(point));
        steps += static_cast<long>(720.0f / step) + 1;
    }
    return steps;
}

float PeakPower(const SimulationBlock& block) {
    return *std::max_element(block.results.brakePower, block.results.brakePower + kSimRpmPoints);
}

struct Engine {
    const char* name;
    SimulationBlock (*make)();
};

}  // namespace

int main() {
    const Engine engines[] = {
        {"V8, 3.48 in stroke", MakeChevy350Block},
        {"four, 1.5 in stroke", MakeShortStrokeBlock},
        {"V8, centrifugal blower", MakeCentrifugalBlowerBlock},
    };
    std::printf("bench_engine_kernel: median of %d repeats of %d ms (%s)\n", kRepeats,
                static_cast<int>(kRepeatTime.count()), bench::ClockNote());
    for (const Engine& engine : engines) {
        SimulationBlock block = engine.make();
        SimKernelRun(block);
        if (block.results.brakePower[0] == 0.0f) {
            std::printf("%s: the run failed\n", engine.name);
            return 1;
        }
        const double median = bench::MedianOf(kRepeats, [&block] {
            return bench::RunsPerSecond([&block] { SimKernelRun(block); }, kRepeatTime);
        });
        std::printf(
            "%-24s %8.0f runs per second (%.3f ms a run, about %ld crank steps, peak %.1f hp)\n",
            engine.name, median, 1000.0 / median, CrankStepsPerRun(block.stroke),
            static_cast<double>(PeakPower(block)));
    }
    return 0;
}
