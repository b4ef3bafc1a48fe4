// The engine record export for older game programs: the checks that the
// engine fits what they can model, the save dialog and the 815-byte record.
#pragma once

#include "torvane/exports/GameEngineRecord.h"

namespace torvane {

class CTorvaneDoc;

// The record's values from the document's fields and curves, in the units
// the document shows.
GameEngineRecordInputs SimInterfaceGameRecordInputs(const CTorvaneDoc& doc);
// Writes the record to `path`; false after showing the error (43, 44, 46).
bool SimInterfaceWriteGameRecord(const char* path, CTorvaneDoc* doc);
// The checks (the first failure shown), the save dialog and the write.
void SimInterfaceExportGameFile(CTorvaneDoc* doc);

}  // namespace torvane
