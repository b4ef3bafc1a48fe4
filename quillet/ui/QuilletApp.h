// The drag-race program's application object: the shared start-up steps
// with the vehicle document template and the drag-race main frame, the
// program's about box, low-colour notice, manual and error numbers; and the
// documents made from a sweep's marked results.
#pragma once

#include "common/ui/SimulatorApp.h"

namespace quillet {

class CIterator;

class CQuilletApp : public CSimulatorApp {
public:
    CQuilletApp();

    BOOL InitInstance() override;

private:
    void OpenBestResult(CIterator& sweep, int slot);

protected:
    // Opens the next marked result of the pending sweep as a new document
    // titled "Best%d-" and re-arms the timer; the tick after the last one
    // lets the sweep go.
    afx_msg void OnCreateBestResultDocs();
    DECLARE_MESSAGE_MAP()
};

}  // namespace quillet
