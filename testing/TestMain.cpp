// Entry point of every test program: common controls, the modal driver, and
// a listener that gives each test a fresh driver and fails a test that left
// a scripted answer unused.
#include <windows.h>
#include <cstdio>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ModalDriver.h"

namespace {

class ModalDriverListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        testing_harness::ModalDriver::Instance().Reset();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        testing_harness::ModalDriver& driver = testing_harness::ModalDriver::Instance();
        size_t unused = driver.PendingScripts();
        driver.Reset();
        // Reported here, after the test's own result, so it shows in the log.
        if (unused) fprintf(stderr, "warning: %u scripted answer(s) were not used\n", unsigned(unused));
    }
};

}  // namespace

int main(int argc, char** argv) {
    // A crash must end the process, not wait at an error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    testing_harness::ModalDriver::Instance().Install();
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModalDriverListener);
    const int result = RUN_ALL_TESTS();
    // Leave at once with the result: a Wine process can hang in its exit-time
    // clean-up after every test has passed and been reported.
    fflush(stdout);
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
