#include "SafeFileWrite.h"

#include "ErrCode.h"
#include "ErrCodeException.h"
#include "SafeFileSave.h"

unsigned short WriteFileSafely(const char* path, const char* mode,
                               const std::function<void(FILE*)>& body) {
    CSafeFileSave save;
    FILE* file = save.Open(path, mode);
    if (file == nullptr) return kErrFileOpen;
    try {
        body(file);
    } catch (const ErrCodeException& error) {
        return error.Code();
    }
    bool closeFailed = false;
    if (!save.Commit(&closeFailed)) return closeFailed ? kErrFileClose : kErrFileWrite;
    return 0;
}
