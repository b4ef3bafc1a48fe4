// What the engine document uses of the engine program's shell: the single
// field editor, the component dialogs that component commands open, and the
// hand-off of a sweep's marked results to the application. The shell's
// classes plug into these: its field editor registers itself here while it
// exists, its application keeps the pending sweep here, and it installs its
// dialogs at start-up. Without a shell (model tests, sweeps' working
// documents) no editor is open and the dialogs answer Cancel.
#pragma once

#include <functional>

#include "framework/Framework.h"

class CFileSpec;

namespace torvane {

class CIterator;
class CTorvaneDoc;
class CylHeadFlow;

// ---- The single field editor ----

// Posted to the open editor: commit the typed text as on OK.
constexpr UINT kMsgCommitFieldEditor = WM_USER + 105;

// The editor registers itself for its lifetime; a second editor is an
// assertion, and so is unregistering another one.
void FieldEditorRegister(CWnd* editor);
void FieldEditorUnregister(CWnd* editor);
bool FieldEditorIsOpen();
// Asks the open editor to commit (assertion when none is open).
void FieldEditorPostCommit();

// ---- Component dialogs ----

struct ComponentDialogs {
    // The airflow dialog on the document's head-flow data and airflow file
    // field; true on OK, with both written back.
    std::function<bool(CylHeadFlow& flow, CFileSpec& airflowFile)> editAirflow;
    // The custom camshaft-type dialog, starting from `currentName` (may be
    // null); true on OK, with the entered name (empty when none was typed).
    std::function<bool(const char* currentName, CString& enteredName)> chooseCamTypeName;
    // The cam manager and the cam event calculator on the document's cam;
    // true when they changed it.
    std::function<bool(CTorvaneDoc& doc)> manageCam;
    std::function<bool(CTorvaneDoc& doc)> calculateCamEvents;
    // The Zuv Oradizov and the Quick Iterator on the document's coarse and
    // fine sweeps; true on OK, with both written back.
    std::function<bool(CIterator& coarse, CIterator& fine)> runSweepDialog;
    std::function<bool(CIterator& coarse, CIterator& fine)> runQuickIterator;
    // Opens the marked results of `sweep` as new documents, after the
    // command that hands it over has returned.
    std::function<void(CIterator& sweep)> openMarkedResults;
};

// Installs the shell's dialogs; an empty member answers Cancel.
void InstallComponentDialogs(const ComponentDialogs& dialogs);
bool RunAirflowDialog(CylHeadFlow& flow, CFileSpec& airflowFile);
bool RunCamTypeDialog(const char* currentName, CString& enteredName);
bool RunCamManager(CTorvaneDoc& doc);
bool RunCamCalculator(CTorvaneDoc& doc);
bool RunSweepDialog(CIterator& coarse, CIterator& fine);
bool RunQuickIterator(CIterator& coarse, CIterator& fine);
// The shell has a Quick Iterator (its command is greyed without one).
bool IsQuickIteratorInstalled();
// Without a shell the marks stay on the sweep.
void OpenMarkedResults(CIterator& sweep);

// ---- Best-results hand-off ----

// Keeps the sweep whose marked results are to become new documents; null or
// a second pending sweep is an assertion.
void SetBestResultsIterator(CIterator* sweep);
// The pending sweep, or null.
CIterator* GetBestResultsIterator();
// No sweep pending any more (its marks are done, or its owner deletes it).
void ClearBestResultsIterator();

}  // namespace torvane
