#include "SECDockBar.h"

#include <algorithm>

#include "DockRowLayout.h"
#include "FrameWnd.h"
#include "ResourceModule.h"
#include "SECControlBar.h"
#include "ToolkitResources.h"

IMPLEMENT_DYNCREATE(SECDockBar, CDockBar)

BEGIN_MESSAGE_MAP(SECDockBar, CDockBar)
    ON_WM_CREATE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

SECDockBar::SECDockBar(BOOL floating) : CDockBar(floating) {}

// The system-colour cache

void SECSysColorCache::Refresh() {
    newShell = LOBYTE(LOWORD(::GetVersion())) >= 4;
    cxBorder = cyBorder = newShell ? 2 : 1;
    btnFace = ::GetSysColor(COLOR_BTNFACE);
    btnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    btnHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    windowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    light3d = ::GetSysColor(COLOR_3DLIGHT);
    darkShadow3d = ::GetSysColor(COLOR_3DDKSHADOW);
    windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    window = ::GetSysColor(COLOR_WINDOW);
    highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    if (arrow == nullptr) arrow = ::LoadCursor(nullptr, IDC_ARROW);
    // The program's own splitter cursors, or the system's when it has none.
    auto load = [](UINT id, LPCSTR standard) {
        HCURSOR own = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
        return own != nullptr ? own : ::LoadCursorA(nullptr, standard);
    };
    if (splitHorz == nullptr) splitHorz = load(IDC_SEC_SPLITH, IDC_SIZEWE);
    if (splitVert == nullptr) splitVert = load(IDC_SEC_SPLITV, IDC_SIZENS);
}

SECSysColorCache& SECSysColorCache::Get() {
    static SECSysColorCache cache = [] {
        SECSysColorCache filled;
        filled.Refresh();
        return filled;
    }();
    return cache;
}

int SECDockBar::OnCreate(LPCREATESTRUCT cs) {
    // The first dock bar fills the cache (and loads the splitter cursors).
    SECSysColorCache::Get();
    return CDockBar::OnCreate(cs);
}

BOOL SECDockBar::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_SYSCHAR && m_bFloating) {
        HWND owner = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
        if (owner != nullptr && owner != ::GetAncestor(m_hWnd, GA_ROOT))
            ::PostMessageA(owner, WM_SYSCOMMAND, SC_KEYMENU, msg->wParam);
    }
    return CDockBar::PreTranslateMessage(msg);
}

void SECDockBar::OnSysColorChange() {
    SECSysColorCache::Get().Refresh();
    CDockBar::OnSysColorChange();
}

BOOL SECDockBar::IsShareSized(const CControlBar* bar) {
    const auto* toolkitBar = dynamic_cast<const SECControlBar*>(bar);
    return toolkitBar != nullptr && !(toolkitBar->GetExBarStyle() & CBRS_EX_FIXEDFRAME);
}

DWORD SECDockBar::DockedStyle(DWORD barStyle) const {
    // Toolkit bars draw their own edges: they take all four border bits.
    DWORD style = CDockBar::DockedStyle(barStyle);
    return style | CBRS_BORDER_ANY;
}

std::vector<CControlBar*> SECDockBar::RowOf(const CControlBar* bar) const {
    for (const auto& row : GetRows())
        if (std::find(row.begin(), row.end(), bar) != row.end()) {
            std::vector<CControlBar*> shown;
            for (CControlBar* each : row)
                if (each->IsVisible()) shown.push_back(each);
            return shown;
        }
    return {};
}

std::vector<float> SECDockBar::ShareOut(const std::vector<CControlBar*>& row, const CControlBar* changed, BOOL keep) {
    std::vector<float> shares;
    int changedIndex = -1;
    for (CControlBar* bar : row) {
        if (bar == changed) changedIndex = static_cast<int>(shares.size());
        shares.push_back(static_cast<SECControlBar*>(bar)->m_fProportionalWidth);
    }
    dock_rows::NormaliseShares(shares, changedIndex, m_fMinProportion);
    if (keep)
        for (size_t i = 0; i < row.size(); ++i) static_cast<SECControlBar*>(row[i])->m_fProportionalWidth = shares[i];
    return shares;
}

void SECDockBar::DockControlBar(CControlBar* bar, LPCRECT rect) {
    CDockBar::DockControlBar(bar, rect);
    if (!IsShareSized(bar)) return;
    // A bar joining a row of n others starts with an equal share.
    std::vector<CControlBar*> row = RowOf(bar);
    if (row.size() > 1 && std::all_of(row.begin(), row.end(), IsShareSized)) {
        static_cast<SECControlBar*>(bar)->m_fProportionalWidth = 1.0f / static_cast<float>(row.size());
        m_pIncoming = bar;
    }
}

CSize SECDockBar::LayoutRows(int length, BOOL move) {
    // Splitters are found again by every layout that moves the bars.
    if (move) m_splitters.clear();
    return CDockBar::LayoutRows(length, move);
}

int SECDockBar::LayoutRow(const std::vector<CControlBar*>& row, int length, int across, BOOL move, int* longest) {
    std::vector<CControlBar*> shown;
    for (CControlBar* bar : row)
        if (bar->IsVisible()) shown.push_back(bar);
    if (shown.empty()) return 0;
    if (m_bFloating || !std::all_of(shown.begin(), shown.end(), IsShareSized))
        return CDockBar::LayoutRow(row, length, across, move, longest);

    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    // The row splitter faces the frame's middle: after the row on the top
    // and left sides, before it on the bottom and right ones.
    const bool splitterFirst = (m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_ALIGN_RIGHT)) != 0;
    const int rowSplitterAt = across;
    if (splitterFirst) across += dock_rows::splitterSize;
    m_fMinProportion = dock_rows::MinimumProportion(length);
    // A bar just dropped in keeps its share and the row's shares are kept;
    // otherwise the shares are only read, so that a bar hidden for a while
    // finds its row as it left it.
    const bool incoming = std::find(shown.begin(), shown.end(), m_pIncoming) != shown.end();
    const std::vector<float> shares = ShareOut(shown, incoming ? m_pIncoming : nullptr, incoming && move);
    int thickness = 0;
    for (CControlBar* bar : shown) {
        CSize size = MeasureBar(bar, horz);
        thickness = std::max<int>(thickness, horz ? size.cy : size.cx);
    }
    const std::vector<int> lengths = dock_rows::ShareLengths(shares, length);
    const DWORD mode = horz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK;
    int along = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        CControlBar* bar = shown[i];
        if (move) {
            bar->CalcDynamicLayout(lengths[i], mode | LM_COMMIT | (horz ? 0 : LM_LENGTHY));
            bar->CalcDynamicLayout(thickness, mode | LM_COMMIT | (horz ? LM_LENGTHY : 0));
            PlaceBar(bar, horz ? CRect(along, across, along + lengths[i], across + thickness)
                               : CRect(across, along, across + thickness, along + lengths[i]));
        }
        along += lengths[i];
        if (i + 1 < shown.size()) {
            Splitter between;
            between.bars = shown;
            between.index = static_cast<int>(i);
            between.rect = horz ? CRect(along, across, along + dock_rows::splitterSize, across + thickness)
                                : CRect(across, along, across + thickness, along + dock_rows::splitterSize);
            if (move) m_splitters.push_back(between);
            along += dock_rows::splitterSize;
        }
    }
    *longest = std::max(*longest, along);
    Splitter rowSplitter;
    rowSplitter.betweenBars = FALSE;
    rowSplitter.bars = shown;
    const int at = splitterFirst ? rowSplitterAt : across + thickness;
    rowSplitter.rect = horz ? CRect(0, at, length, at + dock_rows::splitterSize)
                            : CRect(at, 0, at + dock_rows::splitterSize, length);
    if (move) m_splitters.push_back(rowSplitter);
    if (move && m_pIncoming != nullptr && std::find(shown.begin(), shown.end(), m_pIncoming) != shown.end())
        m_pIncoming = nullptr;
    return thickness + dock_rows::splitterSize;
}

// Expand and contract

BOOL SECDockBar::IsExpanded(const SECControlBar* bar) const {
    std::vector<CControlBar*> row = RowOf(bar);
    if (row.size() < 2) return FALSE;
    for (CControlBar* each : row) {
        const float share = static_cast<SECControlBar*>(each)->m_fProportionalWidth;
        if ((each == bar) != (share > m_fMinProportion + 1e-4f)) return FALSE;
    }
    return TRUE;
}

BOOL SECDockBar::CanExpand(const SECControlBar* bar) const { return RowOf(bar).size() > 1; }

void SECDockBar::Expand(SECControlBar* bar) {
    std::vector<CControlBar*> row = RowOf(bar);
    for (CControlBar* each : row) static_cast<SECControlBar*>(each)->m_fProportionalWidth = each == bar ? 1.0f : 0.0f;
    ShareOut(row, nullptr, TRUE);
    LayoutFrame();
}

void SECDockBar::Contract(SECControlBar* bar) {
    std::vector<CControlBar*> row = RowOf(bar);
    for (CControlBar* each : row) static_cast<SECControlBar*>(each)->m_fProportionalWidth = 0.1f;
    ShareOut(row, nullptr, TRUE);
    LayoutFrame();
}

void SECDockBar::LayoutFrame() {
    m_splitters.clear();
    if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
    Invalidate();
}

// Splitters

const SECDockBar::Splitter* SECDockBar::SplitterAt(CPoint point) const {
    for (const Splitter& splitter : m_splitters)
        if (splitter.rect.PtInRect(point)) return &splitter;
    return nullptr;
}

void SECDockBar::MoveSplitter(const Splitter& splitter, int delta) {
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (splitter.betweenBars) {
        std::vector<int> lengths;
        for (CControlBar* bar : splitter.bars) {
            CRect rect;
            bar->GetWindowRect(&rect);
            lengths.push_back(horz ? rect.Width() : rect.Height());
        }
        int total = dock_rows::splitterSize * static_cast<int>(lengths.size() - 1);
        for (int l : lengths) total += l;
        dock_rows::MoveSplitter(lengths, splitter.index, delta);
        const std::vector<float> shares = dock_rows::SharesOf(lengths, total);
        for (size_t i = 0; i < splitter.bars.size(); ++i)
            static_cast<SECControlBar*>(splitter.bars[i])->m_fProportionalWidth = shares[i];
    } else {
        // A row splitter changes the row's thickness (towards the frame's
        // middle on the top and left sides, away from it on the others).
        const bool growsWithDelta = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0;
        for (CControlBar* bar : splitter.bars) {
            CRect rect;
            bar->GetWindowRect(&rect);
            const int now = horz ? rect.Height() : rect.Width();
            const int thickness = std::max(dock_rows::minimumBarLength, now + (growsWithDelta ? delta : -delta));
            bar->CalcDynamicLayout(thickness, (horz ? LM_HORZ | LM_HORZDOCK | LM_LENGTHY : LM_VERTDOCK) | LM_COMMIT);
        }
    }
    LayoutFrame();
}

int SECDockBar::TrackSplitter(const Splitter& splitter, CPoint start) {
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    // Along the row for a splitter between bars, across it for a row splitter.
    const bool alongX = splitter.betweenBars ? horz != FALSE : horz == FALSE;
    CRect outline = splitter.rect;
    ClientToScreen(&outline);
    const CRect first = outline;
    ::LockWindowUpdate(::GetDesktopWindow());
    HDC screen = ::GetDCEx(::GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    CDC dc;
    dc.Attach(screen);
    const CSize thick(3, 3);
    dc.DrawDragRect(outline, thick, nullptr, thick);
    SetCapture();
    int delta = 0;
    bool done = false;
    bool cancelled = false;
    while (!done && ::GetCapture() == m_hWnd) {
        MSG msg;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled = true;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            CPoint point(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &point);
            delta = alongX ? point.x - start.x : point.y - start.y;
            CRect next = first;
            next.OffsetRect(alongX ? delta : 0, alongX ? 0 : delta);
            dc.DrawDragRect(next, thick, outline, thick);
            outline = next;
            break;
        }
        case WM_LBUTTONUP:
            done = true;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) cancelled = done = true;
            break;
        case WM_RBUTTONDOWN:
            cancelled = done = true;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (!done) cancelled = true;
    dc.DrawDragRect(outline, CSize(0, 0), outline, thick);
    dc.Detach();
    ::ReleaseDC(::GetDesktopWindow(), screen);
    ::LockWindowUpdate(nullptr);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    return cancelled ? 0 : delta;
}

void SECDockBar::OnLButtonDown(UINT flags, CPoint point) {
    const Splitter* splitter = SplitterAt(point);
    if (splitter == nullptr) {
        CDockBar::OnLButtonDown(flags, point);
        return;
    }
    const Splitter chosen = *splitter;
    CPoint start = point;
    ClientToScreen(&start);
    const int delta = TrackSplitter(chosen, start);
    if (delta != 0) MoveSplitter(chosen, delta);
}

BOOL SECDockBar::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (hitTest == HTCLIENT && wnd == this) {
        if (const Splitter* splitter = SplitterAt(point)) {
            const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
            const bool sizesX = splitter->betweenBars ? horz != FALSE : horz == FALSE;
            const SECSysColorCache& cache = SECSysColorCache::Get();
            ::SetCursor(sizesX ? cache.splitHorz : cache.splitVert);
            return TRUE;
        }
    }
    return CDockBar::OnSetCursor(wnd, hitTest, message);
}

void SECDockBar::OnPaint() {
    CPaintDC dc(this);
    const SECSysColorCache& colours = SECSysColorCache::Get();
    const COLORREF face = colours.btnFace;
    const COLORREF light = colours.btnHighlight;
    const COLORREF shadow = colours.btnShadow;
    const COLORREF frame = colours.windowFrame;
    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    for (const Splitter& splitter : m_splitters) {
        const CRect& r = splitter.rect;
        const bool vertical = splitter.betweenBars ? horz != FALSE : horz == FALSE;
        if (vertical) {
            dc.FillSolidRect(r.left + 1, r.top, r.Width() - 3, r.Height(), face);
            dc.FillSolidRect(r.left, r.top, 1, r.Height(), light);
            dc.FillSolidRect(r.right - 2, r.top, 1, r.Height(), shadow);
            dc.FillSolidRect(r.right - 1, r.top, 1, r.Height(), frame);
        } else {
            dc.FillSolidRect(r.left, r.top + 1, r.Width(), r.Height() - 3, face);
            dc.FillSolidRect(r.left, r.top, r.Width(), 1, light);
            dc.FillSolidRect(r.left, r.bottom - 2, r.Width(), 1, shadow);
            dc.FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, frame);
        }
    }
}
