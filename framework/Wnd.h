// CWnd: a C++ object bound to a window.
//
// A window made by Create/CreateEx is bound to its object before its first
// message (a creation hook subclasses it the moment it exists), so the
// object's message map sees WM_NCCREATE and WM_CREATE. An existing window can
// be bound with SubclassWindow. Every message then runs
//
//   WindowProc -> OnWndMsg -> message map handler, or DefWindowProc
//
// where DefWindowProc calls the window procedure the window had before it was
// subclassed (its class procedure), so a CWnd over a common control or a
// dialog keeps that window's own behaviour.
//
// Handles map to objects: FromHandlePermanent finds the bound object;
// FromHandle also wraps unbound windows in temporary CWnd objects that are
// deleted when the thread next goes idle (never keep such a pointer).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "CmdTarget.h"
#include "DC.h"
#include "Menu.h"
#include "WindowMessages.h"

// winuser.h makes GetNextWindow a macro; here it is a member.
#undef GetNextWindow

class CScrollBar;
class CToolTipCtrl;
class CFrameWnd;
struct CCreateContext;

// What WM_SIZEPARENT carries in lParam while a window lays out its bars:
// each bar takes its room from `rect` (the area still free) and adds its
// new position to the deferred positions (null for a layout query).
struct SizeParentParams {
    HDWP hDWP = nullptr;
    RECT rect = {};
    SIZE sizeTotal = {};
    BOOL bStretch = TRUE;
};

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd() = default;
    explicit CWnd(HWND wnd) : m_hWnd(wnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // Destroys a window still bound to the object.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    // Null when called through a null pointer.
    HWND GetSafeHwnd() const;
    BOOL operator==(const CWnd& other) const { return m_hWnd == other.m_hWnd; }
    BOOL operator!=(const CWnd& other) const { return m_hWnd != other.m_hWnd; }

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Handle map.
    static CWnd* FromHandle(HWND wnd);
    static CWnd* FromHandlePermanent(HWND wnd);
    static void DeleteTempMap();
    BOOL Attach(HWND wnd);
    HWND Detach();

    // Creation and destruction.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, CCreateContext* context = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                          int y, int width, int height, HWND parent, HMENU idOrMenu,
                          LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Called once the window is gone (after WM_NCDESTROY); a window that
    // owns itself deletes its object here.
    virtual void PostNcDestroy();

    // Subclassing an existing window.
    BOOL SubclassWindow(HWND wnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    // Called while a window is being bound, before its first message here.
    virtual void PreSubclassWindow();

    // Message processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's chance to handle a notification its parent received from
    // it; the default looks for a reflection entry in the control's map.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Offers the message being processed to the bound object of `child`.
    static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers `msg` to PreTranslateMessage of its window and then of each
    // parent (a pop-up's parent is its owner), up to and including `stop`.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
    // The message being processed by this thread's window procedure.
    static const MSG* GetCurrentMessage();
    // Default processing of the current message.
    LRESULT Default();

    // Text and identity.
    void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(LPSTR text, int maxCount) const { return ::GetWindowTextA(m_hWnd, text, maxCount); }
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id);
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    // Changes style bits; with `flags` the frame is recalculated through
    // SetWindowPos(flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    static BOOL ModifyStyle(HWND wnd, DWORD remove, DWORD add, UINT flags);
    static BOOL ModifyStyleEx(HWND wnd, DWORD remove, DWORD add, UINT flags);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;

    // Dialog items.
    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* wnd) const { *wnd = ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    int GetDlgItemText(int id, LPSTR text, int maxCount) const;
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int check) { ::CheckRadioButton(m_hWnd, first, last, check); }
    int GetCheckedRadioButton(int first, int last) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;

    // Geometry.
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // Adds the non-client area to a client rectangle.
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    virtual void CalcWindowRect(LPRECT clientRect, UINT adjustType = adjustBorder);
    // Lays out the children with ids first..last (the bars) through
    // WM_SIZEPARENT and gives the left-over area to the child `leftOverId`
    // (through its CalcWindowRect). reposQuery only computes: `rectParam`
    // gets the left-over area. reposExtra shrinks that area by `rectParam`'s
    // edges first. `rectClient` replaces the client area when given.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    void RepositionBars(UINT first, UINT last, UINT leftOverId, UINT flags = reposDefault,
                        LPRECT rectParam = nullptr, LPCRECT rectClient = nullptr, BOOL stretch = TRUE);

    // State.
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL IsChild(const CWnd* wnd) const { return ::IsChild(m_hWnd, wnd->GetSafeHwnd()); }
    BOOL FlashWindow(BOOL invert) { return ::FlashWindow(m_hWnd, invert); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw, 0); }

    // Relatives.
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner) { m_hWndOwner = owner->GetSafeHwnd(); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    // The nearest frame above this window (not the window itself), and the
    // outermost frame of this window's tree (this window when it is one).
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetWindow(UINT command) const { return FromHandle(::GetWindow(m_hWnd, command)); }
    CWnd* GetNextWindow(UINT flag = GW_HWNDNEXT) const { return GetWindow(flag); }
    CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
    CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
    CWnd* ChildWindowFromPoint(POINT point) const { return FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }
    CWnd* ChildWindowFromPoint(POINT point, UINT flags) const {
        return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, flags));
    }
    // The first descendant with the control id (searched breadth first).
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    static CWnd* GetDescendantWindow(HWND wnd, int id, BOOL onlyPermanent);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL deep = TRUE, BOOL onlyPermanent = FALSE);
    static void SendMessageToDescendants(HWND wnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, BOOL deep, BOOL onlyPermanent);

    // Focus, activation, capture.
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* FindWindow(LPCSTR className, LPCSTR windowName);
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

    // Painting.
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
    void ValidateRgn(CRgn* region);
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT update = nullptr, CRgn* updateRegion = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) { return ::GetUpdateRect(m_hWnd, rect, erase); }
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    int ReleaseDC(CDC* dc);
    CDC* BeginPaint(LPPAINTSTRUCT paint) { return CDC::FromHandle(::BeginPaint(m_hWnd, paint)); }
    void EndPaint(LPPAINTSTRUCT paint) { ::EndPaint(m_hWnd, paint); }
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
    BOOL ShowOwnedPopups(BOOL show = TRUE) { return ::ShowOwnedPopups(m_hWnd, show); }

    // Messages and timers.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr) {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // Menus.
    CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
    BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu->GetSafeHmenu()); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

    // Scrolling. Every call goes through GetScrollBarCtrl: when it returns a
    // scroll-bar control, that control stands in for the window's own bar.
    virtual CScrollBar* GetScrollBarCtrl(int bar) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int GetScrollLimit(int bar) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, bar, show); }
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH);
    // Enables a stand-in control, or shows/hides the window's own bar.
    void EnableScrollBarCtrl(int bar, BOOL enable = TRUE);
    void ScrollWindow(int dx, int dy, LPCRECT scroll = nullptr, LPCRECT clip = nullptr) {
        ::ScrollWindow(m_hWnd, dx, dy, scroll, clip);
    }
    int ScrollWindowEx(int dx, int dy, LPCRECT scroll, LPCRECT clip, CRgn* update,
                       LPRECT updateRect, UINT flags);
    void DragAcceptFiles(BOOL accept = TRUE);

    // Tooltips. A window that enables them gets the thread's tooltip control
    // fed from OnToolHitTest. A hit returns a tool id (-1 for none) and fills
    // the TOOLINFO; its lpszText is LPSTR_TEXTCALLBACK or a malloc'ed copy of
    // the text, which the framework frees.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const;
    BOOL EnableToolTips(BOOL enable = TRUE);
    void FilterToolTipMessage(MSG* msg);
    static void CancelToolTips(BOOL keys = FALSE);

    // Dialog windows made from a template, bound like a created window: the
    // template by name (from the resource module) or in memory.
    BOOL CreateDlg(LPCSTR templateName, CWnd* parent);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent, HINSTANCE instance = nullptr);
    // Runs the combo- and list-box strings stored with a dialog template
    // (an RT_DLGINIT resource of the same name); TRUE when there are none.
    BOOL ExecuteDlgInit(LPCSTR templateName);

    // A modal message loop of this window: runs until EndModalLoop, keeping
    // the thread's message handling (PreTranslateMessage, timers, posted
    // messages, idle updates). MLF_SHOWONIDLE shows the window once idle.
    enum ModalLoopFlags { MLF_NOIDLEMSG = 0x1, MLF_NOKICKIDLE = 0x2, MLF_SHOWONIDLE = 0x4 };
    int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);

    // Command-UI for a pop-up menu: each item asks this window's command
    // routing for its state, and items no handler serves are disabled when
    // `disableIfNoHandler` is set.
    void UpdateMenuCmdUI(CMenu* popup, BOOL disableIfNoHandler = TRUE);
    // Command-UI for the child controls, used by dialog-like bars.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);

    // Message handlers with their default processing. Derived classes hide
    // them and list the message in their map (ON_WM_PAINT, ...).
    afx_msg void OnActivate(UINT state, CWnd* other, BOOL minimized);
    afx_msg void OnActivateApp(BOOL active, DWORD threadId);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg void OnChar(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnChildActivate();
    afx_msg void OnClose();
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg void OnDestroy();
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    afx_msg void OnDropFiles(HDROP drop);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnEnterIdle(UINT reason, CWnd* who);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
    afx_msg void OnInitMenu(CMenu* menu);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg void OnKeyDown(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnKeyUp(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnSysKeyDown(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnSysKeyUp(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnSysChar(UINT ch, UINT repeatCount, UINT flags);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnRButtonUp(UINT flags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMButtonDown(UINT flags, CPoint point);
    afx_msg void OnMButtonUp(UINT flags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    afx_msg void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);
    afx_msg LRESULT OnMenuChar(UINT ch, UINT flags, CMenu* menu);
    afx_msg void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
    afx_msg void OnMove(int x, int y);
    afx_msg BOOL OnNcActivate(BOOL active);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT cs);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT hitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT hitTest, CPoint point);
    afx_msg void OnNcMButtonDown(UINT hitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT hitTest, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnPaletteChanged(CWnd* focusWnd);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnSettingChange(UINT flags, LPCSTR section);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* pos);
    afx_msg void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);

protected:
    // The window procedure the window had before it was bound; messages
    // without a handler go there.
    WNDPROC m_pfnSuper = nullptr;
    // Owner for windows whose Win32 owner cannot be set (child windows).
    HWND m_hWndOwner = nullptr;
    // Set while this window feeds the thread's tooltip control.
    BOOL m_bToolTipsEnabled = FALSE;
    // The modal loop's state and result.
    BOOL m_bInModalLoop = FALSE;
    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend class WindowCreationHook;
    friend int AfxRunModalWindow(CWnd*, CWnd*, const std::function<BOOL(CWnd*)>&);
    // Binds the window and puts AfxWndProc in front of its procedure.
    void SubclassForFramework(HWND wnd);
    // Offers a notification to the bound object of the control it came from.
    static BOOL ReflectToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT* result);
    // WM_COMPAREITEM and WM_DELETEITEM: reflected, else default processing.
    afx_msg LRESULT OnOwnerDrawMessage(WPARAM wParam, LPARAM lParam);
};

// Moves `wnd` to `rect` (parent coordinates) as part of a bar layout: by the
// layout's deferred positions, or at once when it has none.
void AfxRepositionWindow(SizeParentParams* layout, HWND wnd, LPCRECT rect);

// The procedure every bound window runs. No exception leaves it: one thrown
// by a handler is reported and the message answered as failed.
LRESULT CALLBACK AfxWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

// For a catch (...) block at a Win32 boundary: tells the user what the
// exception being handled says (a message box; a framework exception is
// deleted, and a CUserException shows nothing, its thrower having told).
void AfxReportCaughtException();

// Registers (once) and names a window class with the framework's procedure
// settings: the name stays valid for the life of the program.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr,
                                  HBRUSH background = nullptr, HICON icon = nullptr);
