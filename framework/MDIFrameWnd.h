// The frames of a multiple-document program.
//
// CMDIFrameWnd is the main window. Its client area holds the MDI client
// window (id AFX_IDW_PANE_FIRST, m_hWndMDIClient), made by CreateClient while
// the frame is created, with the menu bar's Window pop-up receiving the list
// of open child windows. Each document is shown in a CMDIChildWnd inside
// the MDI client.
//
// Commands reaching the main frame go first to the active child frame (its
// active view, that view's document, the child frame itself), then to the
// main frame and last to the application.
//
// Menus and accelerators: a child frame made by a template uses the
// template's shared menu and accelerator table; while it is active they
// replace the main frame's own (WM_MDISETMENU), and when the last child
// goes the main frame's menu comes back.
//
// Layout: the frame places the MDI client itself (RecalcLayout, through the
// client's CalcWindowRect), so WM_SIZE never reaches the system's default
// frame procedure, which would stretch the client over the whole area.
#pragma once

#include <windows.h>

#include "FrameWnd.h"

class CCmdUI;
class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;

    // Makes the MDI client, with `windowMenu` as the Window pop-up.
    virtual BOOL CreateClient(LPCREATESTRUCT cs, CMenu* windowMenu);
    // The Window pop-up of a menu bar: the pop-up that holds the Window
    // commands, else the second-to-last pop-up.
    virtual HMENU GetWindowMenuPopup(HMENU menuBar);

    // The active child frame (null when none); `maximized` tells whether it
    // is maximised.
    virtual CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
    void MDIActivate(CWnd* wnd);
    void MDIMaximize(CWnd* wnd);
    void MDIRestore(CWnd* wnd);
    void MDINext();
    void MDICascade();
    void MDITile(int how = MDITILE_HORIZONTAL);
    void MDIIconArrange();
    // Puts up a menu bar and its Window pop-up; returns the previous bar.
    HMENU MDISetMenu(HMENU frameMenu, HMENU windowMenu);

    CFrameWnd* GetActiveFrame() override;
    HACCEL GetDefaultAccelerator() override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    void OnUpdateFrameMenu(HMENU alternateMenu) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnWindowNew();
    afx_msg BOOL OnMDIWindowCmd(UINT id);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* cmdUI);

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;

    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    CMDIChildWnd();

    // Makes the child window inside `parent`'s MDI client (the main window
    // when null), hidden until ActivateFrame shows it.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName,
                        DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* parent = nullptr,
                        CCreateContext* context = nullptr);
    // Loads the frame as a child of `parent` (the main window when null);
    // with a multiple-document template in the context, the frame takes the
    // template's shared menu and accelerators.
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
    // Destroys the window through the MDI client.
    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();
    void MDIDestroy();

    // Shows the frame (maximised when the active child is) and activates it.
    void ActivateFrame(int cmdShow = -1) override;
    // The child's title is its document's (with its window number); the
    // main frame's title follows.
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    // Activating puts up this frame's menu (`alternateMenu`, else the shared
    // menu, else the main frame's); when the last child is deactivated the
    // main frame's menu comes back.
    virtual void OnUpdateFrameMenu(BOOL activate, CWnd* activateWnd, HMENU alternateMenu);
    void OnUpdateFrameMenu(HMENU alternateMenu) override;

    // The active view, its document and the frame; the main frame and the
    // application come after, through the main frame.
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The template's shared menu, or null.
    HMENU m_hMenuShared = nullptr;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);

protected:
    DECLARE_MESSAGE_MAP()
};
