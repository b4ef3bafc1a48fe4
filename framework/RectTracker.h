// CRectTracker: moves a rectangle with the mouse. Track runs a loop with
// the mouse captured from a button press until the button is released
// (TRUE, m_rect holds the new place) or the move is cancelled with Escape,
// the right button or the loss of the capture (FALSE, m_rect unchanged).
// The tracking outline is drawn on the desktop and erased again through
// DrawTrackerRect, which a derived tracker may draw its own way.
#pragma once

#include <windows.h>

#include "Geometry.h"

class CDC;
class CWnd;

class CRectTracker {
public:
    enum StyleFlags { solidLine = 1, dottedLine = 2, hatchedBorder = 4, resizeInside = 8, resizeOutside = 16,
                      hatchInside = 32 };

    CRectTracker() = default;
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    // Tracks from `point` (client coordinates of `wnd`); the rectangle is in
    // the same coordinates. `clipTo` limits where the outline shows (the
    // whole screen when null).
    virtual BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    // Draws the outline of `rect` (client coordinates of `wnd`) on `dc`, a
    // DC of the whole screen.
    virtual void DrawTrackerRect(LPCRECT rect, CWnd* clipTo, CDC* dc, CWnd* wnd);
    virtual void AdjustRect(int handle, LPRECT rect);
    virtual void OnChangedRect(const CRect& oldRect);

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 4;
    CSize m_sizeMin{0, 0};

protected:
    // The last outline drawn (screen coordinates) and its thickness.
    CRect m_rectLast;
    CSize m_sizeLast{0, 0};
    BOOL m_bErase = FALSE;
};
