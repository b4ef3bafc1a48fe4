#include "Dialog.h"

#include "WinApp.h"
#include "WindowCreationHook.h"
#include "WindowMessages.h"

INT_PTR CALLBACK AfxDlgProc(HWND wnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    CWnd* object = CWnd::FromHandlePermanent(wnd);
    if (!object || !object->IsKindOf(RUNTIME_CLASS(CDialog))) return TRUE;
    try {
        return static_cast<CDialog*>(object)->OnInitDialog();
    } catch (...) {
        AfxReportCaughtException();
        return TRUE;
    }
}

// Dialog creation (CWnd)

namespace {

// A dialog template resource, locked in memory (resources stay loaded).
LPCDLGTEMPLATE FindDialogTemplate(LPCSTR templateName, HINSTANCE* module) {
    *module = AfxFindResourceHandle(templateName, RT_DIALOG);
    HRSRC resource = ::FindResourceA(*module, templateName, RT_DIALOG);
    if (!resource) return nullptr;
    HGLOBAL loaded = ::LoadResource(*module, resource);
    return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

}  // namespace

BOOL CWnd::CreateDlg(LPCSTR templateName, CWnd* parent) {
    HINSTANCE module = nullptr;
    LPCDLGTEMPLATE dialogTemplate = FindDialogTemplate(templateName, &module);
    return dialogTemplate && CreateDlgIndirect(dialogTemplate, parent, module);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent, HINSTANCE instance) {
    ASSERT(m_hWnd == nullptr);
    if (!instance) instance = AfxGetResourceHandle();
    HWND wnd;
    {
        WindowCreationHook hook(this);
        wnd = ::CreateDialogIndirectParamA(instance, dialogTemplate, parent->GetSafeHwnd(), AfxDlgProc, 0);
    }
    if (!wnd) return FALSE;
    ASSERT(wnd == m_hWnd);
    return TRUE;
}

BOOL CWnd::ExecuteDlgInit(LPCSTR templateName) {
    // RT_DLGINIT records: control id, message, byte count, data; an id of 0
    // ends them. The messages are the old list/combo "add string" ones.
    constexpr WORD kOldListAddString = 0x0401;
    constexpr WORD kOldComboAddString = 0x0403;
    HINSTANCE module = AfxFindResourceHandle(templateName, MAKEINTRESOURCEA(240));
    HRSRC resource = ::FindResourceA(module, templateName, MAKEINTRESOURCEA(240));
    if (!resource) return TRUE;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (!data) return FALSE;
    const BYTE* end = data + ::SizeofResource(module, resource);
    while (data + 8 <= end) {
        WORD id = *reinterpret_cast<const WORD*>(data);
        WORD message = *reinterpret_cast<const WORD*>(data + 2);
        DWORD length = *reinterpret_cast<const DWORD*>(data + 4);
        data += 8;
        if (id == 0 || data + length > end) break;
        UINT add = message == kOldListAddString ? LB_ADDSTRING : message == kOldComboAddString ? CB_ADDSTRING : 0;
        if (add && SendDlgItemMessage(id, add, 0, reinterpret_cast<LPARAM>(data)) < 0) return FALSE;
        data += length;
    }
    return TRUE;
}

// CDialog

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(LPCSTR templateName, CWnd* parent) : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent) {
    m_lpszTemplateName = templateName;
    if (parent) m_pParentWnd = parent;
    return CreateDlg(templateName, m_pParentWnd);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_nIDHelp = templateId;
    return Create(MAKEINTRESOURCEA(templateId), parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    if (parent) m_pParentWnd = parent;
    return CreateDlgIndirect(dialogTemplate, m_pParentWnd);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
    m_lpDialogTemplate = dialogTemplate;
    if (parent) m_pParentWnd = parent;
    return dialogTemplate != nullptr;
}

LPCDLGTEMPLATE CDialog::LoadTemplate() const {
    if (m_lpDialogTemplate) return m_lpDialogTemplate;
    HINSTANCE module = nullptr;
    return m_lpszTemplateName ? FindDialogTemplate(m_lpszTemplateName, &module) : nullptr;
}

namespace {

HWND ModalOwnerOf(CWnd* parent) {
    HWND owner = parent ? parent->m_hWnd : ::GetActiveWindow();
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    // A child window cannot own a pop-up: its top-level window does.
    while (owner && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
    return owner;
}

}  // namespace

int AfxRunModalWindow(CWnd* window, CWnd* parent, const std::function<BOOL(CWnd* owner)>& create) {
    HWND owner = ModalOwnerOf(parent);
    bool reenableOwner = owner && ::IsWindowEnabled(owner);
    if (reenableOwner) ::EnableWindow(owner, FALSE);

    window->m_nModalResult = -1;
    window->m_bContinueModal = TRUE;  // ending while being created skips the loop
    bool created = create(CWnd::FromHandle(owner));
    if (created) {
        if (window->m_bContinueModal) window->RunModalLoop(CWnd::MLF_SHOWONIDLE);
        // Hidden before the owner is enabled, so the owner gets the activation.
        if (window->m_hWnd)
            window->SetWindowPos(nullptr, 0, 0, 0, 0,
                                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (reenableOwner) ::EnableWindow(owner, TRUE);
    if (owner && window->m_hWnd && ::GetActiveWindow() == window->m_hWnd) ::SetActiveWindow(owner);
    window->DestroyWindow();
    return created ? window->m_nModalResult : -1;
}

HWND CDialog::ModalOwner() const { return ModalOwnerOf(m_pParentWnd); }

INT_PTR CDialog::DoModal() {
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate();
    if (!dialogTemplate) return -1;
    HINSTANCE module = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    return AfxRunModalWindow(this, m_pParentWnd, [&](CWnd* owner) {
        return CreateDlgIndirect(dialogTemplate, owner, m_lpDialogTemplate ? nullptr : module);
    });
}

void CDialog::EndDialog(int result) {
    if (m_bInModalLoop || m_bContinueModal) EndModalLoop(result);
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::GotoDlgCtrl(CWnd* control) {
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->GetSafeHwnd()), TRUE);
}

void CDialog::NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }

void CDialog::PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    // The dialog manager gets the keyboard and mouse input of the dialog
    // and its controls (Tab, Enter, Escape, mnemonics).
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input || !m_hWnd) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

BOOL CDialog::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
    // Menu commands and their updates go on to the owner, then the application.
    if ((code != CN_COMMAND && code != CN_UPDATE_COMMAND_UI) || id == 0 || id >= 0xF000) return FALSE;
    CWnd* owner = GetParent();
    if (owner && owner != this && owner->OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
    CWinThread* thread = AfxGetThread();
    return thread && thread->OnCmdMsg(id, code, extra, handlerInfo);
}
