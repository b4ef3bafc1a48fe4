// Tab strips: a row of labelled tabs, the current tab and the selected ones,
// and the notices a strip sends its parent when the user picks a tab.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "GdiObjects.h"
#include "ObjectModel.h"
#include "TextString.h"
#include "Wnd.h"

// Notices a strip sends its parent.
#define WM_TABSELECTED 0x07E8
#define WM_TABDBLCLK 0x07E9
#define WM_TABSELCLEARED 0x07EA
#define WM_TABREACTIVATED 0x07EB

// What WM_TABSELECTED carries in lParam after a change of current tab.
struct SECTabChange {
    int controlId;
    int newIndex;
    int oldIndex;  // -1 when no tab was current
    CWnd* newWnd;
    CWnd* oldWnd;
};

class SECTab : public CObject {
public:
    CString label;
    int width = 0;
    BOOL selected = FALSE;
    CWnd* wnd = nullptr;
    void* data = nullptr;
    int extra = 0;
};

class SECTabControlBase : public CWnd {
public:
    ~SECTabControlBase() override;

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual void Initialize(DWORD /*style*/) {}
    virtual SECTab* CreateNewTab() { return new SECTab; }
    virtual void RecalcLayout() {}
    virtual void OnActivateTab(int /*index*/) {}
    virtual SECTab* InsertTab(int index, LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr,
                              int extra = 0);
    virtual SECTab* AddTab(LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr, int extra = 0);
    virtual void DeleteTab(int index);
    virtual void RenameTab(int index, LPCSTR label);
    virtual void ActivateTab(int index);
    virtual void ReactivateTab();
    virtual void SelectTab(int index);
    virtual void ClearSelection();
    virtual void ScrollToTab(int /*index*/) {}
    virtual void InvalidateTab(int /*index*/) {}

    int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
    SECTab* GetTab(int index) const;
    BOOL GetTabInfo(int index, LPCSTR& label, BOOL& selected, CWnd*& wnd, void*& data, int& extra) const;
    BOOL FindTab(const CWnd* wnd, int& index) const;
    BOOL GetCurrentTab(int& index) const;
    virtual BOOL HitTestTab(int /*index*/, POINT /*point*/) const { return FALSE; }

protected:
    void DeleteAllTabs();

    std::vector<std::unique_ptr<SECTab>> m_tabs;
    int m_current = 0;
    BOOL m_hasCurrent = FALSE;
    HCURSOR m_cursor = nullptr;
};

// The flat strip: trapezoid tabs hanging from its top edge, overlapping their
// neighbours, with optional scroll buttons at the left.
class SECTabControl : public SECTabControlBase {
public:
    SECTabControl() = default;

    void Initialize(DWORD style) override;
    void RecalcLayout() override;
    SECTab* InsertTab(int index, LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr,
                      int extra = 0) override;
    SECTab* AddTab(LPCSTR label, CWnd* wnd = nullptr, void* data = nullptr, int extra = 0) override;
    void ScrollToTab(int index) override;
    void InvalidateTab(int index) override;
    BOOL HitTestTab(int index, POINT point) const override;
    virtual void DrawTab(CDC* dc, int index, CRgn* region);
    virtual BOOL SetFontStyle(CFont* font, int which, BOOL redraw);

    // Geometry, for tests and the tabbed window.
    int GetScrollOffset() const { return m_offset; }
    int GetDisabledButtons() const { return m_disabledButtons; }
    int GetButtonSet() const { return m_buttonSet; }
    RECT GetTabArea() const;
    int GetTabX(int index) const;
    RECT GetTabBox(int index) const;
    RECT GetButtonRect(int bit) const;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void TabRegion(int index, CRgn& region) const;
    int TabAt(POINT point) const;
    void InvalidateTabsFrom(int index);
    void UpdateButtons();
    // Scrolls the drawn tabs by the offset change since `oldOffset`.
    void ScrollTabArea(int oldOffset);
    void PressButton(int bit);
    void StepButton(int bit);
    void DrawButton(CDC* dc, int bit);

    int m_offset = 0;
    int m_metric = 0;
    int m_buttonSet = 0;
    int m_pressedButton = 0;
    int m_disabledButtons = 0;
    BOOL m_multiSelect = TRUE;
    enum { kPlain = 0, kSelected = 1, kCurrent = 2 };
    CFont m_fonts[3];
    CBrush m_brushes[3];
    CPen m_pens[3];
    CPen m_shadowPen;
    COLORREF m_textColours[3] = {};
};
