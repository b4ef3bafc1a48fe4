#include "common/ProgramFolder.h"

namespace {

const int kFolderLength = 256;
CString g_programFolder;
bool g_recorded = false;

}  // namespace

bool ProgramFolderRecord() {
    char folder[kFolderLength] = "";
    // A directory that does not fit leaves the buffer unfilled and returns
    // the size it needs.
    const DWORD length = GetCurrentDirectoryA(kFolderLength, folder);
    if (length == 0 || length >= static_cast<DWORD>(kFolderLength)) return false;
    g_programFolder = folder;
    g_recorded = true;
    return true;
}

void ProgramFolderGet(CString& out) {
    if (!g_recorded) ProgramFolderRecord();
    out = g_programFolder;
}
