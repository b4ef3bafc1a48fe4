// A private folder under the temporary folder for one test, removed with
// the files in it when the test ends.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "FileFind.h"
#include "TextString.h"

class TempFolder {
public:
    explicit TempFolder(LPCSTR name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_.Format("%s%s_%lu", temp, name, GetCurrentProcessId());
        CreateDirectoryA(path_, nullptr);
    }
    ~TempFolder() {
        CFileFind finder;
        BOOL more = finder.FindFile(path_ + "\\*.*");
        while (more) {
            more = finder.FindNextFile();
            if (!finder.IsDots()) DeleteFileA(finder.GetFilePath());
        }
        finder.Close();
        RemoveDirectoryA(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return path_; }
    CString PathOf(LPCSTR name) const { return path_ + "\\" + name; }

    // The whole content of a file, empty when it cannot be read.
    static std::string FileText(LPCSTR path) {
        std::string text;
        if (FILE* file = fopen(path, "rb")) {
            for (int ch; (ch = fgetc(file)) != EOF;) text += static_cast<char>(ch);
            fclose(file);
        }
        return text;
    }

private:
    CString path_;
};
