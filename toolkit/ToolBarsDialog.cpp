#include "ToolBarsDialog.h"

#include "CustomToolBar.h"
#include "FrameWnd.h"
#include "ToolBarManager.h"
#include "ToolkitResources.h"

// --- New Toolbar ------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECNewToolBarDialog, CDialog)
    ON_EN_CHANGE(IDC_SEC_NEWTOOLBAR_NAME, OnNameChange)
END_MESSAGE_MAP()

SECNewToolBarDialog::SECNewToolBarDialog(CWnd* parent) : CDialog(IDD_SEC_NEWTOOLBAR, parent) {}

BOOL SECNewToolBarDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_SEC_NEWTOOLBAR_NAME, EM_LIMITTEXT, SECToolBarManager::kMaxTitle, 0);
    SetDlgItemText(IDC_SEC_NEWTOOLBAR_NAME, m_strName);
    OnNameChange();
    return TRUE;
}

void SECNewToolBarDialog::OnNameChange() {
    CString name;
    GetDlgItemText(IDC_SEC_NEWTOOLBAR_NAME, name);
    if (CWnd* ok = GetDlgItem(IDOK)) ok->EnableWindow(!name.IsEmpty());
}

void SECNewToolBarDialog::OnOK() {
    GetDlgItemText(IDC_SEC_NEWTOOLBAR_NAME, m_strName);
    m_strName = m_strName.Left(SECToolBarManager::kMaxTitle);
    if (m_strName.IsEmpty()) return;
    CDialog::OnOK();
}

// --- Toolbars ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(SECToolBarsDialog, CDialog)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_SEC_TOOLBAR_LIST, OnCheckChange)
    ON_LBN_SELCHANGE(IDC_SEC_TOOLBAR_LIST, OnSelectionChange)
    ON_EN_KILLFOCUS(IDC_SEC_TOOLBAR_NAME, OnNameKillFocus)
    ON_BN_CLICKED(IDC_SEC_TOOLBAR_NEW, OnNew)
    ON_BN_CLICKED(IDC_SEC_TOOLBAR_RESET, OnResetOrDelete)
    ON_BN_CLICKED(IDC_SEC_TOOLBAR_CLOSE, OnClose)
    ON_REGISTERED_MESSAGE(SECToolBarManager::WM_BARNOTIFY, OnBarNotify)
END_MESSAGE_MAP()

SECToolBarsDialog::SECToolBarsDialog(SECToolBarManager* manager, CWnd* parent)
    : CDialog(IDD_SEC_TOOLBARS, parent), m_pManager(manager) {}

BOOL SECToolBarsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_barList.SubclassDlgItem(IDC_SEC_TOOLBAR_LIST, this);
    CheckDlgButton(IDC_SEC_TOOLBAR_TOOLTIPS, m_pManager->GetToolTips() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SEC_TOOLBAR_COOLLOOK, m_pManager->GetCoolLook() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SEC_TOOLBAR_LARGE, m_pManager->GetLargeButtons() ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessage(IDC_SEC_TOOLBAR_NAME, EM_LIMITTEXT, SECToolBarManager::kMaxTitle, 0);
    FillList();
    m_pManager->AddListener(m_hWnd);
    m_pManager->EnterCustomise();
    m_pManager->SetCustomiseMode(TRUE);
    if (m_barList.GetCount() > 0) m_barList.SetCurSel(0);
    RefreshSelection();
    return TRUE;
}

int SECToolBarsDialog::FindEntry(UINT barId) const {
    for (int i = 0; i < m_barList.GetCount(); ++i)
        if (static_cast<UINT>(m_barList.GetItemData(i)) == barId) return i;
    return -1;
}

int SECToolBarsDialog::InsertEntry(SECCustomToolBar* bar) {
    int at = 0;
    while (at < m_barList.GetCount() && static_cast<UINT>(m_barList.GetItemData(at)) < bar->GetBarId()) ++at;
    CString title;
    bar->GetWindowText(title);
    at = m_barList.InsertString(at, title);
    m_barList.SetItemData(at, bar->GetBarId());
    m_barList.SetCheck(at, bar->IsWindowVisible() ? 1 : 0);
    return at;
}

void SECToolBarsDialog::FillList() {
    m_barList.ResetContent();
    for (SECCustomToolBar* bar : m_pManager->GetBars()) InsertEntry(bar);
}

SECCustomToolBar* SECToolBarsDialog::SelectedBar() const {
    const int selected = m_barList.GetCurSel();
    if (selected < 0) return nullptr;
    const UINT id = static_cast<UINT>(m_barList.GetItemData(selected));
    for (SECCustomToolBar* bar : m_pManager->GetBars())
        if (bar->GetBarId() == id) return bar;
    return nullptr;
}

void SECToolBarsDialog::RefreshSelection() {
    SECCustomToolBar* bar = SelectedBar();
    const BOOL user = bar != nullptr && SECToolBarManager::IsUserBarId(bar->GetBarId());
    CString title;
    if (bar != nullptr) bar->GetWindowText(title);
    SetDlgItemText(IDC_SEC_TOOLBAR_NAME, title);
    if (CWnd* name = GetDlgItem(IDC_SEC_TOOLBAR_NAME)) name->EnableWindow(user);
    if (CWnd* label = GetDlgItem(IDC_SEC_TOOLBAR_NAME_LABEL)) label->EnableWindow(user);
    CString caption;
    caption.LoadString(user ? IDS_SEC_TOOLBAR_DELETE : IDS_SEC_TOOLBAR_RESET);
    SetDlgItemText(IDC_SEC_TOOLBAR_RESET, caption);
    if (CWnd* reset = GetDlgItem(IDC_SEC_TOOLBAR_RESET)) reset->EnableWindow(bar != nullptr);
    SendDlgItemMessage(IDC_SEC_TOOLBAR_NAME, EM_SETMODIFY, FALSE, 0);
}

void SECToolBarsDialog::OnSelectionChange() { RefreshSelection(); }

void SECToolBarsDialog::OnCheckChange() {
    const int selected = m_barList.GetCurSel();
    SECCustomToolBar* bar = SelectedBar();
    if (bar == nullptr) return;
    if (bar->GetBarId() == SEC_IDW_MENUBAR) {
        m_barList.SetCheck(selected, 1);  // the menu bar stays
        return;
    }
    m_pManager->GetFrame()->ShowControlBar(bar, m_barList.GetCheck(selected) != 0, FALSE);
    m_pManager->GetFrame()->RecalcLayout();
}

void SECToolBarsDialog::OnNameKillFocus() {
    if (!SendDlgItemMessage(IDC_SEC_TOOLBAR_NAME, EM_GETMODIFY, 0, 0)) return;
    SECCustomToolBar* bar = SelectedBar();
    if (bar == nullptr || !SECToolBarManager::IsUserBarId(bar->GetBarId())) return;
    CString name;
    GetDlgItemText(IDC_SEC_TOOLBAR_NAME, name);
    name = name.Left(SECToolBarManager::kMaxTitle);
    bar->SetWindowText(name);
    // The entry is written again in place, with its check and selection.
    const int at = m_barList.GetCurSel();
    const int check = m_barList.GetCheck(at);
    m_barList.DeleteString(static_cast<UINT>(at));
    m_barList.InsertString(at, name);
    m_barList.SetItemData(at, bar->GetBarId());
    m_barList.SetCheck(at, check);
    m_barList.SetCurSel(at);
    SendDlgItemMessage(IDC_SEC_TOOLBAR_NAME, EM_SETMODIFY, FALSE, 0);
}

void SECToolBarsDialog::OnNew() {
    m_pManager->LeaveCustomise();
    SECNewToolBarDialog dialog(this);
    const INT_PTR result = dialog.DoModal();
    m_pManager->EnterCustomise();
    if (result != IDOK) return;
    if (SECCustomToolBar* bar = m_pManager->CreateUserToolBar(dialog.m_strName)) {
        m_pManager->FloatNewToolBar(bar);
        const int at = FindEntry(bar->GetBarId());
        if (at >= 0) m_barList.SetCurSel(at);
        RefreshSelection();
    }
}

void SECToolBarsDialog::OnResetOrDelete() {
    SECCustomToolBar* bar = SelectedBar();
    if (bar == nullptr) return;
    if (SECToolBarManager::IsUserBarId(bar->GetBarId())) {
        bar->DestroyWindow();  // the list follows the bar's notification
        m_pManager->GetFrame()->RecalcLayout();
        return;
    }
    if (m_pManager->ResetBar(bar)) {
        m_pManager->GetFrame()->RecalcLayout();
        bar->Invalidate();
    }
}

LRESULT SECToolBarsDialog::OnBarNotify(WPARAM barId, LPARAM code) {
    const int at = FindEntry(static_cast<UINT>(barId));
    switch (code) {
    case SEC_BARNOTIFY_SHOWN:
    case SEC_BARNOTIFY_HIDDEN:
        if (at >= 0) m_barList.SetCheck(at, code == SEC_BARNOTIFY_SHOWN ? 1 : 0);
        break;
    case SEC_BARNOTIFY_CREATED:
        for (SECCustomToolBar* bar : m_pManager->GetBars())
            if (bar->GetBarId() == barId && at < 0) m_barList.SetCheck(InsertEntry(bar), 1);
        break;
    case SEC_BARNOTIFY_DESTROYED:
        if (at >= 0) {
            const BOOL wasSelected = m_barList.GetCurSel() == at;
            m_barList.DeleteString(static_cast<UINT>(at));
            if (wasSelected && m_barList.GetCount() > 0)
                m_barList.SetCurSel(at < m_barList.GetCount() ? at : m_barList.GetCount() - 1);
            RefreshSelection();
        }
        break;
    default:
        break;
    }
    return 0;
}

void SECToolBarsDialog::Finish(int result) {
    m_pManager->LeaveCustomise();
    m_pManager->SetCustomiseMode(FALSE);
    m_pManager->RemoveListener(m_hWnd);
    if (result != IDCANCEL) {
        m_pManager->SetToolTips(IsDlgButtonChecked(IDC_SEC_TOOLBAR_TOOLTIPS) == BST_CHECKED);
        m_pManager->SetCoolLook(IsDlgButtonChecked(IDC_SEC_TOOLBAR_COOLLOOK) == BST_CHECKED);
        m_pManager->SetLargeButtons(IsDlgButtonChecked(IDC_SEC_TOOLBAR_LARGE) == BST_CHECKED);
    }
    EndDialog(result);
}

void SECToolBarsDialog::OnOK() { Finish(IDOK); }
void SECToolBarsDialog::OnCancel() { Finish(IDCANCEL); }
void SECToolBarsDialog::OnClose() { Finish(IDOK); }
