#include "FileDialog.h"

#include "WinApp.h"

// CCommonDialog

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* parent) { m_pParentWnd = parent; }

// CFileDialog

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags,
                         LPCSTR filter, CWnd* parent)
    : CCommonDialog(parent), m_ofn(), m_bOpenFileDialog(openFileDialog) {
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpstrFile = fileName_;
    m_ofn.nMaxFile = sizeof fileName_;
    m_ofn.lpstrFileTitle = fileTitle_;
    m_ofn.nMaxFileTitle = sizeof fileTitle_;
    m_ofn.Flags = flags | OFN_EXPLORER;
    if (fileName) lstrcpynA(fileName_, fileName, sizeof fileName_);
    if (defaultExtension) {
        defaultExtension_ = defaultExtension;
        m_ofn.lpstrDefExt = defaultExtension_.c_str();
    }
    if (filter) {
        // The system wants the pairs separated, and ended, by null characters.
        filter_ = filter;
        if (filter_.empty() || filter_.back() != '|') filter_ += '|';
        for (char& ch : filter_)
            if (ch == '|') ch = '\0';
        filter_ += '\0';
        m_ofn.lpstrFilter = filter_.c_str();
    }
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = ModalOwner();
    fileTitle_[0] = '\0';
    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return m_ofn.lpstrFile; }

CString CFileDialog::GetFileName() const {
    CString path = GetPathName();
    return path.Mid(path.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

// CColorDialog

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

COLORREF* CColorDialog::GetSavedCustomColors() {
    static COLORREF custom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255)};
    return custom;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CCommonDialog(parent), m_cc() {
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = flags;
    m_cc.rgbResult = initial;
    if (initial != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = ModalOwner();
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
