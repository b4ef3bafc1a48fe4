#include "torvane/services/FileBrowser.h"

#include "common/Util.h"
#include "common/ProgramFolder.h"

namespace torvane {

bool BrowseComponentFile(const ComponentFileKind& kind, bool save, const char* initialName,
                         CString& fileName, CString& fullPath) {
    fileName.Empty();
    fullPath.Empty();
    CString programFolder, folder;
    ProgramFolderGet(programFolder);
    UtilJoinPath(programFolder, kind.folder, folder);

    const DWORD flags = save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST;
    const bool named = initialName != nullptr && *initialName != '\0';
    CFileDialog dialog(!save, kind.defaultExtension, named ? initialName : nullptr, flags,
                       kind.filter);
    dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK) return false;
    fileName = dialog.GetFileName();
    fullPath = dialog.GetPathName();
    return true;
}

}  // namespace torvane
