#include "torvane/exports/ExportFile.h"

#include "common/Util.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const unsigned short kErrShortNameTaken = 78;

bool FileExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

unsigned short ExportTargetPath(const char* chosenPath, const char* chosenName,
                                const char* extension, CString& target) {
    target.Empty();
    CString shortName;
    if (!UtilMakeShortFileName(chosenName, shortName, extension)) return kErrFileOpen;
    const CString path(chosenPath);
    const CString folder = path.Left(path.GetLength() - CString(chosenName).GetLength());
    if (folder.IsEmpty()) {
        target = shortName;
    } else {
        UtilJoinPath(folder, shortName, target);
    }
    if (target.CompareNoCase(path) != 0 && FileExists(target)) {
        target.Empty();
        return kErrShortNameTaken;
    }
    return 0;
}

bool ExportChooseTarget(const ExportFileKind& kind, const char* documentTitle, CString& target) {
    target.Empty();
    CString defaultName;
    UtilMakeShortFileName(documentTitle, defaultName, kind.extension);
    CFileDialog dialog(FALSE, kind.defaultExtension,
                       defaultName.IsEmpty() ? nullptr : defaultName.GetString(),
                       OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kind.filter);
    dialog.m_ofn.lpstrTitle = kind.title;
    if (dialog.DoModal() != IDOK) return false;
    const unsigned short code =
        ExportTargetPath(dialog.GetPathName(), dialog.GetFileName(), kind.extension, target);
    if (code != 0) {
        ErrCodeShowError(code);
        return false;
    }
    return true;
}

}  // namespace torvane
