#include "DockBar.h"

#include <algorithm>

#include "DockContext.h"
#include "DockLayout.h"
#include "FrameWnd.h"
#include "WindowMessages.h"

IMPLEMENT_DYNCREATE(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnDockSizeParent)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL floating) : m_bFloating(floating) {
    // A dock bar's only borders are its CBRS_BORDER_* lines.
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar() {
    for (CControlBar* bar : m_arrBars)
        if (bar != nullptr && bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
}

LPCSTR CDockBar::WindowClass() {
    static const char name[] = "AfxControlBar42s";
    WNDCLASSA existing;
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!::GetClassInfoA(instance, name, &existing)) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return name;
}

BOOL CDockBar::Create(CWnd* parent, DWORD style, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    return CWnd::CreateEx(0, WindowClass(), nullptr, (style & ~CBRS_ALL) | WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN |
                                                      WS_CLIPSIBLINGS,
                          0, 0, 0, 0, parent->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

// Rows

int CDockBar::FindBar(const CControlBar* bar) const {
    for (size_t i = 0; i < m_arrBars.size(); ++i)
        if (m_arrBars[i] == bar) return static_cast<int>(i);
    return -1;
}

int CDockBar::GetDockedCount() const {
    return static_cast<int>(std::count_if(m_arrBars.begin(), m_arrBars.end(), [](CControlBar* b) { return b != nullptr; }));
}

int CDockBar::GetDockedVisibleCount() const {
    return static_cast<int>(std::count_if(m_arrBars.begin(), m_arrBars.end(),
                                          [](CControlBar* b) { return b != nullptr && b->IsVisible(); }));
}

CControlBar* CDockBar::GetFirstBar() const {
    for (CControlBar* bar : m_arrBars)
        if (bar != nullptr) return bar;
    return nullptr;
}

std::vector<std::vector<CControlBar*>> CDockBar::GetRows() const {
    std::vector<std::vector<CControlBar*>> rows;
    std::vector<CControlBar*> row;
    for (CControlBar* bar : m_arrBars) {
        if (bar != nullptr) {
            row.push_back(bar);
        } else if (!row.empty()) {
            rows.push_back(row);
            row.clear();
        }
    }
    if (!row.empty()) rows.push_back(row);
    return rows;
}

DWORD CDockBar::DockedStyle(DWORD barStyle) const {
    DWORD style = barStyle & ~(CBRS_ALIGN_ANY | CBRS_BORDER_ANY | CBRS_FLOATING);
    style |= m_dwStyle & CBRS_ALIGN_ANY;
    if (m_bFloating) style |= CBRS_FLOATING;
    return style;
}

void CDockBar::InsertBar(CControlBar* bar, LPCRECT rect) {
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    std::vector<std::vector<CControlBar*>> rows = GetRows();
    dock_layout::RowChoice choice{rows.size(), true};
    CRect local;
    if (rect != nullptr) {
        local = *rect;
        ScreenToClient(&local);
        std::vector<dock_layout::RowBand> bands;
        for (const auto& row : rows) {
            dock_layout::RowBand band{0x7FFFFFFF, 0};
            int end = 0;
            for (CControlBar* b : row) {
                CRect r;
                b->GetWindowRect(&r);
                ScreenToClient(&r);
                band.start = std::min<int>(band.start, horz ? r.top : r.left);
                end = std::max<int>(end, horz ? r.bottom : r.right);
            }
            band.thickness = end - band.start;
            bands.push_back(band);
        }
        choice = dock_layout::ChooseRow(bands, horz ? local.CenterPoint().y : local.CenterPoint().x);
    }
    // Rebuild the array with the bar in its row, ordered by place along it.
    if (choice.newRow) rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(choice.row), std::vector<CControlBar*>{bar});
    else {
        auto& row = rows[choice.row];
        const int at = horz ? local.left : local.top;
        auto place = std::find_if(row.begin(), row.end(), [&](CControlBar* b) {
            CRect r;
            b->GetWindowRect(&r);
            ScreenToClient(&r);
            return (horz ? r.left : r.top) > at;
        });
        row.insert(place, bar);
    }
    m_arrBars.clear();
    for (const auto& row : rows) {
        m_arrBars.insert(m_arrBars.end(), row.begin(), row.end());
        m_arrBars.push_back(nullptr);
    }
}

void CDockBar::DockControlBar(CControlBar* bar, LPCRECT rect) {
    ASSERT(bar != nullptr);
    if (bar == nullptr) return;
    if (bar->m_pDockBar == this && FindBar(bar) >= 0) RemoveControlBar(bar);
    else if (auto* previous = dynamic_cast<CDockBar*>(bar->m_pDockBar)) previous->RemoveControlBar(bar);
    InsertBar(bar, rect);
    bar->SetBarStyle(DockedStyle(bar->GetBarStyle()));
    CRect place(0, 0, 0, 0);
    if (rect != nullptr) {
        place = *rect;
        ScreenToClient(&place);
    }
    if (::GetParent(bar->m_hWnd) != m_hWnd) bar->SetParent(this);
    // The bar starts from where it was dropped; the layout settles it.
    bar->SetWindowPos(nullptr, std::max<int>(place.left, 0), std::max<int>(place.top, 0), 0, 0,
                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    bar->m_pDockBar = this;
    if (bar->m_pDockSite == nullptr) bar->m_pDockSite = GetDockingFrame();
    DelayLayoutFrame();
}

BOOL CDockBar::RemoveControlBar(CControlBar* bar) {
    int at = FindBar(bar);
    if (at < 0) return FALSE;
    m_arrBars.erase(m_arrBars.begin() + at);
    // An emptied row goes with its end marker.
    if (at < static_cast<int>(m_arrBars.size()) && m_arrBars[static_cast<size_t>(at)] == nullptr &&
        (at == 0 || m_arrBars[static_cast<size_t>(at) - 1] == nullptr))
        m_arrBars.erase(m_arrBars.begin() + at);
    if (bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
    DelayLayoutFrame();
    return TRUE;
}

void CDockBar::DelayLayoutFrame() {
    CFrameWnd* frame = m_bFloating ? GetParentFrame() : GetDockingFrame();
    if (frame == nullptr) return;
    if (m_bFloating) frame->RecalcLayout();
    else frame->DelayRecalcLayout();
}

// Layout

CSize CDockBar::MeasureBar(CControlBar* bar, BOOL horz) {
    const DWORD style = bar->GetBarStyle();
    if (m_bFloating && (style & CBRS_SIZE_DYNAMIC)) return bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    if (style & CBRS_SIZE_DYNAMIC) return bar->CalcDynamicLayout(-1, horz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    return bar->CalcFixedLayout(FALSE, horz);
}

int CDockBar::LayoutRow(const std::vector<CControlBar*>& row, int length, int across, BOOL move, int* longest) {
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    std::vector<CControlBar*> shown;
    std::vector<CSize> sizes;
    std::vector<int> wanted, lengths;
    int thickness = 0;
    for (CControlBar* bar : row) {
        if (!bar->IsVisible()) continue;
        CSize size = MeasureBar(bar, horz);
        CRect now;
        bar->GetWindowRect(&now);
        ScreenToClient(&now);
        shown.push_back(bar);
        sizes.push_back(size);
        wanted.push_back(horz ? now.left : now.top);
        lengths.push_back(horz ? size.cx : size.cy);
        thickness = std::max<int>(thickness, horz ? size.cy : size.cx);
    }
    if (shown.empty()) return 0;
    int rowLength = 0;
    for (int l : lengths) rowLength += l;
    const int available = m_bFloating ? rowLength : length;
    std::vector<int> starts = dock_layout::PlaceRow(wanted, lengths, std::max(available, rowLength));
    for (size_t i = 0; i < shown.size(); ++i) {
        *longest = std::max(*longest, starts[i] + lengths[i]);
        if (!move) continue;
        PlaceBar(shown[i], horz ? CRect(CPoint(starts[i], across), sizes[i]) : CRect(CPoint(across, starts[i]), sizes[i]));
    }
    return thickness;
}

void CDockBar::PlaceBar(CControlBar* bar, const CRect& place) {
    CRect now;
    bar->GetWindowRect(&now);
    ScreenToClient(&now);
    if (now != place)
        bar->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (CDockContext* context = bar->m_pDockContext) context->RememberDockPosition(this, place);
}

CSize CDockBar::LayoutRows(int length, BOOL move) {
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int across = 0;
    int longest = 0;
    for (const auto& row : GetRows()) across += LayoutRow(row, length, across, move, &longest);
    if (across == 0) {
        const int along = m_bFloating ? 0 : length;
        return horz ? CSize(along, 0) : CSize(0, along);
    }
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, horz);
    const int along = m_bFloating ? longest : length;
    return horz ? CSize(along, across - inside.Height()) : CSize(across - inside.Width(), along);
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL horz) {
    int length = m_nLayoutLength;
    if (length < 0) {
        CRect client(0, 0, 0, 0);
        if (CWnd* parent = GetParent()) parent->GetClientRect(&client);
        length = horz ? client.Width() : client.Height();
    }
    return LayoutRows(length, FALSE);
}

LRESULT CDockBar::OnDockSizeParent(WPARAM, LPARAM lParam) {
    auto* layout = reinterpret_cast<SizeParentParams*>(lParam);
    if (layout == nullptr || !(GetStyle() & WS_VISIBLE)) return 0;
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const RECT& free = layout->rect;
    m_nLayoutLength = horz ? free.right - free.left : free.bottom - free.top;
    if (layout->hDWP != nullptr) LayoutRows(m_nLayoutLength, TRUE);
    PlaceInLayout(layout);
    m_nLayoutLength = -1;
    return 0;
}

void CDockBar::OnDestroy() {
    for (CControlBar* bar : m_arrBars)
        if (bar != nullptr && bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
    CControlBar::OnDestroy();
}

void CDockBar::PostNcDestroy() {
    CControlBar::PostNcDestroy();
    if (m_bAutoDelete) delete this;
}
