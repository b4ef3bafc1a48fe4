#include "AppTestSupport.h"

#include "ProgramSettings.h"

namespace torvane {

namespace {

const testing_harness::ProgramSettings& Settings() {
    static const testing_harness::ProgramSettings settings("Torvane");
    return settings;
}

}  // namespace

void ForgetProgramSettings() { Settings().Forget(); }

StoredPreferences ReadStoredPreferences() { return Settings().ReadPreferences(); }

void StorePreference(const char* name, DWORD value) { Settings().StorePreference(name, value); }

void StoreColorScheme(DWORD scheme) { StorePreference("ColorSchemeNumLastUsed", scheme); }

}  // namespace torvane
