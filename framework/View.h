// CView: a window that shows a document inside a frame.
//
// A view is made by its frame (or a splitter or tabbed pane) from a create
// context: when its window is created it joins the context's document. The
// frame sends WM_INITIALUPDATE once everything is built (OnInitialUpdate);
// the document calls OnUpdate when its data change. WM_PAINT draws through
// OnPrepareDC and OnDraw, printing through OnPrint, which draws with OnDraw
// too. Commands reach the view first and then its document. Clicking a
// view makes it its frame's active view. A view deletes itself when its
// window is destroyed and then leaves its document.
#pragma once

#include <windows.h>

#include "Document.h"
#include "Wnd.h"

class CFrameWnd;
class CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }

    // First update after the view and its document are ready; calls OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed (sent by UpdateAllViews); repaints the view.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
    // Draws the document, on the screen or on a printer page; the default
    // draws nothing.
    virtual void OnDraw(CDC* dc);
    // The view became (activate) or stopped being its frame's active view.
    // The default gives the newly active view the focus.
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);
    // The view's frame was activated or deactivated (WA_* state).
    virtual void OnActivateFrame(UINT state, CFrameWnd* frame);

    // Printing. The default prepares nothing (OnPreparePrinting FALSE) and
    // prints a page by drawing it with OnDraw.
    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    // Asks for the printer (the print dialog, or the default printer for a
    // direct or preview job) and makes the printer DC; FALSE, after telling
    // the user, when there is no printer, and FALSE when the user cancels.
    // OnPreparePrinting calls it.
    BOOL DoPreparePrinting(CPrintInfo* info);
    // Prints the document (ViewPrinting.cpp).
    afx_msg void OnFilePrint();
    // Shows the pages in print preview inside the view's frame
    // (PrintPreview.cpp).
    afx_msg void OnFilePrintPreview();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    void PostNcDestroy() override;

    BOOL m_bAutoDelete = TRUE;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

protected:
    CView() = default;
    // Leaves its document's view list.
    ~CView() override;

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
};
