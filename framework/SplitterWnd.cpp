#include "SplitterWnd.h"

#include <algorithm>

#include "CreateContext.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id) {
    ASSERT(parent != nullptr && rows >= 1 && rows <= 16 && cols >= 1 && cols <= 16);
    if (parent == nullptr || rows < 1 || rows > 16 || cols < 1 || cols > 16) return FALSE;
    rows_.assign(static_cast<size_t>(rows), RowColInfo());
    cols_.assign(static_cast<size_t>(cols), RowColInfo());
    LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, windowClass, nullptr, style | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), parent, id);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context) {
    ASSERT(row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount());
    ASSERT(GetDlgItem(IdFromRowCol(row, col)) == nullptr);  // each pane is made once
    cols_[static_cast<size_t>(col)].ideal = initialSize.cx;
    rows_[static_cast<size_t>(row)].ideal = initialSize.cy;
    auto* pane = static_cast<CWnd*>(viewClass->CreateObjectOfKind(RUNTIME_CLASS(CWnd)));
    if (pane == nullptr) return FALSE;
    // Through the virtual Create: a pane class may make its window its own way.
    if (!pane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                      static_cast<UINT>(IdFromRowCol(row, col)), context))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
    current = rows_.at(static_cast<size_t>(row)).current;
    minimum = rows_.at(static_cast<size_t>(row)).minimum;
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum) {
    rows_.at(static_cast<size_t>(row)).ideal = std::max(0, ideal);
    rows_.at(static_cast<size_t>(row)).minimum = std::max(0, minimum);
}

void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const {
    current = cols_.at(static_cast<size_t>(col)).current;
    minimum = cols_.at(static_cast<size_t>(col)).minimum;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) {
    cols_.at(static_cast<size_t>(col)).ideal = std::max(0, ideal);
    cols_.at(static_cast<size_t>(col)).minimum = std::max(0, minimum);
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
    return FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* wnd, int* row, int* col) const {
    if (wnd == nullptr || ::GetParent(wnd->m_hWnd) != m_hWnd) return FALSE;
    int id = wnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    int r = id / 16;
    int c = id % 16;
    if (id < 0 || r >= GetRowCount() || c >= GetColumnCount()) return FALSE;
    if (row != nullptr) *row = r;
    if (col != nullptr) *col = c;
    return TRUE;
}

namespace {

// Shares `length` out: each cell but the last its ideal size (none when that
// is below its minimum), the last what remains; `gap` lies between cells.
template <class Cells>
void Share(Cells& cells, int length, int gap) {
    int left = std::max(0, length - gap * (static_cast<int>(cells.size()) - 1));
    for (size_t i = 0; i < cells.size(); ++i) {
        int size = i + 1 == cells.size() ? left : std::min(cells[i].ideal, left);
        if (size < cells[i].minimum) size = 0;
        cells[i].current = size;
        left -= size;
    }
}

}  // namespace

int CSplitterWnd::ColumnStart(int col) const {
    int start = 0;
    for (int i = 0; i < col; ++i) start += cols_[static_cast<size_t>(i)].current + m_cxSplitterGap;
    return start;
}

int CSplitterWnd::RowStart(int row) const {
    int start = 0;
    for (int i = 0; i < row; ++i) start += rows_[static_cast<size_t>(i)].current + m_cySplitterGap;
    return start;
}

void CSplitterWnd::RecalcLayout() {
    if (m_hWnd == nullptr) return;
    CRect client;
    GetClientRect(&client);
    Share(cols_, client.Width(), m_cxSplitterGap);
    Share(rows_, client.Height(), m_cySplitterGap);
    HDWP positions = ::BeginDeferWindowPos(GetRowCount() * GetColumnCount());
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            HWND pane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
            if (pane == nullptr) continue;
            // The pane sits inside its cell's sunken edge.
            int x = ColumnStart(col) + m_cxBorder;
            int y = RowStart(row) + m_cyBorder;
            int width = std::max(0, cols_[static_cast<size_t>(col)].current - 2 * m_cxBorder);
            int height = std::max(0, rows_[static_cast<size_t>(row)].current - 2 * m_cyBorder);
            if (positions != nullptr)
                positions = ::DeferWindowPos(positions, pane, nullptr, x, y, width, height,
                                             SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (positions != nullptr) ::EndDeferWindowPos(positions);
    Invalidate(TRUE);
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED) RecalcLayout();
}

void CSplitterWnd::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            int width = cols_[static_cast<size_t>(col)].current;
            int height = rows_[static_cast<size_t>(row)].current;
            if (width == 0 || height == 0) continue;
            RECT cell = {ColumnStart(col), RowStart(row), 0, 0};
            cell.right = cell.left + width;
            cell.bottom = cell.top + height;
            ::DrawEdge(dc, &cell, EDGE_SUNKEN, BF_RECT);
        }
    }
    ::EndPaint(m_hWnd, &paint);
}

CSplitterWnd::BarHit CSplitterWnd::HitTestBar(CPoint point) const {
    BarHit hit;
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        int start = ColumnStart(col) + cols_[static_cast<size_t>(col)].current;
        if (point.x >= start && point.x < start + m_cxSplitterGap) {
            hit.vertical = true;
            hit.index = col;
            return hit;
        }
    }
    for (int row = 0; row + 1 < GetRowCount(); ++row) {
        int start = RowStart(row) + rows_[static_cast<size_t>(row)].current;
        if (point.y >= start && point.y < start + m_cySplitterGap) {
            hit.index = row;
            return hit;
        }
    }
    return hit;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (wnd == this && hitTest == HTCLIENT) {
        CPoint point(static_cast<DWORD>(::GetMessagePos()));
        ScreenToClient(&point);
        BarHit hit = tracking_.index >= 0 ? tracking_ : HitTestBar(point);
        if (hit.index >= 0) {
            ::SetCursor(::LoadCursor(nullptr, hit.vertical ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

void CSplitterWnd::OnLButtonDown(UINT flags, CPoint point) {
    BarHit hit = HitTestBar(point);
    if (hit.index < 0) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    tracking_ = hit;
    trackingOriginal_ = (hit.vertical ? cols_ : rows_)[static_cast<size_t>(hit.index)].ideal;
    SetCapture();
    SetFocus();  // for Escape
}

void CSplitterWnd::OnMouseMove(UINT flags, CPoint point) {
    if (tracking_.index < 0) {
        CWnd::OnMouseMove(flags, point);
        return;
    }
    // The cell before the bar ends where the mouse is, the ones after it
    // keep theirs: the last takes what is left.
    std::vector<RowColInfo>& cells = tracking_.vertical ? cols_ : rows_;
    int start = tracking_.vertical ? ColumnStart(tracking_.index) : RowStart(tracking_.index);
    CRect client;
    GetClientRect(&client);
    int length = tracking_.vertical ? client.Width() : client.Height();
    int wanted = (tracking_.vertical ? point.x : point.y) - start;
    cells[static_cast<size_t>(tracking_.index)].ideal = std::clamp(wanted, 0, std::max(0, length - start));
    RecalcLayout();
    UpdateWindow();
}

void CSplitterWnd::StopTracking(bool keep) {
    if (tracking_.index < 0) return;
    BarHit stopped = tracking_;
    tracking_ = BarHit();
    if (!keep) {
        (stopped.vertical ? cols_ : rows_)[static_cast<size_t>(stopped.index)].ideal = trackingOriginal_;
        RecalcLayout();
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CSplitterWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (tracking_.index >= 0) StopTracking(true);
    else CWnd::OnLButtonUp(flags, point);
}

void CSplitterWnd::OnKeyDown(UINT ch, UINT repeatCount, UINT flags) {
    if (ch == VK_ESCAPE && tracking_.index >= 0) StopTracking(false);
    else CWnd::OnKeyDown(ch, repeatCount, flags);
}

void CSplitterWnd::OnCancelMode() {
    StopTracking(false);
    CWnd::OnCancelMode();
}

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    HWND parent = ::GetParent(m_hWnd);
    if (parent == nullptr) return FALSE;
    ::SendMessageA(parent, WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CWnd::OnNotify(wParam, lParam, result)) return TRUE;
    HWND parent = ::GetParent(m_hWnd);
    if (parent == nullptr) return FALSE;
    LRESULT answer = ::SendMessageA(parent, WM_NOTIFY, wParam, lParam);
    if (result != nullptr) *result = answer;
    return TRUE;
}
