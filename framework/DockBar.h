// CDockBar: the strip along one side of a frame (or inside a floating
// frame) that holds docked control bars in rows.
//
// The bars are kept in m_arrBars in row order, a null entry ending each
// row. Each bar keeps its place along its row (where it was dropped); the
// layout only pushes bars apart where they would overlap and back inside
// where they would stick out. A row is as thick as its thickest visible
// bar; the dock bar is as thick as its rows (nothing when it holds no
// visible bar) and as long as the frame side.
#pragma once

#include <windows.h>

#include <vector>

#include "ControlBar.h"

// Ids of the dock bars: one per frame side and the one inside a floating frame.
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F

class CDockBar : public CControlBar {
    DECLARE_DYNCREATE(CDockBar)

public:
    explicit CDockBar(BOOL floating = FALSE);
    ~CDockBar() override;

    // The window class of dock bars.
    static LPCSTR WindowClass();

    // Creates the window (empty, visible) with the bar style `style`.
    virtual BOOL Create(CWnd* parent, DWORD style, UINT id);

    // Puts `bar` into the rows: where `rect` (screen coordinates) falls, or
    // in a new last row without one. The bar becomes the dock bar's child
    // and leaves the dock bar that held it.
    virtual void DockControlBar(CControlBar* bar, LPCRECT rect = nullptr);
    // Takes `bar` out of the rows; FALSE when it is not here.
    virtual BOOL RemoveControlBar(CControlBar* bar);

    // Bars held, and those of them that show.
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The index of `bar` in m_arrBars, or -1.
    int FindBar(const CControlBar* bar) const;
    // The first bar held, or null.
    CControlBar* GetFirstBar() const;
    // The bars of each row, in order.
    std::vector<std::vector<CControlBar*>> GetRows() const;

    // Lays the rows out (a query: nothing moves) and answers the dock
    // bar's size: the side's length by the rows' thickness.
    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

    // Lays the rows out in an area `length` long along them and moves the
    // bars there when `move`; answers the rows' extent (along, across),
    // borders included.
    virtual CSize LayoutRows(int length, BOOL move);

    // Rows: bars in row order, a null entry ending each row.
    std::vector<CControlBar*> m_arrBars;
    // The dock bar belongs to a floating frame.
    BOOL m_bFloating = FALSE;
    // Deletes itself when its window goes (dock bars made by frames).
    BOOL m_bAutoDelete = FALSE;
    // The length available along the rows, set by the frame's layout.
    int m_nLayoutLength = -1;

    afx_msg LRESULT OnDockSizeParent(WPARAM, LPARAM lParam);
    afx_msg void OnDestroy();
    void PostNcDestroy() override;

protected:
    // The size `bar` wants in this dock bar.
    virtual CSize MeasureBar(CControlBar* bar, BOOL horz);
    // Lays one row out, starting `across` the rows, in an area `length`
    // long; answers the row's thickness and widens `longest` to its end.
    virtual int LayoutRow(const std::vector<CControlBar*>& row, int length, int across, BOOL move, int* longest);
    // Moves a bar to `place` (client coordinates) and remembers it there.
    void PlaceBar(CControlBar* bar, const CRect& place);
    // The style a bar takes when it docks here.
    virtual DWORD DockedStyle(DWORD barStyle) const;
    // Inserts `bar` at the row and place its screen rectangle falls into.
    void InsertBar(CControlBar* bar, LPCRECT rect);
    // Marks the frame for layout at idle time.
    void DelayLayoutFrame();

    DECLARE_MESSAGE_MAP()
};
