// CFileFind: walks the files that match a path pattern.
//
//   CFileFind finder;
//   BOOL more = finder.FindFile("C:\\Cams\\*.*");
//   while (more) {
//       more = finder.FindNextFile();   // FALSE on the last file, which is still current
//       if (!finder.IsDots()) Use(finder.GetFilePath());
//   }
#pragma once

#include <windows.h>

#include "ObjectModel.h"
#include "TextString.h"

class CFileFind : public CObject {
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind() = default;
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search ("*.*" when null); FALSE when nothing matches. No file
    // is current until FindNextFile.
    BOOL FindFile(LPCSTR pattern = nullptr, DWORD unused = 0);
    // Makes the next match current; FALSE when it is the last one.
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const { return current_.cFileName; }
    CString GetFilePath() const;
    CString GetFileTitle() const;
    // The folder searched, without a trailing separator (except for a drive root).
    CString GetRoot() const { return root_; }
    ULONGLONG GetLength() const;

    BOOL MatchesMask(DWORD mask) const { return (current_.dwFileAttributes & mask) != 0; }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    // The "." and ".." entries of a folder.
    BOOL IsDots() const;

private:
    HANDLE search_ = INVALID_HANDLE_VALUE;
    bool hasNext_ = false;
    WIN32_FIND_DATAA current_ = {};
    WIN32_FIND_DATAA next_ = {};
    CString root_;
};
