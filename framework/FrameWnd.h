// CFrameWnd: a main or document window with a menu, accelerators, bars and
// the panes (views) that fill its client area.
//
// LoadFrame makes a frame from one resource id: its menu, accelerator table,
// icon and the first line of its string (the title). While the window is
// created, OnCreateClient makes the panes, by default one view of the
// create context's view class with id AFX_IDW_PANE_FIRST.
//
// Layout: RecalcLayout offers the client area to the bars (children that
// answer WM_SIZEPARENT) and gives what is left to the pane AFX_IDW_PANE_FIRST
// through its CalcWindowRect.
//
// Commands reaching the frame go to the active view (which passes them on
// to its document), then to the frame itself, then to the application.
//
// Status prompts: selecting a menu item sends WM_SETMESSAGESTRING with the
// item's id to the frame, which shows the first line of the string of that
// id in the message bar (the descendant AFX_IDW_STATUS_BAR, when there is
// one); at idle after the menu closes the frame sends AFX_IDS_IDLEMESSAGE
// ("Ready"). Frames without a bar still get these messages.
//
// Frames delete themselves when their window is destroyed.
#pragma once

#include <windows.h>

#include <vector>

#include "ControlBar.h"
#include "CreateContext.h"
#include "DockLayout.h"
#include "Wnd.h"

class CDockBar;
class CMiniDockFrameWnd;
class CDocument;
class CView;
struct CPrintPreviewState;

// Frame styles (in the low word of the window style).
#define FWS_ADDTOTITLE 0x8000L   // the active document's title is part of the window title
#define FWS_PREFIXTITLE 0x4000L  // the document's title comes first
#define FWS_SNAPTOBARS 0x2000L   // the frame sizes itself to its bars

// Makes a frame the thread's routing frame for its lifetime (commands
// routed inside see it through CFrameWnd::GetRoutingFrame), then restores
// the one before.
class RoutingFrameScope {
public:
    explicit RoutingFrameScope(CFrameWnd* frame);
    ~RoutingFrameScope();
    RoutingFrameScope(const RoutingFrameScope&) = delete;
    RoutingFrameScope& operator=(const RoutingFrameScope&) = delete;

private:
    CFrameWnd* previous_;
};

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    // The position of a frame placed by the system.
    static const CRect rectDefault;

    // Creation.
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* parent = nullptr, LPCSTR menuName = nullptr,
                DWORD exStyle = 0, CCreateContext* context = nullptr);
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* parent = nullptr, CCreateContext* context = nullptr);
    // A view of context->m_pNewViewClass as the pane `id`; null on failure.
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Makes the frame ready to show a document: picks the first pane as the
    // active view, sends WM_INITIALUPDATE to every view below it and shows
    // and activates it when `makeVisible`.
    virtual void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
    // Shows the frame (cmdShow -1: as it was, restored when iconic).
    virtual void ActivateFrame(int cmdShow = -1);

    // Active view and document.
    CView* GetActiveView() const { return m_pViewActive; }
    // Makes `view` the active view; with `notify` both views hear of it
    // through OnActivateView.
    void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view is active: this one, or an MDI frame's active child.
    virtual CFrameWnd* GetActiveFrame();

    // Layout.
    virtual void RecalcLayout(BOOL notify = TRUE);
    // Lays out at the next idle time instead of now.
    void DelayRecalcLayout(BOOL notify = TRUE);
    // Updates the title at the next idle time.
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }

    // Titles and menus.
    virtual void OnUpdateFrameTitle(BOOL addToTitle);
    // The window text for a document named `docName` (null: the frame's own
    // title), with the window number when the document has several frames.
    void UpdateFrameTitleForDocument(LPCSTR docName);
    virtual void OnUpdateFrameMenu(HMENU alternateMenu);
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR title) { m_strTitle = title; }
    virtual HACCEL GetDefaultAccelerator();

    // Status prompts.
    void SetMessageText(LPCSTR text);
    void SetMessageText(UINT id);
    // The window that shows prompts: the descendant AFX_IDW_STATUS_BAR.
    virtual CWnd* GetMessageBar();
    // The prompt of command `id`: its string up to the first newline.
    virtual void GetMessageString(UINT id, CString& text) const;

    // Print preview enters (preview TRUE) or leaves: the default hides the
    // menu while in preview and restores it afterwards.
    virtual void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state);
    // Set while print preview is up, to end it. The frame calls it before it
    // closes or goes, and a view of the frame before it goes, so the preview
    // ends (its job's OnEndPrinting included) once, while all is still there.
    void (*m_lpfnCloseProc)(CFrameWnd* frame) = nullptr;

    // Bars. The bar with id `id` among the frame's children, or null.
    CControlBar* GetControlBar(UINT id) const;
    // Shows or hides a bar, now (and lays out) or at the next idle time.
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);

    // Docking. Makes a dock bar for each side in `dockStyle` (CBRS_ALIGN_*):
    // top and bottom ones span the frame, the left and right ones the
    // height between them, all inside the bars that are already there.
    void EnableDocking(DWORD dockStyle);
    // Docks `bar` in the dock bar `dockBarId` (0: the first one on a side the
    // bar allows), where `rect` (screen) falls or in a new row.
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    void DockControlBar(CControlBar* bar, CDockBar* dockBar, LPCRECT rect = nullptr);
    // Floats `bar` in a floating frame whose top-left is `point` (screen);
    // `style` aligns it (CBRS_ALIGN_TOP: horizontal, CBRS_ALIGN_LEFT: vertical).
    virtual void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    // A new floating frame for bars of `style`.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD style);
    // The side (CBRS_ALIGN_*) of the first dock bar among `style`'s sides that
    // `rect` (screen) meets, and that dock bar; 0 when none.
    DWORD CanDock(CRect rect, DWORD style, CDockBar** dockBar = nullptr) const;
    // The frame's dock bar for one side, or null.
    CDockBar* GetDockBarForSide(DWORD side) const;
    // The frame's dock bars as drop targets, in the order they are tried.
    std::vector<dock_layout::DockTarget> DockTargets() const;
    // The bars the frame docks or floats; bars leave it when destroyed.
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);

    // The classes of the frame's dock bars and floating frames.
    CRuntimeClass* m_pDockBarClass;
    CRuntimeClass* m_pFloatingFrameClass;
    std::vector<CControlBar*> m_listControlBars;

    // Routes with this frame as the thread's routing frame.
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void PostNcDestroy() override;
    // The frame routing the command being handled on this thread, or null.
    static CFrameWnd* GetRoutingFrame();

    // What is left to do at the next idle time.
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };

    UINT m_nIDHelp = 0;
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccelTable = nullptr;
    // The frame's number among the frames of its document (0 when it is
    // the only one): "Engine1:2".
    int m_nWindow = -1;
    // Menu items without a handler are disabled.
    BOOL m_bAutoMenuEnable = TRUE;
    BOOL m_bAutoDelete = TRUE;
    UINT m_nIdleFlags = 0;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetMessageString(WPARAM id, LPARAM text);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);
    // The commands of the bar ids toggle their bars; their menu items are
    // checked while the bar shows.
    afx_msg BOOL OnBarCheck(UINT id);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    // A tooltip's text: the part after the newline of the tool's string.
    afx_msg BOOL OnToolTipText(UINT, NMHDR* header, LRESULT* result);

protected:
    // Makes the panes; the default creates the context's view.
    virtual BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context);
    // WM_CREATE with the context found: panes, then the first layout.
    int OnCreateHelper(LPCREATESTRUCT cs, CCreateContext* context);
    // Routes a command to the active view (and so its document).
    BOOL RouteToActiveView(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo);
    // Routes a command to the application object.
    static BOOL RouteToApplication(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo);
    // Registers the frame class with the icon of resource `resourceId`.
    static LPCSTR FrameClassFor(UINT resourceId);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    // The prompt the frame wants shown, and the one shown last.
    UINT m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    UINT m_nIDLastMessage = 0;
    BOOL m_bInRecalcLayout = FALSE;
    // The menu taken down for print preview.
    HMENU m_hMenuBeforePreview = nullptr;
    BOOL m_bInPreview = FALSE;

    DECLARE_MESSAGE_MAP()
};
