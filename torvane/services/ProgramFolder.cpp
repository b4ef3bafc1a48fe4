#include "torvane/services/ProgramFolder.h"

namespace torvane {

namespace {

const int kFolderLength = 256;
CString g_programFolder;
bool g_recorded = false;

}  // namespace

void ProgramFolderRecord() {
    char folder[kFolderLength] = "";
    GetCurrentDirectoryA(kFolderLength, folder);
    g_programFolder = folder;
    g_recorded = true;
}

void ProgramFolderGet(CString& out) {
    if (!g_recorded) ProgramFolderRecord();
    out = g_programFolder;
}

}  // namespace torvane
