// Sweep throughput of the engine program: runs per second through the sweep
// engine's step (odometer, values into the working copy, validation, the run
// in English units, score, and the copy of a kept result), beside plain runs
// of the same document. The median of several repeats, each stepping for a
// fixed time.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "BenchTiming.h"
#include "SweepTiming.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/TorvaneProfile.h"

using namespace torvane;

namespace {

constexpr int kRepeats = 7;
constexpr std::chrono::milliseconds kRepeatTime(500);

// The stock small block of the component menus: "Chevy 350", wedge heads,
// dual-plane manifold at 600 cfm, headers, the street cam, gasoline.
void BuildChevy350(CTorvaneDoc& doc) {
    for (UINT id : {33135u, 32798u, 33052u, 33065u, 33467u, 32851u, 33508u, 32862u, 32891u})
        doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

}  // namespace

// A sweep of 506,000 engines: bore 23 values, stroke 22, intake opening
// 25 and exhaust closing 40.
constexpr int kLargeSweepRuns = 506000;
constexpr int kTimedRuns = 20000;

void SetUpLargeSweep(CIterator& sweep, CTorvaneDoc& doc) {
    sweep.AttachDocument(&doc);
    sweep.PresetBoreStroke(0.11f, 0.01f);
    sweep.GetVariable(kSlotStroke).SetCentre(doc.stroke, 0.105f);
    sweep.PresetValveEvents(12.0f, 1.0f);
    sweep.GetVariable(kSlotIntakeClosing).SetEnabled(false);
    sweep.GetVariable(kSlotExhaustOpening).SetEnabled(false);
    // Centred 2 degrees late so that the 40 closings stay within the field's limits.
    CFloatPtSpec exhaustClosing = doc.cam.primary.evc;
    exhaustClosing.SetValue(exhaustClosing.GetValue() + 2.0f);
    sweep.GetVariable(kSlotExhaustClosing).SetCentre(exhaustClosing, 19.5f);
}

int main(int argc, char** argv) {
    const bool wholeSweep = argc > 1 && std::strcmp(argv[1], "full") == 0;
    TorvaneInstallProgramProfile();
    std::unique_ptr<CTorvaneDoc> doc(new CTorvaneDoc);
    BuildChevy350(*doc);
    doc->SetAutoRun(false);
    unsigned short code = 0;
    if (!doc->Validate(code) || !doc->RunSimulation(false, false)) {
        std::printf("the sample engine does not run (code %d)\n", code);
        return 1;
    }
    std::printf("bench_engine_sweep: Chevy 350, median of %d repeats of %d ms (%s)\n", kRepeats,
                static_cast<int>(kRepeatTime.count()), bench::ClockNote());

    const double runs = bench::MedianOf(kRepeats, [&doc] {
        return bench::RunsPerSecond([&doc] { doc->RunSimulation(false, false); }, kRepeatTime);
    });
    std::printf("document runs:      %7.0f per second (%.3f ms a run)\n", runs, 1000.0 / runs);

    // The four valve events, 4 degrees either way in steps of 2: 625 engines
    // near the stock cam, each of which runs.
    std::unique_ptr<CIterator> sweep(new CIterator);
    sweep->AttachDocument(doc.get());
    sweep->PresetValveEvents(4.0f, 2.0f);
    if (!sweep->Validate(code)) {
        std::printf("the sweep does not validate (code %d)\n", code);
        return 1;
    }
    sweep->Reset();
    int stopped = 0;
    const auto step = [&sweep, &stopped] {
        bool kept = false;
        if (GetLeadFlag(*sweep)) sweep->Reset();
        if (!sweep->Step(&kept) && !GetLeadFlag(*sweep)) ++stopped;
    };
    const double steps =
        bench::MedianOf(kRepeats, [&step] { return bench::RunsPerSecond(step, kRepeatTime); });
    std::printf(
        "sweep steps:        %7.0f per second (%.3f ms a step; %d combinations; %d failed "
        "runs)\n",
        steps, 1000.0 / steps, sweep->GetTotal(), stopped);
    std::printf("sweep overhead:     %6.1f %% over a document run\n", 100.0 * (runs / steps - 1.0));
    std::printf("one thread, %d runs: about %.1f min\n", kLargeSweepRuns, kLargeSweepRuns / steps / 60.0);

    std::unique_ptr<CIterator> large(new CIterator);
    SetUpLargeSweep(*large, *doc);
    if (!large->Validate(code)) {
        std::printf("the large sweep does not validate (code %d)\n", code);
        return 1;
    }
    large->Reset();
    std::printf("large sweep: %d combinations (bore %d x stroke %d x intake opening %d x "
                "exhaust closing %d)\n",
                large->GetTotal(), large->GetVariable(kSlotBore).GetStepCount(),
                large->GetVariable(kSlotStroke).GetStepCount(),
                large->GetVariable(kSlotIntakeOpening).GetStepCount(),
                large->GetVariable(kSlotExhaustClosing).GetStepCount());
    bench::TimeSweepOnAllCores(
        "engine sweep", kLargeSweepRuns, kTimedRuns, wholeSweep,
        [&large](int batch, bool* kept) { return large->StepMany(batch, kept); },
        [&large] { return large->GetRunsDone(); });
    if (large->IsRunFailed()) std::printf("a run failed after %d runs\n", large->GetRunsDone());
    return 0;
}
