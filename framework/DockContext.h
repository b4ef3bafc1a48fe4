// CDockContext: drags a control bar with the mouse and docks or floats it.
//
// The move loop (StartDrag) follows the mouse with an outline: the bar's
// docked shape over a dock bar it may dock on, a thick dithered frame
// outline where it would float. Ctrl held keeps the bar floating, Shift
// tries the other orientation, Escape or the right button cancels; on
// release the bar docks on the side under it, or floats there. A floating
// bar released within 4 pixels (|dx| + |dy|) of where it was pressed is
// not docked. The resize loop (StartResize) sizes a floating bar by its
// frame's border. ToggleDocking (a double click) docks a floating bar where
// it was last docked, or floats a docked one where it last floated.
//
// The context keeps the bar's most recent dock bar and rectangle there and
// its most recent floating point and style.
#pragma once

#include <windows.h>

#include "DC.h"
#include "Geometry.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext {
public:
    explicit CDockContext(CControlBar* bar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Runs the move loop from the screen point `point`; returns when it ends.
    virtual void StartDrag(CPoint point);
    // Runs the resize loop for the border hit code `hitTest` (HTLEFT ..
    // HTBOTTOMRIGHT) of the bar's floating frame.
    virtual void StartResize(int hitTest, CPoint point);
    virtual void ToggleDocking();

    // Remembers where the bar is docked (a frame-side dock bar; the
    // rectangle in its client coordinates).
    void RememberDockPosition(CDockBar* dockBar, const CRect& rect);

    // The loop's steps; the toolkit's tracker refines them.
    virtual void Move(CPoint point);
    virtual void Stretch(CPoint point);
    virtual void EndDrag();
    virtual void EndResize();
    // The side the bar would dock on now, or 0.
    virtual DWORD CanDockHere();
    // Draws the outline for the current state (erases it with `remove`).
    virtual void DrawFocusRect(BOOL remove = FALSE);
    // Ctrl and Shift while moving.
    virtual void OnKey(int key, BOOL down);
    // Sets up the loop (screen DC, no window updates) and undoes it.
    virtual void InitLoop();
    virtual void CancelLoop();
    // Runs the loop until release (TRUE) or cancel (FALSE).
    BOOL Track();

    // The dock bar of the site for `side`, or null.
    CDockBar* GetDockBar(DWORD side) const;
    // The border a floating frame adds around a bar.
    static CRect FloatingFrameBorders();

    CPoint m_ptLast;
    CRect m_rectLast;
    CSize m_sizeLast;
    BOOL m_bDitherLast = FALSE;
    CRect m_rectDragHorz, m_rectDragVert;
    CRect m_rectFrameDragHorz, m_rectFrameDragVert;
    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite = nullptr;
    DWORD m_dwDockStyle = 0;
    DWORD m_dwOverDockStyle = 0;
    DWORD m_dwStyle = 0;
    BOOL m_bFlip = FALSE;
    BOOL m_bForceFrame = FALSE;
    CDC* m_pDC = nullptr;
    BOOL m_bDragging = FALSE;
    int m_nHitTest = 0;
    // Where the drag started (screen).
    CPoint m_ptStart;

    // Most recent docked and floating places.
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos{-1, -1};

protected:
    // The drop moved the bar no more than a click's tremor.
    BOOL MovedLittle() const;
    // The rectangle a dock would use: the vertical outline for left or right.
    CRect DockRectFor(DWORD side) const;
    // Floats the bar with its frame's top-left at `point`.
    void FloatAt(CPoint point, DWORD style);

    HDC m_hScreenDC = nullptr;
};
