// The pages of the sweep dialog's sheet and the dialog that owns them. Every
// page edits the dialog's working copies of the document's two sweeps (the
// coarse one, and the fine one that restarts around the best coarse result);
// a change clears the run results and refreshes the other pages.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CIterator;
class CIterVariable;
class CTorvaneDoc;

// The variable is in use and swept (not excluded).
bool ItrVariableIsOn(const CIterVariable& variable);

// What a page needs of the sweep dialog.
class CItrProPageOwner {
public:
    virtual CIterator* GetCoarseIterator() = 0;
    virtual CIterator* GetFineIterator() = 0;
    virtual CTorvaneDoc* GetDocument() = 0;
    // A setting changed: both working sweeps lose their results.
    virtual void ResetRunResults() = 0;
    // Shows the settings on every page but `asker` (null: on all of them),
    // then the dialog's status, values and OK caption.
    virtual void UpdateAllPages(CPropertyPage* asker) = 0;
    // The fine phase is on (a dual-phase sweep).
    virtual bool IsFinePhaseEnabled() = 0;
    // The dialog's own controls and every page's, for the length of a sweep.
    virtual void EnableControls(bool enable) = 0;
    // Progress lamps and counts, and the score readouts with the "Current
    // Test" chart; `runOnly` after a sweep step, false on a full refresh.
    virtual void UpdateStatus(bool runOnly) = 0;
    virtual void UpdateValues(bool runOnly) = 0;
    // "Save" when a kept result is marked, else "OK".
    virtual void UpdateOkButtonText() = 0;

protected:
    ~CItrProPageOwner() = default;
};

// A page of the sheet.
class CItrProPage : public CPropertyPage {
    DECLARE_DYNAMIC(CItrProPage)
public:
    // Keeps `owner` and takes its working sweeps and document (each must
    // exist).
    virtual void SetOwner(CItrProPageOwner* owner);
    // Shows the settings (nothing before the page window exists).
    virtual void UpdatePage() = 0;
    // Every control of the page, off for the length of a sweep; the next
    // UpdatePage applies the page's own enabling again.
    virtual void EnableControls(bool enable) = 0;

protected:
    explicit CItrProPage(UINT templateId);

    CItrProPageOwner* owner_ = nullptr;
    CIterator* coarse_ = nullptr;
    CIterator* fine_ = nullptr;
    CTorvaneDoc* document_ = nullptr;
};

}  // namespace torvane
