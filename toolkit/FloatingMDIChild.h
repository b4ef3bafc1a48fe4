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
    explicit SECFloatingBarHost(CMDIChildWnd* child) : m_child(child), m_dockBar(TRUE) {}

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
    // A click in the child makes it the frame's active floating child,
    // leaving the documents' MDI activation alone (MA_NOACTIVATE).
    int ActivateAsFloating();
    // Shown or hidden: the main frame's window menu lists it or not.
    static void AskMainFrameToRefreshMenu();

private:
    CMDIChildWnd* m_child;
    SECDockBar m_dockBar;
    BOOL m_bLayoutBusy = FALSE;
};

// A child frame of class `Base` that hosts one floating bar: the host's
// handling around the frame's own.
template <class Base>
class SECFloatingBarChild : public Base {
public:
    SECFloatingBarChild() : m_host(this) {}
    SECDockBar& GetDockBar() { return m_host.GetDockBar(); }
    CControlBar* GetBar() const { return m_host.GetBar(); }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        SECFloatingBarHost::AdjustStyle(cs);
        return Base::PreCreateWindow(cs);
    }
    void RecalcLayout(BOOL notify = TRUE) override {
        if (!m_host.BeforeLayout()) return;
        Base::RecalcLayout(notify);
        m_host.AfterLayout();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SIZE: m_host.OnSize(LOWORD(lParam), HIWORD(lParam)); break;
        case WM_CLOSE:
            if (m_host.OnClose()) return 0;
            break;
        case WM_MOUSEACTIVATE: return m_host.ActivateAsFloating();
        default:
            if (message == SECFloatingBarHost::WM_RELEASEEMPTYCHILD) {
                m_host.OnReleaseIfEmpty();  // may destroy this child
                return 0;
            }
            break;
        }
        // The frame's own processing may destroy it: nothing of it is used after.
        const LRESULT result = Base::WindowProc(message, wParam, lParam);
        if (message == WM_WINDOWPOSCHANGED) m_host.OnWindowPosChanged();
        else if (message == WM_SHOWWINDOW) SECFloatingBarHost::AskMainFrameToRefreshMenu();
        return result;
    }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext*) override { return m_host.CreateDockBar(); }

    SECFloatingBarHost m_host;
};

class SECControlBarMDIChildWnd : public SECFloatingBarChild<SECMDIChildWnd> {
    DECLARE_DYNCREATE(SECControlBarMDIChildWnd)

public:
    // The title is the bar's, kept as it is.
    void OnUpdateFrameTitle(BOOL) override {}
};

class SECControlBarWorksheet : public SECFloatingBarChild<SECWorksheet> {
    DECLARE_DYNCREATE(SECControlBarWorksheet)

public:
    // The title is the bar's; only the sheet's tab is drawn again.
    void OnUpdateFrameTitle(BOOL addToTitle) override;
};
