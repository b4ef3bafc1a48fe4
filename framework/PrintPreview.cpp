#include "PrintPreview.h"

#include <algorithm>
#include <memory>

#include "FrameWnd.h"
#include "WinApp.h"
#include "WindowMessages.h"

namespace {

// The frame's pane while its view is hidden behind the preview.
constexpr UINT kHiddenPaneId = AFX_IDW_PANE_FIRST + 0xFF;
constexpr int kButtonRowHeight = 30;
constexpr int kPageMargin = 10;
const COLORREF kPreviewBackground = RGB(128, 128, 128);

struct PreviewButton {
    UINT id;
    LPCSTR text;
    int width;
};
const PreviewButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, "Print", 60},       {AFX_ID_PREVIEW_NEXT, "Next Page", 80},
    {AFX_ID_PREVIEW_PREV, "Prev Page", 80},    {AFX_ID_PREVIEW_NUMPAGE, "Two Page", 80},
    {AFX_ID_PREVIEW_ZOOMIN, "Zoom In", 70},    {AFX_ID_PREVIEW_ZOOMOUT, "Zoom Out", 70},
    {AFX_ID_PREVIEW_CLOSE, "Close", 60},
};

// Draws on the screen what a view draws for the printer: queries and the
// view's mapping go to the printer's DC, and every mapping change is
// mirrored onto the screen DC scaled from the printer's page to `page`.
class CPreviewDC : public CDC {
public:
    CPreviewDC(HDC screen, HDC printer, const CRect& page, CSize printerPage)
        : page_(page), printerPage_(printerPage) {
        m_hDC = screen;
        m_hAttribDC = printer;
        m_bPrinting = TRUE;
        screenSaved_ = ::SaveDC(screen);
        printerSaved_ = ::SaveDC(printer);
        ::IntersectClipRect(screen, page.left, page.top, page.right, page.bottom);
        Mirror();
    }
    ~CPreviewDC() override {
        ::RestoreDC(m_hAttribDC, printerSaved_);
        ::RestoreDC(m_hDC, screenSaved_);
        m_hDC = m_hAttribDC = nullptr;  // neither is ours to delete
    }

    int SetMapMode(int mode) override {
        int previous = ::SetMapMode(m_hAttribDC, mode);
        Mirror();
        return previous;
    }
    CPoint SetViewportOrg(int x, int y) override {
        POINT previous = {};
        ::SetViewportOrgEx(m_hAttribDC, x, y, &previous);
        Mirror();
        return previous;
    }
    CPoint OffsetViewportOrg(int width, int height) override {
        POINT previous = {};
        ::OffsetViewportOrgEx(m_hAttribDC, width, height, &previous);
        Mirror();
        return previous;
    }
    CSize SetViewportExt(int cx, int cy) override {
        SIZE previous = {};
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &previous);
        Mirror();
        return previous;
    }
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override {
        SIZE previous = {};
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &previous);
        Mirror();
        return previous;
    }
    CSize SetWindowExt(int cx, int cy) override {
        SIZE previous = {};
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &previous);
        Mirror();
        return previous;
    }
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override {
        SIZE previous = {};
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &previous);
        Mirror();
        return previous;
    }

private:
    // The screen's mapping: the printer's, then printer pixels scaled to the
    // page rectangle.
    void Mirror() {
        POINT windowOrg = {}, viewportOrg = {};
        SIZE windowExt = {}, viewportExt = {};
        ::GetWindowOrgEx(m_hAttribDC, &windowOrg);
        ::GetWindowExtEx(m_hAttribDC, &windowExt);
        ::GetViewportOrgEx(m_hAttribDC, &viewportOrg);
        ::GetViewportExtEx(m_hAttribDC, &viewportExt);
        ::SetMapMode(m_hDC, MM_ANISOTROPIC);
        ::SetWindowExtEx(m_hDC, windowExt.cx * printerPage_.cx, windowExt.cy * printerPage_.cy, nullptr);
        ::SetViewportExtEx(m_hDC, viewportExt.cx * page_.Width(), viewportExt.cy * page_.Height(), nullptr);
        ::SetWindowOrgEx(m_hDC, windowOrg.x, windowOrg.y, nullptr);
        ::SetViewportOrgEx(m_hDC, page_.left + ::MulDiv(viewportOrg.x, page_.Width(), printerPage_.cx),
                           page_.top + ::MulDiv(viewportOrg.y, page_.Height(), printerPage_.cy), nullptr);
    }

    CRect page_;
    CSize printerPage_;
    int screenSaved_ = 0;
    int printerSaved_ = 0;
};

}  // namespace

IMPLEMENT_DYNAMIC(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPages)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
END_MESSAGE_MAP()

void CView::OnFilePrintPreview() {
    CFrameWnd* frame = GetParentFrame();
    if (frame == nullptr) return;
    auto info = std::make_unique<CPrintInfo>();
    info->m_bPreview = TRUE;
    if (!OnPreparePrinting(info.get())) return;
    ASSERT(info->m_pPD->m_pd.hDC != nullptr);
    auto* preview = new CPreviewView;
    if (!preview->Start(this, info.release())) AfxMessageBox("The print preview could not be shown.", MB_ICONEXCLAMATION);
}

namespace {

// The frame's close procedure while a preview is up.
void ClosePreviewOf(CFrameWnd* frame) {
    if (CPreviewView* preview = CPreviewView::InFrame(frame)) preview->Close();
    else frame->m_lpfnCloseProc = nullptr;
}

}  // namespace

CPreviewView* CPreviewView::InFrame(CFrameWnd* frame) {
    CWnd* pane = CWnd::FromHandlePermanent(::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST));
    return pane && pane->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(pane) : nullptr;
}

CPreviewView::~CPreviewView() {
    m_printerDC.Detach();  // the job's print dialog deletes its DC
    delete m_pInfo;
}

BOOL CPreviewView::Start(CView* printView, CPrintInfo* info) {
    m_pPrintView = printView;
    m_pInfo = info;
    m_pFrame = printView->GetParentFrame();
    m_printerDC.Attach(info->m_pPD->m_pd.hDC);
    m_printerDC.m_bPrinting = TRUE;
    m_sizePrinterPage = CSize(m_printerDC.GetDeviceCaps(HORZRES), m_printerDC.GetDeviceCaps(VERTRES));
    if (info->m_nNumPreviewPages == 0) info->m_nNumPreviewPages = AfxGetApp() ? AfxGetApp()->m_nNumPreviewPages : 0;
    m_nPages = info->m_nNumPreviewPages == 2 ? 2 : 1;
    if (info->m_strPageDesc.IsEmpty()) info->m_strPageDesc = "Page %u";
    info->m_nCurPage = info->GetMinPage() ? info->GetMinPage() : 1;

    CRect client;
    m_pFrame->GetClientRect(&client);
    if (!Create(nullptr, nullptr, WS_CHILD | WS_CLIPCHILDREN, client, m_pFrame, AFX_IDW_PANE_FIRST, nullptr)) {
        m_pFrame = nullptr;
        delete this;  // no window: PostNcDestroy never comes
        return FALSE;
    }
    int x = 4;
    for (const PreviewButton& button : kButtons) {
        ::CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 3, button.width,
                          kButtonRowHeight - 6, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.id)),
                          nullptr, nullptr);
        x += button.width + 4;
    }
    m_pPrintView->OnBeginPrinting(&m_printerDC, m_pInfo);

    m_state.pViewActiveOld = m_pFrame->GetActiveView();
    m_state.hWndPane = ::GetDlgItem(m_pFrame->m_hWnd, AFX_IDW_PANE_FIRST);
    if (m_state.hWndPane == m_hWnd) m_state.hWndPane = nullptr;  // the frame had no pane
    m_pFrame->OnSetPreviewMode(TRUE, &m_state);
    m_pFrame->m_lpfnCloseProc = ClosePreviewOf;
    if (m_state.hWndPane) {
        ::SetWindowLongPtrA(m_state.hWndPane, GWLP_ID, kHiddenPaneId);
        ::ShowWindow(m_state.hWndPane, SW_HIDE);
    }
    ShowWindow(SW_SHOW);
    m_pFrame->SetActiveView(this);
    m_pFrame->RecalcLayout();
    Refresh();
    return TRUE;
}

void CPreviewView::Close() {
    CFrameWnd* frame = m_pFrame;
    EndPreview();
    DestroyWindow();  // deletes this
    if (frame) frame->RecalcLayout();
}

void CPreviewView::EndPreview() {
    CFrameWnd* frame = m_pFrame;
    if (frame == nullptr) return;
    m_pFrame = nullptr;
    frame->m_lpfnCloseProc = nullptr;
    m_pPrintView->OnEndPrinting(&m_printerDC, m_pInfo);
    if (m_state.hWndPane) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_ID, kHiddenPaneId + 1);
        ::SetWindowLongPtrA(m_state.hWndPane, GWLP_ID, AFX_IDW_PANE_FIRST);
        ::ShowWindow(m_state.hWndPane, SW_SHOW);
    }
    frame->OnSetPreviewMode(FALSE, &m_state);
    frame->SetActiveView(m_state.pViewActiveOld);
}

void CPreviewView::OnDestroy() {
    EndPreview();  // the preview window went without Close
    CView::OnDestroy();
}

UINT CPreviewView::LastPage() const {
    UINT last = m_pInfo->GetMaxPage();
    return last < m_pInfo->GetMinPage() ? m_pInfo->GetMinPage() : last;
}

UINT CPreviewView::PagesShown() const {
    if (m_nZoom > 1 || m_nPages == 1) return 1;
    return m_pInfo->m_nCurPage < LastPage() ? 2 : 1;
}

CRect CPreviewView::PageArea() const {
    CRect area;
    GetClientRect(&area);
    DWORD style = GetStyle();
    if (style & WS_VSCROLL) area.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) area.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    area.top += kButtonRowHeight;
    return area;
}

namespace {

int ColumnWidth(const CRect& area, UINT columns) {
    return (area.Width() - kPageMargin * static_cast<int>(columns + 1)) / static_cast<int>(columns);
}

}  // namespace

CSize CPreviewView::PageSize() const {
    CRect area = PageArea();
    UINT columns = (m_nZoom > 1 || m_nPages == 1) ? 1 : 2;
    int width = ColumnWidth(area, columns);
    int height = area.Height() - 2 * kPageMargin;
    if (width <= 0 || height <= 0 || m_sizePrinterPage.cx <= 0 || m_sizePrinterPage.cy <= 0) return CSize(0, 0);
    // The page fitted to its column, then zoomed.
    double scale = std::min(static_cast<double>(width) / m_sizePrinterPage.cx,
                            static_cast<double>(height) / m_sizePrinterPage.cy) *
                   m_nZoom;
    return CSize(static_cast<int>(m_sizePrinterPage.cx * scale), static_cast<int>(m_sizePrinterPage.cy * scale));
}

CRect CPreviewView::GetPageRect(UINT index) const {
    CSize size = PageSize();
    if (size.cx <= 0 || size.cy <= 0) return CRect();
    CRect area = PageArea();
    UINT columns = (m_nZoom > 1 || m_nPages == 1) ? 1 : 2;
    int width = ColumnWidth(area, columns);
    int left = area.left + kPageMargin + static_cast<int>(index) * (width + kPageMargin);
    if (m_nZoom == 1) left += (width - size.cx) / 2;
    CRect page(left, area.top + kPageMargin, left + size.cx, area.top + kPageMargin + size.cy);
    page.OffsetRect(-m_scroll.x, -m_scroll.y);
    return page;
}

void CPreviewView::UpdateScrollBars() {
    if (m_bUpdatingBars) return;  // showing a bar resizes the view
    m_bUpdatingBars = TRUE;
    CRect area = PageArea();
    CSize page = PageSize();
    CSize content(page.cx + 2 * kPageMargin, page.cy + 2 * kPageMargin);
    bool horizontal = false, vertical = false;
    if (m_nZoom > 1 && page.cx > 0) {
        // A bar takes room from the other direction.
        horizontal = content.cx > area.Width();
        vertical = content.cy > area.Height();
        if (horizontal && !vertical) vertical = content.cy > area.Height() - ::GetSystemMetrics(SM_CYHSCROLL);
        if (vertical && !horizontal) horizontal = content.cx > area.Width() - ::GetSystemMetrics(SM_CXVSCROLL);
    }
    CSize visible(area.Width() - (vertical ? ::GetSystemMetrics(SM_CXVSCROLL) : 0),
                  area.Height() - (horizontal ? ::GetSystemMetrics(SM_CYHSCROLL) : 0));
    m_scroll.x = horizontal ? std::max(0L, std::min(m_scroll.x, static_cast<LONG>(content.cx - visible.cx))) : 0;
    m_scroll.y = vertical ? std::max(0L, std::min(m_scroll.y, static_cast<LONG>(content.cy - visible.cy))) : 0;
    ::ShowScrollBar(m_hWnd, SB_HORZ, horizontal);
    ::ShowScrollBar(m_hWnd, SB_VERT, vertical);
    auto set = [this](int bar, int range, int pageSize, int position) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = range - 1;
        info.nPage = static_cast<UINT>(std::max(pageSize, 1));
        info.nPos = position;
        ::SetScrollInfo(m_hWnd, bar, &info, TRUE);
    };
    if (horizontal) set(SB_HORZ, content.cx, visible.cx, m_scroll.x);
    if (vertical) set(SB_VERT, content.cy, visible.cy, m_scroll.y);
    m_bUpdatingBars = FALSE;
}

void CPreviewView::ScrollPage(int bar, UINT code) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!(GetStyle() & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) || !::GetScrollInfo(m_hWnd, bar, &info)) return;
    const int page = static_cast<int>(info.nPage);
    const int line = std::max(page / 10, 1);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    default: return;
    }
    position = std::max(0, std::min(position, info.nMax - page + 1));
    LONG& scroll = bar == SB_HORZ ? m_scroll.x : m_scroll.y;
    if (scroll == position) return;
    scroll = position;
    ::SetScrollPos(m_hWnd, bar, position, TRUE);
    Invalidate(FALSE);
}

void CPreviewView::OnHScroll(UINT code, UINT, CScrollBar* scrollBar) {
    if (scrollBar == nullptr) ScrollPage(SB_HORZ, code);
}

void CPreviewView::OnVScroll(UINT code, UINT, CScrollBar* scrollBar) {
    if (scrollBar == nullptr) ScrollPage(SB_VERT, code);
}

BOOL CPreviewView::OnMouseWheel(UINT, short delta, CPoint) {
    for (int notches = delta / WHEEL_DELTA; notches != 0; notches += notches > 0 ? -1 : 1)
        ScrollPage(SB_VERT, notches > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }  // OnDraw covers everything

void CPreviewView::OnDraw(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    CRect area(client.left, client.top + kButtonRowHeight, client.right, client.bottom);
    dc->FillSolidRect(&area, kPreviewBackground);
    if (!m_pInfo) return;

    CString description;
    description.Format(m_pInfo->m_strPageDesc, m_pInfo->m_nCurPage);
    CRect text(client.right - 120, 0, client.right - 4, kButtonRowHeight);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(description, -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);

    // A scrolled page stays below the button row.
    dc->IntersectClipRect(&area);
    const UINT first = m_pInfo->m_nCurPage;
    const UINT shown = PagesShown();
    for (UINT index = 0; index < shown; ++index) {
        CRect page = GetPageRect(index);
        if (page.IsRectEmpty()) continue;
        m_pInfo->m_nCurPage = first + index;
        m_pInfo->m_bContinuePrinting = TRUE;
        dc->FillSolidRect(&page, RGB(255, 255, 255));
        CRect edge(page);
        edge.InflateRect(1, 1);
        ::FrameRect(dc->m_hDC, &edge, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        if (!PrintPage(dc, page)) {  // past the document's end
            edge.InflateRect(1, 1);
            dc->FillSolidRect(&edge, kPreviewBackground);
            break;
        }
    }
    m_pInfo->m_nCurPage = first;
    m_pInfo->m_bContinuePrinting = TRUE;
}

BOOL CPreviewView::PrintPage(CDC* dc, const CRect& page) {
    CPreviewDC previewDC(dc->m_hDC, m_printerDC.m_hDC, page, m_sizePrinterPage);
    m_pPrintView->OnPrepareDC(&previewDC, m_pInfo);
    if (!m_pInfo->m_bContinuePrinting) return FALSE;
    m_pInfo->m_rectDraw.SetRect(0, 0, m_sizePrinterPage.cx, m_sizePrinterPage.cy);
    previewDC.DPtoLP(&m_pInfo->m_rectDraw);
    m_pPrintView->OnPrint(&previewDC, m_pInfo);
    return TRUE;
}

void CPreviewView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (m_pInfo) UpdateScrollBars();
    Invalidate(FALSE);
}

void CPreviewView::Refresh() {
    auto enable = [this](UINT id, bool on) { ::EnableWindow(::GetDlgItem(m_hWnd, id), on ? TRUE : FALSE); };
    UINT shown = PagesShown();
    enable(AFX_ID_PREVIEW_NEXT, m_pInfo->m_nCurPage + shown - 1 < LastPage());
    enable(AFX_ID_PREVIEW_PREV, m_pInfo->m_nCurPage > m_pInfo->GetMinPage());
    enable(AFX_ID_PREVIEW_NUMPAGE, m_nZoom == 1);
    enable(AFX_ID_PREVIEW_ZOOMIN, m_nZoom < kMaxZoom);
    enable(AFX_ID_PREVIEW_ZOOMOUT, m_nZoom > 1);
    ::SetDlgItemTextA(m_hWnd, AFX_ID_PREVIEW_NUMPAGE, m_nPages == 1 ? "Two Page" : "One Page");
    m_pInfo->m_nNumPreviewPages = m_nPages;
    UpdateScrollBars();
    Invalidate(FALSE);
}

void CPreviewView::OnPreviewClose() { Close(); }

void CPreviewView::OnPreviewPrint() {
    CView* printView = m_pPrintView;
    Close();  // deletes this
    printView->OnFilePrint();
}

void CPreviewView::OnNextPage() {
    if (m_pInfo->m_nCurPage + PagesShown() - 1 >= LastPage()) return;
    ++m_pInfo->m_nCurPage;
    Refresh();
}

void CPreviewView::OnPrevPage() {
    if (m_pInfo->m_nCurPage <= m_pInfo->GetMinPage()) return;
    --m_pInfo->m_nCurPage;
    Refresh();
}

void CPreviewView::OnNumPages() {
    m_nPages = m_nPages == 1 ? 2 : 1;
    Refresh();
}

void CPreviewView::OnZoomIn() {
    if (m_nZoom < kMaxZoom) ++m_nZoom;
    m_scroll = CPoint(0, 0);  // a new zoom shows the page from its top-left corner
    Refresh();
}

void CPreviewView::OnZoomOut() {
    if (m_nZoom > 1) --m_nZoom;
    m_scroll = CPoint(0, 0);
    Refresh();
}
