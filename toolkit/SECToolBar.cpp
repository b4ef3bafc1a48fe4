#include "SECToolBar.h"

#include <shlwapi.h>

#include <cstring>

#include "FrameWnd.h"
#include "ResourceModule.h"
#include "SysColorBitmap.h"

IMPLEMENT_DYNAMIC(SECToolBar, SECControlBar)

BEGIN_MESSAGE_MAP(SECToolBar, SECControlBar)
    ON_MESSAGE(WM_NCCREATE, OnNcCreate)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTestClient)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSizeToolBar)
    ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChangingToolBar)
    ON_MESSAGE(WM_PAINT, OnPaintButtons)
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
    ON_MESSAGE(WM_SETTINGCHANGE, OnZeroBorderDefault)
    ON_MESSAGE(WM_SETFONT, OnZeroBorderDefault)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChangeStrip)
END_MESSAGE_MAP()

namespace {

const WORD kToolBarResourceType = 241;

// Records read from and written to the control have the enabled bit turned.
void FlipEnabled(TBBUTTON& button) { button.fsState ^= TBSTATE_ENABLED; }

bool SameButton(const TBBUTTON& a, const TBBUTTON& b) {
    return a.iBitmap == b.iBitmap && a.idCommand == b.idCommand && a.fsState == b.fsState &&
           a.fsStyle == b.fsStyle && a.dwData == b.dwData && a.iString == b.iString;
}

}  // namespace

SECToolBar::SECToolBar() {
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
}

SECToolBar::~SECToolBar() {
    DestroyWindow();
    if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
    m_nCount = 0;
}

// Process-wide facts about the control

DWORD SECToolBar::GetComCtlVersion() {
    static DWORD version = [] {
        DWORD result = 0x40000;
        HMODULE module = ::GetModuleHandleA("COMCTL32.DLL");
        auto get = module ? reinterpret_cast<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(
                                reinterpret_cast<void*>(::GetProcAddress(module, "DllGetVersion")))
                          : nullptr;
        if (get != nullptr) {
            DLLVERSIONINFO info = {};
            info.cbSize = sizeof(info);
            if (SUCCEEDED(get(&info))) result = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
        }
        return result;
    }();
    return version;
}

int SECToolBar::GetDropDownWidth() {
    static int width = [] {
        HDC screen = ::GetDC(nullptr);
        HFONT font = ::CreateFontA(::GetSystemMetrics(SM_CYMENUCHECK), 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET,
                                   0, 0, 0, 0, "Marlett");
        HGDIOBJ old = font ? ::SelectObject(screen, font) : nullptr;
        int result = 0;
        ::GetCharWidthA(screen, '6', '6', &result);
        if (old != nullptr) ::SelectObject(screen, old);
        if (font != nullptr) ::DeleteObject(font);
        ::ReleaseDC(nullptr, screen);
        return result;
    }();
    return width;
}

// Creation

BOOL SECToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    CRect borders(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    BOOL created = CreateEx(parent, 0, style, borders, id);
    SetExBarStyle(CBRS_EX_FIXEDFRAME, FALSE);
    return created;
}

BOOL SECToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, const CRect& borders, UINT id) {
    m_cxLeftBorder = borders.left;
    m_cyTopBorder = borders.top;
    m_cxRightBorder = borders.right;
    m_cyBottomBorder = borders.bottom;
    PrepareCreate(style, id);
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, ControlWindowStyle(style) | ctrlStyle, CRect(0, 0, 0, 0),
                        parent, id))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    m_bFloatSizeStale = m_bHorzSizeStale = m_bVertSizeStale = TRUE;
    return TRUE;
}

BOOL SECToolBar::CreateEx(CWnd* parent, LPCSTR windowName, DWORD style, DWORD exStyle, UINT id,
                          CCreateContext* context) {
    PrepareCreate(style, id);
    if (exStyle & (CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER | CBRS_EX_CLOSEBUTTON | CBRS_EX_EXPANDBUTTON))
        exStyle &= ~CBRS_EX_OWNBORDERS;
    m_dwExStyle = exStyle;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, windowName, ControlWindowStyle(style), 0, 0, 0, 0,
                        parent->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), context))
        return FALSE;
    if (m_dwExStyle & CBRS_EX_PROPORTIONAL) TakeChildLayout();
    // Shown only when asked to be: a bar saved hidden stays hidden.
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | ((style & WS_VISIBLE) ? SWP_SHOWWINDOW : 0));
    SetWindowText(windowName != nullptr ? windowName : "");
    m_bFloatSizeStale = m_bHorzSizeStale = m_bVertSizeStale = TRUE;
    return TRUE;
}

void SECToolBar::PrepareCreate(DWORD style, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    if (id == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&init);
    GetComCtlVersion();
    GetDropDownWidth();
}

LRESULT SECToolBar::OnNcCreate(WPARAM, LPARAM) {
    LRESULT created = Default();
    if (created) {
        if (CWnd* owner = GetOwner()) DefWindowProc(TB_SETPARENT, reinterpret_cast<WPARAM>(owner->m_hWnd), 0);
        DefWindowProc(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    }
    return created;
}

void SECToolBar::SetSizes(SIZE button, SIZE image) {
    if (m_hWnd == nullptr) {
        m_sizeButton = button;
        m_sizeImage = image;
        return;
    }
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
    Invalidate();
}

LRESULT SECToolBar::DefaultWithZeroBorder() {
    if (GetComCtlVersion() < version471) return Default();
    DWORD style = GetStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style | TBSTYLE_TRANSPARENT | TBSTYLE_FLAT));
    LRESULT result = Default();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    return result;
}

LRESULT SECToolBar::OnSetButtonSize(WPARAM, LPARAM lParam) {
    LRESULT result = DefaultWithZeroBorder();
    if (result) m_sizeButton = {static_cast<short>(LOWORD(lParam)), HIWORD(lParam)};
    return result;
}

LRESULT SECToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam) {
    LRESULT result = DefaultWithZeroBorder();
    if (result) m_sizeImage = {static_cast<short>(LOWORD(lParam)), HIWORD(lParam)};
    return result;
}

LRESULT SECToolBar::OnZeroBorderDefault(WPARAM, LPARAM) { return DefaultWithZeroBorder(); }

LRESULT SECToolBar::OnNcHitTestClient(WPARAM, LPARAM) { return HTCLIENT; }

LRESULT SECToolBar::OnNcCalcSizeToolBar(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = OnNcCalcSizeBorders(wParam, lParam);
    // Older controls draw their buttons 2 pixels lower on their own.
    if (GetComCtlVersion() < version471) reinterpret_cast<RECT*>(lParam)->top -= 2;
    return result;
}

LRESULT SECToolBar::OnWindowPosChangingToolBar(WPARAM, LPARAM lParam) {
    // The control sees no border bits while it is moved.
    const DWORD style = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    const LRESULT result = Default();
    m_dwStyle = style;
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    // A dynamic bar being sized re-wraps its buttons: paint it all again.
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !(pos->flags & SWP_NOSIZE)) Invalidate();
    return result;
}

LRESULT SECToolBar::OnPaintButtons(WPARAM, LPARAM) {
    m_bDelayedLayout = FALSE;
    return Default();
}

// Resources

BOOL SECToolBar::LoadToolBar(LPCSTR name) {
    HINSTANCE instance = AfxFindResourceHandle(name, MAKEINTRESOURCEA(kToolBarResourceType));
    HRSRC found = ::FindResourceA(instance, name, MAKEINTRESOURCEA(kToolBarResourceType));
    if (found == nullptr) return FALSE;
    HGLOBAL loaded = ::LoadResource(instance, found);
    if (loaded == nullptr) return FALSE;
    const auto* words = static_cast<const WORD*>(::LockResource(loaded));
    DWORD bytes = ::SizeofResource(instance, found);
    if (words == nullptr || bytes < 8) return FALSE;
    const WORD width = words[1];
    const WORD height = words[2];
    const WORD count = words[3];
    // A resource shorter than its count says is refused rather than over-read.
    if (bytes < 8u + 2u * count) return FALSE;
    std::vector<UINT> ids(words + 4, words + 4 + count);
    if (!SetButtons(ids.data(), count)) return FALSE;
    SetSizes(SIZE{width + 7, height + 7}, SIZE{width, height});
    return LoadBitmap(name);
}

BOOL SECToolBar::LoadBitmap(LPCSTR name) {
    HINSTANCE instance = AfxFindResourceHandle(name, RT_BITMAP);
    HRSRC found = ::FindResourceA(instance, name, RT_BITMAP);
    if (found == nullptr) return FALSE;
    HBITMAP bitmap = AfxLoadSysColorBitmap(instance, found);
    if (bitmap == nullptr) return FALSE;
    if (!SetBitmap(bitmap)) {
        ::DeleteObject(bitmap);
        return FALSE;
    }
    m_hInstImage = instance;
    m_hRsrcImage = found;
    return TRUE;
}

BOOL SECToolBar::SetBitmap(HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || !::GetObjectA(bitmap, sizeof(info), &info) || m_sizeImage.cx <= 0) return FALSE;
    const int images = info.bmWidth / m_sizeImage.cx;
    BOOL ok;
    if (m_hbmImageWell != nullptr) {
        TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                                   reinterpret_cast<UINT_PTR>(bitmap), images};
        ok = DefWindowProc(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)) != 0;
    } else {
        TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
        ok = DefWindowProc(TB_ADDBITMAP, images, reinterpret_cast<LPARAM>(&add)) == 0;
    }
    if (!ok) return FALSE;
    if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = bitmap;
    return TRUE;
}

LRESULT SECToolBar::OnSysColorChangeStrip(WPARAM, LPARAM) {
    LRESULT result = Default();
    if (m_hInstImage != nullptr && m_hRsrcImage != nullptr) {
        HBITMAP bitmap = AfxLoadSysColorBitmap(m_hInstImage, m_hRsrcImage);
        if (bitmap != nullptr && !SetBitmap(bitmap)) ::DeleteObject(bitmap);
    }
    return result;
}

// Buttons

BOOL SECToolBar::SetButtons(const UINT* ids, int count) {
    for (int existing = GetButtonCount(); existing > 0; --existing) DefWindowProc(TB_DELETEBUTTON, 0, 0);
    if (ids != nullptr) {
        const bool narrowSeparators = (GetStyle() & TBSTYLE_FLAT) || GetComCtlVersion() == version471;
        int image = 0;
        for (int i = 0; i < count; ++i) {
            TBBUTTON button = {};
            button.fsState = TBSTATE_ENABLED;
            button.iString = -1;
            button.idCommand = static_cast<int>(ids[i]);
            if (ids[i] != 0) {
                button.iBitmap = image++;
            } else {
                button.fsStyle = TBSTYLE_SEP;
                button.iBitmap = narrowSeparators ? 6 : 8;
            }
            if (!DefWindowProc(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) return FALSE;
        }
    } else {
        for (int i = 0; i < count; ++i) {
            TBBUTTON button = {};
            button.fsState = TBSTATE_ENABLED;
            button.iString = -1;
            if (!DefWindowProc(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) return FALSE;
        }
    }
    m_nCount = GetButtonCount();
    m_bDelayedLayout = TRUE;
    return TRUE;
}

int SECToolBar::GetButtonCount() const {
    return static_cast<int>(const_cast<SECToolBar*>(this)->DefWindowProc(TB_BUTTONCOUNT, 0, 0));
}

void SECToolBar::GetButtonInfo(int index, TBBUTTON& button) const {
    button = {};
    const_cast<SECToolBar*>(this)->DefWindowProc(TB_GETBUTTON, static_cast<WPARAM>(index),
                                                  reinterpret_cast<LPARAM>(&button));
    FlipEnabled(button);
}

void SECToolBar::SetButtonInfo(int index, const TBBUTTON& button) {
    TBBUTTON current = {};
    DefWindowProc(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&current));
    TBBUTTON wanted = button;
    std::memset(current.bReserved, 0, sizeof(current.bReserved));
    std::memset(wanted.bReserved, 0, sizeof(wanted.bReserved));
    FlipEnabled(wanted);
    if (SameButton(current, wanted)) return;
    const DWORD style = GetStyle();
    if (style & WS_VISIBLE) ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_VISIBLE));
    DefWindowProc(TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    DefWindowProc(TB_INSERTBUTTONA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wanted));
    if (style & WS_VISIBLE) ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    const bool separatorChanged = ((current.fsStyle ^ wanted.fsStyle) & TBSTYLE_SEP) != 0 ||
                                  ((wanted.fsStyle & TBSTYLE_SEP) && current.iBitmap != wanted.iBitmap);
    if (separatorChanged) {
        Invalidate();
        return;
    }
    RECT item;
    if (DefWindowProc(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        InvalidateRect(&item, TRUE);
}

UINT SECToolBar::GetItemID(int index) const {
    TBBUTTON button;
    GetButtonInfo(index, button);
    return static_cast<UINT>(button.idCommand);
}

UINT SECToolBar::GetButtonStyle(int index) const {
    TBBUTTON button;
    GetButtonInfo(index, button);
    return MAKELONG(button.fsStyle, button.fsState);
}

void SECToolBar::SetButtonStyle(int index, UINT style) {
    TBBUTTON button;
    GetButtonInfo(index, button);
    const BYTE newStyle = static_cast<BYTE>(LOWORD(style));
    const BYTE newState = static_cast<BYTE>(HIWORD(style));
    if (button.fsStyle == newStyle && button.fsState == newState) return;
    button.fsStyle = newStyle;
    button.fsState = newState;
    SetButtonInfo(index, button);
    m_bDelayedLayout = TRUE;
}

int SECToolBar::CommandToIndex(UINT id) const {
    const int count = GetButtonCount();
    for (int i = 0; i < count; ++i)
        if (GetItemID(i) == id) return i;
    return -1;
}

void SECToolBar::GetItemRect(int index, LPRECT rect) {
    m_bDelayedLayout = FALSE;
    if (!DefWindowProc(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)))
        ::SetRectEmpty(rect);
}

// Layout

ToolBarMetrics SECToolBar::Metrics() const {
    ToolBarMetrics metrics;
    metrics.button = m_sizeButton;
    metrics.fullHeightSeparators = (GetStyle() & TBSTYLE_FLAT) || GetComCtlVersion() == version471;
    const LRESULT extended = const_cast<SECToolBar*>(this)->DefWindowProc(TB_GETEXTENDEDSTYLE, 0, 0);
    metrics.dropDownWidth = (extended & TBSTYLE_EX_DRAWDDARROWS) ? GetDropDownWidth() : 0;
    return metrics;
}

std::vector<TBBUTTON> SECToolBar::ReadButtons() const {
    std::vector<TBBUTTON> buttons(static_cast<size_t>(GetButtonCount()));
    for (size_t i = 0; i < buttons.size(); ++i) GetButtonInfo(static_cast<int>(i), buttons[i]);
    return buttons;
}

CSize SECToolBar::CalcLayout(DWORD mode, int length) {
    std::vector<TBBUTTON> buttons = ReadButtons();
    const ToolBarMetrics metrics = Metrics();
    if (!buttons.empty()) {
        if (mode & LM_STRETCH) length = static_cast<int>(length * m_fProportionalWidth);
        if ((mode & LM_COMMIT) && !(m_dwStyle & CBRS_SIZE_FIXED)) {
            if (m_dwStyle & CBRS_SIZE_DYNAMIC) {
                if (mode & LM_MRUWIDTH) toolbar_layout::SizeToolBar(buttons, metrics, m_nMRUWidth, false);
                if (length == -1) {
                    int width = IsFloating() ? m_nMRUWidth : ((mode & LM_HORZ) ? 32767 : 0);
                    toolbar_layout::SizeToolBar(buttons, metrics, width, false);
                } else {
                    CRect inside;
                    CalcInsideRect(inside, (mode & LM_HORZ) != 0);
                    int borders = (mode & LM_LENGTHY) ? -inside.Height() : -inside.Width();
                    toolbar_layout::SizeToolBar(buttons, metrics, length - borders, (mode & LM_LENGTHY) != 0);
                }
            } else {
                toolbar_layout::SizeToolBar(buttons, metrics, (mode & LM_HORZ) ? 32767 : 0, false);
            }
        }
        CSize size = toolbar_layout::CalcSize(buttons, metrics);
        if (mode & LM_COMMIT) {
            const BOOL delayed = m_bDelayedLayout;
            for (size_t i = 0; i < buttons.size(); ++i) SetButtonInfo(static_cast<int>(i), buttons[i]);
            m_bDelayedLayout = delayed;
            CRect inside;
            CalcInsideRect(inside, (mode & LM_HORZ) != 0);
            size.cx -= inside.Width();
            size.cy -= inside.Height();
            if (mode & LM_STRETCH) (mode & LM_LENGTHY ? size.cy : size.cx) = length;
            if (mode & LM_HORZDOCK) {
                m_szHorzDocked = size;
                m_bHorzSizeStale = FALSE;
            } else if (mode & LM_VERTDOCK) {
                m_szVertDocked = size;
                m_bVertSizeStale = FALSE;
            } else {
                m_szFloat = size;
                if (!(mode & LM_LENGTHY)) m_nMRUWidth = size.cx;
                m_bFloatSizeStale = FALSE;
            }
        }
    }
    CSize result = (mode & LM_HORZDOCK) ? m_szHorzDocked : (mode & LM_VERTDOCK) ? m_szVertDocked : m_szFloat;
    if (IsFloating()) result.cy -= 2;
    return result;
}

CSize SECToolBar::CalcDynamicLayout(int length, DWORD mode) {
    if (!(mode & LM_COMMIT)) {
        const bool stale = ((mode & LM_HORZDOCK) && m_bHorzSizeStale) || ((mode & LM_VERTDOCK) && m_bVertSizeStale) ||
                           ((mode & LM_MRUWIDTH) && m_bFloatSizeStale);
        // A stale upright size is measured as a drag measures it, one button
        // per row: searched by height from length 0 it would end as one long
        // row across the side.
        if (stale && (mode & LM_VERTDOCK)) return CalcLayout((mode & ~LM_LENGTHY) | LM_COMMIT, 0);
        if (stale) return CalcLayout(mode | LM_COMMIT, 32767);
    }
    if (!(mode & LM_COMMIT) || ((mode & LM_HORZDOCK) && (mode & LM_LENGTHY)) ||
        ((mode & LM_VERTDOCK) && !(mode & LM_LENGTHY)))
        return SECControlBar::CalcDynamicLayout(length, mode);
    return CalcLayout(mode, length);
}

void SECToolBar::OnBarStyleChange(DWORD oldStyle, DWORD newStyle) {
    if (m_hWnd != nullptr && ((oldStyle ^ newStyle) & CBRS_BORDER_ANY))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_bDelayedLayout = TRUE;
}

// Tooltips and command update

INT_PTR SECToolBar::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    INT_PTR hit = SECControlBar::OnToolHitTest(point, info);
    if (hit != -1) return hit;
    auto* self = const_cast<SECToolBar*>(this);
    const int count = GetButtonCount();
    for (int i = 0; i < count; ++i) {
        RECT item;
        if (!self->DefWindowProc(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
        ++item.right;
        ++item.bottom;
        if (!::PtInRect(&item, point)) continue;
        TBBUTTON button;
        GetButtonInfo(i, button);
        if (button.fsStyle & TBSTYLE_SEP) continue;
        if (button.idCommand == 0) return -1;
        if (info != nullptr && info->cbSize >= TTTOOLINFOA_V1_SIZE) {
            info->hwnd = m_hWnd;
            info->rect = item;
            info->uId = static_cast<UINT_PTR>(button.idCommand);
            info->lpszText = LPSTR_TEXTCALLBACKA;
        }
        return button.idCommand;
    }
    return -1;
}

void SECToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    SECToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetButtonCount());
    for (UINT i = 0; i < state.m_nIndexMax; ++i) {
        TBBUTTON button;
        GetButtonInfo(static_cast<int>(i), button);
        if (button.fsStyle & TBSTYLE_SEP) continue;
        state.m_nIndex = i;
        state.m_nID = static_cast<UINT>(button.idCommand);
        if (OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr)) continue;
        state.DoUpdate(target, disableIfNoHandler);
    }
    // Controls placed on the bar, as on any control bar.
    UpdateDialogControls(target, disableIfNoHandler);
}

void SECToolCmdUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    auto* bar = static_cast<SECToolBar*>(m_pOther);
    UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex));
    style = on ? (style & ~TBBS_DISABLED) : ((style | TBBS_DISABLED) & ~TBBS_PRESSED);
    bar->SetButtonStyle(static_cast<int>(m_nIndex), style);
}

void SECToolCmdUI::SetCheck(int check) {
    auto* bar = static_cast<SECToolBar*>(m_pOther);
    UINT style = bar->GetButtonStyle(static_cast<int>(m_nIndex));
    style = (style | TBBS_CHECKBOX) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
    if (check == 1) style |= TBBS_CHECKED;
    else if (check == 2) style |= TBBS_INDETERMINATE;
    bar->SetButtonStyle(static_cast<int>(m_nIndex), style);
}
