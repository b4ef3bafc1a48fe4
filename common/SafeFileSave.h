// Writes a file so that a failed write never destroys the file it replaces:
// the data goes to a new file beside the target, which replaces the target
// only once it has been written and closed completely.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "common/ErrCodeException.h"

class CSafeFileSave {
public:
    CSafeFileSave() = default;
    // Abandons a file that was not committed.
    ~CSafeFileSave();
    CSafeFileSave(const CSafeFileSave&) = delete;
    CSafeFileSave& operator=(const CSafeFileSave&) = delete;

    // Opens the new file beside `target` with the fopen mode ("wt", "wb");
    // null when it cannot be created, or when `target` is a read-only file
    // (or a folder), which is never replaced.
    FILE* Open(const char* target, const char* mode);
    // Closes the new file and puts it in the target's place. False, with
    // the target untouched, when a write or the close failed (`closeFailed`
    // tells the close) or the target could not be replaced.
    bool Commit(bool* closeFailed = nullptr);
    // Closes and deletes the new file; the target stays as it was.
    void Abandon();

private:
    FILE* file_ = nullptr;
    std::string target_;
    std::string temporary_;
};

// Opens a new file beside `path` in `mode` ("wt", "wb"), runs `body` on it
// and puts it in the place of `path` once complete. Returns 0, or the error:
// the code `body` throws (ErrCodeException) or one of `codes` (`open` for a
// read-only `path`). On an error `path` is left as it was.
unsigned short WriteFileSafely(const char* path, const char* mode, const SafeWriteCodes& codes,
                               const std::function<void(FILE*)>& body);
