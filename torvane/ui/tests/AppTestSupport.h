// The engine program started in the test process, and its preferences in
// the registry.
#pragma once

#include <windows.h>

#include "ProgramSettings.h"
#include "RunningProgram.h"
#include "torvane/ui/MainFrame.h"
#include "torvane/ui/TorvaneApp.h"

namespace torvane {

using testing_harness::StoredPreferences;

// Removes the program's registry key (a first start).
void ForgetProgramSettings();
StoredPreferences ReadStoredPreferences();
void StoreColorScheme(DWORD scheme);
void StorePreference(const char* name, DWORD value);

using RunningApp = testing_harness::RunningProgram<CTorvaneApp, CMainFrame>;

}  // namespace torvane
