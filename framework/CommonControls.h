// The common controls the programs use: up-down, progress, track bar, list
// view, tab, tooltip, and the image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Wnd.h"

class CImageList;

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, lower, upper); }
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
    int SetPos(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(pos, 0))); }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
    int SetPos32(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    CWnd* SetBuddy(CWnd* buddy) {
        return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->GetSafeHwnd()))));
    }
    CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
    int SetBase(int base) { return static_cast<int>(SendMessage(UDM_SETBASE, base)); }
    BOOL SetAccel(int count, UDACCEL* accel) {
        return static_cast<BOOL>(SendMessage(UDM_SETACCEL, count, reinterpret_cast<LPARAM>(accel)));
    }
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, lower, upper); }
    int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, delta)); }
    int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, step)); }
    int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};

class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    void GetRange(int& minPos, int& maxPos) const {
        minPos = GetRangeMin();
        maxPos = GetRangeMax();
    }
    void SetRangeMin(int minPos, BOOL redraw = FALSE) { SendMessage(TBM_SETRANGEMIN, redraw, minPos); }
    void SetRangeMax(int maxPos, BOOL redraw = FALSE) { SendMessage(TBM_SETRANGEMAX, redraw, maxPos); }
    void SetRange(int minPos, int maxPos, BOOL redraw = FALSE) {
        SetRangeMin(minPos, FALSE);
        SetRangeMax(maxPos, redraw);
    }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, pos); }
    void SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, frequency); }
    int SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
    int SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
    void ClearTics(BOOL redraw = FALSE) { SendMessage(TBM_CLEARTICS, redraw); }
};

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, const LVCOLUMNA* info);
    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    BOOL DeleteColumn(int column) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, column)); }
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    BOOL SetColumnWidth(int column, int width) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
    }
    int InsertItem(const LVITEMA* item) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    int InsertItem(int index, LPCSTR text);
    int InsertItem(int index, LPCSTR text, int image);
    BOOL GetItem(LVITEMA* item) const {
        return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(const LVITEMA* item) {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItemText(int item, int subItem, LPCSTR text);
    CString GetItemText(int item, int subItem) const;
    int GetItemText(int item, int subItem, LPSTR text, int length) const;
    BOOL DeleteItem(int item) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, item)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int item, int flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, item, MAKELPARAM(flags, 0)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    DWORD SetExtendedStyle(DWORD exStyle) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    BOOL EnsureVisible(int item, BOOL partialOK) {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, item, partialOK));
    }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    int HitTest(LVHITTESTINFO* info) const {
        return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    BOOL SetBkColor(COLORREF color) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, color)); }
    BOOL SetTextColor(COLORREF color) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, color)); }
    BOOL SetTextBkColor(COLORREF color) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, color)); }
    BOOL RedrawItems(int first, int last) { return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, first, last)); }
    BOOL Update(int item) { return static_cast<BOOL>(SendMessage(LVM_UPDATE, item)); }
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data) {
        return static_cast<BOOL>(SendMessage(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare)));
    }
    CImageList* SetImageList(CImageList* list, int kind);
};

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertItem(int index, const TCITEMA* item) {
        return static_cast<int>(SendMessage(TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(item)));
    }
    int InsertItem(int index, LPCSTR text);
    BOOL GetItem(int index, TCITEMA* item) const {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(item)));
    }
    BOOL SetItem(int index, const TCITEMA* item) {
        return static_cast<BOOL>(SendMessage(TCM_SETITEMA, index, reinterpret_cast<LPARAM>(item)));
    }
    BOOL DeleteItem(int index) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, index)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, index)); }
    int GetCurFocus() const { return static_cast<int>(SendMessage(TCM_GETCURFOCUS)); }
    BOOL GetItemRect(int index, LPRECT rect) const {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)));
    }
    void AdjustRect(BOOL larger, LPRECT rect) { SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect)); }
    int HitTest(TCHITTESTINFO* info) const {
        return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
    }
    int GetRowCount() const { return static_cast<int>(SendMessage(TCM_GETROWCOUNT)); }
    CSize SetItemSize(CSize size);
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    CImageList* SetImageList(CImageList* list);
};

// A tooltip control. Tools are windows or rectangles of a window; a text id
// names a string resource.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd* parent, DWORD style = 0);

    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    BOOL AddTool(CWnd* wnd, LPCSTR text = LPSTR_TEXTCALLBACKA, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    BOOL AddTool(CWnd* wnd, UINT textId, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    void SetDelayTime(UINT delay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, delay); }
    void SetDelayTime(DWORD kind, int delay) { SendMessage(TTM_SETDELAYTIME, kind, delay); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    void Pop() { SendMessage(TTM_POP); }
    BOOL GetToolInfo(TOOLINFOA* info, CWnd* wnd, UINT_PTR toolId = 0) const;
    void SetToolInfo(TOOLINFOA* info) { SendMessage(TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(info)); }

    // The record size this system's tooltip control accepts (the smallest
    // layout, which every version understands).
    static UINT ToolInfoSize();

private:
    void FillToolInfo(TOOLINFOA& info, CWnd* wnd, UINT_PTR toolId) const;
};

// A list of same-sized images (not a window).
class CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)

public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const;
    static CImageList* FromHandle(HIMAGELIST list);
    static void DeleteTempMap();
    BOOL Attach(HIMAGELIST list);
    HIMAGELIST Detach();

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();

    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL Replace(int image, CBitmap* bitmap, CBitmap* mask);
    BOOL Remove(int image) { return ImageList_Remove(m_hImageList, image); }
    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL GetImageInfo(int image, IMAGEINFO* info) const { return ImageList_GetImageInfo(m_hImageList, image, info); }
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(m_hImageList, color); }
    BOOL Draw(CDC* dc, int image, POINT point, UINT style);
};
