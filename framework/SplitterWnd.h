// CSplitterWnd: a window divided into a fixed grid of panes (a static
// splitter), with bars between the rows and columns that the user drags to
// share the room differently.
//
// CreateStatic makes the splitter with its grid; CreateView then makes each
// pane from a run-time class through the virtual seven-argument CWnd::Create
// (so a pane class may make itself differently), with the pane id
// IdFromRowCol(row, col) = AFX_IDW_PANE_FIRST + 16 * row + col. Each row and
// column has an ideal and a minimum size: the panes get their ideal sizes in
// order and the last row and column take what is left; one smaller than its
// minimum is given no room. Every pane sits in a sunken edge, and the bars
// lie between the cells.
//
// WM_COMMAND and WM_NOTIFY messages from panes go on to the splitter's parent.
#pragma once

#include <windows.h>

#include <vector>

#include "Wnd.h"

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // The grid has 1..16 rows and columns.
    virtual BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                              UINT id = AFX_IDW_PANE_FIRST);
    // Makes the pane (row, col) from `viewClass`; `initialSize` becomes the
    // ideal width of the column and height of the row.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* viewClass, SIZE initialSize,
                            CCreateContext* context);

    int GetRowCount() const { return static_cast<int>(rows_.size()); }
    int GetColumnCount() const { return static_cast<int>(cols_.size()); }
    // `current` is the size the last layout gave.
    void GetRowInfo(int row, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    void SetColumnInfo(int col, int ideal, int minimum);

    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    BOOL IsChildPane(CWnd* wnd, int* row, int* col) const;

    // Places the panes for the current sizes.
    virtual void RecalcLayout();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnCancelMode();

protected:
    struct RowColInfo {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
    };
    // A bar under a point: the row or column before it, or none.
    struct BarHit {
        bool vertical = false;  // between columns
        int index = -1;
    };

    BarHit HitTestBar(CPoint point) const;
    // Where a column or row starts in the client area.
    int ColumnStart(int col) const;
    int RowStart(int row) const;
    void StopTracking(bool keep);

    // The width of a bar between cells, and of a pane's edge.
    int m_cxSplitterGap = 6;
    int m_cySplitterGap = 6;
    int m_cxBorder = 2;
    int m_cyBorder = 2;

    DECLARE_MESSAGE_MAP()

private:
    std::vector<RowColInfo> rows_;
    std::vector<RowColInfo> cols_;
    BarHit tracking_;
    int trackingOriginal_ = 0;  // the ideal size before the drag, for Escape
};
