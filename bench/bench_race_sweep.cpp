// Sweep throughput of the drag-race program: runs per second through the
// sweep engine's step (apply the values to the working vehicle, validate,
// run, copy the results back, score and keep the ten best), over 1/8 and
// 1/4 mile. The median of several repeats, each stepping for a fixed time.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "BenchTiming.h"
#include "SweepTiming.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/SimInterface.h"
#include "quillet/services/QuilletProfile.h"

using namespace quillet;

namespace {

constexpr int kRepeats = 7;
constexpr std::chrono::milliseconds kRepeatTime(500);

// The street car of the preset menus: full-size coupe, street 350 V8,
// wide-ratio four-speed with a clutch, 3.54 axle, stock street tyres,
// aggressive driving on a typical track day.
void ChooseStreetCar(CQuilletDoc& doc) {
    for (UINT id : {33520u, 33601u, 33380u, 33392u, 33420u, 33441u, 33430u, 33452u})
        doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

}  // namespace

// A sweep of 900,000 vehicles over 1/4 mile: the four gear ratios and the
// axle by 0.01, with 20, 15, 15, 10 and 20 values.
constexpr int kLargeSweepRuns = 900000;
constexpr int kTimedRuns = 20000;

void SetUpLargeSweep(CIterator& iterator, const CQuilletDoc& doc) {
    iterator.PresetGearRatios(0.1f, 0.01f);
    const float tolerances[] = {0.095f, 0.07f, 0.07f, 0.045f};
    for (int gear = 0; gear < 4; ++gear)
        iterator.GetVariable(1 + gear).SetCentre(doc.m_gearRatio[gear].GetValue(), tolerances[gear]);
    iterator.GetVariable(7).SetCentre(doc.m_rearAxleRatio.GetValue(), 0.095f);
}

int main(int argc, char** argv) {
    const bool wholeSweep = argc > 1 && std::strcmp(argv[1], "full") == 0;
    QuilletInstallProgramProfile();
    SimInterfaceCreateInstance();
    std::unique_ptr<CQuilletDoc> doc(new CQuilletDoc);
    doc->SetAutoRun(false);
    ChooseStreetCar(*doc);
    short code = 0;
    if (!doc->Validate(&code) || !doc->RunSimulation(false, false)) {
        std::printf("the sample vehicle does not run (code %d)\n", code);
        return 1;
    }
    std::printf("bench_race_sweep: street car, gear-ratio sweep, median of %d repeats of %d ms (%s)\n",
                kRepeats, static_cast<int>(kRepeatTime.count()), bench::ClockNote());
    double quarterMileSteps = 1.0;
    for (int raceLength : {660, 1320}) {
        doc->SetRaceLength(raceLength);
        std::unique_ptr<CIterator> iterator(new CIterator);
        iterator->AttachDocument(doc.get());
        iterator->PresetGearRatios(0.2f, 0.1f);  // 5 values for each of 5 ratios
        iterator->Reset();
        int failed = 0;
        const auto step = [&iterator, &failed] {
            bool kept = false;
            if (iterator->IsFinished()) iterator->Reset();
            if (!iterator->Step(&kept)) ++failed;
        };
        const double median = bench::MedianOf(
            kRepeats, [&step] { return bench::RunsPerSecond(step, kRepeatTime); });
        if (raceLength == 1320) quarterMileSteps = median;
        std::printf("%s mile (%4d ft): %7.0f sweep steps per second (%.3f ms a step; %d of %d "
                    "combinations; %d steps without a finished run)\n",
                    raceLength == 660 ? "1/8" : "1/4", raceLength, median, 1000.0 / median,
                    iterator->GetRunsDone(), iterator->GetTotal(), failed);
    }

    doc->SetRaceLength(1320);
    std::unique_ptr<CIterator> large(new CIterator);
    large->AttachDocument(doc.get());
    SetUpLargeSweep(*large, *doc);
    large->Reset();
    std::printf("large sweep: %d combinations; one thread: about %.1f min\n", large->GetTotal(),
                kLargeSweepRuns / quarterMileSteps / 60.0);
    {
        // How many of its runs reach the finish (the rest fail validation,
        // e.g. gears out of order, and cost little).
        std::unique_ptr<CIterator> sample(new CIterator);
        sample->AttachDocument(doc.get());
        SetUpLargeSweep(*sample, *doc);
        sample->Reset();
        int finished = 0;
        bool kept = false;
        for (int i = 0; i < 2000; ++i)
            if (sample->Step(&kept)) ++finished;
        std::printf("of its first 2000 runs %d reach the finish\n", finished);
    }
    bench::TimeSweepOnAllCores(
        "race sweep", kLargeSweepRuns, kTimedRuns, wholeSweep,
        [&large](int batch, bool* kept) { return large->StepMany(batch, kept); },
        [&large] { return large->GetRunsDone(); });
    return 0;
}
