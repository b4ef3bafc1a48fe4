// Acceleration runs per second of the default street vehicle over 1/8 and
// 1/4 mile: the median of several repeats, each running for a fixed time.
#include <chrono>
#include <cstdio>
#include <memory>

#include "BenchTiming.h"
#include "quillet/kernel/QuilletMath.h"
#include "quillet/kernel/RaceSimBlock.h"
#include "quillet/kernel/tests/RaceTestVehicles.h"

using namespace quillet;

namespace {

constexpr int kRepeats = 9;
constexpr std::chrono::milliseconds kRepeatTime(300);

}  // namespace

int main() {
    std::unique_ptr<RaceSimBlock> block(new RaceSimBlock());
    race_test::FillBlock(race_test::DefaultStreetV8(), *block);

    std::printf("bench_race_run: default street vehicle, median of %d repeats of %d ms (%s)\n", kRepeats,
                static_cast<int>(kRepeatTime.count()), bench::ClockNote());
    for (int raceLength : {kRaceEighthMile, kRaceQuarterMile}) {
        if (!QuilletMathRun(*block, raceLength)) {
            std::printf("the run over %d ft failed\n", raceLength);
            return 1;
        }
        const float stepsPerRun = (block->elapsedTime + block->startTime) / 0.001f + 1.0f;
        const double median = bench::MedianOf(kRepeats, [&] {
            return bench::RunsPerSecond([&] { QuilletMathRun(*block, raceLength); }, kRepeatTime);
        });
        std::printf(
            "%s mile (%4d ft): %8.0f race runs per second (%.3f ms a run, about %.0f steps)\n",
            raceLength == kRaceEighthMile ? "1/8" : "1/4", raceLength, median, 1000.0 / median,
            stepsPerRun);
    }
    return 0;
}
