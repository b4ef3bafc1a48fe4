// The two windows that split a document's child frame in both programs: a
// static splitter that ignores the mouse wheel, and the tabbed window in
// each of its panes.
#pragma once

#include "framework/Framework.h"
#include "toolkit/TabWnd.h"

// A static splitter whose panes never scroll by the mouse wheel.
class CTorvaneSplitterWnd : public CSplitterWnd {
    DECLARE_DYNAMIC(CTorvaneSplitterWnd)
protected:
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// A splitter pane that is a tabbed window with the shared scroll bars; its
// tabs are the document's views.
class CSplitterPaneTabWnd : public SECTabWnd {
    DECLARE_DYNCREATE(CSplitterPaneTabWnd)
public:
    ~CSplitterPaneTabWnd() override;

    // The splitter makes its panes through this virtual Create.
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
    using SECTabWnd::Create;

    void AddTab(CWnd* wnd, LPCSTR label) override;
    void ActivateTab(CWnd* wnd, int index) override;
    void ScrollToTab(int index) override;
    using SECTabWnd::ScrollToTab;
    // The view of the active tab, or null.
    CWnd* GetActiveWnd() const;
};


// The shared scroll bar `bar` of the tabbed window that holds `view`, or
// null when the view is not a tab.
CScrollBar* TabWndScrollBarOf(const CWnd* view, int bar);
