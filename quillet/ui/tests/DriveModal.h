// Runs a dialog modally while the harness drives it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "ModalDriver.h"

namespace quillet {

// DoModal on `dialog`, whose window (captioned `caption`) is handed to
// `drive` once open; `drive` must end it. Returns DoModal's result.
template <class Dialog>
int DriveModal(Dialog& dialog, const char* caption, const std::function<void(HWND, Dialog&)>& drive) {
    bool driven = false;
    testing_harness::ModalDriver::Instance().Handle(caption, [&](HWND box) {
        driven = true;
        drive(box, dialog);
    });
    const int result = static_cast<int>(dialog.DoModal());
    EXPECT_TRUE(driven) << caption;
    return result;
}

}  // namespace quillet
