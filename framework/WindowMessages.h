// Window-message entries of message maps (ON_WM_*), the framework's private
// messages, and the standard command ids.
//
// Each ON_WM_xxx() entry calls the CWnd handler of the same name (OnPaint,
// OnSize, ...) with the message's parameters cracked into the handler's
// arguments, and makes the handler's return value the message's result where
// the handler has one. A derived class declares the handler with the same
// signature as CWnd's and calls CWnd's version for default processing.
#pragma once

#include "CmdTarget.h"

// Private messages of the framework (values below WM_USER).
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_KICKIDLE 0x036A
#define WM_FLOATSTATUS 0x036D

// String resources the framework reads.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

// Control ids of a frame's children: its bars, and the panes (views,
// splitters, the MDI client) that fill what the bars leave.
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
// The first command id of the MDI Window menu's list of child windows.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

// Standard command ids.
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE16 0xE11F
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_SPLIT 0xE135
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// The thunks that crack each message for its handler.
namespace window_thunks {
#define WINDOW_THUNK(name) BOOL name(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call)
WINDOW_THUNK(NoArguments);
WINDOW_THUNK(Activate);
WINDOW_THUNK(ActivateApp);
WINDOW_THUNK(WindowFromWParam);
WINDOW_THUNK(WindowFromLParam);
WINDOW_THUNK(Key);
WINDOW_THUNK(ContextMenu);
WINDOW_THUNK(Create);
WINDOW_THUNK(CtlColor);
WINDOW_THUNK(DrawItem);
WINDOW_THUNK(MeasureItem);
WINDOW_THUNK(DropFiles);
WINDOW_THUNK(BoolFromWParam);
WINDOW_THUNK(EnterIdle);
WINDOW_THUNK(EraseBkgnd);
WINDOW_THUNK(GetDlgCode);
WINDOW_THUNK(GetMinMaxInfo);
WINDOW_THUNK(Scroll);
WINDOW_THUNK(InitMenu);
WINDOW_THUNK(InitMenuPopup);
WINDOW_THUNK(Mouse);
WINDOW_THUNK(MouseWheel);
WINDOW_THUNK(MouseActivate);
WINDOW_THUNK(MenuChar);
WINDOW_THUNK(MenuSelect);
WINDOW_THUNK(Move);
WINDOW_THUNK(NcActivate);
WINDOW_THUNK(NcCalcSize);
WINDOW_THUNK(NcCreate);
WINDOW_THUNK(NcHitTest);
WINDOW_THUNK(QueryNewPalette);
WINDOW_THUNK(ParentNotify);
WINDOW_THUNK(SetCursor);
WINDOW_THUNK(SettingChange);
WINDOW_THUNK(ShowWindow);
WINDOW_THUNK(Size);
WINDOW_THUNK(SysCommand);
WINDOW_THUNK(Timer);
WINDOW_THUNK(WindowPos);
WINDOW_THUNK(MDIActivate);
#undef WINDOW_THUNK
}  // namespace window_thunks

#define WINDOW_MESSAGE_ENTRY(message, thunk, signature, memberFxn)                       \
    {static_cast<UINT>(message), 0, 0, 0, &window_thunks::thunk,                         \
     HandlerOf<signature>(&ThisClass::memberFxn)},

#define ON_WM_ACTIVATE() WINDOW_MESSAGE_ENTRY(WM_ACTIVATE, Activate, void(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() WINDOW_MESSAGE_ENTRY(WM_ACTIVATEAPP, ActivateApp, void(BOOL, DWORD), OnActivateApp)
#define ON_WM_CANCELMODE() WINDOW_MESSAGE_ENTRY(WM_CANCELMODE, NoArguments, void(), OnCancelMode)
#define ON_WM_CAPTURECHANGED() \
    WINDOW_MESSAGE_ENTRY(WM_CAPTURECHANGED, WindowFromLParam, void(CWnd*), OnCaptureChanged)
#define ON_WM_CHAR() WINDOW_MESSAGE_ENTRY(WM_CHAR, Key, void(UINT, UINT, UINT), OnChar)
#define ON_WM_CHILDACTIVATE() WINDOW_MESSAGE_ENTRY(WM_CHILDACTIVATE, NoArguments, void(), OnChildActivate)
#define ON_WM_CLOSE() WINDOW_MESSAGE_ENTRY(WM_CLOSE, NoArguments, void(), OnClose)
#define ON_WM_CONTEXTMENU() \
    WINDOW_MESSAGE_ENTRY(WM_CONTEXTMENU, ContextMenu, void(CWnd*, CPoint), OnContextMenu)
#define ON_WM_CREATE() WINDOW_MESSAGE_ENTRY(WM_CREATE, Create, int(LPCREATESTRUCT), OnCreate)
// One entry per control kind: WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC.
#define ON_WM_CTLCOLOR()                                                                        \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORMSGBOX, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)    \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLOREDIT, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)      \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORLISTBOX, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)   \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORBTN, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)       \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORDLG, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)       \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORSCROLLBAR, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor) \
    WINDOW_MESSAGE_ENTRY(WM_CTLCOLORSTATIC, CtlColor, HBRUSH(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DESTROY() WINDOW_MESSAGE_ENTRY(WM_DESTROY, NoArguments, void(), OnDestroy)
#define ON_WM_DRAWITEM() WINDOW_MESSAGE_ENTRY(WM_DRAWITEM, DrawItem, void(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_DROPFILES() WINDOW_MESSAGE_ENTRY(WM_DROPFILES, DropFiles, void(HDROP), OnDropFiles)
#define ON_WM_ENABLE() WINDOW_MESSAGE_ENTRY(WM_ENABLE, BoolFromWParam, void(BOOL), OnEnable)
#define ON_WM_ENTERIDLE() WINDOW_MESSAGE_ENTRY(WM_ENTERIDLE, EnterIdle, void(UINT, CWnd*), OnEnterIdle)
#define ON_WM_ERASEBKGND() WINDOW_MESSAGE_ENTRY(WM_ERASEBKGND, EraseBkgnd, BOOL(CDC*), OnEraseBkgnd)
#define ON_WM_GETDLGCODE() WINDOW_MESSAGE_ENTRY(WM_GETDLGCODE, GetDlgCode, UINT(), OnGetDlgCode)
#define ON_WM_GETMINMAXINFO() \
    WINDOW_MESSAGE_ENTRY(WM_GETMINMAXINFO, GetMinMaxInfo, void(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_HSCROLL() WINDOW_MESSAGE_ENTRY(WM_HSCROLL, Scroll, void(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() WINDOW_MESSAGE_ENTRY(WM_VSCROLL, Scroll, void(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_INITMENU() WINDOW_MESSAGE_ENTRY(WM_INITMENU, InitMenu, void(CMenu*), OnInitMenu)
#define ON_WM_INITMENUPOPUP() \
    WINDOW_MESSAGE_ENTRY(WM_INITMENUPOPUP, InitMenuPopup, void(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_KEYDOWN() WINDOW_MESSAGE_ENTRY(WM_KEYDOWN, Key, void(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() WINDOW_MESSAGE_ENTRY(WM_KEYUP, Key, void(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_SYSKEYDOWN() WINDOW_MESSAGE_ENTRY(WM_SYSKEYDOWN, Key, void(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() WINDOW_MESSAGE_ENTRY(WM_SYSKEYUP, Key, void(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() WINDOW_MESSAGE_ENTRY(WM_SYSCHAR, Key, void(UINT, UINT, UINT), OnSysChar)
#define ON_WM_KILLFOCUS() WINDOW_MESSAGE_ENTRY(WM_KILLFOCUS, WindowFromWParam, void(CWnd*), OnKillFocus)
#define ON_WM_SETFOCUS() WINDOW_MESSAGE_ENTRY(WM_SETFOCUS, WindowFromWParam, void(CWnd*), OnSetFocus)
#define ON_WM_LBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_LBUTTONDOWN, Mouse, void(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() WINDOW_MESSAGE_ENTRY(WM_LBUTTONUP, Mouse, void(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() WINDOW_MESSAGE_ENTRY(WM_LBUTTONDBLCLK, Mouse, void(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_RBUTTONDOWN, Mouse, void(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() WINDOW_MESSAGE_ENTRY(WM_RBUTTONUP, Mouse, void(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() WINDOW_MESSAGE_ENTRY(WM_RBUTTONDBLCLK, Mouse, void(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_MBUTTONDOWN, Mouse, void(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() WINDOW_MESSAGE_ENTRY(WM_MBUTTONUP, Mouse, void(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() WINDOW_MESSAGE_ENTRY(WM_MBUTTONDBLCLK, Mouse, void(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() WINDOW_MESSAGE_ENTRY(WM_MOUSEMOVE, Mouse, void(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() \
    WINDOW_MESSAGE_ENTRY(WM_MOUSEWHEEL, MouseWheel, BOOL(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEACTIVATE() \
    WINDOW_MESSAGE_ENTRY(WM_MOUSEACTIVATE, MouseActivate, int(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_MEASUREITEM() \
    WINDOW_MESSAGE_ENTRY(WM_MEASUREITEM, MeasureItem, void(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_MENUCHAR() WINDOW_MESSAGE_ENTRY(WM_MENUCHAR, MenuChar, LRESULT(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_MENUSELECT() WINDOW_MESSAGE_ENTRY(WM_MENUSELECT, MenuSelect, void(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_MOVE() WINDOW_MESSAGE_ENTRY(WM_MOVE, Move, void(int, int), OnMove)
#define ON_WM_NCACTIVATE() WINDOW_MESSAGE_ENTRY(WM_NCACTIVATE, NcActivate, BOOL(BOOL), OnNcActivate)
#define ON_WM_NCCALCSIZE() \
    WINDOW_MESSAGE_ENTRY(WM_NCCALCSIZE, NcCalcSize, void(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCCREATE() WINDOW_MESSAGE_ENTRY(WM_NCCREATE, NcCreate, BOOL(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_NCDESTROY() WINDOW_MESSAGE_ENTRY(WM_NCDESTROY, NoArguments, void(), OnNcDestroy)
#define ON_WM_NCHITTEST() WINDOW_MESSAGE_ENTRY(WM_NCHITTEST, NcHitTest, LRESULT(CPoint), OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_NCLBUTTONDOWN, Mouse, void(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() WINDOW_MESSAGE_ENTRY(WM_NCLBUTTONUP, Mouse, void(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() \
    WINDOW_MESSAGE_ENTRY(WM_NCLBUTTONDBLCLK, Mouse, void(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_NCRBUTTONDOWN, Mouse, void(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCMBUTTONDOWN() WINDOW_MESSAGE_ENTRY(WM_NCMBUTTONDOWN, Mouse, void(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMOUSEMOVE() WINDOW_MESSAGE_ENTRY(WM_NCMOUSEMOVE, Mouse, void(UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCPAINT() WINDOW_MESSAGE_ENTRY(WM_NCPAINT, NoArguments, void(), OnNcPaint)
#define ON_WM_PAINT() WINDOW_MESSAGE_ENTRY(WM_PAINT, NoArguments, void(), OnPaint)
#define ON_WM_PALETTECHANGED() \
    WINDOW_MESSAGE_ENTRY(WM_PALETTECHANGED, WindowFromWParam, void(CWnd*), OnPaletteChanged)
#define ON_WM_QUERYNEWPALETTE() \
    WINDOW_MESSAGE_ENTRY(WM_QUERYNEWPALETTE, QueryNewPalette, BOOL(), OnQueryNewPalette)
#define ON_WM_PARENTNOTIFY() \
    WINDOW_MESSAGE_ENTRY(WM_PARENTNOTIFY, ParentNotify, void(UINT, LPARAM), OnParentNotify)
#define ON_WM_SETCURSOR() WINDOW_MESSAGE_ENTRY(WM_SETCURSOR, SetCursor, BOOL(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_SETTINGCHANGE() \
    WINDOW_MESSAGE_ENTRY(WM_SETTINGCHANGE, SettingChange, void(UINT, LPCSTR), OnSettingChange)
#define ON_WM_SHOWWINDOW() WINDOW_MESSAGE_ENTRY(WM_SHOWWINDOW, ShowWindow, void(BOOL, UINT), OnShowWindow)
#define ON_WM_SIZE() WINDOW_MESSAGE_ENTRY(WM_SIZE, Size, void(UINT, int, int), OnSize)
#define ON_WM_SYSCOLORCHANGE() WINDOW_MESSAGE_ENTRY(WM_SYSCOLORCHANGE, NoArguments, void(), OnSysColorChange)
#define ON_WM_SYSCOMMAND() WINDOW_MESSAGE_ENTRY(WM_SYSCOMMAND, SysCommand, void(UINT, LPARAM), OnSysCommand)
#define ON_WM_TIMER() WINDOW_MESSAGE_ENTRY(WM_TIMER, Timer, void(UINT_PTR), OnTimer)
#define ON_WM_WINDOWPOSCHANGING() \
    WINDOW_MESSAGE_ENTRY(WM_WINDOWPOSCHANGING, WindowPos, void(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() \
    WINDOW_MESSAGE_ENTRY(WM_WINDOWPOSCHANGED, WindowPos, void(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_MDIACTIVATE() \
    WINDOW_MESSAGE_ENTRY(WM_MDIACTIVATE, MDIActivate, void(BOOL, CWnd*, CWnd*), OnMDIActivate)
