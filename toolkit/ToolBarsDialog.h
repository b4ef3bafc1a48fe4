// The customise dialogs of a toolbar manager.
//
// SECToolBarsDialog ("Toolbars"): the frame's customisable toolbars in a
// check list (the check shows or hides a bar; the menu bar stays shown),
// the selected user toolbar's name, Show Tooltips, Cool Look and Large
// Buttons, New..., and Reset (the application's bars and the menu bar) or
// Delete (user toolbars). While it is open the manager is in customise
// mode; it follows the bars' notifications to keep the list current.
//
// SECNewToolBarDialog ("New Toolbar"): the name of a new toolbar; OK is
// enabled only while the name is not empty, and names are cut to 128
// characters as they are typed.
#pragma once

#include <windows.h>

#include "CheckListBox.h"
#include "Dialog.h"

class SECToolBarManager;
class SECCustomToolBar;

class SECNewToolBarDialog : public CDialog {
public:
    explicit SECNewToolBarDialog(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;

    CString m_strName;

protected:
    afx_msg void OnNameChange();
    DECLARE_MESSAGE_MAP()
};

class SECToolBarsDialog : public CDialog {
public:
    SECToolBarsDialog(SECToolBarManager* manager, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The list's bar ids, checks and texts, for inspection.
    CCheckListBox& GetBarList() { return m_barList; }

protected:
    afx_msg void OnCheckChange();
    afx_msg void OnSelectionChange();
    afx_msg void OnNameKillFocus();
    afx_msg void OnNew();
    afx_msg void OnResetOrDelete();
    afx_msg void OnClose();
    afx_msg LRESULT OnBarNotify(WPARAM barId, LPARAM code);
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    // The list entry of a bar id, or -1; and where an id would go.
    int FindEntry(UINT barId) const;
    int InsertEntry(SECCustomToolBar* bar);
    SECCustomToolBar* SelectedBar() const;
    void RefreshSelection();
    // Ends the dialog: customisation off; unless cancelled the check boxes
    // are applied.
    void Finish(int result);

    SECToolBarManager* m_pManager;
    CCheckListBox m_barList;
};
