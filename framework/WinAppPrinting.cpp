// The application's printer: chosen in Print Setup, used by every job.
#include "Printing.h"
#include "WinApp.h"

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGA* pd) {
    if (m_hDevNames == nullptr) {
        CPrintDialog defaults(FALSE);
        if (defaults.GetDefaults()) {
            SelectPrinter(defaults.m_pd.hDevNames, defaults.m_pd.hDevMode);
            defaults.m_pd.hDevNames = defaults.m_pd.hDevMode = nullptr;
        }
    }
    if (m_hDevNames == nullptr) return FALSE;
    if (pd->hDevNames) ::GlobalFree(pd->hDevNames);
    if (pd->hDevMode) ::GlobalFree(pd->hDevMode);
    pd->hDevNames = AfxCopyGlobalMemory(m_hDevNames);
    pd->hDevMode = AfxCopyGlobalMemory(m_hDevMode);
    return pd->hDevNames != nullptr;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* dialog) {
    // The dialog starts on the application's printer unless it names one.
    if (dialog->m_pd.hDevNames == nullptr) GetPrinterDeviceDefaults(&dialog->m_pd);
    INT_PTR result = dialog->DoModal();
    // The system's dialog may have replaced the records it was given; the
    // dialog frees what it holds, the application keeps copies.
    if (result == IDOK)
        SelectPrinter(AfxCopyGlobalMemory(dialog->m_pd.hDevNames), AfxCopyGlobalMemory(dialog->m_pd.hDevMode));
    return result;
}

void CWinApp::SelectPrinter(HGLOBAL devNames, HGLOBAL devMode) {
    if (m_hDevNames != nullptr && m_hDevNames != devNames) ::GlobalFree(m_hDevNames);
    if (m_hDevMode != nullptr && m_hDevMode != devMode) ::GlobalFree(m_hDevMode);
    m_hDevNames = devNames;
    m_hDevMode = devMode;
}

void CWinApp::OnFilePrintSetup() {
    CPrintDialog dialog(TRUE);
    if (DoPrintDialog(&dialog) != IDOK && ::CommDlgExtendedError() != 0)
        AfxMessageBox(kNoPrinterMessage, MB_ICONEXCLAMATION);
}
