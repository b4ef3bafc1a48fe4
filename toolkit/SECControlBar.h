// SECControlBar: the toolkit's base for bars that dock or float. On the
// framework's bar it keeps an extended style word, the sizes the bar had
// docked horizontally, docked vertically and floating (committed through
// CalcDynamicLayout), a length scale factor, and its own inside-rectangle
// rule with room for a gripper.
#pragma once

#include <windows.h>

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

class SECControlBar : public CControlBar {
    DECLARE_DYNAMIC(SECControlBar)

public:
    SECControlBar();

    // The gripper's extent across a docked bar: margins 4 and 6 around two
    // grips of 3 with a gap of 1.
    static const int gripperSize = 17;
    // Where every remembered size starts.
    static const int defaultWidth = 300;
    static const int defaultHeight = 180;

    DWORD GetExBarStyle() const { return m_dwExStyle; }
    // Stores the word; with `recalc` and a change the bar is laid out again.
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
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

    CSize m_szHorzDocked{defaultWidth, defaultHeight};
    CSize m_szVertDocked{defaultWidth, defaultHeight};
    CSize m_szFloat{defaultWidth, defaultHeight};
    float m_fProportionalWidth = 1.0f;

protected:
    BOOL HasDockedGripper() const {
        return (m_dwExStyle & CBRS_EX_GRIPPER) != 0 && !IsFloating();
    }

    DWORD m_dwExStyle = 0;
};
