// The raised tab strip: tabs drawn as raised 3D buttons standing along a 3D
// edge on one side of the strip (the style's side bits, see
// Tab3DGeometry.h), with the current tab raised over the edge. Tabs can be
// disabled (never hit, skipped by the arrow keys); the arrow keys move to
// the previous or next enabled tab; a strip with the movable style lets the
// user drag the current tab to another place. Tooltips show the labels.
//
// It sends the same notices as the flat strip (TabControl.h), and a double
// click one WM_TABDBLCLK for each tab under the point.
#pragma once

#include <windows.h>

#include <vector>

#include "Tab3DGeometry.h"
#include "TabControl.h"

class SEC3DTab : public SECTab {
public:
    BOOL enabled = TRUE;
};

class SEC3DTabControl : public SECTabControlBase {
public:
    void Initialize(DWORD style) override;
    SECTab* CreateNewTab() override { return new SEC3DTab; }
    void RecalcLayout() override;
    void OnActivateTab(int index) override;
    SECTab* InsertTab(int index, LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr, int extra = 0) override;
    SECTab* AddTab(LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr, int extra = 0) override;
    void InvalidateTab(int index) override;
    BOOL HitTestTab(int index, POINT point) const override;

    void EnableTab(int index, BOOL enable);
    BOOL IsTabEnabled(int index) const;
    // The enabled tab under `point`, or -1.
    int TabAt(POINT point) const;
    RECT GetTabRect(int index) const;
    tab3d_geometry::Side GetSide() const { return tab3d_geometry::SideOf(m_style); }

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<bool> EnabledFlags() const;
    // Moves the current tab's record to `index` and makes it current there.
    void MoveCurrentTab(int index);
    void DrawTabFace(HDC dc, int index);
    void DrawEdgeLines(HDC dc, const RECT& client);
    bool ParentWantsFocus() const;

    DWORD m_style = 0;
    HFONT m_font = nullptr;
    std::vector<RECT> m_rects;
    BOOL m_dragging = FALSE;
};
