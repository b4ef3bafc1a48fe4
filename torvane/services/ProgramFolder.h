// The program folder: the current directory when the program started. The
// application records it at start-up (its GetProgramFolder reads it from
// here); the cam and airflow file dialogs start in folders below it.
#pragma once

#include "framework/Framework.h"

namespace torvane {

// Records the current directory (up to 256 characters) as the program
// folder; false, with nothing recorded, when the directory is longer.
bool ProgramFolderRecord();
// The recorded folder; the current directory when none was recorded yet.
void ProgramFolderGet(CString& out);

}  // namespace torvane
