// CScrollView: a view larger than its window, scrolled by scroll bars.
//
// SetScrollSizes gives the document's size (in the units of a mapping mode;
// the programs use MM_TEXT pixels) and the distances of a page and a line.
// The view keeps its bars' ranges, pages and positions to its window size,
// shows a bar only while the document does not fit that way, and draws
// with the viewport moved by the scroll position (OnPrepareDC).
//
// Every scroll-bar call goes through the virtual GetScrollBarCtrl, so a
// view whose bars are controls of another window (shared bars of a tabbed
// window) is scrolled by those: their WM_HSCROLL/WM_VSCROLL, passed on to the
// view unchanged, are taken only from the bar GetScrollBarCtrl names; such a
// bar is disabled rather than hidden while it is not needed.
#pragma once

#include <windows.h>

#include "View.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    // The default page and line: a tenth of the total and of the page.
    static const SIZE sizeDefault;

    void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault,
                        const SIZE& line = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }
    // The scroll position in logical units, and in pixels.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    void ScrollToPosition(POINT position);
    // Refits the bars to the window (after a size change).
    void UpdateBars();

    // A scroll code of the horizontal (low byte) or vertical (high byte,
    // 0xFF for none) bar; FALSE when nothing moved.
    virtual BOOL OnScroll(UINT scrollCode, UINT pos, BOOL doScroll = TRUE);
    virtual BOOL OnScrollBy(CSize scrollBy, BOOL doScroll = TRUE);

    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);

protected:
    CScrollView() = default;

    // Scrolls the window and its bars to a position in pixels.
    void ScrollToDevicePosition(POINT position);
    // The logical-to-pixel size of the mapping mode.
    CSize ToDevice(SIZE logical) const;

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bInsideUpdate = FALSE;

    DECLARE_MESSAGE_MAP()
};
