#include "common/Assertion.h"

#include <windows.h>

#include <cstdio>

#include "common/ProgramProfile.h"

void AssertionFailure(const char* module, int line) {
    // The profile may be missing when the failure is that no profile was installed.
    const char* program = HasProgramProfile() ? CurrentProgramProfile().name : "program";
    char terminateLine[96];
    snprintf(terminateLine, sizeof terminateLine, "Press OK to terminate the %s.", program);
    char text[512];
    snprintf(text, sizeof text, "File: %s \nLine#: %d \n\n%s\n%s\n%s\n%s", module ? module : "",
             line, "Write down all of this error information and a short",
             "description of the events that lead up to this error and",
             "send it to Halvern. Sorry for the inconvenience.", terminateLine);
    MessageBoxA(nullptr, text, "ASSERTION FAILURE", MB_OK | MB_ICONERROR);
    // No normal shutdown: nothing may run on state that just proved broken.
    ExitProcess(kAssertionExitCode);
}
