#include "MenuBarFeature.h"

#include <algorithm>

#include "FrameWnd.h"
#include "MenuBar.h"
#include "MenuBarLink.h"

IMPLEMENT_DYNAMIC(SECMenuBarFeature, SECBmpMenuPlugIn)

const UINT WM_SEC_MENUPROD = ::RegisterWindowMessageA("WM_SEC_MENUPROD");

BEGIN_MESSAGE_MAP(SECMenuBarFeature, SECBmpMenuPlugIn)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopupByKeyboard)
    ON_REGISTERED_MESSAGE(WM_SEC_MENUPROD, OnMenuProd)
    ON_MESSAGE(WM_SYSCOMMAND, OnSysCommandMsg)
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelectMsg)
END_MESSAGE_MAP()

namespace {

// The one menu loop of the process: its feature and the thread hooks.
SECMenuBarFeature* s_pLoopOwner = nullptr;
HHOOK s_hKeyboardHook = nullptr;
HHOOK s_hMouseHook = nullptr;
HHOOK s_hFilterHook = nullptr;

// The mouse menu of the system-menu area.
constexpr WPARAM kSysCommandMouseMenu = 0xF093;

char LetterOfKey(WPARAM key) {
    char letter[2] = {static_cast<char>(::MapVirtualKeyA(static_cast<UINT>(key), 2 /* MAPVK_VK_TO_CHAR */)), '\0'};
    ::CharLowerBuffA(letter, 1);
    return letter[0];
}

}  // namespace

SECMenuBarFeature::SECMenuBarFeature(SECMenuBar* bar) : m_pBar(bar) {
    if (m_pBar != nullptr) {
        m_pBar->SetFeature(this);
        SetBmpMgr(m_pBar->GetBmpMgr());  // the pop-ups show the bar's images
    }
}

SECMenuBarFeature::~SECMenuBarFeature() {
    CancelMenu();
    SetFilterHook(FALSE);
    if (m_pBar != nullptr) m_pBar->SetFeature(nullptr);
}

void SECMenuBarFeature::UnPlug() {
    CancelMenu();
    SECBmpMenuPlugIn::UnPlug();
}

HWND SECMenuBarFeature::FrameWindow() const { return m_hWnd; }

// --- hooks ------------------------------------------------------------------

void SECMenuBarFeature::SetKeyboardHooks(BOOL on) {
    if (on) {
        s_pLoopOwner = this;
        if (s_hKeyboardHook == nullptr)
            s_hKeyboardHook = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, ::GetCurrentThreadId());
        if (s_hMouseHook == nullptr)
            s_hMouseHook = ::SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, ::GetCurrentThreadId());
    } else {
        if (s_hKeyboardHook != nullptr) ::UnhookWindowsHookEx(s_hKeyboardHook);
        if (s_hMouseHook != nullptr) ::UnhookWindowsHookEx(s_hMouseHook);
        s_hKeyboardHook = s_hMouseHook = nullptr;
    }
}

void SECMenuBarFeature::SetFilterHook(BOOL on) {
    if (on) {
        s_pLoopOwner = this;
        if (s_hFilterHook == nullptr)
            s_hFilterHook = ::SetWindowsHookExA(WH_MSGFILTER, FilterHook, nullptr, ::GetCurrentThreadId());
    } else if (s_hFilterHook != nullptr) {
        ::UnhookWindowsHookEx(s_hFilterHook);
        s_hFilterHook = nullptr;
    }
}

LRESULT CALLBACK SECMenuBarFeature::KeyboardHook(int code, WPARAM key, LPARAM flags) {
    SECMenuBarFeature* self = s_pLoopOwner;
    if (code != HC_ACTION || self == nullptr || self->m_pBar == nullptr || !self->m_pBar->IsMenuMode())
        return ::CallNextHookEx(s_hKeyboardHook, code, key, flags);
    const BOOL up = (flags & 0x80000000) != 0;
    if (key == VK_MENU) return ::CallNextHookEx(s_hKeyboardHook, code, key, flags);  // Alt goes on
    if (up) return 1;
    SECMenuBar* bar = self->m_pBar;
    const int hot = bar->GetHotButton();
    switch (key) {
    case VK_ESCAPE:
        self->CancelMenu();
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        int next = bar->NextMenuButton(hot, key == VK_LEFT ? -1 : 1);
        if (next < 0) next = key == VK_LEFT ? bar->NextMenuButton(bar->GetButtonCount(), -1) : bar->FirstMenuButton();
        if (next >= 0) bar->EnterMenuModeAt(next);
        break;
    }
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
        if (hot >= 0) ::PostMessageA(self->FrameWindow(), WM_SEC_MENUPROD, static_cast<WPARAM>(hot), 1);
        break;
    default: {
        const int index = bar->FindMnemonic(LetterOfKey(key));
        if (index >= 0) ::PostMessageA(self->FrameWindow(), WM_SEC_MENUPROD, static_cast<WPARAM>(index), 1);
        break;
    }
    }
    return 1;
}

LRESULT CALLBACK SECMenuBarFeature::MouseHook(int code, WPARAM message, LPARAM info) {
    SECMenuBarFeature* self = s_pLoopOwner;
    if (code == HC_ACTION && self != nullptr && self->m_pBar != nullptr && self->m_pBar->IsMenuMode()) {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
            message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN)
            self->CancelMenu();
    }
    return ::CallNextHookEx(s_hMouseHook, code, message, info);
}

LRESULT CALLBACK SECMenuBarFeature::FilterHook(int code, WPARAM wParam, LPARAM lParam) {
    SECMenuBarFeature* self = s_pLoopOwner;
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code != MSGF_MENU || self == nullptr || msg == nullptr || self->m_pBar == nullptr)
        return ::CallNextHookEx(s_hFilterHook, code, wParam, lParam);
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) {
            // Right on an item with a sub-menu opens it, and Left in a
            // sub-menu closes it (the selection goes back to the item that
            // opened it): the menu's own handling.
            if (msg->wParam == VK_RIGHT && self->m_bSelectionOpensPopup) break;
            if (msg->wParam == VK_LEFT && self->m_menuPath.size() > 1) {
                self->m_menuPath.pop_back();
                self->m_bSelectionOpensPopup = TRUE;
                break;
            }
            // Move to the neighbouring menu once this pop-up has closed.
            self->m_nMoveDirection = msg->wParam == VK_LEFT ? -1 : 1;
            ::EndMenu();
            return 1;
        }
        break;
    case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) self->m_bAltConsumed = TRUE;
        break;
    case WM_MOUSEMOVE: {
        if (msg->pt.x == self->m_lastMouse.x && msg->pt.y == self->m_lastMouse.y) break;
        self->m_lastMouse = msg->pt;
        POINT client = msg->pt;
        ::ScreenToClient(self->m_pBar->m_hWnd, &client);
        const int index = self->m_pBar->HitTest(CPoint(client));
        if (index >= 0 && index != self->m_pBar->GetMenuButton() &&
            self->m_pBar->NextMenuButton(index - 1, 1) == index) {
            self->m_nMoveTo = index;
            ::EndMenu();
            return 1;
        }
        break;
    }
    default:
        break;
    }
    return ::CallNextHookEx(s_hFilterHook, code, wParam, lParam);
}

// --- menu mode and pop-ups --------------------------------------------------

void SECMenuBarFeature::EnterMenuMode(int index) {
    if (m_pBar == nullptr || index < 0) return;
    m_pBar->EnterMenuModeAt(index);
    SetKeyboardHooks(TRUE);
}

void SECMenuBarFeature::CancelMenu() {
    if (m_pBar != nullptr && m_pBar->m_hWnd != nullptr && m_pBar->IsMenuMode()) m_pBar->ExitMenuMode();
    SetKeyboardHooks(FALSE);
    if (s_pLoopOwner == this && !m_bTracking) s_pLoopOwner = nullptr;
}

BOOL SECMenuBarFeature::OpenByMnemonic(char letter) {
    const int index = m_pBar != nullptr ? m_pBar->FindMnemonic(letter) : -1;
    if (index < 0) return FALSE;
    ::PostMessageA(FrameWindow(), WM_SEC_MENUPROD, static_cast<WPARAM>(index), 1);
    return TRUE;
}

void SECMenuBarFeature::TrackButtonPopup(int index, BOOL byKeyboard) {
    if (m_pBar == nullptr || m_bTracking) return;
    CancelMenu();
    m_bTracking = TRUE;
    while (index >= 0 && index < m_pBar->GetButtonCount()) {
        SECStdBtn* button = m_pBar->GetButton(index);
        HMENU popup = nullptr;
        if (button->m_nType == SEC_BTN_MENU) {
            const auto* menuButton = static_cast<SECTBMenuBtn*>(button);
            popup = reinterpret_cast<HMENU>(::SendMessageA(FrameWindow(), WM_SECGETMENU,
                                                           reinterpret_cast<WPARAM>(menuButton->m_hMenu),
                                                           menuButton->m_nSubMenu));
        }
        if (popup == nullptr) break;
        m_pBar->SetMenuButton(index);
        button->InformBtn(1, SEC_TBBS_PRESSED, SEC_TBBS_HOT);
        m_pBar->UpdateWindow();
        RECT rect = button->GetRect();
        POINT corner{rect.left, rect.bottom};
        ::ClientToScreen(m_pBar->m_hWnd, &corner);

        m_bOpenedByKeyboard = byKeyboard;
        m_menuPath.assign(1, popup);
        m_bSelectionOpensPopup = FALSE;
        m_nMoveDirection = 0;
        m_nMoveTo = -1;
        ::GetCursorPos(&m_lastMouse);
        SetFilterHook(TRUE);
        ::TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, corner.x, corner.y, FrameWindow(),
                           nullptr);
        SetFilterHook(FALSE);
        m_bOpenedByKeyboard = FALSE;
        button->InformBtn(1, 0, SEC_TBBS_PRESSED);
        m_pBar->SetMenuButton(-1);

        if (m_nMoveTo >= 0) {
            index = m_nMoveTo;
            byKeyboard = FALSE;
        } else if (m_nMoveDirection != 0) {
            index = m_pBar->NextMenuButton(index, m_nMoveDirection);
            byKeyboard = TRUE;
            if (index < 0) {
                m_bTracking = FALSE;
                TrackSystemMenu();
                return;
            }
        } else {
            break;
        }
    }
    m_bTracking = FALSE;
    if (s_pLoopOwner == this) s_pLoopOwner = nullptr;
}

void SECMenuBarFeature::TrackSystemMenu() {
    HWND frame = FrameWindow();
    HMENU system = ::GetSystemMenu(frame, FALSE);
    if (system == nullptr) return;
    CancelMenu();
    if (::GetMenuDefaultItem(system, FALSE, 0) == static_cast<UINT>(-1)) ::SetMenuDefaultItem(system, SC_CLOSE, FALSE);
    RECT window;
    ::GetWindowRect(frame, &window);
    const int x = window.left + ::GetSystemMetrics(SM_CXFRAME);
    const int y = window.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
    m_bTracking = TRUE;
    const UINT command = static_cast<UINT>(
        ::TrackPopupMenuEx(system, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON, x, y, frame, nullptr));
    m_bTracking = FALSE;
    if (command != 0) ::PostMessageA(frame, WM_SYSCOMMAND, command, 0);
}

// --- frame messages ---------------------------------------------------------

BOOL SECMenuBarFeature::PreTranslateMessage(MSG* msg) {
    if (!m_bAttached || m_pBar == nullptr || m_pBar->m_hWnd == nullptr || !m_pBar->IsWindowVisible()) return FALSE;
    switch (msg->message) {
    case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) {
            if (!(msg->lParam & 0x40000000)) {  // not a repeat
                m_bAltDown = TRUE;
                m_bAltConsumed = FALSE;
            }
            return TRUE;
        }
        m_bAltConsumed = TRUE;
        if (msg->wParam == VK_SPACE) {
            TrackSystemMenu();
            return TRUE;
        }
        return OpenByMnemonic(LetterOfKey(msg->wParam));
    case WM_SYSKEYUP:
        if (msg->wParam != VK_MENU) return FALSE;
        m_bAltDown = FALSE;
        if (!m_bAltConsumed) {
            if (m_pBar->IsMenuMode()) CancelMenu();
            else EnterMenuMode(m_pBar->FirstMenuButton());
        }
        m_bAltConsumed = FALSE;
        return TRUE;
    case WM_SYSCHAR: {
        // The letter of an Alt combination that opened a menu.
        char letter[2] = {static_cast<char>(msg->wParam), '\0'};
        ::CharLowerBuffA(letter, 1);
        return m_bAltConsumed && m_pBar->FindMnemonic(letter[0]) >= 0;
    }
    default:
        return FALSE;
    }
}

LRESULT SECMenuBarFeature::OnInitMenuPopupByKeyboard(WPARAM wParam, LPARAM lParam) {
    OnInitMenuPopup(wParam, lParam);
    // A pop-up opened from the keyboard starts with its first item selected.
    if (m_bOpenedByKeyboard && HIWORD(lParam) == 0) {
        m_bOpenedByKeyboard = FALSE;
        ::PostMessageA(FrameWindow(), WM_KEYDOWN, VK_DOWN, 0);
    }
    return 0;
}

LRESULT SECMenuBarFeature::OnMenuProd(WPARAM index, LPARAM byKeyboard) {
    m_bHandled = TRUE;
    TrackButtonPopup(static_cast<int>(index), byKeyboard != 0);
    return 0;
}

LRESULT SECMenuBarFeature::OnSysCommandMsg(WPARAM command, LPARAM lParam) {
    if ((command & 0xFFF0) == SC_KEYMENU) {
        const char letter = static_cast<char>(lParam);
        if (letter != ' ' && letter != '-' && letter != 0) {
            char lower[2] = {letter, '\0'};
            ::CharLowerBuffA(lower, 1);
            if (OpenByMnemonic(lower[0])) {
                m_bHandled = TRUE;
                return 0;
            }
        }
        if (letter == ' ' || letter == '-') {
            m_bHandled = TRUE;
            TrackSystemMenu();
        }
        return 0;
    }
    if (command == kSysCommandMouseMenu) {
        m_bHandled = TRUE;
        TrackSystemMenu();
    }
    return 0;
}

LRESULT SECMenuBarFeature::OnMenuSelectMsg(WPARAM wParam, LPARAM lParam) {
    // The item the arrows act on: which menu holds it, and whether it opens
    // a sub-menu. The frame goes on to handle the message as well.
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && menu == nullptr) {
        m_menuPath.clear();
        m_bSelectionOpensPopup = FALSE;
        return 0;
    }
    // The chain of open menus, from the menu button's pop-up to the one
    // holding the selection.
    const auto open = std::find(m_menuPath.begin(), m_menuPath.end(), menu);
    if (open != m_menuPath.end()) m_menuPath.erase(open + 1, m_menuPath.end());
    else m_menuPath.push_back(menu);
    m_bSelectionOpensPopup = (flags & MF_POPUP) != 0;
    return 0;
}

LRESULT SECMenuBarFeature::OnNcActivateMsg(WPARAM active, LPARAM) {
    if (!active) CancelMenu();
    return 0;
}
