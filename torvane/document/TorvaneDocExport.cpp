// The racing game's text export of the engine document (.gme).
#include "common/SafeFileSave.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/exports/ExportFile.h"
#include "torvane/exports/GameTextExport.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const unsigned short kErrRunFailed = 42;
const unsigned short kErrNoResults = 79;

const ExportFileKind kGameTextFile = {
    "gme",
    ".gme",
    "Racing Game Engine Files (*.gme)|*.gme|All Files (*.*)|*.*||",
    "Export Engine to the Racing Game",
};

void FillTable(GameTextTable& table, const CTorvaneDoc& run) {
    for (int i = 0; i < kGameTextRows; ++i) {
        float* row = table.rows[i];
        row[0] = run.GetRpmPoint(i);
        row[1] = run.GetPowerPoint(i);
        row[2] = run.GetTorquePoint(i);
        row[3] = run.GetBmepPoint(i);
    }
}

}  // namespace

void CTorvaneDoc::OnExportGameFile() {
    unsigned short code = 0;
    if (!Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    if (!HasResults()) {
        ErrCodeShowError(kErrNoResults);
        return;
    }
    CString target;
    if (ExportChooseTarget(kGameTextFile, GetTitle(), target)) WriteTextExport(target);
}

bool CTorvaneDoc::WriteTextExport(const char* path) {
    // Both tables come from runs of copies, so that the document keeps its
    // units, fuel and nitrous whatever happens; it takes the results of the
    // engine as described once the file is written.
    CTorvaneDoc english;
    CopyEngineTo(english);
    english.SetUnitsMode(0);
    GameTextExportInputs inputs;
    inputs.name = english.shortBlockType.GetTypeName();
    inputs.bore = english.bore.GetValue();
    inputs.stroke = english.stroke.GetValue();
    inputs.cylinders = english.cylinders.GetValue();
    inputs.nitrous = HasNitrous();
    CTorvaneDoc firstRun, asDescribed;
    unsigned short failure = 0;
    if (!RunCopy(firstRun, inputs.nitrous) || !RunCopy(asDescribed, false)) {
        failure = kErrRunFailed;
    } else {
        FillTable(inputs.tables[0], firstRun);
        FillTable(inputs.tables[1], asDescribed);
        failure = WriteFileSafely(path, "wt", kFileWriteCodes,
                                  [&inputs](FILE* file) { GameTextExportWrite(file, inputs); });
    }
    if (failure != 0) {
        ErrCodeShowError(failure);
        return false;
    }
    TakeResultsFrom(asDescribed);
    return true;
}

}  // namespace torvane
