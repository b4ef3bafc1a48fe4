// Control bars floating inside the MDI client: an MDI child frame that holds
// one floating dock bar (AFX_IDW_DOCKBAR_FLOAT) with the bar, as a floating
// frame does outside the main window. The toolkit MDI frame makes them
// (FloatControlBarInMDIChild); a bar docked somewhere else leaves its child,
// which then goes away.
//
// The child sizes the bar to itself when it is resized, shows the bar's
// text as its title, remembers its place as the bar's floating position,
// and closing it hides the bar rather than destroying anything. A click in
// it makes it the frame's active floating child (commands reach it first)
// without taking the MDI activation from the documents' children.
//
// SECControlBarMDIChildWnd is the plain form; SECControlBarWorksheet is the
// same on a workbook sheet, so a floating bar gets a sheet tab.
#pragma once

#include <windows.h>

#include "MDIFrame.h"
#include "SECControlBar.h"
#include "SECDockBar.h"
#include "Workbook.h"

// A toolkit bar's extended style bit: it may float in the main window (as
// an MDI child).
#define CBRS_EX_ALLOW_MDI_FLOAT 0x0020L

// The child frame that hosts `bar` floating in an MDI client, or null.
CMDIChildWnd* SECFloatingHostOf(const CControlBar* bar);

// What a child frame that hosts one floating bar does; both host classes
// hold one and pass their messages to it.
class SECFloatingBarHost {
public:
    explicit SECFloatingBarHost(CFrameWnd* child) : m_child(child), m_dockBar(TRUE) {}

    SECDockBar& GetDockBar() { return m_dockBar; }
    // The bar held, or null.
    CControlBar* GetBar() const { return m_dockBar.GetFirstBar(); }

    // The child's window style: no client edge.
    static void AdjustStyle(CREATESTRUCT& cs) { cs.dwExStyle &= ~WS_EX_CLIENTEDGE; }
    // Makes the dock bar inside the child.
    BOOL CreateDockBar();
    // The bar takes the child's new client size.
    void OnSize(int cx, int cy);
    // Closing hides the bar; FALSE when the child should close after all.
    BOOL OnClose();
    // The child's place becomes the bar's floating position.
    void OnWindowPosChanged();
    // Lays the child out; TRUE when the framework's layout should run.
    BOOL BeforeLayout() const { return !m_bLayoutBusy; }
    // After the layout: the bar's text as the title; a child without a
    // shown bar hides, one without a bar goes away.
    void AfterLayout();
    // The private message that destroys an emptied child.
    static const UINT WM_RELEASEEMPTYCHILD;
    void OnReleaseIfEmpty();

private:
    CFrameWnd* m_child;
    SECDockBar m_dockBar;
    BOOL m_bLayoutBusy = FALSE;
};

class SECControlBarMDIChildWnd : public SECMDIChildWnd {
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)

public:
    SECControlBarMDIChildWnd() : m_host(this) {}

    SECDockBar& GetDockBar() { return m_host.GetDockBar(); }
    CControlBar* GetBar() const { return m_host.GetBar(); }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL notify = TRUE) override;
    // The title is the bar's, kept as it is.
    void OnUpdateFrameTitle(BOOL) override {}

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnWindowPosChanged(WINDOWPOS* pos);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg LRESULT OnReleaseIfEmpty(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    SECFloatingBarHost m_host;
};

class SECControlBarWorksheet : public SECWorksheet {
    DECLARE_DYNCREATE(SECControlBarWorksheet)

public:
    SECControlBarWorksheet() : m_host(this) {}

    SECDockBar& GetDockBar() { return m_host.GetDockBar(); }
    CControlBar* GetBar() const { return m_host.GetBar(); }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void RecalcLayout(BOOL notify = TRUE) override;
    // The title is the bar's; only the sheet's tab is drawn again.
    void OnUpdateFrameTitle(BOOL addToTitle) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnWindowPosChanged(WINDOWPOS* pos);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg LRESULT OnReleaseIfEmpty(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    SECFloatingBarHost m_host;
};
