#include "PropertySheet.h"

#include "ResourceModule.h"
#include "ThreadState.h"
#include "WinApp.h"
#include "WindowCreationHook.h"

// CPropertyPage

IMPLEMENT_DYNCREATE(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() { Construct(static_cast<LPCSTR>(nullptr)); }

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) { Construct(templateId, captionId); }

CPropertyPage::CPropertyPage(LPCSTR templateName, UINT captionId) { Construct(templateName, captionId); }

void CPropertyPage::Construct(UINT templateId, UINT captionId) {
    Construct(MAKEINTRESOURCEA(templateId), captionId);
    m_nIDHelp = templateId;
}

void CPropertyPage::Construct(LPCSTR templateName, UINT captionId) {
    m_lpszTemplateName = templateName;
    m_psp = {};
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = templateName;
    m_psp.pfnDlgProc = PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_strCaption.Empty();
    if (captionId && m_strCaption.LoadString(captionId)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND wnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // The sheet control hands the page its record, which names the object.
    auto* record = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
    auto* page = reinterpret_cast<CPropertyPage*>(record->lParam);
    try {
        if (CWnd::FromHandlePermanent(wnd) != page && !page->SubclassWindow(wnd)) return TRUE;
        return page->OnInitDialog();
    } catch (...) {
        AfxReportCaughtException();
        return TRUE;
    }
}

void CPropertyPage::SetModified(BOOL changed) {
    m_bModified = changed;
    if (m_hWnd && SheetWindow())
        ::SendMessageA(SheetWindow(), changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return TRUE; }

BOOL CPropertyPage::OnApply() {
    OnOK();
    m_bModified = FALSE;
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG* msg) { return CWnd::PreTranslateMessage(msg); }

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    LRESULT answer;
    switch (header->code) {
    case PSN_SETACTIVE: answer = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: answer = OnKillActive() ? FALSE : TRUE; break;
    case PSN_APPLY: answer = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; break;
    case PSN_RESET:
        OnReset();
        answer = 0;
        break;
    case PSN_QUERYCANCEL: answer = OnQueryCancel() ? FALSE : TRUE; break;
    default: return CDialog::OnNotify(wParam, lParam, result);
    }
    // A dialog answers through its message result as well.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, answer);
    *result = answer;
    return TRUE;
}

// CPropertySheet

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() { Construct(nullptr); }

CPropertySheet::CPropertySheet(LPCSTR caption, CWnd* parent, UINT selectPage) {
    Construct(caption, parent, selectPage);
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage) {
    CString caption;
    caption.LoadString(captionId);
    Construct(caption, parent, selectPage);
}

void CPropertySheet::Construct(LPCSTR caption, CWnd* parent, UINT selectPage) {
    caption_ = caption;
    m_pParentWnd = parent;
    m_psh = {};
    m_psh.dwSize = sizeof m_psh;
    m_psh.nStartPage = selectPage;
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page) {
    ASSERT(page != nullptr);
    pages_.push_back(page);
    if (!m_hWnd) return;
    PROPSHEETPAGEA record = page->m_psp;
    record.hInstance = AfxFindResourceHandle(record.pszTemplate, RT_DIALOG);
    HPROPSHEETPAGE handle = ::CreatePropertySheetPageA(&record);
    if (!handle || !SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
        if (handle) ::DestroyPropertySheetPage(handle);
        pages_.pop_back();
        AfxThrowResourceException();
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
    int index = GetPageIndex(page);
    ASSERT(index >= 0);
    RemovePage(index);
}

void CPropertySheet::RemovePage(int index) {
    ASSERT(index >= 0 && index < GetPageCount());
    if (m_hWnd) SendMessage(PSM_REMOVEPAGE, index, 0);
    pages_.erase(pages_.begin() + index);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    ASSERT(index >= 0 && index < GetPageCount());
    return pages_[index];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i] == page) return static_cast<int>(i);
    return -1;
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
    CTabCtrl* tab = GetTabControl();
    return tab ? tab->GetCurSel() : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    int index = GetActiveIndex();
    return index >= 0 && index < GetPageCount() ? pages_[index] : nullptr;
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = index;
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, index, 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

void CPropertySheet::SetTitle(LPCSTR title) {
    caption_ = title;
    if (m_hWnd) SendMessage(PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(title));
}

CTabCtrl* CPropertySheet::GetTabControl() const {
    // A CTabCtrl adds no data to CWnd, so the window's wrapper serves as one.
    return static_cast<CTabCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL))));
}

INT_PTR CPropertySheet::DoModal() {
    if (pages_.empty()) return -1;
    closeButton_ = IDCANCEL;
    return AfxRunModalWindow(this, m_pParentWnd, [this](CWnd* owner) {
        return CreateSheet(owner, static_cast<DWORD>(-1), 0, false);
    });
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    if (parent) m_pParentWnd = parent;
    if (!CreateSheet(m_pParentWnd, style, exStyle, true)) return FALSE;
    if (style == static_cast<DWORD>(-1) || (style & WS_VISIBLE)) ShowWindow(SW_SHOWNA);
    return TRUE;
}

BOOL CPropertySheet::CreateSheet(CWnd* parent, DWORD style, DWORD exStyle, bool modeless) {
    ASSERT(m_hWnd == nullptr);
    if (pages_.empty()) return FALSE;
    std::vector<PROPSHEETPAGEA> records;
    for (CPropertyPage* page : pages_) {
        PROPSHEETPAGEA record = page->m_psp;
        record.hInstance = AfxFindResourceHandle(record.pszTemplate, RT_DIALOG);
        records.push_back(record);
    }
    // The system's sheet is always modeless: a modal sheet runs the
    // framework's loop.
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MODELESS;
    if (modeless) m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_psh.hwndParent = parent->GetSafeHwnd();
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = caption_;
    m_psh.nPages = static_cast<UINT>(records.size());
    m_psh.ppsp = records.data();
    m_psh.pfnCallback = SheetCallback;
    if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
    style_ = style;
    exStyle_ = exStyle;
    modeless_ = modeless;

    CThreadState* state = AfxGetThreadState();
    CPropertySheet* outer = state->sheetBeingCreated;
    state->sheetBeingCreated = this;
    HWND sheet;
    {
        WindowCreationHook hook(this);
        sheet = reinterpret_cast<HWND>(::PropertySheetA(&m_psh));
    }
    state->sheetBeingCreated = outer;
    m_psh.ppsp = nullptr;
    if (!sheet) return FALSE;
    ASSERT(sheet == m_hWnd);
    return TRUE;
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    CPropertySheet* sheet = AfxGetThreadState()->sheetBeingCreated;
    if (message != PSCB_PRECREATE || !sheet || sheet->style_ == static_cast<DWORD>(-1)) return 0;
    // The caller's style replaces the template's; the font bits stay, as
    // the template's layout depends on them.
    constexpr DWORD kFontBits = DS_SETFONT | DS_FIXEDSYS | DS_3DLOOK;
    auto* words = reinterpret_cast<WORD*>(lParam);
    bool extended = words[0] == 1 && words[1] == 0xFFFF;
    auto* styles = reinterpret_cast<DWORD*>(lParam);
    DWORD& style = extended ? styles[3] : styles[0];
    DWORD& exStyle = extended ? styles[2] : styles[1];
    style = (style & kFontBits) | sheet->style_;
    exStyle = sheet->exStyle_;
    return 0;
}

LRESULT CPropertySheet::OnInitDialogMessage(WPARAM, LPARAM) {
    // The caption is there before the first page takes the focus (which
    // activates the sheet); then the sheet control builds its tab, buttons
    // and first page.
    SetWindowText(caption_);
    LRESULT result = Default();
    if (modeless_) RemoveButtons();
    OnInitDialog();
    return result;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

void CPropertySheet::RemoveButtons() {
    for (int id : {IDOK, IDCANCEL, static_cast<int>(ID_APPLY_NOW), IDHELP}) {
        if (HWND button = ::GetDlgItem(m_hWnd, id)) {
            ::ShowWindow(button, SW_HIDE);
            ::EnableWindow(button, FALSE);
        }
    }
    // The room below the tab control shrinks to the margin beside it.
    CTabCtrl* tab = GetTabControl();
    if (!tab) return;
    CRect tabRect, client, window;
    tab->GetWindowRect(&tabRect);
    ScreenToClient(&tabRect);
    GetClientRect(&client);
    int spare = client.bottom - (tabRect.bottom + tabRect.left);
    if (spare <= 0) return;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() - spare,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The sheet's own map (a derived sheet may take OK or Apply) comes first.
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    UINT id = LOWORD(wParam);
    if (id != IDOK && id != IDCANCEL) return FALSE;
    // The sheet control validates and applies the pages; when it lets the
    // sheet close it has no current page any more.
    Default();
    if (m_bContinueModal && !SendMessage(PSM_GETCURRENTPAGEHWND)) EndModalLoop(static_cast<int>(id));
    return TRUE;
}

BOOL CPropertySheet::ContinueModal() {
    if (!CWnd::ContinueModal()) return FALSE;
    // Closed another way (the close box): cancelled.
    if (m_hWnd && !SendMessage(PSM_GETCURRENTPAGEHWND)) {
        EndModalLoop(IDCANCEL);
        return FALSE;
    }
    return TRUE;
}

void CPropertySheet::EndDialog(int result) {
    if (m_bInModalLoop || m_bContinueModal) EndModalLoop(result);
    else DestroyWindow();
}

void CPropertySheet::PressButton(int button) { SendMessage(PSM_PRESSBUTTON, button, 0); }

BOOL CPropertySheet::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg)) return TRUE;
    // An embedded sheet's keys belong to its parent's dialog manager.
    if (GetStyle() & WS_CHILD) return FALSE;
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
    return static_cast<BOOL>(SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg)));
}
