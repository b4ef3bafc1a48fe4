// What the run pages of both programs' sweep dialogs do alike: the Run/Stop
// loop that sends batches of runs to the worker threads with the dialog
// pumped between them, and the "Save:" boxes of the kept results.
#pragma once

#include <functional>

#include "common/sweepui/SweepPace.h"
#include "framework/Framework.h"

struct SweepRunSteps {
    // The sweep being run has no run left.
    std::function<bool()> finished;
    // Runs up to `runs` combinations; `kept`: one became a kept result.
    std::function<void(int runs, bool* kept)> step;
    // After each batch (the status and readouts; the result charts when
    // `kept`).
    std::function<void(bool kept)> shown;
    // After each pass: the move from the coarse phase to the fine one.
    std::function<void()> nextPhase;
};

// Runs batches until the sweep is finished or `stopRequested` is set (by
// Run/Stop pressed again, which the pump dispatches, or by the program
// closing).
void SweepRunBatches(CSweepPace& pace, bool& stopRequested, const SweepRunSteps& steps);

// Boxes firstId .. firstId + 9: those of the `kept` results enabled and
// checked by `marked`, the others disabled and unchecked (`marked` must be
// false for them).
void SweepShowSaveBoxes(CWnd* page, int firstId, int kept, const std::function<bool(int result)>& marked);
