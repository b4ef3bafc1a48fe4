#include "quillet/document/QuilletDocHost.h"

namespace quillet {

namespace {

const char kImportFilter[] = "Torvane Files (*.tvn)|*.tvn|All Files (*.*)|*.*||";
const char kExportFilter[] = "Quillet DOS 2.8.7 Files (*.qlt)|*.qlt|All Files (*.*)|*.*||";
const char kExportTitle[] = "Export for the Quillet DOS 2.8.7 Program";

CQuilletDocHost g_defaultHost;
CQuilletDocHost* g_host = &g_defaultHost;

}  // namespace

bool CQuilletDocHost::EditPowerCurve(CPowerCurve&, CString&) { return false; }

bool CQuilletDocHost::RunTractionCalculator(CQuilletDoc&) { return false; }

bool CQuilletDocHost::RunQuickIterator(CIterator&, CIterator&) { return false; }

bool CQuilletDocHost::RunProIterator(CIterator&, CIterator&) { return false; }

void CQuilletDocHost::SetBestResultsIterator(CIterator&) {}

void CQuilletDocHost::DropBestResultsIterator(CIterator&) {}

bool CQuilletDocHost::AskImportFileName(CString& path) {
    CFileDialog dialog(TRUE, "tvn", "*.tvn", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kImportFilter);
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.GetPathName();
    return true;
}

bool CQuilletDocHost::AskExportFileName(const CString& defaultName, CString& path) {
    CFileDialog dialog(FALSE, "qlt", defaultName,
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, kExportFilter);
    dialog.m_ofn.lpstrTitle = kExportTitle;
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.GetPathName();
    return true;
}

void CQuilletDocHost::PostToMainFrame(UINT message, WPARAM wParam) {
    CWnd* mainFrame = AfxGetMainWnd();
    if (mainFrame != nullptr && mainFrame->GetSafeHwnd() != nullptr)
        mainFrame->PostMessage(message, wParam);
}

CQuilletDocHost& QuilletDocHost() { return *g_host; }

void QuilletSetDocHost(CQuilletDocHost* host) { g_host = host != nullptr ? host : &g_defaultHost; }

}  // namespace quillet
