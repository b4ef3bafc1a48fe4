// SECBmpMenuPlugIn: a frame's window plug-in that draws the frame's pop-up
// menus itself, with the toolbar images of the commands beside their items,
// raised and sunken image frames, embossed disabled items, right-aligned
// accelerator texts and mnemonic selection.
//
//   frame->EnableBitmapMenus(RUNTIME_CLASS(SECBmpMenuPlugIn));
//   // then, once the frame exists:
//   static_cast<SECBmpMenuPlugIn*>(frame->GetMenuPlugIn())->GetBmpMgr()->AddStrip(...);
//
// A pop-up is converted when it opens (WM_INITMENUPOPUP, after the frame
// has updated its items): every string item that is not a system command
// becomes owner-drawn, with a SECBmpMenuItemInfo as its data. Items that
// another component draws keep their drawing, and their ids are never
// touched afterwards. Unplugging turns every converted item back into a
// string item.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "ObjectModel.h"
#include "TextString.h"
#include "WndPlugIn.h"

class SECBmpMgr;

// One converted item: its command, its text ("&Save\tCtrl+S") and its
// mnemonic (the letter after the first "&", lower-cased; 0 when none).
class SECBmpMenuItemInfo : public CObject {
    DECLARE_DYNAMIC(SECBmpMenuItemInfo)

public:
    SECBmpMenuItemInfo(UINT id, LPCSTR text);
    void SetText(LPCSTR text);

    UINT m_nID;
    CString m_strText;
    char m_cMnemonic;
};

class SECBmpMenuPlugIn : public SECWndPlugIn {
    DECLARE_DYNCREATE(SECBmpMenuPlugIn)

public:
    // `toolkitCheckMarks`: checked items without a bitmap of their own show
    // the toolkit's check mark in the system colours, not the system's.
    explicit SECBmpMenuPlugIn(BOOL toolkitCheckMarks = FALSE);
    ~SECBmpMenuPlugIn() override;

    void UnPlug() override;

    // The images of the commands (shared and reference counted).
    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }
    void SetBmpMgr(SECBmpMgr* images);

    // Drops the records of menus that are gone and the item records no
    // converted item refers to any longer.
    virtual void Cleanup();
    virtual HFONT GetMenuFont() const { return m_hMenuFont; }
    virtual HFONT GetBoldMenuFont() const { return m_hBoldMenuFont; }

    // The record of a converted item of `menu`, or null.
    SECBmpMenuItemInfo* FindItem(HMENU menu, UINT id) const;
    INT_PTR GetMenuRecordCount() const { return static_cast<INT_PTR>(m_menus.size()); }
    BOOL IsForeign(UINT id) const { return m_foreignIds.count(id) != 0; }

    // Item width and height by the measuring rule (text size given).
    static SIZE MeasureItem(SIZE text, SIZE image);

protected:
    afx_msg LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);

    // Masked drawing of an image: `source` holds it at (0, 0) on the face
    // colour, `cx` by `cy`; the mask is black where its pixels are neither
    // face nor highlight. The drawing goes to (x, y) of `dc`.
    virtual HBITMAP CreateMask(HDC source, int cx, int cy);
    virtual void DrawChecked(HDC dc, int x, int y, HDC source, int cx, int cy);
    virtual void DrawDisabled(HDC dc, int x, int y, HDC source, int cx, int cy);
    // The image column of an item; TRUE when it holds an image.
    virtual BOOL DrawImageColumn(HDC dc, const DRAWITEMSTRUCT& item, const SECBmpMenuItemInfo& info);

    DECLARE_MESSAGE_MAP()

private:
    struct MenuRecord {
        std::vector<std::unique_ptr<SECBmpMenuItemInfo>> items;
    };
    struct Colours {
        COLORREF face, highlight, shadow, selection, menu, grayText, highlightText, menuText;
    };

    void ConvertMenu(HMENU menu);
    BOOL OwnsItemData(ULONG_PTR data) const;
    void CreateFonts();
    void DeleteFonts();
    void LoadColours();
    HBRUSH DitherBrush();
    // Turns every converted item of live menus back into a string item.
    void RestoreAllItems();
    // The check-mark picture of a checked item without an image, or null.
    HBITMAP CheckBitmapFor(HMENU menu, UINT id, BOOL checked) const;

    std::map<HMENU, MenuRecord> m_menus;
    std::set<UINT> m_foreignIds;
    BOOL m_bToolkitCheckMarks;
    SECBmpMgr* m_pBmpMgr;
    HFONT m_hMenuFont = nullptr;
    HFONT m_hBoldMenuFont = nullptr;
    HBRUSH m_hDitherBrush = nullptr;
    HBITMAP m_hCheckBitmap = nullptr;
    HBITMAP m_hBulletBitmap = nullptr;
    Colours m_colours{};
};
