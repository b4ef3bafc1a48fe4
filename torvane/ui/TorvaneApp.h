// The engine program's application object: start-up (the program folder,
// the field resources, then the shared start-up steps with the engine
// document template and main frame) and the documents made from a sweep's
// marked results; the rest is the shared application's.
#pragma once

#include "common/ui/SimulatorApp.h"

namespace torvane {

class CIterator;

class CTorvaneApp : public CSimulatorApp {
public:
    CTorvaneApp();

    BOOL InitInstance() override;

    // Hands over a sweep whose marked results are to become documents
    // (asserts one and no other pending); the caller then arms main-frame
    // timer 2.
    void SetBestResultsIterator(CIterator* sweep);

    afx_msg void OnCreateBestResultDocs();

protected:
    DECLARE_MESSAGE_MAP()

private:
    // Opens the next marked result of the pending sweep as a document.
    void OpenBestResult(CIterator& sweep, int slot);

    // A sweep was handed over and its ticks have not found it done yet.
    bool sweepHandedOver_ = false;
};

}  // namespace torvane
