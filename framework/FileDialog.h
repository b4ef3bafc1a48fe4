// The system's common dialogs: file open/save and colour.
//
// Each keeps the system's record public (m_ofn, m_cc) for callers to adjust
// before DoModal, which returns IDOK or IDCANCEL.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "Dialog.h"

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)

public:
    explicit CCommonDialog(CWnd* parent = nullptr);
};

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)

public:
    // `filter` lists pairs of description and pattern separated by "|" and
    // ends with "||", e.g. "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||".
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr,
                         LPCSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR filter = nullptr, CWnd* parent = nullptr);

    INT_PTR DoModal() override;

    // Parts of the chosen file: "C:\dir\name.ext", "name.ext", "ext", "name".
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    OPENFILENAMEA m_ofn;

protected:
    BOOL m_bOpenFileDialog;

private:
    char fileName_[MAX_PATH * 4] = {};
    char fileTitle_[MAX_PATH] = {};
    std::string filter_;
    std::string defaultExtension_;
};

class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF color) { m_cc.rgbResult = color; }
    // The custom colours all colour dialogs share (16 entries).
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORA m_cc;
};
