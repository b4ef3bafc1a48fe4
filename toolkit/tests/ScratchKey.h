// A scratch registry key below HKEY_CURRENT_USER, unique to the test
// process, deleted with everything below it when the test ends.
#pragma once

#include <windows.h>

#include <string>

class ScratchKey {
public:
    explicit ScratchKey(const char* name) {
        path_ = "Software\\ToolkitTests\\" + std::string(name) + "-" + std::to_string(::GetCurrentProcessId());
        DeleteTree(HKEY_CURRENT_USER, path_);  // a crashed earlier run's
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr) == ERROR_SUCCESS)
            ::RegCloseKey(key);
    }
    ~ScratchKey() {
        DeleteTree(HKEY_CURRENT_USER, path_);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ToolkitTests");  // only when empty
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& Path() const { return path_; }
    std::string Sub(const std::string& name) const { return path_ + "\\" + name; }
    bool Exists(const std::string& path) const {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        ::RegCloseKey(key);
        return true;
    }

    // Deletes a key and its subkeys with the plain platform calls.
    static bool DeleteTree(HKEY parent, const std::string& path) {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
        char name[256];
        for (;;) {
            DWORD size = sizeof name;
            if (::RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            if (!DeleteTree(key, name)) break;
        }
        ::RegCloseKey(key);
        return ::RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
    }

private:
    std::string path_;
};
