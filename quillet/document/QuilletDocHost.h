// What the vehicle document asks of the program around it: the dialogs of
// the program interface, the field editor and the main frame. The program
// installs its own host; until then the default one answers every dialog
// with Cancel and posts to the framework's main window.
#pragma once

#include <cstdio>
#include <functional>

#include "framework/Framework.h"

namespace quillet {

class CIterator;
class CPowerCurve;
class CQuilletDoc;

class CQuilletDocHost {
public:
    virtual ~CQuilletDocHost() = default;

    // The single field-editor dialog.
    virtual bool IsEditorOpen() { return false; }
    // Makes the open editor commit its text as on OK.
    virtual void PostCommitToOpenEditor() {}

    // The power-curve editor on `curve`, starting with `description`; on
    // OK the curve holds the edits and `description` the text entered.
    virtual bool EditPowerCurve(CPowerCurve& curve, CString& description);
    // The traction calculator; on OK it has stored its result in `doc`.
    virtual bool RunTractionCalculator(CQuilletDoc& doc);
    // The Quick and the Zuv Oradizov iterator dialogs; on OK the chosen
    // results are marked in the iterators.
    virtual bool RunQuickIterator(CIterator& coarse, CIterator& fine);
    virtual bool RunProIterator(CIterator& coarse, CIterator& fine);
    // Hands over the iterator whose marked results become new documents and
    // starts the main frame's 100-ms timer that makes them.
    virtual void SetBestResultsIterator(CIterator& iterator);
    // The iterator is about to be deleted: whatever holds it lets go.
    virtual void DropBestResultsIterator(CIterator& iterator);

    // File names: an engine file to import, and the export target (a full
    // path); false on Cancel.
    virtual bool AskImportFileName(CString& path);
    virtual bool AskExportFileName(const CString& defaultName, CString& path);

    // Posts `message` to the main frame, when there is one.
    virtual void PostToMainFrame(UINT message, WPARAM wParam);
};

// The installed host (the default one when none was installed).
CQuilletDocHost& QuilletDocHost();
// Installs `host` (null: back to the default); the caller keeps it alive.
void QuilletSetDocHost(CQuilletDocHost* host);

// The specification form view, as the document forwards printing to it.
class CQuilletFormViewLink {
public:
    virtual void DoFilePrint() = 0;
    virtual void DoFilePrintPreview() = 0;

protected:
    ~CQuilletFormViewLink() = default;
};

// A chart view whose settings block the vehicle file stores. Failures throw
// the file codes 80 (write), 81 (read) or 83 (value) as ErrCodeException.
class CQuilletChartViewLink {
public:
    virtual void WriteChartSettings(FILE* file) = 0;
    // Reads the view's block and returns what makes the view take the
    // settings read. The file's reader runs it only once the whole file has
    // been read, so that a damaged file leaves the view as it was.
    virtual std::function<void()> ReadChartSettings(FILE* file) = 0;

    // Opening a vehicle file clears the view's data zones before the file's
    // chart lines are read, so that only the file's zones are shown (none
    // for a file that keeps no chart lines), and redraws the zones the file
    // left shown.
    virtual void ResetZoneSettings() {}
    virtual bool ZonesEnabled() const { return false; }
    virtual void RedrawZones() {}

protected:
    ~CQuilletChartViewLink() = default;
};

}  // namespace quillet
