// An owner-drawn push button with a 3D frame, a solid or gradient face and
// a dotted focus rectangle. It posts kMsgColorButtonFocus to its notify
// window when it gains the focus, and when it loses it to a window that is
// not a colour button (every colour button answers kMsgIsColorButton with 1),
// so that a dialog can tell when the focus left its colour buttons.
//
// The owner sets the notify window, the face style and the colours straight
// in the members; the notify window must be set before the button can take
// the focus.
#pragma once

#include "framework/Framework.h"

// Posted to the notify window, no parameters.
constexpr UINT kMsgColorButtonFocus = WM_USER + 111;
// Answered with 1 by a colour button, 0 by any other window.
constexpr UINT kMsgIsColorButton = WM_USER + 112;

class CColorButton : public CButton {
    DECLARE_DYNAMIC(CColorButton)

public:
    // Face styles: a solid face; one vertical gradient; a vertical gradient
    // with an inner one; a diagonal gradient; a diagonal with an inner one.
    // Without the system's gradient fill every style paints a solid face.
    enum FaceStyle { kSolidFace = 0, kVerticalFace, kVerticalInnerFace, kDiagonalFace, kDiagonalInnerFace };

    CColorButton();
    ~CColorButton() override;

    CWnd* notifyWindow = nullptr;
    int faceStyle = kSolidFace;
    COLORREF highlightColor = 0xDFDFDF;
    COLORREF shadowColor = 0x808080;
    COLORREF faceColor = 0xC0C0C0;
    COLORREF textColor = 0x000000;
    COLORREF disabledTextColor = 0x808080;
    COLORREF disabledTextHighlight = 0xFFFFFF;
    // First, second and third gradient colours of the outer face and of the
    // inner one: vertical styles blend the first (top) into the second
    // (bottom); diagonal styles put the first at the top-left corner, the
    // second at the bottom-right and the third at the other two.
    COLORREF outerGradient[3] = {0, 0, 0};
    COLORREF innerGradient[3] = {0, 0, 0};

    bool HasFocus() const { return hasFocus_ != 0; }

    void DrawItem(LPDRAWITEMSTRUCT item) override;

protected:
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg LRESULT OnIsColorButton(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // The looks, each over the whole item rectangle.
    void DrawNormal(HDC dc, const RECT& rect, bool withText);
    void DrawDefault(HDC dc, const RECT& rect);
    void DrawPressed(HDC dc, const RECT& rect);
    void DrawDisabled(HDC dc, const RECT& rect);
    void DrawFocusDots(HDC dc, const RECT& rect);
    void FillFace(HDC dc, const RECT& rect);
    void DrawCaption(HDC dc, RECT rect, COLORREF colour);
    void NotifyFocusChange();

    BYTE hasFocus_ = 0;
};
