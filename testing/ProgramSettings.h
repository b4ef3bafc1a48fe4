// A program's settings in the registry under HKCU\Software\Halvern\<program>:
// forgotten for a first start, and its display preferences read and stored.
#pragma once

#include <windows.h>

#include <string>

namespace testing_harness {

// The three display preferences; a missing value reads as -2.
struct StoredPreferences {
    DWORD suppress = static_cast<DWORD>(-2);
    DWORD highColor = static_cast<DWORD>(-2);
    DWORD scheme = static_cast<DWORD>(-2);
};

class ProgramSettings {
public:
    explicit ProgramSettings(const std::string& program);
    // Removes the program's key with everything below it.
    void Forget() const;
    StoredPreferences ReadPreferences() const;
    void StorePreference(const char* name, DWORD value) const;

private:
    std::string key_;
};

}  // namespace testing_harness
