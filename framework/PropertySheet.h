// Property sheets and their pages, on the system's property-sheet control.
//
// A CPropertyPage is a dialog made from its template when its tab is first
// shown; the sheet tells it of activation, validation and the buttons
// through virtuals:
//
//   OnSetActive   the page is about to be shown (FALSE refuses)
//   OnKillActive  the page is about to be left, or OK/Apply was pressed:
//                 FALSE keeps it shown (a validation refusal)
//   OnApply       OK or Apply: commit (default OnOK, then unmodified);
//                 FALSE keeps the sheet open on this page
//   OnOK/OnCancel commit or discard the page's edits (they end nothing)
//   SetModified   marks the page changed, which enables Apply
//
// A CPropertySheet is modal (DoModal, with OK, Cancel and Apply, run by
// the framework's modal loop) or modeless (Create). A modeless sheet has no
// buttons; created with WS_CHILD it lives inside another window, and
// GetTabControl gives its tab control. Pages may be added and removed
// before and after the sheet is made.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "CommonControls.h"
#include "Dialog.h"

// The sheet's Apply button.
constexpr UINT ID_APPLY_NOW = 0x3021;

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNCREATE(CPropertyPage)

public:
    CPropertyPage();
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);
    explicit CPropertyPage(LPCSTR templateName, UINT captionId = 0);
    void Construct(UINT templateId, UINT captionId = 0);
    void Construct(LPCSTR templateName, UINT captionId = 0);

    // The page record handed to the sheet control.
    PROPSHEETPAGEA m_psp = {};

    void SetModified(BOOL changed = TRUE);
    BOOL IsModified() const { return m_bModified; }

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;

    // The sheet's dialog manager handles the page's keys.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDialogProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The sheet the page is in, while its window exists.
    HWND SheetWindow() const { return ::GetParent(m_hWnd); }

    CString m_strCaption;
    BOOL m_bModified = FALSE;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet();
    explicit CPropertySheet(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    void Construct(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    PROPSHEETHEADERA m_psh = {};

    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);
    void SetTitle(LPCSTR title);
    CTabCtrl* GetTabControl() const;

    // Modal, with OK, Cancel and Apply: IDOK or IDCANCEL, -1 on failure.
    virtual INT_PTR DoModal();
    // Modeless. The default style is a pop-up with a caption; pass WS_CHILD
    // (and WS_VISIBLE) to embed the sheet in `parent`.
    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    // Ends a modal sheet with `result`.
    void EndDialog(int result);
    // Presses one of the sheet's buttons (PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW).
    void PressButton(int button);

    // Called once the sheet control has made its window, tab and first page.
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL ContinueModal() override;

    CWnd* m_pParentWnd = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT OnInitDialogMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Makes the sheet window through the system's sheet control.
    BOOL CreateSheet(CWnd* parent, DWORD style, DWORD exStyle, bool modeless);
    static int CALLBACK SheetCallback(HWND wnd, UINT message, LPARAM lParam);
    // Modeless sheets lose the buttons and the room they took.
    void RemoveButtons();

    std::vector<CPropertyPage*> pages_;
    CString caption_;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    bool modeless_ = false;
    int closeButton_ = IDCANCEL;  // the button that closed the sheet
};
