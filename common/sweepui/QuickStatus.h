// The status panel of the Quick Iterator dialogs of both programs: the run
// and phase lamps, the simulation counts and the progress.
#pragma once

#include "common/sweepui/SweepLamps.h"
#include "framework/Framework.h"

struct QuickStatusIds {
    int runningLamp;
    int stoppedLamp;
    int phase1Lamp;
    int phase2Lamp;
    int total;
    int completed;
    int progress;
    int percent;
};

struct QuickStatus {
    bool running;
    bool coarsePhase;  // else the fine phase
    int total;         // runs of both phases
    int completed;     // the coarse runs, and the fine ones once that phase is on
    int percent;       // of the phase being run
};

// "Running" lit green while running, else "Stopped" lit red; the lamp of
// the phase being run lit; the counts and the progress bar with its
// percentage.
void ShowQuickStatus(CWnd* dialog, const CSweepLamps& lamps, const QuickStatusIds& ids, const QuickStatus& status);
