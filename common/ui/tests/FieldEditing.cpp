#include "common/ui/tests/FieldEditing.h"

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ui/SimSpecEditCtrl.h"
#include "common/ui/SimSpecEditDlg.h"

namespace testing_harness {

namespace {

void PostOpenRequest(HWND field) {
    ::SetFocus(field);
    ::PostMessageA(field, kMsgOpenFieldEditor, reinterpret_cast<WPARAM>(field), 0);
}

}  // namespace

bool EditField(HWND field, const std::function<void(HWND editor)>& action) {
    bool handled = false;
    ModalDriver::Instance().Handle("", [&](HWND editor) {
        handled = true;
        action(editor);
    });
    PostOpenRequest(field);
    const bool closed = PumpUntil([&] { return handled && !CSimSpecEditDlg::IsEditorOpen(); }, 5000);
    PumpPending();
    return handled && closed;
}

bool TypeIntoField(HWND field, const char* text, int editId, int okId) {
    return EditField(field, [text, editId, okId](HWND editor) {
        ::SetDlgItemTextA(editor, editId, text);
        ModalDriver::PressButton(editor, okId);
    });
}

bool ChooseForField(HWND field, UINT command) {
    return EditField(field, [command](HWND editor) { ::SendMessageA(editor, WM_COMMAND, command, 0); });
}

bool OpenFieldEditorScripted(HWND field, DWORD timeoutMs) {
    PostOpenRequest(field);
    const bool done = PumpUntil(
        [] { return ModalDriver::Instance().PendingScripts() == 0 && !CSimSpecEditDlg::IsEditorOpen(); }, timeoutMs);
    PumpPending();
    return done;
}

}  // namespace testing_harness
