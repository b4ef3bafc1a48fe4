// The drag-race program's numbered errors, notices and questions, shown as
// message boxes owned by the window that has the keyboard focus. Programming
// errors go to AssertionFailure (Assertion.h), which ends the program.
//
// Notices and errors are numbered apart: notice 103 and error 103 are
// different messages.
#pragma once

#include "common/Assertion.h"
#include "common/ErrCodeException.h"

namespace quillet {

// Codes raised outside the document's validation.
enum QuilletErrCode : unsigned short {
    kErrRunFailed = 78,  // the run did not reach the finish
    kErrFileOpen = 79,
    kErrFileWrite = 80,
    kErrFileRead = 81,
    kErrFileClose = 82,
    kErrFileValue = 83,           // a value read is out of range
    kErrFileVersion = 84,         // not a vehicle file of a known version
    kErrEngineFileTooOld = 85,    // an engine file older than "3.08"
    kErrIteratorNoBaseline = 86,
    kErrIteratorTooFewTests = 87,
    kErrIteratorTooManyTests = 92,
    kErrExportNameClash = 111,    // the 8.3 form of the name is taken
    kErrExportNoResults = 112,
    kErrExportMetricUnits = 113,
    kErrIteratorDistanceRange = 128,
};

// The codes a safe file write reports.
constexpr SafeWriteCodes kFileWriteCodes = {kErrFileOpen, kErrFileWrite, kErrFileClose};

// Notices (ErrCodeShowWarning).
enum QuilletNoticeCode : unsigned short {
    kNoticeTorqueOutOfRange = 101,
    kNoticePowerOutOfRange = 102,
    kNoticeStallAboveShift = 103,
    kNoticeShiftBelowStall = 104,
};

// Errors 1..115 and 128, titled per error, error icon, OK.
void ErrCodeShowError(unsigned short code);
// Notices 101..105 and 107, information icon; OK and Cancel when asked.
// Returns the button pressed (IDOK, IDCANCEL).
int ErrCodeShowWarning(unsigned short code, bool okCancel = false);
// Questions 200..220, titled "Warning!", warning icon, OK and Cancel.
// Returns the button pressed; callers go on only on IDOK.
int ErrCodeAskConfirm(unsigned short code);

}  // namespace quillet
