#include "common/ui/SplitPanes.h"

#include "common/Assertion.h"

namespace {
const char kAssertModule[] = "SplitterPaneTabWnd";
// Both scroll bars and the tab window's own strip flags.
const DWORD kPaneTabStyle = WS_HSCROLL | WS_VSCROLL | 0x12;
}  // namespace

IMPLEMENT_DYNAMIC(CTorvaneSplitterWnd, CSplitterWnd)

BEGIN_MESSAGE_MAP(CTorvaneSplitterWnd, CSplitterWnd)
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

BOOL CTorvaneSplitterWnd::OnMouseWheel(UINT, short, CPoint) { return TRUE; }

IMPLEMENT_DYNCREATE(CSplitterPaneTabWnd, SECTabWnd)

CSplitterPaneTabWnd::~CSplitterPaneTabWnd() { APP_ASSERT(m_hWnd == nullptr); }

BOOL CSplitterPaneTabWnd::Create(LPCSTR, LPCSTR, DWORD style, const RECT&, CWnd* parent, UINT id,
                                 CCreateContext*) {
    return SECTabWnd::Create(parent, style | kPaneTabStyle, id);
}

void CSplitterPaneTabWnd::AddTab(CWnd* wnd, LPCSTR label) {
    SECTabWnd::AddTab(wnd, label);
    // Views are made visible; a tab behind the first waits hidden until it
    // is activated.
    if (GetTabCount() > 1 && wnd != nullptr && wnd != GetActiveWnd()) wnd->ShowWindow(SW_HIDE);
}

void CSplitterPaneTabWnd::ActivateTab(CWnd* wnd, int index) { SECTabWnd::ActivateTab(wnd, index); }

void CSplitterPaneTabWnd::ScrollToTab(int index) { SECTabWnd::ScrollToTab(index); }

CWnd* CSplitterPaneTabWnd::GetActiveWnd() const {
    CWnd* active = nullptr;
    return GetActiveTab(active) ? active : nullptr;
}


CScrollBar* TabWndScrollBarOf(const CWnd* view, int bar) {
    CWnd* parent = view->GetParent();
    if (parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(SECTabWnd)))
        return static_cast<SECTabWnd*>(parent)->GetScrollBar(bar, view);
    return nullptr;
}
