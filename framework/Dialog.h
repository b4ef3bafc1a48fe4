// CDialog: a dialog box from a template.
//
// A modal dialog (DoModal) is made as a modeless dialog owned by the active
// window, which is disabled meanwhile, and runs the framework's own modal
// loop (CWnd::RunModalLoop), so the thread's PreTranslateMessage chain,
// timers, posted messages and idle updates go on while it is up. OK and
// Cancel (IDOK, IDCANCEL, Enter, Escape, the close box) call the virtual
// OnOK and OnCancel, which end the dialog. Commands the dialog has no
// handler for go on to its owner, then to the application.
#pragma once

#include <functional>

#include "Wnd.h"

// Runs `window` modally for DoModal of dialogs and sheets. The owner (the
// given parent's top-level window, else the active window, else the main
// window) is disabled, `create` makes the window owned by it, the window's
// modal loop runs until EndModalLoop (not at all when that was called while
// the window was created), then the window is hidden, the owner enabled and
// activated again and the window destroyed. Returns the modal result, -1
// when `create` failed.
int AfxRunModalWindow(CWnd* window, CWnd* parent, const std::function<BOOL(CWnd* owner)>& create);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    explicit CDialog(LPCSTR templateName, CWnd* parent = nullptr);

    // Modeless.
    virtual BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);

    // Modal: the result given to EndDialog, or -1 when the dialog could not
    // be created.
    virtual INT_PTR DoModal();
    // Sets a template in memory for DoModal (kept by the caller).
    BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
    void EndDialog(int result);

    // Called for WM_INITDIALOG; TRUE lets the system put the focus on the
    // first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
    void MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;

    LPCSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    DECLARE_MESSAGE_MAP()

    // The window that owns a modal dialog (see AfxRunModalWindow).
    HWND ModalOwner() const;

private:
    LPCDLGTEMPLATE LoadTemplate() const;
};

// The dialog procedure of framework dialogs: WM_INITDIALOG calls
// OnInitDialog; everything else is left to the window's message map.
INT_PTR CALLBACK AfxDlgProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
