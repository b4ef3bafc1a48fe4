// Files for the tests: a private temporary folder and whole-file reads and
// writes.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace zel3d_test {

// A fresh folder under the system's temporary folder, removed with its
// files when the object goes.
class TempFolder {
public:
    // A folder in `parent`, by default the system's temporary folder.
    explicit TempFolder(const std::string& parent = "") {
        char base[MAX_PATH] = "";
        if (parent.empty()) GetTempPathA(MAX_PATH, base);
        else snprintf(base, sizeof base, "%s", parent.c_str());
        char name[MAX_PATH];
        GetTempFileNameA(base, "z3t", 0, name);
        DeleteFileA(name);
        CreateDirectoryA(name, nullptr);
        path_ = name;
    }
    ~TempFolder() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name != "." && name != "..") DeleteFileA((path_ + "\\" + name).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

// Text written in text mode: every "\n" becomes "\r\n" on Windows.
inline std::string TextModeBytes(const std::string& text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// The folder the test program started in, taken before any test runs.
inline const std::string kStartFolder = [] {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder);
}();

// A file of the tests' data folder.
inline std::string DataPath(const std::string& name) { return kStartFolder + "\\data\\" + name; }

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace zel3d_test
