#include "torvane/services/TorvaneShellServices.h"

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "TorvaneShellServices.cpp";

namespace {

CWnd* g_openEditor = nullptr;
ComponentDialogs g_dialogs;
CIterator* g_pendingSweep = nullptr;

}  // namespace

void FieldEditorRegister(CWnd* editor) {
    APP_ASSERT(editor != nullptr && g_openEditor == nullptr);
    g_openEditor = editor;
}

void FieldEditorUnregister(CWnd* editor) {
    APP_ASSERT(editor != nullptr && g_openEditor == editor);
    g_openEditor = nullptr;
}

bool FieldEditorIsOpen() {
    return g_openEditor != nullptr;
}

void FieldEditorPostCommit() {
    APP_ASSERT(g_openEditor != nullptr);
    g_openEditor->PostMessage(kMsgCommitFieldEditor);
}

void InstallComponentDialogs(const ComponentDialogs& dialogs) {
    g_dialogs = dialogs;
}

bool RunAirflowDialog(CylHeadFlow& flow, CFileSpec& airflowFile) {
    return g_dialogs.editAirflow && g_dialogs.editAirflow(flow, airflowFile);
}

bool RunCamTypeDialog(const char* currentName, CString& enteredName) {
    return g_dialogs.chooseCamTypeName && g_dialogs.chooseCamTypeName(currentName, enteredName);
}

bool RunCamManager(CTorvaneDoc& doc) {
    return g_dialogs.manageCam && g_dialogs.manageCam(doc);
}

bool RunCamCalculator(CTorvaneDoc& doc) {
    return g_dialogs.calculateCamEvents && g_dialogs.calculateCamEvents(doc);
}

bool RunSweepDialog(CIterator& coarse, CIterator& fine) {
    return g_dialogs.runSweepDialog && g_dialogs.runSweepDialog(coarse, fine);
}

bool RunQuickIterator(CIterator& coarse, CIterator& fine) {
    return g_dialogs.runQuickIterator && g_dialogs.runQuickIterator(coarse, fine);
}

bool IsQuickIteratorInstalled() {
    return static_cast<bool>(g_dialogs.runQuickIterator);
}

void OpenMarkedResults(CIterator& sweep) {
    if (g_dialogs.openMarkedResults) g_dialogs.openMarkedResults(sweep);
}

void SetBestResultsIterator(CIterator* sweep) {
    APP_ASSERT(sweep != nullptr && g_pendingSweep == nullptr);
    g_pendingSweep = sweep;
}

CIterator* GetBestResultsIterator() {
    return g_pendingSweep;
}

void ClearBestResultsIterator() {
    g_pendingSweep = nullptr;
}

}  // namespace torvane
