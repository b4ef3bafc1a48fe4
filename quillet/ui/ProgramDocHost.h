// What the running program gives the vehicle documents: the one field
// editor of the form, so that a preset choice made in its menu commits it;
// the Quick Iterator, the power-curve editor and the traction calculator;
// and the sweep whose marked results the application opens as new
// documents, one on each tick of the main frame's timer.
// The file dialogs and the main frame are the document layer's own.
#pragma once

#include "quillet/document/QuilletDocHost.h"

namespace quillet {

// The main frame's timer that opens the next marked sweep result.
constexpr UINT_PTR kTimerBestResults = 2;
constexpr UINT kBestResultsTimerMs = 100;

class CProgramDocHost : public CQuilletDocHost {
public:
    bool IsEditorOpen() override;
    void PostCommitToOpenEditor() override;
    bool RunQuickIterator(CIterator& coarse, CIterator& fine) override;
    bool RunProIterator(CIterator& coarse, CIterator& fine) override;
    bool EditPowerCurve(CPowerCurve& curve, CString& description) override;
    bool RunTractionCalculator(CQuilletDoc& doc) override;
    // Keeps the sweep (none may be pending) and arms the main frame's timer.
    void SetBestResultsIterator(CIterator& iterator) override;
    void DropBestResultsIterator(CIterator& iterator) override;
    // The sweep whose marked results are still to be opened; null when none.
    CIterator* GetBestResultsIterator() const { return bestResults_; }
    void ClearBestResultsIterator() { bestResults_ = nullptr; }

private:
    CIterator* bestResults_ = nullptr;
};

// The host the program installs at start-up.
CProgramDocHost& ProgramDocHost();

}  // namespace quillet
