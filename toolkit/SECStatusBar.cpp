#include "SECStatusBar.h"

#include <algorithm>
#include <cstring>

#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(SECStatusBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECStatusBar, SECControlBar)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTestGrip)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSizeStatus)
    ON_MESSAGE(WM_PAINT, OnPaintPanes)
    ON_MESSAGE(WM_SIZE, OnSizePanes)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

// The pane style bits the control draws with.
WPARAM DrawingStyle(UINT style) { return style & 0xFF00; }

}  // namespace

SECStatusBar::SECStatusBar() {
    m_cyTopBorder = 2;
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyBottomBorder = 0;
}

BOOL SECStatusBar::Create(CWnd* parent, DWORD style, UINT id) { return CreateEx(parent, 0, style, id); }

BOOL SECStatusBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    // The new shell draws no line above a bottom bar.
    if ((m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY)) == (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&init);
    DWORD windowStyle = (style & 0xFFBF0000) | CCS_NORESIZE | CCS_NOMOVEY | CCS_NOPARENTALIGN | CCS_NODIVIDER |
                        ctrlStyle;
    if (parent != nullptr && (parent->GetStyle() & WS_THICKFRAME)) windowStyle |= SBARS_SIZEGRIP;
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id);
}

// Panes

BOOL SECStatusBar::SetIndicators(const UINT* ids, int count) {
    m_panes.assign(static_cast<size_t>(std::max(count, 0)), Pane());
    BOOL result = TRUE;
    if (ids != nullptr) {
        HDC screen = ::GetDC(nullptr);
        HGDIOBJ oldFont = nullptr;
        HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        if (font != nullptr) oldFont = ::SelectObject(screen, font);
        for (int i = 0; i < count; ++i) {
            Pane& pane = m_panes[static_cast<size_t>(i)];
            pane.changed = TRUE;
            pane.id = ids[i];
            if (pane.id != 0) {
                CString text;
                if (!text.LoadString(pane.id)) text = "  ";
                SIZE extent = {};
                ::GetTextExtentPoint32A(screen, text, text.GetLength(), &extent);
                pane.width = extent.cx;
                if (!SetPaneText(i, text, FALSE)) {
                    result = FALSE;
                    break;
                }
            } else {
                pane.width = ::GetSystemMetrics(SM_CXSCREEN) / 4;
                if (i == 0) pane.style |= SBPS_STRETCH | SBPS_NOBORDERS;
            }
        }
        if (oldFont != nullptr) ::SelectObject(screen, oldFont);
        ::ReleaseDC(nullptr, screen);
    }
    UpdateAllPanes(TRUE, TRUE);
    return result;
}

int SECStatusBar::CommandToIndex(UINT id) const {
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id) return static_cast<int>(i);
    return -1;
}

UINT SECStatusBar::GetItemID(int index) const { return m_panes.at(static_cast<size_t>(index)).id; }

UINT SECStatusBar::GetPaneStyle(int index) const { return m_panes.at(static_cast<size_t>(index)).style; }

void SECStatusBar::SetPaneStyle(int index, UINT style) {
    Pane& pane = m_panes.at(static_cast<size_t>(index));
    if (pane.style == style) return;
    if ((pane.style ^ style) & SBPS_STRETCH) {
        pane.style = style;
        UpdateAllPanes(TRUE, FALSE);
    }
    pane.changed = TRUE;
    pane.style = style;
    CString text = pane.text;
    SetPaneText(index, text, TRUE);
}

void SECStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    const Pane& pane = m_panes.at(static_cast<size_t>(index));
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void SECStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    Pane& pane = m_panes.at(static_cast<size_t>(index));
    const bool resized = pane.width != width;
    pane.id = id;
    pane.width = width;
    SetPaneStyle(index, style);
    if (resized) UpdateAllPanes(TRUE, FALSE);
}

CString SECStatusBar::GetPaneText(int index) const { return m_panes.at(static_cast<size_t>(index)).text; }

BOOL SECStatusBar::SetPaneText(int index, LPCSTR text, BOOL update) {
    Pane& pane = m_panes.at(static_cast<size_t>(index));
    const char* newText = text != nullptr ? text : "";
    if (!pane.changed && pane.text == newText) return TRUE;
    pane.text = newText;
    if (update) {
        pane.changed = FALSE;
        if (m_hWnd != nullptr)
            DefWindowProc(SB_SETTEXTA, static_cast<WPARAM>(index) | DrawingStyle(pane.style),
                          (pane.style & SBPS_DISABLED) ? 0 : reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pane.text)));
    } else {
        pane.changed = TRUE;
    }
    return TRUE;
}

std::vector<int> SECStatusBar::PaneEdges(const std::vector<int>& widths, const std::vector<bool>& stretch,
                                         int insideWidth, int leftBorder, int spacing) {
    int extra = insideWidth + spacing;
    int stretchLeft = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        extra -= widths[i] + paneBorder + spacing;
        if (stretch[i]) ++stretchLeft;
    }
    std::vector<int> edges;
    int x = leftBorder;
    for (size_t i = 0; i < widths.size(); ++i) {
        x += widths[i] + paneBorder;
        if (stretch[i] && extra > 0 && stretchLeft > 0) {
            int share = extra / stretchLeft;
            x += share;
            extra -= share;
        }
        if (stretch[i]) --stretchLeft;
        edges.push_back(x);
        x += spacing;
    }
    return edges;
}

void SECStatusBar::GetControlBorders(int& horizontal, int& vertical, int& spacing) const {
    int borders[3] = {0, 0, 0};
    if (m_hWnd != nullptr)
        const_cast<SECStatusBar*>(this)->DefWindowProc(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    horizontal = borders[0];
    vertical = borders[1];
    spacing = borders[2];
}

void SECStatusBar::UpdateAllPanes(BOOL updateRects, BOOL updateText) {
    if (m_hWnd == nullptr) return;
    if (updateRects) {
        CRect window;
        GetWindowRect(&window);
        window.OffsetRect(-window.left, -window.top);
        CalcInsideRect(window, TRUE);
        int horizontal, vertical, spacing;
        GetControlBorders(horizontal, vertical, spacing);
        std::vector<int> widths;
        std::vector<bool> stretch;
        for (const Pane& pane : m_panes) {
            widths.push_back(pane.width);
            stretch.push_back((pane.style & SBPS_STRETCH) != 0);
        }
        std::vector<int> edges = PaneEdges(widths, stretch, window.Width(), horizontal, spacing);
        if (!edges.empty())
            DefWindowProc(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    }
    if (updateText) {
        for (size_t i = 0; i < m_panes.size(); ++i) {
            if (!m_panes[i].changed) continue;
            CString text = m_panes[i].text;
            SetPaneText(static_cast<int>(i), text, TRUE);
        }
    }
}

// Layout

void SECStatusBar::CalcInsideRect(CRect& rect, BOOL horz) const {
    SECControlBar::CalcInsideRect(rect, horz);
    if (m_hWnd == nullptr || !(GetStyle() & SBARS_SIZEGRIP)) return;
    CWnd* parent = GetParent();
    if (parent != nullptr && parent->IsZoomed()) return;
    int horizontal, vertical, spacing;
    GetControlBorders(horizontal, vertical, spacing);
    rect.right -= 2 * ::GetSystemMetrics(SM_CXBORDER) + horizontal + ::GetSystemMetrics(SM_CXVSCROLL);
}

CSize SECStatusBar::CalcFixedLayout(BOOL, BOOL horz) {
    if (!horz) return CSize(0, 0);
    TEXTMETRICA metrics = {};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ oldFont = nullptr;
    HFONT font = m_hWnd != nullptr ? reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) : nullptr;
    if (font != nullptr) oldFont = ::SelectObject(screen, font);
    ::GetTextMetricsA(screen, &metrics);
    if (oldFont != nullptr) ::SelectObject(screen, oldFont);
    ::ReleaseDC(nullptr, screen);
    int horizontal, vertical, spacing;
    GetControlBorders(horizontal, vertical, spacing);
    CRect inside;
    SECControlBar::CalcInsideRect(inside, TRUE);
    int height = metrics.tmHeight - metrics.tmInternalLeading - 1 +
                 2 * (::GetSystemMetrics(SM_CYBORDER) + vertical) - inside.Height();
    return CSize(32767, std::max(height, m_nMinHeight));
}

void SECStatusBar::OnBarStyleChange(DWORD oldStyle, DWORD newStyle) {
    if (m_hWnd != nullptr && ((oldStyle ^ newStyle) & CBRS_ALIGN_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void SECStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL) {
    SECStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_panes.size());
    for (size_t i = 0; i < m_panes.size(); ++i) {
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[i].id;
        if (state.m_nID == 0) continue;
        if (OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr)) continue;
        state.DoUpdate(target, FALSE);
    }
}

BOOL SECStatusBar::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    }
    return SECControlBar::OnChildNotify(message, wParam, lParam, result);
}

// Messages

int SECStatusBar::MessagePaneIndex() const { return CommandToIndex(0); }

LRESULT SECStatusBar::OnNcHitTestGrip(WPARAM, LPARAM) {
    LRESULT hit = Default();
    return hit == HTBOTTOMRIGHT ? hit : HTCLIENT;
}

LRESULT SECStatusBar::OnNcCalcSizeStatus(WPARAM, LPARAM lParam) {
    auto* client = reinterpret_cast<RECT*>(lParam);
    CRect inside;
    CalcInsideRect(inside, TRUE);
    client->left += inside.left;
    client->top += inside.top - 2;
    client->right += inside.right;
    client->bottom += inside.bottom;
    if (client->right < client->left) client->right = client->left;
    if (client->bottom < client->top) client->bottom = client->top;
    return 0;
}

LRESULT SECStatusBar::OnPaintPanes(WPARAM, LPARAM) {
    UpdateAllPanes(FALSE, TRUE);
    return Default();
}

LRESULT SECStatusBar::OnSizePanes(WPARAM, LPARAM) {
    LRESULT result = Default();
    UpdateAllPanes(TRUE, FALSE);
    return result;
}

LRESULT SECStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    int index = MessagePaneIndex();
    if (index < 0) return -1;
    return SetPaneText(index, reinterpret_cast<LPCSTR>(lParam), TRUE) ? 0 : -1;
}

LRESULT SECStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    int max = static_cast<int>(wParam);
    if (max <= 0) return 0;
    auto* buffer = reinterpret_cast<char*>(lParam);
    int index = MessagePaneIndex();
    CString text = index >= 0 ? m_panes[static_cast<size_t>(index)].text : CString();
    int length = std::min(text.GetLength(), max - 1);
    std::memcpy(buffer, static_cast<LPCSTR>(text), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length + 1;
}

LRESULT SECStatusBar::OnGetTextLength(WPARAM, LPARAM) {
    int index = MessagePaneIndex();
    return index >= 0 ? m_panes[static_cast<size_t>(index)].text.GetLength() : 0;
}

LRESULT SECStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM) {
    LRESULT result = Default();
    m_nMinHeight = static_cast<int>(wParam);
    return result;
}

// Command update of a pane

void SECStatusCmdUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    auto* bar = static_cast<SECStatusBar*>(m_pOther);
    UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
    bar->SetPaneStyle(static_cast<int>(m_nIndex), on ? style & ~SBPS_DISABLED : style | SBPS_DISABLED);
}

void SECStatusCmdUI::SetCheck(int check) {
    auto* bar = static_cast<SECStatusBar*>(m_pOther);
    UINT style = bar->GetPaneStyle(static_cast<int>(m_nIndex));
    bar->SetPaneStyle(static_cast<int>(m_nIndex), check ? style | SBPS_POPOUT : style & ~SBPS_POPOUT);
}

void SECStatusCmdUI::SetText(LPCSTR text) {
    static_cast<SECStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), text, TRUE);
}
