#include "ProgramSettings.h"

namespace testing_harness {

namespace {

// Deletes a key with everything below it.
void DeleteKeyTree(HKEY parent, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD length = sizeof child;
    while (::RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteKeyTree(key, child);
        length = sizeof child;
    }
    ::RegCloseKey(key);
    ::RegDeleteKeyA(parent, name);
}

}  // namespace

ProgramSettings::ProgramSettings(const std::string& program) : key_("Software\\Halvern\\" + program) {}

void ProgramSettings::Forget() const { DeleteKeyTree(HKEY_CURRENT_USER, key_.c_str()); }

StoredPreferences ProgramSettings::ReadPreferences() const {
    StoredPreferences stored;
    HKEY key = nullptr;
    const std::string preferences = key_ + "\\Preferences";
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, preferences.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
    auto read = [key](const char* name, DWORD& out) {
        DWORD size = sizeof out;
        DWORD type = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&out), &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            out = static_cast<DWORD>(-2);
    };
    read("SuppressLowClrInfoMsg", stored.suppress);
    read("HighColorModeLastUsed", stored.highColor);
    read("ColorSchemeNumLastUsed", stored.scheme);
    ::RegCloseKey(key);
    return stored;
}

void ProgramSettings::StorePreference(const char* name, DWORD value) const {
    HKEY key = nullptr;
    const std::string preferences = key_ + "\\Preferences";
    ::RegCreateKeyExA(HKEY_CURRENT_USER, preferences.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

}  // namespace testing_harness
