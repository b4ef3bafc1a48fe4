// SECCustomToolBar: the toolkit's own toolbar, drawn entirely by the
// toolkit. Its buttons are SECStdBtn objects (StdBtn.h) with images from a
// shared SECBmpMgr; buttons are added and removed at run time, follow
// command update, track presses with the mouse captured and post their
// commands to the owner; a flat bar hot-tracks the button under the mouse.
//
//   SECCustomToolBar bar;
//   bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE820);
//   bar.GetBmpMgr()->AddStrip(MAKEINTRESOURCE(IDB_TOOLS), ids, count);
//   bar.SetButtons(ids, count);     // 0 makes a separator
//
// Layout: buttons are placed in rows from the inside-rectangle origin; a
// row ends after a button with the wrapped bit. Docked horizontally the bar
// is one row (or rows of the given length when stretched or floating);
// docked vertically, one button per row.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "CmdUI.h"
#include "CustomRowLayout.h"
#include "RectTracker.h"
#include "SECControlBar.h"
#include "StdBtn.h"

class SECBmpMgr;
class SECToolBarDrawContext;
class SECToolBarManager;

// Ids of the user toolbars, and of the menu bar (never a user toolbar).
constexpr UINT SEC_IDW_USERBAR_FIRST = 0xE820;
constexpr UINT SEC_IDW_USERBAR_LAST = 0xE8FE;
constexpr UINT SEC_IDW_MENUBAR = 0xE8FF;

class SECCustomToolBar : public SECControlBar, public SECButtonBar {
    DECLARE_DYNCREATE(SECCustomToolBar)

public:
    // An entry of a button-class table: the class that makes the button of
    // a command, with its style word and extra data. A table ends with an
    // entry without class.
    struct BtnMapEntry {
        const SECBtnClass* buttonClass;
        UINT id;
        DWORD style;
        const void* data;
    };

    // A row of buttons: its last index, whether it ends at a separator, its
    // width (the ending separator excluded) and height.
    using Row = custom_rows::Row;

    SECCustomToolBar();
    ~SECCustomToolBar() override;

    virtual BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR,
                        LPCSTR title = nullptr);

    // Buttons.
    virtual BOOL SetButtons(const UINT* ids, int count);
    virtual BOOL InsertButton(int index, UINT id, BOOL separator = FALSE, BOOL defer = FALSE);
    // Removes a button (and a separator that it leaves first, last or
    // doubled). An emptied user toolbar hides at once and destroys itself
    // once the current message is done; the result is whether buttons
    // remain.
    virtual BOOL RemoveButton(int index, BOOL defer = FALSE);
    virtual void RemoveAllButtons();
    virtual SECStdBtn* CreateButton(UINT id);
    virtual SECStdBtn* CreateSeparator();
    // A button of a given class with its class's extra data.
    SECStdBtn* CreateButtonOfClass(const SECBtnClass& buttonClass, const void* data, UINT id = 0);
    virtual int GetBitmapIndex(UINT id) const;
    void SetButtonClassTable(const BtnMapEntry* table) { m_pBtnMap = table; }
    void AddButtonClass(const SECBtnClass* buttonClass, UINT id, DWORD style = 0, const void* data = nullptr);

    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    SECStdBtn* GetButton(int index) const { return m_buttons[static_cast<size_t>(index)]; }
    int CommandToIndex(UINT id) const;
    // The visible button under a client point, or -1.
    virtual int HitTest(CPoint point) const;
    int GetActiveButton() const { return m_nActiveBtn; }
    int GetHotButton() const { return m_nHotBtn; }

    // Images and sizes.
    SECBmpMgr* GetBmpMgr() const override { return m_pBmpMgr; }
    // Shares another manager (a reference is taken, the old one released).
    void SetBmpMgr(SECBmpMgr* images);
    int GetImageWidth() const override;
    int GetImageHeight() const override;
    virtual int GetButtonWidth() const { return GetImageWidth() + 7; }
    virtual int GetButtonHeight() const { return GetImageHeight() + 7; }
    virtual int GetSeparatorWidth() const { return (GetImageWidth() + 8) / 3; }
    virtual int GetSeparatorHeight() const { return GetButtonHeight(); }

    // Layout.
    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    virtual CSize CalcLayout(int length, DWORD mode);
    // Breaks the buttons into rows no wider than `width` (+2): at the last
    // separator before the button that overflows, else before that button;
    // a row always holds at least one button.
    virtual void GetRows(int width, std::vector<Row>& rows) const;
    // The rows for a length along the bar, or (`vertical`) the height it
    // stands in, evened out by BalanceRows.
    virtual void SizeToolBar(int length, BOOL vertical, std::vector<Row>& rows) const;
    // Evens the rows: the widest passes buttons on to the next while that
    // row stays no wider.
    virtual void BalanceRows(std::vector<Row>& rows) const;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    void DoPaint(CDC* dc) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override;

    // The manager of the frame's toolbars (not owned), told when the bar is
    // created, destroyed, shown or hidden.
    SECToolBarManager* GetManager() const { return m_pManager; }
    void SetManager(SECToolBarManager* manager) { m_pManager = manager; }
    // The bar deletes itself when its window is destroyed (user toolbars).
    void SetAutoDelete(BOOL autoDelete) { m_bAutoDelete = autoDelete; }
    // Sizes every button again for the current image size.
    virtual void RecalcButtonSizes();

    // Customise mode: clicks select buttons instead of pressing them.
    virtual void SetCustomizing(BOOL customizing);

    // Drags button `index` from `point` (customise mode, or Alt with a
    // manager): dropped on a toolbar that accepts it the button moves there
    // (or, with Ctrl held, is copied); dropped elsewhere it is removed
    // (with Ctrl, nothing happens). FALSE when a drop failed.
    virtual BOOL TrackButtonMove(int index, CPoint point);
    // Puts `button`'s command into this bar at the place of `rect` (client
    // coordinates); without `copy` the button leaves its own bar. TRUE when
    // the button landed here.
    virtual BOOL DropButton(const CRect& rect, SECStdBtn* button, BOOL copy, BOOL defer = FALSE);
    virtual BOOL AcceptsDrop() const { return TRUE; }
    // The customise selection: a button marked selected, or -1.
    int GetSelectedButton() const;
    void SelectButton(int index);
    // Only buttons of this bar may be dropped back onto it.
    void SetDropOnlyHere(BOOL only) { m_bDropOnlyHere = only; }

    // Menu mode (the menu bar's keyboard navigation): `index` becomes the
    // hot button, whatever the mouse does, until menu mode ends.
    virtual void EnterMenuModeAt(int index);
    virtual void ExitMenuMode();
    virtual BOOL IsMenuMode() const { return m_bMenuMode; }
    // Menu buttons (types 3 and 4): the first, and the next one from
    // `index` in `direction` (+1 or -1) without wrapping; -1 when none.
    virtual int FirstMenuButton() const;
    virtual int NextMenuButton(int index, int direction) const;
    int GetMenuButton() const { return m_nMenuBtn; }
    void SetMenuButton(int index) { m_nMenuBtn = index; }

    // SECButtonBar.
    HWND GetBarWindow() const override { return m_hWnd; }
    UINT GetBarId() const override { return static_cast<UINT>(::GetDlgCtrlID(m_hWnd)); }
    HWND GetNotifyOwner() const override;
    DWORD GetExBarStyle() const override { return m_dwExStyle; }
    BOOL IsFlat() const override { return (m_dwExStyle & SEC_BAR_FLAT) != 0; }
    BOOL IsCustomizing() const override { return m_bCustomizing; }
    HFONT GetFont() const override { return m_hFont; }
    int IndexOfButton(const SECStdBtn* button) const override;
    void RaiseWidestButton(int cx) override;
    void InvalidateButton(SECStdBtn* button, BOOL erase) override;
    void UpdateHotButton() override;
    void ShowButtonMenu(SECStdBtn* button) override;
    void InformButtons(UINT id, DWORD set, DWORD clear) override;
    HWND GetActiveMDIChild() const override;

    // The bar's own message that destroys an emptied user toolbar.
    static const UINT WM_SEC_DESTROYEMPTYBAR;

protected:
    BOOL IsUserBar() const;
    void SetActiveButton(int index);
    void SetHotButton(int index);
    void CancelActiveButton();
    // Brings one button's state in line with its command handlers.
    void UpdateButton(int index);

    void PostNcDestroy() override;
    afx_msg void OnDestroy();
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* wnd);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnAddButtons(WPARAM count, LPARAM buttons);
    afx_msg LRESULT OnDeleteButton(WPARAM index, LPARAM);
    afx_msg LRESULT OnDestroyEmptyBar(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    std::vector<SECStdBtn*> m_buttons;
    SECBmpMgr* m_pBmpMgr;
    std::unique_ptr<SECToolBarDrawContext> m_pDrawContext;
    const BtnMapEntry* m_pBtnMap = nullptr;
    std::vector<BtnMapEntry> m_ownBtnMap;
    HFONT m_hFont;
    int m_nActiveBtn = -1;
    int m_nHotBtn = -1;
    int m_nMenuBtn = -1;
    int m_nMaxBtnWidth = 0;
    BOOL m_bCustomizing = FALSE;
    BOOL m_bDestroyPending = FALSE;
    BOOL m_bMenuMode = FALSE;
    BOOL m_bAutoDelete = FALSE;
    BOOL m_bDropOnlyHere = FALSE;
    SECToolBarManager* m_pManager = nullptr;
};

// The rubber band of a dragged button: a drag rectangle as thick as the
// handle size less one, anywhere on the screen.
class SECToolBarRectTracker : public CRectTracker {
public:
    explicit SECToolBarRectTracker(const CRect& rect) : CRectTracker(&rect, hatchedBorder) {}
};

// The bar's command-update object: Enable sets or clears the disabled bit
// (leaving pressed alone), SetCheck the checked or indeterminate bits of a
// check box; a change repaints the button.
class SECCustomToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int check = 1) override;
    SECCustomToolBar* m_pBar = nullptr;
};
