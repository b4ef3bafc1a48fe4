#include "Controls.h"

namespace {

// Creates a child control of a system class.
BOOL CreateControl(CWnd* control, LPCSTR className, LPCSTR text, DWORD style, const RECT& rect,
                   CWnd* parent, UINT id) {
    return control->CWnd::Create(className, text, style, rect, parent, id);
}

// Reads a list item's text through its length and text messages.
void ReadItemText(const CWnd* list, UINT lengthMessage, UINT textMessage, int index, CString& text) {
    int length = static_cast<int>(list->SendMessage(lengthMessage, index));
    if (length < 0) {
        text.Empty();
        return;
    }
    LPSTR buffer = text.GetBuffer(length + 1);
    list->SendMessage(textMessage, index, reinterpret_cast<LPARAM>(buffer));
    text.ReleaseBuffer(length);
}

}  // namespace

// CStatic

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "STATIC", text, style, rect, parent, id);
}

// CButton

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "BUTTON", caption, style, rect, parent, id);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result) *result = TRUE;
    return TRUE;
}

// CEdit

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "EDIT", nullptr, style, rect, parent, id);
}

int CEdit::GetLine(int index, LPSTR buffer, int maxLength) const {
    // EM_GETLINE reads the buffer size from the buffer's first word.
    if (maxLength < static_cast<int>(sizeof(WORD))) return 0;
    *reinterpret_cast<WORD*>(buffer) = static_cast<WORD>(maxLength);
    return static_cast<int>(SendMessage(EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer)));
}

void CEdit::GetSel(int& start, int& end) const {
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll) {
    SetSel(static_cast<short>(LOWORD(selection)), static_cast<short>(HIWORD(selection)), noScroll);
}

void CEdit::SetSel(int start, int end, BOOL noScroll) {
    SendMessage(EM_SETSEL, start, end);
    if (!noScroll) SendMessage(EM_SCROLLCARET);
}

// COwnerDrawListCtrl

IMPLEMENT_DYNAMIC(COwnerDrawListCtrl, CWnd)

void COwnerDrawListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
void COwnerDrawListCtrl::MeasureItem(LPMEASUREITEMSTRUCT) {}
int COwnerDrawListCtrl::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void COwnerDrawListCtrl::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL COwnerDrawListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT answer = 0;
    switch (message) {
    case WM_DRAWITEM: DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); break;
    case WM_MEASUREITEM: MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); break;
    case WM_COMPAREITEM: answer = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)); break;
    case WM_DELETEITEM: DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)); break;
    default: return CWnd::OnChildNotify(message, wParam, lParam, result);
    }
    if (result) *result = answer;
    return TRUE;
}

// CListBox

IMPLEMENT_DYNAMIC(CListBox, COwnerDrawListCtrl)

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "LISTBOX", nullptr, style, rect, parent, id);
}

void CListBox::GetText(int index, CString& text) const {
    ReadItemText(this, LB_GETTEXTLEN, LB_GETTEXT, index, text);
}


// CComboBox

IMPLEMENT_DYNAMIC(CComboBox, COwnerDrawListCtrl)

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "COMBOBOX", nullptr, style, rect, parent, id);
}

void CComboBox::GetLBText(int index, CString& text) const {
    ReadItemText(this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, text);
}


// CScrollBar

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, "SCROLLBAR", nullptr, style, rect, parent, id);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw) {
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw);
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}

int CScrollBar::GetScrollLimit() const {
    SCROLLINFO info = {};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE)) return 0;
    int page = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - page;
}
