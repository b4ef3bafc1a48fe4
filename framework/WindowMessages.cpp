// The thunks of the ON_WM_* entries: each cracks its message's parameters
// for the handler's signature and stores the handler's result.
#include "WindowMessages.h"

#include "Controls.h"
#include "Wnd.h"

namespace window_thunks {

namespace {

CWnd* WindowOf(UINT_PTR handle) { return CWnd::FromHandle(reinterpret_cast<HWND>(handle)); }
CPoint PointOf(LPARAM lParam) { return CPoint(static_cast<DWORD>(lParam)); }

template <class Result>
BOOL Answer(MessageCall& call, Result result) {
    call.result = static_cast<LRESULT>(result);
    return TRUE;
}

}  // namespace

BOOL NoArguments(CCmdTarget* target, const MessageMapEntry& entry, MessageCall&) {
    CallHandler<void()>(target, entry);
    return TRUE;
}

BOOL Activate(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, CWnd*, BOOL)>(target, entry, LOWORD(call.wParam), WindowOf(static_cast<UINT_PTR>(call.lParam)),
                                         static_cast<BOOL>(HIWORD(call.wParam)));
    return TRUE;
}

BOOL ActivateApp(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(BOOL, DWORD)>(target, entry, static_cast<BOOL>(call.wParam),
                                   static_cast<DWORD>(call.lParam));
    return TRUE;
}

BOOL WindowFromWParam(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(CWnd*)>(target, entry, WindowOf(call.wParam));
    return TRUE;
}

BOOL WindowFromLParam(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(CWnd*)>(target, entry, WindowOf(static_cast<UINT_PTR>(call.lParam)));
    return TRUE;
}

BOOL Key(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, UINT, UINT)>(target, entry, static_cast<UINT>(call.wParam),
                                        LOWORD(call.lParam), HIWORD(call.lParam));
    return TRUE;
}

BOOL ContextMenu(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(CWnd*, CPoint)>(target, entry, WindowOf(call.wParam), PointOf(call.lParam));
    return TRUE;
}

BOOL Create(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<int(LPCREATESTRUCT)>(target, entry,
                                                         reinterpret_cast<LPCREATESTRUCT>(call.lParam)));
}

BOOL CtlColor(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    HBRUSH brush = CallHandler<HBRUSH(CDC*, CWnd*, UINT)>(
        target, entry, CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)), WindowOf(static_cast<UINT_PTR>(call.lParam)),
        call.message - WM_CTLCOLORMSGBOX);
    return Answer(call, reinterpret_cast<LRESULT>(brush));
}

BOOL DrawItem(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(int, LPDRAWITEMSTRUCT)>(target, entry, static_cast<int>(call.wParam),
                                             reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam));
    return Answer(call, TRUE);
}

BOOL MeasureItem(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(int, LPMEASUREITEMSTRUCT)>(target, entry, static_cast<int>(call.wParam),
                                                reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam));
    return Answer(call, TRUE);
}

BOOL DropFiles(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(HDROP)>(target, entry, reinterpret_cast<HDROP>(call.wParam));
    return TRUE;
}

BOOL BoolFromWParam(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(BOOL)>(target, entry, static_cast<BOOL>(call.wParam));
    return TRUE;
}

BOOL EnterIdle(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, CWnd*)>(target, entry, static_cast<UINT>(call.wParam), WindowOf(static_cast<UINT_PTR>(call.lParam)));
    return TRUE;
}

BOOL EraseBkgnd(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL(CDC*)>(target, entry,
                                                CDC::FromHandle(reinterpret_cast<HDC>(call.wParam))));
}

BOOL GetDlgCode(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<UINT()>(target, entry));
}

BOOL GetMinMaxInfo(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(MINMAXINFO*)>(target, entry, reinterpret_cast<MINMAXINFO*>(call.lParam));
    return TRUE;
}

BOOL Scroll(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    // The bar is the control that sent the message; null for a window's own bar.
    CScrollBar* bar = static_cast<CScrollBar*>(WindowOf(static_cast<UINT_PTR>(call.lParam)));
    CallHandler<void(UINT, UINT, CScrollBar*)>(target, entry, LOWORD(call.wParam), HIWORD(call.wParam), bar);
    return TRUE;
}

BOOL InitMenu(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(CMenu*)>(target, entry, CMenu::FromHandle(reinterpret_cast<HMENU>(call.wParam)));
    return TRUE;
}

BOOL InitMenuPopup(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(CMenu*, UINT, BOOL)>(target, entry,
                                          CMenu::FromHandle(reinterpret_cast<HMENU>(call.wParam)),
                                          LOWORD(call.lParam), static_cast<BOOL>(HIWORD(call.lParam)));
    return TRUE;
}

BOOL Mouse(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, CPoint)>(target, entry, static_cast<UINT>(call.wParam), PointOf(call.lParam));
    return TRUE;
}

BOOL MouseWheel(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL(UINT, short, CPoint)>(target, entry, LOWORD(call.wParam),
                                                               static_cast<short>(HIWORD(call.wParam)),
                                                               PointOf(call.lParam)));
}

BOOL MouseActivate(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<int(CWnd*, UINT, UINT)>(target, entry, WindowOf(call.wParam),
                                                            LOWORD(call.lParam), HIWORD(call.lParam)));
}

BOOL MenuChar(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<LRESULT(UINT, UINT, CMenu*)>(
                            target, entry, LOWORD(call.wParam), HIWORD(call.wParam),
                            CMenu::FromHandle(reinterpret_cast<HMENU>(call.lParam))));
}

BOOL MenuSelect(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, UINT, HMENU)>(target, entry, LOWORD(call.wParam), HIWORD(call.wParam),
                                         reinterpret_cast<HMENU>(call.lParam));
    return TRUE;
}

BOOL Move(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(int, int)>(target, entry, static_cast<short>(LOWORD(call.lParam)),
                                static_cast<short>(HIWORD(call.lParam)));
    return TRUE;
}

BOOL NcActivate(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL(BOOL)>(target, entry, static_cast<BOOL>(call.wParam)));
}

BOOL NcCalcSize(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(BOOL, NCCALCSIZE_PARAMS*)>(target, entry, static_cast<BOOL>(call.wParam),
                                                reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam));
    return TRUE;
}

BOOL NcCreate(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL(LPCREATESTRUCT)>(target, entry,
                                                          reinterpret_cast<LPCREATESTRUCT>(call.lParam)));
}

BOOL NcHitTest(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<LRESULT(CPoint)>(target, entry, PointOf(call.lParam)));
}

BOOL QueryNewPalette(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL()>(target, entry));
}

BOOL ParentNotify(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, LPARAM)>(target, entry, static_cast<UINT>(call.wParam), call.lParam);
    return TRUE;
}

BOOL SetCursor(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return Answer(call, CallHandler<BOOL(CWnd*, UINT, UINT)>(target, entry, WindowOf(call.wParam),
                                                             LOWORD(call.lParam), HIWORD(call.lParam)));
}

BOOL SettingChange(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, LPCSTR)>(target, entry, static_cast<UINT>(call.wParam),
                                    reinterpret_cast<LPCSTR>(call.lParam));
    return TRUE;
}

BOOL ShowWindow(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(BOOL, UINT)>(target, entry, static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam));
    return TRUE;
}

BOOL Size(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, int, int)>(target, entry, static_cast<UINT>(call.wParam),
                                      static_cast<short>(LOWORD(call.lParam)),
                                      static_cast<short>(HIWORD(call.lParam)));
    return TRUE;
}

BOOL SysCommand(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT, LPARAM)>(target, entry, static_cast<UINT>(call.wParam), call.lParam);
    return TRUE;
}

BOOL Timer(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT_PTR)>(target, entry, static_cast<UINT_PTR>(call.wParam));
    return TRUE;
}

BOOL WindowPos(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(WINDOWPOS*)>(target, entry, reinterpret_cast<WINDOWPOS*>(call.lParam));
    return TRUE;
}

BOOL MDIActivate(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    // Sent to both children: lParam is the one being activated.
    HWND self = static_cast<CWnd*>(target)->m_hWnd;
    HWND activated = reinterpret_cast<HWND>(call.lParam);
    CallHandler<void(BOOL, CWnd*, CWnd*)>(target, entry, static_cast<BOOL>(activated == self),
                                          WindowOf(static_cast<UINT_PTR>(call.lParam)), WindowOf(call.wParam));
    return TRUE;
}

}  // namespace window_thunks
