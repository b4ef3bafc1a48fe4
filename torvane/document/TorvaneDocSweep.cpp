// The engine document's sweep commands: the Zuv Oradizov and the Quick
// Iterator. Each sweeps copies of this engine in the document's coarse and
// fine sweeps, and the results the user marks become new documents.
#include "torvane/document/Iterator.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

namespace {

// The sweep's settings and results will be cleared for the Quick Iterator.
const unsigned short kConfirmClearSweep = 206;

// Hands the sweep that kept results (the fine one when it did) to the
// application when one of its results is marked.
void OpenMarkedResultsOf(CIterator& coarse, CIterator& fine) {
    CIterator& sweep = fine.GetResultCount() > 0 ? fine : coarse;
    for (int i = 0; i < sweep.GetResultCount(); ++i) {
        if (sweep.IsResultMarked(i)) {
            OpenMarkedResults(sweep);
            return;
        }
    }
}

}  // namespace

void CTorvaneDoc::OnSweep() {
    unsigned short code = 0;
    if (!Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    CreateIterators();
    if (sweepResultsInvalidated_ || !coarseIterator_->HasResults()) {
        coarseIterator_->AttachDocument(this);
        fineIterator_->AttachDocument(this);
        coarseIterator_->Reset();
        fineIterator_->Reset();
        sweepResultsInvalidated_ = false;
    }
    if (RunSweepDialog(*coarseIterator_, *fineIterator_)) OpenMarkedResultsOf(*coarseIterator_, *fineIterator_);
}

void CTorvaneDoc::OnQuickIterator() {
    unsigned short code = 0;
    if (!Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    CreateIterators();
    if (coarseIterator_->HasResults() && ErrCodeAskConfirm(kConfirmClearSweep) != IDOK) return;
    for (CIterator* sweep : {coarseIterator_, fineIterator_}) {
        sweep->Clear();
        sweep->AttachDocument(this);
        sweep->Reset();
    }
    sweepResultsInvalidated_ = false;
    if (RunQuickIterator(*coarseIterator_, *fineIterator_)) OpenMarkedResultsOf(*coarseIterator_, *fineIterator_);
}

void CTorvaneDoc::OnUpdateQuickIterator(CCmdUI* cmdUI) { cmdUI->Enable(IsQuickIteratorInstalled()); }

}  // namespace torvane
