// Owner-drawn push buttons: the 3D face, pressed, disabled and focus looks
// drawn off screen with the contents left to each kind; the colour-well
// button that drops a colour grid; the bitmap button.
#pragma once

#include <windows.h>

#include <memory>

#include "ColorWell.h"
#include "Controls.h"
#include "GdiObjects.h"
#include "TextString.h"
#include "WellGeometry.h"

class SECOwnerDrawButton : public CButton {
    DECLARE_DYNAMIC(SECOwnerDrawButton)

public:
    SECOwnerDrawButton();

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    virtual BOOL AttachButton(UINT id, CWnd* parent, BOOL isDefault = FALSE);
    virtual BOOL CreateButton(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                              BOOL isDefault = FALSE);
    virtual void OnClicked() {}
    virtual void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    virtual void PrepareDC(CDC* /*screen*/, CDC* /*memory*/) {}
    virtual RECT DrawFrame(CDC* dc, const DRAWITEMSTRUCT& item);
    virtual void RestoreDC(CDC* /*screen*/, CDC* /*memory*/) {}
    virtual void DrawDisabled(CDC* dc, int width, int height);
    virtual void DrawFocus(CDC* dc, RECT rect) = 0;
    virtual void DrawFocusFrame(CDC* dc, const DRAWITEMSTRUCT& item);
    virtual void DrawContents(CDC* dc, const DRAWITEMSTRUCT& item, const RECT& interior) = 0;

    // The family's shared colours, re-read on a system colour change.
    static COLORREF face, highlight, shadow, frame;
    static void ReadColors();

protected:
    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    int m_default = 0;
    BOOL m_newLook = TRUE;
};

// A colour swatch with a drop-down arrow; pressed, it drops a colour grid
// under itself; a chosen colour goes to the parent as WM_SEC_COLORCHOSEN.
class SECWellButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECWellButton)

public:
    SECWellButton();
    ~SECWellButton() override;

    void SetColor(COLORREF colour);
    COLORREF GetColor() const;
    void SetOtherButton(BOOL other) { m_other = other; }
    virtual void InitPalette();
    virtual void DropPopup();
    virtual void SetColorDialogFlags(DWORD flags) { m_colorDialogFlags = flags; }
    virtual DWORD GetColorDialogFlags() const { return m_colorDialogFlags; }
    SECPopupColorWell* GetPopup() const { return m_popup.get(); }

    void OnClicked() override;
    void DrawFocus(CDC* dc, RECT rect) override;
    void DrawContents(CDC* dc, const DRAWITEMSTRUCT& item, const RECT& interior) override;

protected:
    afx_msg LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnColorDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<SECPopupColorWell> m_popup;
    CPalette m_palette;
    BOOL m_other = TRUE;
    DWORD m_colorDialogFlags = CC_RGBINIT | CC_FULLOPEN;
};

// A bitmap beside, above, below or instead of the caption.
class SECBitmapButton : public SECOwnerDrawButton {
    DECLARE_DYNAMIC(SECBitmapButton)

public:
    // The margins every bitmap button starts with.
    static int defaultMarginX, defaultMarginY;

    virtual BOOL AttachBitmapButton(UINT id, int alignment, LPCSTR name, CWnd* parent, BOOL isDefault = FALSE);
    virtual BOOL AttachBitmapButton(UINT id, int alignment, UINT bitmapId, CWnd* parent, BOOL isDefault = FALSE);
    virtual BOOL CreateBitmapButton(LPCSTR text, DWORD style, int alignment, LPCSTR name, const RECT& rect,
                                    CWnd* parent, UINT id, BOOL isDefault = FALSE);
    virtual BOOL CreateBitmapButton(LPCSTR text, DWORD style, int alignment, UINT bitmapId, const RECT& rect,
                                    CWnd* parent, UINT id, BOOL isDefault = FALSE);
    virtual void CalcLayout();

    void DrawFocus(CDC* dc, RECT rect) override;
    void DrawContents(CDC* dc, const DRAWITEMSTRUCT& item, const RECT& interior) override;
    RECT GetBitmapRect() const { return m_bitmapRect; }
    RECT GetCaptionRect() const { return m_captionRect; }

protected:
    afx_msg void OnSysColorChange();
    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    BOOL LoadBitmapResource(LPCSTR name);

    // The bitmap's resource name: a number, or a copy of the caller's text.
    UINT m_bitmapId = 0;
    CString m_bitmapName;
    LPCSTR BitmapResource() const;
    CBitmap m_bitmap;
    int m_marginX = defaultMarginX;
    int m_marginY = defaultMarginY;
    int m_alignment = button_layout::kLeft;
    RECT m_bitmapRect = {};
    RECT m_captionRect = {};
};

// A bitmap button with a small arrow that pops up a menu below (direction
// 0) or to the right of itself; the chosen command goes to its owner.
class SECMenuButton : public SECBitmapButton {
    DECLARE_DYNAMIC(SECMenuButton)

public:
    ~SECMenuButton() override;

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void OnClicked() override;
    void PostNcDestroy() override;
    virtual BOOL AttachMenuButton(UINT id, CWnd* parent, HMENU menu, int direction = 0, BOOL isDefault = FALSE);
    virtual BOOL CreateMenuButton(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id, HMENU menu,
                                  int direction = 0, BOOL isDefault = FALSE);
    // Takes the menu; gives the arrow bitmap's id and returns the alignment.
    virtual int AttachMenu(LPCSTR text, HMENU menu, int direction, UINT& bitmapId);

    HMENU GetMenuHandle() const { return m_menu; }
    BOOL IsDrawing() const { return m_drawing; }

protected:
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void DestroyMenu();

    HMENU m_menu = nullptr;
    int m_direction = 0;
    BOOL m_drawing = TRUE;
};

// Loads a bitmap resource with its black, greys and white mapped to the
// current button text, shadow, face and highlight colours.
BOOL SECLoadSysColorBitmap(CBitmap& bitmap, LPCSTR name);
