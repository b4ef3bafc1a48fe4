// The field editor: a borderless modal box placed over the edited control,
// a one-line entry with a choice-menu button, or a multi-line box for
// notes. One editor exists at a time in the process; a component command
// that changed the field asks it to commit.
#pragma once

#include "framework/Framework.h"
#include "toolkit/OwnerDrawButton.h"

class CSimSpecEditCtrl;

// Dialog templates and control ids the program's resources provide.
struct FieldEditorResources {
    UINT oneLineTemplate;   // edit, choice button, OK, Cancel, hidden default
    UINT multiLineTemplate;  // multi-line edit, OK, Cancel, hidden default
    UINT oneLineEdit;
    UINT multiLineEdit;
    UINT choiceButton;
    UINT okButton;       // OK button (IDCANCEL is the Cancel button)
    UINT okBitmap;
    UINT cancelBitmap;
    UINT noChoicesMenu;  // the choice menu of a field that has none
};
void SetFieldEditorResources(const FieldEditorResources& resources);

// Posted to the open editor: commit as on OK.
constexpr UINT kMsgCommitFieldEdit = WM_USER + 105;

class CSimSpecEditDlg : public CDialog {
    DECLARE_DYNAMIC(CSimSpecEditDlg)
public:
    // Asserts the control and that no other editor is open.
    CSimSpecEditDlg(CSimSpecEditCtrl* control, bool multiLine, UINT menuId);
    ~CSimSpecEditDlg() override;

    static bool IsEditorOpen();
    // Asks the open editor (asserted) to commit.
    static void PostCommitToOpenEditor();
    // The open editor, or null.
    static CSimSpecEditDlg* GetOpenEditor();

    bool IsAccepted() const { return accepted_; }
    // The control whose field the editor edits.
    CSimSpecEditCtrl* GetControl() const { return control_; }
    UINT GetEditId() const { return editId_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // The OK button (of the program's own id) commits as OnOK.
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;

protected:
    afx_msg LRESULT OnCommitRequest(WPARAM, LPARAM);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceOverControl();

    CSimSpecEditCtrl* control_;
    bool accepted_ = false;
    CString enteredText_;
    bool multiLine_;
    UINT menuId_;
    UINT editId_;
    CBitmap okBitmap_, cancelBitmap_;
    SECMenuButton menuButton_;
};
