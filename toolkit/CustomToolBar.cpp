#include "CustomToolBar.h"

#include <algorithm>

#include "BmpMgr.h"
#include "DC.h"
#include "FrameWnd.h"
#include "MDIFrameWnd.h"
#include "SECToolBarDrawContext.h"
#include "ToolBarManager.h"
#include "WindowMessages.h"

IMPLEMENT_DYNCREATE(SECCustomToolBar, SECControlBar)

const UINT SECCustomToolBar::WM_SEC_DESTROYEMPTYBAR = ::RegisterWindowMessageA("SECDestroyEmptyToolBar");

BEGIN_MESSAGE_MAP(SECCustomToolBar, SECControlBar)
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_SHOWWINDOW()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(TB_ADDBUTTONSA, OnAddButtons)
    ON_MESSAGE(TB_DELETEBUTTON, OnDeleteButton)
    ON_REGISTERED_MESSAGE(WM_SEC_DESTROYEMPTYBAR, OnDestroyEmptyBar)
END_MESSAGE_MAP()

namespace {

// The hot button is checked again this often while the mouse is over it.
constexpr UINT_PTR kHotTimer = 0xE002;
constexpr UINT kHotTimerMs = 100;
// The extended style every customisable bar gets.
constexpr DWORD kFixedFrameExStyle = CBRS_EX_FIXEDFRAME;

}  // namespace

SECCustomToolBar::SECCustomToolBar()
    : m_pBmpMgr(new SECBmpMgr), m_hFont(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))) {
    m_cyTopBorder = m_cyBottomBorder = 3;
}

SECCustomToolBar::~SECCustomToolBar() {
    if (m_hWnd != nullptr) DestroyWindow();
    for (SECStdBtn* button : m_buttons) delete button;
    m_buttons.clear();
    m_pBmpMgr->Release();
}

BOOL SECCustomToolBar::Create(CWnd* parent, DWORD style, UINT id, LPCSTR title) {
    if (parent == nullptr) return FALSE;
    m_dwStyle = (style & CBRS_ALL) | CBRS_HIDE_INPLACE;
    m_dwExStyle |= kFixedFrameExStyle;
    LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    const DWORD windowStyle = (style & 0xFFFF0000) | WS_CHILD | WS_CLIPSIBLINGS;
    return CWnd::Create(windowClass, title, windowStyle, CRect(0, 0, 0, 0), parent, id);
}

void SECCustomToolBar::SetBmpMgr(SECBmpMgr* images) {
    if (images == nullptr || images == m_pBmpMgr) return;
    images->AddRef();
    m_pBmpMgr->Release();
    m_pBmpMgr = images;
    for (SECStdBtn* button : m_buttons) {
        button->m_nImage = button->m_nType == SEC_BTN_MENU ? 0 : GetBitmapIndex(button->m_nID);
        button->AdjustSize();
    }
}

int SECCustomToolBar::GetImageWidth() const { return m_pBmpMgr->GetImageSize().cx; }
int SECCustomToolBar::GetImageHeight() const { return m_pBmpMgr->GetImageSize().cy; }

int SECCustomToolBar::GetBitmapIndex(UINT id) const {
    HBITMAP strip = nullptr;
    int image = 0;
    return m_pBmpMgr->GetBitmap(id, strip, image) ? image : 0;
}

BOOL SECCustomToolBar::IsUserBar() const {
    const UINT id = GetBarId();
    return id >= SEC_IDW_USERBAR_FIRST && id <= SEC_IDW_USERBAR_LAST;
}

HWND SECCustomToolBar::GetNotifyOwner() const {
    CWnd* owner = GetOwner();
    return owner != nullptr ? owner->m_hWnd : ::GetParent(m_hWnd);
}

// --- buttons ----------------------------------------------------------------

void SECCustomToolBar::AddButtonClass(const SECBtnClass* buttonClass, UINT id, DWORD style, const void* data) {
    m_ownBtnMap.push_back(BtnMapEntry{buttonClass, id, style, data});
}

SECStdBtn* SECCustomToolBar::CreateButton(UINT id) {
    // The last entry for the id wins, the first table before the second.
    const BtnMapEntry* found = nullptr;
    for (const BtnMapEntry* entry = m_pBtnMap; entry != nullptr && entry->buttonClass != nullptr; ++entry)
        if (entry->id == id) found = entry;
    if (found == nullptr)
        for (const BtnMapEntry& entry : m_ownBtnMap)
            if (entry.id == id) found = &entry;
    SECStdBtn* button = found != nullptr ? found->buttonClass->create() : new SECStdBtn;
    button->m_nID = id;
    button->m_nStyle = found != nullptr ? found->style : 0;
    button->m_nImage = button->m_nType == SEC_BTN_MENU ? 0 : GetBitmapIndex(id);
    button->Init(this, found != nullptr ? found->data : nullptr);
    button->SetMode((m_dwStyle & CBRS_ORIENT_VERT) != 0 && !IsFloating());
    return button;
}

SECStdBtn* SECCustomToolBar::CreateButtonOfClass(const SECBtnClass& buttonClass, const void* data, UINT id) {
    SECStdBtn* button = buttonClass.create();
    button->m_nID = id;
    button->m_nImage = button->m_nType == SEC_BTN_MENU || id == 0 ? 0 : GetBitmapIndex(id);
    button->Init(this, data);
    return button;
}

SECStdBtn* SECCustomToolBar::CreateSeparator() {
    auto* separator = new SECStdBtn;
    separator->m_nStyle = SEC_TBBS_SEPARATOR;
    separator->m_nID = 0;
    separator->Init(this, nullptr);
    return separator;
}

void SECCustomToolBar::RemoveAllButtons() {
    CancelActiveButton();
    SetHotButton(-1);
    for (SECStdBtn* button : m_buttons) delete button;
    m_buttons.clear();
    m_nActiveBtn = m_nHotBtn = m_nMenuBtn = -1;
}

BOOL SECCustomToolBar::SetButtons(const UINT* ids, int count) {
    RemoveAllButtons();
    if (ids == nullptr) return TRUE;
    for (int i = 0; i < count; ++i) m_buttons.push_back(ids[i] != 0 ? CreateButton(ids[i]) : CreateSeparator());
    if (m_hWnd != nullptr) {
        if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
        Invalidate();
    }
    return TRUE;
}

BOOL SECCustomToolBar::InsertButton(int index, UINT id, BOOL separator, BOOL defer) {
    index = std::max(0, std::min(index, GetButtonCount()));
    SECStdBtn* button = separator ? CreateSeparator() : CreateButton(id);
    m_buttons.insert(m_buttons.begin() + index, button);
    if (m_nMRUWidth != 32767) m_nMRUWidth += button->m_cx;
    if (m_nActiveBtn >= index) ++m_nActiveBtn;
    if (m_nHotBtn >= index) ++m_nHotBtn;
    UpdateButton(index);
    if (!defer && m_hWnd != nullptr) {
        if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
        Invalidate();
    }
    return TRUE;
}

BOOL SECCustomToolBar::RemoveButton(int index, BOOL defer) {
    if (index < 0 || index >= GetButtonCount()) return FALSE;
    std::vector<int> removed{index};
    delete m_buttons[static_cast<size_t>(index)];
    m_buttons.erase(m_buttons.begin() + index);
    // Separators left first, last or next to each other go too.
    auto removeAt = [&](int at) {
        delete m_buttons[static_cast<size_t>(at)];
        m_buttons.erase(m_buttons.begin() + at);
        removed.push_back(at + static_cast<int>(removed.size()));
    };
    if (!m_buttons.empty() && index == 0 && m_buttons.front()->IsSeparator()) removeAt(0);
    else if (!m_buttons.empty() && index == GetButtonCount() && m_buttons.back()->IsSeparator())
        removeAt(GetButtonCount() - 1);
    else if (index > 0 && index < GetButtonCount() && m_buttons[static_cast<size_t>(index - 1)]->IsSeparator() &&
             m_buttons[static_cast<size_t>(index)]->IsSeparator())
        removeAt(index);
    if (GetButtonCount() == 1 && m_buttons[0]->IsSeparator()) removeAt(0);

    auto adjust = [&](int& tracked, bool killTimer) {
        if (tracked < 0) return;
        int below = 0;
        for (int at : removed) {
            if (at == tracked) {
                tracked = -1;
                if (killTimer && m_hWnd != nullptr) KillTimer(kHotTimer);
                return;
            }
            if (at < tracked) ++below;
        }
        tracked -= below;
    };
    adjust(m_nActiveBtn, false);
    adjust(m_nHotBtn, true);

    const BOOL remain = !m_buttons.empty();
    if (defer || m_hWnd == nullptr) return remain;
    if (!remain && IsUserBar()) {
        // The caller may still be inside this bar's own handler (a drag of
        // its last button): hide now, destroy once that is over.
        if (!m_bDestroyPending) {
            m_bDestroyPending = TRUE;
            ShowWindow(SW_HIDE);
            PostMessage(WM_SEC_DESTROYEMPTYBAR);
        }
        if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
        return FALSE;
    }
    if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
    Invalidate();
    return remain;
}

LRESULT SECCustomToolBar::OnDestroyEmptyBar(WPARAM, LPARAM) {
    const BOOL destroy = m_bDestroyPending && m_buttons.empty();
    m_bDestroyPending = FALSE;
    if (destroy) DestroyWindow();  // a user toolbar may delete itself here: nothing after
    return 0;
}

int SECCustomToolBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (m_buttons[static_cast<size_t>(i)]->m_nID == id) return i;
    return -1;
}

int SECCustomToolBar::IndexOfButton(const SECStdBtn* button) const {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (m_buttons[static_cast<size_t>(i)] == button) return i;
    return -1;
}

int SECCustomToolBar::HitTest(CPoint point) const {
    for (int i = 0; i < GetButtonCount(); ++i) {
        const SECStdBtn* button = m_buttons[static_cast<size_t>(i)];
        if (button->m_nStyle & SEC_TBBS_HIDDEN) continue;
        const RECT r = button->GetRect();
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return i;
    }
    return -1;
}

void SECCustomToolBar::RecalcButtonSizes() {
    m_nMaxBtnWidth = 0;
    for (SECStdBtn* button : m_buttons) button->AdjustSize();
    if (m_hWnd != nullptr) Invalidate();
}

void SECCustomToolBar::OnDestroy() {
    if (m_pManager != nullptr) m_pManager->NotifyBars(GetBarId(), SEC_BARNOTIFY_DESTROYED);
    SECControlBar::OnDestroy();
}

void SECCustomToolBar::OnShowWindow(BOOL show, UINT status) {
    SECControlBar::OnShowWindow(show, status);
    if (m_pManager != nullptr) m_pManager->NotifyBars(GetBarId(), show ? SEC_BARNOTIFY_SHOWN : SEC_BARNOTIFY_HIDDEN);
}

void SECCustomToolBar::PostNcDestroy() {
    SECControlBar::PostNcDestroy();
    if (m_bAutoDelete) delete this;
}

// --- emulated toolbar messages ----------------------------------------------

LRESULT SECCustomToolBar::OnAddButtons(WPARAM count, LPARAM lParam) {
    const auto* added = reinterpret_cast<const TBBUTTON*>(lParam);
    if (added == nullptr) return FALSE;
    for (WPARAM i = 0; i < count; ++i) {
        const TBBUTTON& entry = added[i];
        const BOOL last = i + 1 == count;
        const BOOL separator = (entry.fsStyle & TBSTYLE_SEP) != 0 || entry.idCommand == 0;
        InsertButton(GetButtonCount(), static_cast<UINT>(entry.idCommand), separator, !last);
        // The control's enabled state bit is the bar's disabled bit the
        // other way round: a button without TBSTATE_ENABLED is disabled.
        const DWORD state = static_cast<DWORD>(entry.fsState) ^ TBSTATE_ENABLED;
        m_buttons.back()->m_nStyle |= (state << 16) | entry.fsStyle;
    }
    return TRUE;
}

LRESULT SECCustomToolBar::OnDeleteButton(WPARAM index, LPARAM) {
    RemoveButton(static_cast<int>(index), FALSE);
    return TRUE;
}

// --- layout -----------------------------------------------------------------

namespace {

std::vector<custom_rows::Item> RowItems(const std::vector<SECStdBtn*>& buttons) {
    std::vector<custom_rows::Item> items;
    items.reserve(buttons.size());
    for (const SECStdBtn* button : buttons)
        items.push_back({button->m_cx, button->m_cy, button->IsSeparator() != FALSE,
                         (button->m_nStyle & SEC_TBBS_HIDDEN) != 0});
    return items;
}

}  // namespace

void SECCustomToolBar::GetRows(int width, std::vector<Row>& rows) const {
    rows = custom_rows::GetRows(RowItems(m_buttons), width);
}

void SECCustomToolBar::SizeToolBar(int length, BOOL vertical, std::vector<Row>& rows) const {
    rows = custom_rows::SizeToolBar(RowItems(m_buttons), length, vertical != FALSE,
                                    SIZE{GetButtonWidth(), GetButtonHeight()}, GetSeparatorWidth());
}

void SECCustomToolBar::BalanceRows(std::vector<Row>& rows) const { custom_rows::BalanceRows(RowItems(m_buttons), rows); }

CSize SECCustomToolBar::CalcLayout(int length, DWORD mode) {
    CRect inside(0, 0, 0, 0);
    const BOOL horz = (mode & LM_HORZ) != 0 || (mode & LM_HORZDOCK) != 0;
    CalcInsideRect(inside, horz);
    const CSize borders(-inside.Width(), -inside.Height());
    if (m_buttons.empty()) {
        CSize size(GetButtonWidth() + borders.cx, GetButtonHeight() + borders.cy);
        if (mode & LM_STRETCH) size.cx = 32767;
        return size;
    }
    // One button a row standing docked; otherwise the rows for the width
    // (or, resized by its height, the height) asked, evened out.
    std::vector<Row> rows;
    if (mode & LM_VERTDOCK) GetRows(0, rows);
    else if (mode & LM_HORZDOCK) SizeToolBar((mode & LM_STRETCH) && length > 0 ? length - borders.cx : 32767, FALSE, rows);
    else if ((mode & LM_MRUWIDTH) || length == -1) SizeToolBar(m_nMRUWidth - borders.cx, FALSE, rows);
    else if (mode & LM_LENGTHY) SizeToolBar(length - borders.cy, TRUE, rows);
    else SizeToolBar(length - borders.cx, FALSE, rows);
    for (SECStdBtn* button : m_buttons) button->m_nStyle &= ~SEC_TBBS_WRAPPED;
    for (size_t r = 0; r + 1 < rows.size(); ++r) m_buttons[static_cast<size_t>(rows[r].last)]->m_nStyle |= SEC_TBBS_WRAPPED;

    // Buttons row by row, each centred in its row's height, in client
    // coordinates (the borders are the bar's non-client area).
    int y = 0, widest = 0, first = 0;
    for (const Row& row : rows) {
        int x = 0;
        for (int i = first; i <= row.last; ++i) {
            SECStdBtn* button = m_buttons[static_cast<size_t>(i)];
            if (button->m_nStyle & SEC_TBBS_HIDDEN) continue;
            button->SetPos(x, y + (row.height - button->m_cy) / 2);
            x += button->m_cx;
        }
        widest = std::max(widest, row.width);
        y += row.height + (row.endsAtSeparator ? GetSeparatorWidth() * 2 / 3 : 0);
        first = row.last + 1;
    }
    CSize size(widest + borders.cx, y + borders.cy);
    if (IsFloating()) size -= CSize(2, 2);
    if (mode & LM_COMMIT) {
        if (mode & LM_HORZDOCK) m_szHorzDocked = size;
        else if (mode & LM_VERTDOCK) m_szVertDocked = size;
        else {
            m_szFloat = size;
            m_nMRUWidth = size.cx;
        }
    }
    return size;
}

CSize SECCustomToolBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
    DWORD mode = horz ? (LM_HORZDOCK | LM_HORZ) : LM_VERTDOCK;
    if (stretch) mode |= LM_STRETCH;
    CSize size = CalcLayout(-1, mode | LM_COMMIT);
    if (stretch && horz) size.cx = 32767;
    return size;
}

CSize SECCustomToolBar::CalcDynamicLayout(int length, DWORD mode) {
    if (mode & (LM_HORZDOCK | LM_VERTDOCK)) return CalcFixedLayout(mode & LM_STRETCH, mode & LM_HORZDOCK);
    return CalcLayout(length, mode);
}

// --- command update ---------------------------------------------------------

void SECCustomToolCmdUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    SECStdBtn* button = m_pBar->GetButton(static_cast<int>(m_nIndex));
    const DWORD style = on ? (button->m_nStyle & ~SEC_TBBS_DISABLED) : (button->m_nStyle | SEC_TBBS_DISABLED);
    if (style != button->m_nStyle) {
        button->m_nStyle = style;
        m_pBar->InvalidateButton(button, FALSE);
    }
}

void SECCustomToolCmdUI::SetCheck(int check) {
    SECStdBtn* button = m_pBar->GetButton(static_cast<int>(m_nIndex));
    DWORD style = (button->m_nStyle | SEC_TBBS_CHECKBOX) & ~(SEC_TBBS_CHECKED | SEC_TBBS_INDETERMINATE);
    if (check == 1) style |= SEC_TBBS_CHECKED;
    else if (check == 2) style |= SEC_TBBS_INDETERMINATE;
    if (style != button->m_nStyle) {
        button->m_nStyle = style;
        m_pBar->InvalidateButton(button, FALSE);
    }
}

void SECCustomToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    SECCustomToolCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetButtonCount());
    for (int i = 0; i < GetButtonCount(); ++i) {
        const SECStdBtn* button = m_buttons[static_cast<size_t>(i)];
        if (button->IsSeparator() || button->m_nID == 0) continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = button->m_nID;
        // The bar's own handlers first, then the frame's.
        if (!state.DoUpdate(this, FALSE))
            state.DoUpdate(target, disableIfNoHandler && !(button->m_nStyle & SEC_TBBS_NOAUTODISABLE));
    }
}

void SECCustomToolBar::UpdateButton(int index) {
    if (m_hWnd == nullptr || index < 0 || index >= GetButtonCount()) return;
    const SECStdBtn* button = m_buttons[static_cast<size_t>(index)];
    if (button->IsSeparator() || button->m_nID == 0) return;
    CFrameWnd* frame = GetDockingFrame();
    if (frame == nullptr) return;
    SECCustomToolCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndex = static_cast<UINT>(index);
    state.m_nIndexMax = static_cast<UINT>(GetButtonCount());
    state.m_nID = button->m_nID;
    state.DoUpdate(frame, !(button->m_nStyle & SEC_TBBS_NOAUTODISABLE));
}

// --- drawing ----------------------------------------------------------------

void SECCustomToolBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

void SECCustomToolBar::DoPaint(CDC* dc) {
    // The borders are the non-client area's: only the buttons are drawn here.
    if (m_buttons.empty()) return;
    if (m_pDrawContext == nullptr) m_pDrawContext = std::make_unique<SECToolBarDrawContext>();
    int height = 0;
    for (const SECStdBtn* button : m_buttons) height = std::max(height, button->m_cy);
    if (!m_pDrawContext->PrepareBitmaps(dc, std::max(m_nMaxBtnWidth, 1), std::max(height, 1))) return;
    for (SECStdBtn* button : m_buttons)
        if (!(button->m_nStyle & SEC_TBBS_HIDDEN)) button->Draw(dc->m_hDC, *m_pDrawContext);
    m_pDrawContext->Release();
}

void SECCustomToolBar::RaiseWidestButton(int cx) { m_nMaxBtnWidth = std::max(m_nMaxBtnWidth, cx); }

void SECCustomToolBar::InvalidateButton(SECStdBtn* button, BOOL erase) {
    if (m_hWnd == nullptr || button == nullptr) return;
    const RECT r = button->GetRect();
    ::InvalidateRect(m_hWnd, &r, erase);
}

void SECCustomToolBar::OnSysColorChange() {
    SECControlBar::OnSysColorChange();
    m_pDrawContext.reset();
    m_pBmpMgr->ReloadAll(TRUE);
    Invalidate();
}

INT_PTR SECCustomToolBar::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    const int index = HitTest(point);
    if (index < 0 || m_buttons[static_cast<size_t>(index)]->IsSeparator()) return -1;
    return m_buttons[static_cast<size_t>(index)]->OnToolHitTest(point, info);
}

// --- mouse ------------------------------------------------------------------

void SECCustomToolBar::SetCustomizing(BOOL customizing) {
    if (customizing == m_bCustomizing) return;
    CancelActiveButton();
    SetHotButton(-1);
    m_bCustomizing = customizing;
    if (m_hWnd != nullptr) Invalidate();
}

int SECCustomToolBar::GetSelectedButton() const {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (m_buttons[static_cast<size_t>(i)]->m_nStyle & SEC_TBBS_CUSTOMSELECTED) return i;
    return -1;
}

void SECCustomToolBar::SelectButton(int index) {
    for (int i = 0; i < GetButtonCount(); ++i) {
        SECStdBtn* button = m_buttons[static_cast<size_t>(i)];
        const BOOL selected = (button->m_nStyle & SEC_TBBS_CUSTOMSELECTED) != 0;
        if (selected != (i == index)) button->InformBtn(1, i == index ? SEC_TBBS_CUSTOMSELECTED : 0,
                                                        i == index ? 0 : SEC_TBBS_CUSTOMSELECTED);
    }
    if (m_pManager != nullptr && index >= 0) {
        // One selection for all the manager's bars.
        for (SECCustomToolBar* other : m_pManager->GetBars())
            if (other != this) other->SelectButton(-1);
        m_pManager->NotifyBars(GetBarId(), SEC_BARNOTIFY_SELECTION);
    }
}

namespace {

// The customisable toolbar under a screen point: the window there, or the
// bar inside a floating frame there.
SECCustomToolBar* ToolBarAt(POINT screen) {
    for (HWND window = ::WindowFromPoint(screen); window != nullptr; window = ::GetParent(window)) {
        CWnd* object = CWnd::FromHandlePermanent(window);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)))
            return static_cast<SECCustomToolBar*>(object);
    }
    return nullptr;
}

}  // namespace

BOOL SECCustomToolBar::TrackButtonMove(int index, CPoint point) {
    if (index < 0 || index >= GetButtonCount()) return FALSE;
    SECStdBtn* button = m_buttons[static_cast<size_t>(index)];
    if (!button->CanMoveButton()) return TRUE;
    SelectButton(index);
    UpdateWindow();
    SECToolBarRectTracker tracker(CRect(button->GetRect()));
    if (!tracker.Track(this, point, FALSE, nullptr)) return TRUE;  // cancelled: nothing changes
    const BOOL copy = ::GetKeyState(VK_CONTROL) < 0;
    CRect dropped = tracker.m_rect;
    ClientToScreen(&dropped);
    SECCustomToolBar* target = nullptr;
    for (POINT corner : {POINT{dropped.left, dropped.top}, POINT{dropped.right - 1, dropped.top},
                         POINT{dropped.left, dropped.bottom - 1}, POINT{dropped.right - 1, dropped.bottom - 1}}) {
        if ((target = ToolBarAt(corner)) != nullptr) break;
    }
    if (target != nullptr && target != this && m_bDropOnlyHere) return TRUE;
    if (target != nullptr && target->AcceptsDrop()) {
        CRect local = dropped;
        target->ScreenToClient(&local);
        return target->DropButton(local, button, copy, FALSE);
    }
    if (copy) return TRUE;
    // Dropped where no bar takes it: the button goes. (This bar may go with
    // it when it is an emptied user toolbar, but only after this call.)
    SelectButton(-1);
    RemoveButton(IndexOfButton(button), FALSE);
    return TRUE;
}

BOOL SECCustomToolBar::DropButton(const CRect& rect, SECStdBtn* button, BOOL copy, BOOL defer) {
    if (button == nullptr) return FALSE;
    auto* source = dynamic_cast<SECCustomToolBar*>(button->m_pBar);
    const UINT id = button->IsSeparator() ? 0 : button->m_nID;
    const BOOL separator = button->IsSeparator();
    const int sourceIndex = source != nullptr ? source->IndexOfButton(button) : -1;

    auto removeFromSource = [&]() {
        // The source may be an emptied user toolbar now: it goes later, and
        // the drop still succeeded.
        if (source != nullptr && sourceIndex >= 0) source->RemoveButton(source->IndexOfButton(button), defer);
    };

    if (m_buttons.empty()) {
        if (!copy) removeFromSource();
        InsertButton(0, id, separator, defer);
        SelectButton(0);
        return TRUE;
    }
    if (source == this && !copy && GetButtonCount() == 1) return TRUE;

    CRect inside;
    GetClientRect(&inside);
    if (rect.bottom < inside.top) {
        InsertButton(0, 0, TRUE, TRUE);
        InsertButton(0, id, separator, defer);
        SelectButton(0);
        return TRUE;
    }
    if (rect.top > inside.bottom) {
        InsertButton(GetButtonCount(), 0, TRUE, TRUE);
        InsertButton(GetButtonCount(), id, separator, defer);
        SelectButton(GetButtonCount() - 1);
        return TRUE;
    }

    // The row at the rectangle's middle, then the place in it.
    const int middle = (rect.top + rect.bottom) / 2;
    int rowStart = 0;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const SECStdBtn* b = m_buttons[static_cast<size_t>(i)];
        if (b->m_nStyle & SEC_TBBS_HIDDEN) continue;
        if (middle >= b->m_y && middle < b->m_y + b->m_cy) {
            rowStart = i;
            break;
        }
    }
    int index = rowStart;
    for (int i = rowStart; i < GetButtonCount(); ++i) {
        const SECStdBtn* b = m_buttons[static_cast<size_t>(i)];
        if (b->m_nStyle & SEC_TBBS_HIDDEN) continue;
        if (b->m_y > middle || (i > rowStart && (m_buttons[static_cast<size_t>(i - 1)]->m_nStyle & SEC_TBBS_WRAPPED)))
            break;
        if (rect.left >= b->m_x && rect.left < b->m_x + b->m_cx) {
            index = i + 1;
            break;
        }
        if (rect.left >= b->m_x + b->m_cx) index = i + 1;
    }

    if (!copy) {
        if (source == this) {
            if (index == sourceIndex || index == sourceIndex + 1) return TRUE;  // dropped on itself
            RemoveButton(sourceIndex, TRUE);
            if (sourceIndex < index) --index;
        } else {
            removeFromSource();
        }
    }
    index = std::max(0, std::min(index, GetButtonCount()));
    // A separator inside the row that the rectangle covers goes.
    if (index < GetButtonCount()) {
        const SECStdBtn* b = m_buttons[static_cast<size_t>(index)];
        if (b->IsSeparator() && !(b->m_nStyle & SEC_TBBS_WRAPPED) && rect.left <= b->m_x + 1 &&
            rect.right >= b->m_x + b->m_cx - 1)
            RemoveButton(index, TRUE);
    }
    InsertButton(index, id, separator, defer);
    if (::GetKeyState(VK_MENU) >= 0) SelectButton(index);
    return TRUE;
}

void SECCustomToolBar::SetActiveButton(int index) { m_nActiveBtn = index; }

void SECCustomToolBar::CancelActiveButton() {
    if (m_nActiveBtn < 0) return;
    const int index = m_nActiveBtn;
    m_nActiveBtn = -1;
    if (index < GetButtonCount()) m_buttons[static_cast<size_t>(index)]->BtnPressCancel();
    if (m_hWnd != nullptr && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void SECCustomToolBar::OnLButtonDown(UINT flags, CPoint point) {
    const int index = HitTest(point);
    const BOOL altDrag = m_pManager != nullptr && ::GetKeyState(VK_MENU) < 0;
    if (index >= 0 && (m_bCustomizing || altDrag)) {
        TrackButtonMove(index, point);
        return;
    }
    if (index < 0 || SECStdBtn::s_bNotifying || m_bCustomizing ||
        (m_buttons[static_cast<size_t>(index)]->m_nStyle & SEC_TBBS_DISABLED)) {
        SECControlBar::OnLButtonDown(flags, point);
        return;
    }
    UpdateButton(index);
    SECStdBtn* button = m_buttons[static_cast<size_t>(index)];
    if (!button->BtnPressDown(point)) return;
    SetActiveButton(index);
    InvalidateButton(button, FALSE);
    UpdateWindow();
    SetCapture();
    if (HWND owner = GetNotifyOwner()) ::SendMessageA(owner, WM_SETMESSAGESTRING, button->m_nID, 0);
}

void SECCustomToolBar::OnLButtonDblClk(UINT flags, CPoint point) {
    const int index = HitTest(point);
    if (index >= 0 && !m_bCustomizing && !(m_buttons[static_cast<size_t>(index)]->m_nStyle & SEC_TBBS_DISABLED))
        OnLButtonDown(flags, point);
    else
        SECControlBar::OnLButtonDblClk(flags, point);
}

void SECCustomToolBar::OnMouseMove(UINT flags, CPoint point) {
    if (m_nActiveBtn >= 0 && ::GetCapture() == m_hWnd) {
        m_buttons[static_cast<size_t>(m_nActiveBtn)]->BtnPressMouseMove(point);
        return;
    }
    if (IsFlat() && !m_bCustomizing && !SECStdBtn::s_bNotifying) UpdateHotButton();
    SECControlBar::OnMouseMove(flags, point);
}

void SECCustomToolBar::OnLButtonUp(UINT flags, CPoint point) {
    if (m_nActiveBtn < 0) {
        SECControlBar::OnLButtonUp(flags, point);
        return;
    }
    const int index = m_nActiveBtn;
    m_nActiveBtn = -1;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    SECStdBtn* button = m_buttons[static_cast<size_t>(index)];
    const UINT command = button->BtnPressUp(point);
    HWND owner = GetNotifyOwner();
    if (owner != nullptr) ::SendMessageA(owner, WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    UpdateButton(index);
    InvalidateButton(button, FALSE);
    if (command != 0 && owner != nullptr) ::PostMessageA(owner, WM_COMMAND, command, 0);
}

void SECCustomToolBar::OnCancelMode() {
    SECControlBar::OnCancelMode();
    CancelActiveButton();
}

void SECCustomToolBar::OnCaptureChanged(CWnd* wnd) {
    // Capture lost to another window during a press: the press is over.
    if (m_nActiveBtn >= 0 && (wnd == nullptr || wnd->m_hWnd != m_hWnd)) {
        const int index = m_nActiveBtn;
        m_nActiveBtn = -1;
        if (index < GetButtonCount()) m_buttons[static_cast<size_t>(index)]->BtnPressCancel();
    }
    SECControlBar::OnCaptureChanged(wnd);
}

void SECCustomToolBar::SetHotButton(int index) {
    if (index == m_nHotBtn) return;
    if (m_nHotBtn >= 0 && m_nHotBtn < GetButtonCount())
        m_buttons[static_cast<size_t>(m_nHotBtn)]->InformBtn(1, 0, SEC_TBBS_HOT);
    m_nHotBtn = index;
    if (index >= 0) {
        m_buttons[static_cast<size_t>(index)]->InformBtn(1, SEC_TBBS_HOT, 0);
        if (m_hWnd != nullptr && !m_bMenuMode) SetTimer(kHotTimer, kHotTimerMs, nullptr);
    } else if (m_hWnd != nullptr) {
        KillTimer(kHotTimer);
    }
}

void SECCustomToolBar::UpdateHotButton() {
    if (m_hWnd == nullptr || !IsFlat() || m_bMenuMode) return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    int index = -1;
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(cursor)) {
        POINT screen = cursor;
        ClientToScreen(&screen);
        if (::WindowFromPoint(screen) == m_hWnd) index = HitTest(cursor);
    }
    if (index >= 0) {
        const SECStdBtn* button = m_buttons[static_cast<size_t>(index)];
        if (button->IsSeparator() || (button->m_nStyle & SEC_TBBS_DISABLED)) index = -1;
    }
    SetHotButton(index);
}

void SECCustomToolBar::OnTimer(UINT_PTR id) {
    if (id == kHotTimer) UpdateHotButton();
    else SECControlBar::OnTimer(id);
}

void SECCustomToolBar::EnterMenuModeAt(int index) {
    m_bMenuMode = TRUE;
    if (m_hWnd != nullptr) KillTimer(kHotTimer);
    SetHotButton(index);
}

void SECCustomToolBar::ExitMenuMode() {
    m_bMenuMode = FALSE;
    SetHotButton(-1);
}

int SECCustomToolBar::FirstMenuButton() const { return NextMenuButton(-1, 1); }

int SECCustomToolBar::NextMenuButton(int index, int direction) const {
    for (int i = index + direction; i >= 0 && i < GetButtonCount(); i += direction) {
        const SECStdBtn* button = m_buttons[static_cast<size_t>(i)];
        if ((button->m_nType == SEC_BTN_MENU || button->m_nType == SEC_BTN_CAPTION_MENU) &&
            !(button->m_nStyle & SEC_TBBS_HIDDEN))
            return i;
    }
    return -1;
}

void SECCustomToolBar::ShowButtonMenu(SECStdBtn* button) {
    // A plain customisable bar has no menus: the press is over at once.
    if (button != nullptr) button->BtnPressCancel();
}

void SECCustomToolBar::InformButtons(UINT id, DWORD set, DWORD clear) {
    if (m_pManager != nullptr) {
        m_pManager->BroadcastInformBtn(id, 1, set, clear);
        return;
    }
    for (SECStdBtn* button : m_buttons)
        if (button->m_nID == id) button->InformBtn(1, set, clear);
}

HWND SECCustomToolBar::GetActiveMDIChild() const {
    CFrameWnd* frame = GetDockingFrame();
    if (frame == nullptr || !frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) return nullptr;
    CMDIChildWnd* child = static_cast<CMDIFrameWnd*>(frame)->MDIGetActive();
    return child != nullptr ? child->m_hWnd : nullptr;
}
