// Print preview: the pages a view prints, shown in its frame.
//
// CView::OnFilePrintPreview prepares a job as for printing (the default
// printer's page) and puts the frame into preview mode: the frame's pane is
// hidden and a CPreviewView takes its place, with a row of buttons (Print,
// Next Page, Prev Page, One Page/Two Page, Zoom In, Zoom Out, Close) above
// one or two pages. Each page is drawn by the previewed view's own
// OnPrepareDC and OnPrint on a DC whose attribute DC is the printer's and
// whose output is the screen, scaled from the printer's page. A zoomed page
// larger than the view scrolls. The preview ends, its job's OnEndPrinting
// once, by Close, Print, or the frame, the document or the view going.
#pragma once

#include <windows.h>

#include "DC.h"
#include "Printing.h"
#include "View.h"

class CFrameWnd;

// The preview's command ids (its buttons).
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

// What a frame must restore when preview ends.
struct CPrintPreviewState {
    // The frame's pane that the preview hides (a view or a splitter).
    HWND hWndPane = nullptr;
    // The active view before preview.
    CView* pViewActiveOld = nullptr;
};

class CPreviewView : public CView {
    DECLARE_DYNAMIC(CPreviewView)

public:
    CPreviewView() = default;

    // Takes the frame of `printView` into preview of the job `info` (owned
    // from now on, also on failure); FALSE when the preview cannot be made.
    BOOL Start(CView* printView, CPrintInfo* info);
    // Leaves preview: the pane, the active view and the menu come back and
    // the preview window goes (the object deletes itself).
    void Close();
    // The preview shown in `frame`, or null.
    static CPreviewView* InFrame(CFrameWnd* frame);

    // Zoom levels: 1 is the page fitted to the window.
    enum { kMaxZoom = 3 };
    UINT GetCurrentPage() const { return m_pInfo ? m_pInfo->m_nCurPage : 0; }
    UINT GetPageCount() const { return m_nPages; }
    int GetZoom() const { return m_nZoom; }
    CView* GetPrintView() const { return m_pPrintView; }
    // The screen rectangle of the `index`th page shown (0 or 1), scrolled.
    CRect GetPageRect(UINT index) const;
    // How far a zoomed page is scrolled (0, 0 when it fits the view).
    CPoint GetPageScroll() const { return m_scroll; }

    void OnDraw(CDC* dc) override;

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnDestroy();
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPages();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();

protected:
    ~CPreviewView() override;

    // Ends the job and gives the frame back its pane, active view and menu;
    // does nothing the second time.
    void EndPreview();
    // Shows the current page(s): button states, scroll bars, page text, repaint.
    void Refresh();
    // The area below the button row, as if no scroll bar were shown.
    CRect PageArea() const;
    // The size of a page as shown at the current zoom.
    CSize PageSize() const;
    // Scroll bars only where the zoomed page is larger than the view.
    void UpdateScrollBars();
    // Moves the page by a scroll-bar action on `bar` (SB_HORZ, SB_VERT).
    void ScrollPage(int bar, UINT code);
    // Draws page m_nCurPage of the job into `page` (screen pixels of `dc`)
    // through the print view; FALSE when OnPrepareDC ends the job there.
    BOOL PrintPage(CDC* dc, const CRect& page);
    // Pages shown side by side now (2 only unzoomed and when a next page exists).
    UINT PagesShown() const;
    // The last page of the job: its maximum, or the current page when the
    // job's length is unknown.
    UINT LastPage() const;

    CView* m_pPrintView = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CPrintInfo* m_pInfo = nullptr;
    CDC m_printerDC;  // attaches the job's printer DC
    CPrintPreviewState m_state;
    UINT m_nPages = 1;
    int m_nZoom = 1;
    CSize m_sizePrinterPage;
    CPoint m_scroll;
    BOOL m_bUpdatingBars = FALSE;

    DECLARE_MESSAGE_MAP()
};
