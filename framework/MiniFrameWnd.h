// CMiniFrameWnd: a small popup frame with a tool-window caption.
// CMiniDockFrameWnd: the floating frame of control bars; it holds a dock
// bar (id AFX_IDW_DOCKBAR_FLOAT) with the bars and sizes itself to them.
//
// Mini-frame styles (MFS_*) share the low word of the window style: a thick
// frame (either kind) becomes WS_THICKFRAME, and the caption is always the
// small tool-window one. On the floating frame a press on the caption drags
// the first bar (its dock context's move loop), a press on the border
// resizes it, a double click on the caption docks it again; closing the
// frame hides its bars. A frame left without bars hides and, once nothing
// uses it any more, destroys itself.
#pragma once

#include <windows.h>

#include "FrameWnd.h"

class CDockBar;

#define MFS_SYNCACTIVE 0x00000100L
#define MFS_4THICKFRAME 0x00000200L
#define MFS_THICKFRAME 0x00000400L
#define MFS_MOVEFRAME 0x00000800L
#define MFS_BLOCKSYSMENU 0x00001000L

// The text of a floating frame's close item.
#define AFX_IDS_SCCLOSE 0xF011

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)

public:
    CMiniFrameWnd();
    // Creates the popup with the mini-frame style `style` (WS_* and MFS_*).
    virtual BOOL CreateEx(DWORD exStyle, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                          UINT id = 0);
    // The window style that carries `style`'s MFS_* bits.
    static DWORD WindowStyleFor(DWORD style);
};

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)

public:
    CMiniDockFrameWnd();

    // Creates the frame (owned by `parent`) and its dock bar, aligned by
    // `barStyle` (left for a left or right bar, else top).
    virtual BOOL Create(CWnd* parent, DWORD barStyle);
    // The frame style for bars of `barStyle`.
    virtual DWORD FrameStyleFor(DWORD barStyle) const;
    // Sizes the frame to its bars (keeping its place), hides it while no bar shows.
    void RecalcLayout(BOOL notify = TRUE) override;

    CDockBar* GetDockBar() const { return m_pDockBar; }

    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    afx_msg void OnClose();
    afx_msg LRESULT OnDestroyIfEmpty(WPARAM, LPARAM);

protected:
    // The dock bar this frame holds (the toolkit's frame makes its own).
    virtual CDockBar* NewDockBar();
    // The first bar held, or null.
    CControlBar* FirstBar() const;

    CDockBar* m_pDockBar = nullptr;

    DECLARE_MESSAGE_MAP()
};
