#include "CommonControls.h"

#include "NullObject.h"
#include "ThreadState.h"

namespace {

BOOL CreateControl(CWnd* control, LPCSTR className, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return control->CWnd::Create(className, nullptr, style, rect, parent, id);
}

}  // namespace

// CSpinButtonCtrl

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, UPDOWN_CLASSA, style, rect, parent, id);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    DWORD range = static_cast<DWORD>(SendMessage(UDM_GETRANGE));
    lower = static_cast<short>(HIWORD(range));
    upper = static_cast<short>(LOWORD(range));
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

// CProgressCtrl

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, PROGRESS_CLASSA, style, rect, parent, id);
}

// CSliderCtrl

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, TRACKBAR_CLASSA, style, rect, parent, id);
}

// CListCtrl

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, WC_LISTVIEWA, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const LVCOLUMNA* info) {
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(info)));
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int subItem) {
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_FMT;
    info.fmt = format;
    info.pszText = const_cast<LPSTR>(heading);
    if (width != -1) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem != -1) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return InsertColumn(column, &info);
}

int CListCtrl::InsertItem(int index, LPCSTR text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&item);
}

int CListCtrl::InsertItem(int index, LPCSTR text, int image) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    item.iImage = image;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCSTR text) {
    LVITEMA info = {};
    info.iSubItem = subItem;
    info.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::GetItemText(int item, int subItem, LPSTR text, int length) const {
    LVITEMA info = {};
    info.iSubItem = subItem;
    info.pszText = text;
    info.cchTextMax = length;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&info)));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    // The control gives no length: grow the buffer until the text fits.
    CString text;
    for (int size = 256;; size *= 2) {
        LPSTR buffer = text.GetBuffer(size);
        int length = GetItemText(item, subItem, buffer, size);
        text.ReleaseBuffer(length);
        if (length < size - 1) return text;
    }
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMA info = {};
    info.state = state;
    info.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&info)));
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMA info = {};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = static_cast<LPARAM>(data);
    return SetItem(&info);
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMA info = {};
    info.mask = LVIF_PARAM;
    info.iItem = item;
    GetItem(&info);
    return static_cast<DWORD_PTR>(info.lParam);
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO info = {};
    info.pt = point;
    int item = HitTest(&info);
    if (flags) *flags = info.flags;
    return item;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int kind) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(list->GetSafeHandle()))));
}

// CTabCtrl

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateControl(this, WC_TABCONTROLA, style, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, LPCSTR text) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(index, &item);
}

CSize CTabCtrl::SetItemSize(CSize size) {
    DWORD previous = static_cast<DWORD>(SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    return CSize(LOWORD(previous), HIWORD(previous));
}

CImageList* CTabCtrl::SetImageList(CImageList* list) {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
        SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list->GetSafeHandle()))));
}

// CToolTipCtrl

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, parent->GetSafeHwnd(), nullptr);
}

UINT CToolTipCtrl::ToolInfoSize() { return TTTOOLINFOA_V2_SIZE; }

void CToolTipCtrl::FillToolInfo(TOOLINFOA& info, CWnd* wnd, UINT_PTR toolId) const {
    info = {};
    info.cbSize = ToolInfoSize();
    if (toolId == 0) {
        info.hwnd = ::GetParent(wnd->m_hWnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(wnd->m_hWnd);
    } else {
        info.hwnd = wnd->m_hWnd;
        info.uId = toolId;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCSTR text, LPCRECT rect, UINT_PTR toolId) {
    TOOLINFOA info;
    FillToolInfo(info, wnd, toolId);
    if (rect) info.rect = *rect;
    else if (toolId != 0) wnd->GetClientRect(&info.rect);
    if (toolId == 0) info.uFlags |= TTF_SUBCLASS;
    info.hinst = AfxGetResourceHandle();
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, UINT textId, LPCRECT rect, UINT_PTR toolId) {
    return AddTool(wnd, MAKEINTRESOURCEA(textId), rect, toolId);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId) {
    TOOLINFOA info;
    FillToolInfo(info, wnd, toolId);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId) {
    TOOLINFOA info;
    FillToolInfo(info, wnd, toolId);
    info.hinst = AfxGetResourceHandle();
    info.lpszText = const_cast<LPSTR>(text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA* info, CWnd* wnd, UINT_PTR toolId) const {
    FillToolInfo(*info, wnd, toolId);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(info)));
}

// CImageList

namespace {

CHandleMap<CImageList, HIMAGELIST>& ImageListMap() { return AfxGetThreadState()->imageListMap; }

}  // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

HIMAGELIST CImageList::GetSafeHandle() const { return IsNullObject(this) ? nullptr : m_hImageList; }

CImageList* CImageList::FromHandle(HIMAGELIST list) { return ImageListMap().FromHandle(list); }

void CImageList::DeleteTempMap() { ImageListMap().DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST list) { return ImageListMap().Attach(this, list); }

HIMAGELIST CImageList::Detach() { return ImageListMap().Detach(this); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    return Attach(ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId), cx, grow,
                                       mask, IMAGE_BITMAP, LR_DEFAULTCOLOR));
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Add(m_hImageList, static_cast<HBITMAP>(bitmap->GetSafeHandle()),
                         static_cast<HBITMAP>(mask->GetSafeHandle()));
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(bitmap->GetSafeHandle()), mask);
}

BOOL CImageList::Replace(int image, CBitmap* bitmap, CBitmap* mask) {
    return ImageList_Replace(m_hImageList, image, static_cast<HBITMAP>(bitmap->GetSafeHandle()),
                             static_cast<HBITMAP>(mask->GetSafeHandle()));
}

BOOL CImageList::Draw(CDC* dc, int image, POINT point, UINT style) {
    return ImageList_Draw(m_hImageList, image, dc->m_hDC, point.x, point.y, style);
}
