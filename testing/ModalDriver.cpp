#include "ModalDriver.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace testing_harness {

namespace {

std::string WindowText(HWND wnd) {
    int length = GetWindowTextLengthA(wnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(wnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

std::string ClassName(HWND wnd) {
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof name);
    return name;
}

bool IsDialogClass(HWND wnd) { return ClassName(wnd) == "#32770"; }

BoxIcon IconOf(HICON icon) {
    struct Known {
        LPCSTR id;
        BoxIcon kind;
    };
    static const Known known[] = {{IDI_HAND, BoxIcon::Error},
                                  {IDI_EXCLAMATION, BoxIcon::Warning},
                                  {IDI_ASTERISK, BoxIcon::Information},
                                  {IDI_QUESTION, BoxIcon::Question}};
    if (!icon) return BoxIcon::None;
    for (const Known& k : known)
        if (LoadIconA(nullptr, k.id) == icon) return k.kind;
    return BoxIcon::Other;
}

// The control ids a message box gives its text.
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

bool BoxRecord::HasButton(int id) const {
    return std::any_of(buttons.begin(), buttons.end(),
                       [id](const BoxButton& b) { return b.id == id; });
}

ModalDriver& ModalDriver::Instance() {
    static ModalDriver driver;
    return driver;
}

void ModalDriver::Install() {
    if (!hook_)
        hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

void ModalDriver::Uninstall() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
}

void ModalDriver::Answer(const std::string& caption, int button) {
    Handle(caption, [button](HWND box) { PressButton(box, button); });
}

void ModalDriver::Handle(const std::string& caption, Action action) {
    scripts_.push_back({caption, std::move(action)});
}

void ModalDriver::Reset() {
    scripts_.clear();
    boxes_.clear();
    seen_.clear();
    pending_.clear();
}

void ModalDriver::AnswerFileDialog(const std::string& caption, const std::string& path) {
    Handle(caption, [path](HWND box) {
        SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
        PressButton(box, IDOK);
    });
}

void ModalDriver::PressButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

BoxRecord ModalDriver::Describe(HWND box) {
    BoxRecord record;
    record.caption = WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string cls = ClassName(child);
        LONG style = GetWindowLongA(child, GWL_STYLE);
        int id = GetDlgCtrlID(child);
        if (_stricmp(cls.c_str(), "Button") == 0) {
            LONG kind = style & BS_TYPEMASK;
            if ((kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) && (style & WS_VISIBLE))
                record.buttons.push_back({id, WindowText(child)});
        } else if (_stricmp(cls.c_str(), "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON)
                record.icon = IconOf(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
            else if (id == kMessageTextId)
                record.text = WindowText(child);
        }
    }
    return record;
}

LRESULT CALLBACK ModalDriver::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    ModalDriver& self = Instance();
    if (code == HCBT_ACTIVATE) {
        HWND wnd = reinterpret_cast<HWND>(wParam);
        // Wine may report the activation of another process's window here.
        if (GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId() && IsDialogClass(wnd) &&
            std::find(self.seen_.begin(), self.seen_.end(), wnd) == self.seen_.end())
            self.OnBoxActivated(wnd);
    } else if (code == HCBT_DESTROYWND) {
        HWND wnd = reinterpret_cast<HWND>(wParam);
        self.seen_.erase(std::remove(self.seen_.begin(), self.seen_.end(), wnd), self.seen_.end());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ModalDriver::OnBoxActivated(HWND box) {
    seen_.push_back(box);
    BoxRecord record = Describe(box);
    auto script = std::find_if(scripts_.begin(), scripts_.end(), [&](const Script& s) {
        return s.caption.empty() || record.caption.find(s.caption) != std::string::npos;
    });
    Action action;
    if (script != scripts_.end()) {
        record.scripted = true;
        action = script->action;
        scripts_.erase(script);
    } else {
        ADD_FAILURE() << "Unexpected box \"" << record.caption << "\": " << record.text;
        int button = record.HasButton(IDCANCEL) ? IDCANCEL
                     : record.buttons.empty()   ? IDCANCEL
                                                : record.buttons.front().id;
        if (record.HasButton(IDNO) && !record.HasButton(IDCANCEL)) button = IDNO;
        action = [button](HWND wnd) { PressButton(wnd, button); };
    }
    boxes_.push_back(record);
    // The box is not ready for input until its modal loop runs: act from there.
    pending_.emplace_back(box, std::move(action));
    SetTimer(nullptr, 0, 0, OnTimer);
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    Instance().RunPending();
}

void ModalDriver::RunPending() {
    auto pending = std::move(pending_);
    pending_.clear();
    for (auto& [box, action] : pending)
        if (IsWindow(box)) action(box);
}

}  // namespace testing_harness
