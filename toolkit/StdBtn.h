// Self-drawn toolbar buttons: SECStdBtn (plain buttons and separators) and
// its family SECTBMenuBtn (a menu title), SECCapMenuBtn (the active MDI
// child's system-menu icon) and SECBtnCaption (minimise, restore and close
// of the active MDI child). Each button sizes, draws, hit-tests and tracks
// itself inside a bar that offers it SECButtonBar.
//
// A press runs BtnPressDown (the bar captures the mouse on TRUE), then
// BtnPressMouseMove while the mouse moves and BtnPressUp, whose non-zero
// result is the command the bar posts; BtnPressCancel ends a press.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "TextString.h"

class SECBmpMgr;
class SECStdBtn;
class SECToolBarDrawContext;

// Style word bits of a button.
constexpr DWORD SEC_TBBS_SEPARATOR = 0x1;
constexpr DWORD SEC_TBBS_CHECKBOX = 0x2;
constexpr DWORD SEC_TBBS_DROPDOWN = 0x8;
constexpr DWORD SEC_TBBS_CHECKED = 0x10000;
constexpr DWORD SEC_TBBS_PRESSED = 0x20000;
constexpr DWORD SEC_TBBS_DISABLED = 0x40000;
constexpr DWORD SEC_TBBS_HIDDEN = 0x80000;
constexpr DWORD SEC_TBBS_INDETERMINATE = 0x100000;
constexpr DWORD SEC_TBBS_WRAPPED = 0x200000;
constexpr DWORD SEC_TBBS_CUSTOMSELECTED = 0x1000000;
constexpr DWORD SEC_TBBS_HOT = 0x2000000;
constexpr DWORD SEC_TBBS_NOAUTODISABLE = 0x10000000;


// Button types.
enum : int { SEC_BTN_PLAIN = 0, SEC_BTN_MENU = 3, SEC_BTN_CAPTION_MENU = 4, SEC_BTN_CAPTION = 5 };

// Extended bar style bits the buttons draw by.
constexpr DWORD SEC_BAR_FLAT = 0x100;
constexpr DWORD SEC_BAR_TRANSPARENT = 0x1000;

// What a bar of self-drawn buttons offers its buttons.
class SECButtonBar {
public:
    virtual ~SECButtonBar() = default;
    virtual HWND GetBarWindow() const = 0;
    virtual UINT GetBarId() const = 0;
    // The window that receives the buttons' notifications.
    virtual HWND GetNotifyOwner() const = 0;
    virtual DWORD GetExBarStyle() const = 0;
    virtual BOOL IsFlat() const { return (GetExBarStyle() & SEC_BAR_FLAT) != 0; }
    virtual BOOL IsCustomizing() const = 0;
    virtual SECBmpMgr* GetBmpMgr() const = 0;
    virtual int GetImageWidth() const = 0;
    virtual int GetImageHeight() const = 0;
    virtual HFONT GetFont() const = 0;
    virtual HFONT GetMenuFont() const { return GetFont(); }
    // Index of a button in the bar, or -1.
    virtual int IndexOfButton(const SECStdBtn* button) const = 0;
    // The widest button seen so far grows to at least `cx`.
    virtual void RaiseWidestButton(int cx) = 0;
    virtual void InvalidateButton(SECStdBtn* button, BOOL erase) = 0;
    // Re-checks which button the mouse is over.
    virtual void UpdateHotButton() = 0;
    // Shows the popup of a menu or caption-menu button.
    virtual void ShowButtonMenu(SECStdBtn* button) = 0;
    // Sets and clears style bits on every button of a command, in this bar
    // or, when the bar has a toolbar manager, in every bar it manages.
    virtual void InformButtons(UINT id, DWORD set, DWORD clear) = 0;
    // The active MDI child of the bar's frame, or null.
    virtual HWND GetActiveMDIChild() const = 0;
};

// The notification a button sends its bar's owner (TBN_DROPDOWN and the
// menu-bar codes): the toolbar notification header, then the button's
// index in its bar and two values of the sender's choosing.
struct SECBtnNotify {
    NMHDR hdr;
    int iItem;          // the button's command id
    TBBUTTON tbButton;  // zeroed
    int nIndex;
    WPARAM wValue;
    LPARAM lValue;
};

// Creates buttons of one class (the bars create buttons through it).
struct SECBtnClass {
    LPCSTR name;
    SECStdBtn* (*create)();
};

class SECStdBtn {
public:
    static const SECBtnClass buttonClass;

    SECStdBtn();
    virtual ~SECStdBtn() = default;
    SECStdBtn(const SECStdBtn&) = delete;
    SECStdBtn& operator=(const SECStdBtn&) = delete;

    virtual const SECBtnClass* GetButtonClass() const { return &buttonClass; }

    virtual void SetMode(BOOL vertical) { (void)vertical; }
    virtual void SetStyle(DWORD style) { m_nStyle = style; }
    virtual DWORD GetStyle() const { return m_nStyle; }
    virtual BOOL HasStyle(DWORD bits) const { return (m_nStyle & bits) == bits; }
    virtual void SetPos(int x, int y) {
        m_x = x;
        m_y = y;
    }
    virtual void Invalidate(BOOL erase = FALSE);
    // Attaches the bar and sizes the button; `data` is the class's own data.
    virtual void Init(SECButtonBar* bar, const void* data);
    virtual BOOL CanMoveButton() const { return TRUE; }
    virtual void Draw(HDC dc, SECToolBarDrawContext& context);

    virtual BOOL BtnPressDown(POINT point);
    virtual void BtnPressMouseMove(POINT point);
    virtual void BtnPressCancel();
    virtual UINT BtnPressUp(POINT point);

    virtual void BarStyleChanged(DWORD style) { (void)style; }
    // Without a record the command id; with one it is filled in for the
    // bar's tooltip (text by callback).
    virtual INT_PTR OnToolHitTest(POINT point, TOOLINFOA* info) const;
    // Kind 1: style = (style & ~clear) | set, then a repaint.
    virtual void InformBtn(int kind, DWORD set, DWORD clear);
    virtual void AdjustSize();
    // The class's own data for saving (none for a plain button).
    virtual int GetSavedData(BYTE* data, int size) const {
        (void)data;
        (void)size;
        return 0;
    }
    virtual void SetSavedData(const BYTE* data, int size) {
        (void)data;
        (void)size;
    }
    virtual LRESULT SendNotify(int code, WPARAM wValue, LPARAM lValue);

    RECT GetRect() const { return RECT{m_x, m_y, m_x + m_cx, m_y + m_cy}; }
    BOOL IsSeparator() const { return (m_nStyle & SEC_TBBS_SEPARATOR) != 0; }

    UINT m_nID;
    int m_nImage;
    DWORD m_nStyle;
    int m_x;
    int m_y;
    int m_cx;
    int m_cy;
    int m_nType;
    SECButtonBar* m_pBar;

    // Set while a button's drop-down notification is being sent, so that
    // bars ignore presses meanwhile.
    static BOOL s_bNotifying;

protected:
    virtual void DrawFace(HDC dc, SECToolBarDrawContext& context, BOOL customizing, RECT& rect, int imageWidth);
    virtual void DrawDisabled(HDC dc, SECToolBarDrawContext& context);
    virtual void DrawChecked(HDC dc, SECToolBarDrawContext& context);
    virtual void DrawIndeterminate(HDC dc, SECToolBarDrawContext& context);
    virtual void DrawSelected(HDC dc);
    virtual BOOL SelectImage(SECToolBarDrawContext& context);
    virtual BOOL DrawSeparator(HDC dc);
    virtual void DrawButton(HDC dc, SECToolBarDrawContext& context);
    virtual void BlitImage(HDC dc, SECToolBarDrawContext& context, int x, int y);
    virtual void DrawTransparent(HDC dc, SECToolBarDrawContext& context);
    virtual void DrawSelectedIfMarked(HDC dc);
    virtual void BlitToScreen(HDC dc, SECToolBarDrawContext& context);
    // The mask in the context's mask DC: black where the button's pixels
    // are neither face nor highlight.
    void CreateMask(SECToolBarDrawContext& context);
    // Draws `brush` through the mask with raster operation `rop`.
    void BrushThroughMask(HDC dc, SECToolBarDrawContext& context, HBRUSH brush, int dx, int dy, DWORD rop);

    BOOL m_bImageSelected = FALSE;
};

// A menu title on the menu bar.
class SECTBMenuBtn : public SECStdBtn {
public:
    static const SECBtnClass buttonClass;

    // The extra data of Init.
    struct MenuData {
        HMENU menu;
        int subMenu;
        LPCSTR text;
        DWORD flags;
    };

    SECTBMenuBtn();
    const SECBtnClass* GetButtonClass() const override { return &buttonClass; }
    void Init(SECButtonBar* bar, const void* data) override;
    void AdjustSize() override;
    BOOL BtnPressDown(POINT point) override;

    // The letter after the first "&", lower-cased; 0 when none.
    static char MnemonicOf(LPCSTR text);

    CString m_strText;
    HMENU m_hMenu = nullptr;
    int m_nSubMenu = 0;
    DWORD m_dwFlags = 0;
    char m_cMnemonic = 0;

protected:
    void DrawButton(HDC dc, SECToolBarDrawContext& context) override;
    BOOL SelectImage(SECToolBarDrawContext& context) override;
};

// The active MDI child's icon: a press shows the child's system menu.
class SECCapMenuBtn : public SECTBMenuBtn {
public:
    static const SECBtnClass buttonClass;

    SECCapMenuBtn();
    const SECBtnClass* GetButtonClass() const override { return &buttonClass; }
    void AdjustSize() override;
    BOOL CanMoveButton() const override { return FALSE; }
    BOOL BtnPressDown(POINT point) override;

    HICON m_hIcon = nullptr;  // null: the active child's own icon

protected:
    void DrawButton(HDC dc, SECToolBarDrawContext& context) override;
};

// Minimise, restore and close of the active MDI child, in three cells.
class SECBtnCaption : public SECStdBtn {
public:
    static const SECBtnClass buttonClass;

    // Flag bits: the group shows, minimise and restore are enabled.
    enum : DWORD { kShown = 0x80000, kMinRestoreEnabled = 0x20000, kCloseEnabled = 0x10000 };
    enum Cell { kNone = -1, kMinimize = 0, kRestore = 1, kClose = 2 };

    SECBtnCaption();
    const SECBtnClass* GetButtonClass() const override { return &buttonClass; }
    BOOL CanMoveButton() const override { return FALSE; }
    void AdjustSize() override;
    BOOL BtnPressDown(POINT point) override;
    void BtnPressMouseMove(POINT point) override;
    UINT BtnPressUp(POINT point) override;

    // The cell under a bar point, or kNone.
    Cell CellAt(POINT point) const;
    RECT CellRect(Cell cell) const;
    static SIZE CellSize();

    DWORD m_dwCaptionFlags;
    Cell m_pressedCell = kNone;

protected:
    void DrawButton(HDC dc, SECToolBarDrawContext& context) override;
    BOOL SelectImage(SECToolBarDrawContext& context) override;
};
