// The program folder: the current directory when the program started. The
// application records it at start-up; the manual, the product information
// and the component file dialogs are found in folders below it.
#pragma once

#include "framework/Framework.h"

// Records the current directory (up to 256 characters) as the program
// folder; false, with nothing recorded, when the directory is longer.
bool ProgramFolderRecord();
// The recorded folder; the current directory when none was recorded yet.
void ProgramFolderGet(CString& out);
