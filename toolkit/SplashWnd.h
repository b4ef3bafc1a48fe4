// The start-up picture: a bitmap resource in a borderless window centred on
// the screen, closed by its timer, a key or mouse press, or WM_CLOSE; the
// object deletes itself with its window.
#pragma once

#include <windows.h>

#include "Dib.h"
#include "TextString.h"
#include "Wnd.h"

class SECSplashWnd : public CWnd {
public:
    // The timer that ends the display.
    static constexpr UINT_PTR kTimerId = 1245;

    SECSplashWnd(UINT bitmapId, UINT displayMs, BOOL manual = FALSE, BOOL alwaysOnTop = FALSE);

    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0);
    virtual void SetTitle(const CString& title);
    virtual void Close();
    virtual void StartTimer();
    virtual BOOL SetDisplayTime(UINT ms);
    virtual void SetOwnerDisabled(BOOL disabled);
    virtual void SetAlwaysOnTop(BOOL onTop);
    virtual void SetCloseOnInput(BOOL close) { m_closeOnInput = close; }
    virtual void OnDrawOverlay(CDC* /*dc*/, const CRect& /*client*/) {}

    BOOL PreTranslateMessage(MSG* msg) override;
    void PostNcDestroy() override;

    // The owner made when there is neither a parent nor a main window.
    HWND GetHiddenOwner() const { return m_hiddenOwner; }
    CWnd* GetSplashOwner() const { return m_owner; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnClose();
    afx_msg void OnPaletteChanged(CWnd* focusWnd);
    afx_msg BOOL OnQueryNewPalette();
    DECLARE_MESSAGE_MAP()

private:
    BOOL RealizePalette();

    UINT m_bitmapId;
    UINT m_displayMs;
    BOOL m_manual;
    BOOL m_alwaysOnTop;
    BOOL m_closeOnInput = TRUE;
    BOOL m_customTitle = FALSE;
    CString m_title;
    CWnd* m_owner = nullptr;
    HWND m_ownerHwnd = nullptr;
    HWND m_hiddenOwner = nullptr;
    BOOL m_ownerDisabled = FALSE;
    UINT_PTR m_timer = 0;
    int m_bitmapWidth = 0;
    int m_bitmapHeight = 0;
    SECDib m_picture;
    CPalette* m_palette = nullptr;
};
