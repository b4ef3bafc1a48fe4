// What a program's start-up shows a user, checked once it has started: the
// splash window seen, held at least two seconds and gone; the frame
// maximised; one document window, maximised and titled `childTitle`.
#pragma once

#include <windows.h>

#include <string>

#include "SplashWatch.h"

namespace testing_harness {

// Checks with GoogleTest assertions; `mdiClient` is the frame's MDI client.
void ExpectStartedAsAUserMeetsIt(const SplashWatch& splash, HWND frame, HWND mdiClient,
                                 const std::string& childTitle);

}  // namespace testing_harness
