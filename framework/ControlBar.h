// CControlBar: a bar along one side of a frame (toolbar, status bar) or
// floating above it.
//
// A bar takes its room from the frame's client area when the frame lays
// out (WM_SIZEPARENT): a bar aligned top or bottom takes the full width and
// its fixed height, one aligned left or right the full height and its fixed
// width; what is left goes to the frame's pane. The frame shows and hides
// bars by id (ShowControlBar, the commands of the bar ids), and at idle time
// each visible bar updates its items through CCmdUI (OnUpdateCmdUI) against
// the frame.
//
// Borders: each CBRS_BORDER_* side costs the border width (2), and inside
// that the bar keeps its left, top, right and bottom margins (turned by a
// right angle when the bar stands vertically). Bars whose window is a
// common control keep those borders in the non-client area.
//
// With CBRS_TOOLTIPS the bar feeds the thread's tooltip from OnToolHitTest,
// showing the text after the newline of the item's string; with CBRS_FLYBY
// the frame's message bar shows the item's prompt while the mouse is over it.
// Commands and notifications from the bar's children go to the bar's owner.
#pragma once

#include <windows.h>

#include "Wnd.h"

class CCmdUI;
class CDockContext;
class CFrameWnd;

// Bar style bits (CControlBar::m_dwStyle).
#define CBRS_FLOATING 0x0001L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0080L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_3D 0x00400000L
#define CBRS_ALL 0x0040FFFFL
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout-mode bits of CalcDynamicLayout.
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40

// Ids of the standard bars; their commands show and hide them.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    ~CControlBar() override;

    // The width of one CBRS_BORDER_* side.
    static const int borderWidth = 2;

    DWORD GetBarStyle() const { return m_dwStyle; }
    // Stores the style (masked to CBRS_ALL) and tells the bar of the change.
    void SetBarStyle(DWORD style);
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    // The bar is shown, or will be at the next idle time.
    BOOL IsVisible() const;
    // The sides the bar may dock on (CBRS_ALIGN_*, and CBRS_FLOAT_MULTI).
    // The first call with sides makes the bar's dock context; a bar
    // without an owner gets its parent as owner.
    virtual void EnableDocking(DWORD dockStyle);
    // The tracker that drags the bar (the toolkit's bars make their own).
    virtual CDockContext* CreateDockContext();
    int GetCount() const { return m_nCount; }

    // The frame the bar belongs to (its parent frame, or its owner's).
    CFrameWnd* GetDockingFrame() const;

    // Layout. The size the bar wants along `horz` (stretched to the frame
    // side with `stretch`); the dynamic form answers a layout mode.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horz);
    virtual CSize CalcDynamicLayout(int length, DWORD mode);
    // Takes the borders and margins off `rect`.
    virtual void CalcInsideRect(CRect& rect, BOOL horz) const;

    // Updates the bar's items against `target` at idle time.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;
    virtual void OnBarStyleChange(DWORD oldStyle, DWORD newStyle);
    // Shows or hides the bar at the next idle time (the frame lays out then).
    virtual void DelayShow(BOOL show);
    virtual void DoPaint(CDC* dc);
    // Draws the border lines of the CBRS_BORDER_* sides and takes them off `rect`.
    virtual void DrawBorders(CDC* dc, CRect& rect);

    // The text after the newline of string `id`: the item's tooltip.
    static CString ToolTipTextOf(UINT id);

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 2;
    int m_cyBottomBorder = 2;
    int m_nMRUWidth = 32767;
    int m_nCount = 0;
    // The frame that docks the bar and the dock bar holding it (none when
    // placed by the frame directly).
    CFrameWnd* m_pDockSite = nullptr;
    CWnd* m_pDockBar = nullptr;
    // Drags the bar; made by EnableDocking, owned.
    CDockContext* m_pDockContext = nullptr;

    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM disableIfNoHandler, LPARAM);
    afx_msg LRESULT OnNcCalcSizeBorders(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnNcPaintBorders(WPARAM, LPARAM);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    // A press or double click in the bar's void space (no item under the
    // mouse) drags the bar or toggles its docking.
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnDestroy();

protected:
    // Places the bar in the free area of a frame layout and takes its room.
    void PlaceInLayout(SizeParentParams* layout);
    // Fly-by prompts: shows the prompt of the item under `point` (client
    // coordinates) in the frame's message bar.
    void TrackFlyBy(CPoint point);
    // Draws the borders into the window DC, around the client area.
    void EraseNonClient();
    // The bar may be dragged from `point` (client coordinates).
    BOOL CanDragFrom(CPoint point) const;

    // Delayed show state: 0 none, else WS_VISIBLE wanted or not.
    enum DelayState { delayNone = 0, delayShow = 1, delayHide = 2 };
    int m_nStateFlags = delayNone;
    INT_PTR m_nFlyByHit = -1;
    BOOL m_bTrackingLeave = FALSE;

    DECLARE_MESSAGE_MAP()
};
