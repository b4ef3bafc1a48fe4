// What the running program gives the vehicle documents: the one field
// editor of the form, so that a preset choice made in its menu commits it;
// the Quick Iterator, the power-curve editor and the traction calculator.
// The file dialogs and the main frame are the document layer's own.
#pragma once

#include "quillet/document/QuilletDocHost.h"

namespace quillet {

class CProgramDocHost : public CQuilletDocHost {
public:
    bool IsEditorOpen() override;
    void PostCommitToOpenEditor() override;
    bool RunQuickIterator(CIterator& coarse, CIterator& fine) override;
    bool EditPowerCurve(CPowerCurve& curve, CString& description) override;
    bool RunTractionCalculator(CQuilletDoc& doc) override;
};

// The host the program installs at start-up.
CProgramDocHost& ProgramDocHost();

}  // namespace quillet
