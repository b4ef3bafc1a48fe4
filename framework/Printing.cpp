#include "Printing.h"

#include <cstring>

#include "DC.h"

const char kNoPrinterMessage[] =
    "No printer is available. Install a printer, or choose one that works, and try again.";

HGLOBAL AfxCopyGlobalMemory(HGLOBAL source) {
    if (source == nullptr) return nullptr;
    SIZE_T size = ::GlobalSize(source);
    const void* from = ::GlobalLock(source);
    if (from == nullptr) return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* to = copy ? ::GlobalLock(copy) : nullptr) {
        std::memcpy(to, from, size);
        ::GlobalUnlock(copy);
    } else if (copy) {
        ::GlobalFree(copy);
        copy = nullptr;
    }
    ::GlobalUnlock(source);
    return copy;
}

// CPrintDialog

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent) : CCommonDialog(parent), m_pd() {
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = flags | (printSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDevMode) ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) ::GlobalFree(m_pd.hDevNames);
    if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal() {
    m_pd.hwndOwner = ModalOwner();
    m_pd.hInstance = nullptr;
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
    PRINTDLGA defaults = {};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgA(&defaults)) return FALSE;
    if (m_pd.hDevMode) ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = defaults.hDevMode;
    m_pd.hDevNames = defaults.hDevNames;
    return TRUE;
}

namespace {

// A string of the DEVNAMES record at `offset`.
CString DevNamesString(HGLOBAL devNames, WORD DEVNAMES::*offset) {
    if (!devNames) return CString();
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(devNames));
    if (!names) return CString();
    CString text(reinterpret_cast<const char*>(names) + names->*offset);
    ::GlobalUnlock(devNames);
    return text;
}

}  // namespace

CString CPrintDialog::GetDeviceName() const { return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDeviceOffset); }

CString CPrintDialog::GetDriverName() const { return DevNamesString(m_pd.hDevNames, &DEVNAMES::wDriverOffset); }

CString CPrintDialog::GetPortName() const { return DevNamesString(m_pd.hDevNames, &DEVNAMES::wOutputOffset); }

LPDEVMODEA CPrintDialog::GetDevMode() const {
    return m_pd.hDevMode ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

HDC CPrintDialog::CreatePrinterDC() {
    CString device = GetDeviceName();
    if (device.IsEmpty()) return nullptr;
    CString driver = GetDriverName();
    LPDEVMODEA mode = GetDevMode();
    HDC dc = ::CreateDCA(driver.IsEmpty() ? nullptr : static_cast<LPCSTR>(driver), device, nullptr, mode);
    if (mode) ::GlobalUnlock(m_pd.hDevMode);
    if (dc) {
        if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
        m_pd.hDC = dc;
    }
    return dc;
}

int CPrintDialog::GetCopies() const {
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEA mode = GetDevMode();
        int copies = mode ? mode->dmCopies : 1;
        if (mode) ::GlobalUnlock(m_pd.hDevMode);
        return copies > 0 ? copies : 1;
    }
    return m_pd.nCopies;
}

int CPrintDialog::GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }

int CPrintDialog::GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

// CPrintInfo

// A job may choose a page range.
CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)) {}

CPrintInfo::~CPrintInfo() { delete m_pPD; }

UINT CPrintInfo::GetFromPage() const {
    return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const { return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : GetMaxPage(); }
