#include "common/SafeFileSave.h"

#include <windows.h>

CSafeFileSave::~CSafeFileSave() {
    Abandon();
}

FILE* CSafeFileSave::Open(const char* target, const char* mode) {
    Abandon();
    target_ = target;
    // A file made read-only is kept as it is, as Windows keeps it from a
    // direct write; the rename below would replace it all the same.
    const DWORD attributes = GetFileAttributesA(target);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return nullptr;
    }
    // A unique name in the target's folder, so that the final rename stays
    // on one volume.
    const size_t slash = target_.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
    char temporary[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "sav", 0, temporary) == 0) return nullptr;
    temporary_ = temporary;
    file_ = fopen(temporary, mode);
    if (file_ == nullptr) {
        DeleteFileA(temporary);
        temporary_.clear();
    }
    return file_;
}

bool CSafeFileSave::Commit(bool* closeFailed) {
    if (closeFailed != nullptr) *closeFailed = false;
    if (file_ == nullptr) return false;
    // The runtime's formatted output reports a failed write only through the
    // stream's error flag.
    const bool written = fflush(file_) == 0 && ferror(file_) == 0;
    const bool closed = fclose(file_) == 0;
    file_ = nullptr;
    if (!written || !closed) {
        if (closeFailed != nullptr) *closeFailed = written;
        Abandon();
        return false;
    }
    if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Abandon();
        return false;
    }
    temporary_.clear();
    return true;
}

void CSafeFileSave::Abandon() {
    if (file_ != nullptr) {
        fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        DeleteFileA(temporary_.c_str());
        temporary_.clear();
    }
}

unsigned short WriteFileSafely(const char* path, const char* mode, const SafeWriteCodes& codes,
                               const std::function<void(FILE*)>& body) {
    CSafeFileSave save;
    FILE* file = save.Open(path, mode);
    if (file == nullptr) return codes.open;
    try {
        body(file);
    } catch (const ErrCodeException& error) {
        return error.Code();
    }
    bool closeFailed = false;
    if (!save.Commit(&closeFailed)) return closeFailed ? codes.close : codes.write;
    return 0;
}
