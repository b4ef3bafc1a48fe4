#include "data/ReplacingFile.h"

#include <windows.h>

ReplacingFile::ReplacingFile(const std::string& target) : target_(target) {
    // A read-only file is kept, as a direct write could not change it either.
    DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return;
    size_t slash = target.find_last_of("\\/");
    std::string folder =
        slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    char temporary[MAX_PATH];
    // The same folder keeps the final move on one volume.
    if (!target.empty() && folder.size() < MAX_PATH - 14 &&
        GetTempFileNameA(folder.c_str(), "z3d", 0, temporary))
        temporary_ = temporary;
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

FILE* ReplacingFile::Open(const char* mode) {
    if (temporary_.empty() || file_) return nullptr;
    file_ = fopen(temporary_.c_str(), mode);
    return file_;
}

bool ReplacingFile::Commit() {
    if (temporary_.empty()) return false;
    if (file_) {
        bool written = fflush(file_) == 0 && !ferror(file_);
        bool closed = fclose(file_) == 0;
        file_ = nullptr;
        if (!written || !closed) {
            Discard();
            return false;
        }
    }
    if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacingFile::Discard() {
    if (file_) {
        fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        DeleteFileA(temporary_.c_str());
        temporary_.clear();
    }
}

bool zel3d_write_all(FILE* file, const void* data, size_t size) {
    return size == 0 || fwrite(data, 1, size, file) == size;
}
