#include "torvane/components/ComponentFile.h"

#include "common/ErrCodeException.h"
#include "common/SafeFileSave.h"
#include "common/Util.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

const char kComponentFileVersion[] = "4.05";

namespace {
const char* const kOlderVersions[] = {"3.10", "3.08", "3.07", "3.06", "3.05"};
}

bool RunComponentFile(const char* path, const char* mode, const std::function<void(FILE*)>& body) {
    if (mode[0] == 'w') {
        // A new file replaces the old one only when it was written completely.
        const unsigned short failure = WriteFileSafely(path, mode, kFileWriteCodes, body);
        if (failure != 0) ErrCodeShowError(failure);
        return failure == 0;
    }
    FILE* file = nullptr;
    try {
        file = fopen(path, mode);
        if (file == nullptr) throw ErrCodeException(kErrFileOpen);
        body(file);
        FILE* closing = file;
        file = nullptr;
        if (fclose(closing) != 0) throw ErrCodeException(kErrFileClose);
        return true;
    } catch (const ErrCodeException& error) {
        if (file != nullptr) fclose(file);
        ErrCodeShowError(error.Code());
        return false;
    }
}

bool ReadComponentVersion(FILE* file, unsigned short unknownVersionCode) {
    CString version = UtilReadLine(file);
    version.TrimLeft();
    if (version == kComponentFileVersion) return true;
    for (const char* older : kOlderVersions) {
        if (version == older) return false;
    }
    throw ErrCodeException(unknownVersionCode);
}

}  // namespace torvane
