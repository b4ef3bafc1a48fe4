// Answers the message boxes and dialogs that code under test opens.
//
// A WH_CBT hook on the test thread sees every dialog-class window as it is
// activated, records its caption, text, icon and buttons, and then runs what
// the test scripted for it from a zero-delay thread timer, i.e. from inside
// the box's own modal loop. A box nobody scripted is recorded, answered with
// its cancel (or only) button and fails the running test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_harness {

enum class BoxIcon { None, Error, Warning, Information, Question, Other };

struct BoxButton {
    int id;
    std::string text;
};

struct BoxRecord {
    std::string caption;
    std::string text;  // the message text of a message box, empty for dialogs
    BoxIcon icon = BoxIcon::None;
    std::vector<BoxButton> buttons;
    bool scripted = false;

    bool HasButton(int id) const;
};

class ModalDriver {
public:
    using Action = std::function<void(HWND box)>;

    static ModalDriver& Instance();

    // Hooks the calling thread; the test main calls it once.
    void Install();
    void Uninstall();

    // The next box whose caption contains `caption` (every box when empty)
    // gets `button` pressed. Scripts are used in the order they were given.
    void Answer(const std::string& caption, int button);
    // The next matching box is handed to `action`, which must close it.
    void Handle(const std::string& caption, Action action);
    // The next matching box, a common file dialog, gets `path` as its file
    // name and OK.
    void AnswerFileDialog(const std::string& caption, const std::string& path);

    // Boxes seen since the last Reset().
    const std::vector<BoxRecord>& Boxes() const { return boxes_; }
    // Scripts that no box has used yet.
    size_t PendingScripts() const { return scripts_.size(); }
    // Forgets records and scripts; the test listener calls it between tests.
    void Reset();

    // Presses a button of a dialog as a user would (BN_CLICKED to its owner).
    static void PressButton(HWND box, int id);
    static BoxRecord Describe(HWND box);

private:
    struct Script {
        std::string caption;
        Action action;
    };

    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void OnBoxActivated(HWND box);
    void RunPending();

    HHOOK hook_ = nullptr;
    std::vector<Script> scripts_;
    std::vector<BoxRecord> boxes_;
    std::vector<HWND> seen_;     // boxes already handled, so re-activation is ignored
    std::vector<std::pair<HWND, Action>> pending_;
};

}  // namespace testing_harness
