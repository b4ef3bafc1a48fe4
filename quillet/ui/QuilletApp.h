// The drag-race program's application object: the shared start-up steps
// with the vehicle document template and the drag-race main frame, the
// program's about box, low-colour notice, manual and error numbers.
#pragma once

#include "common/ui/SimulatorApp.h"

namespace quillet {

class CQuilletApp : public CSimulatorApp {
public:
    CQuilletApp();

    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};

}  // namespace quillet
