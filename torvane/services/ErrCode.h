// The engine program's numbered errors, warnings and confirmations, shown as
// message boxes owned by the window that has the keyboard focus, and its
// assertion routine (ends the program with exit code 9999).
#pragma once

#include "common/Assertion.h"
#include "common/ErrCodeException.h"

namespace torvane {

// Codes of the file operations (engine, cam and airflow files).
enum FileErrCode : unsigned short {
    kErrFileOpen = 43,
    kErrFileWrite = 44,
    kErrFileRead = 45,
    kErrFileClose = 46,
    kErrFileValue = 47,
    kErrEngineFileVersion = 48,
    kErrFlowFileVersion = 49,
    kErrCamFileVersion = 50,
};

// The codes a safe file write reports.
constexpr SafeWriteCodes kFileWriteCodes = {kErrFileOpen, kErrFileWrite, kErrFileClose};

// Shows error `code` (1..110). With `askOkCancel` the box has OK and Cancel
// and the information icon, else OK and the error icon. `filePath` is used by
// code 108 only, which needs it. Returns the button pressed (IDOK, IDCANCEL).
int ErrCodeShowError(unsigned short code, bool askOkCancel = false, const char* filePath = nullptr);
// Shows warning `code` (101..109, 111) titled "Important!".
int ErrCodeShowWarning(unsigned short code, bool askOkCancel = false);
// Asks confirmation `code` (200..206) titled "Warning!" with OK and Cancel.
int ErrCodeAskConfirm(unsigned short code);
// Shows the operating system's text for a system error number.
void ErrCodeShowSystemError(unsigned long systemError);

}  // namespace torvane
