#include "common/sweepui/SweepRunLoop.h"

#include "common/Assertion.h"
#include "common/sweepui/SweepPump.h"

static const char kAssertModule[] = "SweepRunLoop.cpp";

void SweepRunBatches(CSweepPace& pace, bool& stopRequested, const SweepRunSteps& steps) {
    while (!steps.finished() && !stopRequested) {
        if (!SweepPumpMessages()) stopRequested = true;
        if (!stopRequested) {
            // A batch small enough that the dialog answers between batches.
            const DWORD start = ::GetTickCount();
            bool kept = false;
            steps.step(pace.Next(), &kept);
            pace.Took(::GetTickCount() - start);
            steps.shown(kept);
        }
        steps.nextPhase();
    }
}

void SweepShowSaveBoxes(CWnd* page, int firstId, int kept, const std::function<bool(int result)>& marked) {
    const int kBoxes = 10;
    for (int k = 0; k < kBoxes; ++k) {
        CButton* box = static_cast<CButton*>(page->GetDlgItem(firstId + k));
        APP_ASSERT(box != nullptr);
        const bool live = k < kept;
        APP_ASSERT(live || !marked(k));
        box->EnableWindow(live);
        box->SetCheck(live && marked(k) ? BST_CHECKED : BST_UNCHECKED);
    }
}
