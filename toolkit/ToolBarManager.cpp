#include "ToolBarManager.h"

#include <algorithm>

#include "BmpMgr.h"
#include "CustomToolBar.h"
#include "DockBar.h"
#include "FrameWnd.h"
#include "MenuBar.h"
#include "ToolBarsDialog.h"
#include "ToolkitResources.h"

IMPLEMENT_DYNAMIC(SECToolBarManager, SECControlBarManager)

const UINT SECToolBarManager::WM_BARNOTIFY = ::RegisterWindowMessageA("WM_BARNOTIFY");

namespace {

// The cool look: flat bars with images drawn over the bar background.
constexpr DWORD kCoolLookBits = SEC_BAR_FLAT | SEC_BAR_TRANSPARENT;

}  // namespace

SECToolBarManager::SECToolBarManager(CFrameWnd* frame) : m_pFrame(frame), m_pBmpMgr(new SECBmpMgr) {}

SECToolBarManager::~SECToolBarManager() {
    for (SECCustomToolBar* bar : GetBars())
        if (bar->GetManager() == this) bar->SetManager(nullptr);
    m_pBmpMgr->Release();
}

BOOL SECToolBarManager::IsUserBarId(UINT id) { return id >= SEC_IDW_USERBAR_FIRST && id <= SEC_IDW_USERBAR_LAST; }

std::vector<SECCustomToolBar*> SECToolBarManager::GetBars() const {
    std::vector<SECCustomToolBar*> bars;
    if (m_pFrame == nullptr || m_pFrame->m_hWnd == nullptr) return bars;
    auto take = [&bars](CWnd* object) {
        if (object != nullptr && object->m_hWnd != nullptr && object->IsKindOf(RUNTIME_CLASS(SECCustomToolBar)) &&
            std::find(bars.begin(), bars.end(), object) == bars.end())
            bars.push_back(static_cast<SECCustomToolBar*>(object));
    };
    // Bars placed by the frame itself, and those docked or floating.
    for (HWND child = ::GetTopWindow(m_pFrame->m_hWnd); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        take(CWnd::FromHandlePermanent(child));
    for (CControlBar* bar : m_pFrame->m_listControlBars) take(bar);
    std::sort(bars.begin(), bars.end(),
              [](const SECCustomToolBar* a, const SECCustomToolBar* b) { return a->GetBarId() < b->GetBarId(); });
    return bars;
}

void SECToolBarManager::ApplyLook(SECCustomToolBar* bar) const {
    bar->SetBmpMgr(m_pBmpMgr);
    bar->SetExBarStyle((bar->GetExBarStyle() & ~kCoolLookBits) | (m_bCoolLook ? kCoolLookBits : 0), FALSE);
    DWORD style = bar->GetBarStyle() & ~CBRS_TOOLTIPS;
    if (m_bToolTips) style |= CBRS_TOOLTIPS;
    bar->SetBarStyle(style);
    bar->SetCustomizing(m_bCustomiseMode);
}

void SECToolBarManager::AttachBar(SECCustomToolBar* bar) {
    if (bar == nullptr) return;
    bar->SetManager(this);
    ApplyLook(bar);
}

SECCustomToolBar* SECToolBarManager::CreateUserToolBar(LPCSTR title) {
    if (m_pFrame == nullptr) return nullptr;
    // The lowest id no bar of the frame uses.
    UINT id = SEC_IDW_USERBAR_FIRST;
    const std::vector<SECCustomToolBar*> bars = GetBars();
    for (BOOL taken = TRUE; taken && id <= SEC_IDW_USERBAR_LAST;) {
        taken = std::any_of(bars.begin(), bars.end(), [&](const SECCustomToolBar* bar) { return bar->GetBarId() == id; });
        if (taken) ++id;
    }
    if (id > SEC_IDW_USERBAR_LAST) return nullptr;
    CString name = title != nullptr ? CString(title) : CString();
    if (name.IsEmpty()) {
        CString format;
        if (!format.LoadString(IDS_SEC_TOOLBAR_TITLE)) format = "ToolBar%d";
        name.Format(format, static_cast<int>(id - 0xE81F));
    }
    name = name.Left(kMaxTitle);
    auto* bar = new SECCustomToolBar;
    DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_BORDER_TOP | CBRS_SIZE_DYNAMIC;
    if (m_bFlyBy) style |= CBRS_FLYBY;
    if (m_bToolTips) style |= CBRS_TOOLTIPS;
    bar->SetExBarStyle(m_bCoolLook ? kCoolLookBits : 0, FALSE);
    if (!bar->Create(m_pFrame, style, id, name)) {
        delete bar;
        return nullptr;
    }
    bar->SetAutoDelete(TRUE);
    bar->SetManager(this);
    ApplyLook(bar);
    bar->EnableDocking(CBRS_ALIGN_ANY);
    NotifyBars(id, SEC_BARNOTIFY_CREATED);
    m_pFrame->RecalcLayout();
    return bar;
}

CPoint SECToolBarManager::NewToolBarPoint(CPoint anchor, CSize barSize) {
    CPoint point(anchor.x + 5, anchor.y + 5);
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    point.x = std::max(work.left, std::min(point.x, work.right - std::max(barSize.cx, 1L)));
    point.y = std::max(work.top, std::min(point.y, work.bottom - std::max(barSize.cy, 1L)));
    return point;
}

void SECToolBarManager::FloatNewToolBar(SECCustomToolBar* bar) {
    if (bar == nullptr || m_pFrame == nullptr) return;
    CPoint anchor;
    CControlBar* top = m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    if (top != nullptr && top->IsKindOf(RUNTIME_CLASS(CDockBar))) {
        CRect rect;
        top->GetWindowRect(&rect);
        anchor = CPoint(rect.left, rect.bottom);
    } else {
        CRect client;
        m_pFrame->GetClientRect(&client);
        m_pFrame->ClientToScreen(&client);
        anchor = client.BottomRight();
    }
    const CSize size = bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH);
    m_pFrame->FloatControlBar(bar, NewToolBarPoint(anchor, size), CBRS_ALIGN_TOP);
    // The floating frame is larger than the bar: it too stays on the screen.
    CFrameWnd* floating = bar->IsFloating() ? bar->GetParentFrame() : nullptr;
    if (floating == nullptr) return;
    CRect outer;
    floating->GetWindowRect(&outer);
    const CPoint kept = NewToolBarPoint(anchor, outer.Size());
    if (kept != outer.TopLeft())
        floating->SetWindowPos(nullptr, kept.x, kept.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SECToolBarManager::SetDefaultButtons(UINT barId, const UINT* ids, int count) {
    m_defaults[barId] = ids != nullptr && count > 0 ? std::vector<UINT>(ids, ids + count) : std::vector<UINT>();
}

BOOL SECToolBarManager::GetDefaultButtons(UINT barId, std::vector<UINT>& ids) const {
    const auto found = m_defaults.find(barId);
    if (found == m_defaults.end()) return FALSE;
    ids = found->second;
    return TRUE;
}

BOOL SECToolBarManager::ResetBar(SECCustomToolBar* bar) {
    if (bar == nullptr) return FALSE;
    if (auto* menuBar = dynamic_cast<SECMenuBar*>(bar)) {
        menuBar->LoadMenu(menuBar->GetMenu());
        return TRUE;
    }
    std::vector<UINT> ids;
    if (!GetDefaultButtons(bar->GetBarId(), ids)) return FALSE;
    bar->SetButtons(ids.data(), static_cast<int>(ids.size()));
    return TRUE;
}

void SECToolBarManager::SetToolTips(BOOL on) {
    on = on ? TRUE : FALSE;
    if (on == m_bToolTips) return;
    m_bToolTips = on;
    for (SECCustomToolBar* bar : GetBars())
        bar->SetBarStyle(on ? (bar->GetBarStyle() | CBRS_TOOLTIPS) : (bar->GetBarStyle() & ~CBRS_TOOLTIPS));
}

void SECToolBarManager::SetCoolLook(BOOL on) {
    on = on ? TRUE : FALSE;
    if (on == m_bCoolLook) return;
    m_bCoolLook = on;
    for (SECCustomToolBar* bar : GetBars()) {
        bar->SetExBarStyle((bar->GetExBarStyle() & ~kCoolLookBits) | (on ? kCoolLookBits : 0), FALSE);
        bar->Invalidate();
    }
}

void SECToolBarManager::SetLargeButtons(BOOL on) {
    on = on ? TRUE : FALSE;
    if (on == m_bLargeButtons) return;
    m_bLargeButtons = on;
    m_pBmpMgr->SetUseSmallImages(!on);
    for (SECCustomToolBar* bar : GetBars()) bar->RecalcButtonSizes();
    if (m_pFrame != nullptr && m_pFrame->m_hWnd != nullptr) m_pFrame->RecalcLayout();
}

void SECToolBarManager::SetCustomiseMode(BOOL on) {
    on = on ? TRUE : FALSE;
    if (on == m_bCustomiseMode) return;
    m_bCustomiseMode = on;
    for (SECCustomToolBar* bar : GetBars()) bar->SetCustomizing(on);
}

void SECToolBarManager::EnterCustomise() {
    if (m_bCustomising || m_pFrame == nullptr || m_pFrame->m_hWnd == nullptr) return;
    m_bCustomising = TRUE;
    m_pFrame->EnableWindow(TRUE);  // the modal dialog disabled it
    for (HWND child = ::GetTopWindow(m_pFrame->m_hWnd); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CWnd* object = CWnd::FromHandlePermanent(child);
        const BOOL bar = object != nullptr && object->IsKindOf(RUNTIME_CLASS(CControlBar));
        if (!bar && ::IsWindowEnabled(child)) {
            ::EnableWindow(child, FALSE);
            m_disabled.push_back(child);
        }
    }
}

void SECToolBarManager::LeaveCustomise() {
    if (!m_bCustomising) return;
    m_bCustomising = FALSE;
    if (m_pFrame != nullptr && m_pFrame->m_hWnd != nullptr) m_pFrame->EnableWindow(FALSE);
    for (HWND window : m_disabled)
        if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    m_disabled.clear();
}

void SECToolBarManager::BroadcastInformBtn(UINT id, int kind, DWORD set, DWORD clear) {
    for (SECCustomToolBar* bar : GetBars())
        for (int i = 0; i < bar->GetButtonCount(); ++i)
            if (bar->GetButton(i)->m_nID == id) bar->GetButton(i)->InformBtn(kind, set, clear);
}

void SECToolBarManager::AddListener(HWND window) {
    if (window != nullptr && std::find(m_listeners.begin(), m_listeners.end(), window) == m_listeners.end())
        m_listeners.push_back(window);
}

void SECToolBarManager::RemoveListener(HWND window) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), window), m_listeners.end());
}

void SECToolBarManager::NotifyBars(UINT barId, int code) {
    const std::vector<HWND> listeners = m_listeners;  // a listener may leave meanwhile
    for (HWND window : listeners)
        if (::IsWindow(window)) ::SendMessageA(window, WM_BARNOTIFY, barId, code);
}

INT_PTR SECToolBarManager::RunCustomiseDialog() {
    SECToolBarsDialog dialog(this, m_pFrame);
    return dialog.DoModal();
}
