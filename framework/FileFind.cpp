#include "FileFind.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close() {
    if (search_ != INVALID_HANDLE_VALUE) FindClose(search_);
    search_ = INVALID_HANDLE_VALUE;
    hasNext_ = false;
    current_ = WIN32_FIND_DATAA{};
}

BOOL CFileFind::FindFile(LPCSTR pattern, DWORD) {
    Close();
    if (pattern == nullptr) pattern = "*.*";
    search_ = FindFirstFileA(pattern, &next_);
    if (search_ == INVALID_HANDLE_VALUE) return FALSE;
    hasNext_ = true;

    char full[MAX_PATH];
    LPSTR namePart = nullptr;
    DWORD length = GetFullPathNameA(pattern, MAX_PATH, full, &namePart);
    if (length == 0 || length >= MAX_PATH) {
        root_.Empty();
    } else {
        if (namePart != nullptr) *namePart = '\0';
        root_ = full;
        // Keep "C:\" whole; drop the separator after any other folder.
        if (root_.GetLength() > 3 && (root_.Right(1) == "\\" || root_.Right(1) == "/"))
            root_ = root_.Left(root_.GetLength() - 1);
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    if (!hasNext_) return FALSE;
    current_ = next_;
    hasNext_ = ::FindNextFileA(search_, &next_) != FALSE;
    return hasNext_;
}

CString CFileFind::GetFilePath() const {
    CString path = root_;
    if (!path.IsEmpty() && path.Right(1) != "\\" && path.Right(1) != "/") path += '\\';
    return path + current_.cFileName;
}

CString CFileFind::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

ULONGLONG CFileFind::GetLength() const {
    return (static_cast<ULONGLONG>(current_.nFileSizeHigh) << 32) | current_.nFileSizeLow;
}

BOOL CFileFind::IsDots() const {
    const char* name = current_.cFileName;
    return IsDirectory() && name[0] == '.' &&
           (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}
