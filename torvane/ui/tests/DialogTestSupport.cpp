#include "torvane/ui/tests/DialogTestSupport.h"

#include <gtest/gtest.h>

#include "WindowHelpers.h"
#include "common/SimSpec.h"

namespace torvane {

void TypeInto(HWND dialog, int id, const std::string& text) {
    HWND edit = testing_harness::FindControl(dialog, id);
    ::SetFocus(edit);
    testing_harness::PumpPending();
    testing_harness::TypeText(edit, text);
}

void FocusOn(HWND dialog, int id) {
    ::SetFocus(testing_harness::FindControl(dialog, id));
    testing_harness::PumpPending();
}

std::string TextOf(HWND dialog, int id) {
    return testing_harness::ControlText(testing_harness::FindControl(dialog, id));
}

void ClickRadio(HWND dialog, int id) {
    HWND button = testing_harness::FindControl(dialog, id);
    ::SetFocus(button);
    testing_harness::PumpPending();
    ::SendMessage(button, BM_SETCHECK, BST_CHECKED, 0);
    // The other buttons of its group go off, as an automatic radio button does.
    for (HWND other = ::GetNextDlgGroupItem(dialog, button, FALSE); other != nullptr && other != button;
         other = ::GetNextDlgGroupItem(dialog, other, FALSE))
        ::SendMessage(other, BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    testing_harness::PumpPending();
}

void SaveScreenshot(HWND window, const std::string& fileName) {
    // The harness drives a modal dialog before its loop has shown it.
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    testing_harness::PumpPending();
    ::CreateDirectoryA(TEST_ARTIFACT_DIR, nullptr);
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(window).SavePng(std::string(TEST_ARTIFACT_DIR) + "\\" +
                                                                   fileName));
}

std::string FormattedWithUnits(const CSimSpec& field) {
    CString text;
    field.FormatWithUnits(text);
    return std::string(text.GetString());
}

}  // namespace torvane
