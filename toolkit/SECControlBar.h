// SECControlBar: the toolkit's base for bars that dock or float. On the
// framework's bar it keeps an extended style word, the sizes the bar had
// docked horizontally, docked vertically and floating (committed through
// CalcDynamicLayout), a length scale factor (its share of a dock-bar row),
// and its own inside-rectangle rule with room for a gripper.
//
// A docked bar with CBRS_EX_GRIPPER (and CBRS_EX_OWNBORDERS) shows a
// gripper along its leading edge, with a close button (CBRS_EX_CLOSEBUTTON:
// hides the bar) and an expand button (CBRS_EX_EXPANDBUTTON: the bar takes
// its row, or gives the row back); the gripper drags the bar. With
// CBRS_EX_CONTEXTMENU a right click shows "Allow Docking" and "Hide".
#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "ControlBar.h"

// Extended style bits of SECControlBar.
#define CBRS_EX_CONTEXTMENU 0x0001L
#define CBRS_EX_PROPORTIONAL 0x0002L
#define CBRS_EX_FIXEDFRAME 0x0004L
#define CBRS_EX_SHADOWBORDERS 0x0008L
#define CBRS_EX_MARGINS 0x0010L
#define CBRS_EX_FILLCHILD 0x0040L
#define CBRS_EX_OWNBORDERS 0x0100L
#define CBRS_EX_GRIPPER 0x0200L
#define CBRS_EX_CLOSEBUTTON 0x0400L
#define CBRS_EX_EXPANDBUTTON 0x0800L

// Tool hit codes of the gripper's buttons.
#define SEC_HIT_CLOSE_BUTTON 1024
#define SEC_HIT_EXPAND_BUTTON 2048

// Commands of the bar's context menu.
#define ID_SEC_ALLOW_DOCKING 43040
#define ID_SEC_HIDE_BAR 43041
#define ID_SEC_FLOAT_IN_MAIN 43042
// Sent to the frame with the bar and its context menu, so it can add items.
#define WM_SEC_EXTENDCONTEXTMENU 0x38FF

class SECControlBarInfo;

class SECControlBar : public CControlBar {
    DECLARE_DYNAMIC(SECControlBar)

public:
    SECControlBar();
    ~SECControlBar() override;

    // The gripper's extent across a docked bar: margins 4 and 6 around two
    // grips of 3 with a gap of 1.
    static const int gripperSize = 17;
    // Where every remembered size starts.
    static const int defaultWidth = 300;
    static const int defaultHeight = 180;

    // Create: the bar's window of the framework's control-bar class, with
    // an empty rectangle. CreateEx: of class `className` (the framework's
    // when null) at `rect`. Both keep the bar style bits of `style` (the
    // rest are window styles) and `exStyle`, take the child layout list
    // with CBRS_EX_PROPORTIONAL, start all three remembered sizes at the
    // defaults and enable tool tips. FALSE when the window cannot be made.
    virtual BOOL Create(CWnd* parent, LPCSTR windowName, DWORD style, DWORD exStyle, UINT id,
                        CCreateContext* context = nullptr);
    virtual BOOL CreateEx(LPCSTR className, LPCSTR windowName, UINT id, DWORD style, DWORD exStyle,
                          const RECT& rect, CWnd* parent, CCreateContext* context = nullptr);
    // The window's own creation stays at hand for bars with a class of their own.
    using CWnd::Create;
    using CWnd::CreateEx;

    DWORD GetExBarStyle() const { return m_dwExStyle; }
    // Stores the word; with `recalc` and a change the bar is laid out again.
    // A floating bar's frame takes the four-side frame with
    // CBRS_EX_FIXEDFRAME, the sizing frame without it (neither moved nor
    // sized).
    virtual void SetExBarStyle(DWORD exStyle, BOOL recalc = TRUE);
    void ModifyExBarStyle(DWORD remove, DWORD add, BOOL recalc = TRUE) {
        SetExBarStyle((m_dwExStyle & ~remove) | add, recalc);
    }

    // The horizontal docked size when `horz`, else the vertical one.
    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    // With LM_COMMIT stores `length` (scaled by the proportional width when
    // stretched) into the size of the mode's state; answers the docked
    // sizes through CalcFixedLayout, else the floating size.
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    // Without CBRS_EX_OWNBORDERS the framework's rule. With it: one pixel
    // per bordered side, then the margins, the gripper taking the leading
    // margin of a docked bar that has one.
    void CalcInsideRect(CRect& rect, BOOL horz) const override;
    // The client rectangle less the gripper of a docked bar and the inset
    // of 3 along its other edges; else, with CBRS_EX_MARGINS, less the
    // margins.
    virtual void GetInsideRect(CRect& rect) const;
    // Child windows first; then, on a docked bar, the gripper's close and
    // expand buttons with their tips.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    // The borders on the client rectangle, then the redraw window (if any)
    // painted again with all its children.
    void DoPaint(CDC* dc) override;
    // A child window (or null) repainted after each DoPaint: a window whose
    // drawing depends on the bar's.
    void SetRedrawWindow(HWND wnd) { m_hWndRedraw = wnd; }
    HWND GetRedrawWindow() const { return m_hWndRedraw; }

    CDockContext* CreateDockContext() override;
    // Own borders: one line per bordered side, then the gripper. Otherwise
    // a line per bordered side (face-coloured unless CBRS_EX_SHADOWBORDERS)
    // with a light line inside it for CBRS_BORDER_3D.
    void DrawBorders(CDC* dc, CRect& rect) override;
    // The gripper of a docked bar in `rect` (window coordinates): its
    // buttons at the start of the strip, then two grips.
    virtual void DrawGripper(CDC* dc, const CRect& rect);
    // The bar's saved state (see SECDockState.h): its id, visibility,
    // place in its dock bar, sizes, styles, docking sides, class, caption
    // and its kind's own data go into `info`; SetBarInfoEx takes the sizes,
    // docking sides and the kind's data back (the dock state places it).
    virtual void GetBarInfoEx(SECControlBarInfo* info);
    virtual void SetBarInfoEx(SECControlBarInfo* info, CFrameWnd* frame);
    // Empty hooks for derived bars: their own saved state, and notices of
    // being docked, floated or floated as an MDI child, each of which runs
    // its begin hook, then its end hook.
    virtual void OnSaveBarInfoEx(SECControlBarInfo*) {}
    virtual void OnLoadBarInfoEx(SECControlBarInfo*, CFrameWnd*) {}
    virtual void OnBarDock() { OnBarBeginDock(); OnBarEndDock(); }
    virtual void OnBarBeginDock() {}
    virtual void OnBarEndDock() {}
    virtual void OnBarFloat() { OnBarBeginFloat(); OnBarEndFloat(); }
    virtual void OnBarBeginFloat() {}
    virtual void OnBarEndFloat() {}
    virtual void OnBarMDIFloat() { OnBarBeginMDIFloat(); OnBarEndMDIFloat(); }
    virtual void OnBarBeginMDIFloat() {}
    virtual void OnBarEndMDIFloat() {}
    // Items the bar adds to its context menu.
    virtual void OnExtendContextMenu(CMenu*) {}
    virtual BOOL CanClose() const { return TRUE; }
    virtual BOOL CanExpand() const { return TRUE; }
    // The close and expand buttons (window coordinates; empty when not shown).
    const CRect& GetCloseButtonRect() const { return m_rectClose; }
    const CRect& GetExpandButtonRect() const { return m_rectExpand; }
    // The dock bar of a toolkit frame side holding the bar, or null.
    class SECDockBar* GetToolkitDockBar() const;

    CSize m_szHorzDocked{defaultWidth, defaultHeight};
    CSize m_szVertDocked{defaultWidth, defaultHeight};
    CSize m_szFloat{defaultWidth, defaultHeight};
    float m_fProportionalWidth = 1.0f;
    // The margins of CBRS_EX_MARGINS.
    CRect m_rectMargins{10, 10, 10, 10};

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnAllowDocking();
    afx_msg void OnHideBar();

    // The sides docking was allowed on before the context menu turned it off.
    DWORD m_dwSavedDockStyle = 0;

protected:
    BOOL HasDockedGripper() const {
        return (m_dwExStyle & CBRS_EX_GRIPPER) != 0 && !IsFloating();
    }
    // A client point in window coordinates (where the gripper is drawn).
    CPoint ClientToWindow(CPoint point) const;
    void RedrawGripper();
    // The lines of the bordered sides, taken off `rect`.
    void DrawEdgeLines(CDC* dc, CRect& rect);

    // With CBRS_EX_PROPORTIONAL: the inside rectangle and every child
    // window's place in it when the list was taken; a resize scales them.
    struct ChildLayout {
        CRect inside;
        std::vector<std::pair<HWND, CRect>> children;
    };
    void TakeChildLayout();
    // Moves the children for the inside rectangle now.
    void LayoutChildren();

    DWORD m_dwExStyle = 0;
    std::unique_ptr<ChildLayout> m_pChildLayout;
    HWND m_hWndRedraw = nullptr;
    CRect m_rectClose;
    CRect m_rectExpand;
    BOOL m_bClosePressed = FALSE;
    BOOL m_bExpandPressed = FALSE;

    DECLARE_MESSAGE_MAP()
};
