// What the toolkit's MDI frame and SDI frame add to the framework's frames,
// kept once for both: the plug-ins that see the frame's messages and
// commands first, the menu bar and menu lookup, the objects the frame owns,
// the control-bar manager, the custom caption and the idle layout while the
// bars are customised. Each frame holds one and calls it from its message
// processing; every feature is inert until a program switches it on.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "CmdTarget.h"
#include "CustomCaption.h"
#include "FrameWnd.h"
#include "MenuBarLink.h"

class CObject;
class CRuntimeClass;
class SECControlBarInfo;
class SECControlBarManager;
class SECDockState;
class SECWndPlugIn;

class SECFrameFeatures {
public:
    explicit SECFrameFeatures(CFrameWnd* frame);
    ~SECFrameFeatures();
    SECFrameFeatures(const SECFrameFeatures&) = delete;
    SECFrameFeatures& operator=(const SECFrameFeatures&) = delete;

    // Message processing. Before the frame's own: the menu plug-in (all
    // messages but WM_INITMENUPOPUP) and the custom caption; TRUE means the
    // message is answered (*result). After the frame's own: the menu
    // plug-in sees WM_INITMENUPOPUP once the items are updated.
    BOOL BeforeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL PreTranslate(MSG* msg);

    // The menu plug-in: the menu bar's, else one of the bitmap-menu class.
    void CreateMenuPlugIn();
    void DeleteMenuPlugIn();
    SECWndPlugIn* GetMenuPlugIn() const { return m_menuPlugIn.get(); }

    // The command plug-in: an object of `cls` (a window plug-in) attached to
    // the frame; null (and nothing kept) when it can't be made or attached.
    SECWndPlugIn* CreateCommandPlugIn(CWnd* parent, UINT id, CRuntimeClass* cls, LPVOID param);
    SECWndPlugIn* GetCommandPlugIn() const { return m_commandPlugIn.get(); }
    // Offers a command to `plugIn` (may be null); TRUE when it took it.
    static BOOL RouteToPlugIn(SECWndPlugIn* plugIn, UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo);

    // Menu bar and menus.
    void SetMenuBar(SECMenuBarLink* menuBar) { m_menuBar = menuBar; }
    SECMenuBarLink* GetMenuBar() const { return m_menuBar; }
    void EnableBitmapMenus(CRuntimeClass* plugInClass) { m_bitmapMenuClass = plugInClass; }
    BOOL HasBitmapMenus() const { return m_bitmapMenuClass != nullptr; }
    // The frame's menu resource id: the default and current menu ids (the
    // id under which the menu bar's own menu is found).
    void SetMenuIds(UINT resourceId);
    UINT GetDefaultMenuId() const { return m_defaultMenuId; }
    UINT GetCurrentMenuId() const { return m_currentMenuId; }
    // The menu bar's own menu (the frame's menu resource), destroyed with it.
    void SetMenuBarMenu(HMENU menu);
    // With a menu bar, the frame's window menu becomes the bar's own menu.
    void MoveMenuToMenuBar();
    HMENU GetMenuBarMenu() const { return m_menuBarMenu; }
    // Menus kept by id and destroyed with the frame.
    void AddMenu(UINT id, HMENU menu);
    HMENU FindMappedMenu(UINT id) const;

    // The manager of the frame's bars (not owned).
    SECControlBarManager* GetControlBarManager() const { return m_manager; }
    void SetControlBarManager(SECControlBarManager* manager) { m_manager = manager; }
    BOOL IsCustomizing() const;

    // Objects the frame owns and deletes with itself (bar records).
    void AdoptObject(CObject* object) { m_ownedObjects.emplace_back(object); }
    const std::vector<std::unique_ptr<CObject>>& GetOwnedObjects() const { return m_ownedObjects; }

    // While the bars are customised, a dialog's idle time lays out the
    // frame when a layout is pending.
    void OnIdleLayout(UINT reason);

    SECCustomCaption& Caption() { return m_caption; }
    CFrameWnd* GetFrame() const { return m_frame; }

    // Set once the frame starts closing.
    BOOL m_bClosing = FALSE;

private:
    CFrameWnd* m_frame;
    std::unique_ptr<SECWndPlugIn> m_menuPlugIn;
    std::unique_ptr<SECWndPlugIn> m_commandPlugIn;
    SECMenuBarLink* m_menuBar = nullptr;
    CRuntimeClass* m_bitmapMenuClass = nullptr;
    UINT m_defaultMenuId = 0;
    UINT m_currentMenuId = 0;
    HMENU m_menuBarMenu = nullptr;
    std::map<UINT, HMENU> m_menuMap;
    SECControlBarManager* m_manager = nullptr;
    std::vector<std::unique_ptr<CObject>> m_ownedObjects;
    SECCustomCaption m_caption;
};

// The pop-up at `position` of `menu`, for WM_SECGETMENU; null when none.
HMENU SECPopupOf(HMENU menu, LPARAM position);
// WM_SECGETMENU's wParam when it is a menu handle rather than a menu id.
HMENU SECMenuHandleOf(WPARAM idOrMenu);

// The layout mode in which a bar docked with a stored length commits it:
// by the dock bar it goes to (along the top or bottom, down a side, else
// floating), or by the bar's own style (floating and dynamic, aligned to
// the top or bottom, else down a side).
DWORD SECDockModeForDockBar(UINT dockBarId);
DWORD SECDockModeForBarStyle(DWORD barStyle);

// Docks `bar` with a stored layout: a toolkit bar first takes `record` (its
// saved sizes and styles, when given), then commits its size for `length`
// in the layout `mode`; the dock bar `dockBarId` takes it at `rect`
// (screen), or with `hasPoint` with its top-left at `point`.
void SECDockControlBarWithLayout(CFrameWnd* frame, CControlBar* bar, UINT dockBarId, int length, DWORD mode,
                                 const RECT* rect, SECControlBarInfo* record);
void SECDockControlBarAtPoint(CFrameWnd* frame, CControlBar* bar, UINT dockBarId, int length, DWORD mode,
                              POINT point, SECControlBarInfo* record);

// The toolkit's dock bars and floating frames for `frame`, where it still
// has the framework's.
void SECUseToolkitDocking(CFrameWnd* frame);
// Redraws the toolkit dock bars among `frame`'s children (their splitters
// follow the rows).
void SECInvalidateToolkitDockBars(CFrameWnd* frame);

// The part of a toolkit frame's interface that its features give: the
// frame derives from its framework frame and from this.
class SECFrameFeatureHost {
public:
    explicit SECFrameFeatureHost(CFrameWnd* frame) : m_features(frame) {}
    virtual ~SECFrameFeatureHost() = default;

    // Plug-ins.
    virtual SECWndPlugIn* CreateCommandPlugIn(CWnd* parent, UINT id, CRuntimeClass* cls, LPVOID param) {
        return m_features.CreateCommandPlugIn(parent, id, cls, param);
    }
    SECWndPlugIn* GetCommandPlugIn() const { return m_features.GetCommandPlugIn(); }
    SECWndPlugIn* GetMenuPlugIn() const { return m_features.GetMenuPlugIn(); }

    // Menu bar and bitmap menus (see MenuBarLink.h); set before LoadFrame.
    void SetMenuBar(SECMenuBarLink* menuBar) { m_features.SetMenuBar(menuBar); }
    virtual SECMenuBarLink* GetMenuBar() const { return m_features.GetMenuBar(); }
    void EnableBitmapMenus(CRuntimeClass* plugInClass) { m_features.EnableBitmapMenus(plugInClass); }
    // Menus kept by id and destroyed with the frame.
    void AddMenu(UINT id, HMENU menu) { m_features.AddMenu(id, menu); }
    // The menu of `id` (see each frame); null when none.
    virtual HMENU GetMenuForId(UINT id) = 0;

    // Bars: the manager (not owned) and the objects (bar records) the frame
    // deletes with itself.
    virtual SECControlBarManager* GetControlBarManager() const { return m_features.GetControlBarManager(); }
    virtual void SetControlBarManager(SECControlBarManager* manager) { m_features.SetControlBarManager(manager); }
    void AdoptObject(CObject* object) { m_features.AdoptObject(object); }

    // The layout of the frame's bars (see SECDockState.h). The profile
    // form: saved under `profileName`, normalised; loading also makes the
    // frame the program's main window when it has none yet.
    virtual void LoadBarState(LPCSTR profileName);
    virtual void SaveBarState(LPCSTR profileName);
    // The layout given to or taken from a state object.
    virtual void SetDockState(SECDockState& state);
    virtual void GetDockState(SECDockState& state);

    // Custom caption (see CustomCaption.h).
    void EnableCustomCaption(BOOL on, BOOL redraw = TRUE) { m_features.Caption().Enable(on, redraw); }
    SECCustomCaption& GetCustomCaption() { return m_features.Caption(); }
    virtual void DrawCaption() { m_features.Caption().Draw(); }

    BOOL IsClosing() const { return m_features.m_bClosing; }

protected:
    SECFrameFeatures m_features;
};

// A toolkit frame on the framework frame `Base` (CFrameWnd or
// CMDIFrameWnd): what both toolkit frames do the same way around their
// framework frame. Messages go to the features first (BeforeMessage,
// PreTranslate); the menu plug-in lives from WM_CREATE to WM_DESTROY.
// Commands go to the frame's first target (RouteFirst: the active child of
// an MDI frame), then to the command plug-in (the frame's own, else its
// top-level toolkit frame's), then through the framework's routing of a
// frame (its view and document, the frame, the application).
template <class Base>
class SECFeatureFrame : public Base, public SECFrameFeatureHost {
public:
    SECFeatureFrame() : SECFrameFeatureHost(this) {}

    // The frame's client area less its bars at the last layout.
    const CRect& GetLastLayoutRect() const { return m_lastLayoutRect; }
    // The client area less the bars, asked of the bars now.
    CRect QueryFreeRect() {
        CRect free;
        this->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &free);
        return free;
    }

    // The menu bar's own menu with a menu bar, else the frame's default menu.
    virtual HMENU GetDefaultMenu() {
        return GetMenuBar() != nullptr ? m_features.GetMenuBarMenu() : this->m_hMenuDefault;
    }

    // The frame's dock bars on the sides in `dockStyle`: the toolkit's dock
    // bars and floating frames unless other classes are set.
    void EnableDocking(DWORD dockStyle) {
        SECUseToolkitDocking(this);
        Base::EnableDocking(dockStyle);
    }
    // Docks `bar` in the dock bar `dockBarId` after committing its size for
    // `length` in the frame's layout mode for it (DockMode). With `record`,
    // a toolkit bar first takes its saved sizes and styles.
    virtual void DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, const RECT* rect = nullptr,
                                  SECControlBarInfo* record = nullptr) {
        if (bar == nullptr) return;
        SECDockControlBarWithLayout(this, bar, dockBarId, length, DockMode(bar, dockBarId), rect, record);
    }
    // The same with the bar's top-left (screen) as separate coordinates.
    virtual void DockControlBarEx(CControlBar* bar, UINT dockBarId, int length, int left, int top,
                                  SECControlBarInfo* record = nullptr) {
        if (bar == nullptr) return;
        SECDockControlBarAtPoint(this, bar, dockBarId, length, DockMode(bar, dockBarId), POINT{left, top}, record);
    }

    // While the bars are customised, a dialog's idle time lays out the frame.
    virtual void OnIdleLayout(UINT reason, CWnd*) {
        m_features.OnIdleLayout(reason);
        this->Default();
    }

    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override {
        RoutingFrameScope routing(this);
        if (RouteFirst(id, code, extra, handlerInfo)) return TRUE;
        if (SECFrameFeatures::RouteToPlugIn(RoutingPlugIn(), id, code, extra, handlerInfo)) return TRUE;
        return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (m_features.BeforeMessage(message, wParam, lParam, &result)) return result;
        result = Base::WindowProc(message, wParam, lParam);
        m_features.AfterMessage(message, wParam, lParam);
        return result;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (m_features.PreTranslate(msg)) return TRUE;
        return Base::PreTranslateMessage(msg);
    }
    BOOL DestroyWindow() override {
        m_features.m_bClosing = TRUE;
        m_features.DeleteMenuPlugIn();
        return Base::DestroyWindow();
    }

protected:
    // The layout mode in which a bar docked with a stored length commits it.
    virtual DWORD DockMode(CControlBar* bar, UINT dockBarId) = 0;
    // The target a command is offered to before the plug-in; TRUE when taken.
    virtual BOOL RouteFirst(UINT, int, void*, CmdHandlerInfo*) { return FALSE; }
    // The plug-in commands are offered to: the frame's command plug-in, else
    // that of its top-level toolkit frame.
    SECWndPlugIn* RoutingPlugIn() {
        if (SECWndPlugIn* own = GetCommandPlugIn()) return own;
        CFrameWnd* top = this->GetTopLevelFrame();
        auto* host = top != nullptr && top != this ? dynamic_cast<SECFrameFeatureHost*>(top) : nullptr;
        return host != nullptr ? host->GetCommandPlugIn() : nullptr;
    }
    // After the framework's layout: the first one redraws the whole frame
    // with its children, later ones the toolkit's dock bars when
    // `refreshDockBars`; the free area is remembered.
    void AfterLayout(BOOL refreshDockBars) {
        if (m_lastLayoutRect.IsRectEmpty())
            this->RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
        else if (refreshDockBars)
            SECInvalidateToolkitDockBars(this);
        m_lastLayoutRect = QueryFreeRect();
    }

    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (Base::OnCreate(cs) == -1) return -1;
        m_features.CreateMenuPlugIn();
        return 0;
    }
    afx_msg void OnDestroy() {
        m_features.DeleteMenuPlugIn();
        Base::OnDestroy();
    }
    afx_msg void OnClose() {
        m_features.m_bClosing = TRUE;
        HWND wnd = this->m_hWnd;
        Base::OnClose();
        // The window (and so this object) is still there: the user kept it open.
        if (::IsWindow(wnd)) m_features.m_bClosing = FALSE;
    }
    afx_msg void OnEnterIdle(UINT reason, CWnd* who) { OnIdleLayout(reason, who); }
    afx_msg LRESULT OnGetMenu(WPARAM id, LPARAM position) {
        // A menu bar may ask by handle instead of by id.
        HMENU menu = SECMenuHandleOf(id);
        if (menu == nullptr) menu = GetMenuForId(static_cast<UINT>(id));
        return reinterpret_cast<LRESULT>(SECPopupOf(menu, position));
    }
    afx_msg void OnWorkspaceCommand(UINT) {}
    afx_msg void OnUpdateWorkspaceCommand(CCmdUI*) {}

    CRect m_lastLayoutRect;
};

// The message-map entries both toolkit frames have, for the handlers of
// SECFeatureFrame: creation, closing and destruction (the menu plug-in), a
// dialog's idle time, WM_SECGETMENU and the workspace commands (which do
// nothing).
#define ID_SEC_WORKSPACE_FIRST 43007
#define ID_SEC_WORKSPACE_LAST 43014
#define ID_SEC_WORKSPACE2_FIRST 43031
#define ID_SEC_WORKSPACE2_LAST 43039
#define SEC_FRAME_FEATURE_MESSAGES()                                                                       \
    ON_WM_CREATE()                                                                                         \
    ON_WM_CLOSE()                                                                                          \
    ON_WM_DESTROY()                                                                                        \
    ON_WM_ENTERIDLE()                                                                                      \
    ON_REGISTERED_MESSAGE(WM_SECGETMENU, OnGetMenu)                                                        \
    ON_COMMAND_RANGE(ID_SEC_WORKSPACE_FIRST, ID_SEC_WORKSPACE_LAST, OnWorkspaceCommand)                    \
    ON_COMMAND_RANGE(ID_SEC_WORKSPACE2_FIRST, ID_SEC_WORKSPACE2_LAST, OnWorkspaceCommand)                  \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE_FIRST, ID_SEC_WORKSPACE_LAST, OnUpdateWorkspaceCommand)    \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE2_FIRST, ID_SEC_WORKSPACE2_LAST, OnUpdateWorkspaceCommand)
