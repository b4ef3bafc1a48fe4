// A label that reacts to the mouse: it takes the focus when the pointer
// passes over it, plays the program's hover sound and flashes, and paints
// its own text in colours from the program's colour table (a shadowed text
// while disabled).
#pragma once

#include "framework/Framework.h"

class CPopUpStatic : public CStatic {
    DECLARE_DYNAMIC(CPopUpStatic)
public:
    // Stores the text, sets it as the window text and repaints at once.
    void SetText(LPCSTR text);
    void GetText(CString& text) const { text = text_; }
    // Enables or disables the label, repainting only on a change; returns 1.
    int SetEnabled(bool enabled);
    // The text colour in the current state (the form colours the label's
    // background behind it with this).
    COLORREF GetTextColor() const;
    void SetColorSlots(int background, int text, int focusedBackground, int focusedText, int disabledText,
                       int disabledShadow);
    void SetMultiLine() { multiLine_ = true; }
    bool IsMultiLine() const { return multiLine_; }
    void SetSoundOn(bool on) { soundOn_ = on; }
    // The colour slot the control's background is filled with.
    int GetBackgroundSlot() const { return backgroundSlot_; }

    // Busy-waits `ms` milliseconds on the performance counter (sleeps when
    // there is none).
    static void PreciseDelay(DWORD ms);

protected:
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Four growing rectangles in `colour`, 20 ms apart.
    void Flash(CDC& dc, const CRect& area, COLORREF colour);

private:
    CString text_;
    bool flashArmed_ = false;
    bool soundOn_ = true;
    bool multiLine_ = false;
    int backgroundSlot_ = 0, textSlot_ = 0, focusedBackgroundSlot_ = 0, focusedTextSlot_ = 0,
        disabledTextSlot_ = 0, disabledShadowSlot_ = 0;
};
