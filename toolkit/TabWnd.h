// Tabbed windows: several child windows in one place, one shown at a time,
// picked by a tab strip along the bottom edge. SECTabWnd adds two scroll bars
// shared by all tabs (each tab says which it uses and keeps its own scroll
// state while hidden) and a splitter box between the strip and the bar.
#pragma once

#include <windows.h>

#include <vector>

#include "Controls.h"
#include "CreateContext.h"
#include "TabControl.h"
#include "Wnd.h"

// Child ids of a tabbed window.
#define SEC_IDW_TABCONTROL 0xEA30
#define SEC_IDW_FIRST_TABVIEW 0xEB00
#define SEC_IDW_HSCROLL_BAR 0xEC00
#define SEC_IDW_VSCROLL_BAR 0xECFF

class SECTabWndBase : public CWnd {
public:
    virtual BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateScrollBarCtrl(DWORD sbStyle, UINT id);
    virtual BOOL CreateTabCtrl(DWORD /*style*/, UINT /*id*/) { return FALSE; }
    virtual CWnd* InsertViewTab(CRuntimeClass* viewClass, int index, LPCSTR label,
                                CCreateContext* context = nullptr, UINT id = static_cast<UINT>(-1));
    virtual void InsertTab(CWnd* wnd, int index, LPCSTR label);
    virtual CWnd* AddViewTab(CRuntimeClass* viewClass, LPCSTR label, CCreateContext* context = nullptr,
                             UINT id = static_cast<UINT>(-1));
    virtual void AddTab(CWnd* wnd, LPCSTR label);
    virtual void SetScrollStyle(int /*index*/, DWORD /*style*/) {}
    virtual void RemoveTab(int index);
    virtual void RemoveTab(CWnd* wnd);
    virtual void RenameTab(int index, LPCSTR label);
    virtual void RenameTab(CWnd* wnd, LPCSTR label);
    virtual void ActivateTabAt(int index);
    virtual void ActivateTabWnd(CWnd* wnd);
    virtual void ActivateTab(CWnd* wnd, int index);
    virtual void ClearSelection();
    virtual void ScrollToTab(int index);
    virtual void ScrollToTab(CWnd* wnd);
    virtual void FocusActiveTab();
    virtual void SetNotifyWnd(CWnd* wnd) { m_notifyWnd = wnd; }
    virtual CWnd* GetNotifyWnd() const { return m_notifyWnd != nullptr ? m_notifyWnd : GetParent(); }
    virtual void GetInsideRect(CRect& rect) const { GetClientRect(&rect); }
    virtual void RecalcLayout() {}

    CWnd* CreateView(CRuntimeClass* viewClass, CCreateContext* context, UINT id);
    int GetTabCount() const { return m_tabStrip != nullptr ? m_tabStrip->GetTabCount() : 0; }
    BOOL GetTabInfo(int index, LPCSTR& label, BOOL& selected, CWnd*& wnd, void*& data, int& extra) const;
    BOOL FindTab(const CWnd* wnd, int& index) const;
    BOOL GetActiveTab(CWnd*& wnd) const;
    SECTabControlBase* GetTabControl() const { return m_tabStrip; }

protected:
    // Gives the focus to the tabbed window and then to `wnd`, which becomes
    // the active window.
    void FocusWindow(CWnd* wnd);

    afx_msg void OnDestroy();
    afx_msg void OnChildActivate();
    afx_msg LRESULT OnTabSelected(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTabReactivated(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    SECTabControlBase* m_tabStrip = nullptr;
    CWnd* m_activeWnd = nullptr;
    CWnd* m_wndUnderCreation = nullptr;
    CWnd* m_notifyWnd = nullptr;
};

class SECTabWnd : public SECTabWndBase {
    DECLARE_DYNCREATE(SECTabWnd)

public:
    SECTabWnd() = default;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_PANE_FIRST) override;
    BOOL CreateTabCtrl(DWORD style, UINT id) override;
    void InsertTab(CWnd* wnd, int index, LPCSTR label) override;
    void SetScrollStyle(int index, DWORD style) override;
    void RemoveTab(int index) override;
    using SECTabWndBase::RemoveTab;
    void ActivateTab(CWnd* wnd, int index) override;
    void GetInsideRect(CRect& rect) const override;
    void RecalcLayout() override;
    // The shared bar (0 horizontal, 1 vertical) that `wnd`'s tab (null: the
    // active tab) uses, or null.
    virtual CScrollBar* GetScrollBar(int bar, const CWnd* wnd = nullptr) const;

    int GetSplitPosition() const { return m_splitPosition; }
    CRect GetSplitterBoxRect() const;

    static constexpr int kSplitterBoxWidth = 5;
    // The least room kept right of the splitter box for the horizontal bar.
    static constexpr int kMinBarRoom = 60;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT cs);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg LRESULT OnTabSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL UsesBar(int bar, const CWnd* wnd = nullptr) const { return GetScrollBar(bar, wnd) != nullptr; }
    void PassScrollToActive();

    std::vector<SCROLLINFO> m_hScroll;
    std::vector<SCROLLINFO> m_vScroll;
    std::vector<DWORD> m_scrollStyles;
    int m_splitPosition = 0;
    int m_stripHeight = 0;
    int m_barHeight = 0;
    int m_barWidth = 0;
    BOOL m_tracking = FALSE;
    int m_gripOffset = 0;
    BOOL m_overBox = FALSE;
    BOOL m_firstSize = TRUE;
    HCURSOR m_splitCursor = nullptr;
    HCURSOR m_arrowCursor = nullptr;
    DWORD m_tabStripStyle = 0;
};

class SEC2DTabWnd : public SECTabWnd {
    DECLARE_DYNCREATE(SEC2DTabWnd)
};
