#include "common/ui/SimSpecEditDlg.h"

#include "common/Assertion.h"
#include "common/SimSpec.h"
#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditCtrl.h"

namespace {

const char kAssertModule[] = "SimSpecEditDlg";

FieldEditorResources g_resources = {};
CSimSpecEditDlg* g_openEditor = nullptr;

// The dialog's left edge sits this far left of the control's.
const int kLeftOverhang = 8;

}  // namespace

void SetFieldEditorResources(const FieldEditorResources& resources) { g_resources = resources; }

IMPLEMENT_DYNAMIC(CSimSpecEditDlg, CDialog)

BEGIN_MESSAGE_MAP(CSimSpecEditDlg, CDialog)
    ON_MESSAGE(kMsgCommitFieldEdit, OnCommitRequest)
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSimSpecEditDlg::CSimSpecEditDlg(CSimSpecEditCtrl* control, bool multiLine, UINT menuId)
    : CDialog(multiLine ? g_resources.multiLineTemplate : g_resources.oneLineTemplate, control->GetParent()),
      control_(control),
      multiLine_(multiLine),
      menuId_(menuId),
      editId_(multiLine ? g_resources.multiLineEdit : g_resources.oneLineEdit) {
    APP_ASSERT(control != nullptr && control->IsKindOf(RUNTIME_CLASS(CSimSpecEditCtrl)));
    APP_ASSERT(g_openEditor == nullptr);
    g_openEditor = this;
}

CSimSpecEditDlg::~CSimSpecEditDlg() {
    APP_ASSERT(okBitmap_.m_hObject != nullptr && cancelBitmap_.m_hObject != nullptr);
    okBitmap_.DeleteObject();
    cancelBitmap_.DeleteObject();
    APP_ASSERT(g_openEditor == this);
    g_openEditor = nullptr;
}

bool CSimSpecEditDlg::IsEditorOpen() { return g_openEditor != nullptr; }

CSimSpecEditDlg* CSimSpecEditDlg::GetOpenEditor() { return g_openEditor; }

void CSimSpecEditDlg::PostCommitToOpenEditor() {
    APP_ASSERT(g_openEditor != nullptr && g_openEditor->m_hWnd != nullptr);
    g_openEditor->PostMessage(kMsgCommitFieldEdit, 0, 0);
}

BOOL CSimSpecEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CFieldHost* host = FieldHostOf(control_)) host->EditorOpened(this);
    if (!multiLine_) {
        CFieldHost* host = FieldHostOf(control_);
        HMENU choices = menuId_ != 0 && host != nullptr ? host->MakeChoiceMenu(menuId_) : nullptr;
        if (choices == nullptr) {
            CMenu menus;
            const UINT menuId = menuId_ != 0 ? menuId_ : g_resources.noChoicesMenu;
            APP_ASSERT(menus.LoadMenu(menuId));
            choices = ::GetSubMenu(menus.m_hMenu, 0);
            APP_ASSERT(choices != nullptr);
            // The button takes the pop-up as its own; the rest of the menu goes.
            ::RemoveMenu(menus.m_hMenu, 0, MF_BYPOSITION);
            menus.DestroyMenu();
        }
        menuButton_.AttachMenuButton(g_resources.choiceButton, this, choices);
        if (menuId_ == 0) menuButton_.EnableWindow(FALSE);
    }
    okBitmap_.LoadBitmap(g_resources.okBitmap);
    cancelBitmap_.LoadBitmap(g_resources.cancelBitmap);
    APP_ASSERT(okBitmap_.m_hObject != nullptr && cancelBitmap_.m_hObject != nullptr);
    SendDlgItemMessage(g_resources.okButton, BM_SETIMAGE, IMAGE_BITMAP,
                       reinterpret_cast<LPARAM>(okBitmap_.m_hObject));
    SendDlgItemMessage(IDCANCEL, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(cancelBitmap_.m_hObject));
    PlaceOverControl();

    CString text;
    control_->GetSpecText(text);
    SetDlgItemText(editId_, text);
    if (control_->GetEditKind() != kFieldTyped) SendDlgItemMessage(editId_, EM_SETREADONLY, TRUE, 0);
    return TRUE;
}

void CSimSpecEditDlg::PlaceOverControl() {
    CRect control, dialog;
    control_->GetWindowRect(&control);
    GetWindowRect(&dialog);
    int top = control.top;
    if (control.Height() < dialog.Height()) top -= (dialog.Height() - control.Height()) / 2;
    SetWindowPos(nullptr, control.left - kLeftOverhang, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSimSpecEditDlg::OnOK() {
    if (control_->GetEditKind() == kFieldTyped) {
        CString text;
        GetDlgItemText(editId_, text);
        text.Trim();
        enteredText_ = text;
        switch (control_->CommitText(text)) {
        case kCommitParseError:
            ::Beep(0, 0);
            GetDlgItem(editId_)->SetFocus();
            return;
        case kCommitRefused:
            OnCancel();
            return;
        case kCommitStored:
            break;
        }
    }
    accepted_ = true;
    EndDialog(IDOK);
}

void CSimSpecEditDlg::OnCancel() {
    accepted_ = false;
    EndDialog(IDCANCEL);
}

BOOL CSimSpecEditDlg::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    if (code == CN_COMMAND && id == g_resources.okButton && extra == nullptr) {
        if (handlerInfo == nullptr) OnOK();
        return TRUE;
    }
    return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
}

LRESULT CSimSpecEditDlg::OnCommitRequest(WPARAM, LPARAM) {
    // A choice from the menu has already stored the field; the edit still
    // shows the old text, which must not be parsed over it.
    accepted_ = true;
    EndDialog(IDOK);
    return 0;
}

BOOL CSimSpecEditDlg::OnEraseBkgnd(CDC* dc) {
    CRect area;
    GetClientRect(&area);
    dc->FillSolidRect(&area, RGB(0, 0, 0));
    return TRUE;
}

void CSimSpecEditDlg::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) {
    CDialog::OnInitMenuPopup(popup, index, sysMenu);
    if (sysMenu) return;
    if (CFieldHost* host = FieldHostOf(control_)) host->PrepareChoiceMenu(popup);
}

void CSimSpecEditDlg::OnDestroy() {
    if (CFieldHost* host = FieldHostOf(control_)) host->EditorClosed(this);
    CDialog::OnDestroy();
}
