// The field labels of a specification form driven as a user drives them:
// the editor opened as Enter opens it (the posted request), typed into and
// confirmed, or a choice picked from its menu; each waits until the editor
// has closed and the form has taken the result.
#pragma once

#include <windows.h>

#include <functional>

namespace testing_harness {

// Opens the editor of `field` and hands it to `action`, which must close
// it; false when no editor came or it did not close.
bool EditField(HWND field, const std::function<void(HWND editor)>& action);
// Types `text` into the editor's edit `editId` and presses its OK `okId`.
bool TypeIntoField(HWND field, const char* text, int editId, int okId);
// Picks the choice-menu command `command` in the field's editor.
bool ChooseForField(HWND field, UINT command);
// Opens the editor of `field` for boxes already scripted with the modal
// driver; true when every script was used and the editor closed.
bool OpenFieldEditorScripted(HWND field, DWORD timeoutMs = 5000);

}  // namespace testing_harness
