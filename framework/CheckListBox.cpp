#include "CheckListBox.h"

#include <windowsx.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BOOL CCheckListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CListBox::Create(style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, rect, parent, id);
}

void CCheckListBox::SetCheck(int index, int check) {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return;
    m_checks[static_cast<size_t>(index)] = check;
    RECT item;
    if (m_hWnd != nullptr && GetItemRect(index, &item) != LB_ERR) ::InvalidateRect(m_hWnd, &item, FALSE);
}

int CCheckListBox::GetCheck(int index) const {
    return index >= 0 && index < static_cast<int>(m_checks.size()) ? m_checks[static_cast<size_t>(index)] : 0;
}

void CCheckListBox::Toggle(int index) {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return;
    SetCheck(index, GetCheck(index) ? 0 : 1);
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), CLBN_CHKCHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const LRESULT index = CListBox::WindowProc(message, wParam, lParam);
        if (index >= 0 && static_cast<size_t>(index) <= m_checks.size())
            m_checks.insert(m_checks.begin() + index, 0);
        return index;
    }
    case LB_DELETESTRING: {
        const LRESULT left = CListBox::WindowProc(message, wParam, lParam);
        if (left != LB_ERR && wParam < m_checks.size()) m_checks.erase(m_checks.begin() + static_cast<long>(wParam));
        return left;
    }
    case LB_RESETCONTENT:
        m_checks.clear();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const LRESULT hit = ::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, lParam);
        const int index = LOWORD(hit);
        if (HIWORD(hit) == 0 && point.x < CheckBoxWidth()) {
            const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
            Toggle(index);
            return result;
        }
        break;
    }
    case WM_CHAR:
        if (wParam == ' ') {
            Toggle(GetCurSel());
            return 0;
        }
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT item) {
    item->itemHeight = static_cast<UINT>(std::max(::GetSystemMetrics(SM_CYMENUCHECK) + 2, 16));
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT item) {
    if (item->itemID == static_cast<UINT>(-1)) return;
    HDC dc = item->hDC;
    const BOOL selected = (item->itemState & ODS_SELECTED) != 0;
    RECT box = item->rcItem;
    box.right = box.left + CheckBoxWidth();
    RECT text = item->rcItem;
    text.left = box.right;
    ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_WINDOW));
    ::FillRect(dc, &text, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int size = ::GetSystemMetrics(SM_CXMENUCHECK);
    RECT check{box.left + 2, box.top + (box.bottom - box.top - size) / 2, 0, 0};
    check.right = check.left + size;
    check.bottom = check.top + size;
    ::DrawFrameControl(dc, &check, DFC_BUTTON,
                       DFCS_BUTTONCHECK | DFCS_FLAT | (GetCheck(static_cast<int>(item->itemID)) ? DFCS_CHECKED : 0));
    CString label;
    GetText(static_cast<int>(item->itemID), label);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += 2;
    ::DrawTextA(dc, label, label.GetLength(), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item->rcItem);
}
