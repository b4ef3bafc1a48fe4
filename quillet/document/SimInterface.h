// The bridge between the vehicle document and the acceleration run. The
// interface object, created once at program start, owns the one race
// record: each run clears it, fills it from the document, runs it, and the
// results are copied out of it into the document's CRaceResults. The
// export for the older program is an operation of the same interface.
#pragma once

#include "quillet/kernel/RaceSimBlock.h"

namespace quillet {

class CQuilletDoc;
class CRaceResults;

class CSimInterface {
public:
    // The race record (static storage: it is about 64 KB).
    RaceSimBlock& Block();

private:
    friend void SimInterfaceCreateInstance();
    CSimInterface() = default;
};

// Creates the interface; once per program (a second call is an assertion).
void SimInterfaceCreateInstance();
// The interface; asking before it exists is an assertion.
CSimInterface& SimInterfaceGetInstance();

// Zero-fills the race record.
void SimInterfaceClearBlock();
// Fills the record from a validated document shown in English units and
// runs it over the document's race length; true when it reached the finish.
bool SimInterfaceRun(const CQuilletDoc* doc);
// Copies the last successful run into `results`: time slip, track rows,
// curves in the document's order and the 60-ft step tables.
void SimInterfaceCopyResults(CRaceResults& results);
// The same two on a record of the caller's own: a sweep's worker threads
// each run in their own.
bool SimInterfaceRunOn(RaceSimBlock& block, const CQuilletDoc* doc);
void SimInterfaceCopyResultsFrom(const RaceSimBlock& block, CRaceResults& results);

// The export command: checks the document, asks for a file name and writes
// the record under its 8.3 form. Shows its own messages.
void SimInterfaceExportFile(CQuilletDoc* doc);
// Writes the 922-byte record of `doc` to `path`; shows a failure's code.
bool SimInterfaceWriteExportRecord(const char* path, const CQuilletDoc* doc);

}  // namespace quillet
